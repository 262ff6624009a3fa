// kaptori-cli mesure and angle, run as a teacher's script runs them: the
// readout lines of the measuring tool for a picture and its scale side-file,
// with the decimal separator of the user's locale, and a status of 1 with a
// French message for what cannot be measured.

#include "support/lancer_cli.h"

#include <QFile>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

using Resultat = SortieCli;

// Runs the built program under a locale ("fr_FR.UTF-8" writes "1,25").
Resultat Lancer(const QStringList &arguments, const QString &locale)
{
    return LancerCliTexte(arguments, locale);
}

QString Donnee(const char *nom)
{
    return qEnvironmentVariable("KAPTORI_DATA") + QLatin1Char('/') + QLatin1String(nom);
}

// A white 400 × 300 picture with the given side-file text, in the folder.
QString ImageAvecEchelle(const QTemporaryDir &dossier, const char *echelle)
{
    const QString chemin = dossier.filePath(QStringLiteral("figure.png"));
    QImage image(400, 300, QImage::Format_RGB32);
    image.fill(Qt::white);
    EXPECT_TRUE(image.save(chemin));
    QFile sca(dossier.filePath(QStringLiteral("figure.sca")));
    EXPECT_TRUE(sca.open(QIODevice::WriteOnly));
    sca.write(QByteArray(echelle) + "\r\n");
    return chemin;
}

struct CasLecture {
    const char *nom;
    const char *echelle; // side-file of figure.png; nullptr: data/photo.jpg with photo.sca
    QStringList points;
    const char *locale;
    const char *ligne;   // the line printed, without its line end
};

void PrintTo(const CasLecture &c, std::ostream *os)
{
    *os << c.nom;
}

const CasLecture kLectures[] = {
    {"length_on_the_photo_in_a_comma_locale", nullptr, {"10", "10", "13", "14"}, "fr_FR.UTF-8", "1,25 mm"},
    {"length_on_the_photo_in_a_point_locale", nullptr, {"10", "10", "13", "14"}, "C", "1.25 mm"},
    {"one_point_with_a_length_scale_reads_nothing", nullptr, {"10", "10"}, "fr_FR.UTF-8", ""},
    {"default_scale_counts_pixels", "garbage", {"10", "10", "13", "14"}, "fr_FR.UTF-8", "5 pixels"},
    {"graph_with_two_y_axes", "<SCALE=1;40;20;380;262;40;0,0125;s;2;-0,01667;m;260;-0,1667;°C;260;>",
     {"200", "140"}, "fr_FR.UTF-8", "2 s   2 m   20 °C"},
    {"graph_outside_its_frame", "<SCALE=1;40;20;380;262;40;0,0125;s;2;-0,01667;m;260;-0,1667;°C;260;>",
     {"39", "140"}, "fr_FR.UTF-8", ""},
    {"graph_reads_the_second_point_of_two", "<SCALE=1;40;20;380;262;40;0,0125;s;1;-0,01667;m;260;>",
     {"39", "140", "100", "60"}, "fr_FR.UTF-8", "0,75 s   3,33 m"},
    {"polar_with_zero_angle_90", "<SCALE=3;100;100;de;90;0,5;cm;>", {"110", "100"}, "fr_FR.UTF-8",
     "R=5 cm  A=-90°"},
    {"polar_in_radians", "<SCALE=3;100;100;Rd;0;1;mm;>", {"100", "90"}, "fr_FR.UTF-8", "R=10 mm  A=1,57 Rd"},
    {"triangle_lower_left_corner", "<SCALE=2;0;100;100;0;X;Y;Z;>", {"0", "100"}, "fr_FR.UTF-8",
     "X: 0%  Y: 100%  Z: 0%"},
};

class LectureMesure : public ::testing::TestWithParam<CasLecture> {};

TEST_P(LectureMesure, prints_the_readout_of_the_measuring_tool)
{
    const CasLecture &c = GetParam();
    QTemporaryDir dossier;
    ASSERT_TRUE(dossier.isValid());
    const QString fichier = c.echelle ? ImageAvecEchelle(dossier, c.echelle) : Donnee("photo.jpg");
    const Resultat r = Lancer(QStringList{QStringLiteral("mesure"), fichier} + c.points, QLatin1String(c.locale));
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QString::fromUtf8(c.ligne) + QLatin1Char('\n')) << r.sortie.toStdString();
}

