#include "document/ouverture_raster.h"

#include "app/erreur.h"
#include "calibration/echelle_annexe.h"
#include "document/image_document.h"
#include "document/lecture_ima.h"
#include "document/lecture_img.h"
#include "document/lecture_inf.h"
#include "document/lecture_lan.h"
#include "document/lecture_per.h"

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
    return lecture.avertissements;
}
