// Reading ordinary pictures: every codec gives back what an independent
// writer (Qt's plugins, giflib's encoder) put in the file, and every damaged,
// mislabelled or oversized file ends in a French error, never a crash or a
// huge allocation.

#include "support/nom_cas.h"

#include "commun/erreur.h"
#include "document/formats/decodeurs_image.h"
#include "document/formats/lecteur_image.h"

#include <QBuffer>
#include <QFile>
#include <QImageWriter>
#include <QTemporaryDir>
#include <QtEndian>

#include <gif_lib.h>
#include <gtest/gtest.h>
#include <zlib.h>

#include <ostream>
#include <vector>

namespace {

// A picture with distinct colours everywhere and an odd width, so that a
// stride or channel-order mistake shows.
QImage Mire(int largeur, int hauteur, bool avecAlpha)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    for (int y = 0; y < hauteur; ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < largeur; ++x) {
            const int alpha = avecAlpha ? ((x + y) % 3 == 0 ? 0 : 255) : 255;
            ligne[x] = qRgba((x * 7) % 256, (y * 11) % 256, (x * y + 40) % 256, alpha);
            if (alpha == 0)
                ligne[x] = qRgba(0, 0, 0, 0);
        }
    }
    return image;
}

// Largest difference of any component between two pictures of equal size.
int EcartMax(const QImage &a, const QImage &b)
{
    int ecart = 0;
    for (int y = 0; y < a.height(); ++y) {
        const auto *la = reinterpret_cast<const QRgb *>(a.constScanLine(y));
        const auto *lb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        for (int x = 0; x < a.width(); ++x) {
            ecart = std::max({ecart, std::abs(qRed(la[x]) - qRed(lb[x])), std::abs(qGreen(la[x]) - qGreen(lb[x])),
                              std::abs(qBlue(la[x]) - qBlue(lb[x])), std::abs(qAlpha(la[x]) - qAlpha(lb[x]))});
        }
    }
    return ecart;
}

QByteArray EcrireAvecQt(const QImage &image, const char *format, int qualite = -1)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    QImageWriter ecrivain(&tampon, format);
    if (qualite >= 0)
        ecrivain.setQuality(qualite);
    EXPECT_TRUE(ecrivain.write(image)) << format << ": " << ecrivain.errorString().toStdString();
    return octets;
}

class DossierTemporaire : public ::testing::Test {
protected:
    QString Ecrire(const QString &nom, const QByteArray &octets)
    {
        const QString chemin = dossier_.filePath(nom);
        QFile f(chemin);
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(octets);
        return chemin;
    }
    // The message of the error LireImage throws, or "" when it reads the file.
    QString MessageDeLecture(const QString &chemin)
    {
        try {
            (void)LireImage(chemin);
        } catch (const ErreurKaptori &e) {
            return e.message();
        }
        return {};
    }
    QTemporaryDir dossier_;
};

// ---------------------------------------------------------------- round trips

struct CasAllerRetour {
    const char *nom;
    const char *extension;
    const char *formatQt;
    int qualite;
    bool avecAlpha;
    int ecartTolere;
    // Lossy formats are compared with Qt's own decoding of the same bytes.
    bool referenceQt = false;
};

void PrintTo(const CasAllerRetour &c, std::ostream *os)
{
    *os << c.nom;
}

const CasAllerRetour kAllersRetours[] = {
    {"PNG with transparency", "png", "png", -1, true, 0},
    {"opaque PNG", "PNG", "png", -1, false, 0},
    {"BMP", "bmp", "bmp", -1, false, 0},
    {"TIFF with transparency", "tif", "tiff", -1, true, 0},
    {"TIFF named .tiff", "tiff", "tiff", -1, false, 0},
    {"JPEG at quality 100", "jpg", "jpeg", 100, false, 2, true},
    {"JPEG named .jpeg", "jpeg", "jpeg", 75, false, 2, true},
    {"lossless WebP", "webp", "webp", 100, true, 0},
    {"PPM", "ppm", "ppm", -1, false, 0},
    {"XPM", "xpm", "xpm", -1, false, 0},
    {"icon", "ico", "ico", -1, true, 0},
};

