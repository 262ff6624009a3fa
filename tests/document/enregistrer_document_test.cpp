// "Enregistrer sous" without a window: the format follows the extension,
// pictures are flattened and get their side-files, a failed save leaves the
// previous file and the document's name as they were, and a saved document
// file opens back with its drawing layer rebuilt.

#include "commun/erreur.h"
#include "calibration/code_couleur.h"
#include "calibration/echelle.h"
#include "document/enregistrer_document.h"
#include "document/filtres_enregistrement.h"
#include "document/formats/lecteur_image.h"
#include "document/image_document.h"
#include "document/ouverture_document.h"
#include "drawing/reglages_dessin.h"
#include "support/dessins_essai.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>
#include <ostream>
#include <string>

namespace {

QByteArray Contenu(const QString &chemin)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

class Enregistrement : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier_.isValid());
        document_.image = QImage(20, 10, QImage::Format_ARGB32);
        document_.image.fill(0xFFFFFFFF);
        // A red pixel drawn on the drawing layer: flattened into pictures.
        document_.CreerCoucheDessin();
        document_.coucheDessin.setPixelColor(3, 2, QColor(255, 0, 0));
        document_.echelle = EchelleParDefaut();
        document_.codeCouleur = CodeParDefaut();
        document_.nomFichier = Chemin(QStringLiteral("ancien.png"));
        document_.titre = document_.nomFichier;
    }

    [[nodiscard]] QString Chemin(const QString &nom) const { return dossier_.filePath(nom); }

    QTemporaryDir dossier_;
    ImageDocument document_;
    OptionsEnregistrement options_;
};

struct CasExtension {
    std::string nom;
    QString fichier;
    QByteArray debut; // first bytes of what is written
};

void PrintTo(const CasExtension &c, std::ostream *os) { *os << c.nom; }

class FormatParExtension : public Enregistrement, public ::testing::WithParamInterface<CasExtension> {};

TEST_P(FormatParExtension, LeFichierRecoitLeFormatDeSonExtension)
{
    (void)EnregistrerDocument(document_, Chemin(GetParam().fichier), options_);
    EXPECT_TRUE(Contenu(Chemin(GetParam().fichier)).startsWith(GetParam().debut));
}

const CasExtension kExtensions[] = {
    {"png", QStringLiteral("a.png"), QByteArray("\x89PNG")},
    {"png_en_majuscules", QStringLiteral("a.PNG"), QByteArray("\x89PNG")},
    {"jpg", QStringLiteral("a.jpg"), QByteArray("\xFF\xD8\xFF")},
    {"gif", QStringLiteral("a.gif"), QByteArray("GIF89a")},
    {"kpt", QStringLiteral("a.kpt"), QByteArray("\x01\x00\x00", 3)},
    {"bmp", QStringLiteral("a.bmp"), QByteArray("BM")},
    {"ico_recoit_du_bmp", QStringLiteral("x.ico"), QByteArray("BM")},
    {"jpeg_recoit_du_jpeg", QStringLiteral("x.jpeg"), QByteArray("\xFF\xD8\xFF")},
    {"jpeg_en_majuscules", QStringLiteral("x.JPEG"), QByteArray("\xFF\xD8\xFF")},
    {"sans_extension_recoit_du_bmp", QStringLiteral("x"), QByteArray("BM")},
};

INSTANTIATE_TEST_SUITE_P(Extensions, FormatParExtension, ::testing::ValuesIn(kExtensions),
                         [](const auto &info) { return info.param.nom; });

// Every picture the program writes opens again, whatever name it was given:
// BMP data under ".ico", ".emf", ".wmf" or no extension at all is read by its
// content.
TEST_P(FormatParExtension, LeFichierEcritSeRouvre)
{
    if (FormatSelonExtension(GetParam().fichier) == FormatEnregistrement::Kpt)
        GTEST_SKIP() << "a document file, reopened by its own tests";
    const QString chemin = Chemin(GetParam().fichier);
    (void)EnregistrerDocument(document_, chemin, options_);
    EXPECT_EQ(LireImage(chemin).size(), document_.image.size());
}

const CasExtension kMetafichiers[] = {
    {"emf_recoit_du_bmp", QStringLiteral("x.emf"), QByteArray("BM")},
    {"wmf_recoit_du_bmp", QStringLiteral("x.wmf"), QByteArray("BM")},
};

INSTANTIATE_TEST_SUITE_P(Metafichiers, FormatParExtension, ::testing::ValuesIn(kMetafichiers),
                         [](const auto &info) { return info.param.nom; });

