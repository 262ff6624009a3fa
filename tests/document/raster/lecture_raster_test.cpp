// The five raster readers on files built byte by byte by the tests.

#include "commun/erreur.h"
#include "document/raster/lecture_ima.h"
#include "document/raster/lecture_img.h"
#include "document/raster/lecture_inf.h"
#include "document/raster/lecture_lan.h"
#include "document/raster/lecture_per.h"
#include "document/image_document.h"
#include "document/raster/ouverture_raster.h"
#include "fichiers_raster_test.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <ostream>

namespace {

using namespace fixtures;

class Raster : public ::testing::Test {
protected:
    QTemporaryDir dossier_;
    [[nodiscard]] QString Chemin(const QString &nom) const { return dossier_.filePath(nom); }
    QString Poser(const QString &nom, const QByteArray &octets)
    {
        Ecrire(Chemin(nom), octets);
        return Chemin(nom);
    }
};

int Octet(const TCanal &c, int x, int y)
{
    return c.ligne(y)[x];
}

// Message of the error a reading throws; empty when it does not throw.
template <typename F>
QString MessageErreur(F lecture)
{
    try {
        (void)lecture();
    } catch (const ErreurKaptori &e) {
        return e.message();
    }
    return {};
}

// ---- Landsat ---------------------------------------------------------------

struct CasLan {
    const char *nom;
    int bandes;
    int largeur;
    int hauteur;
};

void PrintTo(const CasLan &c, std::ostream *os)
{
    *os << c.nom;
}

class LanEntrelace : public Raster, public ::testing::WithParamInterface<CasLan> {};

TEST_P(LanEntrelace, every_band_byte_comes_from_its_interleaved_offset)
{
    const CasLan c = GetParam();
    const qint64 taille = static_cast<qint64>(c.bandes) * c.largeur * c.hauteur;
    // Each pixel byte holds its own offset modulo 251, so a misplaced byte shows.
    const QString chemin =
        Poser(QStringLiteral("scene.lan"), Lan(c.bandes, c.largeur, c.hauteur, taille, [](qint64 o) { return o % 251; }));
    const LectureRaster l = LireLan(chemin);
    ASSERT_EQ(l.canaux.size(), static_cast<std::size_t>(c.bandes));
    EXPECT_TRUE(l.avertissements.isEmpty());
    for (int b = 1; b <= c.bandes; ++b) {
        const TCanal &canal = l.canaux[static_cast<std::size_t>(b - 1)];
        EXPECT_EQ(canal.nom, QStringLiteral("TM %1").arg(b));
        EXPECT_EQ(canal.index, b - 1);
        ASSERT_EQ(canal.largeur, c.largeur);
        ASSERT_EQ(canal.hauteur, c.hauteur);
        for (int y = 0; y < c.hauteur; ++y)
            for (int x = 0; x < c.largeur; ++x)
                ASSERT_EQ(Octet(canal, x, y), (128 + (static_cast<qint64>(y) * c.bandes + b - 1) * c.largeur + x) % 251)
                    << "band " << b << " at " << x << "," << y;
    }
}

INSTANTIATE_TEST_SUITE_P(Lan, LanEntrelace,
                         ::testing::ValuesIn(std::vector<CasLan>{
                             {"seven bands of 3 x 2", 7, 3, 2},
                             {"four bands of 5 x 4", 4, 5, 4},
                             {"one band of one pixel", 1, 1, 1},
                             {"three bands over several read batches", 3, 7169, 200},
                         }),
                         [](const auto &info) { return "cas" + std::to_string(info.index); });

TEST_F(Raster, seven_band_lan_band_3_row_1_starts_at_offset_155_and_shows_tm_2_3_4)
{
    const QString chemin = Poser(QStringLiteral("a.lan"), Lan(7, 3, 2, 42, [](qint64 o) { return o == 155 ? 99 : 0; }));
    const LectureRaster l = LireLan(chemin);
    EXPECT_EQ(Octet(l.canaux[2], 0, 1), 99);
    EXPECT_EQ(l.affichage, (std::array<int, 3>{1, 2, 3}));
}

TEST_F(Raster, single_band_lan_opens_showing_its_band_in_grey)
{
    const QString chemin = Poser(QStringLiteral("une.lan"), Lan(1, 3, 2, 6, [](qint64 o) { return o == 129 ? 200 : 10; }));
    ImageDocument document;
    EXPECT_TRUE(ChargerRaster(document, chemin, 0).isEmpty());
    ASSERT_EQ(document.image.size(), QSize(3, 2));
    EXPECT_EQ(document.image.pixel(1, 0), 0xFFC8C8C8u);
    EXPECT_EQ(document.image.pixel(0, 1), 0xFF0A0A0Au);
}

TEST_F(Raster, lan_wider_than_7169_is_refused_naming_the_limit)
{
    const QString large = Poser(QStringLiteral("large.lan"), Lan(1, 7170, 1, 7170, [](qint64) { return 1; }));
    EXPECT_TRUE(MessageErreur([&] { return LireLan(large); }).contains(QStringLiteral("7169")));
    const QString limite = Poser(QStringLiteral("limite.lan"), Lan(1, 7169, 1, 7169, [](qint64) { return 1; }));
    EXPECT_EQ(LireLan(limite).canaux.front().largeur, 7169);
}

TEST_F(Raster, short_lan_reads_zeros_for_missing_pixels_and_warns)
{
    // 2 bands of 4 x 2 = 16 bytes announced, 10 present.
    const QString chemin = Poser(QStringLiteral("court.lan"), Lan(2, 4, 2, 10, [](qint64) { return 7; }));
    const LectureRaster l = LireLan(chemin);
    ASSERT_EQ(l.avertissements.size(), 1);
    EXPECT_TRUE(l.avertissements.front().contains(QStringLiteral("incomplet")));
    // Row 1 of band 1 is offsets 8..11: 8 and 9 present, 10 and 11 missing.
    EXPECT_EQ(Octet(l.canaux[0], 1, 1), 7);
    EXPECT_EQ(Octet(l.canaux[0], 2, 1), 0);
    EXPECT_EQ(Octet(l.canaux[1], 0, 1), 0);
}

// Above a few megabytes the rows are read, and the composite written, in
// slices side by side; every byte must still land where a plain walk of the
// file puts it, and a file cut in the second slice still reads zeros there.
TEST_F(Raster, large_lan_read_in_slices_matches_a_plain_walk_of_the_file_and_shows_unstretched)
{
    constexpr int n = 3, w = 2600, h = 2300;
    constexpr qint64 annonces = qint64{n} * w * h;
    const auto valeur = [](qint64 offset) { return int((offset * 7 + offset / 4099) & 0xFF); };
    for (const qint64 presents : {annonces, annonces * 7 / 10}) {
        SCOPED_TRACE(presents == annonces ? "whole file" : "file cut at 70 %");
        const QString chemin = Poser(QStringLiteral("grand.lan"), Lan(n, w, h, presents, valeur));
        const LectureRaster l = LireLan(chemin);
        EXPECT_EQ(l.avertissements.size(), presents == annonces ? 0 : 1);
        ASSERT_EQ(l.canaux.size(), std::size_t{n});
        qint64 fautes = 0;
        for (int b = 0; b < n; ++b)
            for (int y = 0; y < h; ++y) {
                const unsigned char *ligne = l.canaux[std::size_t(b)].ligne(y);
                for (int x = 0; x < w; ++x) {
                    const qint64 offset = qint64{y} * n * w + qint64{b} * w + x;
                    const int attendu = offset < presents ? valeur(128 + offset) : 0;
                    fautes += ligne[x] != attendu;
                }
            }
        EXPECT_EQ(fautes, 0);

        ImageDocument doc;
        doc.canaux = l.canaux;
        doc.AfficherCanaux(0, 1, 2, 0);
        ASSERT_EQ(doc.image.size(), QSize(w, h));
        fautes = 0;
        for (int y = 0; y < h; ++y) {
            const auto *pixels = reinterpret_cast<const QRgb *>(doc.image.constScanLine(y));
            for (int x = 0; x < w; ++x) {
                const QRgb attendu = qRgba(l.canaux[2].ligne(y)[x], l.canaux[1].ligne(y)[x], l.canaux[0].ligne(y)[x], 255);
                fautes += pixels[x] != attendu;
            }
        }
        EXPECT_EQ(fautes, 0);
    }
}

TEST_F(Raster, header_announcing_far_more_than_the_file_holds_is_refused_before_allocating)
{
    // 255 bands of 7169 x 65535 pixels announced, 1000 bytes present.
    QByteArray octets = Lan(255, 7169, 65535, 1000, [](qint64) { return 1; });
    const QString chemin = Poser(QStringLiteral("faux.lan"), octets);
    EXPECT_TRUE(MessageErreur([&] { return LireLan(chemin); }).contains(QStringLiteral("en-tête")));
}

struct CasLanRefuse {
    const char *nom;
    QByteArray octets;
};

void PrintTo(const CasLanRefuse &c, std::ostream *os)
{
    *os << c.nom;
}

class LanRefuse : public Raster, public ::testing::WithParamInterface<CasLanRefuse> {};

TEST_P(LanRefuse, gives_a_french_error)
{
    const QString chemin = Poser(QStringLiteral("x.lan"), GetParam().octets);
    const QString message = MessageErreur([&] { return LireLan(chemin); });
    EXPECT_FALSE(message.isEmpty());
    EXPECT_TRUE(message.contains(QStringLiteral("x.lan")));
}

INSTANTIATE_TEST_SUITE_P(Lan, LanRefuse,
                         ::testing::ValuesIn(std::vector<CasLanRefuse>{
                             {"empty file", QByteArray()},
                             {"header cut at 100 bytes", QByteArray(100, '\0')},
                             {"zero bands", Lan(0, 4, 4, 16, [](qint64) { return 0; })},
                             {"zero width", Lan(3, 0, 4, 16, [](qint64) { return 0; })},
                             {"zero height", Lan(3, 4, 0, 16, [](qint64) { return 0; })},
                             {"header alone", Lan(3, 4, 4, 0, [](qint64) { return 0; })},
                         }),
                         [](const auto &info) { return "cas" + std::to_string(info.index); });

TEST_F(Raster, missing_lan_and_folder_named_lan_are_file_errors)
{
    EXPECT_THROW((void)LireLan(Chemin(QStringLiteral("absent.lan"))), ErreurFichier);
    QDir(dossier_.path()).mkdir(QStringLiteral("dossier.lan"));
    EXPECT_THROW((void)LireLan(Chemin(QStringLiteral("dossier.lan"))), ErreurFichier);
}

// ---- Channel files (.per) ---------------------------------------------------

TEST_F(Raster, per_of_20_by_20_reads_its_four_tiles_with_edge_pixels)
{
    // Byte j of tile k holds (j + 37 k) mod 256.
    const QString chemin =
        Poser(QStringLiteral("c.per"), Per(20, 20, 4, [](int k, int j) { return (j + 37 * k) % 256; }));
    const LectureRaster l = LirePer(chemin);
    ASSERT_EQ(l.canaux.size(), 1u);
    const TCanal &c = l.canaux.front();
    EXPECT_EQ(c.nom, QStringLiteral("Canal"));
    ASSERT_EQ(c.largeur, 20);
    ASSERT_EQ(c.hauteur, 20);
    EXPECT_EQ(Octet(c, 17, 3), (3 * 16 + 1 + 37 * 1) % 256); // second tile
    EXPECT_EQ(Octet(c, 3, 17), (16 + 3 + 37 * 2) % 256);     // third tile
    for (int y = 0; y < 20; ++y)
        for (int x = 0; x < 20; ++x) {
            const int tuile = (y / 16) * 2 + x / 16;
            ASSERT_EQ(Octet(c, x, y), ((y % 16) * 16 + x % 16 + 37 * tuile) % 256) << x << "," << y;
        }
    EXPECT_EQ(l.affichage, (std::array<int, 3>{0, -1, -1}));
}

TEST_F(Raster, per_missing_its_last_tile_reads_zeros_there_and_warns)
{
    const QString chemin = Poser(QStringLiteral("c.per"), Per(20, 20, 3, [](int, int) { return 9; }));
    const LectureRaster l = LirePer(chemin);
    EXPECT_EQ(l.avertissements.size(), 1);
    EXPECT_EQ(Octet(l.canaux.front(), 3, 17), 9);
    EXPECT_EQ(Octet(l.canaux.front(), 17, 17), 0);
}

TEST_F(Raster, per_without_full_header_or_with_empty_size_is_refused)
{
    const QString court = Poser(QStringLiteral("court.per"), QByteArray(12, '\1'));
    EXPECT_THROW((void)LirePer(court), ErreurDecodage);
    const QString vide = Poser(QStringLiteral("vide.per"), Per(0, 20, 2, [](int, int) { return 1; }));
    EXPECT_THROW((void)LirePer(vide), ErreurDecodage);
}

// ---- Global files (.img) ------------------------------------------------------

class Img : public Raster {
protected:
    // A global file listing the given (file, description) entries after its header.
    QString PoserImg(const std::vector<std::pair<QByteArray, QByteArray>> &entrees, const QByteArray &fin = {})
    {
        QByteArray octets(128, 'H');
        for (const auto &[fichier, description] : entrees)
            octets += EnregistrementImg(fichier, description);
        octets += fin;
        return Poser(QStringLiteral("scene.img"), octets);
    }
};

TEST_F(Img, channels_are_sorted_by_number_and_texts_are_skipped)
{
    Poser(QStringLiteral("c3.per"), PerUni(16, 16, 3));
    Poser(QStringLiteral("c1.per"), PerUni(16, 16, 1));
    Poser(QStringLiteral("t.per"), PerUni(16, 16, 50));
    Poser(QStringLiteral("c2.per"), PerUni(16, 16, 2));
    const QString chemin =
        PoserImg({{"c3.per", "Canal 3"}, {"c1.per", "canal 1"}, {"t.per", "Texte"}, {"c2.per", "CANAL 2"}},
                 QByteArray(128, '\0'));
    const LectureRaster l = LireImg(chemin);
    ASSERT_EQ(l.canaux.size(), 3u);
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(l.canaux[static_cast<std::size_t>(i)].nom, QStringLiteral("CANAL %1").arg(i + 1));
        EXPECT_EQ(l.canaux[static_cast<std::size_t>(i)].index, i);
        EXPECT_EQ(Octet(l.canaux[static_cast<std::size_t>(i)], 5, 5), i + 1);
    }
    EXPECT_EQ(l.affichage, (std::array<int, 3>{0, 1, 2}));
    EXPECT_TRUE(l.avertissements.isEmpty());
}

