// Animation lists: what saving writes for each kind of frame, what loading
// reads back, and the refusals of faulty and hostile lists, which leave
// nothing half-done.

#include "animation/construction_animation.h"
#include "animation/enregistrement_animation.h"
#include "animation/legendes_animation.h"
#include "animation/liste_animation.h"
#include "commun/erreur.h"
#include "document/image_document.h"
#include "document/ouverture_document.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <memory>
#include <ostream>

namespace {

QString Donnee(const char *nom)
{
    return qEnvironmentVariable("KAPTORI_DATA") + QLatin1Char('/') + QLatin1String(nom);
}

QImage Degrade(int largeur, int hauteur, int decalage)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    for (int y = 0; y < hauteur; ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x)
            ligne[x] = qRgb((x * 16 + decalage) & 0xFF, (y * 16) & 0xFF, decalage & 0xFF);
    }
    return image;
}

void EcrireOctets(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    ASSERT_EQ(f.write(octets), octets.size());
}

QByteArray LireOctets(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A document opened from its file, as the program holds it after "Ouvrir".
std::unique_ptr<ImageDocument> Ouvrir(const QString &chemin)
{
    auto document = OuvrirDocument(chemin, 5);
    document->MarquerEnregistre();
    return document;
}

QStringList Lignes(const std::vector<LigneEnregistree> &lignes)
{
    QStringList noms;
    for (const LigneEnregistree &l : lignes)
        noms.append(l.nom);
    return noms;
}

// The message a call throws, or an empty text.
template <class F>
QString Message(F &&f)
{
    try {
        f();
    } catch (const ErreurKaptori &e) {
        return e.message();
    }
    return {};
}

// PNG bytes of a header announcing largeur x hauteur pixels, without pixels:
// enough for the header to be read, nothing to decode.
QByteArray EntetePng(quint32 largeur, quint32 hauteur)
{
    auto crc = [](const QByteArray &octets) {
        quint32 c = 0xFFFFFFFFu;
        for (char o : octets) {
            c ^= static_cast<quint8>(o);
            for (int k = 0; k < 8; ++k)
                c = (c >> 1) ^ (0xEDB88320u & (0u - (c & 1u)));
        }
        return ~c;
    };
    auto gros = [](quint32 v) {
        QByteArray o(4, '\0');
        for (int k = 0; k < 4; ++k)
            o[k] = static_cast<char>((v >> (24 - 8 * k)) & 0xFF);
        return o;
    };
    QByteArray ihdr = QByteArray("IHDR") + gros(largeur) + gros(hauteur) + QByteArray("\x08\x02\x00\x00\x00", 5);
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + gros(13) + ihdr + gros(crc(ihdr)) + gros(0) + QByteArray("IDAT")
           + gros(crc("IDAT")) + gros(0) + QByteArray("IEND")
           + gros(crc("IEND"));
}

class ListeAnimationEssai : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier.isValid());
        ASSERT_TRUE(Degrade(40, 30, 0).save(Chemin("a.jpg"), "JPEG", 95));
        ASSERT_TRUE(Degrade(20, 10, 100).save(Chemin("b.png"), "PNG"));
    }
    [[nodiscard]] QString Chemin(const QString &nom) const { return dossier.filePath(nom); }

    QTemporaryDir dossier;
};

