// Page layout of a printed picture: cell size, rounding with halves to even,
// centring in the direction that has room left, and the warning cases, all
// worked out by hand from the sheet's millimetres.

#include "app/impression.h"
#include "app/mise_en_page.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CasMiseEnPage {
    const char *nom;
    bool a3, paysage;
    int lignes, colonnes, espace;
    double rapport;
    bool reussi;
    int largeur, hauteur;            // expected printed picture (mm)
    int gauche, droite, haut, bas;   // expected margins (mm)
};

void PrintTo(const CasMiseEnPage &c, std::ostream *os)
{
    *os << c.nom;
}

const CasMiseEnPage kCas[] = {
    // 190 x 0.75 = 142.5 rounds to 142; 297 - 20 - 142 = 135 leaves 67 more above and below.
    {"A4 portrait 400 x 300 picture", false, false, 1, 1, 5, 0.75, true, 190, 142, 10, 10, 77, 77},
    // (210 - 20 - 5) div 2 = 92; 92 x 0.75 = 69; 297 - 20 - 69 = 208.
    {"two columns", false, false, 1, 2, 5, 0.75, true, 92, 69, 10, 10, 114, 114},
    // (210 - 20 - 1800) div 10 is negative.
    {"ten columns spaced 200 mm", false, false, 1, 10, 200, 0.75, false, 0, 0, 10, 10, 10, 10},
    // Height 277 limits; 277 / 2 = 138.5 rounds to 138; 210 - 20 - 138 = 52.
    {"tall picture limited by the height", false, false, 1, 1, 5, 2.0, true, 138, 277, 36, 36, 10, 10},
    // Landscape 297 x 210: (297 - 20 - 10) div 3 = 89; 89 x 0.75 = 66.75 -> 67;
    // rows (210 - 20 - 5) div 2 = 92; 210 - 20 - 134 - 5 = 51 -> 25 each.
    {"landscape grid of 2 rows and 3 columns", false, true, 2, 3, 5, 0.75, true, 89, 67, 10, 10, 35, 35},
    // A3 portrait: 277 x 0.75 = 207.75 -> 208; 420 - 20 - 208 = 192.
    {"A3 portrait", true, false, 1, 1, 5, 0.75, true, 277, 208, 10, 10, 106, 106},
    // Rows (277 - 9 x 26) div 10 = 4 mm: too low.
    {"ten rows spaced 26 mm leave pictures 4 mm high", false, false, 10, 1, 26, 0.75, false, 0, 0, 10, 10, 10, 10},
    // Ten rows spaced 25 mm: 5 mm high, 5 / 0.75 = 6.67 -> 7 wide; 210 - 20 - 7 = 183 -> 91 each.
    {"ten rows spaced 25 mm leave pictures 5 mm high", false, false, 10, 1, 25, 0.75, true, 7, 5, 101, 101, 10, 10},
    // 190 x 0.02 = 3.8 rounds to 4, under 6 mm.
    {"very flat picture", false, false, 1, 1, 5, 0.02, false, 0, 0, 10, 10, 10, 10},
    // A 1 x 600 strip: 277 / 600 = 0.46 rounds to 0 mm wide, nothing to print.
    {"strip 600 times as tall as wide", false, false, 1, 1, 5, 600.0, false, 0, 0, 10, 10, 10, 10},
};

class MiseEnPage : public ::testing::TestWithParam<CasMiseEnPage> {};

TEST_P(MiseEnPage, gives_the_hand_computed_size_and_margins)
{
    const CasMiseEnPage &c = GetParam();
    TMiseEnPage m;
    ChoisirFormat(m, c.a3);
    ChoisirOrientation(m, c.paysage);
    m.NbLignes = c.lignes;
    m.NbColonnes = c.colonnes;
    m.Espace = c.espace;
    m.Rapport = c.rapport;
    EXPECT_EQ(CalculerMiseEnPage(m), c.reussi);
    EXPECT_EQ(m.ImageLargeur, c.largeur);
    EXPECT_EQ(m.ImageHauteur, c.hauteur);
    EXPECT_EQ(m.MargeGauche, c.gauche);
    EXPECT_EQ(m.MargeDroite, c.droite);
    EXPECT_EQ(m.MargeHaut, c.haut);
    EXPECT_EQ(m.MargeBas, c.bas);
}

INSTANTIATE_TEST_SUITE_P(Feuilles, MiseEnPage, ::testing::ValuesIn(kCas));

