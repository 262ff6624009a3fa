// Legends on a document: the colour key widens the picture on the right, the
// scale bar is placed only for a length scale.

#include "calibration/echelle.h"
#include "commun/erreur.h"
#include "processing/legendes_document.h"
#include "support/codes_essai.h"

#include <QImage>

#include <gtest/gtest.h>

namespace {

ImageDocument Document(int w, int h)
{
    ImageDocument d;
    d.image = QImage(w, h, QImage::Format_ARGB32);
    d.image.fill(qRgb(10, 20, 30));
    return d;
}

TCodeCouleur DeuxCouleurs()
{
    return code_essai::DeuxCouleurs(CouleurRvb(0, 0, 0), CouleurRvb(255, 0, 0), 0, 1);
}

TEST(LegendeCouleursDocument, a_200_by_150_picture_grows_to_275_by_240)
{
    ImageDocument d = Document(200, 150);
    d.codeCouleur = DeuxCouleurs();
    AjouterLegendeCouleurs(d, qRgb(0, 128, 0));
    ASSERT_EQ(d.image.size(), QSize(275, 240));
    EXPECT_EQ(d.image.pixel(199, 149), qRgb(10, 20, 30));
    EXPECT_EQ(d.image.pixel(100, 200), qRgb(0, 128, 0));  // below the old picture: background
    EXPECT_EQ(d.image.pixel(270, 235), qRgb(255, 255, 255)); // the key's white
}

TEST(LegendeCouleursDocument, a_key_past_the_picture_limit_is_refused_and_leaves_the_document)
{
    ImageDocument d = Document(32760, 2);
    d.codeCouleur = DeuxCouleurs();
    EXPECT_THROW(AjouterLegendeCouleurs(d, qRgb(255, 255, 255)), ErreurKaptori);
    EXPECT_EQ(d.image.size(), QSize(32760, 2));
}

TEST(LegendeEchelleDocument, placed_for_a_length_scale_only)
{
    ImageDocument d = Document(300, 200);
    d.echelle.Definie = 1;
    d.echelle.Mode = TEchelle::Cartesien;
    ReglagesDessin reglages;
    EXPECT_FALSE(CommencerLegendeEchelle(d, reglages, QFont(QStringLiteral("DejaVu Sans"), 10)));
    EXPECT_FALSE(d.placementEnCours);

    d.echelle.Mode = TEchelle::Longueur;
    d.echelle.Facteur = 0.5;
    d.echelle.Unite = QStringLiteral("mm");
    ASSERT_TRUE(CommencerLegendeEchelle(d, reglages, QFont(QStringLiteral("DejaVu Sans"), 10)));
    EXPECT_TRUE(d.placementEnCours);
    EXPECT_EQ(d.outilCourant, ImageDocument::OutilTexte);
    EXPECT_EQ(d.coucheFlottante.position, QPointF(10, 10));
    ASSERT_TRUE(d.elementEnPlacement);
    EXPECT_EQ(d.elementEnPlacement->Genre, GenreLegende);
    EXPECT_EQ(d.elementEnPlacement->UniteLegende, QStringLiteral("mm"));
    EXPECT_FLOAT_EQ(d.elementEnPlacement->UnitesParPixel, 0.5f);
    // The white background became transparent.
    EXPECT_EQ(qAlpha(d.coucheFlottante.image.pixel(0, 0)), 0);
}

} // namespace
