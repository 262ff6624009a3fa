// What the document window shows: the view pixels composed from the image
// and its layers at the zoom, pixel for pixel at zoom 1, smoothed otherwise,
// compared with values worked out by hand and with the painter's own smooth
// scaling of the whole composed picture.

#include "document/composition_vue.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <ostream>

namespace {

QImage Remplie(int w, int h, QRgb couleur)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(couleur);
    return image;
}

void Poser(QImage &image, int x, int y, QRgb valeur)
{
    reinterpret_cast<QRgb *>(image.scanLine(y))[x] = valeur;
}

QRgb Lire(const QImage &image, int x, int y)
{
    return reinterpret_cast<const QRgb *>(image.constScanLine(y))[x];
}

QRgb Gris(int v)
{
    return qRgb(v, v, v);
}

// The largest difference between two colours over R, G and B.
int Ecart(QRgb a, QRgb b)
{
    return std::max({std::abs(qRed(a) - qRed(b)), std::abs(qGreen(a) - qGreen(b)), std::abs(qBlue(a) - qBlue(b))});
}

TEST(ComposerVue, AtZoomOneAChannelPictureWithAlphaZeroIsShownOpaque)
{
    ImageDocument doc;
    doc.image = Remplie(3, 2, 0x00123456);
    const QImage vue = ComposerVue(doc, QRect(0, 0, 3, 2), 1.0);
    ASSERT_EQ(vue.size(), QSize(3, 2));
    EXPECT_EQ(Lire(vue, 2, 1), 0xFF123456u);
}

TEST(ComposerVue, AtZoomOneTheLayersAreBlendedInTheirStackingOrder)
{
    ImageDocument doc;
    doc.image = Remplie(4, 1, 0xFF000000);
    doc.CreerCoucheDessin();
    doc.CreerCoucheProvisoire(255);
    Poser(doc.coucheDessin, 0, 0, 0xFFFF0000);      // opaque red
    Poser(doc.coucheDessin, 1, 0, 0x80FFFFFF);      // white at 128/255 over black
    Poser(doc.coucheProvisoire, 2, 0, 0xFF0000FF);  // blue at the master alpha 51: 51/255 of 255
    Poser(doc.coucheDessin, 3, 0, 0xFF00FF00);
    Poser(doc.coucheProvisoire, 3, 0, 0xFFFF0000);  // red over green at 51/255
    doc.alphaProvisoire = 51;
    // The painter's blends may round one level away from the exact values.
    const QImage vue = ComposerVue(doc, QRect(0, 0, 4, 1), 1.0);
    EXPECT_EQ(Lire(vue, 0, 0), 0xFFFF0000u);
    EXPECT_LE(Ecart(Lire(vue, 1, 0), 0xFF808080u), 1);
    EXPECT_LE(Ecart(Lire(vue, 2, 0), 0xFF000033u), 1);
    EXPECT_LE(Ecart(Lire(vue, 3, 0), 0xFF33CC00u), 1);
}

TEST(ComposerVue, AtZoomOneHalfEachViewPixelIsTheMeanOfTwoByTwoImagePixels)
{
    ImageDocument doc;
    doc.image = Remplie(4, 2, 0);
    const int valeurs[2][4] = {{10, 30, 100, 200}, {50, 70, 0, 100}};
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            Poser(doc.image, x, y, Gris(valeurs[y][x]));
    const QImage vue = ComposerVue(doc, QRect(0, 0, 2, 1), 0.5);
    EXPECT_EQ(Lire(vue, 0, 0), Gris(40));
    EXPECT_EQ(Lire(vue, 1, 0), Gris(100));
}

TEST(ComposerVue, AtZoomFourViewPixelsRiseLinearlyBetweenPixelCentres)
{
    ImageDocument doc;
    doc.image = Remplie(2, 1, Gris(0));
    Poser(doc.image, 1, 0, Gris(255));
    const QImage vue = ComposerVue(doc, QRect(0, 0, 8, 4), 4.0);
    for (int u = 0; u < 8; ++u) {
        // View pixel u shows image point (u + 0.5) / 4; pixel centres sit at 0.5 and 1.5.
        const double t = std::clamp((u + 0.5) / 4.0 - 0.5, 0.0, 1.0);
        EXPECT_NEAR(qRed(Lire(vue, u, 2)), 255.0 * t, 2.0) << "view pixel " << u;
    }
}

