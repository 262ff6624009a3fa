// kaptori-cli valeur FICHIER X Y, run as a script reading a series of maps
// would run it: the status line "RVBLS:", the position line, then the decoded
// value with its unit ("valeur:" alone when the colour is not on the code) or
// the three channel values of a three-channel code; numbers with the
// separator of the user's language; a status of 1 and a French message on
// standard error for bad arguments.
//
// Maps and side-files are written here; the expected lines are worked by hand
// from the code's definition.

#include "commun/nombres.h"
#include "calibration/code_couleur.h"
#include "calibration/echelle.h"
#include "document/fichier_document.h"
#include "document/raster/fichiers_raster_test.h"

#include "support/lancer_cli.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using Resultat = SortieCli;

// Runs the built program under a language ("C" writes 1.5, "fr_FR.UTF-8" 1,5).
Resultat Lancer(const QStringList &arguments, const QString &langue = QStringLiteral("C"))
{
    return LancerCliTexte(QStringList{QStringLiteral("valeur")} + arguments, langue);
}

// A map of 4 x 2 pixels given row by row, and its side-file when the text
// is not empty (Windows-1252, CR LF, as the program writes it).
QString Carte(const QTemporaryDir &d, const char *nom, const std::array<QRgb, 8> &pixels, const char *code)
{
    QImage image(4, 2, QImage::Format_ARGB32);
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 4; ++x)
            image.setPixel(x, y, pixels[static_cast<std::size_t>(y * 4 + x)]);
    const QString chemin = d.filePath(QString::fromLatin1(nom) + QStringLiteral(".png"));
    EXPECT_TRUE(image.save(chemin, "png"));
    if (*code) {
        QFile f(d.filePath(QString::fromLatin1(nom) + QStringLiteral(".ccc")));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(QString::fromUtf8(code).toLatin1() + "\r\n");
    }
    return chemin;
}

constexpr std::array<QRgb, 8> kArc = {0xFF0000FF, 0xFF00FFFF, 0xFF00FF00, 0xFFFFFF00,
                                      0xFFFF0000, 0xFF00FF80, 0xFF808080, 0xFF000000};
constexpr std::array<QRgb, 8> kDeux = {0xFFFFFFFF, 0xFF7F7FFF, 0xFF0000FF, 0xFFFF0000,
                                       0xFF0A141E, 0xFF000000, 0xFF808080, 0xFFFFFFFF};
constexpr std::array<QRgb, 8> kOccupation = {0xFF008000, 0xFF0000FF, 0xFFFFFF00, 0xFF808080,
                                             0xFF008000, 0xFF0000FF, 0xFF000000, 0xFF808080};

struct CasValeur {
    const char *nom;
    const std::array<QRgb, 8> *pixels;
    const char *code; // side-file text, "" for none
    int x, y;
    const char *langue;
    const char *sortie;
};

void PrintTo(const CasValeur &c, std::ostream *os)
{
    *os << c.nom;
}

constexpr const char *kCodeArc = "<CODE_C=1;0;16711680;65280;255;0;1020;F;Température;°C;>";
constexpr const char *kCodeArcLog = "<CODE_C=1;0;16711680;65280;255;1;1000;V;Dose;;>";
constexpr const char *kCodeDeux = "<CODE_C=2;0;16777215;0;100;F;Nitrates;mg/L;>";
constexpr const char *kCodeDeuxGris = "<CODE_C=2;0;13158600;0;100;F;;;>";
constexpr const char *kCodeTable = "<CODE_C=3;4;Occupation;;Forêt;32768;Eau;16711680;Champs;65535;Ville;8421504;>";
constexpr const char *kCodeCanaux = "<CODE_C=0;-20;0;0;40;255;255;Bleu;Vert;Rouge;16711680;65280;255;>";

