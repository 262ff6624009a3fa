// Wiring of counting: the counting tool (9) and its window TMulticompt, one
// per document, made the first time the tool is chosen on it and destroyed
// with it; the press that puts a mark or offers to delete the mark under the
// pointer; the drag of the last mark; the pen width that redraws the marks;
// "C&omptage" and "Copier avec les points".

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "document/pointeur_dessin.h"
#include "document/ui/fenetre_document.h"
#include "drawing/reglages_dessin.h"
#include "processing/comptage_document.h"
#include "processing/ui/multicompt.h"

#include <QAction>
#include <QActionGroup>
#include <QMdiArea>
#include <QPointer>
#include <QSpinBox>

namespace {

constexpr int OutilComptage = 9;

TMulticompt *FenetreComptage(TMDIChild *f)
{
    return f ? f->findChild<TMulticompt *>(QStringLiteral("Compteur"), Qt::FindDirectChildrenOnly) : nullptr;
}

void AfficherEffectifs(TMulticompt *w, const ImageDocument &doc)
{
    for (int c = 1; c <= TCompteurs::NbCategories; ++c)
        w->AfficherEffectif(c, EffectifCategorie(doc, c));
}

QPointer<TMainForm> &CadreComptage()
{
    static QPointer<TMainForm> cadre;
    return cadre;
}

} // namespace

bool TMainForm::SupprimerMarqueSous(ImageDocument &doc, QPoint p)
{
    return supprimerMarque_ && supprimerMarque_(doc, p);
}

