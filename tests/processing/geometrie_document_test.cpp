// Cropping, resizing and enlarging the canvas of a document: the picture,
// the scale and the drawn elements.

#include "processing/agrandissement_canevas.h"
#include "processing/deplacement_echelle.h"
#include "processing/recadrage.h"
#include "processing/redimensionnement.h"

#include "commun/erreur.h"
#include "document/dessins_document.h"
#include "support/dessins_essai.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

QImage Motif(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x & 255, y & 255, (x + y) & 255));
    return image;
}

TEchelle Cartesienne()
{
    TEchelle e;
    e.Definie = 1;
    e.Mode = TEchelle::Cartesien;
    e.OrigineX = 120;
    e.OrigineY = {300, 310, 320};
    e.CadreX1 = 110, e.CadreY1 = 60, e.CadreX2 = 400, e.CadreY2 = 350;
    return e;
}

TEST(Recadrage, TheCartesianOriginMovesWithTheFrameCorner)
{
    ImageDocument source;
    source.image = Motif(500, 400);
    source.titre = QStringLiteral("photo.jpg");
    source.echelle = Cartesienne();
    const auto doc = RecadrerDocument(source, QRect(100, 50, 200, 120));
    EXPECT_EQ(doc->titre, QStringLiteral("Recadrage de photo.jpg"));
    EXPECT_EQ(doc->image.size(), QSize(200, 120));
    EXPECT_EQ(doc->image.pixel(0, 0), source.image.pixel(100, 50));
    EXPECT_EQ(doc->echelle.OrigineX, 20);
    EXPECT_EQ(doc->echelle.OrigineY, (std::array<std::int32_t, 3>{250, 260, 270}));
    EXPECT_EQ(doc->echelle.CadreX1, 10);
    EXPECT_EQ(doc->echelle.CadreY2, 300);
}

TEST(Recadrage, TheDrawingsBecomePartOfTheNewPicture)
{
    ImageDocument source;
    source.image = Motif(40, 30);
    source.CreerCoucheDessin();
    source.coucheDessin.setPixel(12, 11, 0xFF00FF00);
    const auto doc = RecadrerDocument(source, QRect(10, 10, 5, 5));
    EXPECT_EQ(doc->image.pixel(2, 1), 0xFF00FF00u);
    EXPECT_TRUE(doc->dessins.EstVide());
}

TEST(Recadrage, TriangleAndPolarScalesMoveTheirCornerAndCentre)
{
    TEchelle e;
    e.Definie = 1;
    e.Mode = TEchelle::Triangle;
    e.CoinX = 30, e.CoinY = 90;
    EXPECT_EQ(EchelleDeplacee(e, -10, 5).CoinX, 20);
    EXPECT_EQ(EchelleDeplacee(e, -10, 5).CoinY, 95);
    e.Mode = TEchelle::Polaire;
    e.CentreX = 7, e.CentreY = 8;
    EXPECT_EQ(EchelleDeplacee(e, 3, 4).CentreX, 10);
    EXPECT_EQ(EchelleDeplacee(e, 3, 4).CentreY, 12);
    e.Definie = 0;
    EXPECT_EQ(EchelleDeplacee(e, 3, 4), e);
}

struct CasCadre {
    const char *name;
    QRect cadre;
};
void PrintTo(const CasCadre &c, std::ostream *os) { *os << c.name; }

class RecadrageRefuse : public ::testing::TestWithParam<CasCadre> {};

TEST_P(RecadrageRefuse, AFrameNotWhollyInsideIsRefused)
{
    ImageDocument source;
    source.image = Motif(50, 40);
    EXPECT_THROW((void)RecadrerDocument(source, GetParam().cadre), ErreurKaptori);
}

