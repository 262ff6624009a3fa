// kaptori-cli animation and creer-animation, run as a script runs them: the
// exact lines, the animated GIF as a reader sees it, the list built from
// files, and bad input refused with one French line, status 1 and no file.

#include "document/formats/lecteur_image.h"

#include "support/lancer_cli.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

QString Donnee(const char *nom)
{
    return qEnvironmentVariable("KAPTORI_DATA") + QLatin1Char('/') + QLatin1String(nom);
}

QByteArray Lire(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class CommandesAnimation : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier.isValid());
        // Three colours on the first frame, two on the second.
        QImage a(6, 4, QImage::Format_RGB32);
        a.fill(qRgb(255, 0, 0));
        a.setPixel(1, 1, qRgb(0, 255, 0));
        a.setPixel(2, 1, qRgb(0, 0, 255));
        ASSERT_TRUE(a.save(Chemin("a.png")));
        QImage b(3, 9, QImage::Format_RGB32);
        b.fill(qRgb(10, 20, 30));
        b.setPixel(0, 0, qRgb(1, 2, 3));
        ASSERT_TRUE(b.save(Chemin("b.bmp")));
        QFile liste(Chemin("film.anm"));
        ASSERT_TRUE(liste.open(QIODevice::WriteOnly));
        liste.write("a.png\r\nimage.lan\r\nb.bmp\r\n");
    }
    [[nodiscard]] QString Chemin(const char *nom) const { return dossier.filePath(QString::fromLatin1(nom)); }
    QTemporaryDir dossier;
};

TEST_F(CommandesAnimation, DescribesEachFrameAndWritesAnAnimatedGif)
{
    const ProcessusCli r = LancerCli({QStringLiteral("animation"), Chemin("film.anm"), Chemin("film.gif"),
                                      QStringLiteral("--intervalle"), QStringLiteral("20")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QByteArray("images: 2\n"
                                   "image\tfichier\tl\th\tcouleurs\n"
                                   "0\ta.png\t6\t4\t3\n"
                                   "1\tb.bmp\t3\t9\t2\n"));
    const QByteArray gif = Lire(Chemin("film.gif"));
    ASSERT_EQ(gif.left(6), QByteArray("GIF89a"));
    EXPECT_EQ(gif.mid(6, 4), QByteArray("\x06\x00\x09\x00", 4)); // screen of the largest sides
    EXPECT_TRUE(gif.contains(QByteArray("NETSCAPE2.0\x03\x01\x00\x00", 15)));
    // Graphic control: disposal 2, delay 20 × 5 = 100 hundredths.
    EXPECT_TRUE(gif.contains(QByteArray("\x21\xF9\x04\x08\x64\x00", 6)));
    // The first frame, as a reader decodes it.
    const QImage premiere = LireImage(Chemin("film.gif"));
    EXPECT_EQ(premiere.size(), QSize(6, 9));
    EXPECT_EQ(premiere.pixel(1, 1) & 0xFFFFFF, 0x00FF00u);
}

TEST_F(CommandesAnimation, WithoutLoopTheGifPlaysOnceAtTheDefaultInterval)
{
    const ProcessusCli r = LancerCli(
        {QStringLiteral("animation"), Chemin("film.anm"), Chemin("film.gif"), QStringLiteral("--sans-boucle")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    const QByteArray gif = Lire(Chemin("film.gif"));
    EXPECT_FALSE(gif.contains("NETSCAPE2.0"));
    EXPECT_TRUE(gif.contains(QByteArray("\x21\xF9\x04\x08\x0A\x00", 6)));
}

TEST_F(CommandesAnimation, BuildsAListFromFilesWithPngFramesForRasterFiles)
{
    const ProcessusCli r = LancerCli({QStringLiteral("creer-animation"), Chemin("nouvelle.anm"), Chemin("a.png"),
                                      Donnee("scene.lan"), Chemin("b.bmp")});
    ASSERT_EQ(r.statut, 0) << r.erreurs.toStdString();
    EXPECT_EQ(r.sortie, QByteArray("a.png\nnouvelle1.PNG\nb.bmp\n"));
    EXPECT_EQ(Lire(Chemin("nouvelle.anm")), QByteArray("a.png\r\nnouvelle1.PNG\r\nb.bmp\r\n"));
    EXPECT_TRUE(QFile::exists(Chemin("nouvelle1.PNG")));
}

TEST_F(CommandesAnimation, BadInputIsOneFrenchLineWithStatusOneAndNoFile)
{
    QFile courte(Chemin("courte.anm"));
    ASSERT_TRUE(courte.open(QIODevice::WriteOnly));
    courte.write("a.png\r\n");
    courte.close();
    const QList<QStringList> cas = {
        {QStringLiteral("animation"), Chemin("courte.anm"), Chemin("sortie.gif")},
        {QStringLiteral("animation"), Chemin("film.anm"), Chemin("sortie.gif"), QStringLiteral("--intervalle"),
         QStringLiteral("101")},
        {QStringLiteral("animation"), Chemin("absente.anm"), Chemin("sortie.gif")},
        {QStringLiteral("creer-animation"), Chemin("sortie.anm"), Chemin("a.png")},
        {QStringLiteral("creer-animation"), Chemin("sortie.anm"), Chemin("a.png"), Chemin("absente.png")},
    };
    for (const QStringList &arguments : cas) {
        const ProcessusCli r = LancerCli(arguments);
        EXPECT_EQ(r.statut, 1) << arguments.join(' ').toStdString();
        EXPECT_TRUE(r.sortie.isEmpty());
        EXPECT_EQ(r.erreurs.count('\n'), 1) << r.erreurs.toStdString();
    }
    EXPECT_EQ(QDir(dossier.path()).entryList(QDir::Files).size(), 4); // a.png, b.bmp, film.anm, courte.anm
}

} // namespace
