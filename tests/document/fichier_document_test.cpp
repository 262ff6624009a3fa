// The document file: exact bytes of a known document, round trips of
// everything a document keeps in each image encoding, and refusal of
// truncated or foreign files before anything is built.

#include "commun/erreur.h"
#include "document/fichier_document.h"
#include "support/echelles_essai.h"
#include "support/fichier_essai.h"
#include "support/images_essai.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtEndian>

#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <ostream>
#include <string>

namespace {

QByteArray Ecrire(const DocumentAEcrire &doc, CodageImage codage, QRgb fond = 0xFFFFFFFF, int *omis = nullptr)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    const int n = EcrireDocumentFlux(tampon, doc, codage, 100, fond);
    if (omis != nullptr)
        *omis = n;
    return octets;
}

// A small picture with flat areas, a gradient and a half-transparent corner.
QImage ImageVariee(bool opaque)
{
    QImage image(40, 30, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            ligne[x] = x < 20 ? qRgb(6 * x, 8 * y, 100) : qRgb(250, 250, 240);
            if (!opaque && x < 4 && y < 4)
                ligne[x] = qRgba(30, 60, 90, 50 * x);
        }
    }
    return image;
}

TEST(FichierDocument, UnNouveauDocumentSansFondDonneLesOctetsAttendus)
{
    // A 640 x 480 "Nouveau" never drawn on: default scale, no colour code.
    const QStringList libres;
    const TListeDessins dessins;
    const TEchelle echelle = echelle_essai::Longueur(1.0, "pixels");
    TCodeCouleur code;
    const QImage image = ImageUnie(640, 480, 0xFF102030);
    const QByteArray octets = Ecrire({libres, dessins, echelle, code, image}, CodageImage::Non, 0xFF102030);

    QByteArray attendus;
    attendus += '\x01';                    // version
    attendus += QByteArray("\x00\x00", 2); // no free lines
    attendus += QByteArray("\x00\x00", 2); // no elements
    attendus += QByteArray("\x13\x00", 2); // scale: 19 bytes of text
    attendus += "<SCALE=0;1;pixels;>";
    attendus += QByteArray("\x00\x00", 2); // no colour code
    attendus += "\x03non";
    attendus += QByteArray("\x80\x02\xE0\x01", 4);     // 640, 480
    attendus += QByteArray("\x30\x20\x10\xFF", 4);     // 0xFF102030, little-endian
    EXPECT_EQ(octets.toHex(' '), attendus.toHex(' '));
}

TEST(FichierDocument, UnDocumentSansFondSeRelitRempliDeLaCouleurEnregistree)
{
    const QStringList libres{QStringLiteral("première ligne"), QStringLiteral("deuxième")};
    const TListeDessins dessins;
    const TEchelle echelle;
    const TCodeCouleur code;
    const QImage image = ImageUnie(640, 480, 0xFF000000);
    const ContenuDocument lu =
        LireDocumentOctets(Ecrire({libres, dessins, echelle, code, image}, CodageImage::Non, 0xFF336699));
    EXPECT_EQ(lu.codage, CodageImage::Non);
    EXPECT_EQ(lu.couleurFond, 0xFF336699u);
    EXPECT_EQ(lu.lignesLibres, libres);
    ASSERT_EQ(lu.image.size(), QSize(640, 480));
    EXPECT_EQ(lu.image.format(), QImage::Format_ARGB32);
    for (int y : {0, 479})
        for (int x : {0, 639})
            EXPECT_EQ(reinterpret_cast<const QRgb *>(lu.image.constScanLine(y))[x], 0xFF336699u);
}

// ---- Round trips ---------------------------------------------------------

std::unique_ptr<TDessin> Element(std::uint8_t genre)
{
    auto d = std::make_unique<TDessin>();
    d->Genre = genre;
    d->X1 = 3;
    d->Y1 = 4;
    d->X2 = 30;
    d->Y2 = 25;
    d->XAncre = 12;
    d->YAncre = 9;
    d->Rayon = 7;
    d->Epaisseur = 2;
    d->Opacite = 200;
    d->Couleur = 0xFF1E90FF;
    return d;
}

