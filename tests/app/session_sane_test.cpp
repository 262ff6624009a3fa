// Acquisition through SANE's `test` backend: real frames from a device, read
// to the end and assembled. Pictures are checked against what the backend
// draws (sizes from the scan area in millimetres and the resolution, the
// 10-mm grid), errors against the French messages, and every session ends
// with the device closed and SANE left, whatever happened.

#include "app/assembler_trames.h"
#include "app/messages_sane.h"
#include "app/session_sane.h"
#include "calibration/echelle.h"
#include "support/sane_essai.h"

#include <gtest/gtest.h>

#include <cmath>
#include <ostream>

namespace {

class SessionEssai : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!PreparerSaneEssai())
            GTEST_SKIP() << "le moteur « test » de SANE n'est pas installé";
        session = std::make_unique<SessionSane>();
        session->Ouvrir(QStringLiteral("test:0"));
    }

    void Regler(const char *nom, const QString &valeur) { session->Regler(QString::fromLatin1(nom), valeur); }

    std::vector<QImage> Acquerir()
    {
        std::vector<QImage> images;
        EXPECT_EQ(session->Acquerir([&](QImage i) { images.push_back(std::move(i)); }), FinAcquisition::Terminee);
        return images;
    }

    // The grid test picture at 50 dpi, acquired whole and exact.
    void AcquerirGrilleEntiere();

    std::unique_ptr<SessionSane> session;
};

// Pixels of a side of so many millimetres at this resolution, as a device counts them.
int Pixels(double mm, int dpi)
{
    return int(std::floor(mm * dpi / 25.4));
}

// The backend's grid: squares of 10 mm, dark where the column of squares
// and the row's half of a 20-mm band differ; the band repeats every
// 2 × 10 mm rows.
bool Sombre(int x, int y, int dpi)
{
    const double cote = 10.0 * dpi / 25.4;
    const int bande = int(2 * cote + 0.5);
    const bool colonneImpaire = int(x / cote) % 2 == 1;
    const bool basDeBande = y % bande > int(cote + 0.5);
    return colonneImpaire != basDeBande;
}

void VerifierGrille(const QImage &image, int dpi)
{
    int fautes = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixel(x, y) != (Sombre(x, y, dpi) ? 0xFF000000u : 0xFFFFFFFFu) && ++fautes < 5)
                ADD_FAILURE() << "pixel " << x << ", " << y << " : " << std::hex << image.pixel(x, y);
    EXPECT_EQ(fautes, 0);
}

void SessionEssai::AcquerirGrilleEntiere()
{
    Regler("test-picture", QStringLiteral("Grid"));
    Regler("resolution", QStringLiteral("50"));
    const auto images = Acquerir();
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].size(), QSize(Pixels(80, 50), Pixels(100, 50)));
    VerifierGrille(images[0], 50);
}

TEST(AppareilsSane, LeMoteurDEssaiDonneDeuxAppareils)
{
    if (!PreparerSaneEssai())
        GTEST_SKIP() << "le moteur « test » de SANE n'est pas installé";
    SessionSane session;
    const QList<AppareilSane> appareils = session.Appareils();
    ASSERT_EQ(appareils.size(), 2);
    EXPECT_EQ(appareils[0].nom, QStringLiteral("test:0"));
    EXPECT_EQ(appareils[1].nom, QStringLiteral("test:1"));
    EXPECT_EQ(appareils[0].fabricant, QStringLiteral("Noname"));
    EXPECT_EQ(appareils[0].type, QStringLiteral("virtual device"));
}

TEST(AppareilsSane, UneBibliothequeAbsenteDonneLeMessageFrancais)
{
    try {
        SessionSane session(QStringLiteral("libkaptori-sans-sane.so.9"));
        FAIL() << "bibliothèque chargée";
    } catch (const ErreurAcquisition &e) {
        EXPECT_EQ(e.message(), MessageBibliothequeAbsente());
        EXPECT_TRUE(e.message().startsWith(QStringLiteral("La bibliothèque d'acquisition n'a pas pu être chargée")));
    }
}

TEST(AppareilsSane, UnAppareilInconnuNeSOuvrePas)
{
    if (!PreparerSaneEssai())
        GTEST_SKIP() << "le moteur « test » de SANE n'est pas installé";
    SessionSane session;
    EXPECT_THROW(session.Ouvrir(QStringLiteral("test:7")), ErreurAcquisition);
    EXPECT_FALSE(session.Ouverte());
}

