// The animated GIF as a viewer reads it (giflib): the screen of the largest
// frame, each frame at the top left with its own palette and its pixels
// exact when it holds at most 256 colours, the delay of every frame, the
// loop extension only when asked; and the palette frames and the visible
// part the player paints.

#include "animation/partie_visible.h"
#include "commun/erreur.h"
#include "document/formats/ecriture_gif_anime.h"
#include "document/formats/reduction_palette.h"

#include <QBuffer>

#include <gtest/gtest.h>

#include <gif_lib.h>

#include <cstring>
#include <memory>

namespace {

// A picture of n colours in vertical bands.
QImage Bandes(int largeur, int hauteur, int n, int graine)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    for (int y = 0; y < hauteur; ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x) {
            const int k = (x + y * largeur) % n;
            ligne[x] = qRgb((k * 7 + graine) & 0xFF, (k * 13) & 0xFF, (k / 2 + graine) & 0xFF);
        }
    }
    return image;
}

struct LecteurMemoire {
    QByteArray octets;
    qsizetype position = 0;
};

int Lire(GifFileType *gif, GifByteType *cible, int n)
{
    auto *l = static_cast<LecteurMemoire *>(gif->UserData);
    const int k = static_cast<int>(std::min<qsizetype>(n, l->octets.size() - l->position));
    std::memcpy(cible, l->octets.constData() + l->position, static_cast<std::size_t>(k));
    l->position += k;
    return k;
}

struct FermerGif {
    void operator()(GifFileType *g) const
    {
        int e = 0;
        DGifCloseFile(g, &e);
    }
};

std::unique_ptr<GifFileType, FermerGif> Relire(LecteurMemoire &source)
{
    int erreur = 0;
    std::unique_ptr<GifFileType, FermerGif> gif(DGifOpen(&source, Lire, &erreur));
    if (!gif || DGifSlurp(gif.get()) != GIF_OK)
        return nullptr;
    return gif;
}

QByteArray Ecrire(const QList<QImage> &images, int delai, bool boucle)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    EcrireGifAnime(images, tampon, delai, boucle);
    return octets;
}

const ExtensionBlock *Extension(const SavedImage &image, int code)
{
    for (int i = 0; i < image.ExtensionBlockCount; ++i)
        if (image.ExtensionBlocks[i].Function == code)
            return &image.ExtensionBlocks[i];
    return nullptr;
}

TEST(GifAnime, FramesKeepTheirSizePaletteAndPixelsOnTheScreenOfTheLargest)
{
    const QList<QImage> images = {Bandes(30, 20, 5, 0), Bandes(12, 40, 200, 9), Bandes(7, 3, 2, 40)};
    LecteurMemoire source{Ecrire(images, 10, true)};
    ASSERT_EQ(source.octets.left(6), QByteArray("GIF89a"));
    // Logical screen: 30 x 40, little-endian.
    EXPECT_EQ(source.octets.mid(6, 4), QByteArray("\x1e\x00\x28\x00", 4));
    auto gif = Relire(source);
    ASSERT_TRUE(gif);
    ASSERT_EQ(gif->ImageCount, 3);
    for (int i = 0; i < 3; ++i) {
        const SavedImage &cadre = gif->SavedImages[i];
        const QImage &attendue = images[i];
        EXPECT_EQ(cadre.ImageDesc.Left, 0);
        EXPECT_EQ(cadre.ImageDesc.Top, 0);
        ASSERT_EQ(cadre.ImageDesc.Width, attendue.width());
        ASSERT_EQ(cadre.ImageDesc.Height, attendue.height());
        ASSERT_NE(cadre.ImageDesc.ColorMap, nullptr) << "frame " << i;
        for (int y = 0; y < attendue.height(); ++y)
            for (int x = 0; x < attendue.width(); ++x) {
                const GifColorType c =
                    cadre.ImageDesc.ColorMap->Colors[cadre.RasterBits[y * attendue.width() + x]];
                ASSERT_EQ(qRgb(c.Red, c.Green, c.Blue), attendue.pixel(x, y)) << i << " " << x << "," << y;
            }
        const ExtensionBlock *controle = Extension(cadre, GRAPHICS_EXT_FUNC_CODE);
        ASSERT_NE(controle, nullptr);
        GraphicsControlBlock gcb;
        DGifExtensionToGCB(controle->ByteCount, controle->Bytes, &gcb);
        EXPECT_EQ(gcb.DelayTime, 10);
        EXPECT_EQ(gcb.TransparentColor, NO_TRANSPARENT_COLOR);
    }
    const ExtensionBlock *application = Extension(gif->SavedImages[0], APPLICATION_EXT_FUNC_CODE);
    ASSERT_NE(application, nullptr);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(application->Bytes), application->ByteCount),
              QByteArray("NETSCAPE2.0"));
    // The next sub-block: 1, then the loop count 0 (for ever).
    const ExtensionBlock &compte = application[1];
    ASSERT_EQ(compte.ByteCount, 3);
    EXPECT_EQ(QByteArray(reinterpret_cast<const char *>(compte.Bytes), 3), QByteArray("\x01\x00\x00", 3));
}

