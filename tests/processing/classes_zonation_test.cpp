// Colour classes and zonation. Expected values are worked by hand: n = 4 at
// "même largeur" gives Round(63,75) = 64, Round(127,5) = 128, Round(191,25)
// = 191; a category painted over colours at distances 0 and 10 from its mean
// has m = 5, σ = 5 and threshold min(10, 2 × 5 + 5) = 10.

#include "calibration/echelle.h"
#include "commun/erreur.h"
#include "processing/classes_couleurs.h"
#include "processing/modele_zones_v.h"
#include "processing/zonation.h"
#include "processing/zones_document.h"

#include "support/separateur.h"

#include <QImage>

#include <gtest/gtest.h>

#include <ostream>

namespace {

std::vector<int> Limites(const ClassesCouleurs &c)
{
    return {c.limites.begin(), c.limites.begin() + c.NbClasses + 1};
}

ClassesCouleurs Classes(int n)
{
    ClassesCouleurs c;
    c.NbClasses = n;
    for (int i = 0; i < n; ++i)
        c.CouleursClasses[static_cast<std::size_t>(i)] = qRgb(10 * i, 20 * i, 30);
    c.pixels = 256 * 10;
    c.histogramme.fill(100.0 / 256);
    return c;
}

TEST(ClassesMemeLargeur, four_classes_cut_at_64_128_191)
{
    ClassesCouleurs c = Classes(4);
    MemeLargeur(c);
    EXPECT_EQ(Limites(c), (std::vector<int>{0, 64, 128, 191, 255}));
    EXPECT_EQ(c.bornesBasses[1], 1);
    EXPECT_EQ(c.bornesHautes[1], 127);
}

TEST(ClassesMemeEffectif, a_flat_histogram_cuts_as_equal_widths_within_one_level)
{
    for (int n : {2, 3, 4, 7, 16}) {
        ClassesCouleurs a = Classes(n), b = Classes(n);
        MemeLargeur(a);
        MemeEffectif(b);
        for (int i = 0; i <= n; ++i)
            EXPECT_LE(std::abs(a.limites[static_cast<std::size_t>(i)] - b.limites[static_cast<std::size_t>(i)]), 1)
                << "n " << n << " limit " << i;
    }
}

TEST(ClassesMemeEffectif, a_two_level_picture_keeps_limits_increasing_within_0_255)
{
    ClassesCouleurs c = Classes(6);
    c.histogramme.fill(0);
    c.histogramme[0] = 50;
    c.histogramme[255] = 50;
    MemeEffectif(c);
    const std::vector<int> l = Limites(c);
    EXPECT_EQ(l.front(), 0);
    EXPECT_EQ(l.back(), 255);
    for (std::size_t i = 1; i < l.size(); ++i)
        EXPECT_LT(l[i - 1], l[i]) << "limit " << i;
}

TEST(ClassesLimites, a_typed_limit_is_held_to_its_bounds_and_a_refused_drag_changes_nothing)
{
    ClassesCouleurs c = Classes(4);
    MemeLargeur(c);
    EXPECT_EQ(LimiteChangee(c, 2, 250), 190); // below lim_3 = 191
    EXPECT_EQ(c.bornesBasses[3], 191);
    EXPECT_FALSE(LimiteDeplacee(c, 1, 200.0));
    EXPECT_EQ(c.limites[1], 64);
    EXPECT_TRUE(LimiteDeplacee(c, 1, 99.6));
    EXPECT_EQ(c.limites[1], 100);
}

TEST(ClassesEffectifs, labels_count_pixels_or_areas)
{
    ClassesCouleurs c = Classes(4);
    MemeLargeur(c);
    // Levels 0..63 at 10 pixels each; the last class has 191..255, 65 levels.
    EXPECT_EQ(EtiquetteEffectif(c, 0), QStringLiteral("640"));
    EXPECT_EQ(EtiquetteEffectif(c, 3), QStringLiteral("650"));
    c.FacteurSurface = 0.1;
    const SeparateurTemporaire virgule(QLatin1Char(','));
    EXPECT_EQ(EtiquetteEffectif(c, 0), QStringLiteral("6,4"));
}

TEST(ClassesColorier, paints_levels_within_the_limits_and_keeps_the_others)
{
    ClassesCouleurs c = Classes(2);
    c.limites = {};
    c.limites[0] = 10;
    c.limites[1] = 100;
    c.limites[2] = 200;
    QImage image(4, 1, QImage::Format_ARGB32);
    const QRgb gris[4] = {qRgb(5, 5, 5), qRgb(10, 10, 10), qRgb(150, 150, 150), qRgb(201, 201, 201)};
    for (int x = 0; x < 4; ++x)
        image.setPixel(x, 0, gris[x]);
    Colorier(c, image);
    EXPECT_EQ(image.pixel(0, 0), gris[0]);
    EXPECT_EQ(image.pixel(1, 0), c.CouleursClasses[0] | 0xFF000000u);
    EXPECT_EQ(image.pixel(2, 0), c.CouleursClasses[1] | 0xFF000000u);
    EXPECT_EQ(image.pixel(3, 0), gris[3]);
}

TEST(ClassesLibelles, the_code_labels_read_the_limits_as_values)
{
    const SeparateurTemporaire virgule(QLatin1Char(','));
    ClassesCouleurs c = Classes(4);
    MemeLargeur(c);
    EXPECT_EQ(LibellesClasses(c, 0, 255),
              (QStringList{QStringLiteral("< 64"), QStringLiteral("64 - 128"), QStringLiteral("128 - 191"),
                           QStringLiteral("> 191")}));
}

// ---- Zonation ------------------------------------------------------------

QImage Remplie(int w, int h, QRgb c)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(c);
    return image;
}

