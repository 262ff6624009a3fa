// kaptori-cli amorcer and styles, run as a script runs them: the exact output
// lines, the schema file beside the picture or in the asked format, the styles
// file of the current folder, and an unknown style refused.

#include "schema/styles_fichier.h"

#include "document/formats/lecteur_image.h"

#include "support/fichier_essai.h"
#include "support/lancer_cli.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString Photo(const QTemporaryDir &dossier)
{
    // Left half grey 50 (dark marking gives 64), right half grey 128.
    QImage image(6, 4, QImage::Format_ARGB32);
    image.fill(qRgb(128, 128, 128));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 3; ++x)
            image.setPixel(x, y, qRgb(50, 50, 50));
    const QString chemin = dossier.filePath(QStringLiteral("photo.png"));
    EXPECT_TRUE(image.save(chemin));
    return chemin;
}

TEST(CommandeAmorcer, WritesTheBmpSchemaBesideThePictureWithTheFirstStyle)
{
    QTemporaryDir dossier;
    const QString photo = Photo(dossier);
    const ProcessusCli r = LancerCli({QStringLiteral("amorcer"), photo}, QStringLiteral("fr_FR.UTF-8"), dossier.path());
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    const QString schema = dossier.filePath(QStringLiteral("photo.sng"));
    EXPECT_EQ(QString::fromUtf8(r.sortie), QStringLiteral("style: normal\nschema: %1\n").arg(schema));
    QFile f(schema);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.read(2), "BM");
    const QImage lu = LireImage(schema);
    EXPECT_EQ(qRed(lu.pixel(0, 0)), 64);
    EXPECT_EQ(qRed(lu.pixel(4, 0)), 255);
    // Grey 128 beside grey 50 differs by 78: 255 - round(78 * 255 / 80) = 6.
    EXPECT_EQ(qRed(lu.pixel(3, 1)), 6);
}

TEST(CommandeAmorcer, TakesTheNamedStyleOfTheStylesFileAndTheOutputFormat)
{
    QTemporaryDir dossier;
    const QString photo = Photo(dossier);
    std::vector<StyleDes> styles = StylesIntegres();
    styles.front().nom = QStringLiteral("sans marquage");
    styles.front().param.MarquerNoir = false;
    const QString sty = dossier.filePath(QStringLiteral("mes.sty"));
    EcrireStyles(sty, styles);
    const QString png = dossier.filePath(QStringLiteral("sortie.png"));
    const ProcessusCli r = LancerCli({QStringLiteral("amorcer"), photo, png, QStringLiteral("--styles"), sty,
                                      QStringLiteral("--style"), QStringLiteral("sans marquage")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(QString::fromUtf8(r.sortie), QStringLiteral("style: sans marquage\nschema: %1\n").arg(png));
    EXPECT_EQ(FormatSelonContenu([&] {
                  QFile f(png);
                  EXPECT_TRUE(f.open(QIODevice::ReadOnly));
                  return f.readAll();
              }()),
              QStringLiteral("PNG"));
    EXPECT_EQ(qRed(LireImage(png).pixel(0, 0)), 255);
}

TEST(CommandeAmorcer, AnUnknownStyleListsTheStylesAndFails)
{
    QTemporaryDir dossier;
    const QString photo = Photo(dossier);
    const ProcessusCli r = LancerCli({QStringLiteral("amorcer"), photo, QStringLiteral("--style"), QStringLiteral("aucun")},
                                     QStringLiteral("fr_FR.UTF-8"), dossier.path());
    EXPECT_EQ(r.statut, 1);
    EXPECT_TRUE(r.sortie.isEmpty());
    EXPECT_EQ(QString::fromUtf8(r.erreurs),
              QString::fromUtf8("Style inconnu : aucun (styles : « normal », « fond noir », « micro contrasté »).\n"));
    EXPECT_FALSE(QFile::exists(dossier.filePath(QStringLiteral("photo.sng"))));
}

TEST(CommandeStyles, PrintsTheBuiltInsWhenTheFileIsRefused)
{
    QTemporaryDir dossier;
    const QString sty = dossier.filePath(QStringLiteral("stylesdess.sty"));
    ASSERT_TRUE(EcrireFichier(sty, "normal\r\n256,20,20,20,20,20\r\n"));
    const ProcessusCli r = LancerCli({QStringLiteral("styles")}, QStringLiteral("fr_FR.UTF-8"), dossier.path());
    ASSERT_EQ(r.statut, 0);
    const QList<QByteArray> lignes = r.sortie.split('\n');
    ASSERT_EQ(lignes.size(), 3 * 19 + 1);
    EXPECT_EQ(lignes[0], "normal");
    EXPECT_EQ(lignes[1], "20,20,20,20,20,20");
    EXPECT_EQ(lignes[19], "fond noir");
    EXPECT_EQ(lignes[38], "micro contrasté");
    EXPECT_EQ(lignes[38 + 11], "160");
    EXPECT_FALSE(r.erreurs.isEmpty());
}

} // namespace
