// kaptori-cli lumiere and serie: the light values of a rectangle or of what
// is coloured on a document's drawing layer, as the light window shows them,
// and the light-measurement series over several files, as the results table
// receives it.
//
//   lumiere FICHIER X0 Y0 X1 Y1 [--unite pourcent|rvb] [--zero X0,Y0,X1,Y1]
//   lumiere FICHIER --zone [--unite pourcent|rvb] [--zero X0,Y0,X1,Y1]
// prints the mean colour, then for the red, green, blue and global lines the
// net intensity, absorption and D.O.:
//   couleur: R; G; B
//   rouge: I; A; DO
//   vert: I; A; DO
//   bleu: I; A; DO
//   globale: I; A; DO

#include "app/cli/commandes_cli.h"
#include "commun/erreur.h"
#include "commun/nombres.h"
#include "document/ouverture_document.h"
#include "measure/moyenne_lumiere.h"
#include "measure/valeurs_lumiere.h"
#include "table/serie_lumiere.h"
#include "table/tableau_resultats.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <cstdint>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandeLumiere", texte);
}

struct Rectangle {
    std::int64_t x0 = 0, y0 = 0, x1 = 0, y1 = 0;
};

std::optional<Rectangle> LireRectangle(const QStringList &valeurs, QTextStream &erreurs)
{
    Rectangle r;
    std::int64_t *champs[] = {&r.x0, &r.y0, &r.x1, &r.y1};
    if (valeurs.size() != 4) {
        erreurs << Tr("Un rectangle se donne par quatre nombres entiers X0 Y0 X1 Y1.\n");
        return std::nullopt;
    }
    for (int i = 0; i < 4; ++i) {
        bool ok = false;
        *champs[i] = TexteEnEntier(valeurs.at(i), &ok);
        if (!ok) {
            erreurs << Tr("Les coordonnées du rectangle doivent être des nombres entiers de pixels : %1\n")
                           .arg(valeurs.join(QLatin1Char(' ')));
            return std::nullopt;
        }
    }
    return r;
}

// The mean colour of a rectangle of the document, or a French message.
std::optional<CouleurWin> MoyenneDe(const ImageDocument &doc, const Rectangle &r, QTextStream &erreurs)
{
    const auto zone = RectangleDansImage(r.x0, r.y0, r.x1, r.y1, doc.image.size());
    if (!zone) {
        erreurs << Tr("Le rectangle (%1 ; %2)-(%3 ; %4) est hors de l'image, qui mesure %5 x %6 pixels.\n")
                       .arg(r.x0)
                       .arg(r.y0)
                       .arg(r.x1)
                       .arg(r.y1)
                       .arg(doc.image.width())
                       .arg(doc.image.height());
        return std::nullopt;
    }
    return MoyenneRectangle(doc.image, *zone);
}

// The options of both commands, taken out of the argument list.
struct Options {
    QStringList positionnels;
    QMap<QString, QString> valeurs;
    bool zone = false;
};

std::optional<Options> LireOptions(const QStringList &arguments, const QStringList &avecValeur, bool zoneAdmise,
                                   QTextStream &erreurs)
{
    Options o;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (zoneAdmise && a == QLatin1String("--zone")) {
            o.zone = true;
        } else if (avecValeur.contains(a)) {
            if (i + 1 >= arguments.size()) {
                erreurs << Tr("L'option %1 demande une valeur.\n").arg(a);
                return std::nullopt;
            }
            o.valeurs.insert(a, arguments.at(++i));
        } else if (a.startsWith(QLatin1String("--"))) {
            erreurs << Tr("Option inconnue : %1\n").arg(a);
            return std::nullopt;
        } else {
            o.positionnels << a;
        }
    }
    return o;
}

// "--unite pourcent|rvb": true for percent.
std::optional<bool> LireUnite(const Options &o, QTextStream &erreurs)
{
    const QString u = o.valeurs.value(QStringLiteral("--unite"), QStringLiteral("pourcent"));
    if (u == QLatin1String("pourcent"))
        return true;
    if (u == QLatin1String("rvb"))
        return false;
    erreurs << Tr("Unité inconnue : %1 (pourcent ou rvb)\n").arg(u);
    return std::nullopt;
}