TEST_F(Enregistrement, UneImageExporteeEstAplatieEtAccompagneeDeSesAnnexes)
{
    const QString chemin = Chemin(QStringLiteral("photo.png"));
    (void)EnregistrerDocument(document_, chemin, options_);
    QImage lue;
    ASSERT_TRUE(lue.load(chemin, "PNG"));
    EXPECT_EQ(lue.pixel(3, 2), 0xFFFF0000u);
    EXPECT_EQ(lue.pixel(4, 2), 0xFFFFFFFFu);
    EXPECT_EQ(Contenu(Chemin(QStringLiteral("photo.sca"))), QByteArray("<SCALE=0;1;pixels;>\r\n"));
    EXPECT_EQ(Contenu(Chemin(QStringLiteral("photo.ccc"))),
              QByteArray("<CODE_C=0;0;0;0;255;255;255;Bleu;Vert;Rouge;16711680;65280;255;>\r\n"));
    EXPECT_EQ(document_.nomFichier, chemin);
    EXPECT_EQ(document_.titre, chemin);
}

TEST_F(Enregistrement, UnCodeNonDefiniNeDonnePasDeFichierCcc)
{
    document_.codeCouleur = CodeInitial();
    (void)EnregistrerDocument(document_, Chemin(QStringLiteral("photo.bmp")), options_);
    EXPECT_TRUE(QFile::exists(Chemin(QStringLiteral("photo.sca"))));
    EXPECT_FALSE(QFile::exists(Chemin(QStringLiteral("photo.ccc"))));
}

TEST_F(Enregistrement, UnDocumentKaptoriNaPasDAnnexes)
{
    (void)EnregistrerDocument(document_, Chemin(QStringLiteral("travail.kpt")), options_);
    EXPECT_FALSE(QFile::exists(Chemin(QStringLiteral("travail.sca"))));
    EXPECT_FALSE(QFile::exists(Chemin(QStringLiteral("travail.ccc"))));
}

TEST_F(Enregistrement, UnEchecEnCoursDEcritureLaisseLAncienFichierEtLAncienNom)
{
    const QString chemin = Chemin(QStringLiteral("travail.kpt"));
    options_.codage = CodageImage::Png;
    (void)EnregistrerDocument(document_, chemin, options_);
    const QByteArray avant = Contenu(chemin);
    ASSERT_FALSE(avant.isEmpty());

    // A "sans fond" document stores its size on 16 bits: a 70000-pixel-wide
    // image fails once the header, elements, scale and code are written.
    ImageDocument large;
    large.image = QImage(70000, 1, QImage::Format_ARGB32);
    large.image.fill(0xFFFFFFFF);
    large.nomFichier = QStringLiteral("ancien nom");
    large.titre = QStringLiteral("ancien titre");
    options_.codage = CodageImage::Non;
    EXPECT_THROW((void)EnregistrerDocument(large, chemin, options_), ErreurDecodage);
    EXPECT_EQ(Contenu(chemin), avant);
    EXPECT_EQ(large.nomFichier, QStringLiteral("ancien nom"));
    EXPECT_EQ(large.titre, QStringLiteral("ancien titre"));
    EXPECT_EQ(QDir(dossier_.path()).entryList(QDir::Files), QStringList{QStringLiteral("travail.kpt")});
}

TEST_F(Enregistrement, UneAnnexeQuiNePeutEtreEcriteLaisseLeDocumentAEnregistrer)
{
    // photo.sca is a folder holding a file: the scale cannot be written.
    const QString sca = Chemin(QStringLiteral("photo.sca"));
    ASSERT_TRUE(QDir().mkdir(sca));
    QFile dedans(sca + QStringLiteral("/garde.txt"));
    ASSERT_TRUE(dedans.open(QIODevice::WriteOnly));
    dedans.close();
    document_.MarquerEnregistre();
    document_.echelle.Facteur = 0.25;
    document_.echelle.Unite = QStringLiteral("mm");
    ASSERT_TRUE(document_.Modifie());

    const QString chemin = Chemin(QStringLiteral("photo.png"));
    EXPECT_THROW((void)EnregistrerDocument(document_, chemin, options_), ErreurFichier);
    EXPECT_TRUE(QFile::exists(chemin)) << "the picture itself is written";
    EXPECT_EQ(document_.nomFichier, chemin);
    EXPECT_TRUE(document_.Modifie()) << "the scale is in no file: closing must still ask";
}