TListeDessins TousLesGenres()
{
    TListeDessins liste;
    auto crayon = Element(GenreCrayon);
    crayon->Trace.listes = {{{2 * UnPixelFixe, 3 * UnPixelFixe}, {10 * UnPixelFixe, 12 * UnPixelFixe}}};
    liste.AjouterElement(QStringLiteral("Dessin libre 1"), std::move(crayon));
    auto trait = Element(GenreTrait);
    trait->Fleche = 2;
    trait->Style = 1;
    liste.AjouterElement(QStringLiteral("Trait 2"), std::move(trait));
    auto rectangle = Element(GenreRectangle);
    rectangle->Motif = 4;
    liste.AjouterElement(QStringLiteral("Rectangle 3"), std::move(rectangle));
    liste.AjouterElement(QStringLiteral("Cercle 4"), Element(GenreCercle));
    auto texte = Element(GenreTexte);
    texte->Lignes = QStringList{QStringLiteral("Légende <b>grasse</b>"), QStringLiteral("x<sup>2</sup>")};
    texte->Transparent = false;
    texte->CouleurFond = 0xFFFFFF00;
    liste.AjouterElement(QStringLiteral("Texte 5"), std::move(texte));
    auto remplissage = Element(GenreRemplissage);
    remplissage->Conditions = {{TCondicoul{0, 2, 0, 10, 200}, TCondicoul{1, 4, 0, 30, 90}}};
    liste.AjouterElement(QStringLiteral("Remplissage 6"), std::move(remplissage));
    auto legende = Element(GenreLegende);
    legende->UniteLegende = QStringLiteral(" mm");
    legende->UnitesParPixel = 0.25f;
    liste.AjouterElement(QStringLiteral("Texte 7"), std::move(legende));
    liste.AjouterElement(QStringLiteral("Point"), Element(GenrePoint));
    auto zone = Element(GenreZone);
    zone->Conditions = {{TCondicoul{0, 0, 0, 0, 255}}};
    zone->Trace.listes = {{{0, 0}, {20 * UnPixelFixe, 0}, {20 * UnPixelFixe, 20 * UnPixelFixe}}};
    zone->Trace.ferme = true;
    liste.AjouterElement(QStringLiteral("Zone"), std::move(zone));
    return liste;
}

TEchelle EchelleCartesienne()
{
    return echelle_essai::Cartesien(5, 6, 35, 28, 10, 0.25, "s", {{-0.5, "°C", 27}, {12.5, "Pa", 20}});
}

TCodeCouleur CodeDuGenre(int genre)
{
    TCodeCouleur c;
    if (genre == 0)
        c = CodeParDefaut();
    c.Definie = 1;
    c.TypeCodage = static_cast<std::uint8_t>(genre);
    if (genre == 1) {
        c.OrdreArcEnCiel = 3;
        c.CouleurDebut = 0xFF0000;
        c.CouleurMilieu = 0x0000FF;
        c.CouleurFin = 0x00FF00;
    }
    if (genre == 2) {
        c.CouleurMin = 0x000000;
        c.CouleurMax = 0xFFFF00;
    }
    if (genre == 1 || genre == 2) {
        c.ValeurMin = 0.5;
        c.ValeurMax = 1020;
        c.Logarithmique = genre == 1;
    }
    if (genre >= 1) {
        c.Grandeur = QStringLiteral("Température");
        c.UniteCode = QStringLiteral("°C");
    }
    if (genre == 3) {
        c.NbCouleurs = 4;
        for (int i = 0; i < 4; ++i) {
            c.Libelle[i] = QString::number(10 * i) + QStringLiteral("-") + QString::number(10 * i + 9);
            c.CouleurTable[i] = 0x102030u * static_cast<unsigned>(i + 1);
        }
    }
    return c;
}

struct CasAllerRetour {
    std::string nom;
    CodageImage codage;
    int genreCode;
    bool imageOpaque;
};

void PrintTo(const CasAllerRetour &c, std::ostream *os) { *os << c.nom; }

class AllerRetour : public ::testing::TestWithParam<CasAllerRetour> {};

TEST_P(AllerRetour, ElementsEchelleCodeEtImageSontRestitues)
{
    const CasAllerRetour &cas = GetParam();
    const QStringList libres{QStringLiteral("note")};
    const TListeDessins dessins = TousLesGenres();
    const TEchelle echelle = EchelleCartesienne();
    const TCodeCouleur code = CodeDuGenre(cas.genreCode);
    const QImage image = ImageVariee(cas.imageOpaque);

    const ContenuDocument lu = LireDocumentOctets(Ecrire({libres, dessins, echelle, code, image}, cas.codage));

    EXPECT_EQ(lu.codage, cas.codage);
    EXPECT_EQ(lu.lignesLibres, libres);
    ASSERT_EQ(lu.dessins.Nombre(), dessins.Nombre());
    for (int i = 0; i < dessins.Nombre(); ++i) {
        EXPECT_EQ(lu.dessins.NomNumero(i), dessins.NomNumero(i));
        EXPECT_TRUE(*lu.dessins.ElementNumero(i) == *dessins.ElementNumero(i)) << "élément " << i;
    }
    EXPECT_EQ(lu.echelle, echelle);
    EXPECT_EQ(lu.codeCouleur, code);
    ASSERT_EQ(lu.image.size(), image.size());
    ASSERT_EQ(lu.image.format(), QImage::Format_ARGB32);
    double ecartMax = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *a = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        const auto *b = reinterpret_cast<const QRgb *>(lu.image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (cas.codage != CodageImage::Jpg) {
                ASSERT_EQ(a[x], b[x]) << "pixel (" << x << ", " << y << ")";
                continue;
            }
            ecartMax = std::max({ecartMax, std::abs(qRed(a[x]) - qRed(b[x])) * 1.0,
                                 std::abs(qGreen(a[x]) - qGreen(b[x])) * 1.0, std::abs(qBlue(a[x]) - qBlue(b[x])) * 1.0});
        }
    }
    EXPECT_LT(ecartMax, 24.0);
}

