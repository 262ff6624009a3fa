// What the status bar and the decoding panel show for the pixel under the
// pointer, and the mean colour picked from a rectangle of the image.

#include "calibration/couleur_moyenne.h"
#include "calibration/lecture_pixel.h"

#include <QImage>

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CasRvbls {
    const char *nom;
    int r, g, b;
    const char *texte;
};

void PrintTo(const CasRvbls &c, std::ostream *os)
{
    *os << c.nom;
}

const CasRvbls kCasRvbls[] = {
    {"orange", 255, 128, 0, "RVBLS:255,128,0,383,255"},
    {"noir", 0, 0, 0, "RVBLS:0,0,0,0,0"},
    {"blanc", 255, 255, 255, "RVBLS:255,255,255,765,0"},
    // (100 - 50) * 255 / 100 = 127,5: the half goes to the even 128.
    {"demi_vers_pair", 100, 50, 50, "RVBLS:100,50,50,200,128"},
    {"gris_fonce", 1, 1, 1, "RVBLS:1,1,1,3,0"},
};

class TexteRVBLSCas : public ::testing::TestWithParam<CasRvbls> {};

TEST_P(TexteRVBLSCas, gives_components_sum_and_saturation)
{
    EXPECT_EQ(TexteRVBLS(GetParam().r, GetParam().g, GetParam().b), QString::fromLatin1(GetParam().texte));
}

INSTANTIATE_TEST_SUITE_P(Pixels, TexteRVBLSCas, ::testing::ValuesIn(kCasRvbls),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST(TexteXY, names_both_coordinates)
{
    EXPECT_EQ(TexteXY(12, 40), QStringLiteral("X:12;Y:40"));
}

TEST(SignatureDeCouleur, default_code_reads_channels_from_blue_green_red)
{
    const SignatureSpectrale s = SignatureDeCouleur(CodeParDefaut(), 10, 20, 30);
    EXPECT_EQ(s.valeurs, (std::array<int, 3>{30, 20, 10}));
    // 30/4 = 7,5 and 10/4 = 2,5: halves go to the even neighbour.
    EXPECT_EQ(s.hauteurs, (std::array<int, 3>{8, 5, 2}));
}

TEST(SignatureDeCouleur, channel_range_maps_component_0_and_255_to_its_bounds)
{
    TCodeCouleur c = CodeParDefaut();
    c.MiniC[0] = -20;
    c.MaxiC[0] = 40;
    EXPECT_EQ(SignatureDeCouleur(c, 0, 0, 255).valeurs[0], 40);
    EXPECT_EQ(SignatureDeCouleur(c, 0, 0, 0).valeurs[0], -20);
    EXPECT_EQ(SignatureDeCouleur(c, 0, 0, 128).valeurs[0], 10); // 10,12
}

TEST(SignatureDeCouleur, bars_scale_to_the_largest_maximum_and_stay_on_the_panel)
{
    TCodeCouleur c = CodeParDefaut();
    c.MaxiC = {1000, 500, 255};
    const SignatureSpectrale s = SignatureDeCouleur(c, 255, 255, 255);
    EXPECT_EQ(s.valeurs, (std::array<int, 3>{1000, 500, 255}));
    // 1000/4*255/1000 = 63,75; 500/4*255/1000 = 31,875; 255/4*255/1000 = 16,26
    EXPECT_EQ(s.hauteurs, (std::array<int, 3>{64, 32, 16}));

    c.MiniC = {-500, 0, 0};
    c.MaxiC = {0, 0, 0};
    const SignatureSpectrale nul = SignatureDeCouleur(c, 0, 0, 0);
    EXPECT_EQ(nul.hauteurs, (std::array<int, 3>{0, 0, 0}));
}

TEST(SignatureDeCanaux, shows_the_channel_bytes)
{
    const SignatureSpectrale s = SignatureDeCanaux({255, 4, 0});
    EXPECT_EQ(s.valeurs, (std::array<int, 3>{255, 4, 0}));
    EXPECT_EQ(s.hauteurs, (std::array<int, 3>{64, 1, 0}));
}

class CouleurMoyenneImage : public ::testing::Test {
protected:
    // Red 2, 3 / 10, 20 on the first two rows, green 7 everywhere, blue 255.
    QImage image{3, 2, QImage::Format_ARGB32};
    void SetUp() override
    {
        const int rouges[2][3] = {{2, 3, 100}, {10, 20, 200}};
        for (int y = 0; y < 2; ++y) {
            auto *l = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < 3; ++x)
                l[x] = qRgb(rouges[y][x], 7, 255);
        }
    }
};