INSTANTIATE_TEST_SUITE_P(Cas, RecadrageRefuse,
                         ::testing::Values(CasCadre{"a_cheval", QRect(40, 10, 20, 5)}, CasCadre{"dehors", QRect(60, 50, 5, 5)},
                                           CasCadre{"negatif", QRect(-1, 0, 5, 5)}, CasCadre{"vide", QRect(3, 3, 0, 4)}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Redimensionnement, HalfSizeDoublesTheLengthPerPixelAndKeepsPixels)
{
    TEchelle mm = EchelleParDefaut();
    mm.Facteur = 0.1;
    mm.Unite = QStringLiteral("mm");
    EXPECT_DOUBLE_EQ(EchelleRedimensionnee(mm, 50).Facteur, 0.2);
    EXPECT_EQ(EchelleRedimensionnee(mm, 50).Unite, QStringLiteral("mm"));
    EXPECT_DOUBLE_EQ(EchelleRedimensionnee(EchelleParDefaut(), 50).Facteur, 1.0);
    EXPECT_EQ(EchelleRedimensionnee(Cartesienne(), 50), EchelleParDefaut());
}

struct CasTaille {
    const char *name;
    QSize source;
    double p;
    QSize attendue;
};
void PrintTo(const CasTaille &c, std::ostream *os) { *os << c.name; }

class TailleTable : public ::testing::TestWithParam<CasTaille> {};

TEST_P(TailleTable, SidesAreRoundedAndNeverZero)
{
    EXPECT_EQ(TailleRedimensionnee(GetParam().source, GetParam().p), GetParam().attendue);
}

INSTANTIATE_TEST_SUITE_P(Cas, TailleTable,
                         ::testing::Values(CasTaille{"moitie", {640, 480}, 50, {320, 240}},
                                           CasTaille{"demi_pair", {5, 7}, 50, {2, 4}}, // 2,5 → 2 and 3,5 → 4
                                           CasTaille{"dix_pour_cent_de_3", {3, 3}, 10, {1, 1}},
                                           CasTaille{"double", {100, 30}, 200, {200, 60}}),
                         [](const auto &info) { return std::string(info.param.name); });

TEST(Redimensionnement, BeyondTheLimitsIsRefusedBeforeAllocating)
{
    EXPECT_THROW((void)TailleRedimensionnee({6000, 4000}, 500), ErreurKaptori); // 30000 × 20000
    EXPECT_THROW((void)TailleRedimensionnee({10000, 100}, 400), ErreurKaptori);   // 40000 wide
    EXPECT_THROW((void)TailleRedimensionnee({100, 100}, 9.5), ErreurKaptori);
    EXPECT_THROW((void)TailleRedimensionnee({100, 100}, 501), ErreurKaptori);
}

TEST(Redimensionnement, EachNewPixelTakesTheSourcePixelUnderItsCentre)
{
    const QImage source = Motif(4, 2);
    const QImage double_ = Redimensionner(source, {8, 4});
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 8; ++x)
            ASSERT_EQ(double_.pixel(x, y), source.pixel(x / 2, y / 2)) << x << "," << y;
    const QImage moitie = Redimensionner(Motif(9, 9), {3, 3});
    EXPECT_EQ(moitie.pixel(1, 2), Motif(9, 9).pixel(4, 7));
}

TEST(Redimensionnement, ElementsAreCopiedScaledUnderTheirNamesAndDrawn)
{
    ImageDocument source;
    source.image = Motif(100, 80);
    auto cercle = std::make_unique<TDessin>();
    cercle->Genre = GenreCercle;
    cercle->XAncre = 40, cercle->YAncre = 30, cercle->Rayon = 10;
    cercle->Opacite = 255;
    source.dessins.AjouterElement(QStringLiteral("Cercle 4"), std::move(cercle));
    auto zone = std::make_unique<TDessin>();
    zone->Genre = GenreZone;
    zone->Trace.listes.front() = {{10 * 65536, 10 * 65536}, {30 * 65536, 10 * 65536}};
    zone->Conditions = {{TCondicoul{0, 2, 0, 0, 255}}};
    source.dessins.AjouterElement(QStringLiteral("Zone"), std::move(zone));
    source.codeCouleur.Definie = 1;
    const auto doc = RedimensionnerDocument(source, 200, {});
    EXPECT_EQ(doc->titre, QStringLiteral("Copie"));
    EXPECT_EQ(doc->image.size(), QSize(200, 160));
    EXPECT_EQ(doc->codeCouleur.Definie, 1);
    ASSERT_EQ(doc->dessins.Nombre(), 2);
    EXPECT_EQ(doc->dessins.NomNumero(0), QStringLiteral("Cercle 4"));
    const TDessin &c = *doc->dessins.ElementNumero(0);
    EXPECT_EQ(c.XAncre, 80);
    EXPECT_EQ(c.Rayon, 20);
    const TDessin &z = *doc->dessins.ElementNumero(1);
    EXPECT_EQ(z.Trace.listes.front().back().x, 60 * 65536);
    EXPECT_EQ(z.Conditions, source.dessins.ElementNumero(1)->Conditions);
    EXPECT_NE(qAlpha(doc->coucheDessin.pixel(80 + 20, 60)), 0); // the circle's edge, drawn
}

