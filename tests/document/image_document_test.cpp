// The document model: merging the provisional layer, flattening, extracting
// what is painted, preparing a paste, pointer positions and window fitting.

#include "document/image_document.h"

#include <QPainter>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>

#include <ostream>

namespace {

QImage Remplie(int w, int h, QRgb couleur)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(couleur);
    return image;
}

ImageDocument DocumentDe(int w, int h, QRgb couleur = 0xFF808080)
{
    ImageDocument doc;
    doc.image = Remplie(w, h, couleur);
    doc.CreerCoucheDessin();
    doc.CreerCoucheProvisoire();
    return doc;
}

void Poser(QImage &image, int x, int y, QRgb valeur)
{
    reinterpret_cast<QRgb *>(image.scanLine(y))[x] = valeur;
}

QRgb Lire(const QImage &image, int x, int y)
{
    return reinterpret_cast<const QRgb *>(image.constScanLine(y))[x];
}

// One provisional pixel merged into one drawing pixel under a master alpha.
struct CasFusion {
    const char *nom;
    QRgb provisoire;
    QRgb dessin;
    int alphaMaitre;
    QRgb attendu;
};

void PrintTo(const CasFusion &c, std::ostream *os) { *os << c.nom; }

class FusionPixel : public ::testing::TestWithParam<CasFusion> {};

// Expected values worked by hand from the merge rule: f = round(aF·M/255);
// colours blended by M/255 when they differ; alpha max(f, aB).
const CasFusion casFusion[] = {
    {"transparent provisional pixel leaves the drawing", 0x00FF0000, 0x80123456, 200, 0x80123456},
    {"opaque pixel at master alpha 128 on an empty pixel gets alpha 128", 0xFFFF0000, 0x00000000, 128, 0x80FF0000},
    {"pixel equal to the drawing once given the master alpha is left", 0x10ABCDEF, 0x80ABCDEF, 128, 0x80ABCDEF},
    {"same colour keeps the colour and takes the larger alpha", 0xFF00FF00, 0x4000FF00, 200, 0xC800FF00},
    {"different colour is blended by the master alpha", 0xFFFF0000, 0xFF0000FF, 51, 0xFF3300CC},
    {"half alpha provisional over opaque drawing keeps alpha 255", 0x80FFFFFF, 0xFF000000, 255, 0xFFFFFFFF},
    {"low alpha rounds to nearest", 0x01FF0000, 0x00000000, 128, 0x01FF0000},
};

TEST_P(FusionPixel, FollowsTheMergeRule)
{
    const CasFusion &c = GetParam();
    ImageDocument doc = DocumentDe(3, 2);
    Poser(doc.coucheProvisoire, 1, 1, c.provisoire);
    Poser(doc.coucheDessin, 1, 1, c.dessin);
    doc.alphaProvisoire = c.alphaMaitre;
    doc.FusionnerProvisoire();
    EXPECT_EQ(Lire(doc.coucheDessin, 1, 1), c.attendu) << std::hex << Lire(doc.coucheDessin, 1, 1);
    EXPECT_EQ(Lire(doc.coucheProvisoire, 1, 1), 0u) << "the provisional layer is cleared after merging";
}

INSTANTIATE_TEST_SUITE_P(Document, FusionPixel, ::testing::ValuesIn(casFusion),
                         [](const auto &info) { return std::to_string(info.index); });

TEST(Fusion, DuringZonationEveryDrawnPixelTakesTheZonationColour)
{
    ImageDocument doc = DocumentDe(2, 1);
    Poser(doc.coucheProvisoire, 0, 0, 0x05112233);
    doc.zonationEnCours = true;
    doc.couleurZonation = 0xFF00AA00;
    doc.FusionnerProvisoire();
    EXPECT_EQ(Lire(doc.coucheDessin, 0, 0), 0xFF00AA00u);
    EXPECT_EQ(Lire(doc.coucheDessin, 1, 0), 0u);
}

TEST(Fusion, CreatesTheDrawingLayerWhenAbsent)
{
    ImageDocument doc;
    doc.image = Remplie(4, 4, 0xFF000000);
    doc.CreerCoucheProvisoire();
    Poser(doc.coucheProvisoire, 2, 3, 0xFF0000FF);
    doc.FusionnerProvisoire();
    ASSERT_EQ(doc.coucheDessin.size(), QSize(4, 4));
    EXPECT_EQ(Lire(doc.coucheDessin, 2, 3), 0xFF0000FFu);
}

