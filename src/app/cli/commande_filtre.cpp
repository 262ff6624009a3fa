// kaptori-cli filtre FICHIER SORTIE --operation OP [--limites R1-R2,V1-V2,B1-B2]
// [--couleur R,V,B] [--grises]: one operation of the histogram window, or a
// component of the decomposition, saved as convert saves a document, with
// the scale and colour code the new document gets. The window's question on
// a colour code that loses its meaning is told on the error stream and the
// code is dropped, as when the user answers No.

#include "app/cli/commandes_cli.h"
#include "calibration/echelle.h"
#include "commun/erreur.h"
#include "commun/ecriture_sortie.h"
#include "commun/nombres.h"
#include "document/enregistrer_document.h"
#include "document/ouverture_document.h"
#include "drawing/reglages_dessin.h"
#include "processing/code_conservable.h"
#include "processing/decomposition.h"
#include "processing/travail_histo.h"

#include <QCoreApplication>

#include <optional>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandesCli", texte);
}

std::optional<int> Entier(const QString &texte)
{
    bool ok = false;
    const auto v = TexteEnEntier(texte.trimmed(), &ok);
    if (!ok || v < -100000 || v > 100000)
        return std::nullopt;
    return static_cast<int>(v);
}

// "R1-R2,V1-V2,B1-B2" (each 0..255, low ≤ high).
std::optional<LimitesComposantes> Limites(const QString &texte)
{
    const QStringList parties = texte.split(QLatin1Char(','));
    if (parties.size() != 3)
        return std::nullopt;
    LimitesComposantes l;
    const int composantes[3] = {ComposanteRouge, ComposanteVerte, ComposanteBleue};
    for (int i = 0; i < 3; ++i) {
        const QStringList bornes = parties.at(i).split(QLatin1Char('-'));
        if (bornes.size() != 2)
            return std::nullopt;
        const auto lo = Entier(bornes.at(0));
        const auto hi = Entier(bornes.at(1));
        if (!lo || !hi || *lo < 0 || *hi > 255 || *lo > *hi)
            return std::nullopt;
        l.basse[static_cast<std::size_t>(composantes[i])] = *lo;
        l.haute[static_cast<std::size_t>(composantes[i])] = *hi;
    }
    return l;
}

std::optional<QRgb> Couleur(const QString &texte)
{
    const QStringList parties = texte.split(QLatin1Char(','));
    if (parties.size() != 3)
        return std::nullopt;
    int c[3];
    for (int i = 0; i < 3; ++i) {
        const auto v = Entier(parties.at(i));
        if (!v || *v < 0 || *v > 255)
            return std::nullopt;
        c[i] = *v;
    }
    return qRgb(c[0], c[1], c[2]);
}

const char *const NomsComposantes[3] = {QT_TRANSLATE_NOOP("CommandesCli", "bleue"),
                                        QT_TRANSLATE_NOOP("CommandesCli", "verte"),
                                        QT_TRANSLATE_NOOP("CommandesCli", "rouge")};

} // namespace