TEST(Agrandissement, A100By100PictureCentredOn200By150SitsAt50And25)
{
    EXPECT_EQ(DecalageAgrandissement({100, 100}, {200, 150}, AlignementCanevas::Centre), QPoint(50, 25));
    EXPECT_EQ(DecalageAgrandissement({100, 100}, {201, 151}, AlignementCanevas::Centre), QPoint(50, 25));
    EXPECT_EQ(DecalageAgrandissement({100, 100}, {200, 150}, AlignementCanevas::BasDroite), QPoint(100, 50));
    EXPECT_EQ(DecalageAgrandissement({100, 100}, {200, 150}, AlignementCanevas::HautDroite), QPoint(100, 0));
    EXPECT_EQ(DecalageAgrandissement({100, 100}, {200, 150}, AlignementCanevas::BasGauche), QPoint(0, 50));
    const QImage r = AgrandirCanevas(Motif(100, 100), {200, 150}, {50, 25}, 0xFF112233);
    EXPECT_EQ(r.pixel(49, 25), 0xFF112233u);
    EXPECT_EQ(r.pixel(50, 25), Motif(100, 100).pixel(0, 0));
    EXPECT_EQ(r.pixel(149, 124), Motif(100, 100).pixel(99, 99));
    EXPECT_EQ(r.pixel(150, 124), 0xFF112233u);
    EXPECT_EQ(r.pixel(199, 149), 0xFF112233u);
}

TEST(Agrandissement, ElementsMarksLayerAndScaleMoveTogether)
{
    ImageDocument doc;
    doc.image = Motif(100, 100);
    doc.echelle = Cartesienne();
    AjouterElementNomme(doc, TraitOpaque(10, 10, 90, 10));
    RedessinerCalque(doc, {});
    CouchePositionnee marque;
    marque.image = QImage(3, 3, QImage::Format_ARGB32);
    marque.position = QPointF(5, 6);
    doc.marquesComptage[0].push_back(marque);
    AgrandirDocument(doc, {200, 150}, AlignementCanevas::Centre, 0xFFFFFFFF);
    EXPECT_EQ(doc.image.size(), QSize(200, 150));
    EXPECT_EQ(doc.coucheDessin.size(), QSize(200, 150));
    EXPECT_EQ(qAlpha(doc.coucheDessin.pixel(0, 0)), 0); // margins transparent
    EXPECT_NE(qAlpha(doc.coucheDessin.pixel(60, 35)), 0);
    EXPECT_EQ(doc.dessins.ElementNumero(0)->X1, 60);
    EXPECT_EQ(doc.marquesComptage[0].front().position, QPointF(55, 31));
    EXPECT_EQ(doc.echelle.OrigineX, 170);
    // The next rebuild puts the line where the enlarged layer has it.
    const QImage avant = doc.coucheDessin.copy();
    ReconstruireCalque(doc, {});
    EXPECT_EQ(doc.coucheDessin, avant);
}

TEST(Agrandissement, ASmallerOrTooLargeCanvasIsRefusedWithTheDocumentUnchanged)
{
    ImageDocument doc;
    doc.image = Motif(100, 100);
    const QImage avant = doc.image.copy();
    EXPECT_THROW(AgrandirDocument(doc, {99, 200}, AlignementCanevas::Centre, 0), ErreurKaptori);
    EXPECT_THROW(AgrandirDocument(doc, {32768, 200}, AlignementCanevas::Centre, 0), ErreurKaptori);
    EXPECT_THROW(AgrandirDocument(doc, {30000, 20000}, AlignementCanevas::Centre, 0), ErreurKaptori);
    EXPECT_EQ(doc.image, avant);
}

} // namespace
