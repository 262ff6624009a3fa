// The false-colour exercise without its window: the white-card calibration
// worked by hand, the channel pictures, their combination when the colour
// picture has another size, and the kept documents with their codes.
#include "commun/erreur.h"
#include "processing/fausses_couleurs.h"
#include "support/images_essai.h"

#include <gtest/gtest.h>

namespace {

TEST(CalibrationBlanc, CardOf200_250_125GivesFactors1275_102_204)
{
    QImage image = ImageUnie(320, 240, qRgb(200, 250, 125));
    image.setPixel(300, 200, qRgb(100, 100, 100));
    image.setPixel(301, 200, qRgb(0, 0, 130));
    QImage carte = image;
    ASSERT_TRUE(CalibrerBlanc(carte, QPoint(10, 10), QPoint(50, 40)));
    EXPECT_EQ(carte.pixel(20, 20), qRgb(255, 255, 255));
    EXPECT_EQ(carte.pixel(300, 200), qRgb(128, 102, 204)); // 127,5 → 128
    EXPECT_EQ(carte.pixel(301, 200), qRgb(0, 0, 255));     // 130 × 2,04 = 265,2
}

TEST(CalibrationBlanc, ThinRectangleDoesNothingAndABlackComponentIsRefused)
{
    QImage image = ImageUnie(320, 240, qRgb(200, 0, 125));
    const QImage avant = image;
    EXPECT_FALSE(CalibrerBlanc(image, QPoint(10, 10), QPoint(11, 40)));
    EXPECT_EQ(image, avant);
    try {
        (void)CalibrerBlanc(image, QPoint(10, 10), QPoint(50, 40));
        FAIL() << "a component at 0 gives no factor";
    } catch (const ErreurKaptori &e) {
        EXPECT_FALSE(e.message().isEmpty());
    }
    EXPECT_EQ(image, avant);
}

TEST(CanauxFaussesCouleurs, EachChannelMovesOneComponentAndCombinerJoinsThem)
{
    const QImage couleur = ImageUnie(320, 240, qRgb(10, 20, 31));
    const QImage infra = ImageUnie(320, 240, qRgb(90, 60, 31));
    const QImage c1 = Canal1(ComposanteSeule(couleur, 1));
    const QImage c2 = Canal2(ComposanteSeule(couleur, 2));
    const QImage c3 = Canal3(infra);
    EXPECT_EQ(c1.pixel(5, 5), qRgb(0, 0, 20));
    EXPECT_EQ(c2.pixel(5, 5), qRgb(0, 10, 0));
    EXPECT_EQ(c3.pixel(5, 5), qRgb(60, 0, 0)); // 181 / 3 = 60,33
    EXPECT_EQ(CombinerCanaux(c1, c2, c3).pixel(319, 239), qRgb(60, 10, 20));
}

TEST(CanauxFaussesCouleurs, SmallerColourPictureIsScaledBeforeTheCombination)
{
    const QImage petite = ImageUnie(160, 120, qRgb(0, 77, 0));
    const QImage r = CombinerCanaux(ImageUnie(320, 240, qRgb(0, 0, 5)), petite, ImageUnie(320, 240, qRgb(9, 0, 0)));
    EXPECT_EQ(r.size(), QSize(320, 240));
    EXPECT_EQ(r.pixel(319, 239), qRgb(9, 77, 5));
    EXPECT_EQ(ImageExercice(petite).pixel(300, 200), qRgb(0, 77, 0));
}

TEST(CanauxFaussesCouleurs, KeptPicturesBecomeFiveDocumentsWithTheirCodes)
{
    ImagesFaussesCouleurs images;
    images.couleur = images.infraRouge = images.resultat = images.canal1 = images.canal2 = ImageUnie(320, 240, qRgb(1, 2, 3));
    const auto docs = DocumentsFaussesCouleurs(images);
    ASSERT_EQ(docs.size(), 5u);
    EXPECT_EQ(docs[0]->titre, QStringLiteral("couleur"));
    EXPECT_EQ(docs[0]->codeCouleur.NomC[2], QStringLiteral("Rouge"));
    EXPECT_EQ(docs[1]->titre, QStringLiteral("IR"));
    EXPECT_EQ(docs[1]->codeCouleur.TypeCodage, CodageDeuxCouleurs);
    EXPECT_EQ(docs[1]->codeCouleur.CouleurMax, 0xFFFFFFu);
    EXPECT_EQ(docs[1]->codeCouleur.Grandeur, QStringLiteral("Infra-Rouge"));
    EXPECT_EQ(docs[2]->titre, QStringLiteral("fausses couleurs"));
    EXPECT_EQ(docs[2]->codeCouleur.NomC[2], QStringLiteral("Infra-Rouge"));
    EXPECT_EQ(docs[2]->codeCouleur.CouleurC[2], 0u);
    EXPECT_EQ(docs[3]->codeCouleur.CouleurMax, 0x00FF00u);
    EXPECT_EQ(docs[4]->titre, QStringLiteral("canal 2"));
    EXPECT_EQ(docs[4]->codeCouleur.CouleurMax, 0x0000FFu);
    for (const auto &d : docs) {
        EXPECT_EQ(d->codeCouleur.Definie, 1);
        EXPECT_DOUBLE_EQ(d->echelle.Facteur, 1.0);
        EXPECT_EQ(d->echelle.Unite, QStringLiteral("pixels"));
    }
}

} // namespace
