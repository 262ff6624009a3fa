// Recolouring puts a picture in line with its code. Expected pixels are worked
// by hand: for blue → yellow the grey 128 gives t = (127/255 + 2 × 128/255) / 3
// = 0,5007, so R = G = Round(127,67) = 128 and B = 255 − 128 = 127.

#include "calibration/decodage_couleur.h"
#include "calibration/recoloration.h"
#include "commun/erreur.h"
#include "support/codes_essai.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdlib>
#include <ostream>
#include <random>

namespace {

TCodeCouleur ArcEnCielBvr(bool logarithmique = false)
{
    return code_essai::ArcEnCiel(0, 1, 100, logarithmique); // order 0: "&Bleu-Vert-Rouge"
}

TCodeCouleur DeuxCouleurs(CouleurWin mini, CouleurWin maxi)
{
    return code_essai::DeuxCouleurs(mini, maxi, 0, 10);
}

TCodeCouleur Tableau()
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageTableau;
    c.NbCouleurs = 4;
    c.CouleurTable = {CouleurRvb(200, 100, 50), CouleurRvb(255, 0, 0), CouleurRvb(0, 0, 255), CouleurRvb(0, 255, 0)};
    return c;
}

QRgb Un(QImage image)
{
    return image.pixel(0, 0);
}

QImage Pixel(QRgb c)
{
    QImage image(1, 1, QImage::Format_ARGB32);
    image.fill(c);
    return image;
}

struct CasAlignement {
    const char *nom;
    TCodeCouleur code;
    QRgb avant;
    QRgb apres;
};

void PrintTo(const CasAlignement &c, std::ostream *os)
{
    *os << c.nom;
}

class AlignementTeintes : public ::testing::TestWithParam<CasAlignement> {};

