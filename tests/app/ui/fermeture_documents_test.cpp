// Closing a document or quitting never loses work without a word: a document
// whose drawings, scale, colour code or picture changed since it was opened
// or saved asks "Enregistrer les modifications de « nom » ?" (answered here
// through the message-box hook); Oui runs "Enregistrer sous", Non closes,
// Annuler keeps everything open. A document just opened or just saved closes
// without a question.

#include "app/ui/main_window.h"
#include "document/ui/dialogue_enregistrement.h"
#include "document/ui/fenetre_document.h"
#include "document/fichier_document.h"
#include "drawing/dessin.h"
#include "support/capture.h"
#include "support/essai_cadre.h"
#include "support/pilote_dialogues.h"

#include <QAction>
#include <QClipboard>
#include <QDir>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>
#include <QMdiArea>
#include <QTest>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace {

class FermetureCadre : public EssaiCadre {
protected:
    void SetUp() override
    {
        EssaiCadre::SetUp();
        if (HasFatalFailure())
            return;
        CreerCadre(1000, 700, false);
    }

    TMDIChild *Ouvrir(const QString &nom)
    {
        QImage image(40, 30, QImage::Format_ARGB32);
        image.fill(qRgb(90, 120, 200));
        const QString chemin = Chemin(nom);
        EXPECT_TRUE(image.save(chemin));
        EXPECT_TRUE(cadre_->OuvrirImage(chemin, 2));
        return cadre_->DocumentActif();
    }

    [[nodiscard]] int NombreDocuments() const { return static_cast<int>(cadre_->Documents().size()); }

    // Closes the frame as its close box does; true when it accepted.
    bool Quitter()
    {
        QCloseEvent evenement;
        QCoreApplication::sendEvent(cadre_.get(), &evenement);
        return evenement.isAccepted();
    }
};

void AjouterTrait(ImageDocument &d)
{
    auto trait = std::make_unique<TDessin>();
    trait->Genre = 1;
    trait->X2 = 20;
    trait->Y2 = 10;
    d.dessins.AjouterElement(QStringLiteral("Trait 1"), std::move(trait));
}

struct CasModification {
    std::string nom;
    std::function<void(ImageDocument &)> modifier;
};

void PrintTo(const CasModification &c, std::ostream *os) { *os << c.nom; }

class UneModification : public FermetureCadre, public ::testing::WithParamInterface<CasModification> {};

TEST_P(UneModification, FaitPoserLaQuestionEtAnnulerGardeLeDocument)
{
    TMDIChild *fenetre = Ouvrir(QStringLiteral("carte.png"));
    ASSERT_NE(fenetre, nullptr);
    GetParam().modifier(fenetre->document());

    reponse_ = QMessageBox::Cancel;
    cadre_->actFermer->trigger();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_EQ(messages_.first(), QStringLiteral("Enregistrer les modifications de « carte.png » ?"));
    EXPECT_EQ(NombreDocuments(), 1);

    reponse_ = QMessageBox::No;
    cadre_->actFermer->trigger();
    EXPECT_EQ(messages_.size(), 2);
    QCoreApplication::processEvents();
    EXPECT_EQ(NombreDocuments(), 0);
}

const CasModification kModifications[] = {
    {"trait_dessine", AjouterTrait},
    {"echelle", [](ImageDocument &d) { d.echelle.Facteur = 0.5; d.echelle.Unite = QStringLiteral("mm"); }},
    {"code_couleur", [](ImageDocument &d) { d.codeCouleur.Definie = 1; d.codeCouleur.TypeCodage = 2; }},
    {"image_en_place", [](ImageDocument &d) { d.image.scanLine(3)[8] ^= 0xFF; }},
};

INSTANTIATE_TEST_SUITE_P(Fermeture, UneModification, ::testing::ValuesIn(kModifications),
                         [](const auto &info) { return info.param.nom; });

