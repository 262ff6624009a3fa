// A pupil's work from start to end, through the windows only: open a photo,
// draw on it, give it a scale, save it as a document file, quit; start the
// program again with the document file on the command line and find the
// drawing, the scale and the picture; export it as PNG and open the picture
// again with its side-files. With KAPTORI_CAPTURES set to a folder, the
// frame is saved there as PNG at each stage.

#include "app/ui/boites_message.h"
#include "app/ui/dialogue_ouverture.h"
#include "app/ui/main_window.h"
#include "calibration/code_couleur.h"
#include "calibration/ui/dialogue_attribution_echelle.h"
#include "calibration/ui/dialogue_nom_echelle.h"
#include "calibration/ui/edit_valeur.h"
#include "calibration/ui/fenetre_echelle.h"
#include "document/ui/dialogue_enregistrement.h"
#include "document/ui/fenetre_document.h"
#include "document/image_document.h"
#include "document/formats/lecteur_image.h"
#include "drawing/reglages_dessin.h"
#include "support/capture.h"
#include "support/codes_essai.h"
#include "support/essai_cadre.h"
#include "support/pilote_dialogues.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <vector>

namespace {

using Pilote = PiloteDialogues;

void TaperNomEtValider(QFileDialog &d, const QString &nom)
{
    auto *edition = d.findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
    ASSERT_NE(edition, nullptr);
    edition->setText(nom);
    QTest::keyClick(edition, Qt::Key_Return);
}

void ChoisirType(QFileDialog &d, const QString &libelle)
{
    auto *types = d.findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
    ASSERT_NE(types, nullptr);
    const int i = types->findText(libelle);
    ASSERT_GE(i, 0) << libelle.toStdString();
    types->setCurrentIndex(i);
    emit types->activated(i);
}

void Cliquer(QGroupBox *groupe, const QString &texte)
{
    for (QRadioButton *b : groupe->findChildren<QRadioButton *>())
        if (b->text() == texte) {
            QTest::mouseClick(b, Qt::LeftButton);
            return;
        }
    ADD_FAILURE() << "pas de bouton " << texte.toStdString();
}

// Lets the event loop run until the condition holds or two seconds pass.
bool Attendre(const std::function<bool()> &condition)
{
    QElapsedTimer chrono;
    chrono.start();
    while (!condition() && chrono.elapsed() < 2000)
        QTest::qWait(10);
    return condition();
}

int PixelsOpaques(const QImage &couche)
{
    int n = 0;
    for (int y = 0; y < couche.height(); ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(couche.constScanLine(y));
        for (int x = 0; x < couche.width(); ++x)
            n += qAlpha(ligne[x]) > 1;
    }
    return n;
}

class ParcoursDocument : public EssaiCadre {
protected:
    void SetUp() override
    {
        reponse_ = QMessageBox::Yes;
        EssaiCadre::SetUp();
        if (HasFatalFailure())
            return;
        ReglagesDessinProgramme() = ReglagesDessin{};
    }

    // The program starts: the frame is shown and gets its first activation.
    void Demarrer(const QStringList &ligneCommande = {})
    {
        cadre_ = std::make_unique<TMainForm>();
        cadre_->resize(1100, 800);
        cadre_->DefinirLigneCommande(ligneCommande);
        cadre_->show();
        QApplication::setActiveWindow(cadre_.get());
        ASSERT_TRUE(Attendre([&] { return cadre_->Documents().size() == ligneCommande.size(); }));
        QTest::qWait(250); // the first activation has run by now, whichever way it came
    }

    QPoint Ecran(TMDIChild &fenetre, QPoint pixel)
    {
        const QPointF o = fenetre.vue()->OrigineImage();
        const double z = fenetre.document().zoom;
        return QPoint(static_cast<int>(o.x() + pixel.x() * z), static_cast<int>(o.y() + pixel.y() * z));
    }