TEST(Aplatir, WithoutLayersGivesTheImage)
{
    ImageDocument doc;
    doc.image = Remplie(5, 3, 0xFF102030);
    EXPECT_EQ(doc.Aplatir(), doc.image);
}

TEST(Aplatir, LayersAreCombinedOverTheImageInStackingOrder)
{
    ImageDocument doc = DocumentDe(4, 4, 0xFF000000);
    Poser(doc.coucheDessin, 0, 0, 0xFFFF0000);      // red drawing
    Poser(doc.coucheProvisoire, 0, 0, 0xFF0000FF);  // blue provisional at M = 255 replaces it
    Poser(doc.coucheDessin, 1, 0, 0x80FFFFFF);      // half white over black
    doc.coucheFlottante.image = Remplie(1, 1, 0xFF00FF00);
    doc.coucheFlottante.position = QPointF(2.4, 2.6);  // rounds to (2, 3)
    const QImage plat = doc.Aplatir();
    EXPECT_EQ(Lire(plat, 0, 0), 0xFF0000FFu);
    EXPECT_EQ(Lire(plat, 1, 0), 0xFF808080u);
    EXPECT_EQ(Lire(plat, 2, 3), 0xFF00FF00u);
    EXPECT_EQ(Lire(plat, 3, 3), 0xFF000000u);
    EXPECT_EQ(Lire(doc.coucheProvisoire, 0, 0), 0xFF0000FFu) << "flattening changes no layer";
}

// Flattening as a whole-bitmap sequence, one step after the other: the
// provisional layer merged into a copy of the drawing layer, the positioned
// layers drawn on that working bitmap, which is then blended pixel by pixel
// over a copy of the image (colour by the working pixel's alpha, the larger
// alpha kept).
QImage AplatirPasAPas(const ImageDocument &doc)
{
    ImageDocument copie;
    copie.image = doc.image;
    copie.coucheDessin = doc.coucheDessin.copy();
    copie.coucheProvisoire = doc.coucheProvisoire.copy();
    copie.alphaProvisoire = doc.alphaProvisoire;
    if (copie.coucheDessin.isNull())
        copie.coucheDessin = Remplie(doc.image.width(), doc.image.height(), 0x00FFFFFF);
    copie.FusionnerProvisoire();
    QImage travail = copie.coucheDessin;
    {
        QPainter p(&travail);
        auto dessiner = [&](const CouchePositionnee &c) {
            if (!c.presente())
                return;
            p.setOpacity(c.alphaMaitre / 255.0);
            const QPoint pos(static_cast<int>(std::nearbyint(c.position.x())),
                             static_cast<int>(std::nearbyint(c.position.y())));
            p.drawImage(pos, c.opaque ? c.image.convertToFormat(QImage::Format_RGB32) : c.image);
        };
        dessiner(doc.coucheFlottante);
        for (const auto &categorie : doc.marquesComptage)
            for (const auto &marque : categorie)
                dessiner(marque);
    }
    QImage dest = doc.image.copy();
    for (int y = 0; y < dest.height(); ++y)
        for (int x = 0; x < dest.width(); ++x) {
            const QRgb c = Lire(travail, x, y);
            const QRgb d = Lire(dest, x, y);
            const int a = qAlpha(c);
            if (a == 0)
                continue;
            auto melange = [a](int cc, int dd) { return (cc * a + dd * (255 - a) + 127) / 255; };
            Poser(dest, x, y,
                  qRgba(melange(qRed(c), qRed(d)), melange(qGreen(c), qGreen(d)), melange(qBlue(c), qBlue(d)),
                        std::max(a, qAlpha(d))));
        }
    return dest;
}

QImage Hasard(int w, int h, unsigned graine, int surCombien)
{
    std::mt19937 alea(graine);
    QImage image = Remplie(w, h, 0);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            if (alea() % surCombien == 0)
                Poser(image, x, y, alea());
    return image;
}

// Which layers a document has when it is flattened.
struct CasAplatir {
    const char *nom;
    bool dessin;
    bool provisoire;
    bool flottante;
    bool flottanteOpaque;
    int marques;  // counting marks, one of them partly outside the image
    bool chevauchement = false;  // one more mark over the floating layer and the first mark
};

void PrintTo(const CasAplatir &c, std::ostream *os) { *os << c.nom; }