TEST(CalculerMiseEnPage, a_second_computation_changes_nothing)
{
    TMiseEnPage m;
    m.Rapport = 0.75;
    ASSERT_TRUE(CalculerMiseEnPage(m));
    const TMiseEnPage avant = m;
    ASSERT_TRUE(CalculerMiseEnPage(m));
    EXPECT_EQ(m.MargeHaut, avant.MargeHaut);
    EXPECT_EQ(m.MargeBas, avant.MargeBas);
    EXPECT_EQ(m.ImageHauteur, avant.ImageHauteur);
}

TEST(CalculerMiseEnPage, a_failed_computation_keeps_the_last_successful_size)
{
    TMiseEnPage m;
    m.Rapport = 0.75;
    ASSERT_TRUE(CalculerMiseEnPage(m));
    m.NbColonnes = 10;
    m.Espace = 200;
    EXPECT_FALSE(CalculerMiseEnPage(m));
    EXPECT_EQ(m.ImageLargeur, 190);
    EXPECT_EQ(m.ImageHauteur, 142);
}

TEST(MiseEnPage, the_warning_has_its_two_lines)
{
    EXPECT_EQ(TexteImageTropPetite(), QStringLiteral("Image trop petite.\r\nAjustez les valeurs"));
}

TEST(ChoisirOrientation, swaps_the_sheet_and_puts_the_margins_back_to_10)
{
    TMiseEnPage m;
    m.MargeGauche = 3;
    m.MargeBas = 40;
    ChoisirOrientation(m, true);
    EXPECT_EQ(m.PageLargeur, 297);
    EXPECT_EQ(m.PageHauteur, 210);
    EXPECT_EQ(m.MargeGauche, 10);
    EXPECT_EQ(m.MargeBas, 10);
    ChoisirFormat(m, true);
    EXPECT_EQ(m.PageLargeur, 420);
    EXPECT_EQ(m.PageHauteur, 297);
}

TEST(Centrer, gives_both_margins_their_mean_rounded_down)
{
    TMiseEnPage m;
    m.MargeHaut = 10;
    m.MargeBas = 31;
    m.MargeGauche = 0;
    m.MargeDroite = 7;
    CentrerVerticalement(m);
    CentrerHorizontalement(m);
    EXPECT_EQ(m.MargeHaut, 20);
    EXPECT_EQ(m.MargeBas, 20);
    EXPECT_EQ(m.MargeGauche, 3);
    EXPECT_EQ(m.MargeDroite, 3);
}

TEST(CellulesImpression, rounds_sizes_steps_and_offsets_from_millimetres)
{
    TMiseEnPage m;
    ChoisirOrientation(m, true);
    m.NbLignes = 2;
    m.NbColonnes = 3;
    m.Rapport = 0.75;
    ASSERT_TRUE(CalculerMiseEnPage(m)); // 89 x 67, margins 10, 10, 35, 35
    // At 2.5 pixels per millimetre: size 222.5 -> 222 and 167.5 -> 168, steps
    // 94 x 2.5 = 235 and 72 x 2.5 = 180, offsets 25 and 87.5 -> 88.
    const std::vector<QRect> cellules = CellulesImpression(m, 2.5);
    const std::vector<QRect> attendues = {
        QRect(25, 88, 222, 168),  QRect(260, 88, 222, 168),  QRect(495, 88, 222, 168),
        QRect(25, 268, 222, 168), QRect(260, 268, 222, 168), QRect(495, 268, 222, 168),
    };
    EXPECT_EQ(cellules, attendues);
}

TEST(ImageEnGris, weighs_red_green_and_blue_61_174_21_over_256_and_keeps_alpha)
{
    QImage image(4, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(255, 0, 0, 255));
    image.setPixel(1, 0, qRgba(0, 255, 0, 255));
    image.setPixel(2, 0, qRgba(0, 0, 255, 128));
    image.setPixel(3, 0, qRgba(10, 20, 30, 255));
    const QImage gris = ImageEnGris(image);
    EXPECT_EQ(gris.pixel(0, 0), qRgba(60, 60, 60, 255));
    EXPECT_EQ(gris.pixel(1, 0), qRgba(173, 173, 173, 255));
    EXPECT_EQ(gris.pixel(2, 0), qRgba(20, 20, 20, 128));
    EXPECT_EQ(gris.pixel(3, 0), qRgba(18, 18, 18, 255));
}

} // namespace