class AllerRetourImage : public DossierTemporaire, public ::testing::WithParamInterface<CasAllerRetour> {};

TEST_P(AllerRetourImage, gives_back_the_picture_written_by_an_independent_encoder)
{
    const CasAllerRetour &c = GetParam();
    const QImage mire = Mire(37, 23, c.avecAlpha);
    const QByteArray octets = EcrireAvecQt(mire, c.formatQt, c.qualite);
    const QImage lue = LireImage(Ecrire(QStringLiteral("mire.") + QLatin1String(c.extension), octets));
    const QImage attendue =
        c.referenceQt ? QImage::fromData(octets, c.formatQt).convertToFormat(QImage::Format_ARGB32) : mire;
    ASSERT_EQ(lue.format(), QImage::Format_ARGB32);
    ASSERT_EQ(lue.size(), attendue.size());
    EXPECT_LE(EcartMax(lue, attendue), c.ecartTolere);
}

INSTANTIATE_TEST_SUITE_P(Formats, AllerRetourImage, ::testing::ValuesIn(kAllersRetours),
                         NomDuCas());

TEST(LectureJpeg, reads_the_sample_photo_opaque_at_its_size)
{
    const QImage photo = LireImage(qEnvironmentVariable("KAPTORI_DATA") + QStringLiteral("/photo.jpg"));
    ASSERT_EQ(photo.size(), QSize(480, 320));
    EXPECT_EQ(photo.format(), QImage::Format_ARGB32);
    EXPECT_EQ(qAlpha(photo.pixel(0, 0)), 255);
    EXPECT_EQ(qAlpha(photo.pixel(479, 319)), 255);
}

TEST(LectureJpeg, decodes_a_grey_picture_into_equal_components)
{
    QImage gris(16, 9, QImage::Format_Grayscale8);
    for (int y = 0; y < 9; ++y)
        std::fill_n(gris.scanLine(y), 16, static_cast<uchar>(y * 25));
    const QImage lue = DecoderJpeg(EcrireAvecQt(gris, "jpeg", 100));
    for (int y = 0; y < 9; ++y)
        for (int x = 0; x < 16; ++x) {
            const QRgb p = lue.pixel(x, y);
            ASSERT_EQ(qRed(p), qGreen(p));
            ASSERT_EQ(qGreen(p), qBlue(p));
            ASSERT_NEAR(qRed(p), y * 25, 3);
        }
}

// ----------------------------------------------------------------------- GIF

struct CadreGif {
    int gauche, haut, largeur, hauteur;
    bool entrelace;
    int transparente; // palette index, -1 for none
    std::vector<uint8_t> indices;
};

// Writes a GIF through giflib's encoder: a 4-colour palette (red, green, blue,
// white) and the frames given.
QByteArray EcrireGif(int largeurEcran, int hauteurEcran, const std::vector<CadreGif> &cadres)
{
    QByteArray octets;
    auto ecrire = [](GifFileType *gif, const GifByteType *donnees, int n) {
        static_cast<QByteArray *>(gif->UserData)->append(reinterpret_cast<const char *>(donnees), n);
        return n;
    };
    int erreur = 0;
    GifFileType *gif = EGifOpen(&octets, ecrire, &erreur);
    EGifSetGifVersion(gif, true);
    GifColorType couleurs[4] = {{255, 0, 0}, {0, 255, 0}, {0, 0, 255}, {255, 255, 255}};
    ColorMapObject *palette = GifMakeMapObject(4, couleurs);
    EGifPutScreenDesc(gif, largeurEcran, hauteurEcran, 2, 0, palette);
    for (const CadreGif &c : cadres) {
        GraphicsControlBlock gcb{};
        gcb.TransparentColor = c.transparente;
        GifByteType extension[4];
        const size_t n = EGifGCBToExtension(&gcb, extension);
        EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, static_cast<int>(n), extension);
        EGifPutImageDesc(gif, c.gauche, c.haut, c.largeur, c.hauteur, c.entrelace, nullptr);
        // Lines go out in the file's order: interlaced pictures by passes.
        std::vector<int> ordre;
        if (c.entrelace) {
            const int debut[4] = {0, 4, 2, 1}, pas[4] = {8, 8, 4, 2};
            for (int p = 0; p < 4; ++p)
                for (int y = debut[p]; y < c.hauteur; y += pas[p])
                    ordre.push_back(y);
        } else {
            for (int y = 0; y < c.hauteur; ++y)
                ordre.push_back(y);
        }
        for (int y : ordre) {
            std::vector<GifPixelType> ligne(c.indices.begin() + y * c.largeur,
                                            c.indices.begin() + (y + 1) * c.largeur);
            EGifPutLine(gif, ligne.data(), c.largeur);
        }
    }
    EGifCloseFile(gif, &erreur);
    GifFreeMapObject(palette);
    return octets;
}

