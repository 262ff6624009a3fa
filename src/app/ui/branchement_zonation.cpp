// Wiring of "Délimiter des &zones": the document enters zone mode (the
// pencil paints reference areas on its drawing layer), its zonation dialog
// "Choix des paramètres de sélection" opens, each OK classifies the picture
// into a new "zonation" document and shows each category's share and area,
// "Refaire" gives the painting back, and Abort or Close ends the mode.

#include "app/ui/main_window.h"
#include "commun/erreur.h"
#include "document/ui/fenetre_document.h"
#include "drawing/reglages_dessin.h"
#include "processing/ui/choix_limit.h"
#include "processing/zones_document.h"

#include <QAction>
#include <QApplication>
#include <QPointer>
#include <QProgressDialog>
#include <QToolButton>

namespace {

constexpr int OutilsBloques[] = {4, 5, 6, 7, 8, 9}; // text, measuring, bucket, pipette, selection, counting

} // namespace

void TMainForm::BrancherZonation()
{
    auto etat = [this] { actDelimiterZones->setEnabled(DocumentActif() != nullptr); };
    connect(this, &TMainForm::DocumentActifChange, this, etat);
    etat();

    // The frame's tools while a zone delimitation runs, and afterwards.
    auto outilsZones = [this](bool zones) {
        actCopierSelection->setEnabled(!zones);
        actRecadrer->setEnabled(!zones);
        for (QToolButton *b : {boutonMesures, boutonStyleTrait, boutonForme, boutonRemplissage, boutonPolice})
            if (b)
                b->setVisible(!zones);
        if (actSchema)
            actSchema->setVisible(!zones);
        for (int outil : OutilsBloques)
            if (QAction *b = boutonsOutils[static_cast<std::size_t>(outil)])
                b->setEnabled(!zones);
    };

    auto calculer = [this](TMDIChild *f, TChoixLimit *dialogue) {
        ImageDocument &d = f->document();
        const QImage peinture = ValiderZones(d);
        f->Redessiner();
        dialogue->ApresCalcul();
        ParametresZonation p = dialogue->Parametres();
        p.fond = CouleurFondDessin;
        QProgressDialog progression(tr("Zonation en cours..."), tr("Annuler"), 0, 100, this);
        progression.setWindowModality(Qt::WindowModal);
        progression.setMinimumDuration(300);
        ResultatZonation r;
        QApplication::setOverrideCursor(Qt::WaitCursor);
        try {
            r = CalculerZonation(d.image, peinture, p, [&progression](int pourcent) {
                progression.setValue(pourcent);
                QApplication::processEvents();
                return !progression.wasCanceled();
            });
        } catch (const ErreurKaptori &e) {
            r.message = e.message();
        }
        QApplication::restoreOverrideCursor();
        progression.reset();
        if (r.image.isNull() && r.message.isEmpty())
            return; // stopped by the user
        const TEchelle echelle = d.echelle;
        const std::int64_t total = static_cast<std::int64_t>(d.largeur()) * d.hauteur();
        std::vector<QRgb> couleurs =
            p.peindreMoyennes ? r.categories.CouleursMoyennes : r.categories.CouleursPeintes;
        dialogue->AfficherResultats(r.categories, couleurs, echelle, total, r.message);
        if (r.image.isNull())
            return;
        auto resultat = std::make_unique<ImageDocument>();
        resultat->titre = QStringLiteral("zonation");
        resultat->image = r.image;
        resultat->echelle = echelle;
        MontrerNouveauDocument(std::move(resultat));
        actCopier->setEnabled(true);
        dialogue->show();
        dialogue->raise();
    };

    connect(actDelimiterZones, &QAction::triggered, this, [this, outilsZones, calculer] {
        TMDIChild *f = DocumentActif();
        if (!f)
            return;
        if (QAction *crayon = boutonsOutils[0]; crayon && !crayon->isChecked())
            crayon->trigger();
        DebutZones(f->document());
        f->Redessiner();
        EcrirePanneau(0, tr("outil : délimitation de zones"));
        outilsZones(true);
        auto *dialogue = f->findChild<TChoixLimit *>();
        if (!dialogue) {
            dialogue = new TChoixLimit(f);
            QPointer<TMDIChild> fenetre(f);
            connect(dialogue, &TChoixLimit::Valide, this, [fenetre, dialogue, calculer] {
                if (fenetre)
                    calculer(fenetre, dialogue);
            });
            connect(dialogue, &TChoixLimit::Refait, this, [this, fenetre, dialogue] {
                if (!fenetre)
                    return;
                RefaireZones(fenetre->document());
                fenetre->Redessiner();
                fenetre->activateWindow();
                dialogue->AttendrePeinture();
                dialogue->show();
            });
            connect(dialogue, &TChoixLimit::Termine, this, [this, fenetre, outilsZones] {
                if (!fenetre || !fenetre->document().etatDessin.ModeZones)
                    return;
                ReglagesDessin &r = ReglagesDessinProgramme();
                r.CouleurFondDessin = CouleurFondDessin;
                r.OpaciteDessin = OpaciteDessin;
                FinZones(fenetre->document(), r.Contexte());
                fenetre->Redessiner();
                outilsZones(false);
                if (QAction *mesure = boutonsOutils[ImageDocument::OutilMesure])
                    mesure->trigger();
            });
        }
        dialogue->AttendrePeinture();
        dialogue->show();
        dialogue->raise();
    });
}
