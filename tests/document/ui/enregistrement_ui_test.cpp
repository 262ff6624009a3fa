// "Enregistrer sous..." in the frame, driven through its dialog as a user
// drives it: the filter list, the name typed without extension, the encoding
// and quality buttons; the files and side-files it writes; GIF offered only
// from the frame's first activation on. With KAPTORI_CAPTURES set to a
// folder, the dialog is saved there as PNG.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "app/ui/traduction_qt.h"
#include "calibration/code_couleur.h"
#include "calibration/echelle_annexe.h"
#include "document/ui/dialogue_enregistrement.h"
#include "document/enregistrer_document.h"
#include "document/ui/fenetre_document.h"
#include "document/fichier_document.h"
#include "document/image_document.h"
#include "document/formats/lecteur_image.h"
#include "drawing/dessin.h"
#include "drawing/reglages_dessin.h"
#include "processing/ui/multicompt.h"
#include "support/capture.h"
#include "support/codes_essai.h"
#include "support/echelles_essai.h"
#include "support/essai_cadre.h"
#include "support/fichier_essai.h"
#include "support/pilote_dialogues.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

namespace {

using Pilote = PiloteDialogues;

QRadioButton *Bouton(QGroupBox *groupe, const QString &texte)
{
    for (QRadioButton *b : groupe->findChildren<QRadioButton *>())
        if (b->text() == texte)
            return b;
    ADD_FAILURE() << "pas de bouton " << texte.toStdString();
    return nullptr;
}

// What a user does in the save dialog: choose the entry of the type list,
// type the name, click the encoding and quality, press Enter.
struct ChoixEnregistrement {
    QString filtre;          // label of the type list entry
    QString nom;             // typed name, with or without extension
    QString codage;          // "jpg", "png", "bmp", "sans fond"; empty: as preset
    QString qualite;         // "50".."100"; empty: as preset
};

void Repondre(TSavePictureDialogsg &d, const ChoixEnregistrement &c, const char *capture = nullptr)
{
    auto *types = d.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    const int i = types->findText(c.filtre);
    ASSERT_GE(i, 0) << c.filtre.toStdString();
    types->setCurrentIndex(i);
    emit types->activated(i);
    if (!c.codage.isEmpty())
        QTest::mouseClick(Bouton(d.groupeCodage, c.codage), Qt::LeftButton);
    if (!c.qualite.isEmpty())
        QTest::mouseClick(Bouton(d.groupeQualite, c.qualite), Qt::LeftButton);
    auto *nom = d.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(nom, nullptr);
    nom->setText(c.nom);
    if (capture != nullptr) {
        EXPECT_FALSE(Capturer(d, QString::fromLatin1(capture)).isNull());
    }
    QTest::keyClick(nom, Qt::Key_Return);
}

TEchelle EchelleMm()
{
    return echelle_essai::Longueur(0.25, "mm");
}

TCodeCouleur CodeTemperature()
{
    TCodeCouleur c = code_essai::DeuxCouleurs(0x000000, 0x00FFFF, 10, 40);
    c.Grandeur = QStringLiteral("Température");
    c.UniteCode = QStringLiteral("°C");
    return c;
}

QByteArray Debut(const QString &chemin, int n)
{
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? f.read(n) : QByteArray();
}

// The DC step of the first quantisation table: libjpeg's 16 scaled by the
// quality (q 70: 16 × 60 % = 10; q 90: 16 × 20 % = 3).
int PasContinuJpeg(const QString &chemin)
{
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly))
        return -1;
    const QByteArray octets = f.readAll();
    const qsizetype dqt = octets.indexOf("\xFF\xDB");
    return dqt < 0 ? -1 : static_cast<unsigned char>(octets.at(dqt + 5));
}

class EnregistrementCadre : public EssaiCadre {
protected:
    void SetUp() override
    {
        reponse_ = QMessageBox::Yes;
        EssaiCadre::SetUp();
        if (HasFatalFailure())
            return;
        ReglagesDessinProgramme() = ReglagesDessin{};
        cadre_ = std::make_unique<TMainForm>();
        cadre_->resize(1100, 800);
    }

    // A picture of the temporary folder opened in the frame.
    TMDIChild *OuvrirPhoto()
    {
        QImage image(64, 48, QImage::Format_ARGB32);
        for (int y = 0; y < image.height(); ++y) {
            auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < image.width(); ++x)
                ligne[x] = qRgb(4 * x, 5 * y, x < 32 ? 200 : 30);
        }
        const QString chemin = Chemin(QStringLiteral("photo.png"));
        EXPECT_TRUE(image.save(chemin));
        EXPECT_TRUE(cadre_->OuvrirImage(chemin, 2));
        return cadre_->DocumentActif();
    }

    Pilote pilote;
};