constexpr QRgb kRouge = 0xffff0000, kVert = 0xff00ff00, kBleu = 0xff0000ff, kBlanc = 0xffffffff, kVide = 0;

// The literal expected picture, row by row.
void ComparerPixels(const QImage &image, const std::vector<std::vector<QRgb>> &attendu)
{
    ASSERT_EQ(image.height(), static_cast<int>(attendu.size()));
    for (int y = 0; y < image.height(); ++y) {
        ASSERT_EQ(image.width(), static_cast<int>(attendu[y].size()));
        const auto *ligne = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            EXPECT_EQ(ligne[x], attendu[y][x]) << "pixel " << x << "," << y;
    }
}

TEST(LectureGif, keeps_the_first_frame_only)
{
    const QByteArray gif = EcrireGif(2, 2,
                                     {{0, 0, 2, 2, false, -1, {0, 1, 2, 3}},
                                      {0, 0, 2, 2, false, -1, {3, 3, 3, 3}}});
    ComparerPixels(DecoderGif(gif), {{kRouge, kVert}, {kBleu, kBlanc}});
}

TEST(LectureGif, lays_the_frame_at_its_offset_on_a_transparent_screen_and_honours_its_transparent_index)
{
    const QByteArray gif = EcrireGif(4, 3, {{1, 1, 2, 2, false, 2, {0, 2, 1, 3}}});
    ComparerPixels(DecoderGif(gif), {{kVide, kVide, kVide, kVide},
                                     {kVide, kRouge, kVide, kVide},
                                     {kVide, kVert, kBlanc, kVide}});
}

TEST(LectureGif, puts_the_lines_of_an_interlaced_frame_back_in_order)
{
    CadreGif cadre{0, 0, 1, 10, true, -1, {}};
    for (int y = 0; y < 10; ++y)
        cadre.indices.push_back(static_cast<uint8_t>(y % 4));
    const QImage image = DecoderGif(EcrireGif(1, 10, {cadre}));
    const QRgb couleurs[4] = {kRouge, kVert, kBleu, kBlanc};
    for (int y = 0; y < 10; ++y)
        EXPECT_EQ(image.pixel(0, y), couleurs[y % 4]) << "line " << y;
}

TEST(LectureTga, reads_a_literal_uncompressed_picture_stored_bottom_up)
{
    // 18-byte header: no identifier, no palette, type 2 (true colour), 2 x 2,
    // 32 bits with 8 alpha bits, origin at the bottom left; then B,G,R,A and
    // the footer.
    QByteArray tga("\0\0\x02\0\0\0\0\0\0\0\0\0\x02\0\x02\0\x20\x08", 18);
    tga.append("\xff\0\0\xff" "\xff\xff\xff\xff" "\0\0\xff\xff" "\0\xff\0\x80", 16);
    // TrueVision 2.0 footer: no extension or developer area, then the signature.
    tga.append(QByteArray(8, '\0'));
    tga.append("TRUEVISION-XFILE.", 18);
    const QImage image = DecoderAvecQt(tga, "tga");
    ComparerPixels(image, {{0xffff0000, 0x8000ff00}, {0xff0000ff, 0xffffffff}});
}

