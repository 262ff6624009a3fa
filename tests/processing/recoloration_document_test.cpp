// The "Couleurs" document of a table code cut into classes: the choice is
// prepared on the grey levels without touching the copy, and only the chosen
// classes paint it.

#include "processing/recoloration_document.h"
#include "support/codes_essai.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

ImageDocument Source()
{
    ImageDocument d;
    d.image = QImage(4, 2, QImage::Format_ARGB32);
    d.image.fill(qRgb(200, 40, 10));
    return d;
}

TCodeCouleur DeuxEntrees()
{
    TCodeCouleur c = code_essai::Tableau(2);
    c.CouleurTable[0] = CouleurRvb(0, 0, 255);
    c.CouleurTable[1] = CouleurRvb(255, 255, 0);
    return c;
}

TEST(ClassesDocument, preparing_leaves_the_colour_copy_for_a_cancelled_choice)
{
    const ImageDocument source = Source();
    auto doc = DocumentCouleurs(source, DeuxEntrees());
    const ClassesCouleurs classes = PreparerClassesDocument(*doc);
    EXPECT_EQ(doc->image.pixel(1, 1), qRgb(200, 40, 10));
    // The histogram is the grey level's: (61·200 + 174·40 + 21·10) div 256 = 75.
    EXPECT_DOUBLE_EQ(classes.histogramme[75], 100.0);
}

TEST(ClassesDocument, applying_paints_the_grey_levels_with_the_classes)
{
    const ImageDocument source = Source();
    auto doc = DocumentCouleurs(source, DeuxEntrees());
    const ClassesCouleurs classes = PreparerClassesDocument(*doc); // limits 0, 128, 255
    AppliquerClassesDocument(*doc, classes, 0, 255);
    EXPECT_EQ(doc->image.pixel(1, 1), qRgb(0, 0, 255)); // level 75 is in the first class
    EXPECT_EQ(source.image.pixel(1, 1), qRgb(200, 40, 10));
}

} // namespace