struct CasNumero {
    const char *nom;
    const char *canal;
    int numero;
};

void PrintTo(const CasNumero &c, std::ostream *os)
{
    *os << c.nom;
}

class NumeroDeCanal : public ::testing::TestWithParam<CasNumero> {};

TEST_P(NumeroDeCanal, is_the_first_one_or_two_digits_after_canal)
{
    EXPECT_EQ(NumeroCanal(QString::fromUtf8(GetParam().canal)), GetParam().numero);
}

INSTANTIATE_TEST_SUITE_P(Img, NumeroDeCanal,
                         ::testing::ValuesIn(std::vector<CasNumero>{
                             {"one digit", "CANAL 3", 3},
                             {"two digits and a word", "CANAL 12 INFRAROUGE", 12},
                             {"three digits keep two", "CANAL 123", 12},
                             {"digits before canal do not count", "7 CANAL X4", 4},
                             {"no digit", "CANAL PROCHE INFRAROUGE", 255},
                         }),
                         [](const auto &info) { return "cas" + std::to_string(info.index); });

TEST_F(Img, canal_12_sorts_after_canal_2_and_a_channel_without_number_comes_last)
{
    Poser(QStringLiteral("a.per"), PerUni(16, 16, 1));
    Poser(QStringLiteral("b.per"), PerUni(16, 16, 2));
    Poser(QStringLiteral("c.per"), PerUni(16, 16, 3));
    const QString chemin = PoserImg({{"a.per", "Canal sans numero"}, {"b.per", "CANAL 12 infrarouge"}, {"c.per", "canal 2"}});
    const LectureRaster l = LireImg(chemin);
    ASSERT_EQ(l.canaux.size(), 3u);
    EXPECT_EQ(l.canaux[0].nom, QStringLiteral("CANAL 2"));
    EXPECT_EQ(l.canaux[1].nom, QStringLiteral("CANAL 12 INFRAROUGE"));
    EXPECT_EQ(l.canaux[2].nom, QStringLiteral("CANAL SANS NUMERO"));
}

