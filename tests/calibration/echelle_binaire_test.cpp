// The 168-byte image is read raw by other files (".ech"): every field must sit
// at its fixed offset, little-endian, with length-prefixed texts.

#include "calibration/echelle_binaire.h"
#include "support/echelles_essai.h"
#include "support/disque_plein.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::int32_t Entier(const QByteArray &b, int pos)
{
    const auto *p = reinterpret_cast<const unsigned char *>(b.constData()) + pos;
    return std::int32_t(std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16
                        | std::uint32_t(p[3]) << 24);
}

// Bytes of a double written by hand from its IEEE pattern, least significant first.
QByteArray OctetsDouble(std::uint64_t motif)
{
    QByteArray b;
    for (int i = 0; i < 8; ++i)
        b.append(char((motif >> (8 * i)) & 0xFF));
    return b;
}

constexpr std::uint64_t kUnDemi = 0x3FE0000000000000ULL;   // 0.5
constexpr std::uint64_t kMoinsDeux = 0xC000000000000000ULL; // -2.0
constexpr std::uint64_t kTrente = 0x403E000000000000ULL;    // 30.0

QByteArray Texte(const char *t)
{
    QByteArray b;
    b.append(char(std::strlen(t)));
    b.append(t);
    return b;
}

TEST(EchelleBinaire, length_scale_puts_factor_at_8_and_unit_at_16)
{
    TEchelle e = EchelleParDefaut();
    e.Facteur = 0.5;
    e.Unite = QStringLiteral("mm");
    const QByteArray b = EchelleEnBinaire(e);
    ASSERT_EQ(b.size(), 168);
    EXPECT_EQ(b.at(0), 1);
    EXPECT_EQ(b.at(4), 0);
    EXPECT_EQ(b.mid(8, 8), OctetsDouble(kUnDemi));
    EXPECT_EQ(b.mid(16, 3), Texte("mm"));
}

TEST(EchelleBinaire, cartesian_fields_sit_at_their_offsets)
{
    const TEchelle e =
        echelle_essai::Cartesien(1, 2, 300, -4, 70000, 0.5, "s", {{-2.0, "a", 11}, {0.5, "bb", 22}, {30.0, "ccc", 33}});
    const QByteArray b = EchelleEnBinaire(e);
    ASSERT_EQ(b.size(), 168);
    EXPECT_EQ(b.at(4), 1);
    EXPECT_EQ(Entier(b, 8), 1);
    EXPECT_EQ(Entier(b, 12), 2);
    EXPECT_EQ(Entier(b, 16), 300);
    EXPECT_EQ(Entier(b, 20), -4);
    EXPECT_EQ(Entier(b, 24), 70000);
    EXPECT_EQ(b.mid(28, 8), OctetsDouble(kUnDemi));
    EXPECT_EQ(b.mid(36, 2), Texte("s"));
    EXPECT_EQ(b.at(57), 3);
    EXPECT_EQ(b.mid(60, 8), OctetsDouble(kMoinsDeux));
    EXPECT_EQ(b.mid(68, 2), Texte("a"));
    EXPECT_EQ(Entier(b, 92), 11);
    EXPECT_EQ(b.mid(96, 8), OctetsDouble(kUnDemi));
    EXPECT_EQ(b.mid(104, 3), Texte("bb"));
    EXPECT_EQ(Entier(b, 128), 22);
    EXPECT_EQ(b.mid(132, 8), OctetsDouble(kTrente));
    EXPECT_EQ(b.mid(140, 4), Texte("ccc"));
    EXPECT_EQ(Entier(b, 164), 33);
    EXPECT_EQ(BinaireEnEchelle(b), e);
}

TEST(EchelleBinaire, triangle_names_sit_at_24_45_and_66)
{
    const TEchelle e = echelle_essai::Triangle(7, 8, 9, 1, "sable", "limon", "argile");
    const QByteArray b = EchelleEnBinaire(e);
    EXPECT_EQ(Entier(b, 16), 9);
    EXPECT_EQ(Entier(b, 20), 1);
    EXPECT_EQ(b.mid(24, 6), Texte("sable"));
    EXPECT_EQ(b.mid(45, 6), Texte("limon"));
    EXPECT_EQ(b.mid(66, 7), Texte("argile"));
    EXPECT_EQ(BinaireEnEchelle(b), e);
}

TEST(EchelleBinaire, polar_angle_unit_at_16_and_zero_angle_at_20)
{
    const TEchelle e = echelle_essai::Polaire(100, 50, "de", 30, 0.5, "µm");
    const QByteArray b = EchelleEnBinaire(e);
    EXPECT_EQ(b.mid(16, 3), Texte("de"));
    EXPECT_EQ(b.mid(20, 8), OctetsDouble(kTrente));
    EXPECT_EQ(b.mid(28, 8), OctetsDouble(kUnDemi));
    // Windows-1252: the micro sign is the single byte 0xB5.
    EXPECT_EQ(b.mid(36, 3), QByteArray("\x02\xB5m", 3));
    EXPECT_EQ(BinaireEnEchelle(b), e);
}

TEST(EchelleBinaire, broken_images_give_an_undefined_scale)
{
    const QByteArray bon = EchelleEnBinaire(EchelleParDefaut());
    EXPECT_EQ(BinaireEnEchelle(bon.left(167)).Definie, 0);

    QByteArray modeInconnu = bon;
    modeInconnu[4] = 9;
    EXPECT_EQ(BinaireEnEchelle(modeInconnu).Definie, 0);

    TEchelle c;
    c.Definie = 1;
    c.Mode = TEchelle::Cartesien;
    QByteArray axes = EchelleEnBinaire(c);
    axes[57] = 4;
    EXPECT_EQ(BinaireEnEchelle(axes).Definie, 0);
}

TEST(EchelleBinaire, a_length_byte_beyond_its_slot_is_cut_to_twenty)
{
    TEchelle e = EchelleParDefaut();
    e.Unite = QStringLiteral("abcdefghijklmnopqrst");
    QByteArray b = EchelleEnBinaire(e);
    b[16] = char(200);
    const TEchelle lue = BinaireEnEchelle(b);
    EXPECT_EQ(lue.Definie, 1);
    EXPECT_EQ(lue.Unite, QStringLiteral("abcdefghijklmnopqrst"));
}

TEST(EchelleBinaire, a_full_disk_leaves_the_former_ech_file_whole)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString image = dossier.filePath(QStringLiteral("graphe.bmp"));
    TEchelle ancienne = EchelleParDefaut();
    ancienne.Unite = QStringLiteral("mm");
    ASSERT_TRUE(EcrireEchelleBinaireAnnexe(image, ancienne));
    const QString nom = NomFichierEchelleBinaire(image);
    QFile f(nom);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray avant = f.readAll();
    f.close();
    ASSERT_EQ(avant.size(), TailleEchelleBinaire);

    TEchelle nouvelle = EchelleParDefaut();
    nouvelle.Unite = QStringLiteral("km");
    {
        const DisquePlein plein(100);
        EXPECT_FALSE(EcrireEchelleBinaireAnnexe(image, nouvelle));
    }
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), avant) << "the former scale, byte for byte";
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files), QStringList{QStringLiteral("graphe.ech")});
}

} // namespace