TEST(GifAnime, WithoutLoopThereIsNoApplicationExtension)
{
    LecteurMemoire source{Ecrire({Bandes(4, 4, 3, 0), Bandes(4, 4, 3, 1)}, 500, false)};
    EXPECT_FALSE(source.octets.contains("NETSCAPE2.0"));
    auto gif = Relire(source);
    ASSERT_TRUE(gif);
    ASSERT_EQ(gif->ImageCount, 2);
    GraphicsControlBlock gcb;
    ASSERT_EQ(DGifSavedExtensionToGCB(gif.get(), 1, &gcb), GIF_OK);
    EXPECT_EQ(gcb.DelayTime, 500);
}

TEST(GifAnime, NoFrameOrAnEmptyFrameIsRefused)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    EXPECT_THROW(EcrireGifAnime({}, tampon, 10, true), ErreurDecodage);
    EXPECT_THROW(EcrireGifAnime({Bandes(2, 2, 2, 0), QImage()}, tampon, 10, true), ErreurDecodage);
}

TEST(ReductionPalette, AtMost256ColoursAreKeptExactlyAndAPhotoGets256AtMost)
{
    const QImage peu = Bandes(64, 64, 256, 3);
    const QImage reduite = ReduireEnPalette(peu);
    ASSERT_EQ(reduite.format(), QImage::Format_Indexed8);
    EXPECT_EQ(reduite.convertToFormat(QImage::Format_ARGB32), peu);

    QImage photo(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x)
            photo.setPixel(x, y, qRgb(x * 4, y * 4, (x * y) & 0xFF));
    const QImage quantifiee = ReduireEnPalette(photo);
    ASSERT_EQ(quantifiee.format(), QImage::Format_Indexed8);
    EXPECT_LE(quantifiee.colorCount(), 256);
    // Each pixel lies near its colour.
    for (int y = 0; y < 64; y += 7)
        for (int x = 0; x < 64; x += 5) {
            const QRgb a = photo.pixel(x, y);
            const QRgb b = quantifiee.pixel(x, y);
            EXPECT_LE(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) + std::abs(qBlue(a) - qBlue(b)), 64);
        }
}

TEST(PartieVisible, GivesThePixelsOfTheShownZoneOnly)
{
    const QImage palette = ReduireEnPalette(Bandes(50, 40, 17, 5));
    const QRect zone(10, 5, 100, 20); // runs past the right edge
    const QImage partie = PartieVisible(palette, zone);
    EXPECT_EQ(partie, palette.copy(QRect(10, 5, 40, 20)).convertToFormat(QImage::Format_RGB32));
    EXPECT_TRUE(PartieVisible(palette, QRect(60, 0, 5, 5)).isNull());
}

} // namespace
