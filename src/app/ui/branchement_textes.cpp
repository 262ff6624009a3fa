// Wiring of the text tool: a press with tool 4 opens the text dialog "Saisie
// d'un texte"; once confirmed, the composed text is placed through the
// floating layer and the placement window "Disposer la légende", and becomes
// a text element when the placement is confirmed. The "&Fonte" item of the
// font menu chooses the dialog's font.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "document/ui/fenetre_document.h"
#include "document/placement_flottant.h"
#include "document/pointeur_dessin.h"
#include "drawing/element_texte.h"
#include "drawing/reglages_dessin.h"
#include "drawing/ui/saisie_texte.h"

#include <QAction>
#include <QCoreApplication>
#include <QMenu>
#include <QPointer>

namespace {

// PlacerTexte: the dialog's text composed in its font, the pen colour, its
// alignment and the background colour, placed with its top-left corner at
// the pressed pixel. A text the document file cannot keep or too large for a
// picture is refused with a message and nothing is placed.
void PlacerTexte(TMainForm *cadre, TMDIChild *fenetre, QPoint pixel, const TexteAPlacer &texte,
                 const ReglagesDessin &reglages)
{
    if (!TexteEnregistrable(texte.lignes)) {
        MessageAvertissement(cadre, QCoreApplication::translate(
                                        "TMainForm", "Ce texte est trop long : un texte garde au plus 65535 caractères."));
        return;
    }
    const QImage image = ImageFlottanteTexte(texte, reglages.CouleurFondDessin);
    if (image.isNull()) {
        MessageAvertissement(
            cadre, QCoreApplication::translate("TMainForm", "Ce texte est trop grand pour être placé sur l'image."));
        return;
    }
    fenetre->CommencerPlacement(PlacementTexte, image, QPointF(pixel),
                                ElementDeTexte(texte, QPoint(), true, reglages.CouleurFondDessin,
                                               reglages.OpaciteDessin));
}

} // namespace

void TMainForm::BrancherTextes()
{
    TSaisieTexte &dialogue = TSaisieTexte::Instance(this);
    ReglagesDessin &reglages = ReglagesDessinProgramme();

    // Tool 4's press: the dialog opens once the press has been handled, so
    // that the view does not lose the release to the modal dialog.
    GestionnaireOutil outilTexte;
    outilTexte.appui = [this, &dialogue, &reglages](ImageDocument &doc, QPoint pixel, Qt::MouseButton bouton) {
        if (bouton != Qt::LeftButton)
            return;
        QPointer<TMDIChild> fenetre;
        for (TMDIChild *f : Documents())
            if (&f->document() == &doc)
                fenetre = f;
        if (!fenetre)
            return;
        QMetaObject::invokeMethod(
            this,
            [this, fenetre, pixel, &dialogue, &reglages] {
                if (!fenetre)
                    return;
                dialogue.Preparer(reglages.CouleurCrayon, reglages.CouleurFondDessin);
                if (dialogue.exec() != QDialog::Accepted || !fenetre)
                    return;
                PlacerTexte(this, fenetre, pixel, dialogue.Texte(), reglages);
            },
            Qt::QueuedConnection);
    };
    EnregistrerGestionnaireOutil(ImageDocument::OutilTexte, outilTexte);

    // "&Fonte" of the font menu: the font of the text dialog.
    if (!menuPolice->actions().isEmpty()) {
        QAction *fonte = menuPolice->actions().first();
        fonte->setEnabled(true);
        connect(fonte, &QAction::triggered, this, [this, &dialogue] {
            if (dialogue.choisirPolice)
                if (const std::optional<QFont> choisie = dialogue.choisirPolice(dialogue.Police(), this))
                    dialogue.DefinirPolice(*choisie);
        });
    }

    // End of a placement in a document window: "Annuler" once something was
    // placed; the tool buttons follow the measuring tool given back after a
    // legend or a paste.
    connect(this, &TMainForm::DocumentActifChange, this, [this](TMDIChild *f) {
        if (!f || f->property("textesBranche").toBool())
            return;
        f->setProperty("textesBranche", true);
        connect(f, &TMDIChild::PlacementConfirme, this, [this] { actAnnuler->setEnabled(true); });
        connect(f, &TMDIChild::PlacementFini, this, [this, fenetre = QPointer<TMDIChild>(f)](int) {
            if (!fenetre || fenetre != DocumentActif())
                return;
            const int outil = fenetre->document().outilCourant;
            if (outil >= 0 && outil < static_cast<int>(boutonsOutils.size()) && boutonsOutils[outil] &&
                !boutonsOutils[outil]->isChecked())
                boutonsOutils[outil]->trigger();
        });
    });
}