TEST_F(Img, unreadable_channel_file_is_skipped_with_a_warning)
{
    Poser(QStringLiteral("b.per"), PerUni(16, 16, 2));
    const QString chemin = PoserImg({{"absent.per", "CANAL 1"}, {"b.per", "CANAL 2"}});
    const LectureRaster l = LireImg(chemin);
    ASSERT_EQ(l.canaux.size(), 1u);
    EXPECT_EQ(l.canaux[0].nom, QStringLiteral("CANAL 2"));
    EXPECT_EQ(l.canaux[0].index, 0);
    ASSERT_EQ(l.avertissements.size(), 1);
    EXPECT_TRUE(l.avertissements.front().contains(QStringLiteral("CANAL 1")));
}

TEST_F(Img, channel_file_names_ignore_case_and_windows_separators)
{
    QDir(dossier_.path()).mkdir(QStringLiteral("bandes"));
    Poser(QStringLiteral("bandes/proche.per"), PerUni(16, 16, 4));
    const QString chemin = PoserImg({{"bandes\\PROCHE.PER", "canal 1"}});
    const LectureRaster l = LireImg(chemin);
    ASSERT_EQ(l.canaux.size(), 1u);
    EXPECT_EQ(Octet(l.canaux[0], 0, 0), 4);
}

