// Acquisition in the frame with SANE's test backend: the scale dialog after
// a picture, the source choice, the acquisition dialog built from the
// device's options, a feeder's pages becoming numbered documents with the
// scale of the resolution, "Annuler" leaving only whole pictures, and the
// false-colour exercise taking its picture from the device.

#include "app/session_sane.h"
#include "app/ui/choix_source.h"
#include "app/ui/dialogue_acquisition.h"
#include "calibration/echelles_standard.h"
#include "calibration/ui/dialogue_attribution_echelle.h"
#include "document/ui/fenetre_document.h"
#include "processing/ui/fen_f_c.h"
#include "support/capture.h"
#include "support/essai_cadre.h"
#include "support/sane_essai.h"

#include <QApplication>
#include <QComboBox>
#include <QDoubleSpinBox>
#include <QProgressDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace {

// ---- The scale dialog after an acquisition

struct CasEchelle {
    const char *nom;
    bool avecEchellesMemorisees;
    int dpi;
    bool accepte;
    bool listeActive;      // the remembered scales can be chosen
    bool scanCoche;        // "d'après la résolution du scanner" checked on opening
    double facteur;
    const char *unite;
    bool fenetreEchelle;   // the scale window follows
};

void PrintTo(const CasEchelle &c, std::ostream *os)
{
    *os << c.nom;
}

class EchelleApresAcquisition : public ::testing::TestWithParam<CasEchelle> {};

TEST_P(EchelleApresAcquisition, SuitLeChoixDeLUtilisateur)
{
    const CasEchelle &c = GetParam();
    EchellesStandard liste;
    if (c.avecEchellesMemorisees)
        liste.ajouter(QStringLiteral("microscope x40"), EchelleDeResolution(1000));
    Tdemandpi d;
    d.PreparerAcquisition(liste, c.dpi);
    EXPECT_EQ(d.resolution->value(), c.dpi);
    EXPECT_EQ(d.Listechelle->isEnabled(), c.listeActive);
    EXPECT_EQ(d.Scan->isChecked(), c.scanCoche);
    EXPECT_EQ(d.adefinir->isChecked(), !c.scanCoche);
    const ResultatAttribution r =
        AppliquerAttribution(c.accepte, d.choix(), d.resolution->value(), d.indexChoisi(), liste);
    EXPECT_DOUBLE_EQ(r.echelle.Facteur, c.facteur);
    EXPECT_EQ(r.echelle.Unite, QString::fromUtf8(c.unite));
    EXPECT_EQ(r.ouvrirFenetre, c.fenetreEchelle);
}

INSTANTIATE_TEST_SUITE_P(
    Cas, EchelleApresAcquisition,
    ::testing::Values(
        CasEchelle{"300 dpi d'après la résolution du scanner", true, 300, true, true, true, 25.4 / 300, "mm", false},
        CasEchelle{"sans échelle mémorisée : liste inactive, échelle à définir", false, 300, true, false, false, 1.0,
                   "pixels", true},
        CasEchelle{"Annuler : pixels", true, 300, false, true, true, 1.0, "pixels", false},
        CasEchelle{"résolution 0 : pixels", true, 0, true, true, true, 1.0, "pixels", false}));

// ---- Dialogs built from the test backend

TEST(DialoguesAcquisition, LeChoixDeSourceGardeLeNomDeLAppareil)
{
    TChoixSource d;
    d.Remplir({{QStringLiteral("test:0"), QStringLiteral("Noname"), QStringLiteral("frontend-tester"),
                QStringLiteral("virtual device")},
               {QStringLiteral("v4l:/dev/video0"), QStringLiteral("Noname"), QStringLiteral("Webcam"),
                QStringLiteral("virtual device")}},
              QStringLiteral("v4l:/dev/video0"));
    EXPECT_EQ(d.liste->topLevelItemCount(), 2);
    EXPECT_EQ(d.Choisi(), QStringLiteral("v4l:/dev/video0"));
    d.liste->setCurrentItem(d.liste->topLevelItem(0));
    EXPECT_EQ(d.Choisi(), QStringLiteral("test:0"));
    d.show();
    Capturer(d, QStringLiteral("choix_source"));
}

