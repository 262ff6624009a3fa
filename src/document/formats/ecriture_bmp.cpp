#include "document/formats/ecriture_bmp.h"

#include "commun/erreur.h"
#include "commun/ecriture_sure.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QImage>
#include <QtEndian>

#include <cstdint>
#include <vector>

namespace {

constexpr std::uint32_t kTailleEnteteFichier = 14;
constexpr std::uint32_t kTailleInfo24 = 40;
constexpr std::uint32_t kTailleInfo32 = 124; // BITMAPV5HEADER
constexpr std::int32_t kPixelsParMetre = 2835; // 72 dpi

void Poser16(std::uint8_t *p, std::uint16_t v) { qToLittleEndian(v, p); }
void Poser32(std::uint8_t *p, std::uint32_t v) { qToLittleEndian(v, p); }

} // namespace

void EcrireBmp(const QImage &image, int bitsParPixel, QIODevice &sortie)
{
    if (image.isNull())
        throw ErreurDecodage(QCoreApplication::translate("Enregistrement", "Image vide : rien à enregistrer"));
    const bool alpha = bitsParPixel == 32;
    QImage source = image;
    if (source.format() != QImage::Format_ARGB32 && source.format() != QImage::Format_RGB32)
        source = image.convertToFormat(QImage::Format_ARGB32);
    const int largeur = source.width();
    const int hauteur = source.height();
    const std::uint64_t octetsLigne = alpha ? std::uint64_t(largeur) * 4 : (std::uint64_t(largeur) * 3 + 3) / 4 * 4;
    const std::uint64_t taillePixels = octetsLigne * std::uint64_t(hauteur);
    const std::uint32_t tailleInfo = alpha ? kTailleInfo32 : kTailleInfo24;
    const std::uint32_t tailleEntetes = kTailleEnteteFichier + tailleInfo;
    if (taillePixels + tailleEntetes > 0xFFFFFFFFull)
        throw ErreurDecodage(QCoreApplication::translate("Enregistrement",
                                                         "Image trop grande pour le format BMP (%1 × %2 pixels)")
                                 .arg(largeur)
                                 .arg(hauteur));

    std::uint8_t entetes[kTailleEnteteFichier + kTailleInfo32] = {};
    entetes[0] = 'B';
    entetes[1] = 'M';
    Poser32(entetes + 2, static_cast<std::uint32_t>(taillePixels + tailleEntetes));
    Poser32(entetes + 10, tailleEntetes);
    std::uint8_t *info = entetes + kTailleEnteteFichier;
    Poser32(info + 0, tailleInfo);
    Poser32(info + 4, static_cast<std::uint32_t>(largeur));
    Poser32(info + 8, static_cast<std::uint32_t>(hauteur));
    Poser16(info + 12, 1);
    Poser16(info + 14, static_cast<std::uint16_t>(alpha ? 32 : 24));
    Poser32(info + 16, alpha ? 3 : 0); // BI_BITFIELDS : BI_RGB
    Poser32(info + 20, static_cast<std::uint32_t>(taillePixels));
    Poser32(info + 24, static_cast<std::uint32_t>(kPixelsParMetre));
    Poser32(info + 28, static_cast<std::uint32_t>(kPixelsParMetre));
    if (alpha) {
        Poser32(info + 40, 0x00FF0000u);  // red mask
        Poser32(info + 44, 0x0000FF00u);  // green mask
        Poser32(info + 48, 0x000000FFu);  // blue mask
        Poser32(info + 52, 0xFF000000u);  // alpha mask
        Poser32(info + 56, 0x73524742u);  // LCS_sRGB
        Poser32(info + 108, 4);           // LCS_GM_IMAGES
    }
    EcrireOctets(sortie, reinterpret_cast<const char *>(entetes), tailleEntetes);

    // 0xAARRGGBB words are B, G, R, A bytes in memory: a 32-bit row is written
    // as it is; a 24-bit row drops every fourth byte.
    std::vector<std::uint8_t> ligne(static_cast<std::size_t>(octetsLigne), 0);
    for (int y = hauteur - 1; y >= 0; --y) {
        const std::uint8_t *pixels = source.constScanLine(y);
        if (alpha) {
            if (source.format() == QImage::Format_ARGB32) {
                EcrireOctets(sortie, reinterpret_cast<const char *>(pixels), static_cast<qint64>(octetsLigne));
                continue;
            }
            const auto *mots = reinterpret_cast<const QRgb *>(pixels);
            for (int x = 0; x < largeur; ++x)
                qToLittleEndian(mots[x] | 0xFF000000u, ligne.data() + 4 * x);
        } else {
            std::uint8_t *d = ligne.data();
            for (int x = 0; x < largeur; ++x, pixels += 4, d += 3) {
                d[0] = pixels[0];
                d[1] = pixels[1];
                d[2] = pixels[2];
            }
        }
        EcrireOctets(sortie, reinterpret_cast<const char *>(ligne.data()), static_cast<qint64>(octetsLigne));
    }
}
