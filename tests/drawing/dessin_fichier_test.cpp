// The drawn-element record and the drawing block of the document file, byte
// for byte, against hand-written records.

#include "commun/erreur.h"
#include "drawing/dessin_fichier.h"

#include <QBuffer>
#include <gtest/gtest.h>

#include <ostream>

namespace {

QByteArray Hex(const char *texte)
{
    return QByteArray::fromHex(QByteArray(texte).replace(' ', ""));
}

QByteArray Ecrit(const TDessin &d)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    Ecrire(d, tampon);
    return octets;
}

TDessin Lu(const QByteArray &octets)
{
    QByteArray copie = octets;
    QBuffer tampon(&copie);
    tampon.open(QIODevice::ReadOnly);
    TDessin d;
    Lire(d, tampon);
    EXPECT_EQ(tampon.bytesAvailable(), 0) << "the record must be read whole";
    return d;
}

// Reads one record from the bytes (for the errors it throws).
void LireOctets(QByteArray octets)
{
    QBuffer tampon(&octets);
    tampon.open(QIODevice::ReadOnly);
    TDessin d;
    Lire(d, tampon);
}

struct CasEnregistrement {
    const char *nom;
    TDessin dessin;
    const char *octets;
};
void PrintTo(const CasEnregistrement &c, std::ostream *os) { *os << c.nom; }

TDessin Trait()
{
    TDessin d;
    d.Genre = 1;
    d.Fleche = 2;
    d.Style = 1;
    d.X1 = 10;
    d.Y1 = -2;
    d.X2 = 300;
    d.Y2 = 4;
    d.Epaisseur = 3;
    d.Opacite = 200;
    d.Couleur = 0xFF112233;
    return d;
}

TDessin Forme(int genre)
{
    TDessin d;
    d.Genre = static_cast<std::uint8_t>(genre);
    d.Motif = 4;
    d.Transparent = false;
    d.X1 = 1;
    d.Y1 = 2;
    d.X2 = 3;
    d.Y2 = 4;
    d.XAncre = 5;
    d.YAncre = 6;
    d.Rayon = 7;
    d.Epaisseur = 1;
    d.Alignement = 2;
    d.Opacite = 255;
    d.Reserve1 = 0x01020304;
    d.Couleur = 0xFF0000FF;
    d.CouleurFond = 0x80FFFF00;
    return d;
}

TDessin Crayon()
{
    TDessin d;
    d.Genre = 0;
    d.Epaisseur = 2;
    d.Opacite = 255;
    d.Trace.listes = {{{3 * 65536, 4 * 65536}, {6 * 65536, 2 * 65536}}};
    return d;
}

TDessin Texte()
{
    TDessin d;
    d.Genre = 5;
    d.XAncre = 20;
    d.YAncre = 30;
    d.Opacite = 255;
    d.TaillePolice = 12;
    d.StylePolice = 1;
    d.Lignes = {QStringLiteral("ab"), QStringLiteral("éé")};
    return d;
}

TDessin Legende()
{
    TDessin d;
    d.Genre = 7;
    d.Opacite = 255;
    d.UniteLegende = QStringLiteral("mm");
    d.UnitesParPixel = 0.5f;
    return d;
}

TDessin Remplissage()
{
    TDessin d;
    d.Genre = 6;
    d.XAncre = 4;
    d.YAncre = 5;
    d.Motif = 1;
    d.SurCalque = true;
    d.Conditions = {{{3, 3, 0, 0, 255}}, {{0, 0, 0, 10, 40}, {0, 1, 0, 0, 44}, {1, 2, 0, 250, 255}}};
    return d;
}

TDessin Zone()
{
    TDessin d;
    d.Genre = 9;
    d.Reserve3 = -1;
    d.Conditions = {{{0, 6, 0, 0, 128}}};
    d.FormatPoints = 1;
    d.Trace.ferme = true;
    d.Trace.listes = {{{98304, 131072}}};
    return d;
}

