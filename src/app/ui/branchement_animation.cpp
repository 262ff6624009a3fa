// Wiring of the animation: opening a list into the player (with a progress
// window for long loadings), "Créer une &animation" from open documents,
// "&Decomposer l'animation" into new documents, and "Fe&nêtre" ›
// "&Animation". The last two are enabled once an animation exists.

#include "animation/construction_animation.h"
#include "animation/legendes_animation.h"
#include "animation/liste_animation.h"
#include "animation/ui/anim_form.h"
#include "animation/ui/choix_fichiers.h"
#include "app/ui/boites_message.h"
#include "app/ui/gestion_erreurs.h"
#include "app/ui/main_window.h"
#include "commun/erreur.h"
#include "document/image_document.h"
#include "document/ui/fenetre_document.h"

#include <QAction>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QGuiApplication>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressDialog>

void TMainForm::BrancherAnimation()
{
    auto *lecteur = new TAnimForm(this);
    lecteur->hide();
    lecteur->signalerErreur = [lecteur](const QString &texte) { MessageErreur(lecteur, texte); };
    actAnimation->setEnabled(false);
    actDecomposerAnimation->setEnabled(false);

    auto montrer = [this, lecteur] {
        lecteur->Montrer(zoneDocuments()->mapToGlobal(QPoint(0, 0)), QSize(LargeurDispo(), HauteurDispo()));
    };
    auto installer = [this, lecteur, montrer](Animation animation) {
        lecteur->Installer(std::move(animation));
        actAnimation->setEnabled(true);
        actDecomposerAnimation->setEnabled(true);
        montrer();
    };

    // Called inside the frame's error handler (OuvrirFichier): a list that
    // fails throws, and the animation in the player stays as it was.
    ouvrirAnimation = [this, installer](const QString &chemin) {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        struct Restaurer {
            ~Restaurer() { QGuiApplication::restoreOverrideCursor(); }
        } restaurer;
        // Past half a second a progress window shows, whose "Annuler" stops the loading.
        QProgressDialog progression(tr("Chargement de l'animation…"), tr("Annuler"), 0, 1, this);
        progression.setWindowTitle(tr("Animation"));
        progression.setWindowModality(Qt::WindowModal);
        progression.setMinimumDuration(500);
        progression.setValue(0);
        Animation animation = ChargerAnimation(chemin, [&](int fait, int total) {
            progression.setMaximum(total);
            progression.setValue(fait);
            QCoreApplication::processEvents();
            return !progression.wasCanceled();
        });
        progression.reset();
        installer(std::move(animation));
    };

    auto actualiserCreation = [this] { actCreerAnimation->setEnabled(Documents().size() >= 2); };
    connect(this, &TMainForm::DocumentActifChange, this, actualiserCreation);
    actualiserCreation();

    connect(actCreerAnimation, &QAction::triggered, this, [this, installer] {
        // From the window last in the window order (1) to the active one (n).
        QList<TMDIChild *> fenetres;
        for (QMdiSubWindow *f : zoneDocuments()->subWindowList(QMdiArea::StackingOrder))
            if (auto *d = qobject_cast<TMDIChild *>(f))
                fenetres.append(d);
        if (fenetres.size() < 2)
            return;
        TChoixFic choix(QString(), this);
        choix.DefinirMinimum(2);
        QList<EntreeChoix> entrees;
        for (qsizetype i = 0; i < fenetres.size(); ++i)
            entrees.append({LigneChoixDocument(static_cast<int>(i) + 1, fenetres[i]->windowTitle()), int(i)});
        choix.Remplir(entrees);
        if (choix.exec() != QDialog::Accepted || choix.Choisis().size() < 2)
            return;
        ExecuterCommande(this, [&] {
            QGuiApplication::setOverrideCursor(Qt::WaitCursor);
            struct Restaurer {
                ~Restaurer() { QGuiApplication::restoreOverrideCursor(); }
            } restaurer;
            std::vector<const ImageDocument *> documents;
            for (const QVariant &id : choix.IdsChoisis())
                documents.push_back(&fenetres[id.toInt()]->document());
            installer(ConstruireAnimation(documents));
        });
    });

    connect(actDecomposerAnimation, &QAction::triggered, this, [this, lecteur] {
        const Animation &animation = lecteur->animation();
        int faits = 0;
        const bool reussi = ExecuterCommande(this, [&] {
            for (int i = 0; i < animation.nombre(); ++i) {
                TMDIChild *fenetre = CreerDocument(LegendeDecomposition(animation.CheminAnimation, i));
                fenetre->document().image = animation.images[i].image.convertToFormat(QImage::Format_ARGB32);
                if (fenetre->document().image.isNull())
                    throw ErreurDecodage(tr("Mémoire insuffisante pour l'image %1.").arg(i));
                fenetre->Rafraichir();
                ++faits;
            }
        });
        SynchroniserDocument();
        if (!reussi)
            MessageAvertissement(this, tr("La décomposition s'est arrêtée après %1 image(s) sur %2.")
                                           .arg(faits)
                                           .arg(animation.nombre()));
    });

    connect(actAnimation, &QAction::triggered, this, montrer);
}