// ------------------------------------------------------------- bad files

struct CasFichierMauvais {
    const char *nom;
    const char *fichier;
    QByteArray (*contenu)();
    const char *extraitMessage;
};

void PrintTo(const CasFichierMauvais &c, std::ostream *os)
{
    *os << c.nom;
}

QByteArray Moitie(const QByteArray &octets)
{
    return octets.left(octets.size() / 2);
}
QByteArray PngValide()
{
    return EcrireAvecQt(Mire(64, 64, false), "png");
}
QByteArray JpegValide()
{
    return EcrireAvecQt(Mire(64, 64, false), "jpeg", 90);
}
QByteArray GifValide()
{
    std::vector<uint8_t> indices(64 * 64);
    for (size_t i = 0; i < indices.size(); ++i)
        indices[i] = static_cast<uint8_t>((i * 7 / 3) % 4);
    return EcrireGif(64, 64, {{0, 0, 64, 64, false, -1, indices}});
}
QByteArray TiffValide()
{
    return EcrireAvecQt(Mire(64, 64, false), "tiff");
}
QByteArray BmpValide()
{
    return EcrireAvecQt(Mire(64, 64, false), "bmp");
}
QByteArray Hasard()
{
    QByteArray octets;
    quint32 etat = 12345;
    for (int i = 0; i < 3000; ++i) {
        etat = etat * 1103515245u + 12345u;
        octets.append(static_cast<char>(etat >> 24));
    }
    return octets;
}

const CasFichierMauvais kFichiersMauvais[] = {
    {"empty PNG", "vide.png", [] { return QByteArray(); }, "vide"},
    {"empty JPEG", "vide.jpg", [] { return QByteArray(); }, "vide"},
    {"empty GIF", "vide.gif", [] { return QByteArray(); }, "vide"},
    {"empty TIFF", "vide.tif", [] { return QByteArray(); }, "vide"},
    {"empty BMP", "vide.bmp", [] { return QByteArray(); }, "vide"},
    {"truncated PNG", "moitie.png", [] { return Moitie(PngValide()); }, "PNG endommagé ou tronqué"},
    {"truncated JPEG", "moitie.jpg", [] { return Moitie(JpegValide()); }, "JPEG endommagé ou tronqué"},
    {"truncated GIF", "moitie.gif", [] { return Moitie(GifValide()); }, "GIF endommagé ou tronqué"},
    {"truncated TIFF", "moitie.tif", [] { return Moitie(TiffValide()); }, "TIFF endommagé"},
    {"truncated BMP", "moitie.bmp", [] { return Moitie(BmpValide()); }, "BMP endommagé ou tronqué"},
    {"BMP short of its last row", "ligne.bmp", [] { return BmpValide().chopped(1); }, "BMP endommagé ou tronqué"},
    {"truncated BMP named .ico", "moitie.ico", [] { return Moitie(BmpValide()); }, "BMP endommagé ou tronqué"},
    {"truncated icon", "moitie.ico", [] { return EcrireAvecQt(Mire(32, 32, true), "ico").left(1000); },
     "fichier ICO endommagé ou tronqué (données de l'image illisibles)."},
    {"header of a JPEG only", "entete.jpg", [] { return JpegValide().left(20); }, "JPEG endommagé ou tronqué"},
    {"random bytes named .gif", "hasard.gif", Hasard, "GIF endommagé ou tronqué"},
    {"random bytes named .png", "hasard.png", Hasard, "PNG endommagé ou tronqué"},
    {"random bytes named .jpg", "hasard.jpg", Hasard, "JPEG endommagé ou tronqué"},
    {"random bytes named .tif", "hasard.tif", Hasard, "TIFF endommagé"},
    {"random bytes named .bmp", "hasard.bmp", Hasard, "BMP"},
    {"a PNG cut short named .jpg", "photo.jpg", [] { return Moitie(PngValide()); }, "PNG endommagé ou tronqué"},
};