TEST_F(Img, seventeen_channels_are_refused_naming_the_limit_of_16)
{
    std::vector<std::pair<QByteArray, QByteArray>> entrees;
    for (int i = 1; i <= 17; ++i)
        entrees.push_back({"x.per", "CANAL " + QByteArray::number(i)});
    const QString chemin = PoserImg(entrees);
    EXPECT_TRUE(MessageErreur([&] { return LireImg(chemin); }).contains(QStringLiteral("16")));
}

TEST_F(Img, records_without_ending_zero_or_without_readable_channel_are_refused)
{
    QByteArray sansFin(128, 'a');
    sansFin[0] = 1;
    const QString chemin = PoserImg({}, sansFin);
    EXPECT_THROW((void)LireImg(chemin), ErreurDecodage);
    const QString vide = PoserImg({{"absent.per", "CANAL 1"}});
    EXPECT_THROW((void)LireImg(vide), ErreurDecodage);
}

// ---- Single-channel files (.ima) ----------------------------------------------

TEST_F(Raster, ima_header_lignes_480_colonnes_640_gives_480_rows_of_640)
{
    QByteArray pixels(640 * 480, '\0');
    pixels[640 * 479 + 639] = 42;
    const QString chemin =
        Poser(QStringLiteral("vue.ima"), Ima("Image satellite lignes  480 * colonnes  640 * fin", pixels));
    const LectureRaster l = LireIma(chemin);
    ASSERT_EQ(l.canaux.size(), 1u);
    EXPECT_EQ(l.canaux[0].hauteur, 480);
    EXPECT_EQ(l.canaux[0].largeur, 640);
    EXPECT_EQ(l.canaux[0].nom, QStringLiteral("Canal"));
    EXPECT_EQ(Octet(l.canaux[0], 639, 479), 42);
    EXPECT_EQ(l.affichage, (std::array<int, 3>{0, -1, -1}));
}