TEST_F(EnregistrementCadre, LeGifNEstProposeQuAPartirDeLaPremiereActivationDuCadre)
{
    ASSERT_NE(OuvrirPhoto(), nullptr);
    QStringList avant;
    QString choisiAvant;
    ASSERT_TRUE(pilote.Executer(cadre_->actEnregistrerSous,
                                {Pilote::Quand<TSavePictureDialogsg>([&](TSavePictureDialogsg &d) {
                                    avant = d.nameFilters();
                                    choisiAvant = d.selectedNameFilter();
                                    d.reject();
                                })}));
    ASSERT_EQ(avant.size(), 8);
    EXPECT_FALSE(avant.join(QLatin1Char(' ')).contains(QStringLiteral("gif"), Qt::CaseInsensitive));
    EXPECT_TRUE(choisiAvant.startsWith(QStringLiteral("Fichiers Kaptori")));

    cadre_->PremiereActivation();
    QStringList apres;
    QString choisiApres;
    ASSERT_TRUE(pilote.Executer(cadre_->actEnregistrerSous,
                                {Pilote::Quand<TSavePictureDialogsg>([&](TSavePictureDialogsg &d) {
                                    apres = d.nameFilters();
                                    choisiApres = d.selectedNameFilter();
                                    d.reject();
                                })}));
    ASSERT_EQ(apres.size(), 9);
    EXPECT_TRUE(apres.first().startsWith(QStringLiteral("Tout (*.kpt;*.jpg;*.png;*.bmp;*.ico;*.emf;*.wmf;*.gif;")));
    EXPECT_TRUE(apres.last().startsWith(QStringLiteral("Image GIF (*.gif)")));
    EXPECT_TRUE(choisiApres.startsWith(QStringLiteral("Fichiers Kaptori")));
    EXPECT_TRUE(QDir(dossier_.path()).entryList({QStringLiteral("photo.*")}, QDir::Files).size() == 1);
}

