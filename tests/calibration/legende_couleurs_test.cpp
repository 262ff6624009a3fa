// The key of a colour code is laid out for a nominal height a and stretched
// by f = H / a. Expected positions are worked by hand from the layout: the
// heading at Round(8f), the quantity at Round(48f), the ramp at Round(88f)
// (the table at Round(84f)), rows of 16, 15 or 14 pixels for a table.

#include "calibration/legende_couleurs.h"
#include "commun/nombres.h"

#include <QFontMetrics>
#include <QImage>

#include <gtest/gtest.h>

#include <ostream>

namespace {

TCodeCouleur ArcEnCiel()
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageArcEnCiel;
    c.CouleurDebut = CouleurRvb(0, 0, 255);
    c.CouleurMilieu = CouleurRvb(0, 255, 0);
    c.CouleurFin = CouleurRvb(255, 0, 0);
    c.ValeurMin = 0;
    c.ValeurMax = 100;
    c.Grandeur = QStringLiteral("Altitude");
    c.UniteCode = QStringLiteral("m");
    return c;
}

TCodeCouleur Tableau(int n, const QString &libelle = QStringLiteral("a"))
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageTableau;
    c.NbCouleurs = n;
    for (int e = 0; e < n; ++e) {
        c.CouleurTable[static_cast<std::size_t>(e)] = CouleurRvb(10 * e, 200 - 10 * e, 50);
        c.Libelle[static_cast<std::size_t>(e)] = libelle;
    }
    return c;
}

QRgb Rvb(CouleurWin c)
{
    return qRgb(RougeWin(c), VertWin(c), BleuWin(c));
}

struct CasDisposition {
    const char *nom;
    TCodeCouleur code;
    int hauteurImage;
    int largeur, hauteur, f, yTitre, yGrandeur, yRampe;
};

void PrintTo(const CasDisposition &c, std::ostream *os)
{
    *os << c.nom;
}

class DispositionLegende : public ::testing::TestWithParam<CasDisposition> {};

TEST_P(DispositionLegende, size_and_positions_follow_the_stretch)
{
    const CasDisposition &c = GetParam();
    const LegendeCouleurs l = ComposerLegendeCouleurs(c.code, c.hauteurImage);
    EXPECT_EQ(l.image.width(), c.largeur);
    EXPECT_EQ(l.image.height(), c.hauteur);
    EXPECT_DOUBLE_EQ(l.f, c.f);
    EXPECT_EQ(l.yTitre, c.yTitre);
    EXPECT_EQ(l.yGrandeur, c.yGrandeur);
    EXPECT_EQ(l.yRampe, c.yRampe);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, DispositionLegende,
    ::testing::Values(CasDisposition{"rainbow_on_480_rows_doubles", ArcEnCiel(), 480, 75, 480, 2, 16, 96, 176},
                      CasDisposition{"rainbow_on_150_rows_keeps_240", ArcEnCiel(), 150, 75, 240, 1, 8, 48, 88},
                      CasDisposition{"sixteen_entries_on_300_rows_use_rows_of_14", Tableau(16), 300, 75, 316, 1, 8, 48,
                                     84}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(LegendeCouleursRampe, the_rainbow_ramp_keeps_145_rows_with_its_first_colour_at_the_bottom)
{
    const LegendeCouleurs l = ComposerLegendeCouleurs(ArcEnCiel(), 480);
    EXPECT_EQ(l.image.pixel(16, 176 + 144), qRgb(0, 0, 255));
    EXPECT_EQ(qRed(l.image.pixel(16, 176)), 255); // near the end of the last stretch
    EXPECT_EQ(qBlue(l.image.pixel(16, 176)), 0);
    EXPECT_EQ(l.image.pixel(16, 175), qRgb(255, 255, 255));
    EXPECT_EQ(l.image.pixel(16, 176 + 145), qRgb(255, 255, 255));
}

TEST(LegendeCouleursTableau, the_first_entry_is_in_the_bottom_row)
{
    const TCodeCouleur code = Tableau(16);
    const LegendeCouleurs l = ComposerLegendeCouleurs(code, 300);
    ASSERT_EQ(l.hauteurLigne, 14);
    const int z = 84;
    EXPECT_EQ(l.image.pixel(16, z + 15 * 14 + 7), Rvb(code.CouleurTable[0]));
    EXPECT_EQ(l.image.pixel(16, z + 7), Rvb(code.CouleurTable[15]));
}

TEST(LegendeCouleursTableau, a_label_wider_than_45_pixels_widens_the_key_to_its_width_plus_30)
{
    QImage mesure(1, 1, QImage::Format_ARGB32);
    const QFontMetrics fm(PoliceLegendeCouleurs(), &mesure);
    // Grow a label until it is 80 pixels wide (or just over).
    QString libelle;
    while (fm.horizontalAdvance(libelle) < 80)
        libelle += QLatin1Char('m');
    const int largeur = fm.horizontalAdvance(libelle);
    EXPECT_EQ(ComposerLegendeCouleurs(Tableau(4, libelle), 400).image.width(), largeur + 30);
    EXPECT_EQ(ComposerLegendeCouleurs(Tableau(4, QStringLiteral("ab")), 400).image.width(), 75);
}

TEST(LegendeCouleursTableau, sixteen_long_labels_on_a_10_pixel_image_are_laid_out)
{
    const LegendeCouleurs l = ComposerLegendeCouleurs(Tableau(16, QString(20, QLatin1Char('W'))), 10);
    EXPECT_EQ(l.hauteurLigne, 14);
    EXPECT_EQ(l.image.height(), 316);
    EXPECT_GT(l.image.width(), 75);
}

TEST(LegendeCouleursFont, the_narrow_font_is_installed)
{
    const QFontInfo info(PoliceLegendeCouleurs());
    EXPECT_EQ(info.family(), QStringLiteral("Liberation Sans Narrow"));
}

} // namespace

namespace {

TEST(LegendeCouleursGraduations, a_logarithmic_code_labels_its_ticks_by_powers)
{
    TCodeCouleur code = ArcEnCiel();
    code.ValeurMin = 1;
    code.ValeurMax = 10000;
    code.Logarithmique = true;
    const std::array<QString, 5> attendu{QStringLiteral("1"), QStringLiteral("10"), QStringLiteral("100"),
                                         QStringLiteral("1000"), QStringLiteral("1E4")};
    EXPECT_EQ(TextesGraduations(code), attendu);
    code.Logarithmique = false;
    EXPECT_EQ(TextesGraduations(code)[2], QStringLiteral("5001")); // 5000,5 at 4 digits
    code.Logarithmique = true;
    code.ValeurMin = 0;
    EXPECT_EQ(TextesGraduations(code)[2], QString());
}

} // namespace
