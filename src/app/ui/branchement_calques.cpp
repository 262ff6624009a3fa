// Wiring of the commands on a document's layers as a whole: "Ajouter un
// quadrillage" (the grid dialog TCh_grille) and the two merges of the
// document's context menu "&Fusionner". "&Effacer les tracés" is wired with
// the drawing tools.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "commun/erreur.h"
#include "document/fusion_couches.h"
#include "document/ui/fenetre_document.h"
#include "document/ui/fenetre_placement.h"
#include "drawing/quadrillage.h"
#include "drawing/reglages_dessin.h"
#include "drawing/ui/ch_grille.h"

#include <QAction>
#include <QGuiApplication>
#include <QScreen>

void TMainForm::BrancherCalques()
{
    auto etat = [this] { actQuadrillage->setEnabled(DocumentActif() != nullptr); };
    connect(this, &TMainForm::DocumentActifChange, this, etat);
    etat();

    connect(actQuadrillage, &QAction::triggered, this, [this] {
        TMDIChild *f = DocumentActif();
        if (!f)
            return;
        ImageDocument &doc = f->document();
        std::optional<ReglageMaille> reglage;
        try {
            reglage = PreparerMaille(doc.echelle, doc.largeur());
        } catch (const ErreurKaptori &e) {
            MessageErreur(this, e.message());
            return;
        }
        if (!reglage)
            return;
        if (!grille_) {
            grille_ = new TCh_grille(this);
            grille_->setObjectName(QStringLiteral("Ch_grille"));
        }
        grille_->Preparer(*reglage);
        grille_->adjustSize();
        if (QScreen *ecran = QGuiApplication::primaryScreen())
            grille_->move(ecran->availableGeometry().center() - grille_->rect().center());
        if (grille_->exec() != QDialog::Accepted || grille_->Valeur() == 0)
            return;
        doc.CreerCoucheDessin();
        TracerQuadrillage(doc.coucheDessin, grille_->Valeur() / reglage->facteur,
                          CouleurQuadrillage(ReglagesDessinProgramme().CouleurCrayon));
        f->Redessiner();
    });

    // The merges of each document's context menu.
    connect(this, &TMainForm::DocumentActifChange, this, [this](TMDIChild *f) {
        if (!f || f->property("fusionsBranchees").toBool())
            return;
        f->setProperty("fusionsBranchees", true);
        f->actFusionnerTout->setEnabled(true);
        f->actFusionnerProvisoireDessin->setEnabled(true);
        connect(f->actFusionnerTout, &QAction::triggered, this, [this, f] {
            if (AfficherMessage(this, TypeMessage::Avertissement, tr("Attention, les dessins ne pourront plus être effacés"),
                                BoutonsMessage::OkAnnuler) != QMessageBox::Ok)
                return;
            // A picture being placed is flattened with the rest: its placement
            // window has nothing left to confirm or cancel.
            const bool enPlacement = f->document().placementEnCours;
            const int mode = f->document().modePlacement;
            FusionnerToutesCouches(f->document());
            if (DocumentActif() == f)
                actAnnuler->setEnabled(false);
            if (enPlacement) {
                if (f->fenetrePlacement())
                    f->fenetrePlacement()->hide();
                emit f->PlacementFini(mode);
            }
            f->Redessiner();
        });
        connect(f->actFusionnerProvisoireDessin, &QAction::triggered, this, [f] {
            f->document().FusionnerProvisoire();
            f->Redessiner();
        });
    });
}