TEST_F(ListeAnimationEssai, FramesOfSavedFilesOfTheListsFolderAreNamedAndReloadFromIt)
{
    auto a = Ouvrir(Chemin("a.jpg"));
    auto b = Ouvrir(Chemin("b.png"));
    const Animation animation = ConstruireAnimation({a.get(), b.get()});
    EXPECT_EQ(EnregistrerAnimation(animation, Chemin("film.anm")), (QStringList{"a.jpg", "b.png"}));
    EXPECT_EQ(LireOctets(Chemin("film.anm")), QByteArray("a.jpg\r\nb.png\r\n"));

    const Animation relue = ChargerAnimation(Chemin("film.anm"));
    ASSERT_EQ(relue.nombre(), 2);
    EXPECT_EQ(relue.FichiersAnimation(), (QStringList{"a.jpg", "b.png"}));
    EXPECT_EQ(relue.images[0].source, QFileInfo(Chemin("a.jpg")).absoluteFilePath());
    EXPECT_EQ(relue.images[1].image.size(), QSize(20, 10));
    EXPECT_EQ(relue.images[1].image.convertToFormat(QImage::Format_RGB32),
              Degrade(20, 10, 100).convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(relue.CheminAnimation, Chemin("film.anm"));
}

TEST_F(ListeAnimationEssai, ARasterFrameIsWrittenAsAPngNamedAfterTheList)
{
    auto lan = Ouvrir(Donnee("scene.lan"));
    ASSERT_TRUE(QFile::copy(Donnee("scene.lan"), Chemin("scene.lan")));
    lan->nomFichier = Chemin("scene.lan"); // in the list's folder, still refused
    auto a = Ouvrir(Chemin("a.jpg"));
    const Animation animation = ConstruireAnimation({lan.get(), a.get()});
    EXPECT_EQ(EnregistrerAnimation(animation, Chemin("film.anm")), (QStringList{"film0.PNG", "a.jpg"}));
    const QImage png(Chemin("film0.PNG"));
    EXPECT_EQ(png.convertToFormat(QImage::Format_RGB32),
              animation.images[0].image.convertToFormat(QImage::Format_RGB32));
    EXPECT_EQ(ChargerAnimation(Chemin("film.anm")).nombre(), 2);
}

TEST_F(ListeAnimationEssai, FramesThatTheirFileWouldNotGiveBackAreWrittenAsPng)
{
    QDir(dossier.path()).mkdir(QStringLiteral("ailleurs"));
    ASSERT_TRUE(QFile::copy(Chemin("b.png"), Chemin("ailleurs/c.png")));
    auto autreDossier = Ouvrir(Chemin("ailleurs/c.png"));
    auto dessine = Ouvrir(Chemin("a.jpg"));
    dessine->CreerCoucheDessin();
    dessine->coucheDessin.setPixel(3, 3, 0xFFFF0000); // drawn over, not in the JPEG
    auto modifie = Ouvrir(Chemin("b.png"));
    modifie->image.setPixel(0, 0, 0xFF00FF00);
    ImageDocument sansFichier;
    sansFichier.image = Degrade(8, 8, 7);
    auto intact = Ouvrir(Chemin("b.png"));

    const Animation animation =
        ConstruireAnimation({autreDossier.get(), dessine.get(), modifie.get(), &sansFichier, intact.get()});
    EXPECT_EQ(Lignes(LignesEnregistrement(animation, Chemin("film.anm"))),
              (QStringList{"film0.PNG", "film1.PNG", "film2.PNG", "film3.PNG", "b.png"}));
    // The built animation keeps each document's file as its entry.
    EXPECT_EQ(animation.FichiersAnimation()[0], Chemin("ailleurs/c.png"));
    EXPECT_EQ(animation.FichiersAnimation()[3], QString());
}

TEST_F(ListeAnimationEssai, APictureWrittenForOneFrameNeverReplacesTheFileOfAnother)
{
    // film1.PNG, from an earlier save, opened again as the first frame; a
    // picture in no file as the second, which saving names film1.PNG.
    ASSERT_TRUE(Degrade(8, 8, 50).save(Chemin("film1.PNG"), "PNG"));
    auto ancienne = Ouvrir(Chemin("film1.PNG"));
    ImageDocument nouvelle;
    nouvelle.image = Degrade(8, 8, 2);
    const Animation animation = ConstruireAnimation({ancienne.get(), &nouvelle});
    EXPECT_EQ(EnregistrerAnimation(animation, Chemin("film.anm")), (QStringList{"film0.PNG", "film1.PNG"}));

    const Animation relue = ChargerAnimation(Chemin("film.anm"));
    ASSERT_EQ(relue.nombre(), 2);
    for (int i = 0; i < 2; ++i)
        EXPECT_EQ(relue.images[i].image.convertToFormat(QImage::Format_RGB32),
                  animation.images[i].image.convertToFormat(QImage::Format_RGB32))
            << "frame " << i;
}

TEST_F(ListeAnimationEssai, AFailedSaveLeavesTheOldListAndNoNewPicture)
{
    EcrireOctets(Chemin("film.anm"), "ancienne\r\nliste\r\n");
    QDir(dossier.path()).mkdir(QStringLiteral("film1.PNG")); // frame 1 cannot be written
    ImageDocument un, deux;
    un.image = Degrade(8, 8, 1);
    deux.image = Degrade(8, 8, 2);
    const Animation animation = ConstruireAnimation({&un, &deux});
    EXPECT_FALSE(Message([&] { (void)EnregistrerAnimation(animation, Chemin("film.anm")); }).isEmpty());
    EXPECT_EQ(LireOctets(Chemin("film.anm")), QByteArray("ancienne\r\nliste\r\n"));
    EXPECT_FALSE(QFileInfo::exists(Chemin("film0.PNG")));
}

TEST_F(ListeAnimationEssai, RasterAndBlankLinesAreSkippedAndNamesFoundWithoutRegardToCase)
{
    EcrireOctets(Chemin("film.anm"), "A.JPG\n\nimage.per\r\nb.png");
    const Animation animation = ChargerAnimation(Chemin("film.anm"));
    EXPECT_EQ(animation.FichiersAnimation(), (QStringList{"A.JPG", "b.png"}));
    EXPECT_EQ(animation.images[0].source, QFileInfo(Chemin("a.jpg")).absoluteFilePath());
}

struct CasListe {
    const char *nom;
    QByteArray contenu;
    const char *extrait; // part of the message
};

void PrintTo(const CasListe &c, std::ostream *os) { *os << c.nom; }

class ListeRefusee : public ListeAnimationEssai, public ::testing::WithParamInterface<CasListe> {};

TEST_P(ListeRefusee, WithAFrenchMessageNamingTheCause)
{
    QDir(dossier.path()).mkdir(QStringLiteral("dossier"));
    EcrireOctets(Chemin("grande.png"), EntetePng(16000, 16000));
    EcrireOctets(Chemin("cent.png"), EntetePng(10000, 10000));
    ASSERT_EQ(mkfifo(Chemin("tube").toLocal8Bit().constData(), 0600), 0);
    EcrireOctets(Chemin("liste.anm"), GetParam().contenu);
    const QString message = Message([&] { (void)ChargerAnimation(Chemin("liste.anm")); });
    EXPECT_TRUE(message.contains(QString::fromUtf8(GetParam().extrait))) << message.toStdString();
}

QByteArray Repete(const QByteArray &ligne, int n)
{
    QByteArray octets;
    for (int i = 0; i < n; ++i)
        octets += ligne;
    return octets;
}

INSTANTIATE_TEST_SUITE_P(
    Listes, ListeRefusee,
    ::testing::Values(CasListe{"empty", "", "au moins deux images"},
                      CasListe{"one_line", "a.jpg\r\n", "au moins deux images"},
                      CasListe{"only_raster_lines", "x.lan\r\ny.IMG\r\n", "raster"},
                      CasListe{"missing_file_names_its_line", "a.jpg\r\nb.png\r\nc.png\r\n", "Ligne 3"},
                      CasListe{"binary", QByteArray("a.jpg\r\n\x01\x02\xff\x00zz\r\n", 12), "Ligne 2"},
                      CasListe{"huge_line", "a.jpg\r\n" + QByteArray(100000, 'x'), "nom de fichier de plus"},
                      CasListe{"folder", "a.jpg\r\ndossier\r\n", "pas un fichier d'image"},
                      CasListe{"device", "a.jpg\r\n/dev/zero\r\n", "pas un fichier d'image"},
                      CasListe{"fifo", "tube\r\na.jpg\r\n", "Ligne 1"},
                      CasListe{"itself", "a.jpg\r\nliste.anm\r\n", "lui-même"},
                      CasListe{"too_many_lines", Repete("a.jpg\r\n", 100000), "plus de 10000 images"},
                      CasListe{"huge_frame", "a.jpg\r\ngrande.png\r\n", "au plus 100 millions de pixels"},
                      CasListe{"too_many_pixels", Repete("cent.png\r\n", 11), "au plus 1000 millions de pixels"},
                      CasListe{"undecodable", "a.jpg\r\ncent.png\r\n", "Ligne 2"}),
    [](const ::testing::TestParamInfo<CasListe> &info) { return std::string(info.param.nom); });

TEST_F(ListeAnimationEssai, TheListFileMustBeARegularFile)
{
    EXPECT_FALSE(Message([] { (void)ChargerAnimation(QStringLiteral("/dev/zero")); }).isEmpty());
    EXPECT_FALSE(Message([&] { (void)ChargerAnimation(dossier.path()); }).isEmpty());
    EXPECT_FALSE(Message([&] { (void)ChargerAnimation(Chemin("absente.anm")); }).isEmpty());
}

TEST(LegendesAnimation, DecompositionCaptionsCarryTheFrameOnTwoDigits)
{
    EXPECT_EQ(LegendeDecomposition(QStringLiteral("C:\\x\\serie.anm"), 3), QStringLiteral("C:\\x\\serie03.anm"));
    EXPECT_EQ(LegendeDecomposition(QStringLiteral("/x/serie.anm"), 12), QStringLiteral("/x/serie12.anm"));
    EXPECT_EQ(LegendeDecomposition(QStringLiteral("/x.d/serie"), 0), QStringLiteral("/x.d/serie00"));
    EXPECT_EQ(LegendeDecomposition(QString(), 3), QStringLiteral("03"));
    EXPECT_EQ(LegendeDecomposition(QString(), 104), QStringLiteral("104"));
}

TEST(LegendesAnimation, ChooserLinesAlignNumbersBelowTen)
{
    EXPECT_EQ(LigneChoixDocument(3, QStringLiteral("C:\\w\\a.jpg")), QStringLiteral(" 3 a.jpg"));
    EXPECT_EQ(LigneChoixDocument(12, QStringLiteral("/w/b.png")), QStringLiteral("12 b.png"));
    EXPECT_EQ(LigneChoixDocument(1, QStringLiteral("Nouveau1")), QStringLiteral(" 1 Nouveau1"));
}

} // namespace