class AplatirCouches : public ::testing::TestWithParam<CasAplatir> {};

const CasAplatir casAplatir[] = {
    {"drawing layer alone", true, false, false, false, 0},
    {"provisional layer alone", false, true, false, false, 0},
    {"drawing and provisional layers", true, true, false, false, 0},
    {"floating layer without drawing", false, false, true, false, 0},
    {"all layers with a transparent floating layer", true, true, true, false, 2},
    {"all layers with an opaque floating layer", true, true, true, true, 1},
    {"counting marks over the drawing only", true, false, false, false, 3},
    {"marks overlapping the floating layer and each other", true, true, true, false, 2, true},
};

TEST_P(AplatirCouches, GivesTheWholeBitmapSequencePixelForPixel)
{
    const CasAplatir &c = GetParam();
    ImageDocument doc;
    doc.image = Hasard(37, 23, 1, 1);
    if (c.dessin)
        doc.coucheDessin = Hasard(37, 23, 2, 3);
    if (c.provisoire)
        doc.coucheProvisoire = Hasard(37, 23, 3, 4);
    doc.alphaProvisoire = 170;
    if (c.flottante) {
        doc.coucheFlottante.image = Hasard(9, 6, 4, 1);
        doc.coucheFlottante.position = QPointF(20.5, 3.4);  // rounds to (20, 3)
        doc.coucheFlottante.opaque = c.flottanteOpaque;
        doc.coucheFlottante.alphaMaitre = 200;
    }
    for (int i = 0; i < c.marques; ++i) {
        CouchePositionnee marque;
        marque.image = Hasard(5, 5, 10 + i, 2);
        marque.position = QPointF(-2 + 15 * i, 19 - 4 * i);
        doc.marquesComptage[i % 10].push_back(marque);
    }
    if (c.chevauchement) {
        CouchePositionnee pont;
        pont.image = Hasard(12, 9, 20, 1);
        pont.position = QPointF(16, 7);  // across the floating layer and the second mark
        pont.alphaMaitre = 128;
        doc.marquesComptage[9].push_back(pont);
    }
    const QImage provisoireAvant = doc.coucheProvisoire.copy();

    const QImage attendu = AplatirPasAPas(doc);
    EXPECT_EQ(doc.Aplatir(), attendu);
    EXPECT_EQ(doc.coucheProvisoire, provisoireAvant) << "flattening changes no layer";
}

INSTANTIATE_TEST_SUITE_P(Document, AplatirCouches, ::testing::ValuesIn(casAplatir),
                         [](const auto &info) { return std::to_string(info.index); });

// Marks whose pixels are all transparent or opaque, as the counting marks
// are, over every layer and overlapping the floating layer, one another and
// the picture's edges.
TEST(Aplatir, MarksOfOpaqueAndTransparentPixelsGiveTheBitmapSequence)
{
    ImageDocument doc;
    doc.image = Hasard(37, 23, 1, 1);
    doc.coucheDessin = Hasard(37, 23, 2, 3);
    doc.coucheProvisoire = Hasard(37, 23, 3, 4);
    doc.alphaProvisoire = 170;
    doc.coucheFlottante.image = Hasard(9, 6, 4, 1);
    doc.coucheFlottante.position = QPointF(20, 3);
    doc.coucheFlottante.alphaMaitre = 200;
    for (int i = 0; i < 12; ++i) {
        CouchePositionnee marque;
        marque.image = Hasard(7, 6, 30 + i, 1);
        for (int y = 0; y < marque.image.height(); ++y)
            for (int x = 0; x < marque.image.width(); ++x) {
                const QRgb p = marque.image.pixel(x, y);
                marque.image.setPixel(x, y, qAlpha(p) < 128 ? (p & 0x00FFFFFFu) : (p | 0xFF000000u));
            }
        marque.position = QPointF(-3 + 3 * i, 20 - 2 * i);
        doc.marquesComptage[i % 3].push_back(marque);
    }
    EXPECT_EQ(doc.Aplatir(), AplatirPasAPas(doc));
}