TEST_F(SessionEssai, UnePageBlancheALaTailleDeLaZoneEtSaResolution)
{
    Regler("test-picture", QStringLiteral("Solid white"));
    Regler("resolution", QStringLiteral("50"));
    EXPECT_EQ(session->Resolution(), 50);
    const auto images = Acquerir();
    ASSERT_EQ(images.size(), 1u);
    // The backend's default area: 80 × 100 mm.
    EXPECT_EQ(images[0].size(), QSize(Pixels(80, 50), Pixels(100, 50)));
    for (int y = 0; y < images[0].height(); ++y)
        for (int x = 0; x < images[0].width(); ++x)
            ASSERT_EQ(images[0].pixel(x, y), 0xFFFFFFFFu) << x << ", " << y;
    const TEchelle e = EchelleDeResolution(session->Resolution());
    EXPECT_DOUBLE_EQ(e.Facteur, 25.4 / 50);
    EXPECT_EQ(e.Unite, QStringLiteral("mm"));
}

struct CasGrille {
    const char *nom;
    const char *mode;
    int profondeur;
    bool troisPassages;
};

void PrintTo(const CasGrille &c, std::ostream *os)
{
    *os << c.nom;
}

class GrilleEssai : public SessionEssai, public ::testing::WithParamInterface<CasGrille> {};

TEST_P(GrilleEssai, LaGrilleDe10MmA50DpiEstLue)
{
    const CasGrille &c = GetParam();
    Regler("mode", QString::fromLatin1(c.mode));
    Regler("depth", QString::number(c.profondeur));
    if (c.troisPassages)
        Regler("three-pass", QStringLiteral("oui"));
    AcquerirGrilleEntiere();
}

INSTANTIATE_TEST_SUITE_P(Profondeurs, GrilleEssai,
                         ::testing::Values(CasGrille{"gris 1 bit", "Gray", 1, false}, CasGrille{"gris 8 bits", "Gray", 8, false},
                                           CasGrille{"gris 16 bits", "Gray", 16, false},
                                           CasGrille{"couleur 8 bits", "Color", 8, false},
                                           CasGrille{"couleur 16 bits", "Color", 16, false},
                                           CasGrille{"couleur en trois passages", "Color", 8, true}));

TEST_F(SessionEssai, TroisPassagesDonnentLaMemeImageQuUnSeul)
{
    Regler("mode", QStringLiteral("Color"));
    Regler("resolution", QStringLiteral("30"));
    Regler("test-picture", QStringLiteral("Color pattern"));
    const auto unPassage = Acquerir();
    Regler("three-pass", QStringLiteral("oui"));
    const auto troisPassages = Acquerir();
    ASSERT_EQ(unPassage.size(), 1u);
    ASSERT_EQ(troisPassages.size(), 1u);
    EXPECT_EQ(unPassage[0], troisPassages[0]);
    // The pattern's fifth block of 4 pixels: 4 in the red band, then in the green one.
    EXPECT_EQ(unPassage[0].pixel(22, 2), 0xFF040000u);
    EXPECT_EQ(unPassage[0].pixel(22, 12), 0xFF000400u);
}

TEST_F(SessionEssai, UnScannerAMainGrandirAvecLesLignesRecues)
{
    Regler("hand-scanner", QStringLiteral("oui"));
    Regler("resolution", QStringLiteral("50"));
    const auto images = Acquerir();
    ASSERT_EQ(images.size(), 1u);
    // The backend's hand scanner sweeps 110 × 170 mm.
    EXPECT_EQ(images[0].size(), QSize(Pixels(110, 50), Pixels(170, 50)));
}

TEST_F(SessionEssai, LesPixelsPerdusEnFinDeLigneSontDuRemplissage)
{
    Regler("test-picture", QStringLiteral("Grid"));
    Regler("resolution", QStringLiteral("50"));
    Regler("ppl-loss", QStringLiteral("7"));
    const auto images = Acquerir();
    ASSERT_EQ(images.size(), 1u);
    EXPECT_EQ(images[0].width(), Pixels(80, 50) - 7);
    VerifierGrille(images[0], 50);
}

TEST_F(SessionEssai, DesParametresApprochesAvantLeDebutNeTrompentPas)
{
    Regler("fuzzy-parameters", QStringLiteral("oui"));
    Regler("read-limit", QStringLiteral("oui"));
    Regler("read-limit-size", QStringLiteral("100"));
    AcquerirGrilleEntiere();
}

