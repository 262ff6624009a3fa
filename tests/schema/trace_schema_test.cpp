// The tools' strokes on a picture, the flood fill, the schema file of the
// image's size and the undo copies.

#include "schema/copies_annulation.h"
#include "schema/fichier_schema.h"
#include "schema/trace_schema.h"

#include "commun/erreur.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

int Comptes(const QImage &image, QRgb couleur)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += (image.pixel(x, y) & 0xFFFFFFu) == (couleur & 0xFFFFFFu);
    return n;
}

TEST(TraceSchema, APencilPressOfThickness2SetsOnePixel)
{
    QImage schema = SchemaBlanc({9, 9});
    PointCrayon(schema, {4, 4}, qRgb(255, 0, 0), 2);
    EXPECT_EQ(Comptes(schema, qRgb(255, 0, 0)), 1);
    EXPECT_EQ(schema.pixel(4, 4), qRgb(255, 0, 0));
    // W = 6: a disc of radius 2, centred on the point.
    PointCrayon(schema, {4, 4}, qRgb(0, 0, 255), 6);
    EXPECT_EQ(schema.pixel(4, 4), qRgb(0, 0, 255));
    EXPECT_EQ(schema.pixel(4, 2), qRgb(0, 0, 255));
    EXPECT_EQ(schema.pixel(1, 4), qRgb(255, 255, 255));
}

TEST(TraceSchema, TheFillPaintsTheRegionOfThePressedColourOnly)
{
    // A 6 × 4 white picture cut by a black column at x = 2.
    QImage schema = SchemaBlanc({6, 4});
    for (int y = 0; y < 4; ++y)
        schema.setPixel(2, y, qRgb(0, 0, 0));
    EXPECT_EQ(RemplirZone(schema, {4, 1}, qRgb(0, 255, 0)), 12);
    EXPECT_EQ(Comptes(schema, qRgb(0, 255, 0)), 12);
    EXPECT_EQ(schema.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(RemplirZone(schema, {4, 1}, qRgb(0, 255, 0)), 0);
    EXPECT_EQ(RemplirZone(schema, {9, 1}, qRgb(0, 255, 0)), 0);
}

TEST(TraceSchema, AHatchedShapeLeavesSomeInsidePixelsUntouched)
{
    PinceauSchema pinceau;
    pinceau.fond = qRgb(0, 0, 255);
    QImage plein = SchemaBlanc({30, 30});
    FormeSchema(plein, {2, 2}, {27, 27}, false, Plein, pinceau);
    QImage raye = SchemaBlanc({30, 30});
    FormeSchema(raye, {2, 2}, {27, 27}, false, Rayure1, pinceau);
    EXPECT_EQ(plein.pixel(15, 15), qRgb(0, 0, 255));
    EXPECT_GT(Comptes(raye, qRgb(0, 0, 255)), 10);
    EXPECT_LT(Comptes(raye, qRgb(0, 0, 255)), Comptes(plein, qRgb(0, 0, 255)));
    EXPECT_EQ(plein.pixel(2, 15), qRgb(0, 0, 0)) << "outline in the pen colour";
}

TEST(FichierSchema, ASchemaOfAnotherSizeStandsAtTheTopLeftOfAWhiteSchema)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("photo.spg"));
    QImage petit(3, 2, QImage::Format_RGB32);
    petit.fill(qRgb(10, 20, 30));
    EcrireSchema(chemin, petit);
    const QImage lu = LireSchema(chemin, {5, 4});
    ASSERT_EQ(lu.size(), QSize(5, 4));
    EXPECT_EQ(lu.pixel(2, 1), qRgb(10, 20, 30));
    EXPECT_EQ(lu.pixel(3, 1), qRgb(255, 255, 255));
    EXPECT_EQ(lu.pixel(0, 2), qRgb(255, 255, 255));
    EXPECT_EQ(LireSchema(chemin, {2, 1}).pixel(1, 0), qRgb(10, 20, 30));
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(2), "BM");
}

TEST(FichierSchema, ACutOrForeignFileIsRefusedWithAMessage)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("photo.smp"));
    EcrireSchema(chemin, SchemaBlanc({40, 40}));
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadWrite));
    f.resize(200);
    f.close();
    EXPECT_THROW((void)LireSchema(chemin, {40, 40}), ErreurKaptori);
    EXPECT_THROW((void)LireSchema(dossier.filePath(QStringLiteral("absent.smp")), {4, 4}), ErreurKaptori);
}

TEST(CopiesAnnulation, UndoAfterAStrokeOnTheDocumentBringsBothPicturesBack)
{
    CopiesAnnulation copies;
    QImage schema = SchemaBlanc({5, 5});
    QImage document = SchemaBlanc({5, 5});
    document.fill(qRgb(9, 9, 9));
    copies.NouveauDocument(document);
    copies.AppuiSurDocument(schema, document);
    SegmentCrayon(schema, {0, 0}, {4, 4}, qRgb(255, 0, 0), 2);
    SegmentCrayon(document, {0, 0}, {4, 4}, qRgb(255, 0, 0), 2);
    copies.Annuler(schema, document);
    EXPECT_EQ(Comptes(schema, qRgb(255, 255, 255)), 25);
    EXPECT_EQ(Comptes(document, qRgb(9, 9, 9)), 25);
}

} // namespace
