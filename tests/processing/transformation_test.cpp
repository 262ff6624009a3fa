// Symmetries and quarter turns of pictures and of documents: the layers,
// channels, drawn elements and counting marks follow the picture.

#include "processing/dessiner_marque.h"
#include "processing/elements_transformes.h"
#include "processing/transformation.h"
#include "processing/transformer_document.h"

#include "document/dessins_document.h"
#include "drawing/element_texte.h"
#include "support/dessins_essai.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

// 3 × 2 picture whose pixels are numbered 1..6 row by row:
//   1 2 3
//   4 5 6
QImage Numerotee()
{
    QImage image(3, 2, QImage::Format_ARGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, y, 0xFF000000u | static_cast<QRgb>(1 + x + 3 * y));
    return image;
}

std::vector<int> Numeros(const QImage &image)
{
    std::vector<int> n;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n.push_back(static_cast<int>(image.pixel(x, y) & 0xFF));
    return n;
}

struct CasTransformation {
    const char *name;
    Transformation t;
    QSize taille;
    std::vector<int> numeros; // row by row
};
void PrintTo(const CasTransformation &c, std::ostream *os) { *os << c.name; }

class TransformationTable : public ::testing::TestWithParam<CasTransformation> {};

TEST_P(TransformationTable, PixelsGoWhereTheRuleSends)
{
    const QImage r = TransformerImage(Numerotee(), GetParam().t);
    EXPECT_EQ(r.size(), GetParam().taille);
    EXPECT_EQ(Numeros(r), GetParam().numeros);
}

TEST_P(TransformationTable, InPlaceGivesTheSamePictureOrRefusesAQuarterTurn)
{
    QImage image = Numerotee();
    const bool fait = TransformerEnPlace(image, GetParam().t);
    EXPECT_EQ(fait, GetParam().taille == QSize(3, 2));
    if (fait)
        EXPECT_EQ(Numeros(image), GetParam().numeros);
    else
        EXPECT_EQ(image, Numerotee());
}

TEST_P(TransformationTable, ByteChannelsFollowTheSameRule)
{
    const std::uint8_t plan[] = {1, 2, 3, 9, 4, 5, 6, 9}; // rows 4 bytes apart
    std::vector<std::uint8_t> dest(6);
    const QSize t = GetParam().taille;
    TransformerPlan(plan, 4, 3, 2, dest.data(), t.width(), GetParam().t);
    EXPECT_EQ(std::vector<int>(dest.begin(), dest.end()), GetParam().numeros);
}

INSTANTIATE_TEST_SUITE_P(
    Regles, TransformationTable,
    ::testing::Values(CasTransformation{"symetrie_horizontale", Transformation::SymetrieHorizontale, {3, 2}, {4, 5, 6, 1, 2, 3}},
                      CasTransformation{"symetrie_verticale", Transformation::SymetrieVerticale, {3, 2}, {3, 2, 1, 6, 5, 4}},
                      CasTransformation{"rotation_90", Transformation::Rotation90, {2, 3}, {4, 1, 5, 2, 6, 3}},
                      CasTransformation{"rotation_180", Transformation::Rotation180, {3, 2}, {6, 5, 4, 3, 2, 1}},
                      CasTransformation{"rotation_270", Transformation::Rotation270, {2, 3}, {3, 6, 2, 5, 1, 4}}),
    [](const auto &info) { return std::string(info.param.name); });

QImage Grande(int w, int h)
{
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, 0xFF000000u | static_cast<QRgb>(x * 1000 + y));
    return image;
}

TEST(Transformation, Rotation90Then270GivesThePictureBackAcrossTiles)
{
    const QImage image = Grande(131, 70);
    const QImage tournee = TransformerImage(image, Transformation::Rotation90);
    EXPECT_EQ(tournee.pixel(69, 0), image.pixel(0, 0));
    EXPECT_EQ(tournee.pixel(0, 130), image.pixel(130, 69));
    EXPECT_EQ(TransformerImage(tournee, Transformation::Rotation270), image);
}

TEST(Transformation, TwoSymmetriesMakeAHalfTurnInPlaceToo)
{
    const QImage image = Grande(67, 45);
    QImage enPlace = image.copy();
    TransformerEnPlace(enPlace, Transformation::Rotation180);
    EXPECT_EQ(enPlace, TransformerImage(image, Transformation::Rotation180));
    EXPECT_EQ(TransformerImage(TransformerImage(image, Transformation::SymetrieHorizontale), Transformation::SymetrieVerticale),
              TransformerImage(image, Transformation::Rotation180));
}

TEST(Transformation, FixedPointCoordinatesTurnAroundPixelCentres)
{
    // The point (2,5; 0) of a 3 × 2 picture goes to (1; 2,5) after a quarter turn.
    const PointEntier p = TransformerPoint({2 * 65536 + 32768, 0}, {3, 2}, Transformation::Rotation90, 65536);
    EXPECT_EQ(p.x, 65536);
    EXPECT_EQ(p.y, 2 * 65536 + 32768);
}