TEST(ZonationDistances, tsl_of_pure_colours_and_greys)
{
    const CouleurTsl rouge = RvbVersTsl(1, 0, 0);
    EXPECT_DOUBLE_EQ(rouge.H, 0);
    EXPECT_DOUBLE_EQ(rouge.S, 1);
    EXPECT_DOUBLE_EQ(rouge.L, 0.5);
    EXPECT_DOUBLE_EQ(RvbVersTsl(0, 0, 1).H, 240);
    EXPECT_DOUBLE_EQ(RvbVersTsl(0.5, 0.5, 0.5).H, -1);
    // Red against blue in RVB: √(255² + 255²).
    EXPECT_NEAR(DistanceCouleurs(qRgb(255, 0, 0), qRgb(0, 0, 255), CodageRvb, 0.1).d, 360.62, 0.01);
    // AV: black has no direction; the angle counts as 0, the norms differ by 255.
    const DistanceCouleur noir = DistanceCouleurs(qRgb(0, 0, 0), qRgb(255, 0, 0), CodageAv, 0.1);
    EXPECT_TRUE(std::isfinite(noir.d));
    EXPECT_DOUBLE_EQ(noir.d, 255);
    // TSL: two greys differ by their lightness only (hue ignored below seuilsat).
    EXPECT_NEAR(DistanceCouleurs(qRgb(0, 0, 0), qRgb(255, 255, 255), CodageTsl, 0.1).d, 120, 1e-9);
}

TEST(ZonationStatistiques, thresholds_come_from_mean_and_spread_and_one_pen_colour_twice_is_one_category)
{
    // Row 0: image colours 100 and 110 under red paint, in two separate patches.
    QImage image = Remplie(4, 2, qRgb(0, 0, 0));
    image.setPixel(0, 0, qRgb(100, 100, 100));
    image.setPixel(3, 0, qRgb(110, 100, 100));
    QImage peinture = Remplie(4, 2, 0);
    peinture.setPixel(0, 0, qRgb(255, 0, 0));
    peinture.setPixel(3, 0, qRgb(255, 0, 0));
    const CategoriesZonation c = StatistiquesClasses(image, peinture, 2.0, 0.1, CodageRvb);
    ASSERT_EQ(c.NbCategories, 1);
    EXPECT_EQ(c.CouleursMoyennes[0], qRgb(105, 100, 100));
    EXPECT_DOUBLE_EQ(c.Seuils[0], 5);
    EXPECT_EQ(StatistiquesClasses(image, Remplie(3, 2, 0), 2.0, 0.1, CodageRvb).NbCategories, -1);
}

TEST(ZonationStatistiques, a_category_of_one_colour_has_threshold_0_and_takes_that_colour_only)
{
    QImage image = Remplie(3, 1, qRgb(50, 60, 70));
    image.setPixel(2, 0, qRgb(51, 60, 70));
    QImage peinture = Remplie(3, 1, 0);
    peinture.setPixel(0, 0, qRgb(0, 255, 0));
    CategoriesZonation c = StatistiquesClasses(image, peinture, 2.0, 0.1, CodageTsl);
    ASSERT_EQ(c.NbCategories, 1);
    EXPECT_EQ(c.Seuils[0], 0);
    const QImage r = ClasserImage(image, c, 0.1, CodageTsl, false, qRgb(255, 255, 255));
    EXPECT_EQ(c.Effectifs[0], 2);
    EXPECT_EQ(r.pixel(1, 0), qRgb(0, 255, 0));
    EXPECT_EQ(r.pixel(2, 0), 0x00FFFFFFu);
}