class FichierMauvais : public DossierTemporaire, public ::testing::WithParamInterface<CasFichierMauvais> {};

TEST_P(FichierMauvais, ends_in_a_french_decoding_error_naming_the_file)
{
    const CasFichierMauvais &c = GetParam();
    const QString chemin = Ecrire(QString::fromLatin1(c.fichier), c.contenu());
    try {
        (void)LireImage(chemin);
        FAIL() << "the file was read";
    } catch (const ErreurDecodage &e) {
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.extraitMessage))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QString::fromLatin1(c.fichier))) << e.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Fichiers, FichierMauvais, ::testing::ValuesIn(kFichiersMauvais),
                         NomDuCas());

TEST_F(DossierTemporaire, unknown_content_under_an_unknown_extension_gives_the_message_naming_it)
{
    EXPECT_EQ(MessageDeLecture(Ecrire(QStringLiteral("carte.xyz"), Hasard())),
              QStringLiteral("Extension de fichier graphique inconnue (.xyz)"));
    EXPECT_EQ(MessageDeLecture(Ecrire(QStringLiteral("sansextension"), Hasard())),
              QStringLiteral("Extension de fichier graphique inconnue (.)"));
}

// A file whose extension says another format, or none the program knows,
// opens as what its content is: the program itself writes BMP data under
// ".ico", ".emf" and ".wmf".
struct CasContenu {
    const char *nom;
    const char *fichier;
    QByteArray (*contenu)();
    bool exact; // lossless: the pixels are the test pattern's
};

void PrintTo(const CasContenu &c, std::ostream *os) { *os << c.nom; }

const CasContenu kContenus[] = {
    {"a PNG named .jpg", "photo.jpg", PngValide, true},
    {"a JPEG named .png", "photo.png", JpegValide, false},
    {"a GIF named .bmp", "photo.bmp", GifValide, false},
    {"a BMP named .tif", "photo.tif", BmpValide, true},
    {"a BMP named .ico", "icone.ico", BmpValide, true},
    {"a BMP named .emf", "dessin.emf", BmpValide, true},
    {"a BMP named .wmf", "dessin.wmf", BmpValide, true},
    {"a PNG named .xyz", "carte.xyz", PngValide, true},
    {"a TIFF without extension", "scan", TiffValide, true},
};

class OuvertureSelonContenu : public DossierTemporaire, public ::testing::WithParamInterface<CasContenu> {};

TEST_P(OuvertureSelonContenu, opens_the_picture_its_content_holds)
{
    const CasContenu &c = GetParam();
    const QImage image = LireImage(Ecrire(QString::fromLatin1(c.fichier), c.contenu()));
    EXPECT_EQ(image.size(), QSize(64, 64));
    if (c.exact) {
        EXPECT_EQ(image, Mire(64, 64, false));
    }
}

INSTANTIATE_TEST_SUITE_P(Fichiers, OuvertureSelonContenu, ::testing::ValuesIn(kContenus),
                         NomDuCas());

TEST_F(DossierTemporaire, a_missing_file_is_a_file_error)
{
    EXPECT_THROW((void)LireImage(dossier_.filePath(QStringLiteral("absente.png"))), ErreurFichier);
}

TEST_F(DossierTemporaire, the_extension_is_compared_without_regard_to_case)
{
    const QImage mire = Mire(5, 4, false);
    EXPECT_EQ(LireImage(Ecrire(QStringLiteral("A.JpG"), EcrireAvecQt(mire, "jpeg", 100))).size(), QSize(5, 4));
    EXPECT_EQ(LireImage(Ecrire(QStringLiteral("B.Bmp"), EcrireAvecQt(mire, "bmp"))), mire);
}

