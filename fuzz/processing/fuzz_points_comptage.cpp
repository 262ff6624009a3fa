// Points files of the counting command on arbitrary bytes: no crash, no
// hang; every point accepted lies in the image and names a category 1..10,
// and a mark put on it stays inside the copy's bounds.

#include "commun/erreur.h"
#include "processing/comptage_document.h"
#include "processing/points_comptage.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArray octets(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    const QSize taille(40, 30);
    std::vector<PointComptage> points;
    try {
        points = LirePointsComptage(octets, taille);
    } catch (const ErreurKaptori &) {
        return 0;
    }
    if (points.size() > static_cast<std::size_t>(NbMaxiPointsComptage))
        std::abort();
    ImageDocument doc;
    doc.image = QImage(taille, QImage::Format_ARGB32);
    doc.image.fill(0xFFFFFFFFu);
    TCompteurs compteurs;
    for (std::size_t i = 0; i < points.size() && i < 64; ++i) {
        const PointComptage &p = points[i];
        if (p.categorie < 1 || p.categorie > 10 || !QRect(QPoint(0, 0), taille).contains(p.pixel))
            std::abort();
        compteurs.CompteurCourant = p.categorie;
        compteurs.FormesMarque[static_cast<std::size_t>(p.categorie - 1)] = static_cast<int>(i % 10);
        (void)AjouterMarque(doc, compteurs, static_cast<int>(i % 12), p.pixel);
    }
    if (CopierAvecLesPoints(doc).size() != taille)
        std::abort();
    return 0;
}
