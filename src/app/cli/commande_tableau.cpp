// kaptori-cli tableau FICHIER [--totaux | --moyennes] [--series]
//   [--entetes N] [--sortie TEXTE] [--graphe IMAGE.gif|.bmp] [--taille LxH]
// reads a table text as "le &Tableau" saves it, with N header rows (2, or 3
// in series mode), turns totals or means on as the menu does, and prints
// the table's text (UTF-8, LF) or writes it as the save does (--sortie).
// --graphe refreshes the table's graph (names and units from the header
// cells) at the given size (640x480 by default) and saves it as
// "le &Graphique" does: GIF with its scale in the comment, or BMP with a
// ".sca" side-file.

#include "app/cli/commandes_cli.h"
#include "commun/erreur.h"
#include "commun/nombres.h"
#include "plot/graphe.h"
#include "plot/rendu_graphe.h"
#include "table/graphe_tableau.h"
#include "table/lecture_tableau.h"
#include "table/tableau_resultats.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("CommandeTableau", texte);
}

struct OptionsTableau {
    QString fichier;
    bool totaux = false;
    bool moyennes = false;
    bool series = false;
    int entetes = -1;
    QString sortie;
    QString graphe;
    QSize taille{640, 480};
};

// Reads the options; a French message on erreurs and nothing when one is wrong.
std::optional<OptionsTableau> LireOptions(const QStringList &arguments, QTextStream &erreurs)
{
    OptionsTableau o;
    auto valeur = [&](qsizetype &i) -> std::optional<QString> {
        if (i + 1 >= arguments.size()) {
            erreurs << tr("L'option %1 attend une valeur.\n").arg(arguments[i]);
            return std::nullopt;
        }
        return arguments[++i];
    };
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments[i];
        if (a == QLatin1String("--totaux")) {
            o.totaux = true;
        } else if (a == QLatin1String("--moyennes")) {
            o.moyennes = true;
        } else if (a == QLatin1String("--series")) {
            o.series = true;
        } else if (a == QLatin1String("--entetes")) {
            const auto v = valeur(i);
            if (!v)
                return std::nullopt;
            bool ok = false;
            const qint64 n = TexteEnEntier(*v, &ok);
            if (!ok || n < 1 || n > 100) {
                erreurs << tr("--entetes attend un nombre de lignes d'en-tête de 1 à 100.\n");
                return std::nullopt;
            }
            o.entetes = static_cast<int>(n);
        } else if (a == QLatin1String("--sortie") || a == QLatin1String("--graphe")) {
            const auto v = valeur(i);
            if (!v)
                return std::nullopt;
            (a == QLatin1String("--sortie") ? o.sortie : o.graphe) = *v;
        } else if (a == QLatin1String("--taille")) {
            const auto v = valeur(i);
            if (!v)
                return std::nullopt;
            static const QRegularExpression forme(QStringLiteral("^(\\d{1,5})[xX](\\d{1,5})$"));
            const auto m = forme.match(*v);
            const int l = m.hasMatch() ? m.captured(1).toInt() : 0;
            const int h = m.hasMatch() ? m.captured(2).toInt() : 0;
            if (l < 1 || h < 1 || l > 16384 || h > 16384) {
                erreurs << tr("--taille attend LxH, de 1x1 à 16384x16384 pixels (par exemple 640x480).\n");
                return std::nullopt;
            }
            o.taille = QSize(l, h);
        } else if (a.startsWith(QLatin1String("--"))) {
            erreurs << tr("Option inconnue : %1\n").arg(a);
            return std::nullopt;
        } else if (o.fichier.isEmpty()) {
            o.fichier = a;
        } else {
            erreurs << tr("Un seul fichier de tableau est attendu.\n");
            return std::nullopt;
        }
    }
    if (o.fichier.isEmpty()) {
        erreurs << tr("Usage : kaptori-cli tableau FICHIER [--totaux | --moyennes] [--series] [--entetes N] "
                      "[--sortie TEXTE] [--graphe IMAGE.gif|.bmp] [--taille LxH]\n");
        return std::nullopt;
    }
    if (o.totaux && o.moyennes) {
        erreurs << tr("--totaux et --moyennes s'excluent, comme dans le menu « Calculs ».\n");
        return std::nullopt;
    }
    return o;
}

} // namespace

int CommandeTableau(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    const auto options = LireOptions(arguments, erreurs);
    if (!options)
        return 1;
    const OptionsTableau &o = *options;

    QFile fichier(o.fichier);
    if (!fichier.open(QIODevice::ReadOnly))
        throw ErreurFichier(tr("Impossible d'ouvrir le fichier %1 : %2").arg(o.fichier, fichier.errorString()));
    const TexteTableauLu texte = LireTexteTableau(fichier.readAll());

    TableauResultats t;
    t.ModeSeries = o.series;
    t.SepDecimal = SepDecimal();
    t.SepAutre = SepAutre();
    ChargerTableau(t, texte, o.entetes > 0 ? o.entetes : (o.series ? 3 : 2));
    if (o.series) {
        t.NbY = 1;
        t.NbSeries = std::max(1, t.NbColonnes() - 1);
        // Series with numeric X have names, units and series rows; series
        // by classes only names and series rows.
        t.XNumerique = t.LignesFixes() >= 3;
    } else {
        t.NbY = std::clamp(t.NbColonnes() - 1, 1, 2);
    }
    if (o.series && !t.XNumerique && !o.graphe.isEmpty()) {
        erreurs << tr("Un tableau de séries par classes (%1 lignes d'en-tête) n'a pas de graphique : "
                      "X n'y est pas numérique.\n")
                       .arg(t.LignesFixes());
        return 1;
    }
    // Names and units as the header cells hold them.
    const bool unites = o.series ? t.XNumerique : t.LignesFixes() > 1;
    t.NomAbscisse = t.Cellule(0, 0);
    t.UniteAbscisse = unites ? t.Cellule(0, 1) : QString();
    for (int i = 1; i <= 2; ++i) {
        t.NomOrdonnee[i] = t.Cellule(i, 0);
        t.UniteOrdonnee[i] = unites ? t.Cellule(i, 1) : QString();
    }
    if (o.totaux)
        t.BasculerTotaux();
    if (o.moyennes)
        t.BasculerMoyennes();

    if (!o.graphe.isEmpty()) {
        TGraphe graphe;
        PreparerGrapheTableau(graphe);
        GrapheAvantReglage(graphe);
        graphe.GraphTitle = t.Titre;
        graphe.DefinirTaille(o.taille);
        AppliquerAxesTableau(t, graphe);
        RafraichirGraphe(t, graphe);
        for (const QString &message : graphe.MessagesAxes())
            erreurs << message << QLatin1Char('\n');
        EnregistrerGraphe(o.graphe, RendreGraphe(graphe), EchelleDuGraphe(graphe, t));
    }

    if (!o.sortie.isEmpty()) {
        EnregistrerTexteTableau(o.sortie, t);
        return 0;
    }
    for (const QString &ligne : t.LignesTexte())
        sortie << ligne << QLatin1Char('\n');
    return 0;
}
