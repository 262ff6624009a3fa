// kaptori-cli surface FICHIER --conditions TEXTE [--sortie IMAGE]
// kaptori-cli objets FICHIER --conditions TEXTE [--taille-min T] [--details] [--reperes]
//     [--sans-coloration] [--sans-regroupement] [--incomplets] [--tableau] [--sortie IMAGE]
// The surface measurement and the object delimitation of the surface window,
// with the file's scale.

#include "app/cli/commandes_cli.h"
#include "calibration/echelle.h"
#include "commun/nombres.h"
#include "document/dessins_document.h"
#include "document/enregistrer_document.h"
#include "document/image_document.h"
#include "document/ouverture_document.h"
#include "measure/mesure_objets.h"
#include "measure/mesure_surface.h"
#include "measure/texte_conditions.h"

#include <QCoreApplication>

#include <memory>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandeObjets", texte);
}

struct ArgumentsMesure {
    QString fichier;
    QString conditions;
    QString sortie;
    bool conditionsDonnees = false;
    int tailleMin = 0;
    bool details = false, reperes = false, sansColoration = false, sansRegroupement = false, incomplets = false,
         tableau = false;
};

// Reads the arguments; false after a French message.
bool LireArguments(const QStringList &arguments, bool objets, ArgumentsMesure &a, QTextStream &erreurs)
{
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &arg = arguments[i];
        auto valeur = [&](QString &cible) {
            if (i + 1 >= arguments.size()) {
                erreurs << Tr("L'option %1 attend une valeur.").arg(arg) << QLatin1Char('\n');
                return false;
            }
            cible = arguments[++i];
            return true;
        };
        if (arg == QLatin1String("--conditions")) {
            if (!valeur(a.conditions))
                return false;
            a.conditionsDonnees = true;
        } else if (arg == QLatin1String("--sortie")) {
            if (!valeur(a.sortie))
                return false;
        } else if (objets && arg == QLatin1String("--taille-min")) {
            QString texte;
            if (!valeur(texte))
                return false;
            bool ok = false;
            const std::int64_t t = TexteEnEntier(texte, &ok);
            if (!ok || t < 0 || t > TailleMinMaxi) {
                erreurs << Tr("Taille minimale invalide : « %1 » (un entier de 0 à %2 est attendu)")
                               .arg(texte)
                               .arg(TailleMinMaxi)
                        << QLatin1Char('\n');
                return false;
            }
            a.tailleMin = static_cast<int>(t);
        } else if (objets && arg == QLatin1String("--details")) {
            a.details = true;
        } else if (objets && arg == QLatin1String("--reperes")) {
            a.reperes = true;
        } else if (objets && arg == QLatin1String("--sans-coloration")) {
            a.sansColoration = true;
        } else if (objets && arg == QLatin1String("--sans-regroupement")) {
            a.sansRegroupement = true;
        } else if (objets && arg == QLatin1String("--incomplets")) {
            a.incomplets = true;
        } else if (objets && arg == QLatin1String("--tableau")) {
            a.tableau = true;
        } else if (!arg.startsWith(QLatin1String("--")) && a.fichier.isEmpty()) {
            a.fichier = arg;
        } else {
            erreurs << Tr("Argument inattendu : « %1 »").arg(arg) << QLatin1Char('\n');
            return false;
        }
    }
    if (a.fichier.isEmpty() || !a.conditionsDonnees) {
        erreurs << (objets ? Tr("Usage : kaptori-cli objets FICHIER --conditions TEXTE [--taille-min T] [--details] "
                                "[--reperes] [--sans-coloration] [--sans-regroupement] [--incomplets] [--tableau] "
                                "[--sortie IMAGE]")
                           : Tr("Usage : kaptori-cli surface FICHIER --conditions TEXTE [--sortie IMAGE]"))
                << QLatin1Char('\n');
        return false;
    }
    return true;
}

struct Preparation {
    std::unique_ptr<ImageDocument> document;
    ConditionsLues conditions;
};

// Opens the file and reads the conditions against its channels.
bool Preparer(const ArgumentsMesure &a, Preparation &p, QTextStream &erreurs)
{
    p.document = OuvrirDocument(a.fichier, 0);
    if (!p.document->echelle.Definie)
        p.document->echelle = EchelleParDefaut();
    p.conditions = LireConditions(a.conditions, static_cast<int>(p.document->canaux.size()));
    if (!p.conditions.erreur.isEmpty()) {
        erreurs << p.conditions.erreur << QLatin1Char('\n');
        return false;
    }
    for (const QString &avertissement : p.conditions.avertissements)
        erreurs << avertissement << QLatin1Char('\n');
    return true;
}

