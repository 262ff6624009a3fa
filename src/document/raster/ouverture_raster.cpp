#include "document/raster/ouverture_raster.h"

#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "calibration/code_couleur.h"
#include "calibration/echelle_annexe.h"
#include "document/image_document.h"
#include "document/raster/lecture_ima.h"
#include "document/raster/lecture_img.h"
#include "document/raster/lecture_inf.h"
#include "document/raster/lecture_lan.h"
#include "document/raster/lecture_per.h"

#include <QCoreApplication>
#include <QFileInfo>

namespace {

QString Extension(const QString &chemin)
{
    return QFileInfo(chemin).suffix().toUpper();
}

} // namespace

bool EstFichierRaster(const QString &chemin)
{
    static const QStringList extensions = {QStringLiteral("LAN"), QStringLiteral("IMG"), QStringLiteral("PER"),
                                           QStringLiteral("IMA"), QStringLiteral("INF")};
    return extensions.contains(Extension(chemin));
}

std::optional<TCodeCouleur> CodeAnnexeRaster(const QString &chemin)
{
    const std::optional<QStringList> lignes = LireFichierTexte(NomCodeAnnexe(chemin));
    if (!lignes || lignes->isEmpty())
        return std::nullopt;
    const TCodeCouleur code = TexteEnCode(lignes->first());
    if (!code.Definie)
        return std::nullopt;
    return code;
}

LectureRaster LireRaster(const QString &chemin)
{
    const QString ext = Extension(chemin);
    if (ext == QLatin1String("LAN"))
        return LireLan(chemin);
    if (ext == QLatin1String("IMG"))
        return LireImg(chemin);
    if (ext == QLatin1String("PER"))
        return LirePer(chemin);
    if (ext == QLatin1String("IMA"))
        return LireIma(chemin);
    if (ext == QLatin1String("INF"))
        return LireInf(chemin);
    throw ErreurDecodage(QCoreApplication::translate("LectureRaster", "« %1 » n'est pas un fichier de canaux "
                                                                      "(.lan, .img, .per, .ima ou .inf).")
                             .arg(NomAffiche(chemin)));
}

QStringList ChargerRaster(ImageDocument &document, const QString &chemin, int etirement)
{
    LectureRaster lecture = LireRaster(chemin);
    document.canaux = std::move(lecture.canaux);
    document.nomFichier = chemin;
    document.AfficherCanaux(lecture.affichage[0], lecture.affichage[1], lecture.affichage[2], etirement);
    // Without a side-file the scale is 1 "pixels" per pixel, Landsat scenes included.
    document.echelle = LireEchelleAnnexe(chemin);
    // The colour-code side-file is read after the channels are shown, like
    // the scale's: showing them rewrites the code, which would wipe a code
    // read before. A file that is missing or does not parse leaves the code
    // describing the shown channels (CodeParDefaut would name them "Bleu",
    // "Vert", "Rouge" whatever they are).
    if (std::optional<TCodeCouleur> code = CodeAnnexeRaster(chemin))
        document.codeCouleur = *code;
    return lecture.avertissements;
}