    void Glisser(TMDIChild &fenetre, QPoint de, QPoint a)
    {
        QWidget *vue = fenetre.vue()->viewport();
        QTest::mousePress(vue, Qt::LeftButton, {}, Ecran(fenetre, de));
        for (int i = 1; i <= 4; ++i) {
            const QPoint p = Ecran(fenetre, de + (a - de) * i / 4);
            QMouseEvent mouvement(QEvent::MouseMove, p, vue->mapToGlobal(p), Qt::NoButton, Qt::LeftButton, {});
            QApplication::sendEvent(vue, &mouvement);
        }
        QTest::mouseRelease(vue, Qt::LeftButton, {}, Ecran(fenetre, a));
    }

};

TEST_F(ParcoursDocument, UnTravailDessineEtEtalonneSeRetrouveApresEnregistrementEtExportation)
{
    // The photo, with the colour code the teacher left beside it.
    const QString photo = Chemin(QStringLiteral("photo.jpg"));
    ASSERT_TRUE(QFile::copy(qEnvironmentVariable("KAPTORI_DATA") + QStringLiteral("/photo.jpg"), photo));
    TCodeCouleur code = code_essai::DeuxCouleurs(0x000000, 0xFFFF00, 0, 100);
    code.Grandeur = QStringLiteral("Humidité");
    code.UniteCode = QStringLiteral("%");
    EcrireCodeAnnexe(photo, code);

    Demarrer();
    ASSERT_TRUE(Pilote::Executer(cadre_->actOuvrir, {Pilote::Quand<DialogueOuverture>([&](DialogueOuverture &d) {
                            TaperNomEtValider(d, photo);
                        })}));
    TMDIChild *fenetre = cadre_->DocumentActif();
    ASSERT_NE(fenetre, nullptr);
    ImageDocument &doc = fenetre->document();
    ASSERT_EQ(doc.codeCouleur, code);
    const QImage photoLue = doc.image;

    // A rectangle with the shape tool.
    cadre_->boutonsOutils[2]->trigger();
    Glisser(*fenetre, QPoint(40, 30), QPoint(160, 110));
    ASSERT_EQ(doc.dessins.Nombre(), 1);
    const QString nomElement = doc.dessins.NomNumero(0);
    const TDessin element = *doc.dessins.ElementNumero(0);

    // A scale: 300 pixels measure 75 mm.
    ASSERT_TRUE(Pilote::Executer(cadre_->actEchelle,
                        {Pilote::Quand<Tdemandpi>([](Tdemandpi &d) {
                             d.adefinir->setChecked(true);
                             d.accept();
                         }),
                         Pilote::Quand<TCre_ech>([](TCre_ech &f) {
                             f.Longu->setChecked(true);
                             f.AppuiImage({100, 100});
                             f.DeplacementImage({400, 100});
                             f.unite_long->clear();
                             QTest::keyClicks(f.unite_long, QStringLiteral("mm"));
                             f.val_long->clear();
                             QTest::keyClicks(f.val_long, QStringLiteral("75"));
                             f.Transferer();
                         }),
                         Pilote::Quand<TNomEch>([](TNomEch &d) {
                             d.non->setChecked(true);
                             d.accept();
                         })}));
    const TEchelle echelle = doc.echelle;
    ASSERT_EQ(echelle.Definie, 1);
    EXPECT_EQ(echelle.Unite, QStringLiteral("mm"));
    Capturer(*cadre_, QStringLiteral("parcours_dessin_echelle"));
    const QImage aplatie = doc.Aplatir();

    // Saved as a document file whose picture is kept in PNG.
    const QString travail = Chemin(QStringLiteral("travail.kpt"));
    ASSERT_TRUE(Pilote::Executer(cadre_->actEnregistrerSous, {Pilote::Quand<TSavePictureDialogsg>([](TSavePictureDialogsg &d) {
                            ChoisirType(d, QStringLiteral("Fichiers Kaptori"));
                            Cliquer(d.groupeCodage, QStringLiteral("png"));
                            TaperNomEtValider(d, QStringLiteral("travail"));
                        })}));
    ASSERT_TRUE(QFile::exists(travail)) << messages_.join(QLatin1Char('\n')).toStdString();
    EXPECT_EQ(fenetre->windowTitle(), travail);
    EXPECT_FALSE(QFile::exists(Chemin(QStringLiteral("travail.sca"))));

    // Quit, and start again with the document file on the command line.
    cadre_.reset();
    Demarrer({travail});
    TMDIChild *rouverte = cadre_->DocumentActif();
    ASSERT_NE(rouverte, nullptr);
    const ImageDocument &relu = rouverte->document();
    EXPECT_EQ(rouverte->windowTitle(), travail);
    ASSERT_EQ(relu.dessins.Nombre(), 1);
    EXPECT_EQ(relu.dessins.NomNumero(0), nomElement);
    EXPECT_TRUE(*relu.dessins.ElementNumero(0) == element);
    EXPECT_EQ(relu.echelle, echelle);
    EXPECT_EQ(relu.codeCouleur, code);
    EXPECT_EQ(relu.image, photoLue);
    EXPECT_GT(PixelsOpaques(relu.coucheDessin), 0); // the rectangle drawn back
    EXPECT_EQ(rouverte->document().Aplatir(), aplatie);
    Capturer(*cadre_, QStringLiteral("parcours_document_rouvert"));

    // Exported as PNG, then opened again as a picture with its side-files.
    const QString exportee = Chemin(QStringLiteral("pour_le_cahier.png"));
    ASSERT_TRUE(Pilote::Executer(cadre_->actEnregistrerSous, {Pilote::Quand<TSavePictureDialogsg>([](TSavePictureDialogsg &d) {
                            ChoisirType(d, QStringLiteral("Fichiers PNG"));
                            TaperNomEtValider(d, QStringLiteral("pour_le_cahier"));
                        })}));
    ASSERT_TRUE(QFile::exists(exportee)) << messages_.join(QLatin1Char('\n')).toStdString();
    EXPECT_TRUE(QFile::exists(Chemin(QStringLiteral("pour_le_cahier.sca"))));
    EXPECT_TRUE(QFile::exists(Chemin(QStringLiteral("pour_le_cahier.ccc"))));
    ASSERT_TRUE(Pilote::Executer(cadre_->actOuvrir, {Pilote::Quand<DialogueOuverture>([&](DialogueOuverture &d) {
                            TaperNomEtValider(d, exportee);
                        })}));
    ASSERT_EQ(cadre_->Documents().size(), 2);
    const ImageDocument &image = cadre_->DocumentActif()->document();
    EXPECT_EQ(image.nomFichier, exportee);
    EXPECT_EQ(image.dessins.Nombre(), 0);
    EXPECT_EQ(image.echelle, echelle);
    EXPECT_EQ(image.codeCouleur, code);
    EXPECT_EQ(image.image, aplatie);
    Capturer(*cadre_, QStringLiteral("parcours_export_rouvert"));
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join(QLatin1Char('\n')).toStdString();
}

} // namespace