void EcrireSortie(ImageDocument &document, const QString &chemin)
{
    document.image = document.Aplatir();
    document.coucheProvisoire = QImage();
    document.coucheDessin = QImage();
    OptionsEnregistrement options;
    options.annexes = false;
    (void)EnregistrerDocument(document, chemin, options);
}

QString Unite(const ImageDocument &document)
{
    return document.echelle.Unite.isEmpty() ? QStringLiteral("pixels") : document.echelle.Unite;
}

} // namespace

int CommandeSurface(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    ArgumentsMesure a;
    Preparation p;
    if (!LireArguments(arguments, false, a, erreurs) || !Preparer(a, p, erreurs))
        return 1;
    ImageDocument &doc = *p.document;
    const ResultatSurface r = MesurerSurface(doc, p.conditions.groupes, 0xFFFFFF00u);
    sortie << QStringLiteral("pixels: ") << r.pixels << QLatin1Char('\n');
    sortie << QStringLiteral("resultat: ") << r.resultat << QLatin1Char('\n');
    const QString unite = Unite(doc);
    if (unite != QLatin1String("pixels"))
        sortie << QStringLiteral("surface: ") << FormatGeneral(r.surface, 4) << QLatin1Char(' ') << unite << QChar(0x00B2)
               << QLatin1Char('\n');
    if (!a.sortie.isEmpty())
        EcrireSortie(doc, a.sortie);
    return 0;
}

int CommandeObjets(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    ArgumentsMesure a;
    Preparation p;
    if (!LireArguments(arguments, true, a, erreurs) || !Preparer(a, p, erreurs))
        return 1;
    ImageDocument &doc = *p.document;
    OptionsObjets options;
    options.TailleMin = a.tailleMin;
    options.ResuStat = a.details;
    options.TraceLargeur = a.reperes;
    options.Marquer = !a.sansColoration;
    options.RegroupEmboites = !a.sansRegroupement;
    options.CompteIncomplets = a.incomplets;
    TableauTailles tableau;
    const QString unite = Unite(doc);
    doc.CreerCoucheProvisoire(doc.alphaProvisoire);
    const PlansCanaux plans = PlansDuDocument(doc);
    const ResultatObjets r = MesurerObjets(doc.image, &plans, p.conditions.groupes, options,
                                           EchelleObjets{doc.echelle.Facteur, unite}, doc.coucheProvisoire, tableau);
    for (const QString &message : r.messages)
        erreurs << QString(message).replace(QLatin1Char('\r'), QLatin1Char(' ')) << QLatin1Char('\n');
    const double facteur = doc.echelle.Facteur;
    sortie << QStringLiteral("resultat: ") << r.resultat << QLatin1Char('\n');
    sortie << QStringLiteral("objets: ") << r.objets.size() << QLatin1Char('\n');
    sortie << QStringLiteral("incomplets: ") << r.incomplets << QLatin1Char('\n');
    sortie << QStringLiteral("pixels: ") << r.pixelsTotal << QLatin1Char('\n');
    sortie << QStringLiteral("surface totale: ")
           << FormatGeneral(static_cast<double>(r.pixelsTotal) * facteur * facteur, 5) << QLatin1Char(' ') << unite
           << QChar(0x00B2) << QLatin1Char('\n');
    sortie << QLatin1Char('\n');
    if (a.tableau) {
        sortie << tableau.Texte(Tr("Délimitation d'objets")).replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    } else {
        QStringList entete{"objet", "germe_x", "germe_y", "x", "y", "l", "h", "pixels", "points"};
        if (a.details)
            entete << QStringList{"perimetre", "longueur", "largeur", "surface"};
        sortie << entete.join(QLatin1Char('\t')) << QLatin1Char('\n');
        for (std::size_t i = 0; i < r.objets.size(); ++i) {
            const ObjetMesure &o = r.objets[i];
            QString numero = QString::number(i + 1);
            if (o.contourCoupe)
                numero += Tr(" (contour coupé)");
            else if (o.contourPerdu)
                numero += Tr(" (contour perdu)");
            QStringList cellules{numero,
                                 QString::number(o.germe.x()),
                                 QString::number(o.germe.y()),
                                 QString::number(o.boite.x()),
                                 QString::number(o.boite.y()),
                                 QString::number(o.boite.width()),
                                 QString::number(o.boite.height()),
                                 QString::number(o.pixels),
                                 QString::number(o.pointsTraces)};
            if (a.details)
                for (const float v : {o.perimetre, o.longueur, o.largeur, o.surface})
                    cellules << FormatGeneral(v, 7);
            sortie << cellules.join(QLatin1Char('\t')) << QLatin1Char('\n');
        }
    }
    if (!a.sortie.isEmpty())
        EcrireSortie(doc, a.sortie);
    return 0;
}