// Left half dark, right half light with a few mid pixels; one patch painted
// on each side.
struct Scene {
    QImage image = Remplie(20, 10, qRgb(30, 30, 30));
    QImage peinture = Remplie(20, 10, 0);
    Scene()
    {
        for (int y = 0; y < 10; ++y)
            for (int x = 10; x < 20; ++x)
                image.setPixel(x, y, qRgb(200 + (x + y) % 5, 200, 200));
        image.setPixel(9, 9, qRgb(100, 100, 100));
        for (int y = 0; y < 2; ++y) {
            peinture.setPixel(y, 0, qRgb(255, 0, 0));
            peinture.setPixel(15 + y, 0, qRgb(0, 0, 255));
            peinture.setPixel(15 + y, 1, qRgb(0, 0, 255));
        }
        image.setPixel(16, 1, qRgb(204, 200, 200));
    }
};

TEST(ZonationCalcul, one_category_is_not_grown_and_far_pixels_stay_unclassified)
{
    Scene s;
    ParametresZonation p;
    p.etendre = true;
    QImage peinture = Remplie(20, 10, 0);
    peinture.setPixel(0, 0, qRgb(255, 0, 0));
    const ResultatZonation r = CalculerZonation(s.image, peinture, p);
    ASSERT_EQ(r.categories.NbCategories, 1);
    EXPECT_EQ(r.categories.Effectifs[0], 99); // the dark half but the mid pixel
    EXPECT_EQ(qAlpha(r.image.pixel(15, 5)), 0);
}

TEST(ZonationCalcul, growing_two_categories_in_rvb_classifies_every_pixel)
{
    Scene s;
    ParametresZonation p;
    p.etendre = true;
    p.nbIterations = 2;
    const ResultatZonation r = CalculerZonation(s.image, s.peinture, p);
    ASSERT_EQ(r.categories.NbCategories, 2);
    EXPECT_EQ(r.categories.Effectifs[0] + r.categories.Effectifs[1], 200);
    EXPECT_EQ(r.categories.Effectifs[1], 100);
    EXPECT_TRUE(r.message.isEmpty());
}

TEST(ZonationCalcul, a_delta_of_450_empties_the_painting_and_classifies_nothing)
{
    Scene s;
    ParametresZonation p;
    p.etendre = true;
    p.delta = 450;
    const ResultatZonation r = CalculerZonation(s.image, s.peinture, p);
    EXPECT_EQ(r.categories.NbCategories, 0);
    EXPECT_EQ(qAlpha(r.image.pixel(0, 0)), 0);
    EXPECT_FALSE(r.message.isEmpty());
}

TEST(ZonationCalcul, more_than_51_pen_colours_classify_nothing_and_say_why)
{
    Scene s;
    QImage peinture = Remplie(20, 10, 0);
    for (int k = 0; k < 60; ++k)
        peinture.setPixel(k % 20, k / 20, qRgb(k, 255 - k, 7));
    const ResultatZonation r = CalculerZonation(s.image, peinture, ParametresZonation{});
    EXPECT_TRUE(r.categories.tropDeCouleurs);
    EXPECT_TRUE(r.message.contains(QStringLiteral("51")));
    EXPECT_EQ(qAlpha(r.image.pixel(5, 5)), 0);
    EXPECT_THROW((void)CalculerZonation(s.image, Remplie(5, 5, 0), ParametresZonation{}), ErreurKaptori);
}

TEST(ZonationCalcul, eliminating_far_pixels_narrows_the_category)
{
    // Nine painted pixels of colour 100 and one of 200: the far one is beyond
    // the first threshold and leaves the second statistics.
    QImage image = Remplie(10, 1, qRgb(100, 100, 100));
    image.setPixel(9, 0, qRgb(200, 100, 100));
    const QImage peinture = Remplie(10, 1, qRgb(255, 0, 0));
    const CategoriesZonation brut = StatistiquesClasses(image, peinture, 1.0, 0.1, CodageRvb, false);
    const CategoriesZonation net = StatistiquesClasses(image, peinture, 1.0, 0.1, CodageRvb, true);
    EXPECT_EQ(brut.CouleursMoyennes[0], qRgb(110, 100, 100));
    EXPECT_EQ(net.CouleursMoyennes[0], qRgb(100, 100, 100));
    EXPECT_EQ(net.Seuils[0], 0);
}