TEST_F(CouleurMoyenneImage, includes_both_corners_in_any_order)
{
    // (2 + 3) / 2 = 2,5 goes to the even 2.
    EXPECT_EQ(CouleurMoyenne(image, QPoint(1, 0), QPoint(0, 0)), CouleurRvb(2, 7, 255));
    // (2 + 3 + 10 + 20) / 4 = 8,75.
    EXPECT_EQ(CouleurMoyenne(image, QPoint(1, 1), QPoint(0, 0)), CouleurRvb(9, 7, 255));
}

TEST_F(CouleurMoyenneImage, clips_the_rectangle_to_the_image)
{
    EXPECT_EQ(CouleurMoyenne(image, QPoint(2, -5), QPoint(9, 9)), CouleurRvb(150, 7, 255));
    EXPECT_FALSE(CouleurMoyenne(image, QPoint(5, 5), QPoint(9, 9)).has_value());
}

TEST_F(CouleurMoyenneImage, reads_other_formats_too)
{
    const QImage rgb888 = image.convertToFormat(QImage::Format_RGB888);
    EXPECT_EQ(CouleurMoyenne(rgb888, QPoint(0, 0), QPoint(2, 1)), CouleurRvb(56, 7, 255));
}

} // namespace

namespace {

TCodeCouleur ArcEnCielBVR()
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageArcEnCiel;
    c.ValeurMin = 0;
    c.ValeurMax = 1020;
    return c;
}

TEST(LireDecodage, an_undefined_code_shows_no_scale)
{
    EXPECT_EQ(LireDecodage(CodeInitial(), PixelLu{1, 2, 3}).vue, LectureDecodage::Vue::PasDEchelle);
}

TEST(LireDecodage, three_channels_show_the_signature_of_the_displayed_colour)
{
    const LectureDecodage l = LireDecodage(CodeParDefaut(), PixelLu{10, 20, 30});
    EXPECT_EQ(l.vue, LectureDecodage::Vue::Signature);
    EXPECT_EQ(l.signature.valeurs, (std::array<int, 3>{30, 20, 10}));
}

TEST(LireDecodage, a_multichannel_document_shows_its_channel_bytes)
{
    PixelLu p{255, 255, 255, true, {7, 200, 0}};
    const LectureDecodage signature = LireDecodage(CodeParDefaut(), p);
    EXPECT_EQ(signature.signature.valeurs, (std::array<int, 3>{7, 200, 0}));
    const LectureDecodage valeur = LireDecodage(ArcEnCielBVR(), p);
    EXPECT_EQ(valeur.vue, LectureDecodage::Vue::Valeur);
    EXPECT_TRUE(valeur.valeur.decodable);
    EXPECT_EQ(valeur.valeur.texte, QStringLiteral("7"));
}

TEST(LireDecodage, a_scale_kind_decodes_the_displayed_colour)
{
    const LectureDecodage l = LireDecodage(ArcEnCielBVR(), PixelLu{255, 255, 0});
    EXPECT_EQ(l.vue, LectureDecodage::Vue::Valeur);
    EXPECT_EQ(l.valeur.texte, QStringLiteral("765"));
    EXPECT_FALSE(LireDecodage(ArcEnCielBVR(), PixelLu{9, 9, 9}).valeur.decodable);
}

} // namespace
