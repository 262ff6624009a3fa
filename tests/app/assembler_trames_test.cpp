// Frames of a device become one picture: each depth and format gives the
// pixels a worked example expects, padding is skipped, and frames whose
// parameters do not hold are refused before anything is allocated.

#include "app/assembler_trames.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ostream>

namespace {

QByteArray Octets(std::initializer_list<int> valeurs)
{
    QByteArray b;
    for (int v : valeurs)
        b.append(char(v));
    return b;
}

// 16-bit samples in the machine's byte order.
QByteArray Mots(std::initializer_list<int> valeurs)
{
    QByteArray b;
    for (int v : valeurs) {
        const auto m = std::uint16_t(v);
        b.append(reinterpret_cast<const char *>(&m), 2);
    }
    return b;
}

ParametresTrame P(FormatTrame f, int bpl, int ppl, int lignes, int profondeur, bool derniere = true)
{
    return {f, derniere, bpl, ppl, lignes, profondeur};
}

struct CasImage {
    const char *nom;
    std::vector<Trame> trames;
    int largeur;
    std::vector<QRgb> pixels; // row by row
};

void PrintTo(const CasImage &c, std::ostream *os)
{
    *os << c.nom;
}

class AssemblageTrames : public ::testing::TestWithParam<CasImage> {};

TEST_P(AssemblageTrames, DonneLesPixelsAttendus)
{
    const CasImage &c = GetParam();
    const QImage image = AssemblerTrames(c.trames);
    ASSERT_EQ(image.width(), c.largeur);
    ASSERT_EQ(std::size_t(image.width() * image.height()), c.pixels.size());
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            EXPECT_EQ(image.pixel(x, y), c.pixels[std::size_t(y * c.largeur + x)]) << "pixel " << x << ", " << y;
}

constexpr QRgb N = 0xFF000000, B = 0xFFFFFFFF;

INSTANTIATE_TEST_SUITE_P(
    Formats, AssemblageTrames,
    ::testing::Values(
        CasImage{"gris 8 bits, un octet de remplissage par ligne",
                 {{P(FormatTrame::Gris, 3, 2, 2, 8), Octets({0, 128, 99, 255, 7, 99})}},
                 2,
                 {N, 0xFF808080, B, 0xFF070707}},
        CasImage{"gris 16 bits arrondis au plus proche de v / 257",
                 {{P(FormatTrame::Gris, 8, 4, 1, 16), Mots({65535, 128, 129, 257 * 100})}},
                 4,
                 {B, N, 0xFF010101, 0xFF646464}},
        CasImage{"gris 1 bit : un bit posé est noir, les bits après les pixels ignorés",
                 {{P(FormatTrame::Gris, 2, 10, 1, 1), Octets({0b10100000, 0b01111111})}},
                 10,
                 {N, B, N, B, B, B, B, B, B, N}},
        CasImage{"RVB 8 bits",
                 {{P(FormatTrame::Rvb, 7, 2, 1, 8), Octets({255, 0, 0, 10, 20, 30, 99})}},
                 2,
                 {0xFFFF0000, 0xFF0A141E}},
        CasImage{"RVB 16 bits",
                 {{P(FormatTrame::Rvb, 6, 1, 1, 16), Mots({65535, 257 * 3, 0})}},
                 1,
                 {0xFFFF0300}},
        CasImage{"RVB 1 bit : un bit posé est la pleine intensité",
                 {{P(FormatTrame::Rvb, 2, 3, 1, 1), Octets({0b10001111, 0b10000000})}},
                 3,
                 {0xFFFF0000, 0xFF00FFFF, B}},
        CasImage{"trois passages rouge, vert, bleu",
                 {{P(FormatTrame::Rouge, 2, 2, 1, 8, false), Octets({255, 1})},
                  {P(FormatTrame::Vert, 2, 2, 1, 8, false), Octets({0, 2})},
                  {P(FormatTrame::Bleu, 2, 2, 1, 8), Octets({0, 3})}},
                 2,
                 {0xFFFF0000, 0xFF010203}},
        CasImage{"trois passages dans un autre ordre, en 1 bit",
                 {{P(FormatTrame::Bleu, 1, 2, 1, 1, false), Octets({0b01000000})},
                  {P(FormatTrame::Rouge, 1, 2, 1, 1, false), Octets({0b10000000})},
                  {P(FormatTrame::Vert, 1, 2, 1, 1), Octets({0b00000000})}},
                 2,
                 {0xFFFF0000, 0xFF0000FF}},
        CasImage{"hauteur inconnue : les lignes reçues",
                 {{P(FormatTrame::Gris, 1, 1, -1, 8), Octets({1, 2, 3})}},
                 1,
                 {0xFF010101, 0xFF020202, 0xFF030303}},
        CasImage{"octets au-delà de la hauteur annoncée ignorés",
                 {{P(FormatTrame::Gris, 1, 1, 1, 8), Octets({9, 200, 200})}},
                 1,
                 {0xFF090909}}));

struct CasRefus {
    const char *nom;
    std::vector<Trame> trames;
    const char *extrait; // part of the French message
};

void PrintTo(const CasRefus &c, std::ostream *os)
{
    *os << c.nom;
}

class RefusTrames : public ::testing::TestWithParam<CasRefus> {};

TEST_P(RefusTrames, SontRefuseesAvecUnMessageFrancais)
{
    const CasRefus &c = GetParam();
    try {
        (void)AssemblerTrames(c.trames);
        FAIL() << "aucune erreur";
    } catch (const ErreurAcquisition &e) {
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.extrait))) << e.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Parametres, RefusTrames,
    ::testing::Values(
        CasRefus{"aucune trame", {}, "aucune image"},
        CasRefus{"octets par ligne trop peu nombreux pour les pixels",
                 {{P(FormatTrame::Rvb, 5, 2, 1, 8), QByteArray(5, 0)}},
                 "5 octets par ligne pour 2 pixels qui en demandent 6"},
        CasRefus{"octets manquants", {{P(FormatTrame::Gris, 4, 4, 3, 8), QByteArray(11, 0)}}, "11 octets reçus sur les 12"},
        CasRefus{"ligne incomplète d'une hauteur inconnue",
                 {{P(FormatTrame::Gris, 4, 4, -1, 8), QByteArray(6, 0)}},
                 "pas des lignes entières"},
        CasRefus{"largeur au-delà de 32767", {{P(FormatTrame::Gris, 40000, 40000, 1, 8), {}}}, "hors des limites"},
        CasRefus{"plus de 400 millions de pixels", {{P(FormatTrame::Gris, 30000, 30000, 30000, 8), {}}}, "hors des limites"},
        CasRefus{"profondeur de 4 bits", {{P(FormatTrame::Gris, 1, 2, 1, 4), QByteArray(1, 0)}}, "4 bits"},
        CasRefus{"remplissage démesuré", {{P(FormatTrame::Gris, 1 << 30, 1, 1, 8), {}}}, "trop de remplissage"},
        CasRefus{"passages de tailles différentes",
                 {{P(FormatTrame::Rouge, 2, 2, 1, 8, false), QByteArray(2, 0)},
                  {P(FormatTrame::Vert, 1, 1, 1, 8), QByteArray(1, 0)}},
                 "même taille"},
        CasRefus{"image grise suivie d'un passage",
                 {{P(FormatTrame::Gris, 1, 1, 1, 8), QByteArray(1, 0)}, {P(FormatTrame::Rouge, 1, 1, 1, 8), QByteArray(1, 0)}},
                 "plusieurs parties"}));