TEST(Aplatir, ReusesADestinationOfTheRightSizeThatNothingElseShares)
{
    ImageDocument doc = DocumentDe(6, 4, 0xFF000000);
    Poser(doc.coucheDessin, 2, 1, 0xFFFF0000);
    QImage dest = Remplie(6, 4, 0xFF123456);
    const uchar *pixels = dest.constBits();
    doc.Aplatir(dest);
    EXPECT_EQ(dest.constBits(), pixels);
    EXPECT_EQ(dest, doc.Aplatir());

    QImage partage = doc.image;
    doc.Aplatir(partage);
    EXPECT_EQ(Lire(doc.image, 2, 1), 0xFF000000u) << "a destination sharing the image's pixels is not written into";
    EXPECT_EQ(Lire(partage, 2, 1), 0xFFFF0000u);
}

TEST(Fusion, ClearsEveryPixelOfTheProvisionalLayerAndLeavesUndrawnRowsOfTheDrawingAlone)
{
    ImageDocument doc = DocumentDe(70, 5);
    Poser(doc.coucheProvisoire, 69, 1, 0x00FFFFFF);  // transparent white: nothing drawn, still cleared
    Poser(doc.coucheProvisoire, 3, 3, 0xFF00FF00);
    Poser(doc.coucheDessin, 5, 2, 0x80102030);
    doc.FusionnerProvisoire();
    EXPECT_EQ(doc.coucheProvisoire, Remplie(70, 5, 0));
    EXPECT_EQ(Lire(doc.coucheDessin, 69, 1), 0u);
    EXPECT_EQ(Lire(doc.coucheDessin, 3, 3), 0xFF00FF00u);
    EXPECT_EQ(Lire(doc.coucheDessin, 5, 2), 0x80102030u);
}

TEST(Couches, NewLayersAreTransparentAtTheImageSize)
{
    ImageDocument doc;
    doc.image = Remplie(3000, 7, 0xFF808080);
    ASSERT_TRUE(doc.CreerCoucheDessin());
    ASSERT_TRUE(doc.CreerCoucheProvisoire(90));
    EXPECT_EQ(doc.coucheDessin, Remplie(3000, 7, 0));
    EXPECT_EQ(doc.coucheProvisoire, Remplie(3000, 7, 0));
    EXPECT_EQ(doc.alphaProvisoire, 90);
}

TEST(ExtrairePeint, SinglePaintedPixelGivesOnePixelBitmapOfTheImage)
{
    ImageDocument doc = DocumentDe(10, 10);
    Poser(doc.image, 5, 7, 0xFF123456);
    Poser(doc.coucheProvisoire, 5, 7, 0x01000000);
    const auto extrait = doc.ExtrairePeint(true, 0xFFFFFFFF);
    ASSERT_TRUE(extrait.has_value());
    ASSERT_EQ(extrait->size(), QSize(1, 1));
    EXPECT_EQ(Lire(*extrait, 0, 0), 0xFF123456u);
}

TEST(ExtrairePeint, NothingPaintedGivesNothing)
{
    ImageDocument doc = DocumentDe(6, 6);
    EXPECT_FALSE(doc.ExtrairePeint(true, 0xFFFFFFFF).has_value());
}

TEST(ExtrairePeint, OutsideThePaintGivesTheRestOverTheBackground)
{
    ImageDocument doc = DocumentDe(3, 1, 0xFF111111);
    Poser(doc.coucheDessin, 0, 0, 0xFF000000);
    Poser(doc.coucheDessin, 2, 0, 0xFF000000);
    const auto extrait = doc.ExtrairePeint(false, 0xFFFFFFFF);
    ASSERT_TRUE(extrait.has_value());
    ASSERT_EQ(extrait->size(), QSize(1, 1));
    EXPECT_EQ(Lire(*extrait, 0, 0), 0xFF111111u);
}

TEST(Collage, PixelsOfTheBackgroundColourBecomeTransparentOthersOpaque)
{
    QImage colle = Remplie(2, 1, 0xFFFFFFFF);
    Poser(colle, 1, 0, 0x40123456);
    const QImage prete = PreparerCollage(colle, 0xFFFFFFFF);
    EXPECT_EQ(Lire(prete, 0, 0), 0x00FFFFFFu);
    EXPECT_EQ(Lire(prete, 1, 0), 0xFF123456u);
}

TEST(Collage, BitmapAllOfBackgroundColourGivesAFullyTransparentFloatingLayer)
{
    ImageDocument doc = DocumentDe(20, 20);
    doc.CommencerCollage(Remplie(4, 3, 0xFFFFFFFF), 0xFFFFFFFF);
    EXPECT_TRUE(doc.placementEnCours);
    EXPECT_EQ(doc.outilCourant, ImageDocument::OutilTexte);
    EXPECT_EQ(doc.coucheFlottante.position, QPointF(10, 10));
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 4; ++x)
            EXPECT_EQ(Lire(doc.coucheFlottante.image, x, y) >> 24, 0u);
}