const CasValeur kCas[] = {
    {"kind 0 without side-file: channels from blue, green, red", &kDeux, "", 0, 1, "C",
     "RVBLS:10,20,30,60,170\nX:0;Y:1\ncanaux: 30; 20; 10\n"},
    {"kind 0 from -20 to 40 on channel 1: blue 128 reads round(10,12)", &kArc, kCodeCanaux, 1, 1, "C",
     "RVBLS:0,255,128,383,255\nX:1;Y:1\ncanaux: 10; 255; 0\n"},
    {"kind 1 rainbow, cyan reads 255", &kArc, kCodeArc, 1, 0, "C",
     "RVBLS:0,255,255,510,255\nX:1;Y:0\nvaleur: 255 °C\n"},
    {"kind 1 rainbow, (0, 255, 128) reads 510 - 128", &kArc, kCodeArc, 1, 1, "C",
     "RVBLS:0,255,128,383,255\nX:1;Y:1\nvaleur: 382 °C\n"},
    {"kind 1 rainbow, red end", &kArc, kCodeArc, 0, 1, "C", "RVBLS:255,0,0,255,255\nX:0;Y:1\nvaleur: 1020 °C\n"},
    {"kind 1 logarithmic from 1 to 1000, green reads 31.62", &kArc, kCodeArcLog, 2, 0, "C",
     "RVBLS:0,255,0,255,255\nX:2;Y:0\nvaleur: 31.62\n"},
    {"kind 1 logarithmic under a French locale", &kArc, kCodeArcLog, 2, 0, "fr_FR.UTF-8",
     "RVBLS:0,255,0,255,255\nX:2;Y:0\nvaleur: 31,62\n"},
    {"kind 1 grey is not on the rainbow", &kArc, kCodeArc, 2, 1, "C", "RVBLS:128,128,128,384,0\nX:2;Y:1\nvaleur:\n"},
    {"kind 2 black to white, mid grey reads 50.2", &kDeux, kCodeDeux, 2, 1, "C",
     "RVBLS:128,128,128,384,0\nX:2;Y:1\nvaleur: 50.2 mg/L\n"},
    {"kind 2 under a French locale writes 50,2", &kDeux, kCodeDeux, 2, 1, "fr_FR.UTF-8",
     "RVBLS:128,128,128,384,0\nX:2;Y:1\nvaleur: 50,2 mg/L\n"},
    {"kind 2 white end", &kDeux, kCodeDeux, 3, 1, "C", "RVBLS:255,255,255,765,0\nX:3;Y:1\nvaleur: 100 mg/L\n"},
    {"kind 2 black to white, equal spans are read on blue", &kDeux, kCodeDeux, 1, 0, "C",
     "RVBLS:127,127,255,509,128\nX:1;Y:0\nvaleur: 100 mg/L\n"},
    {"kind 2 black to light grey, white lies outside and is not decodable", &kDeux, kCodeDeuxGris, 0, 0, "C",
     "RVBLS:255,255,255,765,0\nX:0;Y:0\nvaleur:\n"},
    {"kind 3 table, label with no unit", &kOccupation, kCodeTable, 0, 1, "C",
     "RVBLS:0,128,0,128,255\nX:0;Y:1\nvaleur: Forêt\n"},
    {"kind 3 table, last entry", &kOccupation, kCodeTable, 3, 0, "fr_FR.UTF-8",
     "RVBLS:128,128,128,384,0\nX:3;Y:0\nvaleur: Ville\n"},
    {"kind 3 a colour matching no entry", &kOccupation, kCodeTable, 2, 1, "C", "RVBLS:0,0,0,0,0\nX:2;Y:1\nvaleur:\n"},
    {"side-file of unknown kind gives the default code", &kOccupation, "<CODE_C=9;>", 1, 0, "C",
     "RVBLS:0,0,255,255,255\nX:1;Y:0\ncanaux: 255; 0; 0\n"},
};

class Valeur : public ::testing::TestWithParam<CasValeur> {};

TEST_P(Valeur, prints_the_status_lines_and_what_the_decoding_panel_shows)
{
    const CasValeur &c = GetParam();
    QTemporaryDir dossier;
    const QString chemin = Carte(dossier, "carte", *c.pixels, c.code);
    const Resultat r = Lancer({chemin, QString::number(c.x), QString::number(c.y)}, QString::fromLatin1(c.langue));
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QString::fromUtf8(c.sortie));
    EXPECT_TRUE(r.erreurs.isEmpty()) << r.erreurs.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cli, Valeur, ::testing::ValuesIn(kCas));