const CasEnregistrement CasEnregistrements[] = {
    {"ligne avec double fleche", Trait(),
     "01 02 01 00 01  0a00 feff 2c01 0400 0000 0000 0000  03 00 c8  00000000 332211ff ffffffff"},
    {"rectangle", Forme(2), "02 00 00 04 00  0100 0200 0300 0400 0500 0600 0700  01 02 ff  04030201 ff0000ff 00ffff80"},
    {"cercle", Forme(3), "03 00 00 04 00  0100 0200 0300 0400 0500 0600 0700  01 02 ff  04030201 ff0000ff 00ffff80"},
    {"point", Forme(8), "08 00 00 04 00  0100 0200 0300 0400 0500 0600 0700  01 02 ff  04030201 ff0000ff 00ffff80"},
    {"dessin libre", Crayon(),
     "00 00 00 00 01  0000 0000 0000 0000 0000 0000 0000  02 00 ff  00000000 000000ff ffffffff"
     "  00 00 0100 0200 0300 0400 0600 0200"},
    {"texte sur deux lignes", Texte(),
     "05 00 00 00 01  0000 0000 0000 0000 1400 1e00 0000  00 00 ff  00000000 000000ff ffffffff"
     "  05 417269616c 000000ff 0c 01 0600 61620d0ae9e9"},
    {"legende d'echelle", Legende(),
     "07 00 00 00 01  0000 0000 0000 0000 0000 0000 0000  00 00 ff  00000000 000000ff ffffffff"
     "  05 417269616c 000000ff 0a 00 0200 6d6d 0000003f"},
    {"remplissage", Remplissage(),
     "06 00 00 01 01  0000 0000 0000 0000 0400 0500 0000  00 00 00  00000000 000000ff ffffffff"
     "  01 55 0000 02  01 03030000 0000ff  03 00000000 0a0028 00010000 00002c 01020000 fa00ff"},
    {"zone en points 16.16", Zone(),
     "09 00 00 00 01  0000 0000 0000 0000 0000 0000 0000  00 00 00  00000000 000000ff ffffffff"
     "  00 55 ffff 01 01 00060000 000080  01 01 0100 0100 00800100 00000200"},
};

class EnregistrementDessin : public ::testing::TestWithParam<CasEnregistrement> {};

TEST_P(EnregistrementDessin, IsWrittenByteForByte)
{
    EXPECT_EQ(Ecrit(GetParam().dessin).toHex(' '), Hex(GetParam().octets).toHex(' '));
}

TEST_P(EnregistrementDessin, ReadsBackTheElementItWasWrittenFrom)
{
    EXPECT_EQ(Lu(Hex(GetParam().octets)), GetParam().dessin);
}

TEST_P(EnregistrementDessin, RefusesEveryTruncationWithADecodingError)
{
    const QByteArray complet = Hex(GetParam().octets);
    for (qsizetype n = 0; n < complet.size(); ++n)
        EXPECT_THROW(LireOctets(complet.left(n)), ErreurDecodage) << "cut after " << n << " bytes";
}

INSTANTIATE_TEST_SUITE_P(ParGenre, EnregistrementDessin, ::testing::ValuesIn(CasEnregistrements));

TEST(EnregistrementDessin, KeepsOnlyTheLowByteOfAConditionUpperBound)
{
    TDessin d = Remplissage();
    d.Conditions = {{{0, 0, 0, 0, 300}}};
    EXPECT_EQ(Lu(Ecrit(d)).Conditions[0][0].Maxi, 44);
}

TEST(EnregistrementDessin, RoundsSixteenBitPointsHalvesToEven)
{
    TDessin d = Crayon();
    d.Trace.listes = {{{static_cast<std::int32_t>(5.5 * 65536), static_cast<std::int32_t>(2.5 * 65536)}}, {}};
    const TDessin lu = Lu(Ecrit(d));
    ASSERT_EQ(lu.Trace.listes.size(), 2u);
    EXPECT_EQ(lu.Trace.listes[0][0], (TPointFixe{6 * 65536, 2 * 65536}));
    EXPECT_TRUE(lu.Trace.listes[1].empty());
}

// A 16-bit point holds a signed pixel: a stroke that left the image by the
// left or the top comes back where it was, and a pixel past the 16.16 range
// is kept at its edge instead of wrapping to the other side.
struct CasPoint16 {
    const char *nom;
    TPointFixe point; // as drawn
    const char *octets;
    TPointFixe lu;    // as read back
};
void PrintTo(const CasPoint16 &c, std::ostream *os) { *os << c.nom; }

const CasPoint16 CasPoints16[] = {
    {"left of and above the image", {-5 * 65536, -1 * 65536}, "fbff ffff", {-5 * 65536, -1 * 65536}},
    {"on the last storable pixel", {32767 * 65536, 0}, "ff7f 0000", {32767 * 65536, 0}},
    {"past the last storable pixel", {2147483647, -2147483647 - 1}, "ff7f 0080", {32767 * 65536, -32768 * 65536}},
};

class PointSeizeBits : public ::testing::TestWithParam<CasPoint16> {};

TEST_P(PointSeizeBits, IsWrittenAsASignedPixelAndReadBack)
{
    TDessin d = Crayon();
    d.Trace.listes = {{GetParam().point}};
    const QByteArray octets = Ecrit(d);
    EXPECT_EQ(octets.right(4).toHex(' '), Hex(GetParam().octets).toHex(' '));
    const TDessin lu = Lu(octets);
    ASSERT_EQ(lu.Trace.listes.size(), 1u);
    ASSERT_EQ(lu.Trace.listes[0].size(), 1u);
    EXPECT_EQ(lu.Trace.listes[0][0], GetParam().lu);
}

