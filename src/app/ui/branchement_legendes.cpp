// Wiring of the two legends of the "&Image" menu and of the recolouring that
// follows the colour-code window's OK: "Ajouter la légende de l'échelle"
// places a scale bar through the placement window, "&Ajouter la légende des
// couleurs" widens the picture with the code's key, and a checked
// recolouring box makes the "Couleurs" document.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "commun/erreur.h"
#include "document/placement_flottant.h"
#include "document/ui/fenetre_document.h"
#include "drawing/reglages_dessin.h"
#include "drawing/ui/saisie_texte.h"
#include "processing/legendes_document.h"
#include "processing/niveaux_gris.h"
#include "processing/recoloration_document.h"
#include "processing/ui/ch_rep_coul.h"

#include <QAction>

void TMainForm::BrancherLegendes()
{
    auto etat = [this] {
        const bool avec = DocumentActif() != nullptr;
        actLegendeEchelle->setEnabled(avec);
        actLegendeCouleurs->setEnabled(avec);
    };
    connect(this, &TMainForm::DocumentActifChange, this, etat);
    etat();

    connect(actLegendeEchelle, &QAction::triggered, this, [this] {
        TMDIChild *f = DocumentActif();
        if (!f)
            return;
        ReglagesDessin &r = ReglagesDessinProgramme();
        r.CouleurFondDessin = CouleurFondDessin;
        r.OpaciteDessin = OpaciteDessin;
        std::unique_ptr<TDessin> element =
            ElementLegendeEchelle(f->document().echelle, r, TSaisieTexte::Instance(this).Police());
        if (!element)
            return;
        const QImage legende = ImageFlottanteLegende(*element, r.CouleurFondDessin);
        if (legende.isNull()) {
            MessageAvertissement(this, tr("La légende de cette échelle ne peut pas être composée."));
            return;
        }
        f->document().outilCourant = ImageDocument::OutilTexte;
        f->CommencerPlacement(PlacementLegende, legende, QPointF(10, 10), std::move(element));
    });

    connect(actLegendeCouleurs, &QAction::triggered, this, [this] {
        TMDIChild *f = DocumentActif();
        if (!f || f->document().image.isNull())
            return;
        try {
            AjouterLegendeCouleurs(f->document(), CouleurFondDessin);
        } catch (const ErreurKaptori &e) {
            MessageErreur(this, e.message());
            return;
        }
        f->Rafraichir();
        f->Redessiner();
    });
}

void TMainForm::RecolorerSelonCode(TMDIChild *source, const TCodeCouleur &code, bool aligner, bool niveauxGris,
                                   double vmin, double vmax)
{
    if (!source || (!aligner && !niveauxGris))
        return;
    auto doc = DocumentCouleurs(source->document(), code);
    QString message;
    if (RecolorationParClasses(code, niveauxGris)) {
        const ClassesCouleurs classes = PreparerClassesDocument(*doc);
        auto *fenetre = findChild<TChRepCoul *>();
        if (!fenetre)
            fenetre = new TChRepCoul(this);
        fenetre->Preparer(classes, NiveauxGris(doc->image), TitreDesEffectifs(doc->echelle));
        if (fenetre->exec() == QDialog::Accepted)
            AppliquerClassesDocument(*doc, fenetre->classes(), vmin, vmax);
    } else {
        try {
            RecolorerDocument(*doc, aligner, niveauxGris);
        } catch (const ErreurKaptori &e) {
            message = e.message();
        }
    }
    MontrerNouveauDocument(std::move(doc), QStringLiteral("Couleurs"));
    if (!message.isEmpty())
        MessageAvertissement(this, message);
}