TEST_F(EnregistrementCadre, LeDialogueSeMontreEnFrancaisAvecSesDeuxGroupesEntiers)
{
    InstallerTraductionQt(*QCoreApplication::instance()); // as the program starts
    ASSERT_NE(OuvrirPhoto(), nullptr);
    cadre_->PremiereActivation();
    ASSERT_TRUE(pilote.Executer(cadre_->actEnregistrerSous, {Pilote::Quand<TSavePictureDialogsg>([&](TSavePictureDialogsg &d) {
        EXPECT_FALSE(Capturer(d, QStringLiteral("dialogue_enregistrement")).isNull());
        EXPECT_EQ(d.windowTitle(), QStringLiteral("Enregistrer sous"));
        EXPECT_EQ(d.groupeCodage->title(), QStringLiteral(" Codage des fichiers .kpt "));
        EXPECT_EQ(d.groupeQualite->title(), QStringLiteral(" Facteur de qualité Jpg "));
        EXPECT_TRUE(Bouton(d.groupeCodage, QStringLiteral("png"))->isChecked()); // CodageDocument at start: lossless
        EXPECT_TRUE(Bouton(d.groupeQualite, QStringLiteral("90"))->isChecked());
        EXPECT_EQ(d.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"))->text(), QStringLiteral("photo"));
        auto *types = d.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        EXPECT_EQ(types->currentText(), QStringLiteral("Fichiers Kaptori"));
        const QRect interieur = d.rect();
        for (QGroupBox *groupe : {d.groupeCodage, d.groupeQualite}) {
            EXPECT_TRUE(groupe->isVisible());
            EXPECT_TRUE(interieur.contains(QRect(groupe->mapTo(&d, QPoint(0, 0)), groupe->size())))
                << groupe->title().toStdString();
            for (QRadioButton *b : groupe->findChildren<QRadioButton *>())
                EXPECT_GE(b->width(), b->sizeHint().width()) << b->text().toStdString();
        }
        for (QPushButton *b : d.findChildren<QPushButton *>())
            EXPECT_FALSE(b->text() == QStringLiteral("Save") || b->text() == QStringLiteral("&Save")
                         || b->text() == QStringLiteral("Cancel"))
                << b->text().toStdString();
        d.reject();
    })}));
    EXPECT_TRUE(QDir(dossier_.path()).entryList({QStringLiteral("photo.*")}, QDir::Files).size() == 1);
}

struct CasEnregistrement {
    std::string nom;
    ChoixEnregistrement choix;
    QString fichier;     // written under this name
    QByteArray debut;    // its first bytes
    bool annexes;        // .sca and .ccc beside it
    // What else the file must hold; avant is the document's picture.
    std::function<void(const QString &chemin, const QImage &avant, const TMainForm &cadre)> verifier;
};

void PrintTo(const CasEnregistrement &c, std::ostream *os) { *os << c.nom; }

void DocumentComplet(const QString &chemin, const QImage &avant, CodageImage codage)
{
    const ContenuDocument lu = LireFichierDocument(chemin);
    EXPECT_EQ(lu.codage, codage);
    EXPECT_EQ(lu.echelle, EchelleMm());
    EXPECT_EQ(lu.codeCouleur, CodeTemperature());
    ASSERT_EQ(lu.image.size(), avant.size());
    if (codage != CodageImage::Jpg) {
        EXPECT_EQ(lu.image, avant);
    }
}

const CasEnregistrement kCas[] = {
    {"kpt_en_png",
     {QStringLiteral("Fichiers Kaptori"), QStringLiteral("essai"), QStringLiteral("png"), {}},
     QStringLiteral("essai.kpt"), QByteArray("\x01", 1), false,
     [](const QString &chemin, const QImage &avant, const TMainForm &cadre) {
         DocumentComplet(chemin, avant, CodageImage::Png);
         EXPECT_EQ(cadre.CodageDocument, QStringLiteral("png"));
     }},
    {"premiere_entree_donne_kpt",
     {QStringLiteral("Tout (*.kpt;*.jpg;*.png;*.bmp;*.ico;*.emf;*.wmf;*.gif;"), QStringLiteral("tout"), {}, {}},
     QStringLiteral("tout.kpt"), QByteArray("\x01", 1), false,
     [](const QString &chemin, const QImage &avant, const TMainForm &) {
         // The encoding offered first is the lossless one.
         DocumentComplet(chemin, avant, CodageImage::Png);
     }},
    {"png",
     {QStringLiteral("Fichiers PNG"), QStringLiteral("image"), {}, {}},
     QStringLiteral("image.png"), QByteArray("\x89PNG"), true,
     [](const QString &chemin, const QImage &avant, const TMainForm &) { EXPECT_EQ(LireImage(chemin), avant); }},
    {"jpg_qualite_70",
     {QStringLiteral("Fichier image JPEG (*.jpg)"), QStringLiteral("image"), {}, QStringLiteral("70")},
     QStringLiteral("image.jpg"), QByteArray("\xFF\xD8\xFF"), true,
     [](const QString &chemin, const QImage &avant, const TMainForm &) {
         EXPECT_EQ(PasContinuJpeg(chemin), 10);
         EXPECT_EQ(LireImage(chemin).size(), avant.size());
     }},
    {"gif",
     {QStringLiteral("Image GIF (*.gif)"), QStringLiteral("image"), {}, {}},
     QStringLiteral("image.gif"), QByteArray("GIF8"), true,
     [](const QString &chemin, const QImage &avant, const TMainForm &) {
         EXPECT_EQ(LireImage(chemin).size(), avant.size());
     }},
    {"bmp_24_bits",
     {QStringLiteral("Bitmaps (*.bmp)"), QStringLiteral("image"), {}, {}},
     QStringLiteral("image.bmp"), QByteArray("BM"), true,
     [](const QString &chemin, const QImage &avant, const TMainForm &) {
         EXPECT_EQ(static_cast<int>(Debut(chemin, 30).at(28)), 24);
         EXPECT_EQ(LireImage(chemin), avant);
     }},
    {"icone_en_donnees_bmp",
     {QStringLiteral("Icônes (*.ico)"), QStringLiteral("icone"), {}, {}},
     QStringLiteral("icone.ico"), QByteArray("BM"), true,
     // The BMP data under ".ico" opens again, by its content.
     [](const QString &chemin, const QImage &avant, const TMainForm &) { EXPECT_EQ(LireImage(chemin), avant); }},
    {"jpeg_tape_donne_du_jpeg",
     {QStringLiteral("Fichier image JPEG (*.jpg)"), QStringLiteral("image.jpeg"), {}, {}},
     QStringLiteral("image.jpeg"), QByteArray("\xFF\xD8\xFF"), true,
     [](const QString &chemin, const QImage &avant, const TMainForm &) {
         EXPECT_EQ(LireImage(chemin).size(), avant.size());
     }},
};

class EnregistrerSousDansLeCadre : public EnregistrementCadre,
                                   public ::testing::WithParamInterface<CasEnregistrement> {};

TEST_P(EnregistrerSousDansLeCadre, EcritLeFichierChoisiEtSesFichiersAnnexes)
{
    const CasEnregistrement &cas = GetParam();
    TMDIChild *fenetre = OuvrirPhoto();
    ASSERT_NE(fenetre, nullptr);
    cadre_->PremiereActivation();
    ImageDocument &doc = fenetre->document();
    doc.echelle = EchelleMm();
    doc.codeCouleur = CodeTemperature();
    const QImage avant = doc.image;

    ASSERT_TRUE(pilote.Executer(cadre_->actEnregistrerSous,
                                {Pilote::Quand<TSavePictureDialogsg>(
                                    [&](TSavePictureDialogsg &d) { Repondre(d, cas.choix); })}));

    const QString chemin = Chemin(cas.fichier);
    ASSERT_TRUE(QFile::exists(chemin)) << messages_.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(Debut(chemin, cas.debut.size()), cas.debut);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(doc.nomFichier, chemin);
    EXPECT_EQ(fenetre->windowTitle(), chemin);
    const QString base = chemin.left(chemin.size() - 4);
    EXPECT_EQ(QFile::exists(base + QStringLiteral(".sca")), cas.annexes);
    EXPECT_EQ(QFile::exists(base + QStringLiteral(".ccc")), cas.annexes);
    if (cas.annexes) {
        EXPECT_EQ(LireEchelleAnnexe(chemin), EchelleMm());
        EXPECT_EQ(LireCodeAnnexe(chemin), CodeTemperature());
    }
    cas.verifier(chemin, avant, *cadre_);
}

INSTANTIATE_TEST_SUITE_P(Formats, EnregistrerSousDansLeCadre, ::testing::ValuesIn(kCas),
                         [](const auto &info) { return info.param.nom; });

TEST_F(EnregistrementCadre, LaFenetreDeComptagePrendLeNomDuFichierSansSesDossiers)
{
    TMDIChild *fenetre = OuvrirPhoto();
    ASSERT_NE(fenetre, nullptr);
    cadre_->actComptage->trigger();
    auto *compteur = fenetre->findChild<TMulticompt *>(QStringLiteral("Compteur"), Qt::FindDirectChildrenOnly);
    ASSERT_NE(compteur, nullptr);
    const ChoixEnregistrement choix{QStringLiteral("Fichiers Kaptori"), QStringLiteral("compté"), {}, {}};
    ASSERT_TRUE(pilote.Executer(cadre_->actEnregistrerSous,
                                {Pilote::Quand<TSavePictureDialogsg>([&](TSavePictureDialogsg &d) { Repondre(d, choix); })}));
    EXPECT_EQ(fenetre->windowTitle(), Chemin(QStringLiteral("compté.kpt")));
    EXPECT_EQ(compteur->windowTitle(), QStringLiteral("compté.kpt"));
}

TEST_F(EnregistrementCadre, AnnulerNEcritRienEtLaisseLeNomDuDocument)
{
    TMDIChild *fenetre = OuvrirPhoto();
    ASSERT_NE(fenetre, nullptr);
    const QString nom = fenetre->document().nomFichier;
    ASSERT_TRUE(pilote.Executer(cadre_->actEnregistrerSous,
                                {Pilote::Quand<TSavePictureDialogsg>([](TSavePictureDialogsg &d) { d.reject(); })}));
    EXPECT_EQ(QDir(dossier_.path()).entryList(QDir::Files), QStringList{QStringLiteral("photo.png")});
    EXPECT_EQ(fenetre->document().nomFichier, nom);
}

TEST_F(EnregistrementCadre, UnFichierExistantNEstRemplaceQuApresConfirmation)
{
    TMDIChild *fenetre = OuvrirPhoto();
    ASSERT_NE(fenetre, nullptr);
    const QString cible = Chemin(QStringLiteral("ancien.kpt"));
    ASSERT_TRUE(EcrireFichier(cible, "contenu precieux"));
    const ChoixEnregistrement choix{QStringLiteral("Fichiers Kaptori"), QStringLiteral("ancien"), {}, {}};

    // "Non" brings the dialog back; cancelling it then keeps the old file.
    reponse_ = QMessageBox::No;
    ASSERT_TRUE(pilote.Executer(cadre_->actEnregistrerSous,
                                {Pilote::Quand<TSavePictureDialogsg>([&](TSavePictureDialogsg &d) { Repondre(d, choix); }),
                                 Pilote::Quand<TSavePictureDialogsg>([](TSavePictureDialogsg &d) { d.reject(); })}));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.first().contains(QStringLiteral("existe déjà")));
    EXPECT_EQ(Debut(cible, 100), QByteArray("contenu precieux"));

    reponse_ = QMessageBox::Yes;
    ASSERT_TRUE(pilote.Executer(cadre_->actEnregistrerSous,
                                {Pilote::Quand<TSavePictureDialogsg>([&](TSavePictureDialogsg &d) { Repondre(d, choix); })}));
    EXPECT_EQ(Debut(cible, 1), QByteArray("\x01", 1));
    EXPECT_EQ(fenetre->document().nomFichier, cible);
}