TEST(AssemblageParMorceaux, DesLignesCoupeesEntreDeuxLecturesDonnentLaMemeImage)
{
    // Three lines of 2 RGB pixels and 2 padding bytes, the last line given
    // beyond the announced height.
    const ParametresTrame p = P(FormatTrame::Rvb, 8, 2, 2, 8);
    const QByteArray octets = Octets({1, 2, 3, 4, 5, 6, 0, 0, 7, 8, 9, 10, 11, 12, 0, 0, 99, 99, 99, 99, 99, 99, 0, 0});
    const QImage entiere = AssemblerTrames({{p, octets}});
    for (int morceau : {1, 3, 5, 7}) {
        AssembleurTrames a;
        a.Debuter(p);
        for (qsizetype i = 0; i < octets.size(); i += morceau)
            a.Ajouter(reinterpret_cast<const uchar *>(octets.constData()) + i, std::min<qsizetype>(morceau, octets.size() - i));
        a.Terminer();
        ASSERT_TRUE(a.Complete());
        EXPECT_EQ(a.Image(), entiere) << "morceaux de " << morceau;
    }
    EXPECT_EQ(entiere.pixel(1, 1), 0xFF0A0B0Cu);
}

TEST(AssemblageParMorceaux, DesLignesRvbLonguesDonnentChaquePixel)
{
    // Lines of 11 pixels (several worked at once, and a rest) and 3 padding
    // bytes; every sample differs.
    const int largeur = 11, hauteur = 3, bpl = 3 * largeur + 3;
    QByteArray octets;
    for (int y = 0; y < hauteur; ++y) {
        for (int x = 0; x < largeur; ++x)
            for (int c = 0; c < 3; ++c)
                octets.append(char(7 * x + 80 * y + c));
        octets.append(3, char(0xEE));
    }
    const QImage image = AssemblerTrames({{P(FormatTrame::Rvb, bpl, largeur, hauteur, 8), octets}});
    ASSERT_EQ(image.size(), QSize(largeur, hauteur));
    for (int y = 0; y < hauteur; ++y)
        for (int x = 0; x < largeur; ++x)
            EXPECT_EQ(image.pixel(x, y), qRgb(7 * x + 80 * y, 7 * x + 80 * y + 1, 7 * x + 80 * y + 2))
                << "pixel " << x << ", " << y;
}

