// The memory of large results: a released block serves the next result of
// about its size, and never while a copy of its picture still lives.
#include "processing/image_resultat.h"
#include "processing/niveaux_gris.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

const QSize Grande(2048, 2048);   // 16 MB: the smallest size the reserve keeps
const QSize PlusGrande(2048, 4096); // twice as much

TEST(ReserveResultats, AReleasedBlockServesTheNextResultOfItsSize)
{
    const uchar *premier = nullptr;
    {
        QImage a = ImageResultat(Grande);
        premier = a.constBits();
    }
    QImage b = ImageResultat(Grande);
    EXPECT_EQ(b.constBits(), premier);
    EXPECT_EQ(b.format(), QImage::Format_ARGB32);
    EXPECT_EQ(b.bytesPerLine(), 4 * Grande.width());
}

TEST(ReserveResultats, ABlockTwiceTooLargeIsNotTaken)
{
    { QImage a = ImageResultat(PlusGrande); }
    QImage b = ImageResultat(Grande);
    EXPECT_EQ(b.size(), Grande);
    b.fill(qRgb(1, 2, 3)); // every byte of it writable
    EXPECT_EQ(b.pixel(Grande.width() - 1, Grande.height() - 1), qRgb(1, 2, 3));
}

TEST(ReserveResultats, ACopyStillInUseKeepsItsPixels)
{
    QImage a = ImageResultat(Grande);
    a.fill(qRgb(10, 20, 30));
    const QImage copie = a;
    a = QImage();
    QImage b = ImageResultat(Grande);
    EXPECT_NE(b.constBits(), copie.constBits());
    b.fill(qRgb(200, 100, 0));
    EXPECT_EQ(copie.pixel(0, 0), qRgb(10, 20, 30));
    EXPECT_EQ(copie.pixel(Grande.width() - 1, Grande.height() - 1), qRgb(10, 20, 30));
}

TEST(ReserveResultats, AResultWrittenOverAnOldBlockHoldsOnlyItsOwnPixels)
{
    {
        QImage a = ImageResultat(Grande);
        a.fill(qRgb(255, 0, 0));
    }
    QImage source(Grande, QImage::Format_RGB32);
    source.fill(qRgb(60, 173, 20));
    const QImage gris = NiveauxGris(source);
    QImage petite(1, 1, QImage::Format_RGB32);
    petite.fill(qRgb(60, 173, 20));
    const QRgb attendu = NiveauxGris(petite).pixel(0, 0);
    for (const QPoint p : {QPoint(0, 0), QPoint(1000, 999), QPoint(Grande.width() - 1, Grande.height() - 1)})
        EXPECT_EQ(gris.pixel(p), attendu);
}

} // namespace