TEST_F(EnregistrementCadre, UnEnregistrementImpossibleMontreLErreurEtGardeLeNomDuDocument)
{
    TMDIChild *fenetre = OuvrirPhoto();
    ASSERT_NE(fenetre, nullptr);
    const QString nom = fenetre->document().nomFichier;
    const QString titre = fenetre->windowTitle();
    const ChoixEnregistrement choix{QStringLiteral("Fichiers Kaptori"), Chemin(QStringLiteral("absent/travail")), {}, {}};
    ASSERT_TRUE(pilote.Executer(cadre_->actEnregistrerSous,
                                {Pilote::Quand<TSavePictureDialogsg>([&](TSavePictureDialogsg &d) { Repondre(d, choix); })}));
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.first().contains(QStringLiteral("travail.kpt"))) << messages_.first().toStdString();
    EXPECT_EQ(fenetre->document().nomFichier, nom);
    EXPECT_EQ(fenetre->windowTitle(), titre);
    EXPECT_EQ(QDir(dossier_.path()).entryList(QDir::Files), QStringList{QStringLiteral("photo.png")});
}

TEST_F(EnregistrementCadre, UnDocumentTronqueNOuvreAucuneFenetreEtMontreLErreur)
{
    TMDIChild *fenetre = OuvrirPhoto();
    ASSERT_NE(fenetre, nullptr);
    const QString complet = Chemin(QStringLiteral("complet.kpt"));
    ASSERT_EQ(EnregistrerDocument(fenetre->document(), complet, {CodageImage::Png, 90, 0xFFFFFFFF}), 0);
    QFile f(complet);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    f.close();
    const QString tronque = Chemin(QStringLiteral("tronque.kpt"));
    QFile t(tronque);
    ASSERT_TRUE(t.open(QIODevice::WriteOnly));
    t.write(octets.left(octets.size() * 2 / 3));
    t.close();

    EXPECT_FALSE(cadre_->OuvrirImage(tronque, 2));
    EXPECT_EQ(cadre_->Documents().size(), 1);
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.first().contains(QStringLiteral("tronque.kpt"))) << messages_.first().toStdString();
    EXPECT_TRUE(messages_.first().contains(QStringLiteral("PNG"))) << messages_.first().toStdString();
}