TEST(AssemblageParMorceaux, UneGrandeImageNeGardeRienDeLaPrecedente)
{
    // Large enough for its memory to come back from the picture before it.
    const int cote = 2100;
    {
        const QByteArray blanc(cote * cote * 3, char(0xFF));
        EXPECT_EQ(AssemblerTrames({{P(FormatTrame::Rvb, 3 * cote, cote, cote, 8), blanc}}).pixel(5, 5), 0xFFFFFFFFu);
    }
    const QByteArray rouge(cote * cote, char(0x40));
    const QImage image = AssemblerTrames({{P(FormatTrame::Rouge, cote, cote, cote, 8), rouge}});
    EXPECT_EQ(image.pixel(0, 0), qRgb(0x40, 0, 0));
    EXPECT_EQ(image.pixel(cote - 1, cote - 1), qRgb(0x40, 0, 0));
}

TEST(AssemblageParMorceaux, UnPassageAnnonceNonTermineNeDonnePasDImage)
{
    AssembleurTrames a;
    a.Debuter(P(FormatTrame::Rouge, 1, 1, 2, 8, false));
    a.Ajouter(reinterpret_cast<const uchar *>("\x10"), 1);
    EXPECT_THROW(a.Terminer(), ErreurAcquisition);
    EXPECT_FALSE(a.Complete());
}

TEST(LignesAcquises, UneHauteurInconnueAuDelaDeLaLimiteEstRefusee)
{
    const ParametresTrame p = P(FormatTrame::Gris, 1, 1, -1, 8);
    EXPECT_EQ(LignesDeTrame(p, kCoteMaxAcquisition), kCoteMaxAcquisition);
    EXPECT_THROW((void)LignesDeTrame(p, kCoteMaxAcquisition + 1), ErreurAcquisition);
}

} // namespace