const CasAllerRetour kAllersRetours[] = {
    {"png_code_3_canaux_image_transparente", CodageImage::Png, 0, false},
    {"png_arc_en_ciel", CodageImage::Png, 1, true},
    {"bmp_code_3_canaux_image_transparente", CodageImage::Bmp, 0, false},
    {"bmp_deux_couleurs", CodageImage::Bmp, 2, true},
    {"bmp_tableau", CodageImage::Bmp, 3, true},
    {"jpg_tableau", CodageImage::Jpg, 3, true},
    {"jpg_arc_en_ciel", CodageImage::Jpg, 1, true},
    {"png_deux_couleurs", CodageImage::Png, 2, true},
    {"png_tableau", CodageImage::Png, 3, true},
    {"jpg_3_canaux", CodageImage::Jpg, 0, true},
    {"jpg_deux_couleurs", CodageImage::Jpg, 2, true},
    {"bmp_arc_en_ciel", CodageImage::Bmp, 1, true},
};

INSTANTIATE_TEST_SUITE_P(Codages, AllerRetour, ::testing::ValuesIn(kAllersRetours),
                         [](const auto &info) { return info.param.nom; });

TEST(FichierDocument, UnDocumentSansFondGardeSesElementsSonEchelleEtSonCode)
{
    const QStringList libres;
    const TListeDessins dessins = TousLesGenres();
    const TEchelle echelle = EchelleCartesienne();
    const TCodeCouleur code = CodeDuGenre(1);
    const QImage image = ImageUnie(50, 40, 0xFFFFFFFF);
    const ContenuDocument lu = LireDocumentOctets(Ecrire({libres, dessins, echelle, code, image}, CodageImage::Non));
    EXPECT_EQ(lu.dessins.Nombre(), dessins.Nombre());
    EXPECT_EQ(lu.echelle, echelle);
    EXPECT_EQ(lu.codeCouleur, code);
    EXPECT_EQ(lu.image.size(), QSize(50, 40));
}

TEST(FichierDocument, UnRemplissageLieAuxCanauxEstOmisEtLesAutresElementsSontEcrits)
{
    TListeDessins dessins;
    dessins.AjouterElement(QStringLiteral("Trait 1"), Element(GenreTrait));
    auto canal = Element(GenreRemplissage);
    canal->Conditions = {{TCondicoul{0, 12, 0, 0, 100}}}; // channel 2
    dessins.AjouterElement(QStringLiteral("Remplissage 2"), std::move(canal));
    dessins.AjouterElement(QStringLiteral("Cercle 3"), Element(GenreCercle));
    const QStringList libres;
    const TEchelle echelle;
    const TCodeCouleur code;
    const QImage image = ImageUnie(8, 8, 0xFFFFFFFF);
    int omis = 0;
    const ContenuDocument lu =
        LireDocumentOctets(Ecrire({libres, dessins, echelle, code, image}, CodageImage::Png, 0, &omis));
    EXPECT_EQ(omis, 1);
    ASSERT_EQ(lu.dessins.Nombre(), 2);
    EXPECT_EQ(lu.dessins.NomNumero(0), QStringLiteral("Trait 1"));
    EXPECT_EQ(lu.dessins.NomNumero(1), QStringLiteral("Cercle 3"));
}

TEST(FichierDocument, UnTexteDeCodageInconnuSeLitCommeSansFond)
{
    QByteArray octets("\x01\x00\x00\x00\x00\x00\x00\x00\x00\x03xyz\x02\x00\x03\x00\xFF\x00\x00\xFF", 22);
    const ContenuDocument lu = LireDocumentOctets(octets);
    EXPECT_EQ(lu.codage, CodageImage::Non);
    EXPECT_EQ(lu.image.size(), QSize(2, 3));
    EXPECT_EQ(lu.couleurFond, 0xFF0000FFu);
}

