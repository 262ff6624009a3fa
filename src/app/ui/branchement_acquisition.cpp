// Scanners and cameras in the frame: "&Choix de la source" keeps the device
// chosen by its name; "&Acquérir" opens it and shows the acquisition dialog,
// and each picture of "Numériser" becomes a document "Nouveau" + n whose
// scale is asked at once, the device's resolution preset. Every call to the
// device runs on the acquisition thread while a modal window (search,
// progress with "Annuler") keeps the frame painting and answering. The
// false-colour exercise's "Source" and "Prise de vue" use the same steps.

#include "app/assembler_trames.h"
#include "app/messages_sane.h"
#include "app/session_sane.h"
#include "app/ui/boites_message.h"
#include "app/ui/choix_source.h"
#include "app/ui/dialogue_acquisition.h"
#include "app/ui/fil_acquisition.h"
#include "app/ui/main_window.h"
#include "document/ui/fenetre_document.h"
#include "processing/ui/fen_f_c.h"

#include <QAction>
#include <QMdiArea>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>

#include <atomic>
#include <mutex>

namespace {

class GestionAcquisition : public QObject {
public:
    explicit GestionAcquisition(TMainForm *cadre)
        : QObject(cadre), cadre_(cadre), fil_(new FilAcquisition(this)), choix_(new TChoixSource(cadre)),
          dialogue_(new TDialogueAcquisition(cadre))
    {
        setObjectName(QStringLiteral("GestionAcquisition"));
    }

    ~GestionAcquisition() override
    {
        // The session ends on the thread it ran on.
        if (session_)
            Executer(nullptr, QString(), [this] { session_.reset(); });
    }

    // "&Choix de la source": true once a device is chosen.
    bool ChoisirSource(QWidget *parent)
    {
        const auto appareils = Lister(parent);
        if (!appareils)
            return false;
        if (appareils->isEmpty()) {
            MessageInformation(parent, MessageAucunAppareil());
            return false;
        }
        choix_->setParent(parent, choix_->windowFlags());
        choix_->Remplir(*appareils, cadre_->SourceChoisie);
        if (choix_->exec() != QDialog::Accepted || choix_->Choisi().isEmpty())
            return false;
        cadre_->SourceChoisie = choix_->Choisi();
        return true;
    }

    // Opens the chosen device (the only one, or the one the user chooses when
    // none is chosen yet) and shows the acquisition dialog until "Fermer";
    // each "Numériser" hands its pictures and the resolution to recevoir.
    // With une, the dialog closes after the first picture.
    void Acquerir(QWidget *parent, const std::function<void(std::vector<QImage> &, int)> &recevoir, bool une)
    {
        if (occupe_)
            return;
        if (cadre_->SourceChoisie.isEmpty()) {
            const auto appareils = Lister(parent);
            if (!appareils)
                return;
            if (appareils->isEmpty()) {
                MessageInformation(parent, MessageAucunAppareil());
                return;
            }
            if (appareils->size() == 1)
                cadre_->SourceChoisie = appareils->front().nom;
            else if (!ChoisirSource(parent))
                return;
        }
        const QString source = cadre_->SourceChoisie;
        QList<OptionSane> options;
        QString titre = source;
        if (!Executer(parent, tr("Ouverture de l'appareil…"), [this, &source, &options, &titre] {
                session_ = std::make_unique<SessionSane>();
                for (const AppareilSane &a : session_->Appareils())
                    if (a.nom == source)
                        titre = (a.fabricant + QLatin1Char(' ') + a.modele).trimmed();
                session_->Ouvrir(source);
                options = session_->Options();
            })) {
            Fermer(parent);
            return;
        }
        dialogue_->setParent(parent, dialogue_->windowFlags());
        dialogue_->Construire(options, titre);
        const auto connexion = connect(dialogue_, &TDialogueAcquisition::Numeriser, this, [&] {
            std::vector<QImage> images;
            int dpi = 0;
            QString erreur;
            Numeriser(dialogue_, images, dpi, erreur);
            QList<OptionSane> relues;
            if (Executer(dialogue_, QString(), [this, &relues] { relues = session_->Options(); }))
                dialogue_->Construire(relues, titre);
            const bool fini = une && !images.empty();
            if (!images.empty())
                recevoir(images, dpi);
            if (!erreur.isEmpty())
                MessageErreur(dialogue_, erreur);
            if (fini)
                dialogue_->accept();
        });
        dialogue_->exec();
        disconnect(connexion);
        Fermer(parent);
    }

private:
    // Runs travail on the acquisition thread, a busy window with this text
    // showing if it lasts; false after showing its error.
    bool Executer(QWidget *parent, const QString &texte, const std::function<void()> &travail)
    {
        occupe_ = true;
        std::unique_ptr<QProgressDialog> attente;
        if (parent) {
            attente = std::make_unique<QProgressDialog>(texte, QString(), 0, 0, parent);
            attente->setWindowTitle(tr("Acquisition"));
            attente->setWindowModality(Qt::ApplicationModal);
            attente->setMinimumDuration(300);
            attente->setCancelButton(nullptr);
        }
        bool reussi = true;
        try {
            fil_->Executer(travail);
        } catch (const ErreurKaptori &e) {
            reussi = false;
            if (parent)
                MessageErreur(parent, e.message());
        }
        occupe_ = false;
        return reussi;
    }