struct CasEnteteIma {
    const char *nom;
    const char *texte;
    bool valide;
    int lignes;
    int colonnes;
};

void PrintTo(const CasEnteteIma &c, std::ostream *os)
{
    *os << c.nom;
}

class EnteteIma : public ::testing::TestWithParam<CasEnteteIma> {};

TEST_P(EnteteIma, gives_its_numbers_or_a_french_error)
{
    const CasEnteteIma c = GetParam();
    if (!c.valide) {
        EXPECT_THROW((void)DimensionsEnteteIma(QByteArray(c.texte), QStringLiteral("x.ima")), ErreurDecodage);
        return;
    }
    const DimensionsIma d = DimensionsEnteteIma(QByteArray(c.texte), QStringLiteral("x.ima"));
    EXPECT_EQ(d.lignes, c.lignes);
    EXPECT_EQ(d.colonnes, c.colonnes);
}

INSTANTIATE_TEST_SUITE_P(Ima, EnteteIma,
                         ::testing::ValuesIn(std::vector<CasEnteteIma>{
                             {"two blanks before", "lignes  480 *colonnes  640 *", true, 480, 640},
                             {"no blank", "lignes12 *colonnes7 *", true, 12, 7},
                             {"star beyond seven characters", "lignes   48000 *colonnes 6 *", false, 0, 0},
                             {"no lignes", "colonnes  640 *", false, 0, 0},
                             {"no colonnes", "lignes  480 *", false, 0, 0},
                             {"no star", "lignes  480  colonnes  640 *", false, 0, 0},
                             {"not a number", "lignes  4a0 *colonnes  640 *", false, 0, 0},
                             {"zero rows", "lignes  0 *colonnes  640 *", false, 0, 0},
                         }),
                         [](const auto &info) { return "cas" + std::to_string(info.index); });