// A document with elements of several kinds, rebuilt, then turned.
class DocumentTourne : public ::testing::TestWithParam<Transformation> {
protected:
    void SetUp() override
    {
        doc.image = QImage(80, 50, QImage::Format_ARGB32);
        doc.image.fill(0xFFFFFFFFu);
        AjouterElementNomme(doc, TraitOpaque(5, 8, 60, 30, 0xFFFF0000, 1));
        auto rect = std::make_unique<TDessin>();
        rect->Genre = GenreRectangle;
        rect->X1 = 50, rect->Y1 = 3, rect->X2 = 70, rect->Y2 = 20;
        rect->Opacite = 255;
        rect->Couleur = 0xFF0000FF;
        AjouterElementNomme(doc, std::move(rect));
        auto crayon = std::make_unique<TDessin>();
        crayon->Genre = GenreCrayon;
        crayon->Opacite = 255;
        crayon->X1 = 10, crayon->Y1 = 40, crayon->X2 = 30, crayon->Y2 = 44;
        crayon->Trace.listes.front() = {{10 * 65536, 40 * 65536}, {20 * 65536, 46 * 65536}, {30 * 65536, 44 * 65536}};
        AjouterElementNomme(doc, std::move(crayon));
        RedessinerCalque(doc, {});
    }

    ImageDocument doc;
};

// Pixels clearly painted on one layer with nothing painted on the other
// within one pixel: antialiased edges may shift by a pixel, no stroke may.
int Eloignes(const QImage &a, const QImage &b)
{
    int n = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            if (qAlpha(a.pixel(x, y)) < 128)
                continue;
            bool proche = false;
            for (int dy = -1; dy <= 1; ++dy)
                for (int dx = -1; dx <= 1; ++dx)
                    proche = proche || (b.valid(x + dx, y + dy) && qAlpha(b.pixel(x + dx, y + dy)) > 0);
            n += !proche;
        }
    return n;
}

TEST_P(DocumentTourne, ARebuildDrawsEveryElementWhereItWasSeen)
{
    const QImage attendu = TransformerImage(doc.coucheDessin, GetParam());
    TransformerDocument(doc, GetParam());
    EXPECT_EQ(doc.coucheDessin, attendu);
    ReconstruireCalque(doc, {});
    ASSERT_EQ(doc.coucheDessin.size(), attendu.size());
    EXPECT_EQ(Eloignes(doc.coucheDessin, attendu), 0);
    EXPECT_EQ(Eloignes(attendu, doc.coucheDessin), 0);
}

TEST_P(DocumentTourne, LayersAndChannelsKeepTheImageSize)
{
    doc.CreerCoucheProvisoire();
    TCanal canal;
    canal.largeur = 80, canal.hauteur = 50;
    canal.plan = QByteArray(80 * 50, '\0');
    canal.plan[3 * 80 + 79] = 7; // pixel (79, 3)
    doc.canaux.push_back(canal);
    TransformerDocument(doc, GetParam());
    const QSize t = doc.image.size();
    EXPECT_EQ(doc.coucheDessin.size(), t);
    EXPECT_EQ(doc.coucheProvisoire.size(), t);
    const TCanal &c = doc.canaux.front();
    ASSERT_EQ(QSize(c.largeur, c.hauteur), t);
    const PointEntier p = TransformerPoint({79, 3}, {80, 50}, GetParam());
    EXPECT_EQ(c.ligne(static_cast<int>(p.y))[p.x], 7);
}

TEST_P(DocumentTourne, CountingMarksStayOnTheirPixelAndTextsUprightCentredWhereTheirCentreGoes)
{
    // A mark put on pixel (23, 33) lies at (10, 20): its own pixel (13, 13)
    // is on the counted pixel, off the middle (12, 12) of its box.
    CouchePositionnee marque;
    marque.image = ImageMarque(3, 0xFFFF0000, Rond);
    marque.position = QPointF(10, 20);
    doc.marquesComptage[2].push_back(marque);
    TexteAPlacer texte;
    texte.lignes = {QStringLiteral("Kaptori")};
    doc.dessins.AjouterElement(QStringLiteral("Texte 9"), ElementDeTexte(texte, {20, 10}, true, 0xFFFFFFFF, 255));
    const QSize boite = ImageTexteElement(*doc.dessins.ElementNumero(3)).size();
    ASSERT_FALSE(boite.isEmpty());
    const QPointF centreTexte(20 + (boite.width() - 1) / 2.0, 10 + (boite.height() - 1) / 2.0);

    TransformerDocument(doc, GetParam());
    const CouchePositionnee &m = doc.marquesComptage[2].front();
    EXPECT_EQ(m.image, marque.image);
    EXPECT_EQ(m.position + QPointF(13, 13), TransformerPointReel({23, 33}, {80, 50}, GetParam()));
    const TDessin &t = *doc.dessins.ElementNumero(3);
    const QPointF centre = TransformerPointReel(centreTexte, {80, 50}, GetParam());
    EXPECT_LE(std::abs(t.XAncre + (boite.width() - 1) / 2.0 - centre.x()), 0.5);
    EXPECT_LE(std::abs(t.YAncre + (boite.height() - 1) / 2.0 - centre.y()), 0.5);
}

INSTANTIATE_TEST_SUITE_P(Toutes, DocumentTourne,
                         ::testing::Values(Transformation::SymetrieHorizontale, Transformation::SymetrieVerticale,
                                           Transformation::Rotation90, Transformation::Rotation180,
                                           Transformation::Rotation270),
                         [](const auto &info) { return std::to_string(static_cast<int>(info.param)); });

TEST(TransformationDocument, OnlyAFrameScaleAsksForTheWarning)
{
    ImageDocument doc;
    doc.image = QImage(4, 4, QImage::Format_ARGB32);
    doc.echelle = EchelleParDefaut();
    EXPECT_FALSE(TransformerDocument(doc, Transformation::Rotation90));
    doc.echelle.Mode = TEchelle::Polaire;
    const TEchelle avant = doc.echelle;
    EXPECT_TRUE(TransformerDocument(doc, Transformation::Rotation90));
    EXPECT_EQ(doc.echelle, avant);
}

} // namespace
