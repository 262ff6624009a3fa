#include "document/ouverture_document.h"

#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "calibration/code_couleur.h"
#include "calibration/echelle_annexe.h"
#include "calibration/echelle_binaire.h"
#include "document/chargement_document.h"
#include "document/formats/lecteur_image.h"
#include "document/nom_fichier_annexe.h"
#include "document/raster/ouverture_raster.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>

#include <optional>

GenreFichier GenreDeFichier(const QString &chemin)
{
    const QString ext = QFileInfo(chemin).suffix().toUpper();
    if (ext == QLatin1String("ANM"))
        return GenreFichier::Animation;
    if (ext == QLatin1String("LAN") || ext == QLatin1String("IMG") || ext == QLatin1String("IMA")
        || ext == QLatin1String("PER") || ext == QLatin1String("INF"))
        return GenreFichier::Raster;
    if (ext == QLatin1String("KPT"))
        return GenreFichier::DocumentKaptori;
    return GenreFichier::Image;
}

QString NomLecteur(const QString &chemin)
{
    switch (GenreDeFichier(chemin)) {
    case GenreFichier::Animation:
        return QStringLiteral("animation");
    case GenreFichier::Raster:
        return QStringLiteral("raster ") + QFileInfo(chemin).suffix().toUpper();
    case GenreFichier::DocumentKaptori:
        return QStringLiteral("document Kaptori");
    case GenreFichier::Image:
        break;
    }
    // The content decides, as when the picture is read.
    QFile fichier(chemin);
    if (fichier.open(QIODevice::ReadOnly))
        if (const auto lecteur = LecteurSelonContenu(fichier.read(16)))
            return lecteur->nom;
    if (const auto lecteur = LecteurPourChemin(chemin))
        return lecteur->nom;
    throw ErreurDecodage(QCoreApplication::translate("LecteurImage", "Extension de fichier graphique inconnue (.%1)")
                             .arg(QFileInfo(chemin).suffix()));
}

namespace {

// The scale text held in a GIF file's comment, when it holds one.
std::optional<TEchelle> EchelleDuCommentaireGif(const QString &chemin)
{
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        return std::nullopt;
    const QByteArray commentaire = CommentaireGif(fichier.readAll());
    if (commentaire.isEmpty())
        return std::nullopt;
    const TEchelle echelle = TexteEnEchelle(DecoderTexte(commentaire).trimmed());
    if (echelle.Definie != 1)
        return std::nullopt;
    return echelle;
}

// An ordinary picture, then its calibration side-files.
void LireImageEtAnnexes(ImageDocument &document, const QString &chemin)
{
    document.image = LireImage(chemin);

    // Scale side-file: a missing, unreadable or unparsable file gives
    // EchelleParDefaut. A GIF picture without one may carry its scale in its
    // comment, as saved graphs do.
    document.echelle = LireEchelleAnnexe(chemin);
    if (!QFileInfo::exists(NomFichierEchelle(chemin)) && QFileInfo(chemin).suffix().toUpper() == QLatin1String("GIF"))
        document.echelle = EchelleDuCommentaireGif(chemin).value_or(document.echelle);
    // A BMP picture without one may have the binary image of its scale beside
    // it, as saved profile graphs do.
    if (!QFileInfo::exists(NomFichierEchelle(chemin)) && QFileInfo(chemin).suffix().toUpper() == QLatin1String("BMP"))
        document.echelle = LireEchelleBinaireAnnexe(chemin).value_or(document.echelle);

    // Colour-code side-file: a missing, unreadable or unparsable file gives
    // CodeParDefaut.
    document.codeCouleur = LireCodeAnnexe(chemin);
}

} // namespace

std::unique_ptr<ImageDocument> OuvrirDocument(const QString &chemin, int etirement)
{
    auto document = std::make_unique<ImageDocument>();
    document->etirement = etirement;
    switch (GenreDeFichier(chemin)) {
    case GenreFichier::Raster:
        // Multichannel raster files (.lan, .img, .ima, .per, .inf).
        document->avertissementsOuverture = ChargerRaster(*document, chemin, etirement);
        break;
    case GenreFichier::DocumentKaptori:
        // The program's document file (.kpt).
        ChargerFichierDocument(*document, chemin);
        break;
    case GenreFichier::Animation:
        throw ErreurDecodage(QCoreApplication::translate("LecteurImage",
                                                         "Un fichier d'animation (.anm) s'ouvre dans le lecteur "
                                                         "d'animations, pas comme une image."));
    case GenreFichier::Image:
        LireImageEtAnnexes(*document, chemin);
        break;
    }
    document->nomFichier = chemin;
    return document;
}
