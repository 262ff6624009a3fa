// kaptori-cli info and rgba: the lines and bytes scripts rely on, and a
// status of 1 with a French message for every file that cannot be read.

#include "app/cli/commandes_cli.h"

#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct Resultat {
    int statut = -1;
    QString sortie;
    QString erreurs;
};

// Runs the built program, as a script would.
Resultat Lancer(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral(KAPTORI_CLI), arguments);
    EXPECT_TRUE(p.waitForFinished(60000));
    return {p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1, QString::fromUtf8(p.readAllStandardOutput()),
            QString::fromUtf8(p.readAllStandardError())};
}

QString Donnee(const char *nom)
{
    return qEnvironmentVariable("KAPTORI_DATA") + QLatin1Char('/') + QLatin1String(nom);
}

TEST(CommandeInfo, prints_reader_size_and_an_empty_channel_list_for_a_photo)
{
    const Resultat r = Lancer({QStringLiteral("info"), Donnee("photo.jpg")});
    EXPECT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_TRUE(r.sortie.startsWith(QStringLiteral("format: JPEG\ntaille: 480x320\ncanaux: \n")))
        << r.sortie.toStdString();
}

TEST(CommandeRgba, writes_the_pixels_as_r_g_b_a_bytes_row_by_row)
{
    QTemporaryDir dossier;
    QImage image(2, 2, QImage::Format_ARGB32);
    image.setPixel(0, 0, 0xff102030);
    image.setPixel(1, 0, 0x80405060);
    image.setPixel(0, 1, 0x00000000);
    image.setPixel(1, 1, 0xfffefdfc);
    const QString png = dossier.filePath(QStringLiteral("petite.png"));
    ASSERT_TRUE(image.save(png, "png"));
    const QString sortie = dossier.filePath(QStringLiteral("petite.rgba"));

    const Resultat r = Lancer({QStringLiteral("rgba"), png, sortie});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    QFile f(sortie);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("\x10\x20\x30\xff" "\x40\x50\x60\x80" "\x00\x00\x00\x00" "\xfe\xfd\xfc\xff", 16));
}

struct CasEchec {
    const char *nom;
    QStringList (*arguments)(const QTemporaryDir &);
    const char *extraitMessage;
};

void PrintTo(const CasEchec &c, std::ostream *os)
{
    *os << c.nom;
}

QString Fichier(const QTemporaryDir &d, const char *nom, const QByteArray &contenu)
{
    const QString chemin = d.filePath(QLatin1String(nom));
    QFile f(chemin);
    f.open(QIODevice::WriteOnly);
    f.write(contenu);
    return chemin;
}

const CasEchec kEchecs[] = {
    {"info on a missing file", [](const QTemporaryDir &d) { return QStringList{"info", d.filePath("absente.png")}; },
     "Impossible d'ouvrir le fichier"},
    {"info on an unknown extension",
     [](const QTemporaryDir &d) { return QStringList{"info", Fichier(d, "carte.xyz", "x")}; },
     "Extension de fichier graphique inconnue (.xyz)"},
    {"info on random bytes named .gif",
     [](const QTemporaryDir &d) { return QStringList{"info", Fichier(d, "hasard.gif", QByteArray(500, '\x5a'))}; },
     "GIF endommagé ou tronqué"},
    {"info on an empty file", [](const QTemporaryDir &d) { return QStringList{"info", Fichier(d, "vide.jpg", {})}; },
     "le fichier est vide."},
    {"rgba on a truncated PNG",
     [](const QTemporaryDir &d) {
         QFile source(qEnvironmentVariable("KAPTORI_DATA") + "/objets.png");
         source.open(QIODevice::ReadOnly);
         return QStringList{"rgba", Fichier(d, "moitie.png", source.read(source.size() / 2)), d.filePath("o")};
     },
     "PNG endommagé ou tronqué"},
    {"rgba into a missing folder",
     [](const QTemporaryDir &d) {
         return QStringList{"rgba", qEnvironmentVariable("KAPTORI_DATA") + "/graphe.png", d.filePath("non/o.rgba")};
     },
     "Impossible de créer le fichier"},
    {"info without a file", [](const QTemporaryDir &) { return QStringList{"info"}; }, "Usage : kaptori-cli info"},
};

class Echec : public ::testing::TestWithParam<CasEchec> {};