// "--zero X0,Y0,X1,Y1": the zeros of the three quantities taken on that
// rectangle of the document. False after a message.
bool PrendreZero(const Options &o, const ImageDocument &doc, ValeursLumiere &lumiere, QTextStream &erreurs)
{
    const auto texte = o.valeurs.find(QStringLiteral("--zero"));
    if (texte == o.valeurs.end())
        return true;
    const auto r = LireRectangle(texte->split(QLatin1Char(',')), erreurs);
    if (!r)
        return false;
    const auto zero = MoyenneDe(doc, *r, erreurs);
    if (!zero)
        return false;
    lumiere.Calculer(RougeWin(*zero), VertWin(*zero), BleuWin(*zero));
    lumiere.ZerosIntensite = lumiere.Intensites;
    lumiere.ZerosAbsorption = lumiere.Absorptions;
    lumiere.ZerosDO = lumiere.DensitesOptiques;
    return true;
}

std::unique_ptr<ImageDocument> Ouvrir(const QString &chemin)
{
    try {
        return OuvrirDocument(chemin, 5);
    } catch (const ErreurKaptori &e) {
        // The series names the file that failed among the others.
        if (e.message().contains(QFileInfo(chemin).fileName()))
            throw;
        throw ErreurFichier(QCoreApplication::translate("CommandeLumiere", "Impossible d'ouvrir « %1 » : %2")
                                .arg(chemin, e.message()));
    }
}

} // namespace

int CommandeLumiere(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    const auto o = LireOptions(arguments, {QStringLiteral("--unite"), QStringLiteral("--zero")}, true, erreurs);
    if (!o)
        return 1;
    const qsizetype attendus = o->zone ? 1 : 5;
    if (o->positionnels.size() != attendus) {
        erreurs << Tr("Usage : kaptori-cli lumiere FICHIER X0 Y0 X1 Y1 [--unite pourcent|rvb] [--zero X0,Y0,X1,Y1]\n"
                      "        kaptori-cli lumiere FICHIER --zone [--unite pourcent|rvb] [--zero X0,Y0,X1,Y1]\n");
        return 1;
    }
    const auto pourcent = LireUnite(*o, erreurs);
    if (!pourcent)
        return 1;
    std::optional<Rectangle> rectangle;
    if (!o->zone) {
        rectangle = LireRectangle(o->positionnels.mid(1), erreurs);
        if (!rectangle)
            return 1;
    }
    const auto doc = Ouvrir(o->positionnels.first());
    ValeursLumiere lumiere;
    lumiere.ChoisirPourcent(*pourcent);
    if (!PrendreZero(*o, *doc, lumiere, erreurs))
        return 1;

    std::optional<CouleurWin> moyenne;
    if (o->zone) {
        // A document file's elements are on its drawing layer once opened.
        moyenne = MoyenneZoneColoree(*doc);
        if (!moyenne) {
            erreurs << Tr("Rien n'est coloré sur le calque de dessin de « %1 ».\n").arg(o->positionnels.first());
            return 1;
        }
    } else {
        moyenne = MoyenneDe(*doc, *rectangle, erreurs);
        if (!moyenne)
            return 1;
    }
    lumiere.Calculer(RougeWin(*moyenne), VertWin(*moyenne), BleuWin(*moyenne));

    sortie << QStringLiteral("couleur: %1; %2; %3\n").arg(RougeWin(*moyenne)).arg(VertWin(*moyenne)).arg(BleuWin(*moyenne));
    static const char *const noms[] = {"rouge", "vert", "bleu", "globale"};
    for (int ligne = 0; ligne < 4; ++ligne) {
        sortie << QString::fromLatin1(noms[ligne]) << QStringLiteral(": ")
               << FormatGeneral(lumiere.Nette(LumiereIntensite, ligne), 3) << QStringLiteral("; ")
               << FormatGeneral(lumiere.Nette(LumiereAbsorption, ligne), 3) << QStringLiteral("; ")
               << FormatGeneral(lumiere.Nette(LumiereDO, ligne), 3) << QLatin1Char('\n');
    }
    return 0;
}

