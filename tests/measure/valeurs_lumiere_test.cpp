// The light values of a mean colour as the light window shows them: the
// quantity table worked by hand (128 / 255 = 50,196 %, log10(255 / 128) =
// 0,2993, log10(256) = 2,408, log10(768) = 2,885), the zeros taken per
// quantity, the factors of "&Valeurs RVB", and the mean colours of a
// rectangle and of the coloured zone of a document.

#include "document/image_document.h"
#include "measure/moyenne_lumiere.h"
#include "measure/valeurs_lumiere.h"
#include "support/separateur.h"

#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <ostream>

namespace {

struct CasLumiere {
    const char *nom;
    int r, g, b;
    int grandeur;
    bool pourcent;
    std::array<const char *, 4> nettes; // red, green, blue, global
};

void PrintTo(const CasLumiere &c, std::ostream *os)
{
    *os << c.nom;
}

class QuantitesLumiere : public ::testing::TestWithParam<CasLumiere> {};

TEST_P(QuantitesLumiere, NetValuesOfEachLineMatchTheHandWorkedTable)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    const CasLumiere &c = GetParam();
    ValeursLumiere v;
    v.ChoisirPourcent(c.pourcent);
    v.ChoisirGrandeur(c.grandeur);
    v.Calculer(c.r, c.g, c.b);
    for (int ligne = 0; ligne < 4; ++ligne)
        EXPECT_EQ(v.TexteNet(ligne), QString::fromUtf8(c.nettes[static_cast<std::size_t>(ligne)])) << "ligne " << ligne;
}

INSTANTIATE_TEST_SUITE_P(
    Lumiere, QuantitesLumiere,
    ::testing::Values(CasLumiere{"grey128_intensity", 128, 128, 128, LumiereIntensite, true, {"50,2", "50,2", "50,2", "50,2"}},
                      CasLumiere{"grey128_absorption", 128, 128, 128, LumiereAbsorption, true, {"49,8", "49,8", "49,8", "49,8"}},
                      CasLumiere{"grey128_density", 128, 128, 128, LumiereDO, true, {"0,299", "0,299", "0,299", "0,299"}},
                      CasLumiere{"black_intensity", 0, 0, 0, LumiereIntensite, true, {"0", "0", "0", "0"}},
                      CasLumiere{"black_absorption", 0, 0, 0, LumiereAbsorption, true, {"100", "100", "100", "100"}},
                      CasLumiere{"black_density", 0, 0, 0, LumiereDO, true, {"2,41", "2,41", "2,41", "2,89"}},
                      CasLumiere{"grey128_rgb_values", 128, 128, 128, LumiereIntensite, false, {"128", "128", "128", "384"}},
                      // D.O. carries no factor even with "&Valeurs RVB".
                      CasLumiere{"grey128_density_rgb_values", 128, 128, 128, LumiereDO, false, {"0,299", "0,299", "0,299", "0,299"}},
                      // (255 + 0 + 51) / 765 = 40 %; log10(765 / 306) = 0,398.
                      CasLumiere{"mixed_colour", 255, 0, 51, LumiereDO, true, {"0", "2,41", "0,699", "0,398"}}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(ValeurCouranteLumiere, GlobalLineInRgbValuesIsTheMeanOn255)
{
    ValeursLumiere v;
    v.ChoisirGrandeur(LumiereIntensite);
    v.ChoisirPourcent(false);
    v.ChoisirLigne(LigneGlobale);
    v.Calculer(128, 128, 128);
    EXPECT_NEAR(v.ValeurCourante, 128.0, 1e-9);
    v.ChoisirGrandeur(LumiereDO);
    EXPECT_NEAR(v.ValeurCourante, std::log10(255.0 / 128.0), 1e-12);
}

TEST(ZeroLumiere, AbsorptionZeroOnWhiteLeavesTheIntensityReferences)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    ValeursLumiere v;
    v.ChoisirGrandeur(LumiereIntensite);
    v.Calculer(128, 128, 128);
    v.PrendreZero();
    v.ChoisirGrandeur(LumiereAbsorption);
    v.Calculer(255, 255, 255);
    v.PrendreZero();
    for (std::size_t i = 0; i < 4; ++i) {
        EXPECT_EQ(v.ZerosAbsorption[i], 0.0);
        EXPECT_EQ(v.ZerosDO[i], 0.0);
        EXPECT_NEAR(v.ZerosIntensite[i], 12800.0 / 255.0, 1e-9);
    }
    // White against the grey zero: 100 − 50,196 in intensity.
    v.ChoisirGrandeur(LumiereIntensite);
    EXPECT_EQ(v.TexteNet(LigneRouge), QStringLiteral("49,8"));
    EXPECT_EQ(v.TexteZero(LigneRouge), QStringLiteral("50,2"));
    EXPECT_EQ(v.TexteBrut(LigneRouge), QStringLiteral("100"));
    v.EffacerZero();
    EXPECT_EQ(v.TexteNet(LigneRouge), QStringLiteral("100"));
}

TEST(ZeroLumiere, DensityZeroIsTakenWithTheAbsorptionOne)
{
    ValeursLumiere v;
    v.ChoisirGrandeur(LumiereDO);
    v.ChoisirLigne(LigneGlobale);
    v.Calculer(0, 0, 0);
    v.PrendreZero();
    EXPECT_NEAR(v.ZerosAbsorption[3], 100.0, 1e-9);
    EXPECT_NEAR(v.ZerosDO[3], std::log10(768.0), 1e-12);
    EXPECT_EQ(v.ValeurCourante, 0.0);
}

// A 4 × 3 picture whose pixel (x, y) has red 10x + y, green 2y, blue 255.
QImage Degrade()
{
    QImage image(4, 3, QImage::Format_ARGB32);
    for (int y = 0; y < 3; ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < 4; ++x)
            ligne[x] = qRgb(10 * x + y, 2 * y, 255);
    }
    return image;
}

