// The band sampling of the intensity profile and the quantities plotted from
// it, checked against counts and values worked out by hand.

#include "document/image_document.h"
#include "measure/profil_intensite.h"
#include "support/images_essai.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>
#include <string>

namespace {

struct CasLongueur {
    std::string nom;
    QPoint a;
    QPoint b;
    EtatProfil etat;
    int n; // last sample index when sampled
};

void PrintTo(const CasLongueur &c, std::ostream *os)
{
    *os << c.nom;
}

class LongueurProfilTest : public ::testing::TestWithParam<CasLongueur> {};

TEST_P(LongueurProfilTest, LineGivesTheExpectedNumberOfSamplesOrIsRefused)
{
    const CasLongueur &c = GetParam();
    const QImage image = ImageUnie(200, 200, 0xFFFFFFFF);
    SommesBande s;
    s.n = -7;
    EXPECT_EQ(EchantillonnerBande(image, c.a, c.b, 0, s), c.etat);
    if (c.etat == EtatProfil::Echantillonne) {
        EXPECT_EQ(s.n, c.n);
        for (const auto &canal : s.canaux)
            EXPECT_EQ(canal.size(), std::size_t(c.n) + 1);
    } else {
        EXPECT_EQ(s.n, -7) << "a refused line leaves the sums alone";
        EXPECT_TRUE(s.canaux[0].empty());
    }
}

INSTANTIATE_TEST_SUITE_P(
    Lignes, LongueurProfilTest,
    ::testing::Values(
        // slope 1/3: n = Round(sqrt(1000)) = Round(31.62)
        CasLongueur{"slope_one_third", {100, 100}, {130, 110}, EtatProfil::Echantillonne, 32},
        // exact diagonal: the vertical branch, n = Round(20 sqrt 2) = Round(28.28)
        CasLongueur{"exact_diagonal", {0, 0}, {20, 20}, EtatProfil::Echantillonne, 28},
        CasLongueur{"ten_by_ten_too_short", {0, 0}, {10, 10}, EtatProfil::LigneTropCourte, 0},
        CasLongueur{"eleven_across", {0, 0}, {11, 0}, EtatProfil::Echantillonne, 11},
        CasLongueur{"eleven_down_reversed", {5, 30}, {5, 19}, EtatProfil::Echantillonne, 11},
        CasLongueur{"longest_allowed", {0, 0}, {65535, 0}, EtatProfil::Echantillonne, 65535},
        CasLongueur{"one_sample_too_many", {0, 0}, {65536, 0}, EtatProfil::LigneTropLongue, 0},
        CasLongueur{"ends_at_int_limits", {-2147483647 - 1, 0}, {2147483647, 5}, EtatProfil::LigneTropLongue, 0},
        CasLongueur{"vertical_int_limits", {3, 2147483647}, {3, -2147483647 - 1}, EtatProfil::LigneTropLongue, 0}),
    [](const auto &info) { return info.param.nom; });

// A picture whose red component is the column and green the row.
QImage Degrade()
{
    QImage image(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ligne[x] = qRgb(x, y, 200);
    }
    return image;
}

TEST(EchantillonnerBandeTest, ReversedHorizontalLineReversesTheCurve)
{
    const QImage image = Degrade();
    SommesBande aller;
    SommesBande retour;
    ASSERT_EQ(EchantillonnerBande(image, {5, 10}, {40, 10}, 2, aller), EtatProfil::Echantillonne);
    ASSERT_EQ(EchantillonnerBande(image, {40, 10}, {5, 10}, 2, retour), EtatProfil::Echantillonne);
    ASSERT_EQ(aller.n, 35);
    ASSERT_EQ(retour.n, 35);
    for (int i = 0; i <= 35; ++i) {
        EXPECT_EQ(aller.canaux[0][std::size_t(i)], 5 * (5 + i)) << i;  // 5 pixels of column 5 + i
        EXPECT_EQ(aller.canaux[1][std::size_t(i)], 8 + 9 + 10 + 11 + 12) << i;
        EXPECT_EQ(retour.canaux[0][std::size_t(i)], aller.canaux[0][std::size_t(35 - i)]) << i;
    }
}

TEST(EchantillonnerBandeTest, SlantedLineStartsAtItsFirstEndInEitherDirection)
{
    const QImage image = Degrade();
    SommesBande aller;
    SommesBande retour;
    ASSERT_EQ(EchantillonnerBande(image, {10, 10}, {50, 30}, 0, aller), EtatProfil::Echantillonne);
    ASSERT_EQ(EchantillonnerBande(image, {50, 30}, {10, 10}, 0, retour), EtatProfil::Echantillonne);
    EXPECT_EQ(aller.canaux[0][0], 10);
    EXPECT_EQ(aller.canaux[1][0], 10);
    EXPECT_EQ(retour.canaux[0][0], 50);
    EXPECT_EQ(retour.canaux[1][0], 30);
    // n = Round(sqrt(40² + 20²)) = Round(44.72); the last sample stops short of the far end.
    EXPECT_EQ(aller.n, 45);
    EXPECT_NEAR(aller.canaux[0][45], 50, 1);
}

TEST(EchantillonnerBandeTest, VerticalBandSpansAcrossColumns)
{
    const QImage image = Degrade();
    SommesBande s;
    ASSERT_EQ(EchantillonnerBande(image, {20, 5}, {20, 30}, 1, s), EtatProfil::Echantillonne);
    EXPECT_EQ(s.n, 25);
    EXPECT_EQ(s.canaux[0][0], 19 + 20 + 21);
    EXPECT_EQ(s.canaux[1][0], 3 * 5);
    EXPECT_EQ(s.canaux[2][7], 3 * 200);
}

TEST(EchantillonnerBandeTest, PixelsOutsideThePictureAddNothing)
{
    const QImage image = ImageUnie(30, 30, 0xFFFFFFFF);
    SommesBande s;
    // Along the top row with a band of 3: the row above is outside.
    ASSERT_EQ(EchantillonnerBande(image, {0, 0}, {20, 0}, 1, s), EtatProfil::Echantillonne);
    EXPECT_EQ(s.canaux[0][0], 2 * 255);
    // A line from far outside: its first samples add nothing at all.
    ASSERT_EQ(EchantillonnerBande(image, {-100, 10}, {20, 10}, 50, s), EtatProfil::Echantillonne);
    EXPECT_EQ(s.canaux[1][0], 0);
    EXPECT_EQ(s.canaux[1][110], 30 * 255);
}

TEST(EchantillonnerBandeTest, TinyPicturesSampleWithoutFault)
{
    SommesBande s;
    ASSERT_EQ(EchantillonnerBande(ImageUnie(1, 1, 0xFF102030), {0, 0}, {0, 40}, 50, s), EtatProfil::Echantillonne);
    EXPECT_EQ(s.canaux[0][0], 0x10);
    EXPECT_EQ(s.canaux[2][1], 0);
    ASSERT_EQ(EchantillonnerBande(ImageUnie(32767, 1, 0xFFFFFFFF), {0, 0}, {32766, 0}, 50, s), EtatProfil::Echantillonne);
    EXPECT_EQ(s.n, 32766);
    EXPECT_EQ(s.canaux[0][32766], 255);
}

// The sampling rule written out pixel by pixel, as the oracle of the sampler.
SommesBande SommesDirectes(const QImage &image, QPoint a, QPoint b, int k)
{
    const auto R = [](double v) { return static_cast<long long>(std::nearbyint(v)); };
    SommesBande s;
    const double dx = double(b.x()) - a.x();
    const double dy = double(b.y()) - a.y();
    const bool h = std::abs(dx) > std::abs(dy);
    const double pente = h ? dy / dx : dx / dy;
    const double c = std::cos(std::atan(pente));
    s.n = int(R(std::abs(h ? dx : dy) / c));
    for (auto &canal : s.canaux)
        canal.assign(std::size_t(s.n) + 1, 0);
    const double d = h ? (b.x() > a.x() ? 1 : -1) : (b.y() > a.y() ? 1 : -1);
    for (int i = 0; i <= s.n; ++i) {
        long long col = 0;
        long long row = 0;
        if (h) {
            const double x = a.x() + d * i * c;
            col = R(x);
            row = R(a.y() + pente * (x - a.x()));
        } else {
            const double y = a.y() + d * i * c;
            row = R(y);
            col = R(a.x() + pente * (y - a.y()));
        }
        std::vector<std::pair<long long, long long>> px{{col, row}};
        for (int j = 1; j <= k; ++j) {
            if (h) {
                px.push_back({R(double(col) - pente * j * c), R(double(row) + j * c)});
                px.push_back({R(double(col) + pente * j * c), R(double(row) - j * c)});
            } else {
                px.push_back({R(double(col) + j * c), R(double(row) - pente * j * c)});
                px.push_back({R(double(col) - j * c), R(double(row) + pente * j * c)});
            }
        }
        for (const auto &[x, y] : px) {
            if (x < 0 || y < 0 || x >= image.width() || y >= image.height())
                continue;
            const QRgb p = reinterpret_cast<const QRgb *>(image.constScanLine(int(y)))[x];
            s.canaux[0][std::size_t(i)] += std::uint16_t(qRed(p));
            s.canaux[1][std::size_t(i)] += std::uint16_t(qGreen(p));
            s.canaux[2][std::size_t(i)] += std::uint16_t(qBlue(p));
        }
    }
    return s;
}

TEST(EchantillonnerBandeTest, SamplerMatchesThePixelByPixelRuleOnManyLines)
{
    QImage image(90, 70, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            ligne[x] = qRgb((x * 7 + y * 3) & 255, (x * x + y) & 255, (x ^ y) & 255);
    }
    unsigned graine = 12345;
    const auto hasard = [&](int n) {
        graine = graine * 1103515245u + 12345u;
        return int((graine >> 8) % unsigned(n));
    };
    for (int essai = 0; essai < 300; ++essai) {
        const QPoint a(hasard(150) - 30, hasard(130) - 30);
        const QPoint b(hasard(150) - 30, hasard(130) - 30);
        const int k = hasard(51);
        SommesBande s;
        if (EchantillonnerBande(image, a, b, k, s) != EtatProfil::Echantillonne)
            continue;
        const SommesBande attendu = SommesDirectes(image, a, b, k);
        ASSERT_EQ(s.n, attendu.n);
        for (int c = 0; c < 3; ++c)
            ASSERT_EQ(s.canaux[std::size_t(c)], attendu.canaux[std::size_t(c)])
                << "line (" << a.x() << "," << a.y() << ")-(" << b.x() << "," << b.y() << ") k=" << k;
    }
}

TEST(EchantillonnerProfilTest, DocumentKeepsTheSumsOfItsLastLine)
{
    ImageDocument doc;
    doc.image = ImageUnie(50, 50, 0xFF808080);
    doc.mesure.pointAppui = {5, 5};
    doc.mesure.pointCourant = {45, 5};
    ASSERT_EQ(EchantillonnerProfil(doc, 1), EtatProfil::Echantillonne);
    EXPECT_EQ(doc.LongueurProfil, 40);
    EXPECT_EQ(doc.SommesProfil[1][40], 3 * 0x80);
    doc.mesure.pointCourant = {8, 8};
    EXPECT_EQ(EchantillonnerProfil(doc, 1), EtatProfil::LigneTropCourte);
    EXPECT_EQ(doc.LongueurProfil, 40) << "a short line changes nothing";
    EXPECT_TRUE(MessageProfil(EtatProfil::LigneTropLongue).contains(QStringLiteral("65536")));
}

struct CasQuantite {
    std::string nom;
    ModeProfil mode;
    int canal;
    std::uint32_t somme;
    int w;
    double attendu;
};

void PrintTo(const CasQuantite &c, std::ostream *os)
{
    *os << c.nom;
}

class QuantiteProfilTest : public ::testing::TestWithParam<CasQuantite> {};

TEST_P(QuantiteProfilTest, BandSumGivesTheQuantityOfItsMode)
{
    const CasQuantite &c = GetParam();
    EXPECT_NEAR(QuantiteProfil(c.mode, c.canal, c.somme, c.w), c.attendu, 5e-4);
}

INSTANTIATE_TEST_SUITE_P(
    Quantites, QuantiteProfilTest,
    ::testing::Values(
        CasQuantite{"white_w3_emission", ModeProfil::Emission, CanalRouge, 765, 3, 100},
        CasQuantite{"white_w3_absorption", ModeProfil::Absorption, CanalVert, 765, 3, 0},
        CasQuantite{"white_w3_do", ModeProfil::DensiteOptique, CanalBleu, 765, 3, 0},
        CasQuantite{"white_w3_all_do", ModeProfil::DensiteOptique, CanalTout, 3 * 765, 3, 0},
        CasQuantite{"black_w3_emission", ModeProfil::Emission, CanalTout, 0, 3, 0},
        CasQuantite{"black_w3_absorption", ModeProfil::Absorption, CanalRouge, 0, 3, 100},
        CasQuantite{"black_w3_do", ModeProfil::DensiteOptique, CanalRouge, 0, 3, 2.884},  // log10(765)
        CasQuantite{"black_w3_all_do", ModeProfil::DensiteOptique, CanalTout, 0, 3, 3.361}, // log10(2295)
        CasQuantite{"width_4_divides_by_4", ModeProfil::Emission, CanalRouge, 3 * 255, 4, 75},
        CasQuantite{"half_grey_do", ModeProfil::DensiteOptique, CanalVert, 51, 1, std::log10(5.0)}),
    [](const auto &info) { return info.param.nom; });

TEST(QuantiteProfilTest2, EvenWidthSamplesOnePixelFewerButDividesByItsWidth)
{
    SommesBande s;
    ASSERT_EQ(EchantillonnerBande(ImageUnie(40, 40, 0xFFFFFFFF), {5, 20}, {30, 20}, (4 - 1) / 2, s),
              EtatProfil::Echantillonne);
    EXPECT_EQ(s.canaux[0][3], 3 * 255);
    EXPECT_DOUBLE_EQ(QuantiteProfil(ModeProfil::Emission, CanalRouge, SommeCanal(s, CanalRouge, 3), 4), 75);
    EXPECT_EQ(SommeCanal(s, CanalTout, 3), 9u * 255);
}

TEST(ValeurAvecZeroTest, ValuesAtOrBelowTheZeroPlotAsZero)
{
    EXPECT_EQ(ValeurAvecZero(20, 20), 0);
    EXPECT_EQ(ValeurAvecZero(12, 20), 0);
    EXPECT_DOUBLE_EQ(ValeurAvecZero(55.5, 20), 35.5);
}

TEST(CalculerConversionTest, ZeroOptionPointAtRow125WithValue50GivesZeroTo75)
{
    const auto c = CalculerConversion(125, 50, LigneBasProfil, 0, ModeProfil::Emission, false, CanalRouge, 1);
    ASSERT_TRUE(c);
    EXPECT_DOUBLE_EQ(c->ConvMin, 0);
    EXPECT_DOUBLE_EQ(c->ConvMax, 75);
    EXPECT_DOUBLE_EQ(c->ConvA, 75.0 / 255);
    EXPECT_DOUBLE_EQ(c->ConvB, 0);
    EXPECT_NEAR(c->ConvA * 255 + c->ConvB, 75, 1e-12);
}

TEST(CalculerConversionTest, TwoPointsCalibrateAbsorptionOnAllChannels)
{
    // Rows 25 and 325 valued 10 and 4: the top reads 10, the bottom 4; in
    // absorption the bottom is the full band sum 765 and the top 0.
    const auto c = CalculerConversion(25, 10, 325, 4, ModeProfil::Absorption, false, CanalTout, 1);
    ASSERT_TRUE(c);
    EXPECT_DOUBLE_EQ(c->ConvMin, 4);
    EXPECT_DOUBLE_EQ(c->ConvMax, 10);
    EXPECT_NEAR(c->ConvA * 765 + c->ConvB, 4, 1e-12);
    EXPECT_NEAR(c->ConvB, 10, 1e-12);
}

TEST(CalculerConversionTest, TwoPointsOnOneRowDefineNoConversion)
{
    EXPECT_FALSE(CalculerConversion(200, 3, 200, 1, ModeProfil::Emission, false, CanalRouge, 1));
}

TEST(SurfaceEntreLimitesTest, LimitsAreClampedToTheSamples)
{
    const std::vector<double> v{1, 2, 3, 4};
    EXPECT_DOUBLE_EQ(SurfaceEntreLimites(v, 1, 2), 5);
    EXPECT_DOUBLE_EQ(SurfaceEntreLimites(v, -5, 99), 10);
    EXPECT_DOUBLE_EQ(SurfaceEntreLimites(v, 3, 1), 0);
}

} // namespace