TEST(DialoguesAcquisition, LeDialogueDonneLesOptionsChangeesDansLOrdreDeLAppareil)
{
    if (!PreparerSaneEssai())
        GTEST_SKIP() << "le moteur « test » de SANE n'est pas installé";
    QList<OptionSane> options;
    {
        SessionSane session;
        session.Ouvrir(QStringLiteral("test:0"));
        options = session.Options();
    }
    TDialogueAcquisition d;
    d.Construire(options, QStringLiteral("Noname frontend-tester"));
    EXPECT_EQ(d.windowTitle(), QStringLiteral("Acquisition – Noname frontend-tester"));
    for (const char *nom : {"resolution", "mode", "source", "tl-x", "tl-y", "br-x", "br-y", "test-picture"})
        EXPECT_NE(d.Editeur(QString::fromLatin1(nom)), nullptr) << nom;
    for (const auto &[nom, valeur] : d.Modifications())
        ADD_FAILURE() << nom.toStdString() << " changée sans l'utilisateur : " << valeur.toString().toStdString();
    auto *resolution = qobject_cast<QDoubleSpinBox *>(d.Editeur(QStringLiteral("resolution")));
    auto *mode = qobject_cast<QComboBox *>(d.Editeur(QStringLiteral("mode")));
    ASSERT_TRUE(resolution && mode);
    resolution->setValue(75);
    mode->setCurrentIndex(mode->findData(QStringLiteral("Color")));
    EXPECT_EQ(mode->currentText(), QStringLiteral("Couleur"));
    const auto m = d.Modifications();
    ASSERT_EQ(m.size(), 2);
    EXPECT_EQ(m[0].first, QStringLiteral("mode"));
    EXPECT_EQ(m[0].second.toString(), QStringLiteral("Color"));
    EXPECT_EQ(m[1].first, QStringLiteral("resolution"));
    EXPECT_DOUBLE_EQ(m[1].second.toDouble(), 75.0);
    d.show();
    Capturer(d, QStringLiteral("dialogue_acquisition"));
}

// ---- In the frame

// Answers the modal windows by their kind at each tick, whatever their order.
class Conducteur {
public:
    explicit Conducteur(std::function<void(QWidget &)> reponse)
    {
        minuterie_.setInterval(10);
        QObject::connect(&minuterie_, &QTimer::timeout, [reponse] {
            QWidget *w = QApplication::activeModalWidget();
            if (w && w->isVisible())
                reponse(*w);
        });
        minuterie_.start();
    }

private:
    QTimer minuterie_;
};

class AcquisitionDansLeCadre : public EssaiCadre {
protected:
    void SetUp() override
    {
        if (!PreparerSaneEssai())
            GTEST_SKIP() << "le moteur « test » de SANE n'est pas installé";
        EssaiCadre::SetUp();
        cadre_ = std::make_unique<TMainForm>();
        cadre_->show();
    }

    // The usual answers: test:0 as the source, the scale of the resolution.
    bool Repondre(QWidget &w)
    {
        if (auto *c = qobject_cast<TChoixSource *>(&w)) {
            for (int i = 0; i < c->liste->topLevelItemCount(); ++i)
                if (c->liste->topLevelItem(i)->text(3) == QStringLiteral("test:0"))
                    c->liste->setCurrentItem(c->liste->topLevelItem(i));
            c->accept();
            ++choixSource;
            return true;
        }
        if (auto *d = qobject_cast<Tdemandpi *>(&w)) {
            EXPECT_EQ(d->resolution->value(), dpiAttendu);
            if (echellesDemandees == 0)
                Capturer(*d, QStringLiteral("attribution_echelle_acquisition"));
            d->Scan->setChecked(true);
            d->accept();
            ++echellesDemandees;
            return true;
        }
        return false;
    }

    // The acquisition dialog: once, these settings and "Numériser", then "Fermer".
    void Numeriser(TDialogueAcquisition &d, const std::function<void(TDialogueAcquisition &)> &regler)
    {
        if (numerise)
            return;
        numerise = true;
        QTimer::singleShot(0, &d, [&d, regler] {
            regler(d);
            d.numeriser->click();
            d.reject();
        });
    }

    int choixSource = 0;
    int echellesDemandees = 0;
    int inattendus = 0;
    int dpiAttendu = 20;
    bool numerise = false;
};

void Regler(TDialogueAcquisition &d, const char *nom, const QString &texte)
{
    QWidget *e = d.Editeur(QString::fromLatin1(nom));
    if (auto *c = qobject_cast<QComboBox *>(e))
        c->setCurrentIndex(c->findData(texte) >= 0 ? c->findData(texte) : c->findText(texte));
    else if (auto *s = qobject_cast<QDoubleSpinBox *>(e))
        s->setValue(texte.toDouble());
    else
        ADD_FAILURE() << "pas d'éditeur pour " << nom;
}

