#include "processing/image_resultat.h"

#include "commun/erreur.h"
#include "commun/grandes_pages.h"

#include <QCoreApplication>

QImage ImageResultat(QSize taille)
{
    QImage image(taille, QImage::Format_ARGB32);
    if (image.isNull() && !taille.isEmpty())
        throw ErreurKaptori(QCoreApplication::translate("Traitements", "Mémoire insuffisante pour une image de %1 × %2 pixels.")
                                .arg(taille.width())
                                .arg(taille.height()));
    if (!image.isNull())
        PreparerGrandesPages(image.bits(), static_cast<std::size_t>(image.sizeInBytes()));
    return image;
}