// --------------------------------------------------- oversized headers
// Headers forged by hand announce pictures the program refuses, with or
// without the data behind them: the refusal must come from the header.

void AjouterBE32(QByteArray &o, quint32 v)
{
    char b[4];
    qToBigEndian(v, b);
    o.append(b, 4);
}

void AjouterLE16(QByteArray &o, quint16 v)
{
    char b[2];
    qToLittleEndian(v, b);
    o.append(b, 2);
}

void AjouterLE32(QByteArray &o, quint32 v)
{
    char b[4];
    qToLittleEndian(v, b);
    o.append(b, 4);
}

QByteArray BlocPng(const char type[4], const QByteArray &donnees)
{
    QByteArray bloc;
    AjouterBE32(bloc, static_cast<quint32>(donnees.size()));
    QByteArray corps = QByteArray(type, 4) + donnees;
    bloc += corps;
    AjouterBE32(bloc, static_cast<quint32>(crc32(0, reinterpret_cast<const Bytef *>(corps.constData()),
                                                 static_cast<uInt>(corps.size()))));
    return bloc;
}

QByteArray PngForge(quint32 largeur, quint32 hauteur)
{
    QByteArray ihdr;
    AjouterBE32(ihdr, largeur);
    AjouterBE32(ihdr, hauteur);
    ihdr.append("\x08\x02\x00\x00\x00", 5); // 8-bit RGB
    // A few compressed rows of zeros, far fewer than announced.
    QByteArray zeros(1000, '\0');
    QByteArray idat(2000, '\0');
    uLongf taille = static_cast<uLongf>(idat.size());
    compress(reinterpret_cast<Bytef *>(idat.data()), &taille, reinterpret_cast<const Bytef *>(zeros.constData()),
             static_cast<uLong>(zeros.size()));
    idat.resize(static_cast<qsizetype>(taille));
    return QByteArray("\x89PNG\r\n\x1a\n", 8) + BlocPng("IHDR", ihdr) + BlocPng("IDAT", idat) +
           BlocPng("IEND", {});
}

QByteArray JpegForge(quint16 largeur, quint16 hauteur)
{
    const QByteArray sain = EcrireAvecQt(Mire(16, 16, false), "jpeg", 90);
    QByteArray o = sain;
    // Rewrite the frame header's height and width (SOF0: FF C0 len P H W).
    const qsizetype sof = o.indexOf("\xff\xc0");
    o[sof + 5] = static_cast<char>(hauteur >> 8);
    o[sof + 6] = static_cast<char>(hauteur & 0xff);
    o[sof + 7] = static_cast<char>(largeur >> 8);
    o[sof + 8] = static_cast<char>(largeur & 0xff);
    return o;
}

QByteArray GifForge(quint16 largeur, quint16 hauteur)
{
    QByteArray o("GIF89a");
    AjouterLE16(o, largeur);
    AjouterLE16(o, hauteur);
    o.append("\x80\x00\x00", 3);              // global palette of 2 colours
    o.append("\x00\x00\x00\xff\xff\xff", 6);
    o.append('\x2c');
    AjouterLE16(o, 0);
    AjouterLE16(o, 0);
    AjouterLE16(o, largeur);
    AjouterLE16(o, hauteur);
    o.append('\x00');
    o.append("\x02\x02\x44\x01\x00\x3b", 6); // a tiny LZW stream and the trailer
    return o;
}

QByteArray TiffForge(quint32 largeur, quint32 hauteur)
{
    QByteArray o("II*\0", 4);
    AjouterLE32(o, 8);
    struct Entree { quint16 tag, type; quint32 n, valeur; };
    const Entree entrees[] = {
        {256, 4, 1, largeur}, {257, 4, 1, hauteur}, {258, 3, 1, 8}, {259, 3, 1, 1},
        {262, 3, 1, 1},       {273, 4, 1, 200},     {277, 3, 1, 1}, {278, 4, 1, hauteur},
        {279, 4, 1, 16},
    };
    AjouterLE16(o, static_cast<quint16>(std::size(entrees)));
    for (const Entree &e : entrees) {
        AjouterLE16(o, e.tag);
        AjouterLE16(o, e.type);
        AjouterLE32(o, e.n);
        AjouterLE32(o, e.valeur);
    }
    AjouterLE32(o, 0);
    o.append(QByteArray(300 - o.size(), '\0'));
    return o;
}