TEST(RectangleLumiere, BackwardsRectangleGivesTheSameOrderedRectangleAndMean)
{
    ImageDocument a, b;
    a.image = b.image = Degrade();
    const auto m1 = MesurerRectangleLumiere(a, QPoint(1, 0), QPoint(2, 2));
    const auto m2 = MesurerRectangleLumiere(b, QPoint(2, 2), QPoint(1, 0));
    ASSERT_TRUE(m1 && m2);
    EXPECT_EQ(*m1, *m2);
    EXPECT_EQ(a.RectangleLumiere, QRect(1, 0, 2, 3));
    EXPECT_EQ(b.RectangleLumiere, a.RectangleLumiere);
    // Red: (10 + 11 + 12 + 20 + 21 + 22) / 6 = 16; green (0 + 2 + 4) / 3 = 2.
    EXPECT_EQ(RougeWin(*m1), 16);
    EXPECT_EQ(VertWin(*m1), 2);
    EXPECT_EQ(BleuWin(*m1), 255);
}

struct CasRectangle {
    const char *nom;
    std::int64_t x0, y0, x1, y1;
    std::optional<QRect> attendu;
};

void PrintTo(const CasRectangle &c, std::ostream *os)
{
    *os << c.nom;
}

class RectangleCoupe : public ::testing::TestWithParam<CasRectangle> {};

TEST_P(RectangleCoupe, IsCutToTheImage)
{
    const CasRectangle &c = GetParam();
    EXPECT_EQ(RectangleDansImage(c.x0, c.y0, c.x1, c.y1, QSize(4, 3)), c.attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Lumiere, RectangleCoupe,
    ::testing::Values(CasRectangle{"inside", 1, 1, 2, 2, QRect(1, 1, 2, 2)},
                      CasRectangle{"one_pixel", 3, 2, 3, 2, QRect(3, 2, 1, 1)},
                      CasRectangle{"partly_outside", -5, 1, 2, 40, QRect(0, 1, 3, 2)},
                      CasRectangle{"wholly_outside", 4, 0, 9, 2, std::nullopt},
                      CasRectangle{"beyond_32_bits", -2147483648LL, -2147483648LL, 2147483648LL, 2147483647LL,
                                   QRect(0, 0, 4, 3)},
                      CasRectangle{"far_away", INT_MAX, INT_MAX, 2147483648LL, 2147483648LL, std::nullopt}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(RectangleLumiere, OnePixelImage)
{
    ImageDocument d;
    d.image = QImage(1, 1, QImage::Format_ARGB32);
    d.image.fill(qRgb(7, 8, 9));
    const auto m = MesurerRectangleLumiere(d, QPoint(5, 5), QPoint(-3, -1));
    ASSERT_TRUE(m);
    EXPECT_EQ(*m, CouleurRvb(7, 8, 9));
    EXPECT_FALSE(MesurerRectangleLumiere(d, QPoint(2, 0), QPoint(3, 0)));
    EXPECT_EQ(d.RectangleLumiere, QRect(0, 0, 1, 1));
}

class ZoneColoree : public ::testing::Test {
protected:
    ZoneColoree()
    {
        doc_.image = Degrade();
        doc_.CreerCoucheDessin();
        doc_.CreerCoucheProvisoire();
    }
    void Poser(QImage &couche, int x, int y, QRgb p) { reinterpret_cast<QRgb *>(couche.scanLine(y))[x] = p; }
    ImageDocument doc_;
};

TEST_F(ZoneColoree, NothingColouredGivesNothing)
{
    EXPECT_FALSE(MoyenneZoneColoree(doc_));
    ImageDocument sansCouche;
    sansCouche.image = Degrade();
    EXPECT_FALSE(MoyenneZoneColoree(sansCouche));
}

TEST_F(ZoneColoree, CountsPixelsUnderEitherLayerOnceIncludingAlphaOneGaps)
{
    Poser(doc_.coucheDessin, 0, 0, 0xFF00FF00);
    Poser(doc_.coucheProvisoire, 0, 0, 0x80FF0000); // same pixel: counted once
    Poser(doc_.coucheProvisoire, 3, 1, 0x01FFFFFF); // a pattern fill's gap
    Poser(doc_.coucheDessin, 1, 2, 0x00FF0000);     // alpha 0: not coloured
    const auto m = MoyenneZoneColoree(doc_);
    ASSERT_TRUE(m);
    // Red (0 + 31) / 2 = 15,5 rounds to the even 16; green (0 + 2) / 2 = 1.
    EXPECT_EQ(RougeWin(*m), 16);
    EXPECT_EQ(VertWin(*m), 1);
    EXPECT_EQ(BleuWin(*m), 255);
}

} // namespace

namespace {

TEST(SignatureLumiere, BarsAreAQuarterOfEachComponentAndValuesGoThroughTheCode)
{
    TCodeCouleur code;
    code.Definie = 1;
    code.MiniC = {0, 10, -100};
    code.MaxiC = {255, 20, 100};
    const SignatureSpectrale s = SignatureLumiere(code, CouleurRvb(255, 128, 3));
    EXPECT_EQ(s.hauteurs, (std::array<int, 3>{0, 32, 63}));
    // Blue 3 → 3; green 128 × 10 / 255 + 10 = 15,02 → 15; red 255 → 100.
    EXPECT_EQ(s.valeurs, (std::array<int, 3>{3, 15, 100}));
}

} // namespace
