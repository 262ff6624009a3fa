// kaptori-cli profil FICHIER X0 Y0 X1 Y1 [options]: the intensity profile
// that "Mesurer" draws for the line from (X0, Y0) to (X1, Y1) on the file
// with its scale, printed as the results grid "&Complet" saves it, or the
// surface readout between two samples; --graphe saves the graph's picture
// with its scale as the profile window does.

#include "app/cli/commandes_cli.h"
#include "commun/nombres.h"
#include "document/image_document.h"
#include "document/ouverture_document.h"
#include "measure/courbes_profil.h"
#include "measure/enregistrer_graphe_profil.h"
#include "plot/rendu_graphe.h"
#include "table/texte_grille.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <optional>
#include <vector>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandeProfil", texte);
}

std::optional<int> Entier(const QString &texte, int min, int max)
{
    bool ok = false;
    const std::int64_t v = TexteEnEntier(texte, &ok);
    if (!ok || v < min || v > max)
        return std::nullopt;
    return int(v);
}

std::optional<double> Reel(const QString &texte)
{
    bool ok = false;
    const double v = TexteEnReel(RemplacerSepAutre(texte.trimmed()), &ok);
    if (!ok || !std::isfinite(v))
        return std::nullopt;
    return v;
}

struct PointConversion {
    int ligne = 0;
    double valeur = 0;
};

struct OptionsProfil {
    QString fichier;
    QList<QPoint> points;
    int largeur = 1;
    std::vector<int> canaux{CanalTout};
    bool absorption = false;
    bool log = false;
    std::optional<double> zero;
    std::vector<PointConversion> conversion;
    QString nom;
    QString unite;
    std::optional<std::pair<int, int>> surface;
    QString graphe;
};

// The options, or nothing after one French line on erreurs.
std::optional<OptionsProfil> LireOptions(const QStringList &arguments, QTextStream &erreurs)
{
    if (arguments.size() < 5) {
        erreurs << Tr("Usage : kaptori-cli profil FICHIER X0 Y0 X1 Y1 [--largeur W] [--canal C[,C...]] "
                      "[--mesure emission|absorption|do] [--zero Z] [--conversion LIGNE=VALEUR]... [--nom N] "
                      "[--unite U] [--surface A:B] [--graphe SORTIE.gif|.bmp]\n");
        return std::nullopt;
    }
    OptionsProfil o;
    o.fichier = arguments[0];
    const auto points = PointsDeLigneCommande(arguments.mid(1, 4), erreurs);
    if (!points)
        return std::nullopt;
    o.points = *points;
    for (qsizetype i = 5; i < arguments.size(); i += 2) {
        const QString &option = arguments[i];
        if (i + 1 >= arguments.size()) {
            erreurs << Tr("Valeur manquante après %1\n").arg(option);
            return std::nullopt;
        }
        const QString &valeur = arguments[i + 1];
        if (option == QLatin1String("--largeur")) {
            const auto w = Entier(valeur, 1, LargeurBandeMax);
            if (!w) {
                erreurs << Tr("Largeur de bande invalide : « %1 » (un entier de 1 à %2 est attendu)\n")
                               .arg(valeur)
                               .arg(LargeurBandeMax);
                return std::nullopt;
            }
            o.largeur = *w;
        } else if (option == QLatin1String("--canal")) {
            o.canaux.clear();
            for (const QString &c : valeur.split(QLatin1Char(','))) {
                static const QStringList noms{QStringLiteral("rouge"), QStringLiteral("vert"), QStringLiteral("bleu"),
                                              QStringLiteral("tout")};
                const qsizetype k = noms.indexOf(c.trimmed().toLower());
                if (k < 0) {
                    erreurs << Tr("Canal inconnu : « %1 » (tout, rouge, vert ou bleu)\n").arg(c);
                    return std::nullopt;
                }
                o.canaux.push_back(int(k));
            }
        } else if (option == QLatin1String("--mesure")) {
            if (valeur == QLatin1String("emission")) {
                o.absorption = false;
            } else if (valeur == QLatin1String("absorption")) {
                o.absorption = true;
                o.log = false;
            } else if (valeur == QLatin1String("do")) {
                o.absorption = true;
                o.log = true;
            } else {
                erreurs << Tr("Mesure inconnue : « %1 » (emission, absorption ou do)\n").arg(valeur);
                return std::nullopt;
            }
        } else if (option == QLatin1String("--zero")) {
            o.zero = Reel(valeur);
            if (!o.zero) {
                erreurs << Tr("Zéro invalide : « %1 » (un nombre est attendu)\n").arg(valeur);
                return std::nullopt;
            }
        } else if (option == QLatin1String("--conversion")) {
            const qsizetype egal = valeur.indexOf(QLatin1Char('='));
            const auto ligne = Entier(valeur.left(egal), MargeHautProfil, LigneBasProfil);
            const auto v = egal < 0 ? std::nullopt : Reel(valeur.mid(egal + 1));
            if (egal < 0 || !ligne) {
                erreurs << Tr("Point de conversion invalide : « %1 » (LIGNE=VALEUR, LIGNE entière de %2 à %3)\n")
                               .arg(valeur)
                               .arg(MargeHautProfil)
                               .arg(LigneBasProfil);
                return std::nullopt;
            }
            if (!v) {
                erreurs << Tr("La valeur du point de conversion n'est pas un nombre : « %1 »\n").arg(valeur);
                return std::nullopt;
            }
            if (o.conversion.size() == 2) {
                erreurs << Tr("Deux points de conversion au plus\n");
                return std::nullopt;
            }
            o.conversion.push_back({*ligne, *v});
        } else if (option == QLatin1String("--nom")) {
            o.nom = valeur;
        } else if (option == QLatin1String("--unite")) {
            o.unite = valeur;
        } else if (option == QLatin1String("--surface")) {
            const QStringList ab = valeur.split(QLatin1Char(':'));
            const auto a = ab.size() == 2 ? Entier(ab[0], 0, NbEchantillonsMax) : std::nullopt;
            const auto b = ab.size() == 2 ? Entier(ab[1], 0, NbEchantillonsMax) : std::nullopt;
            if (!a || !b) {
                erreurs << Tr("Limites de surface invalides : « %1 » (A:B, deux numéros d'échantillon)\n").arg(valeur);
                return std::nullopt;
            }
            o.surface = std::make_pair(*a, *b);
        } else if (option == QLatin1String("--graphe")) {
            const QString ext = QFileInfo(valeur).suffix().toLower();
            if (ext != QLatin1String("gif") && ext != QLatin1String("bmp")) {
                erreurs << Tr("Le graphique s'enregistre en .gif ou en .bmp : « %1 »\n").arg(valeur);
                return std::nullopt;
            }
            o.graphe = valeur;
        } else {
            erreurs << Tr("Option inconnue : %1\n").arg(option);
            return std::nullopt;
        }
    }
    return o;
}

} // namespace