void TMainForm::BrancherComptage()
{
    ReglagesDessin &reglages = ReglagesDessinProgramme();
    auto fenetreDe = [this](const ImageDocument &doc) -> TMDIChild * {
        for (TMDIChild *f : Documents())
            if (&f->document() == &doc)
                return f;
        return nullptr;
    };
    auto choisirOutil = [this](int outil) {
        if (QAction *bouton = boutonsOutils[static_cast<std::size_t>(outil)]) {
            bouton->setChecked(true);
            bouton->trigger();
        }
    };

    // The window of a document, made on first use with its three events
    // connected to the document.
    auto creerFenetre = [this, &reglages, choisirOutil](TMDIChild *f) {
        if (TMulticompt *w = FenetreComptage(f))
            return w;
        auto *w = new TMulticompt(f, [&reglages] { return reglages.EpaisseurCrayon; });
        connect(w, &TMulticompt::OnRAZ, this, [f, w] {
            RAZCompteur(f->document(), w->Compteurs().CompteurRAZ);
            w->AfficherEffectif(w->Compteurs().CompteurRAZ, 0);
            w->show();
            f->Redessiner();
        });
        connect(w, &TMulticompt::OnStyleMarque, this, [f, w, &reglages] {
            RestylerMarques(f->document(), w->Compteurs(), reglages.EpaisseurCrayon);
            f->Redessiner();
        });
        connect(w, &TMulticompt::OnFermer, this, [this, f, choisirOutil] {
            FermerComptage(f->document());
            f->Redessiner();
            if (DocumentActif() == f)
                choisirOutil(ImageDocument::OutilMesure);
        });
        return w;
    };

    // Document tool change: the counting tool opens the window and shows the
    // marks; any other tool closes it and hides them.
    auto appliquerOutil = [this, creerFenetre](TMDIChild *f) {
        if (!f)
            return;
        ImageDocument &doc = f->document();
        const bool comptage = doc.outilCourant == OutilComptage;
        actCopierPoints->setEnabled(comptage);
        if (comptage) {
            TMulticompt *w = creerFenetre(f);
            OuvrirComptage(doc);
            w->setWindowTitle(doc.titre);
            AfficherEffectifs(w, doc);
            if (!w->isVisible())
                w->show();
            f->Redessiner();
        } else if (TMulticompt *w = FenetreComptage(f)) {
            w->hide();
            doc.comptageActif = false;
            MasquerMarques(doc);
            f->Redessiner();
        }
    };
    connect(groupeOutils, &QActionGroup::triggered, this, [this, appliquerOutil] { appliquerOutil(DocumentActif()); });
    connect(this, &TMainForm::DocumentActifChange, this, [this, appliquerOutil](TMDIChild *f) {
        // Only the active document's counting window is shown.
        for (TMDIChild *g : Documents())
            if (g != f)
                if (TMulticompt *w = FenetreComptage(g))
                    w->hide();
        if (!f)
            actCopierPoints->setEnabled(false);
        appliquerOutil(f);
    });

    // A press on a visible mark offers to delete it; "Non" lets the press go
    // on. Interceptions are kept for the whole program: the one registered
    // asks the frame that exists now.
    CadreComptage() = this;
    static const bool interceptionEnregistree = [] {
        EnregistrerInterceptionAppui([](ImageDocument &doc, QPoint p, Qt::MouseButton) {
            TMainForm *cadre = CadreComptage();
            return cadre && cadre->SupprimerMarqueSous(doc, p);
        });
        return true;
    }();
    (void)interceptionEnregistree;
    supprimerMarque_ = [this, fenetreDe](ImageDocument &doc, QPoint p) {
        const auto marque = MarqueSous(doc, p);
        if (!marque)
            return false;
        TMDIChild *f = fenetreDe(doc);
        if (AfficherMessage(f ? static_cast<QWidget *>(f) : this, TypeMessage::Avertissement,
                            tr("Voulez-vous effacer cette marque ?"), BoutonsMessage::OuiNon) != QMessageBox::Yes)
            return false;
        const QRect zone = SupprimerMarque(doc, *marque);
        if (TMulticompt *w = FenetreComptage(f)) {
            w->AfficherEffectif(marque->categorie, EffectifCategorie(doc, marque->categorie));
            w->show();
        }
        if (f)
            f->Redessiner(zone);
        return true;
    };

    // The counting tool: a press puts a mark of the current category, a drag
    // moves the last one (the first mark of a category too).
    GestionnaireOutil outil;
    outil.appui = [fenetreDe, &reglages](ImageDocument &doc, QPoint p, Qt::MouseButton bouton) {
        TMDIChild *f = fenetreDe(doc);
        TMulticompt *w = FenetreComptage(f);
        if (!w || bouton != Qt::LeftButton)
            return;
        const int categorie = w->Compteurs().CompteurCourant;
        const QRect zone = AjouterMarque(doc, w->Compteurs(), reglages.EpaisseurCrayon, p);
        w->AfficherEffectif(categorie, EffectifCategorie(doc, categorie));
        f->Redessiner(zone);
    };
    outil.deplacement = [fenetreDe](ImageDocument &doc, QPoint p, Qt::MouseButtons boutons) {
        if (!(boutons & Qt::LeftButton) || !doc.etatDessin.GesteEnCours)
            return;
        TMDIChild *f = fenetreDe(doc);
        TMulticompt *w = FenetreComptage(f);
        if (!w)
            return;
        const QRect zone = DeplacerDerniereMarque(doc, w->Compteurs().CompteurCourant, p);
        if (!zone.isEmpty())
            f->Redessiner(zone);
    };
    outil.sansCouches = true;
    EnregistrerGestionnaireOutil(OutilComptage, std::move(outil));

    // The pen width redraws the marks of the active document.
    connect(choixEpaisseur, &QSpinBox::valueChanged, this, [this, &reglages] {
        TMDIChild *f = DocumentActif();
        TMulticompt *w = FenetreComptage(f);
        if (!w)
            return;
        w->ActualiserCompteur();
        RedessinerMarques(f->document(), w->Compteurs(), reglages.EpaisseurCrayon);
        f->Redessiner();
    });

    connect(actComptage, &QAction::triggered, this, [choisirOutil] { choisirOutil(OutilComptage); });

    connect(actCopierPoints, &QAction::triggered, this, [this] {
        TMDIChild *source = DocumentActif();
        if (!source)
            return;
        const int n = static_cast<int>(Documents().size());
        auto copie = std::make_unique<ImageDocument>();
        copie->image = CopierAvecLesPoints(source->document());
        copie->echelle = source->document().echelle;
        copie->titre = TitreComptage(n);
        MontrerNouveauDocument(std::move(copie));
    });
}