INSTANTIATE_TEST_SUITE_P(Bornes, PointSeizeBits, ::testing::ValuesIn(CasPoints16));

TEST(EnregistrementDessin, RefusesAKindOutOfRange)
{
    for (int genre : {4, 10, 255}) {
        QByteArray octets = Ecrit(Forme(2));
        octets[0] = static_cast<char>(genre);
        EXPECT_THROW(LireOctets(octets), ErreurDecodage) << genre;
    }
}

TEST(EnregistrementDessin, ReadsAnyNonZeroTransparentByteAsTrue)
{
    QByteArray octets = Ecrit(Forme(2));
    octets[4] = 7;
    EXPECT_TRUE(Lu(octets).Transparent);
}

TEST(EnregistrementDessin, RefusesAPointCountTheFileCannotHold)
{
    // A pencil stroke announcing 65535 points and holding one.
    const QByteArray octets = Hex("00 00 00 00 01  0000 0000 0000 0000 0000 0000 0000  00 00 ff  00000000 000000ff ffffffff"
                                  "  00 00 0100 ffff 0100 0100");
    EXPECT_THROW(LireOctets(octets), ErreurDecodage);
}

// The drawing block.

QByteArray Bloc(const TListeDessins &liste, int *omis = nullptr)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    const int n = EcrireDessins(tampon, liste);
    if (omis)
        *omis = n;
    return octets;
}

// Reads a drawing block from the bytes into the list.
void LireBloc(QByteArray octets, TListeDessins &liste)
{
    QBuffer tampon(&octets);
    tampon.open(QIODevice::ReadOnly);
    LireDessins(tampon, liste);
}

TEST(BlocDessins, AnEmptyListWritesACountOfZero)
{
    int omis = -1;
    EXPECT_EQ(Bloc(TListeDessins{}, &omis), Hex("0000"));
    EXPECT_EQ(omis, 0);
}

TEST(BlocDessins, WritesTheCountThenEachNameAndRecord)
{
    TListeDessins liste;
    liste.AjouterElement(QStringLiteral("Trait 1"), std::make_unique<TDessin>(Trait()));
    liste.AjouterElement(QStringLiteral("Cercle 2"), std::make_unique<TDessin>(Forme(3)));
    const QByteArray attendu = Hex("0200") + "\x07" "Trait 1" + Ecrit(Trait()) + "\x08" "Cercle 2" + Ecrit(Forme(3));
    EXPECT_EQ(Bloc(liste), attendu);

    TListeDessins relue;
    relue.AjouterElement(QStringLiteral("ancien"), std::make_unique<TDessin>());
    LireBloc(attendu, relue);
    ASSERT_EQ(relue.Nombre(), 2);
    EXPECT_EQ(relue.NomNumero(0), QStringLiteral("Trait 1"));
    EXPECT_EQ(*relue.ElementNumero(1), Forme(3));
}

TEST(BlocDessins, LeavesOutFillsOnChannelsAndReportsThem)
{
    TListeDessins liste;
    TDessin canal = Remplissage();
    canal.Conditions = {{{0, 10, 0, 0, 255}}};
    liste.AjouterElement(QStringLiteral("Remplissage 1"), std::make_unique<TDessin>(canal));
    liste.AjouterElement(QStringLiteral("Trait 2"), std::make_unique<TDessin>(Trait()));
    int omis = 0;
    const QByteArray octets = Bloc(liste, &omis);
    EXPECT_EQ(omis, 1);
    EXPECT_EQ(octets, Hex("0100") + "\x07" "Trait 2" + Ecrit(Trait()));
    EXPECT_EQ(MessageRemplissagesCanaux(), QStringLiteral("Les remplissages liés aux canaux ne peuvent être enregistrés"));
}

TEST(BlocDessins, ABlockAnnouncingMoreElementsThanItHoldsIsRefusedWithoutAllocating)
{
    TListeDessins liste;
    EXPECT_THROW(LireBloc(Hex("ffff") + "\x01" "a" + Ecrit(Trait()), liste), ErreurDecodage);
}

TEST(BlocDessins, AnErrorKeepsTheElementsReadBeforeIt)
{
    QByteArray octets = Hex("0200") + "\x01" "a" + Ecrit(Trait()) + "\x01" "b" + Ecrit(Forme(3)).left(20)
                        + QByteArray(40, '\0');
    octets[2 + 2 + 34 + 2] = 4; // second element of kind 4
    TListeDessins liste;
    EXPECT_THROW(LireBloc(octets, liste), ErreurDecodage);
    ASSERT_EQ(liste.Nombre(), 1);
    EXPECT_EQ(*liste.ElementNumero(0), Trait());
}

} // namespace