TEST_F(FermetureCadre, UnDocumentJusteOuvertOuToucheSansChangementSeFermeSansQuestion)
{
    TMDIChild *fenetre = Ouvrir(QStringLiteral("photo.png"));
    ASSERT_NE(fenetre, nullptr);
    // Reaching the pixels for writing without changing any is no change.
    uchar *p = fenetre->document().image.scanLine(0);
    p[0] = p[0];
    cadre_->actFermer->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(NombreDocuments(), 0);
}

TEST_F(FermetureCadre, OuiEnregistreSousPuisFermeEtAnnulerLEnregistrementGardeLeDocument)
{
    TMDIChild *fenetre = Ouvrir(QStringLiteral("plan.png"));
    ASSERT_NE(fenetre, nullptr);
    AjouterTrait(fenetre->document());
    reponse_ = QMessageBox::Yes;

    // The save dialog cancelled: nothing written, the document stays.
    ASSERT_TRUE(PiloteDialogues::Executer(cadre_->actFermer, {PiloteDialogues::Quand<TSavePictureDialogsg>(
                                                                 [](TSavePictureDialogsg &d) { d.reject(); })}));
    EXPECT_EQ(NombreDocuments(), 1);

    // The save dialog answered: the document file holds the drawing, and the window closes.
    ASSERT_TRUE(PiloteDialogues::Executer(cadre_->actFermer, {PiloteDialogues::Quand<TSavePictureDialogsg>(
                                                                 [](TSavePictureDialogsg &d) {
                                                                     auto *nom = d.findChild<QLineEdit *>(
                                                                         QStringLiteral("fileNameEdit"));
                                                                     ASSERT_NE(nom, nullptr);
                                                                     nom->setText(QStringLiteral("plan_trace"));
                                                                     QTest::keyClick(nom, Qt::Key_Return);
                                                                 })}));
    QCoreApplication::processEvents();
    EXPECT_EQ(NombreDocuments(), 0);
    const ContenuDocument lu = LireFichierDocument(Chemin(QStringLiteral("plan_trace.kpt")));
    EXPECT_EQ(lu.dessins.Nombre(), 1);
    EXPECT_EQ(messages_.size(), 2);
}

TEST_F(FermetureCadre, UnEnregistrementQuiEchoueGardeLaFenetreOuverteEtSonTravail)
{
    TMDIChild *fenetre = Ouvrir(QStringLiteral("plan.png"));
    ASSERT_NE(fenetre, nullptr);
    AjouterTrait(fenetre->document());
    // plan_trace.kpt is a folder holding a file: the document file cannot take its place.
    const QString cible = Chemin(QStringLiteral("plan_trace.kpt"));
    ASSERT_TRUE(QDir().mkdir(cible));
    QFile dedans(cible + QStringLiteral("/garde.txt"));
    ASSERT_TRUE(dedans.open(QIODevice::WriteOnly));
    dedans.close();
    reponse_ = QMessageBox::Yes; // save, and replace what is there

    auto nommer = [](TSavePictureDialogsg &d) {
        auto *nom = d.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(nom, nullptr);
        nom->setText(QStringLiteral("plan_trace"));
        QTest::keyClick(nom, Qt::Key_Return);
    };
    ASSERT_TRUE(PiloteDialogues::Executer(cadre_->actFermer, {PiloteDialogues::Quand<TSavePictureDialogsg>(nommer)}));
    QCoreApplication::processEvents();
    EXPECT_EQ(NombreDocuments(), 1) << messages_.join(QLatin1Char('\n')).toStdString();
    ASSERT_GE(messages_.size(), 2);
    EXPECT_TRUE(messages_.last().contains(QStringLiteral("plan_trace.kpt"))) << messages_.last().toStdString();
    EXPECT_TRUE(fenetre->document().Modifie());
    EXPECT_EQ(fenetre->document().dessins.Nombre(), 1);

    // Quitting: the same failure keeps the program open.
    messages_.clear();
    QAction quitter;
    bool accepte = true;
    QObject::connect(&quitter, &QAction::triggered, [&] { accepte = Quitter(); });
    ASSERT_TRUE(PiloteDialogues::Executer(&quitter, {PiloteDialogues::Quand<TSavePictureDialogsg>(nommer)}));
    EXPECT_FALSE(accepte);
    EXPECT_EQ(NombreDocuments(), 1);
}