TEST_F(EnregistrementCadre, UnRemplissageLieAuxCanauxEstAnnonceEtLesAutresElementsSontEnregistres)
{
    TMDIChild *fenetre = OuvrirPhoto();
    ASSERT_NE(fenetre, nullptr);
    ImageDocument &doc = fenetre->document();
    auto trait = std::make_unique<TDessin>();
    trait->Genre = GenreTrait;
    trait->X2 = 30;
    trait->Y2 = 20;
    doc.dessins.AjouterElement(QStringLiteral("Trait 1"), std::move(trait));
    auto remplissage = std::make_unique<TDessin>();
    remplissage->Genre = GenreRemplissage;
    remplissage->Conditions = {{TCondicoul{0, 12, 0, 0, 100}}}; // a condition on channel 2
    doc.dessins.AjouterElement(QStringLiteral("Remplissage 2"), std::move(remplissage));

    const ChoixEnregistrement choix{QStringLiteral("Fichiers Kaptori"), QStringLiteral("canaux"), {}, {}};
    ASSERT_TRUE(pilote.Executer(cadre_->actEnregistrerSous,
                                {Pilote::Quand<TSavePictureDialogsg>([&](TSavePictureDialogsg &d) { Repondre(d, choix); })}));
    EXPECT_EQ(messages_, QStringList{QStringLiteral("Les remplissages liés aux canaux ne peuvent être enregistrés")});
    const ContenuDocument lu = LireFichierDocument(Chemin(QStringLiteral("canaux.kpt")));
    ASSERT_EQ(lu.dessins.Nombre(), 1);
    EXPECT_EQ(lu.dessins.NomNumero(0), QStringLiteral("Trait 1"));
    EXPECT_EQ(doc.dessins.Nombre(), 2); // the document keeps both
}

} // namespace