    std::optional<QList<AppareilSane>> Lister(QWidget *parent)
    {
        QList<AppareilSane> appareils;
        // Each command loads the library and leaves it when done.
        if (!Executer(parent, tr("Recherche des scanners et caméras…"), [&appareils] {
                SessionSane session;
                appareils = session.Appareils();
            }))
            return std::nullopt;
        return appareils;
    }

    void Fermer(QWidget *parent)
    {
        if (session_)
            Executer(parent, tr("Fermeture de l'appareil…"), [this] { session_.reset(); });
    }

    // The dialog's values set on the device, then its pictures read with a
    // progress window whose "Annuler" stops the picture being read (it is
    // dropped). Pictures finished before an error are kept; erreur tells it.
    void Numeriser(QWidget *parent, std::vector<QImage> &images, int &dpi, QString &erreur)
    {
        const auto modifications = dialogue_->Modifications();
        std::atomic<bool> annuler{false};
        std::atomic<int> numero{1};
        std::atomic<qint64> recus{0};
        std::atomic<qint64> attendus{-1};
        std::mutex verrou;
        QProgressDialog progression(tr("Acquisition de l'image 1…"), tr("Annuler"), 0, 1000, parent);
        progression.setWindowTitle(tr("Acquisition"));
        progression.setWindowModality(Qt::ApplicationModal);
        progression.setMinimumDuration(0);
        progression.setAutoClose(false);
        progression.setAutoReset(false);
        progression.setValue(0);
        progression.show();
        connect(&progression, &QProgressDialog::canceled, &progression, [&] {
            annuler = true;
            progression.setLabelText(tr("Annulation…"));
        });
        QTimer minuterie;
        connect(&minuterie, &QTimer::timeout, &progression, [&] {
            if (progression.wasCanceled() && !annuler) {
                annuler = true;
                progression.setLabelText(tr("Annulation…"));
            }
            if (annuler)
                return;
            progression.setLabelText(tr("Acquisition de l'image %1…").arg(numero.load()));
            const qint64 a = attendus;
            if (a > 0) {
                progression.setMaximum(1000);
                progression.setValue(int(1000 * std::min<qint64>(recus, a) / a));
            } else {
                progression.setMaximum(0); // unknown height: a busy bar
            }
        });
        minuterie.start(100);
        occupe_ = true;
        try {
            fil_->Executer([&] {
                for (const auto &[nom, valeur] : modifications)
                    session_->Regler(nom, valeur);
                dpi = session_->Resolution();
                session_->Acquerir(
                    [&](QImage image) {
                        const std::lock_guard garde(verrou);
                        images.push_back(std::move(image));
                    },
                    &annuler,
                    [&](int n, qint64 r, qint64 a) {
                        numero = n;
                        recus = r;
                        attendus = a;
                    });
            });
        } catch (const ErreurKaptori &e) {
            erreur = e.message();
        }
        occupe_ = false;
        minuterie.stop();
        progression.close();
    }

    TMainForm *cadre_;
    FilAcquisition *fil_;
    TChoixSource *choix_;
    TDialogueAcquisition *dialogue_;
    std::unique_ptr<SessionSane> session_; // the open device, only touched on the acquisition thread
    bool occupe_ = false;
};

} // namespace

void TMainForm::BrancherAcquisition()
{
    auto *g = new GestionAcquisition(this);
    actChoixSource->setEnabled(true);
    actAcquerir->setEnabled(true);
    connect(actChoixSource, &QAction::triggered, this, [this, g] { (void)g->ChoisirSource(this); });
    connect(actAcquerir, &QAction::triggered, this, [this, g] {
        g->Acquerir(
            this,
            [this](std::vector<QImage> &images, int dpi) {
                for (QImage &image : images) {
                    TMDIChild *f =
                        CreerDocument(tr("Nouveau") + QString::number(zoneDocuments()->subWindowList().size() + 1));
                    f->document().image = std::move(image);
                    f->Rafraichir();
                    SynchroniserDocument();
                    emit DocumentActifChange(f);
                    if (AttribuerEchelleAcquisition)
                        AttribuerEchelleAcquisition(f, dpi);
                }
            },
            false);
    });

    // The false-colour exercise takes its pictures from the same device.
    if (auto *exercice = findChild<TFen_f_c *>()) {
        exercice->choisirSource = [g, exercice] { (void)g->ChoisirSource(exercice); };
        exercice->prendreVue = [g, exercice] {
            QImage prise;
            g->Acquerir(
                exercice,
                [&prise](std::vector<QImage> &images, int) {
                    if (prise.isNull() && !images.empty())
                        prise = std::move(images.front());
                },
                true);
            return prise;
        };
        exercice->Recommencer();
    }
}