TEST(Collage, ConfirmedOpaquePlacementCoversWithTheBackgroundColour)
{
    ImageDocument doc = DocumentDe(20, 20);
    QImage colle = Remplie(2, 1, 0xFFFFFFFF);
    Poser(colle, 1, 0, 0xFF0000FF);
    doc.CommencerCollage(colle, 0xFFFFFFFF);
    doc.coucheFlottante.opaque = true;
    doc.PoserCoucheFlottante();
    EXPECT_FALSE(doc.placementEnCours);
    EXPECT_EQ(Lire(doc.coucheProvisoire, 10, 10), 0xFFFFFFFFu);
    EXPECT_EQ(Lire(doc.coucheProvisoire, 11, 10), 0xFF0000FFu);
}

TEST(Collage, ConfirmedTransparentPlacementLeavesBackgroundPixelsTransparent)
{
    ImageDocument doc = DocumentDe(20, 20);
    QImage colle = Remplie(2, 1, 0xFFFFFFFF);
    Poser(colle, 1, 0, 0xFF0000FF);
    doc.CommencerCollage(colle, 0xFFFFFFFF);
    doc.PoserCoucheFlottante();
    EXPECT_EQ(Lire(doc.coucheProvisoire, 10, 10) >> 24, 0u);
    EXPECT_EQ(Lire(doc.coucheProvisoire, 11, 10), 0xFF0000FFu);
}

struct CasPosition {
    const char *nom;
    QPointF pointeur;
    QPointF origine;
    float zoom;
    QPoint attendu;
};

void PrintTo(const CasPosition &c, std::ostream *os) { *os << c.nom; }

class Position : public ::testing::TestWithParam<CasPosition> {};

const CasPosition casPosition[] = {
    {"zoom 1 keeps the offset", {12, 7}, {0, 0}, 1.0f, {12, 7}},
    {"scrolled view adds the scroll offset", {12, 7}, {-30, -5}, 1.0f, {42, 12}},
    {"zoom 2 halves, half goes to even", {5, 7}, {0, 0}, 2.0f, {2, 4}},
    {"zoom 0.25 multiplies by four", {3, 10}, {0, 0}, 0.25f, {12, 40}},
    {"left of the image stays negative", {-6, 0}, {0, 0}, 2.0f, {-3, 0}},
};

TEST_P(Position, IsRoundedToImagePixels)
{
    const CasPosition &c = GetParam();
    EXPECT_EQ(PositionImage(c.pointeur, c.origine, c.zoom), c.attendu);
}

INSTANTIATE_TEST_SUITE_P(Document, Position, ::testing::ValuesIn(casPosition),
                         [](const auto &info) { return std::to_string(info.index); });

TEST(Ajustement, Zoom2On100By50AsksFor218By118)
{
    ParametresAjustement p;
    p.tailleImage = QSize(100, 50);
    p.zoom = 2.0f;
    p.largeurDispo = 1000;
    p.hauteurDispo = 800;
    EXPECT_EQ(TailleClientAjustee(p), QSize(218, 118));
}

TEST(Ajustement, WantedSizeIsClippedToTheFreeAreaFromTheWindowCorner)
{
    ParametresAjustement p;
    p.tailleImage = QSize(100, 50);
    p.zoom = 2.0f;
    p.largeurDispo = 200;
    p.hauteurDispo = 100;
    p.coinFenetre = QPoint(20, 10);
    EXPECT_EQ(TailleClientAjustee(p), QSize(200 - 20 - 15, 100 - 10 - 15));
}

TEST(Ajustement, MaximisedWindowTakesTheWholeFreeArea)
{
    ParametresAjustement p;
    p.tailleImage = QSize(10, 10);
    p.maximisee = true;
    p.largeurDispo = 640;
    p.hauteurDispo = 480;
    EXPECT_EQ(TailleClientAjustee(p), QSize(640, 480));
}

TEST(Ajustement, DisplayedSizeRoundsHalvesToEven)
{
    EXPECT_EQ(TailleAffichee(QSize(5, 7), 0.5f), QSize(2, 4));
}

} // namespace