TEST_F(SessionEssai, LeChargeurDonneSesDixPagesPuisSArrete)
{
    Regler("source", QStringLiteral("Automatic Document Feeder"));
    Regler("resolution", QStringLiteral("20"));
    EXPECT_TRUE(session->SourceChargeur());
    const auto images = Acquerir();
    EXPECT_EQ(images.size(), 10u);
}

TEST_F(SessionEssai, AnnulerEnCoursDeLectureNeLivreRien)
{
    Regler("resolution", QStringLiteral("100"));
    Regler("read-limit", QStringLiteral("oui"));
    Regler("read-limit-size", QStringLiteral("1000"));
    std::atomic<bool> annuler{false};
    int livrees = 0;
    const FinAcquisition fin = session->Acquerir([&](QImage) { ++livrees; }, &annuler,
                                                 [&](int, qint64 recus, qint64) { annuler = recus >= 5000; });
    EXPECT_EQ(fin, FinAcquisition::Annulee);
    EXPECT_EQ(livrees, 0);
    // The device takes a new acquisition after the cancellation.
    Regler("read-limit", QStringLiteral("non"));
    EXPECT_EQ(Acquerir().size(), 1u);
}

TEST_F(SessionEssai, UneValeurHorsDesValeursPermisesEstNommee)
{
    try {
        Regler("mode", QStringLiteral("Lineart"));
        FAIL() << "valeur acceptée";
    } catch (const ErreurAcquisition &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("« mode »"))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(QStringLiteral("Gray"))) << e.message().toStdString();
    }
    EXPECT_THROW(Regler("pas-une-option", QStringLiteral("1")), ErreurAcquisition);
    // Inactive until hand-scanner mode is left: the area of a hand scanner.
    Regler("hand-scanner", QStringLiteral("oui"));
    EXPECT_THROW(Regler("tl-x", QStringLiteral("10")), ErreurAcquisition);
}

struct CasStatut {
    const char *statut;
    const char *message;
};

void PrintTo(const CasStatut &c, std::ostream *os)
{
    *os << c.statut;
}

class ErreursLecture : public SessionEssai, public ::testing::WithParamInterface<CasStatut> {};

TEST_P(ErreursLecture, ChaqueStatutDonneSonMessageFrancais)
{
    Regler("read-return-value", QString::fromLatin1(GetParam().statut));
    int livrees = 0;
    try {
        (void)session->Acquerir([&](QImage) { ++livrees; });
        ADD_FAILURE() << "aucune erreur";
    } catch (const ErreurAcquisition &e) {
        EXPECT_TRUE(e.message().startsWith(QString::fromUtf8(GetParam().message))) << e.message().toStdString();
    }
    EXPECT_EQ(livrees, 0);
    // Unloading after a read error leaves SANE in order for the next session.
    session->Decharger();
    SessionSane suivante;
    EXPECT_EQ(suivante.Appareils().size(), 2);
}

INSTANTIATE_TEST_SUITE_P(
    Statuts, ErreursLecture,
    ::testing::Values(CasStatut{"SANE_STATUS_UNSUPPORTED", "L'appareil ne permet pas"},
                      CasStatut{"SANE_STATUS_CANCELLED", "L'acquisition a été annulée"},
                      CasStatut{"SANE_STATUS_DEVICE_BUSY", "L'appareil est occupé"},
                      CasStatut{"SANE_STATUS_INVAL", "L'appareil a été perdu pendant la lecture"},
                      CasStatut{"SANE_STATUS_EOF", "L'image est incomplète : 0 octets reçus"},
                      CasStatut{"SANE_STATUS_JAMMED", "Le papier est coincé"},
                      CasStatut{"SANE_STATUS_NO_DOCS", "Le chargeur de documents est vide"},
                      CasStatut{"SANE_STATUS_COVER_OPEN", "Le capot de l'appareil est ouvert"},
                      CasStatut{"SANE_STATUS_IO_ERROR", "Erreur d'entrée-sortie avec l'appareil"},
                      CasStatut{"SANE_STATUS_NO_MEM", "Mémoire insuffisante"},
                      CasStatut{"SANE_STATUS_ACCESS_DENIED", "L'accès à l'appareil est refusé"}));

} // namespace