TEST_F(AcquisitionDansLeCadre, LeChargeurDonneDixDocumentsNumerotesALEchelleDeLaResolution)
{
    ASSERT_TRUE(cadre_->actAcquerir->isEnabled());
    Conducteur conducteur([this](QWidget &w) {
        if (Repondre(w) || qobject_cast<QProgressDialog *>(&w))
            return;
        if (auto *d = qobject_cast<TDialogueAcquisition *>(&w)) {
            Numeriser(*d, [](TDialogueAcquisition &a) {
                Regler(a, "source", QStringLiteral("Automatic Document Feeder"));
                Regler(a, "resolution", QStringLiteral("20"));
                Capturer(a, QStringLiteral("acquisition_chargeur"));
            });
            return;
        }
        ++inattendus;
        if (auto *d = qobject_cast<QDialog *>(&w))
            d->reject();
    });
    cadre_->actAcquerir->trigger();
    EXPECT_EQ(inattendus, 0);
    EXPECT_EQ(choixSource, 1); // two devices and none chosen: the user is asked
    EXPECT_EQ(cadre_->SourceChoisie, QStringLiteral("test:0"));
    EXPECT_EQ(echellesDemandees, 10);
    const QList<TMDIChild *> documents = cadre_->Documents();
    ASSERT_EQ(documents.size(), 10);
    QStringList titres;
    for (TMDIChild *f : documents) {
        titres << f->windowTitle();
        EXPECT_EQ(f->document().image.size(), QSize(62, 78));
        EXPECT_DOUBLE_EQ(f->document().echelle.Facteur, 25.4 / 20);
        EXPECT_EQ(f->document().echelle.Unite, QStringLiteral("mm"));
    }
    titres.sort();
    QStringList attendus;
    for (int k = 1; k <= 10; ++k)
        attendus << QStringLiteral("Nouveau%1").arg(k);
    attendus.sort();
    EXPECT_EQ(titres, attendus);
    EXPECT_TRUE(messages_.isEmpty()) << messages_.join(QLatin1Char('\n')).toStdString();
}

TEST_F(AcquisitionDansLeCadre, AnnulerNeLaisseQueDesImagesEntieres)
{
    cadre_->SourceChoisie = QStringLiteral("test:1");
    dpiAttendu = 600;
    bool annule = false;
    Conducteur conducteur([&](QWidget &w) {
        if (Repondre(w))
            return;
        if (auto *p = qobject_cast<QProgressDialog *>(&w)) {
            if (!annule && p->labelText().contains(QStringLiteral("image"))) {
                annule = true;
                // As the user does: the "Annuler" button.
                const auto boutons = p->findChildren<QPushButton *>();
                EXPECT_EQ(boutons.size(), 1);
                if (!boutons.isEmpty()) {
                    EXPECT_EQ(boutons.front()->text(), QStringLiteral("Annuler"));
                    boutons.front()->click();
                }
            }
            return;
        }
        if (auto *d = qobject_cast<TDialogueAcquisition *>(&w)) {
            Numeriser(*d, [](TDialogueAcquisition &a) {
                Regler(a, "source", QStringLiteral("Automatic Document Feeder"));
                Regler(a, "resolution", QStringLiteral("600"));
            });
            return;
        }
        ++inattendus;
        if (auto *d = qobject_cast<QDialog *>(&w))
            d->reject();
    });
    cadre_->actAcquerir->trigger();
    EXPECT_TRUE(annule);
    EXPECT_EQ(choixSource, 0); // the chosen source is taken
    const QList<TMDIChild *> documents = cadre_->Documents();
    EXPECT_LT(documents.size(), 10);
    EXPECT_EQ(echellesDemandees, documents.size());
    // 80 × 100 mm at 600 dpi, every one whole.
    for (TMDIChild *f : documents)
        EXPECT_EQ(f->document().image.size(), QSize(1889, 2362));
    EXPECT_EQ(inattendus, 0);
}

TEST_F(AcquisitionDansLeCadre, LExerciceEnFaussesCouleursPrendSaVueALAppareil)
{
    cadre_->SourceChoisie = QStringLiteral("test:0");
    bool verifie = false;
    Conducteur conducteur([&](QWidget &w) {
        if (Repondre(w) || qobject_cast<QProgressDialog *>(&w))
            return;
        if (auto *d = qobject_cast<TDialogueAcquisition *>(&w)) {
            Numeriser(*d, [](TDialogueAcquisition &a) { Regler(a, "resolution", QStringLiteral("50")); });
            return;
        }
        if (auto *e = qobject_cast<TFen_f_c *>(&w)) {
            if (verifie)
                return;
            verifie = true;
            QTimer::singleShot(0, e, [e] {
                EXPECT_TRUE(e->modeCamera->isEnabled());
                EXPECT_TRUE(e->modeCamera->isChecked());
                EXPECT_FALSE(e->priseDeVue[0]->isHidden());
                EXPECT_TRUE(e->fichier[0]->isHidden());
                e->guide->setCurrentIndex(1);
                e->priseDeVue[0]->click();
                // The picture is in place, to be calibrated on the white card.
                EXPECT_TRUE(e->blanc[0]->isEnabled());
                EXPECT_TRUE(e->places[0]->isVisible());
                Capturer(*e, QStringLiteral("fausses_couleurs_camera"));
                e->reject();
            });
            return;
        }
        ++inattendus;
        if (auto *d = qobject_cast<QDialog *>(&w))
            d->reject();
    });
    cadre_->actFaussesCouleurs->trigger();
    EXPECT_TRUE(verifie);
    EXPECT_TRUE(numerise);
    EXPECT_EQ(echellesDemandees, 0);
    EXPECT_TRUE(cadre_->Documents().isEmpty());
    EXPECT_EQ(inattendus, 0);
}

} // namespace