TEST_P(Echec, exits_with_status_1_and_a_french_message_on_standard_error)
{
    QTemporaryDir dossier;
    const Resultat r = Lancer(GetParam().arguments(dossier));
    EXPECT_EQ(r.statut, 1);
    EXPECT_TRUE(r.erreurs.contains(QString::fromUtf8(GetParam().extraitMessage))) << r.erreurs.toStdString();
    EXPECT_TRUE(r.sortie.isEmpty()) << r.sortie.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Fichiers, Echec, ::testing::ValuesIn(kEchecs));

QString InfoPdf(const QString &pdf)
{
    QProcess p;
    p.start(QStringLiteral("pdfinfo"), {pdf});
    p.waitForFinished(60000);
    return QString::fromUtf8(p.readAllStandardOutput());
}

TEST(CommandeImprimer, prints_a_landscape_grid_with_one_page_per_copy)
{
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("grille.pdf"));
    const Resultat r = Lancer({"imprimer", Donnee("photo.jpg"), pdf, "--lignes", "2", "--colonnes", "3",
                               "--paysage", "--couleur", "--copies", "2", "--marges", "5,5,8,8", "--espace", "3"});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    const QString info = InfoPdf(pdf);
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Pages:\\s+2\\n")))) << info.toStdString();
    EXPECT_TRUE(info.contains(QRegularExpression(QStringLiteral("Page size:\\s+842 x 595 pts \\(A4\\)"))))
        << info.toStdString();
}

TEST(CommandeImprimer, prints_on_a3_when_asked)
{
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("a3.pdf"));
    const Resultat r = Lancer({"imprimer", Donnee("objets.png"), pdf, "--a3"});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_TRUE(InfoPdf(pdf).contains(QStringLiteral("(A3)"))) << InfoPdf(pdf).toStdString();
}

struct CasImprimerRefuse {
    const char *nom;
    QStringList options;
    const char *message;
};

void PrintTo(const CasImprimerRefuse &c, std::ostream *os)
{
    *os << c.nom;
}

const CasImprimerRefuse kImprimerRefuses[] = {
    {"ten columns spaced 200 mm", {"--colonnes", "10", "--espace", "200"}, "Image trop petite.\nAjustez les valeurs\n"},
    {"eleven rows", {"--lignes", "11"}, "L'option --lignes attend un nombre entier de 1 à 10."},
    {"three margins", {"--marges", "5,5,5"}, "L'option --marges attend quatre nombres entiers"},
    {"a margin that is not a number", {"--marges", "5,5,x,5"}, "L'option --marges attend quatre nombres entiers"},
    {"copies without a number", {"--copies"}, "L'option --copies attend un nombre entier de 1 à 100."},
    {"an unknown option", {"--recto-verso"}, "Option inconnue : --recto-verso"},
};

class ImprimerRefuse : public ::testing::TestWithParam<CasImprimerRefuse> {};

TEST_P(ImprimerRefuse, exits_with_status_1_a_french_message_and_no_pdf)
{
    QTemporaryDir dossier;
    const QString pdf = dossier.filePath(QStringLiteral("sortie.pdf"));
    const Resultat r = Lancer(QStringList{"imprimer", Donnee("photo.jpg"), pdf} + GetParam().options);
    EXPECT_EQ(r.statut, 1);
    EXPECT_TRUE(r.erreurs.contains(QString::fromUtf8(GetParam().message))) << r.erreurs.toStdString();
    EXPECT_FALSE(QFile::exists(pdf));
}

INSTANTIATE_TEST_SUITE_P(Options, ImprimerRefuse, ::testing::ValuesIn(kImprimerRefuses));

TEST(OctetsRgba, turns_a_premultiplied_picture_back_into_plain_components)
{
    QImage image(1, 1, QImage::Format_ARGB32_Premultiplied);
    image.setPixel(0, 0, qPremultiply(qRgba(200, 100, 50, 128)));
    const QByteArray octets = OctetsRgba(image);
    ASSERT_EQ(octets.size(), 4);
    EXPECT_NEAR(static_cast<uchar>(octets[0]), 200, 1);
    EXPECT_NEAR(static_cast<uchar>(octets[1]), 100, 1);
    EXPECT_NEAR(static_cast<uchar>(octets[2]), 50, 1);
    EXPECT_EQ(static_cast<uchar>(octets[3]), 128);
}

} // namespace