int CommandeFiltre(const QStringList &arguments, QTextStream &, QTextStream &erreurs)
{
    QStringList fichiers;
    QString operation;
    std::optional<LimitesComposantes> limites;
    std::optional<QRgb> couleur;
    bool grises = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--operation") || a == QLatin1String("--limites") || a == QLatin1String("--couleur")) {
            if (i + 1 >= arguments.size()) {
                erreurs << Tr("L'option %1 attend une valeur.").arg(a) << '\n';
                return 1;
            }
            const QString valeur = arguments.at(++i);
            if (a == QLatin1String("--operation")) {
                operation = valeur;
            } else if (a == QLatin1String("--limites")) {
                limites = Limites(valeur);
                if (!limites) {
                    erreurs << Tr("Limites invalides : %1 (R1-R2,V1-V2,B1-B2, niveaux de 0 à 255, le premier au plus "
                                  "égal au second).")
                                   .arg(valeur)
                            << '\n';
                    return 1;
                }
            } else {
                couleur = Couleur(valeur);
                if (!couleur) {
                    erreurs << Tr("Couleur invalide : %1 (R,V,B, trois entiers de 0 à 255).").arg(valeur) << '\n';
                    return 1;
                }
            }
        } else if (a == QLatin1String("--grises")) {
            grises = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            erreurs << Tr("Option inconnue : %1").arg(a) << '\n';
            return 1;
        } else {
            fichiers << a;
        }
    }
    if (fichiers.size() != 2 || operation.isEmpty()) {
        erreurs << Tr("Usage : kaptori-cli filtre FICHIER SORTIE --operation OP [--limites R1-R2,V1-V2,B1-B2] "
                      "[--couleur R,V,B] [--grises]")
                << '\n';
        return 1;
    }

    // The operation is checked before the file is read.
    const QString nom = operation.section(QLatin1Char('='), 0, 0);
    const QString parametre = operation.section(QLatin1Char('='), 1);
    static const QStringList simples = {
        QStringLiteral("flou"),   QStringLiteral("flou-gaussien"), QStringLiteral("accentuer"), QStringLiteral("contour"),
        QStringLiteral("lithographie"), QStringLiteral("sobel"),    QStringLiteral("evide"),     QStringLiteral("etirer"),
        QStringLiteral("colorer"), QStringLiteral("bleu"),         QStringLiteral("vert"),      QStringLiteral("rouge")};
    double gamma = 1;
    int saturation = 0;
    int lumiere = 0;
    if (nom == QLatin1String("gamma")) {
        bool ok = false;
        gamma = TexteEnReel(RemplacerSepAutre(parametre.trimmed()), &ok);
        if (!ok || !(gamma >= 0.1 - 1e-9 && gamma <= 4 + 1e-9)) {
            erreurs << Tr("Correction gamma invalide : %1 (de 0,1 à 4).").arg(parametre) << '\n';
            return 1;
        }
    } else if (nom == QLatin1String("tsl")) {
        const QStringList v = parametre.split(QLatin1Char(','));
        const auto s = v.size() == 2 ? Entier(v.at(0)) : std::nullopt;
        const auto l = v.size() == 2 ? Entier(v.at(1)) : std::nullopt;
        if (!s || !l || *s < -100 || *s > 100 || *l < -100 || *l > 100) {
            erreurs << Tr("Saturation et lumière invalides : %1 (S,L, deux entiers de -100 à 100).").arg(parametre)
                    << '\n';
            return 1;
        }
        saturation = *s;
        lumiere = *l;
    } else if (!simples.contains(operation)) {
        erreurs << Tr("Opération inconnue : %1 (flou, flou-gaussien, accentuer, contour, lithographie, sobel, evide, "
                      "gamma=G, tsl=S,L, etirer, colorer, bleu, vert, rouge).")
                       .arg(operation)
                << '\n';
        return 1;
    }

    const auto source = OuvrirDocument(fichiers.at(0), 0);
    if (!source->echelle.Definie)
        source->echelle = EchelleParDefaut();

    std::unique_ptr<ImageDocument> resultat;
    const int composante = operation == QLatin1String("bleu")   ? ComposanteBleue
                           : operation == QLatin1String("vert") ? ComposanteVerte
                           : operation == QLatin1String("rouge") ? ComposanteRouge
                                                                 : -1;
    if (composante >= 0) {
        auto documents = DocumentsDecomposition(*source, grises);
        resultat = std::move(documents[static_cast<std::size_t>(composante)]);
    } else {
        const bool abandon = CodeSansSignificationApresModification(source->codeCouleur);
        if (abandon)
            erreurs << Tr("L'échelle de couleur de l'image modifiée n'aura pas de signification : le code couleur "
                          "n'est pas conservé.")
                    << '\n';
        TravailHisto travail(source->image, !abandon);
        if (limites)
            travail.limites = *limites;
        if (couleur)
            travail.Couleur = *couleur;
        std::array<bool, 3> inchangees{};
        if (nom == QLatin1String("gamma"))
            travail.Gamma(gamma);
        else if (nom == QLatin1String("tsl"))
            travail.SaturationLumiere(saturation, lumiere);
        else if (operation == QLatin1String("etirer"))
            inchangees = limites ? travail.EtirerPortions() : travail.EtirerEnsemble();
        else if (operation == QLatin1String("colorer"))
            travail.Colorer();
        else if (operation == QLatin1String("sobel"))
            travail.Operer(OperationHisto::Sobel);
        else if (operation == QLatin1String("evide"))
            travail.Operer(OperationHisto::Evide);
        else
            travail.Filtrer(operation == QLatin1String("flou")            ? FiltreConvolution::Flou
                            : operation == QLatin1String("flou-gaussien") ? FiltreConvolution::FlouGaussien
                            : operation == QLatin1String("accentuer")     ? FiltreConvolution::Accentuer
                            : operation == QLatin1String("contour")       ? FiltreConvolution::Contour
                                                                          : FiltreConvolution::Lithographie);
        for (std::size_t k = 0; k < 3; ++k)
            if (inchangees[k])
                erreurs << Tr("La composante %1 est constante : elle n'est pas étirée.").arg(Tr(NomsComposantes[k]))
                        << '\n';
        resultat = travail.DocumentModifie(*source);
    }
    OptionsEnregistrement options;
    options.codage = CodageImage::Png;
    options.qualite = 90; // convert's default JPEG quality
    options.couleurFond = ReglagesDessinProgramme().CouleurFondDessin;
    options.annexes = GenreDeSortie(fichiers.at(1)) == GenreSortie::FichierOrdinaire;
    (void)EnregistrerDocument(*resultat, fichiers.at(1), options, EcrireSortie);
    return 0;
}