TEST_P(AlignementTeintes, snaps_the_pixel_onto_the_code)
{
    const CasAlignement &c = GetParam();
    QImage image = Pixel(c.avant);
    AlignerTeintes(c.code, image);
    EXPECT_EQ(Un(image), c.apres) << std::hex << Un(image);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, AlignementTeintes,
    ::testing::Values(
        CasAlignement{"rainbow_near_red_moves_onto_the_path", ArcEnCielBvr(), qRgb(250, 120, 5), qRgb(255, 120, 0)},
        CasAlignement{"rainbow_dark_becomes_black", ArcEnCielBvr(), qRgb(60, 20, 15), qRgb(0, 0, 0)},
        CasAlignement{"rainbow_light_becomes_white", ArcEnCielBvr(), qRgb(230, 230, 210), qRgb(255, 255, 255)},
        CasAlignement{"rainbow_grey_stays", ArcEnCielBvr(), qRgb(128, 128, 128), qRgb(128, 128, 128)},
        CasAlignement{"rainbow_near_cyan_keeps_its_green_position", ArcEnCielBvr(), qRgb(4, 100, 250),
                      qRgb(0, 100, 255)},
        CasAlignement{"two_colours_grey_lands_half_way", DeuxCouleurs(CouleurRvb(0, 0, 255), CouleurRvb(255, 255, 0)),
                      qRgb(128, 128, 128), qRgb(128, 128, 127)},
        CasAlignement{"two_colours_black_to_red_uses_the_red_component",
                      DeuxCouleurs(CouleurRvb(0, 0, 0), CouleurRvb(255, 0, 0)), qRgb(100, 40, 60), qRgb(100, 0, 0)},
        CasAlignement{"table_within_ten_takes_the_entry", Tableau(), qRgb(205, 95, 59), qRgb(200, 100, 50)},
        CasAlignement{"table_ten_away_is_not_a_match", Tableau(), qRgb(210, 100, 50), qRgb(210, 100, 50)},
        CasAlignement{"table_pure_red_catches_near_red", Tableau(), qRgb(250, 3, 4), qRgb(255, 0, 0)},
        CasAlignement{"table_unmatched_dark_becomes_black", Tableau(), qRgb(10, 9, 10), qRgb(0, 0, 0)},
        CasAlignement{"table_unmatched_light_becomes_white", Tableau(), qRgb(220, 220, 220), qRgb(255, 255, 255)}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(AlignementTeintesRefus, three_channel_code_and_equal_colours_are_refused_and_leave_the_picture)
{
    QImage image = Pixel(qRgb(10, 20, 30));
    EXPECT_THROW(AlignerTeintes(CodeParDefaut(), image), ErreurKaptori);
    EXPECT_THROW(AlignerTeintes(DeuxCouleurs(CouleurRvb(9, 9, 9), CouleurRvb(9, 9, 9)), image), ErreurKaptori);
    EXPECT_EQ(Un(image), qRgb(10, 20, 30));
}

TEST(AlignementTeintesAlpha, keeps_the_alpha_of_each_pixel)
{
    QImage image = Pixel(qRgba(205, 95, 59, 77));
    AlignerTeintes(Tableau(), image);
    EXPECT_EQ(Un(image), qRgba(200, 100, 50, 77));
}

// Pictures of several sizes, down to one pixel, with pixels near the entries
// of a full 16-entry table (overlapping entries included) and anywhere,
// against the table rule worked out pixel by pixel.
TEST(AlignementTeintesTableau, every_pixel_of_any_size_follows_the_rule)
{
    std::mt19937 alea(5);
    TCodeCouleur code = Tableau();
    code.NbCouleurs = MaxEntreesTableau;
    std::array<std::array<int, 3>, MaxEntreesTableau> entrees{};
    for (std::size_t e = 0; e < entrees.size(); ++e) {
        // Entries 8 and up sit within 10 of entries 0..7: the later one wins.
        entrees[e] = e < 8 ? std::array<int, 3>{static_cast<int>(alea() % 256), static_cast<int>(alea() % 256),
                                                static_cast<int>(alea() % 256)}
                           : std::array<int, 3>{std::min(255, entrees[e - 8][0] + 6), entrees[e - 8][1],
                                                std::max(0, entrees[e - 8][2] - 5)};
        code.CouleurTable[e] = CouleurRvb(entrees[e][0], entrees[e][1], entrees[e][2]);
    }
    const auto regle = [&](QRgb p) {
        const int c[3] = {qRed(p), qGreen(p), qBlue(p)};
        for (int e = MaxEntreesTableau - 1; e >= 0; --e) {
            const auto &ce = entrees[static_cast<std::size_t>(e)];
            if (std::abs(c[0] - ce[0]) < 10 && std::abs(c[1] - ce[1]) < 10 && std::abs(c[2] - ce[2]) < 10)
                return qRgba(ce[0], ce[1], ce[2], qAlpha(p));
        }
        const int somme = c[0] + c[1] + c[2];
        return somme < 30 ? qRgba(0, 0, 0, qAlpha(p)) : somme > 645 ? qRgba(255, 255, 255, qAlpha(p)) : p;
    };
    for (const QSize taille : {QSize(1, 1), QSize(16, 2), QSize(17, 3), QSize(53, 7)}) {
        QImage image(taille, QImage::Format_ARGB32);
        for (int y = 0; y < taille.height(); ++y)
            for (int x = 0; x < taille.width(); ++x) {
                const auto &ce = entrees[alea() % entrees.size()];
                const auto pres = [&](int v) { return std::clamp(v + static_cast<int>(alea() % 23) - 11, 0, 255); };
                const int a = static_cast<int>(alea() % 256);
                switch (alea() % 4) {
                case 0:
                    image.setPixel(x, y, alea());
                    break;
                case 1:
                    image.setPixel(x, y, qRgba(static_cast<int>(alea() % 12), static_cast<int>(alea() % 12),
                                               static_cast<int>(alea() % 12), a));
                    break;
                default:
                    image.setPixel(x, y, qRgba(pres(ce[0]), pres(ce[1]), pres(ce[2]), a));
                }
            }
        QImage attendue = image.copy();
        for (int y = 0; y < taille.height(); ++y)
            for (int x = 0; x < taille.width(); ++x)
                attendue.setPixel(x, y, regle(image.pixel(x, y)));
        AlignerTeintes(code, image);
        EXPECT_EQ(image, attendue) << taille.width() << " x " << taille.height();
    }
}

struct CasGris {
    const char *nom;
    TCodeCouleur code;
    int gris;
    QRgb apres;
};

void PrintTo(const CasGris &c, std::ostream *os)
{
    *os << c.nom;
}

class MiseEnCouleurs : public ::testing::TestWithParam<CasGris> {};

TEST_P(MiseEnCouleurs, paints_the_grey_level_with_the_scale)
{
    const CasGris &c = GetParam();
    QImage image = Pixel(qRgb(c.gris, c.gris, c.gris));
    ColorerNiveauxGris(c.code, image);
    EXPECT_EQ(Un(image), c.apres) << std::hex << Un(image);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, MiseEnCouleurs,
    ::testing::Values(
        CasGris{"black_to_white_grey_128_stays", DeuxCouleurs(CouleurRvb(0, 0, 0), CouleurRvb(255, 255, 255)), 128,
                qRgb(128, 128, 128)},
        CasGris{"grey_0_takes_the_first_colour", DeuxCouleurs(CouleurRvb(0, 0, 255), CouleurRvb(255, 255, 0)), 0,
                qRgb(0, 0, 255)},
        CasGris{"grey_255_takes_the_last_colour", DeuxCouleurs(CouleurRvb(0, 0, 255), CouleurRvb(255, 255, 0)), 255,
                qRgb(255, 255, 0)},
        CasGris{"logarithmic_rainbow_grey_15_is_green", ArcEnCielBvr(true), 15, qRgb(0, 255, 0)}),
    [](const auto &info) { return std::string(info.param.nom); });

TEST(MiseEnCouleursRefus, table_and_three_channel_codes_are_refused)
{
    QImage image = Pixel(qRgb(40, 40, 40));
    EXPECT_THROW(ColorerNiveauxGris(Tableau(), image), ErreurKaptori);
    EXPECT_THROW(ColorerNiveauxGris(CodeParDefaut(), image), ErreurKaptori);
    EXPECT_EQ(Un(image), qRgb(40, 40, 40));
}

} // namespace
