// Wiring of the histogram window, the decomposition into components, the
// channel dialog and the false-colour exercise:
// the window works on a copy of the active document's picture and its OK
// opens the "Modifié" document; the decomposition opens "Bleu", "Vert" and
// "Rouge".

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "commun/erreur.h"
#include "document/ui/fenetre_document.h"
#include "processing/code_conservable.h"
#include "processing/decomposition.h"
#include "processing/ui/choix_canaux.h"
#include "processing/ui/fen_f_c.h"
#include "processing/ui/histo.h"

#include <QAction>

void TMainForm::BrancherHistogrammes()
{
    auto etat = [this] {
        const bool avec = DocumentActif() != nullptr;
        for (QAction *a : {actHistogrammes, actDecompositionColorees, actDecompositionGrises, actCanauxAffiches})
            a->setEnabled(avec);
    };
    connect(this, &TMainForm::DocumentActifChange, this, etat);
    etat();

    auto ouvrirResultat = [this](std::unique_ptr<ImageDocument> doc) { MontrerNouveauDocument(std::move(doc)); };

    const auto signaler = [](QWidget *parent, const QString &texte, bool erreur) {
        if (erreur)
            MessageErreur(parent, texte);
        else
            MessageInformation(parent, texte);
    };
    // The window exists once and is reused.
    auto *histo = new THisto(this);
    histo->Signaler = signaler;
    connect(actHistogrammes, &QAction::triggered, this, [this, histo, ouvrirResultat] {
        TMDIChild *f = DocumentActif();
        if (!f)
            return;
        const ImageDocument &doc = f->document();
        bool conservable = true;
        if (CodeSansSignificationApresModification(doc.codeCouleur)) {
            if (MessageConfirmation(this, tr("L'échelle de couleur de l'image modifiée n'aura pas de signification. "
                                             "Abandon ?")))
                return;
            conservable = false;
        }
        histo->Preparer(doc, conservable);
        if (histo->exec() != QDialog::Accepted)
            return;
        if (auto resultat = histo->DocumentResultat())
            ouvrirResultat(std::move(resultat));
    });

    // The channel dialog: its designations go into the code of the document
    // it was confirmed for; other documents keep their own.
    auto *choix = new TChoix_canaux(this);
    choix->Signaler = signaler;
    connect(actCanauxAffiches, &QAction::triggered, this, [this, choix] {
        TMDIChild *f = DocumentActif();
        if (!f || !f->document().avecCanaux || f->document().canaux.empty())
            return;
        choix->Preparer(f->document());
        if (choix->exec() != QDialog::Accepted)
            return;
        const ChoixCanaux c = choix->Choix();
        f->document().AfficherCanaux(c.emplacements[0], c.emplacements[1], c.emplacements[2], c.etirement,
                                     &c.designations);
        f->Rafraichir();
        SynchroniserDocument();
        emit DocumentActifChange(f);
    });

    // The false-colour exercise, always available; its kept pictures open as documents.
    actFaussesCouleurs->setEnabled(true);
    auto *exercice = new TFen_f_c(this);
    exercice->Signaler = signaler;
    // Like the documents of a raster file, they open with the decoding panel shown.
    connect(actFaussesCouleurs, &QAction::triggered, this, [this, exercice] {
        exercice->Recommencer();
        if (exercice->exec() != QDialog::Accepted)
            return;
        for (auto &d : exercice->Documents())
            emit DocumentOuvert(MontrerNouveauDocument(std::move(d)), true);
    });

    for (const auto &[action, gris] : {std::pair{actDecompositionColorees, false}, std::pair{actDecompositionGrises, true}})
        connect(action, &QAction::triggered, this, [this, gris = gris, ouvrirResultat] {
            TMDIChild *f = DocumentActif();
            if (!f)
                return;
            try {
                auto documents = DocumentsDecomposition(f->document(), gris);
                for (auto &d : documents)
                    ouvrirResultat(std::move(d));
            } catch (const ErreurKaptori &e) {
                MessageErreur(this, e.message());
            }
        });
}