TEST_F(Raster, ima_wider_than_2049_is_refused_naming_the_limit)
{
    const QString chemin = Poser(QStringLiteral("l.ima"), Ima("lignes 1 *colonnes 2050 *", QByteArray(2050, '\1')));
    EXPECT_TRUE(MessageErreur([&] { return LireIma(chemin); }).contains(QStringLiteral("2049")));
}

// ---- Channel lists (.inf) -----------------------------------------------------------

TEST_F(Raster, inf_with_two_planes_of_100_rows_and_200_columns)
{
    QByteArray p1(200 * 100, '\x0A');
    QByteArray p2(200 * 100, '\x14');
    p2[200 * 99 + 199] = 77;
    Poser(QStringLiteral("p1.raw"), p1);
    Poser(QStringLiteral("p2.raw"), p2);
    const QString chemin = Poser(QStringLiteral("liste.inf"), "2 100 200\r\np1.raw\r\np2.raw\r\n");
    const LectureRaster l = LireInf(chemin);
    ASSERT_EQ(l.canaux.size(), 2u);
    EXPECT_EQ(l.canaux[0].nom, QStringLiteral("Canal 1"));
    EXPECT_EQ(l.canaux[1].nom, QStringLiteral("Canal 2"));
    EXPECT_EQ(l.canaux[1].largeur, 200);
    EXPECT_EQ(l.canaux[1].hauteur, 100);
    EXPECT_EQ(Octet(l.canaux[0], 0, 0), 10);
    EXPECT_EQ(Octet(l.canaux[1], 199, 99), 77);
    EXPECT_EQ(l.affichage, (std::array<int, 3>{0, 1, 2}));
}

struct CasInfRefuse {
    const char *nom;
    const char *liste;
    const char *dansMessage;
};