TEST_F(FermetureCadre, UnDocumentEnregistreDepuisSonDernierChangementSeFermeSansQuestion)
{
    TMDIChild *fenetre = Ouvrir(QStringLiteral("plan.png"));
    ASSERT_NE(fenetre, nullptr);
    AjouterTrait(fenetre->document());
    ASSERT_TRUE(PiloteDialogues::Executer(cadre_->actEnregistrerSous, {PiloteDialogues::Quand<TSavePictureDialogsg>(
                                                                          [](TSavePictureDialogsg &d) {
                                                                              auto *nom = d.findChild<QLineEdit *>(
                                                                                  QStringLiteral("fileNameEdit"));
                                                                              nom->setText(QStringLiteral("plan2"));
                                                                              QTest::keyClick(nom, Qt::Key_Return);
                                                                          })}));
    ASSERT_TRUE(QFile::exists(Chemin(QStringLiteral("plan2.kpt"))));
    cadre_->actFermer->trigger();
    QCoreApplication::processEvents();
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(NombreDocuments(), 0);
}

TEST_F(FermetureCadre, QuitterDemandePourChaqueDocumentModifieEtAnnulerArreteTout)
{
    AjouterTrait(Ouvrir(QStringLiteral("a.png"))->document());
    ASSERT_NE(Ouvrir(QStringLiteral("b.png")), nullptr); // unchanged: no question
    AjouterTrait(Ouvrir(QStringLiteral("c.png"))->document());

    reponse_ = QMessageBox::Cancel;
    EXPECT_FALSE(Quitter());
    EXPECT_EQ(messages_, QStringList{QStringLiteral("Enregistrer les modifications de « a.png » ?")});
    EXPECT_EQ(NombreDocuments(), 3);

    messages_.clear();
    reponse_ = QMessageBox::No;
    EXPECT_TRUE(Quitter());
    EXPECT_EQ(messages_, (QStringList{QStringLiteral("Enregistrer les modifications de « a.png » ?"),
                                      QStringLiteral("Enregistrer les modifications de « c.png » ?")}));
}

TEST_F(FermetureCadre, UneImageColleeQuiNEstDansAucunFichierFaitPoserLaQuestion)
{
    QImage image(12, 8, QImage::Format_ARGB32);
    image.fill(Qt::red);
    QGuiApplication::clipboard()->setImage(image);
    cadre_->CollerCommeNouvelleImage();
    ASSERT_EQ(NombreDocuments(), 1);
    reponse_ = QMessageBox::Cancel;
    cadre_->actFermer->trigger();
    ASSERT_EQ(messages_.size(), 1);
    EXPECT_TRUE(messages_.first().startsWith(QStringLiteral("Enregistrer les modifications de « Nouveau")));
    EXPECT_EQ(NombreDocuments(), 1);
}

TEST_F(FermetureCadre, LaVraieBoiteDemandeEnFrancaisAvecOuiNonAnnuler)
{
    TMDIChild *fenetre = Ouvrir(QStringLiteral("carte.png"));
    ASSERT_NE(fenetre, nullptr);
    AjouterTrait(fenetre->document());
    DefinirIntercepteurMessages({}); // the box the user sees
    QString texte;
    QStringList boutons;
    QTimer::singleShot(50, [&] {
        auto *boite = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (boite == nullptr)
            return;
        Capturer(*boite, QStringLiteral("question_fermeture"));
        texte = boite->text();
        for (QAbstractButton *b : boite->buttons())
            boutons << b->text();
        boite->button(QMessageBox::Cancel)->click();
    });
    cadre_->actFermer->trigger();
    EXPECT_EQ(texte, QStringLiteral("Enregistrer les modifications de « carte.png » ?"));
    boutons.sort();
    EXPECT_EQ(boutons, (QStringList{QStringLiteral("&Non"), QStringLiteral("&Oui"), QStringLiteral("Annuler")}));
    EXPECT_EQ(NombreDocuments(), 1);
}

} // namespace