QByteArray BmpForge(qint32 largeur, qint32 hauteur)
{
    QByteArray o("BM");
    AjouterLE32(o, 54 + 64);
    AjouterLE32(o, 0);
    AjouterLE32(o, 54);
    AjouterLE32(o, 40);
    AjouterLE32(o, static_cast<quint32>(largeur));
    AjouterLE32(o, static_cast<quint32>(hauteur));
    AjouterLE16(o, 1);
    AjouterLE16(o, 24);
    AjouterLE32(o, 0);
    AjouterLE32(o, 0);
    AjouterLE32(o, 2835);
    AjouterLE32(o, 2835);
    AjouterLE32(o, 0);
    AjouterLE32(o, 0);
    o.append(QByteArray(64, '\x7f'));
    return o;
}

// A forged file and a part of the message that refuses it.
using CasEnteteGeant = CasFichierMauvais;

const CasEnteteGeant kEntetesGeants[] = {
    {"PNG wider than 32767", "large.png", [] { return PngForge(40000, 10); }, "au plus 32767 pixels de côté"},
    {"PNG taller than 32767", "haute.png", [] { return PngForge(10, 32768); }, "au plus 32767 pixels de côté"},
    {"PNG above 400 megapixels", "enorme.png", [] { return PngForge(30000, 20000); }, "400 millions de pixels"},
    {"PNG announcing more than its bytes hold", "creuse.png", [] { return PngForge(20000, 19000); },
     "tronqué ou endommagé"},
    {"JPEG wider than 32767", "large.jpg", [] { return JpegForge(50000, 8); }, "au plus 32767 pixels de côté"},
    {"JPEG above 400 megapixels", "enorme.jpg", [] { return JpegForge(30000, 30000); }, "400 millions de pixels"},
    {"JPEG announcing more than its bytes hold", "creuse.jpg", [] { return JpegForge(10000, 10000); },
     "tronqué ou endommagé"},
    {"GIF of 65535 x 65535", "enorme.gif", [] { return GifForge(65535, 65535); }, "au plus 32767 pixels de côté"},
    {"GIF above 400 megapixels", "enorme2.gif", [] { return GifForge(30000, 30000); },
     "400 millions de pixels"},
    {"GIF of 20000 x 20000 in a few bytes", "creuse2.gif", [] { return GifForge(20000, 20000); },
     "tronqué ou endommagé"},
    {"TIFF wider than 32767", "large.tif", [] { return TiffForge(100000, 1); }, "au plus 32767 pixels de côté"},
    {"TIFF announcing more than its bytes hold", "creuse.tif", [] { return TiffForge(20000, 19000); },
     "tronqué ou endommagé"},
    {"BMP wider than 32767", "large.bmp", [] { return BmpForge(40000, 1); }, "au plus 32767 pixels de côté"},
    {"BMP announcing more than its bytes hold", "creuse.bmp", [] { return BmpForge(16000, 16000); },
     "tronqué ou endommagé"},
};

class EnteteGeant : public DossierTemporaire, public ::testing::WithParamInterface<CasEnteteGeant> {};

TEST_P(EnteteGeant, is_refused_from_its_header_with_a_french_message)
{
    const CasEnteteGeant &c = GetParam();
    const QString message = MessageDeLecture(Ecrire(QString::fromLatin1(c.fichier), c.contenu()));
    EXPECT_TRUE(message.contains(QString::fromUtf8(c.extraitMessage))) << message.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Entetes, EnteteGeant, ::testing::ValuesIn(kEntetesGeants),
                         NomDuCas());

} // namespace