void PrintTo(const CasInfRefuse &c, std::ostream *os)
{
    *os << c.nom;
}

class InfRefuse : public Raster, public ::testing::WithParamInterface<CasInfRefuse> {};

TEST_P(InfRefuse, gives_a_french_error_before_reading_pixels)
{
    Poser(QStringLiteral("p.raw"), QByteArray(4 * 4, '\1'));
    QDir(dossier_.path()).mkdir(QStringLiteral("sous"));
    const QString chemin = Poser(QStringLiteral("liste.inf"), GetParam().liste);
    const QString message = MessageErreur([&] { return LireInf(chemin); });
    EXPECT_TRUE(message.contains(QString::fromUtf8(GetParam().dansMessage))) << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Inf, InfRefuse,
                         ::testing::ValuesIn(std::vector<CasInfRefuse>{
                             {"missing file", "1 4 4\nabsent.raw\n", "absent.raw"},
                             {"folder", "1 4 4\nsous\n", "dossier"},
                             {"itself", "1 4 4\nliste.inf\n", "lui-même"},
                             {"22 channels", "22 4 4\np.raw\n", "21"},
                             {"too wide", "1 4 2050\np.raw\n", "2049"},
                             {"fewer names than channels", "2 4 4\np.raw\n", "2"},
                             {"first line not numbers", "deux 4 4\np.raw\n", "trois entiers"},
                             {"zero rows", "1 0 4\np.raw\n", "0"},
                             {"empty file", "", "trois entiers"},
                             {"far more pixels than the file", "1 4000 2000\np.raw\n", "en-tête"},
                         }),
                         [](const auto &info) { return "cas" + std::to_string(info.index); });

TEST_F(Raster, inf_names_are_tried_beside_the_list_when_not_found_from_the_current_directory)
{
    QDir(dossier_.path()).mkdir(QStringLiteral("d"));
    Poser(QStringLiteral("d/P.RAW"), QByteArray(2 * 3, '\5'));
    const QString chemin = Poser(QStringLiteral("d/liste.inf"), "1 2 3\np.raw\n");
    const LectureRaster l = LireInf(chemin);
    EXPECT_EQ(Octet(l.canaux[0], 2, 1), 5);
}

TEST_F(Raster, inf_channel_file_giving_fewer_bytes_than_its_size_says_is_refused_not_read_from_memory)
{
    // A system pseudo-file says 4096 bytes and gives a few: the plane is never
    // filled from whatever the memory held.
    const QString pseudo = QStringLiteral("/sys/devices/system/cpu/online");
    QFile f(pseudo);
    if (!QFileInfo(pseudo).isFile() || QFileInfo(pseudo).size() < 4096 || !f.open(QIODevice::ReadOnly)
        || f.readAll().size() >= 2048)
        GTEST_SKIP() << "no pseudo-file shorter than its size here";
    const QString chemin = Poser(QStringLiteral("liste.inf"), ("1 2 2048\n" + pseudo + "\n").toUtf8());
    const QString message = MessageErreur([&] { return LireInf(chemin); });
    EXPECT_TRUE(message.contains(QStringLiteral("en-tête"))) << message.toStdString();
}

// ---- Dispatch ---------------------------------------------------------------------------------

TEST_F(Raster, extension_chooses_the_reader_without_regard_to_case)
{
    EXPECT_TRUE(EstFichierRaster(QStringLiteral("a/B.LaN")));
    EXPECT_TRUE(EstFichierRaster(QStringLiteral("x.inf")));
    EXPECT_FALSE(EstFichierRaster(QStringLiteral("x.png")));
    const QString chemin = Poser(QStringLiteral("C.PER"), PerUni(16, 16, 8));
    EXPECT_EQ(LireRaster(chemin).canaux.size(), 1u);
    EXPECT_THROW((void)LireRaster(Chemin(QStringLiteral("x.png"))), ErreurDecodage);
}

} // namespace