INSTANTIATE_TEST_SUITE_P(CommandeMesure, LectureMesure, ::testing::ValuesIn(kLectures),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST(CommandeInfo, shows_the_scale_read_from_the_side_file_in_the_locale_of_the_user)
{
    const Resultat fr = Lancer({QStringLiteral("info"), Donnee("photo.jpg")}, QStringLiteral("fr_FR.UTF-8"));
    EXPECT_EQ(fr.statut, 0) << fr.erreurs.toStdString();
    EXPECT_TRUE(fr.sortie.contains(QStringLiteral("\nechelle: <SCALE=0;0,25;mm;>\n"))) << fr.sortie.toStdString();
    const Resultat c = Lancer({QStringLiteral("info"), Donnee("photo.jpg")}, QStringLiteral("C"));
    EXPECT_TRUE(c.sortie.contains(QStringLiteral("\nechelle: <SCALE=0;0.25;mm;>\n"))) << c.sortie.toStdString();

    QTemporaryDir dossier;
    const QString sans = ImageAvecEchelle(dossier, "<SCALE=7;1;mm;>"); // unknown mode: the default scale
    const Resultat d = Lancer({QStringLiteral("info"), sans}, QStringLiteral("fr_FR.UTF-8"));
    EXPECT_TRUE(d.sortie.contains(QStringLiteral("\nechelle: <SCALE=0;1;pixels;>\n"))) << d.sortie.toStdString();
}

struct CasAngle {
    const char *nom;
    QStringList points;
    const char *ligne;
};

void PrintTo(const CasAngle &c, std::ostream *os)
{
    *os << c.nom;
}

const CasAngle kAngles[] = {
    {"rightwards_then_upwards", {"0", "50", "100", "50", "50", "100", "50", "0"}, "90° (90°)"},
    {"rightwards_then_downwards", {"0", "50", "100", "50", "50", "0", "50", "100"}, "90° (270°)"},
    {"parallel_the_same_way", {"0", "0", "100", "0", "0", "50", "100", "50"}, "0° (0°)"},
    {"parallel_opposite_ways", {"0", "0", "100", "0", "100", "50", "0", "50"}, "0° (180°)"},
    {"thirty_degrees", {"0", "0", "100", "0", "0", "0", "866", "-500"}, "30° (30°)"},
};

class LectureAngle : public ::testing::TestWithParam<CasAngle> {};

TEST_P(LectureAngle, prints_the_acute_then_the_oriented_angle)
{
    const CasAngle &c = GetParam();
    const Resultat r = Lancer(QStringList{QStringLiteral("angle")} + c.points, QStringLiteral("fr_FR.UTF-8"));
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QString::fromUtf8(c.ligne) + QLatin1Char('\n')) << r.sortie.toStdString();
}

INSTANTIATE_TEST_SUITE_P(CommandeAngle, LectureAngle, ::testing::ValuesIn(kAngles),
                         [](const auto &info) { return std::string(info.param.nom); });

struct CasRefus {
    const char *nom;
    QStringList arguments; // "@" stands for a missing file in a temporary folder
    const char *extrait;
};

void PrintTo(const CasRefus &c, std::ostream *os)
{
    *os << c.nom;
}

const CasRefus kRefus[] = {
    {"missing_file", {"mesure", "@", "1", "1"}, ""},
    {"coordinate_not_an_integer", {"mesure", "@", "1,5", "1"}, "Coordonnée invalide : « 1,5 »"},
    {"three_coordinates", {"mesure", "@", "1", "1", "2"}, "Usage : kaptori-cli mesure"},
    {"angle_with_seven_numbers", {"angle", "0", "0", "1", "1", "2", "2", "3"}, "Usage : kaptori-cli angle"},
    {"angle_with_a_word", {"angle", "0", "0", "1", "1", "2", "2", "3", "x"}, "Coordonnée invalide : « x »"},
};

class RefusMesure : public ::testing::TestWithParam<CasRefus> {};

TEST_P(RefusMesure, ends_with_status_1_and_a_french_message)
{
    const CasRefus &c = GetParam();
    QTemporaryDir dossier;
    QStringList arguments = c.arguments;
    arguments.replaceInStrings(QRegularExpression(QStringLiteral("^@$")), dossier.filePath(QStringLiteral("absent.png")));
    const Resultat r = Lancer(arguments, QStringLiteral("fr_FR.UTF-8"));
    EXPECT_EQ(r.statut, 1);
    EXPECT_TRUE(r.sortie.isEmpty()) << r.sortie.toStdString();
    EXPECT_FALSE(r.erreurs.trimmed().isEmpty());
    EXPECT_TRUE(r.erreurs.contains(QString::fromUtf8(c.extrait))) << r.erreurs.toStdString();
}

INSTANTIATE_TEST_SUITE_P(CommandesMesure, RefusMesure, ::testing::ValuesIn(kRefus),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST(CommandeMesure, a_point_off_the_picture_gives_one_french_line_and_status_1)
{
    const QString photo = Donnee("photo.jpg");
    const QImage image(photo);
    ASSERT_FALSE(image.isNull());
    const QString largeur = QString::number(image.width());
    for (const QStringList &points : {QStringList{largeur, QStringLiteral("0")},
                                      QStringList{QStringLiteral("0"), QStringLiteral("-1")},
                                      QStringList{QStringLiteral("1"), QStringLiteral("1"), largeur, QStringLiteral("1")}}) {
        const Resultat r = Lancer(QStringList{QStringLiteral("mesure"), photo} + points, QStringLiteral("fr_FR.UTF-8"));
        EXPECT_EQ(r.statut, 1) << points.join(QLatin1Char(' ')).toStdString();
        EXPECT_TRUE(r.sortie.isEmpty()) << r.sortie.toStdString();
        EXPECT_TRUE(r.erreurs.contains(QStringLiteral("est hors de l'image, qui mesure %1 x %2 pixels")
                                           .arg(image.width())
                                           .arg(image.height())))
            << r.erreurs.toStdString();
        EXPECT_EQ(r.erreurs.count(QLatin1Char('\n')), 1) << r.erreurs.toStdString();
    }
}

} // namespace