struct CasLegende {
    const char *nom;
    double facteur;
    const char *unite;
    int mode;
    const char *attendu;
};

void PrintTo(const CasLegende &c, std::ostream *os)
{
    *os << c.nom;
}

class ZonationLegende : public ::testing::TestWithParam<CasLegende> {};

TEST_P(ZonationLegende, share_and_area_of_2500_pixels_of_10000)
{
    const SeparateurTemporaire virgule(QLatin1Char(','));
    const CasLegende &c = GetParam();
    TEchelle e;
    e.Definie = 1;
    e.Mode = static_cast<std::uint8_t>(c.mode);
    e.Facteur = c.facteur;
    e.Unite = QString::fromUtf8(c.unite);
    EXPECT_EQ(LegendeResultatZonation(2500, 10000, e), QString::fromUtf8(c.attendu));
}

INSTANTIATE_TEST_SUITE_P(Cas, ZonationLegende,
                         ::testing::Values(CasLegende{"millimetres", 0.1, "mm", 0, "25 % (25 mm2)"},
                                           CasLegende{"pixels", 1, "pixels", 0, "25 % (2500 pixels)"},
                                           CasLegende{"cartesian_counts_pixels", 0.1, "mm", 1, "25 % (2500 pixels)"}),
                         [](const auto &info) { return std::string(info.param.nom); });

} // namespace

// ---- Boundary strip and zone mode -----------------------------------------


namespace {

TEST(BandeZones, values_follow_positions_and_drags_keep_boundaries_apart)
{
    ModeleZonesV m(510); // two pixels a unit once the amplitude is 255
    m.DefinirNombre(4);
    m.DefinirAmplitude(255);
    m.DefinirValeur(1, 64);
    EXPECT_EQ(m.Position(1), 128);
    m.DefinirValeur(2, 128);
    EXPECT_DOUBLE_EQ(m.Valeur(2), 128);

    EXPECT_FALSE(m.Appui(200)); // no boundary within 3 pixels
    ASSERT_TRUE(m.Appui(257));  // boundary 2 at 256
    EXPECT_FALSE(m.Deplacement(128)); // onto boundary 1: refused
    EXPECT_TRUE(m.Deplacement(300));
    EXPECT_EQ(m.Relachement(), std::optional<int>(2));
    EXPECT_DOUBLE_EQ(m.Valeur(2), 150);
    EXPECT_FALSE(m.Relachement().has_value());

    EXPECT_FALSE(m.DefinirLargeur(41)); // not above 4 × 10 + 1
    EXPECT_TRUE(m.DefinirLargeur(42));
}

TEST(ZonesDocument, ok_keeps_the_painting_redo_gives_it_back_and_the_end_drops_it)
{
    ImageDocument d;
    d.image = Remplie(10, 10, qRgb(1, 2, 3));
    DebutZones(d);
    EXPECT_TRUE(d.etatDessin.ModeZones);
    EXPECT_EQ(d.outilCourant, 0);
    d.couleurZonation = qRgb(255, 0, 0);
    d.coucheProvisoire.setPixel(4, 4, qRgba(9, 9, 9, 255));
    const QImage peinture = ValiderZones(d);
    EXPECT_EQ(peinture.pixel(4, 4), qRgb(255, 0, 0));
    d.coucheDessin.fill(0u); // as a growth would repaint it
    RefaireZones(d);
    EXPECT_EQ(d.coucheDessin.pixel(4, 4), qRgb(255, 0, 0));
    FinZones(d, ContexteDessin{});
    EXPECT_FALSE(d.etatDessin.ModeZones);
    EXPECT_EQ(d.outilCourant, ImageDocument::OutilMesure);
    EXPECT_EQ(qAlpha(d.coucheDessin.pixel(4, 4)), 0);
}

} // namespace

namespace {

TEST(ClassesColorierGrandeImage, rows_shared_between_cores_are_all_painted_by_the_rule)
{
    // 2100 × 2100 × 4 bytes passes the size at which rows are shared.
    QImage image(2100, 2100, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *l = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            l[x] = qRgb(0, 0, (x + y) % 256);
    }
    ClassesCouleurs c = Classes(4);
    MemeLargeur(c);
    Colorier(c, image);
    int faux = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int b = (x + y) % 256;
            const int j = b >= 191 ? 3 : b >= 128 ? 2 : b >= 64 ? 1 : 0;
            faux += image.pixel(x, y) != (c.CouleursClasses[static_cast<std::size_t>(j)] | 0xFF000000u);
        }
    EXPECT_EQ(faux, 0);
}

} // namespace
