// kaptori-cli combiner IMAGE1 IMAGE2 [IMAGE3] SORTIE [options]: the
// "Combinaison" document the algebraic or logical combination makes, saved
// to SORTIE with image 1's scale beside it. The algebraic dialog's
// defaults: coefficients 0,5, 0,5 and 1, image 2 and image 3 added, "etaler"
// on, image 3 taking part when given. --logique METHODE lays IMAGE2 over
// IMAGE1 with a logical method named by its item without "cm", lower case.
// Prints "taille: LxH", then "etalement: BAS HAUT" or "etalement: non".

#include "app/cli/commandes_cli.h"
#include "calibration/echelle.h"
#include "commun/nombres.h"
#include "document/enregistrer_document.h"
#include "document/ouverture_document.h"
#include "drawing/reglages_dessin.h"
#include "processing/combinaison_algebrique.h"
#include "processing/combinaison_logique.h"
#include "processing/documents_resultats.h"

#include <QCoreApplication>

#include <optional>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandesCli", texte);
}

// A coefficient of the dialog: 0 to 3, either decimal separator.
std::optional<double> Coefficient(const QString &texte)
{
    bool ok = false;
    const double v = TexteEnReel(RemplacerSepAutre(texte.trimmed()), &ok);
    if (!ok || !(v >= 0 && v <= 3))
        return std::nullopt;
    return v;
}

std::unique_ptr<ImageDocument> Ouvrir(const QString &chemin)
{
    auto doc = OuvrirDocument(chemin, 0);
    if (!doc->echelle.Definie)
        doc->echelle = EchelleParDefaut();
    return doc;
}

} // namespace

int CommandeCombiner(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    QStringList fichiers;
    ParametresCombinaison p;
    std::optional<MethodeLogique> logique;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--coef1") || a == QLatin1String("--coef2") || a == QLatin1String("--coef3")) {
            if (i + 1 >= arguments.size()) {
                erreurs << Tr("L'option %1 attend une valeur.").arg(a) << QLatin1Char('\n');
                return 1;
            }
            const QString valeur = arguments.at(++i);
            const std::optional<double> c = Coefficient(valeur);
            if (!c) {
                erreurs << Tr("Coefficient invalide pour %1 : %2 (un nombre de 0 à 3).").arg(a, valeur) << QLatin1Char('\n');
                return 1;
            }
            (a.endsWith(QLatin1Char('1')) ? p.coef1 : a.endsWith(QLatin1Char('2')) ? p.coef2 : p.coef3) = *c;
        } else if (a == QLatin1String("--soustraire")) {
            p.operation2 = OperationImage2::Soustraire;
        } else if (a == QLatin1String("--multiplier")) {
            p.operation2 = OperationImage2::Multiplier;
        } else if (a == QLatin1String("--soustraire3")) {
            p.soustraire3 = true;
        } else if (a == QLatin1String("--rvb")) {
            p.canauxRVB = true;
        } else if (a == QLatin1String("--sans-etaler")) {
            p.etaler = false;
        } else if (a == QLatin1String("--logique")) {
            if (i + 1 >= arguments.size()) {
                erreurs << Tr("L'option %1 attend une valeur.").arg(a) << QLatin1Char('\n');
                return 1;
            }
            const QString nom = arguments.at(++i);
            logique = MethodeDeNom(nom);
            if (!logique) {
                QStringList noms;
                for (const DescriptionMethode &m : MethodesLogiques())
                    noms << QLatin1String(m.nom);
                erreurs << Tr("Méthode logique inconnue : %1 (%2).").arg(nom, noms.join(QStringLiteral(", ")))
                        << QLatin1Char('\n');
                return 1;
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            erreurs << Tr("Option inconnue : %1").arg(a) << QLatin1Char('\n');
            return 1;
        } else {
            fichiers << a;
        }
    }
    if (fichiers.size() < 3 || fichiers.size() > 4 || (logique && fichiers.size() != 3)) {
        erreurs << Tr("Usage : kaptori-cli combiner IMAGE1 IMAGE2 [IMAGE3] SORTIE [--coef1 A] [--coef2 A] [--coef3 A] "
                      "[--soustraire] [--multiplier] [--soustraire3] [--rvb] [--sans-etaler] [--logique METHODE] "
                      "(deux images avec --logique)")
                << QLatin1Char('\n');
        return 1;
    }
    const QString destination = fichiers.takeLast();
    const auto doc1 = Ouvrir(fichiers.at(0));
    const auto doc2 = Ouvrir(fichiers.at(1));
    const auto doc3 = fichiers.size() == 3 ? Ouvrir(fichiers.at(2)) : nullptr;

    QImage image;
    std::optional<std::pair<int, int>> etalement;
    if (logique) {
        image = CombinerLogique(doc1->image, doc2->image, *logique);
    } else {
        ResultatCombinaison r = CombinerAlgebrique(doc1->image, doc2->image, doc3 ? &doc3->image : nullptr, p);
        image = std::move(r.image);
        if (r.etale)
            etalement = std::make_pair(r.bas, r.haut);
    }
    if (image.isNull()) {
        erreurs << Tr("Les images n'ont pas de partie commune à combiner.") << QLatin1Char('\n');
        return 1;
    }
    const auto resultat = DocumentCombinaison(std::move(image), *doc1);
    OptionsEnregistrement options;
    options.couleurFond = ReglagesDessinProgramme().CouleurFondDessin;
    (void)EnregistrerDocument(*resultat, destination, options);
    sortie << QStringLiteral("taille: %1x%2\n").arg(resultat->largeur()).arg(resultat->hauteur());
    if (etalement)
        sortie << QStringLiteral("etalement: %1 %2\n").arg(etalement->first).arg(etalement->second);
    else
        sortie << QStringLiteral("etalement: non\n");
    return 0;
}