TEST(CommandeValeur, document_file_without_colour_code_prints_valeur_alone)
{
    QTemporaryDir dossier;
    QImage image(3, 3, QImage::Format_ARGB32);
    image.fill(0xFF204060);
    const QStringList lignes;
    const TListeDessins dessins;
    const TEchelle echelle = EchelleParDefaut();
    const TCodeCouleur code; // not defined
    const QString chemin = dossier.filePath(QStringLiteral("sans_code.kpt"));
    (void)EcrireFichierDocument(chemin, DocumentAEcrire{lignes, dessins, echelle, code, image}, CodageImage::Png, 90,
                                0xFFFFFFFF);
    const Resultat r = Lancer({chemin, QStringLiteral("2"), QStringLiteral("1")});
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QStringLiteral("RVBLS:32,64,96,192,170\nX:2;Y:1\nvaleur:\n"));
}

TEST(CommandeValeur, landsat_file_prints_the_bytes_of_its_three_displayed_channels)
{
    QTemporaryDir dossier;
    // Four bands of 4 x 2, one row of each band after the other: band b
    // (TM b+1) holds 10 (b + 1) + x + 100 y. Channels 2, 3, 4 are shown in
    // the blue, green and red slots.
    const int n = 4;
    const int w = 4;
    const QString chemin = dossier.filePath(QStringLiteral("scene.lan"));
    fixtures::Ecrire(chemin, fixtures::Lan(n, w, 2, n * w * 2, [](qint64 o) {
                         const qint64 i = o - 128;
                         const qint64 y = i / (n * w);
                         const qint64 b = (i / w) % n;
                         const qint64 x = i % w;
                         return static_cast<int>(10 * (b + 1) + x + 100 * y);
                     }));
    const Resultat r = Lancer({chemin, QStringLiteral("2"), QStringLiteral("1")});
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    const QStringList lignes = r.sortie.split(QLatin1Char('\n'));
    ASSERT_EQ(lignes.size(), 4) << r.sortie.toStdString();
    EXPECT_TRUE(lignes[0].startsWith(QStringLiteral("RVBLS:")));
    EXPECT_EQ(lignes[1], QStringLiteral("X:2;Y:1"));
    EXPECT_EQ(lignes[2], QStringLiteral("canaux: 122; 132; 142"));
}

struct CasEchec {
    const char *nom;
    QStringList arguments; // "CARTE" stands for a valid 4 x 2 map
    const char *extraitMessage;
};

void PrintTo(const CasEchec &c, std::ostream *os)
{
    *os << c.nom;
}

const CasEchec kEchecs[] = {
    {"no arguments", {}, "Usage : kaptori-cli valeur FICHIER X Y"},
    {"a missing coordinate", {"CARTE", "1"}, "Usage : kaptori-cli valeur FICHIER X Y"},
    {"one argument too many", {"CARTE", "1", "1", "1"}, "Usage : kaptori-cli valeur FICHIER X Y"},
    {"a coordinate that is not a number", {"CARTE", "x", "1"}, "doivent être des nombres entiers"},
    {"a decimal coordinate", {"CARTE", "1.5", "1"}, "doivent être des nombres entiers"},
    {"a point right of the image", {"CARTE", "4", "0"}, "hors de l'image, qui mesure 4 x 2 pixels"},
    {"a negative coordinate", {"CARTE", "0", "-1"}, "hors de l'image"},
    {"a huge coordinate", {"CARTE", "99999999999999999999", "0"}, "doivent être des nombres entiers"},
    {"a missing file", {"absente.png", "0", "0"}, "Impossible d'ouvrir le fichier"},
};

class ValeurEchec : public ::testing::TestWithParam<CasEchec> {};

TEST_P(ValeurEchec, exits_with_status_1_and_a_french_message_on_standard_error)
{
    QTemporaryDir dossier;
    const QString carte = Carte(dossier, "carte", kOccupation, "");
    QStringList arguments;
    for (const QString &a : GetParam().arguments)
        arguments.append(a == QStringLiteral("CARTE")          ? carte
                         : a == QStringLiteral("absente.png") ? dossier.filePath(a)
                                                              : a);
    const Resultat r = Lancer(arguments);
    EXPECT_EQ(r.statut, 1);
    EXPECT_TRUE(r.erreurs.contains(QString::fromUtf8(GetParam().extraitMessage))) << r.erreurs.toStdString();
    EXPECT_TRUE(r.sortie.isEmpty()) << r.sortie.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cli, ValeurEchec, ::testing::ValuesIn(kEchecs));

} // namespace