TEST(ComposerVue, ViewPixelsBeyondTheDisplayedImageAreBlack)
{
    ImageDocument doc;
    doc.image = Remplie(10, 10, 0xFFFFFFFF);
    const QImage vue = ComposerVue(doc, QRect(20, 0, 10, 5), 2.5);  // displayed 25 × 25
    ASSERT_EQ(vue.size(), QSize(10, 5));
    EXPECT_EQ(Lire(vue, 4, 0), 0xFFFFFFFFu);
    EXPECT_EQ(Lire(vue, 5, 0), 0xFF000000u);
}

TEST(ComposerVue, NothingToShowGivesANullPicture)
{
    ImageDocument doc;
    EXPECT_TRUE(ComposerVue(doc, QRect(0, 0, 5, 5), 1.0).isNull());
    doc.image = Remplie(4, 4, 0xFF000000);
    EXPECT_TRUE(ComposerVue(doc, QRect(), 1.0).isNull());
    EXPECT_TRUE(ComposerVue(doc, QRect(0, 0, 5, 5), 0.0).isNull());
}

TEST(ComposerVue, TheFloatingLayerIsBlendedAtItsPositionWithItsMasterAlpha)
{
    ImageDocument doc;
    doc.image = Remplie(6, 6, 0xFF000000);
    doc.coucheFlottante.image = Remplie(2, 2, 0xFFFFFFFF);
    doc.coucheFlottante.position = QPointF(3, 1);
    doc.coucheFlottante.alphaMaitre = 255;
    const QImage vue = ComposerVue(doc, QRect(2, 0, 4, 4), 1.0);  // image columns 2..5
    EXPECT_EQ(Lire(vue, 0, 1), 0xFF000000u);
    EXPECT_EQ(Lire(vue, 1, 1), 0xFFFFFFFFu);
    EXPECT_EQ(Lire(vue, 2, 2), 0xFFFFFFFFu);
    EXPECT_EQ(Lire(vue, 3, 2), 0xFF000000u);
}

// A zoom and the part of the view composed, against the painter drawing the
// whole composed picture scaled with smoothing.
struct CasZoom {
    const char *nom;
    double zoom;
    QRect zone;
};

void PrintTo(const CasZoom &c, std::ostream *os) { *os << c.nom; }

class ZoomLisse : public ::testing::TestWithParam<CasZoom> {};

const CasZoom casZoom[] = {
    {"a quarter, whole view", 0.25, QRect(0, 0, 50, 40)},
    {"a third, part of the view", 1.0 / 3.0, QRect(10, 7, 30, 20)},
    {"three, part of the view", 3.0, QRect(100, 90, 150, 120)},
    {"four, whole view", 4.0, QRect(0, 0, 800, 640)},
};

TEST_P(ZoomLisse, MatchesThePaintersSmoothScalingOfTheComposedPicture)
{
    const CasZoom &c = GetParam();
    ImageDocument doc;
    doc.image = Remplie(200, 160, 0);
    doc.CreerCoucheDessin();
    for (int y = 0; y < 160; ++y)
        for (int x = 0; x < 200; ++x) {
            Poser(doc.image, x, y, qRgba(x, y, (x + y) / 2, 0));
            if ((x / 10 + y / 10) % 4 == 0)
                Poser(doc.coucheDessin, x, y, qRgba(255, 255 - y, 0, 160));
        }
    const QImage compose = ComposerVue(doc, doc.image.rect(), 1.0);
    QImage attendu(c.zone.size(), QImage::Format_RGB32);
    attendu.fill(Qt::black);
    {
        QPainter p(&attendu);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        p.translate(-c.zone.left(), -c.zone.top());
        p.scale(c.zoom, c.zoom);
        p.drawImage(QPointF(0, 0), compose);
    }
    const QImage vue = ComposerVue(doc, c.zone, c.zoom);
    ASSERT_EQ(vue.size(), c.zone.size());
    int ecartMax = 0;
    for (int y = 0; y < vue.height(); ++y)
        for (int x = 0; x < vue.width(); ++x)
            ecartMax = std::max(ecartMax, Ecart(Lire(vue, x, y), Lire(attendu, x, y)));
    EXPECT_LE(ecartMax, 2);
}

INSTANTIATE_TEST_SUITE_P(Document, ZoomLisse, ::testing::ValuesIn(casZoom),
                         [](const auto &info) { return std::to_string(info.index); });

} // namespace