int CommandeProfil(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    const auto options = LireOptions(arguments, erreurs);
    if (!options)
        return 1;
    const OptionsProfil &o = *options;
    const auto document = OuvrirDocument(o.fichier, 0);

    TCourbesProfil m;
    if (!m.PrendreEchelle(document->echelle)) {
        erreurs << Tr("L'échelle du fichier a un facteur de longueur nul ou négatif : les positions ne peuvent pas "
                      "être calculées.\n");
        return 1;
    }
    document->mesure.pointAppui = o.points[0];
    document->mesure.pointCourant = o.points[1];
    const EtatProfil etat = EchantillonnerProfil(*document, (o.largeur - 1) / 2);
    if (etat != EtatProfil::Echantillonne) {
        erreurs << MessageProfil(etat) << QLatin1Char('\n');
        return 1;
    }
    m.SommesCourbe.canaux = document->SommesProfil;
    m.SommesCourbe.n = document->LongueurProfil;
    m.LargeurBande = o.largeur;
    m.ModeAbsorption = o.absorption;
    m.ModeLog = o.log;
    m.ReconstruireGraphe();
    for (std::size_t k = 0; k < o.canaux.size(); ++k) {
        m.CanalProfil = o.canaux[k];
        if (k + 1 == o.canaux.size() && o.zero)
            m.Zeros[std::size_t(m.CanalProfil)] = *o.zero;
        m.TracerCourbes();
    }
    if (!o.conversion.empty()) {
        m.Zeros = {};
        const PointConversion point = o.conversion.back();
        const PointConversion reference = o.conversion.size() == 2 ? o.conversion.front()
                                                                   : PointConversion{LigneBasProfil, 0.0};
        if (!m.Convertir(point.ligne, point.valeur, reference.ligne, reference.valeur, o.nom, o.unite)) {
            erreurs << Tr("Les deux points sont sur la même ligne du graphique : pas de conversion.\n");
            return 1;
        }
    }

    if (!o.graphe.isEmpty())
        EnregistrerGrapheProfil(o.graphe, RendreGraphe(m.Graphe), m.EchelleGraphe);

    if (o.surface) {
        sortie << m.TexteSurface(o.surface->first, o.surface->second) << QLatin1Char('\n');
        return 0;
    }
    m.GrilleComplete();
    for (const QString &ligne : LignesTexteGrille(Tr("Résultats"), m.Grille))
        sortie << ligne << QLatin1Char('\n');
    return 0;
}