TEST_F(Enregistrement, UnDocumentSansFondRouvertDonneSaCouleurDeFondAuProgramme)
{
    const QString chemin = Chemin(QStringLiteral("nouveau.kpt"));
    options_.codage = CodageImage::Non;
    options_.couleurFond = 0xFF224466;
    document_.image.fill(0xFF224466);
    (void)EnregistrerDocument(document_, chemin, options_);
    ReglagesDessinProgramme().CouleurFondDessin = 0xFFFFFFFF;
    const auto ouvert = OuvrirDocument(chemin, 0);
    EXPECT_EQ(ReglagesDessinProgramme().CouleurFondDessin, 0xFF224466u);
    EXPECT_EQ(ouvert->image.size(), QSize(20, 10));
    EXPECT_EQ(ouvert->image.pixel(0, 0), 0xFF224466u);
    EXPECT_EQ(ouvert->nomFichier, chemin);
    ReglagesDessinProgramme().CouleurFondDessin = 0xFFFFFFFF;
}

TEST_F(Enregistrement, UnDocumentRouvertRedessineSesElements)
{
    document_.dessins.AjouterElement(QStringLiteral("Trait 1"), TraitOpaque(2, 5, 17, 5, 0xFF0000FF));
    const QString chemin = Chemin(QStringLiteral("dessin.kpt"));
    options_.codage = CodageImage::Bmp;
    (void)EnregistrerDocument(document_, chemin, options_);

    const auto ouvert = OuvrirDocument(chemin, 0);
    ASSERT_EQ(ouvert->dessins.Nombre(), 1);
    ASSERT_FALSE(ouvert->coucheDessin.isNull());
    EXPECT_EQ(qAlpha(ouvert->coucheDessin.pixel(10, 5)), 255);
    EXPECT_EQ(ouvert->coucheDessin.pixel(10, 5) & 0xFFFFFF, 0x0000FFu);
    EXPECT_EQ(qAlpha(ouvert->coucheDessin.pixel(10, 8)), 0);
    // The image field holds the image alone; the stray layer pixel is gone.
    EXPECT_EQ(ouvert->image.pixel(3, 2), 0xFFFFFFFFu);
}

// ---- Dialog rules ----------------------------------------------------------

struct CasNom {
    std::string nom;
    QString choisi;
    QString motifs;
    QString attendu;
};

void PrintTo(const CasNom &c, std::ostream *os) { *os << c.nom; }

class ExtensionAjoutee : public ::testing::TestWithParam<CasNom> {};

TEST_P(ExtensionAjoutee, SuitLaRegleDuFiltreChoisi)
{
    EXPECT_EQ(NomAvecExtension(GetParam().choisi, GetParam().motifs), GetParam().attendu);
}

const CasNom kNoms[] = {
    {"premier_filtre_donne_kpt", QStringLiteral("/d/photo"), QStringLiteral("*.kpt;*.jpg;*png;*.bmp;"),
     QStringLiteral("/d/photo.kpt")},
    {"filtre_png", QStringLiteral("/d/photo"), QStringLiteral("*.png"), QStringLiteral("/d/photo.png")},
    {"motif_sans_point_donne_jpg", QStringLiteral("/d/photo"), QStringLiteral("*png"), QStringLiteral("/d/photo.jpg")},
    {"extension_tapee_gardee", QStringLiteral("/d/x.ico"), QStringLiteral("*.png"), QStringLiteral("/d/x.ico")},
    {"point_dans_le_dossier_ignore", QStringLiteral("/d.v2/photo"), QStringLiteral("*.gif"),
     QStringLiteral("/d.v2/photo.gif")},
};

INSTANTIATE_TEST_SUITE_P(Noms, ExtensionAjoutee, ::testing::ValuesIn(kNoms),
                         [](const auto &info) { return info.param.nom; });

TEST(DialogueEnregistrement, LeNomProposeEstCoupeAvantSonPremierPoint)
{
    EXPECT_EQ(NomPropose(QStringLiteral("/images/essai.v2.jpg")), QStringLiteral("essai"));
    EXPECT_EQ(NomPropose(QString()), QString());
}

TEST(DialogueEnregistrement, LesFiltresGifApparaissentApresLaPremiereActivation)
{
    const auto avant = FiltresEnregistrement(false);
    const auto apres = FiltresEnregistrement(true);
    ASSERT_EQ(avant.size(), 8u);
    ASSERT_EQ(apres.size(), 9u);
    EXPECT_EQ(apres.front().libelle, QStringLiteral("Tout (*.kpt;*.jpg;*.png;*.bmp;*.ico;*.emf;*.wmf;*.gif;"));
    EXPECT_EQ(apres.front().motifs, QStringLiteral("*.kpt;*.jpg;*png;*.bmp;*.ico;*.emf;*.wmf;*.gif;"));
    EXPECT_FALSE(avant.front().motifs.contains(QStringLiteral("gif")));
    EXPECT_EQ(apres.back().libelle, QStringLiteral("Image GIF (*.gif)"));
    EXPECT_EQ(apres[kFiltreInitial].libelle, QStringLiteral("Fichiers Kaptori"));
}

} // namespace