int CommandeSerie(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    const QStringList avecValeur{QStringLiteral("--mesure"),  QStringLiteral("--unite"),   QStringLiteral("--composante"),
                                 QStringLiteral("--grandeur"), QStringLiteral("--unite-x"), QStringLiteral("--premier"),
                                 QStringLiteral("--ecart"),    QStringLiteral("--zero")};
    const auto o = LireOptions(arguments, avecValeur, false, erreurs);
    if (!o)
        return 1;
    if (o->positionnels.size() < 4) {
        erreurs << Tr("Usage : kaptori-cli serie X0 Y0 X1 Y1 FICHIER FICHIER... [options]\n");
        return 1;
    }
    const auto rectangle = LireRectangle(o->positionnels.mid(0, 4), erreurs);
    if (!rectangle)
        return 1;
    const QStringList fichiers = o->positionnels.mid(4);
    if (fichiers.size() < 2) {
        erreurs << Tr("Une série de mesures demande au moins deux fichiers.\n");
        return 1;
    }

    ParametresSerie p;
    const auto pourcent = LireUnite(*o, erreurs);
    if (!pourcent)
        return 1;
    p.pourcent = *pourcent;
    const QStringList mesures{QStringLiteral("intensite"), QStringLiteral("absorption"), QStringLiteral("do")};
    p.grandeur = static_cast<int>(mesures.indexOf(o->valeurs.value(QStringLiteral("--mesure"), QStringLiteral("absorption"))));
    if (p.grandeur < 0) {
        erreurs << Tr("Mesure inconnue : %1 (intensite, absorption ou do)\n").arg(o->valeurs.value(QStringLiteral("--mesure")));
        return 1;
    }
    const QStringList composantes{QStringLiteral("rouge"), QStringLiteral("verte"), QStringLiteral("bleue"),
                                  QStringLiteral("luminosite")};
    p.composante =
        static_cast<int>(composantes.indexOf(o->valeurs.value(QStringLiteral("--composante"), QStringLiteral("rouge"))));
    if (p.composante < 0) {
        erreurs << Tr("Composante inconnue : %1 (rouge, verte, bleue ou luminosite)\n")
                       .arg(o->valeurs.value(QStringLiteral("--composante")));
        return 1;
    }
    p.grandeurX = o->valeurs.value(QStringLiteral("--grandeur"), p.grandeurX);
    p.uniteX = o->valeurs.value(QStringLiteral("--unite-x"), p.uniteX);
    for (const auto &[option, champ] : {std::pair{QStringLiteral("--premier"), &p.premier},
                                        std::pair{QStringLiteral("--ecart"), &p.ecart}}) {
        if (!o->valeurs.contains(option))
            continue;
        bool ok = false;
        const double v = TexteEnReel(RemplacerSepAutre(o->valeurs.value(option)), &ok);
        if (!ok || !std::isfinite(v)) {
            erreurs << Tr("La valeur de %1 n'est pas un nombre : %2\n").arg(option, o->valeurs.value(option));
            return 1;
        }
        *champ = v;
    }

    // One document open at a time: a series over large pictures holds one.
    ValeursLumiere lumiere;
    std::vector<std::optional<CouleurWin>> moyennes;
    for (qsizetype i = 0; i < fichiers.size(); ++i) {
        const auto doc = Ouvrir(fichiers.at(i));
        if (i == 0 && !PrendreZero(*o, *doc, lumiere, erreurs))
            return 1;
        const auto zone = RectangleDansImage(rectangle->x0, rectangle->y0, rectangle->x1, rectangle->y1, doc->image.size());
        if (!zone)
            erreurs << Tr("Le rectangle de mesure est hors de l'image « %1 » : sa case reste vide.\n")
                           .arg(QFileInfo(fichiers.at(i)).fileName());
        moyennes.push_back(zone ? MoyenneRectangle(doc->image, *zone) : std::nullopt);
    }
    TableauResultats tableau;
    RemplirSerieLumiere(tableau, p, lumiere.Zeros(p.grandeur), moyennes);
    for (const QString &ligne : tableau.LignesTexte())
        sortie << ligne << QLatin1Char('\n');
    return 0;
}