// ---- Damaged and foreign files -------------------------------------------

class FichierTronque : public ::testing::TestWithParam<CodageImage> {};

TEST_P(FichierTronque, ChaqueLongueurPlusCourteQueLeFichierEstRefusee)
{
    const QStringList libres{QStringLiteral("a")};
    const TListeDessins dessins = TousLesGenres();
    const TEchelle echelle = EchelleCartesienne();
    const TCodeCouleur code = CodeDuGenre(3);
    const QImage image = ImageVariee(true);
    const QByteArray complet = Ecrire({libres, dessins, echelle, code, image}, GetParam());
    // A JPEG cut short is still shown by libjpeg (grey below the cut): only
    // the fields before the image field must be whole. A PNG that lacks only
    // its closing 12-byte IEND chunk still holds every pixel.
    qsizetype fin = complet.size();
    if (GetParam() == CodageImage::Jpg)
        fin = complet.indexOf("\x03jpg") + 4;
    else if (GetParam() == CodageImage::Png)
        fin = complet.size() - 12;
    for (qsizetype n = 0; n < fin; ++n)
        EXPECT_THROW((void)LireDocumentOctets(complet.left(n)), ErreurDecodage) << "longueur " << n;
}

INSTANTIATE_TEST_SUITE_P(Codages, FichierTronque,
                         ::testing::Values(CodageImage::Non, CodageImage::Png, CodageImage::Bmp, CodageImage::Jpg),
                         [](const auto &info) { return TexteCodage(info.param).toStdString(); });

struct CasEtranger {
    std::string nom;
    QByteArray octets;
};

void PrintTo(const CasEtranger &c, std::ostream *os) { *os << c.nom; }

class FichierEtranger : public ::testing::TestWithParam<CasEtranger> {};

TEST_P(FichierEtranger, EstRefuseAvecUnMessageEnFrancais)
{
    try {
        (void)LireDocumentOctets(GetParam().octets);
        FAIL() << "accepté";
    } catch (const ErreurDecodage &e) {
        EXPECT_FALSE(e.message().isEmpty());
    }
}

QByteArray Repete(const char *debut, int n, char octet)
{
    return QByteArray(debut) + QByteArray(n, octet);
}

const CasEtranger kEtrangers[] = {
    {"vide", QByteArray()},
    {"png_renomme", QByteArray("\x89PNG\r\n\x1a\n\x00\x00\x00\rIHDR", 16)},
    {"texte", QByteArray("Ceci n'est pas un document.\r\n")},
    {"lignes_libres_plus_longues_que_le_fichier", QByteArray("\x01\xFF\xFF" "abc", 6)},
    {"65535_elements_annonces", QByteArray("\x01\x00\x00\xFF\xFF\x05Trait", 10)},
    {"sans_fond_de_taille_nulle",
     QByteArray("\x01\x00\x00\x00\x00\x00\x00\x00\x00\x03non\x00\x00\x10\x00\xFF\xFF\xFF\xFF", 22)},
    {"sans_fond_trop_large",
     QByteArray("\x01\x00\x00\x00\x00\x00\x00\x00\x00\x03non\xFF\xFF\x10\x00\xFF\xFF\xFF\xFF", 22)},
    {"png_endommage", QByteArray("\x01\x00\x00\x00\x00\x00\x00\x00\x00\x03png", 12) + Repete("\x89PNG", 40, 'x')},
    {"bmp_endommage", QByteArray("\x01\x00\x00\x00\x00\x00\x00\x00\x00\x03" "bmp", 12) + Repete("BM", 60, '\x7f')},
    {"jpg_endommage", QByteArray("\x01\x00\x00\x00\x00\x00\x00\x00\x00\x03jpg", 12) + Repete("\xFF\xD8\xFF", 50, '\x01')},
};

INSTANTIATE_TEST_SUITE_P(Fichiers, FichierEtranger, ::testing::ValuesIn(kEtrangers),
                         [](const auto &info) { return info.param.nom; });

TEST(FichierDocument, LErreurDeLectureNommeLeFichier)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("abime.kpt"));
    ASSERT_TRUE(EcrireFichier(chemin, QByteArray("\x01\x05\x00" "ab", 5)));
    try {
        (void)LireFichierDocument(chemin);
        FAIL() << "accepté";
    } catch (const ErreurDecodage &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("abime.kpt"))) << e.what();
        EXPECT_TRUE(e.message().contains(QStringLiteral("tronqué"))) << e.what();
    }
    EXPECT_THROW((void)LireFichierDocument(dossier.filePath(QStringLiteral("absent.kpt"))), ErreurFichier);
}

} // namespace
