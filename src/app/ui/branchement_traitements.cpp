// Wiring of the image processing commands: grey levels, inversion, white
// balance, pixelisation, symmetries and quarter turns, cropping and copying
// the selection frame, resizing, enlarging the canvas, and the algebraic
// and logical combination of open pictures. Each command reads its dialog,
// calls one core operation (processing/) and shows the result; a refusal of
// the core is shown in French and leaves the documents as they were.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "commun/erreur.h"
#include "document/ui/fenetre_document.h"
#include "drawing/reglages_dessin.h"
#include "drawing/ui/ed_shape.h"
#include "processing/agrandissement_canevas.h"
#include "processing/balance_blanc.h"
#include "processing/combinaison_logique.h"
#include "processing/documents_resultats.h"
#include "processing/inversion.h"
#include "processing/recadrage.h"
#include "processing/redimensionnement.h"
#include "processing/transformer_document.h"
#include "processing/ui/coef_tail.h"
#include "processing/ui/combialg.h"
#include "processing/ui/combilog.h"
#include "processing/ui/expblanc.h"
#include "processing/ui/param_ag.h"
#include "processing/ui/pixel.h"

#include <QAction>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QToolBar>

namespace {

TEdShape *FormeSelection(TMDIChild *f)
{
    return f->vue()->viewport()->findChild<TEdShape *>(QStringLiteral("selection"), Qt::FindDirectChildrenOnly);
}

// State of a white balance in progress: the document window, the two corners
// of the rectangle drawn, and the connections to its pointer.
struct CaptureEnCours {
    QPointer<TMDIChild> fenetre;
    QPoint coin1;
    QPoint coin2;
    bool rectangle = false;
    QList<QMetaObject::Connection> connexions;
};

} // namespace

void TMainForm::BrancherTraitements()
{
    const QList<QAction *> surDocument = {actNiveauxGris,        actInverser,          actFaireBlanc,    actPixellisation,
                                          actSymetrieHorizontale, actSymetrieVerticale, actRotation90,    actRotation180,
                                          actRotation270,         actRedimensionner,    actAgrandirCanevas};
    auto etat = [this, surDocument] {
        const bool avec = DocumentActif() != nullptr;
        for (QAction *a : surDocument)
            a->setEnabled(avec);
        const bool deux = Documents().size() >= 2;
        actCombiAlgebrique->setEnabled(deux);
        actCombiLogique->setEnabled(deux);
    };
    connect(this, &TMainForm::DocumentActifChange, this, etat);
    etat();

    // A new document window over a document the core made.
    auto ouvrirResultat = [this](std::unique_ptr<ImageDocument> doc) { return MontrerNouveauDocument(std::move(doc)); };
    auto contexte = [this] {
        ReglagesDessin &r = ReglagesDessinProgramme();
        r.CouleurFondDessin = CouleurFondDessin;
        r.OpaciteDessin = OpaciteDessin;
        return r.Contexte();
    };

    // ---- Grey levels and inversion
    connect(actNiveauxGris, &QAction::triggered, this, [this, ouvrirResultat] {
        if (TMDIChild *f = DocumentActif())
            ouvrirResultat(DocumentGris(f->document()));
    });
    connect(actInverser, &QAction::triggered, this, [this] {
        if (TMDIChild *f = DocumentActif()) {
            Inverser(f->document().image);
            f->Redessiner();
        }
    });

    // ---- Symmetries and quarter turns
    auto transformer = [this](Transformation t) {
        TMDIChild *f = DocumentActif();
        if (!f || f->document().image.isNull())
            return;
        const bool echelleACadre = TransformerDocument(f->document(), t);
        f->Rafraichir();
        f->Redessiner();
        if (echelleACadre)
            MessageAvertissement(this, MessageEchelleDecalee());
    };
    const std::pair<QAction *, Transformation> transformations[] = {
        {actSymetrieHorizontale, Transformation::SymetrieHorizontale}, {actSymetrieVerticale, Transformation::SymetrieVerticale},
        {actRotation90, Transformation::Rotation90},                   {actRotation180, Transformation::Rotation180},
        {actRotation270, Transformation::Rotation270}};
    for (const auto &[action, t] : transformations)
        connect(action, &QAction::triggered, this, [transformer, t = t] { transformer(t); });

    // ---- Cropping and copying the selection frame: the frame is hidden
    // and the view repainted first, then the rectangle is taken from what
    // the view shows (the image and its layers).
    auto cadreChoisi = [](TMDIChild *f) {
        ImageDocument &doc = f->document();
        // The frame as it is shown now: a turn or an enlarged canvas moved
        // the picture under it, and what is cut is what the frame shows.
        if (TEdShape *forme = FormeSelection(f))
            emit forme->OnChange();
        // A drawing the last gesture left on the provisional layer goes into
        // the drawing layer, as the next press would put it: it is shown in
        // the frame, so it is cut with the rest and stays on the source. A
        // measured line is only cleared.
        if (!doc.etatDessin.LigneMesure && doc.ProvisoireNonVide()) {
            doc.FusionnerProvisoire();
            doc.etatDessin.NonFusionne = false;
        }
        if (!doc.coucheProvisoire.isNull())
            doc.coucheProvisoire.fill(Qt::transparent);
        doc.etatDessin.LigneMesure = false;
        if (TEdShape *forme = FormeSelection(f))
            forme->hide();
        doc.selectionVisible = false;
        f->Redessiner();
        return doc.selection;
    };
    auto prendreMesure = [this](TMDIChild *f) {
        if (TEdShape *forme = FormeSelection(f))
            forme->setGeometry(10, 10, 15, 15);
        if (DocumentActif() == f)
            boutonsOutils[ImageDocument::OutilMesure]->trigger();
    };
    connect(actRecadrer, &QAction::triggered, this, [this, cadreChoisi, prendreMesure, ouvrirResultat] {
        TMDIChild *f = DocumentActif();
        if (!f)
            return;
        if (AfficherMessage(this, TypeMessage::Avertissement,
                            tr("Créer une nouvelle fenêtre limitée au cadre ?") + QStringLiteral("\r") +
                                tr("(Les dessins y seront incorporés au fond)"),
                            BoutonsMessage::OuiNon) != QMessageBox::Yes)
            return;
        const QRect cadre = cadreChoisi(f);
        std::unique_ptr<ImageDocument> recadre;
        try {
            recadre = RecadrerDocument(f->document(), cadre);
        } catch (const ErreurKaptori &e) {
            MessageErreur(this, e.message());
            return;
        }
        prendreMesure(f);
        ouvrirResultat(std::move(recadre));
    });
    connect(actCopierSelection, &QAction::triggered, this, [this, cadreChoisi, prendreMesure] {
        TMDIChild *f = DocumentActif();
        if (!f)
            return;
        const QRect cadre = cadreChoisi(f);
        try {
            VerifierRectangle(cadre, f->document().image.size());
        } catch (const ErreurKaptori &e) {
            MessageErreur(this, e.message());
            return;
        }
        QGuiApplication::clipboard()->setImage(f->document().Aplatir().copy(cadre));
        actColler->setEnabled(true);
        prendreMesure(f);
    });

    // ---- Resizing and enlarging the canvas
    connect(actRedimensionner, &QAction::triggered, this, [this, ouvrirResultat, contexte] {
        TMDIChild *f = DocumentActif();
        if (!f)
            return;
        auto *dialogue = findChild<TCoefTail *>();
        if (!dialogue)
            dialogue = new TCoefTail(this);
        dialogue->DefinirTaille(f->document().image.size());
        if (dialogue->exec() != QDialog::Accepted)
            return;
        std::unique_ptr<ImageDocument> copie;
        try {
            copie = RedimensionnerDocument(f->document(), dialogue->Pourcentage(), contexte());
        } catch (const ErreurKaptori &e) {
            MessageErreur(this, e.message());
            return;
        }
        ouvrirResultat(std::move(copie));
    });
    connect(actAgrandirCanevas, &QAction::triggered, this, [this] {
        TMDIChild *f = DocumentActif();
        if (!f)
            return;
        auto *dialogue = findChild<TParam_ag *>();
        if (!dialogue)
            dialogue = new TParam_ag(this);
        dialogue->DefinirTaille(f->document().image.size());
        if (dialogue->exec() != QDialog::Accepted)
            return;
        try {
            AgrandirDocument(f->document(), dialogue->Taille(), dialogue->Alignement(), CouleurFondDessin);
        } catch (const ErreurKaptori &e) {
            MessageErreur(this, e.message());
            return;
        }
        f->Rafraichir();
        f->Redessiner();
    });

    // ---- Pixelisation: its own window, on a copy of the picture
    connect(actPixellisation, &QAction::triggered, this, [this] {
        TMDIChild *f = DocumentActif();
        if (!f || f->document().image.isNull())
            return;
        auto *fenetre = findChild<TPixel *>();
        if (!fenetre) {
            fenetre = new TPixel(this);
            connect(fenetre, &TPixel::CopieFaite, this, [this] { actColler->setEnabled(true); });
        }
        fenetre->Ouvrir(f->document().image);
    });

    // ---- Combination of images: the active document first in the lists
    auto documentsOrdonnes = [this] {
        QList<TMDIChild *> liste = Documents();
        if (TMDIChild *actif = DocumentActif()) {
            liste.removeAll(actif);
            liste.prepend(actif);
        }
        return liste;
    };
    connect(actCombiAlgebrique, &QAction::triggered, this, [this, documentsOrdonnes, ouvrirResultat] {
        const QList<TMDIChild *> documents = documentsOrdonnes();
        if (documents.size() < 2)
            return;
        auto *dialogue = findChild<TCombialg *>();
        if (!dialogue)
            dialogue = new TCombialg(this);
        QList<ImageProposee> images;
        for (TMDIChild *d : documents)
            images.append({d->windowTitle(), d->document().image});
        dialogue->Preparer(images);
        if (dialogue->exec() != QDialog::Accepted)
            return;
        ResultatCombinaison r = dialogue->Calculer();
        if (r.image.isNull()) {
            MessageErreur(this, tr("Les images choisies n'ont pas de partie commune à combiner."));
            return;
        }
        ouvrirResultat(DocumentCombinaison(std::move(r.image), documents[dialogue->ChoixImage1()]->document()));
    });
    connect(actCombiLogique, &QAction::triggered, this, [this, documentsOrdonnes, ouvrirResultat] {
        const QList<TMDIChild *> documents = documentsOrdonnes();
        if (documents.size() < 2)
            return;
        auto *dialogue = findChild<TCombilog *>();
        if (!dialogue)
            dialogue = new TCombilog(this);
        QStringList titres;
        for (TMDIChild *d : documents)
            titres << d->windowTitle();
        dialogue->Preparer(titres);
        if (dialogue->exec() != QDialog::Accepted)
            return;
        const int a = dialogue->image1->currentIndex(), b = dialogue->image2->currentIndex();
        if (a < 0 || b < 0 || a >= documents.size() || b >= documents.size())
            return;
        const ImageDocument &doc1 = documents[a]->document();
        ouvrirResultat(DocumentCombinaison(CombinerLogique(doc1.image, documents[b]->document().image, dialogue->Methode()), doc1));
    });

    // ---- White balance: the menus and bars wait while a rectangle is drawn
    // with the measuring tool; OK and Cancel give everything back.
    auto capture = std::make_shared<CaptureEnCours>();
    auto attente = [this](bool active) {
        for (QMenu *m : {menuFichier, menuEdition, menuFenetre, menuOutils, menuImage, menuChoix})
            m->menuAction()->setEnabled(!active);
        for (QToolBar *b : {BarreFenetre, BarreOutils, Coul_taille, BarreChoix})
            b->setEnabled(!active);
    };
    auto dessinerRectangle = [capture] {
        TMDIChild *f = capture->fenetre;
        if (!f)
            return;
        ImageDocument &doc = f->document();
        doc.CreerCoucheProvisoire(doc.alphaProvisoire);
        doc.coucheProvisoire.fill(Qt::transparent);
        const QRect r = RectangleBlanc(capture->coin1, capture->coin2, doc.image.size());
        if (!r.isEmpty()) {
            QPainter p(&doc.coucheProvisoire);
            p.setPen(QPen(QColor::fromRgba(ReglagesDessinProgramme().CouleurCrayon), 1, Qt::DashLine));
            p.drawRect(r.adjusted(0, 0, -1, -1));
        }
        doc.etatDessin.LigneMesure = true;
        f->Redessiner();
    };
    auto terminer = [this, capture, attente](bool appliquer) {
        TMDIChild *f = capture->fenetre;
        for (const QMetaObject::Connection &c : std::as_const(capture->connexions))
            disconnect(c);
        capture->connexions.clear();
        attente(false);
        capture->fenetre = nullptr;
        if (!f)
            return;
        ImageDocument &doc = f->document();
        if (appliquer) {
            if (!capture->rectangle) {
                MessageErreur(this, tr("Aucun rectangle n'a été délimité : le blanc n'est pas fait."));
            } else {
                try {
                    FaireBlanc(doc.image, capture->coin1, capture->coin2);
                } catch (const ErreurKaptori &e) {
                    MessageErreur(this, e.message());
                }
            }
        }
        doc.captureBlanc = false;
        if (!doc.coucheProvisoire.isNull())
            doc.coucheProvisoire.fill(Qt::transparent);
        doc.etatDessin.LigneMesure = false;
        doc.modeMesure = 0;
        const int outil = doc.outilAvantBlanc;
        if (DocumentActif() == f && outil >= 0 && outil < static_cast<int>(boutonsOutils.size()))
            boutonsOutils[outil]->trigger();
        else
            doc.outilCourant = outil;
        SynchroniserDocument();
        f->Redessiner();
    };
    auto *expblanc = new TExpblanc(this);
    connect(expblanc, &QDialog::accepted, this, [terminer] { terminer(true); });
    connect(expblanc, &QDialog::rejected, this, [terminer] { terminer(false); });
    connect(actFaireBlanc, &QAction::triggered, this, [this, capture, attente, dessinerRectangle, expblanc] {
        TMDIChild *f = DocumentActif();
        if (!f || capture->fenetre)
            return;
        ImageDocument &doc = f->document();
        doc.outilAvantBlanc = doc.outilCourant;
        boutonsOutils[ImageDocument::OutilMesure]->trigger();
        doc.modeMesure = 2;
        doc.captureBlanc = true;
        for (QAction *a : menuMesures->actions())
            if (a->isCheckable() && a->data().toInt() == 2)
                a->setChecked(true);
        capture->fenetre = f;
        capture->rectangle = false;
        capture->connexions << connect(f, &TMDIChild::PointeurEnfonce, this,
                                       [capture](QPoint p, Qt::MouseButton bouton, Qt::MouseButtons, Qt::KeyboardModifiers) {
                                           if (bouton == Qt::LeftButton) {
                                               capture->coin1 = capture->coin2 = p;
                                               capture->rectangle = false;
                                           }
                                       });
        capture->connexions << connect(f, &TMDIChild::PointeurDeplace, this,
                                       [capture, dessinerRectangle](QPoint p, Qt::MouseButtons boutons, Qt::KeyboardModifiers) {
                                           if (!boutons.testFlag(Qt::LeftButton))
                                               return;
                                           capture->coin2 = p;
                                           dessinerRectangle();
                                       });
        capture->connexions << connect(f, &TMDIChild::PointeurRelache, this,
                                       [capture, dessinerRectangle](QPoint p, Qt::MouseButton bouton, Qt::MouseButtons,
                                                                    Qt::KeyboardModifiers) {
                                           if (bouton != Qt::LeftButton)
                                               return;
                                           capture->coin2 = p;
                                           capture->rectangle = true;
                                           dessinerRectangle();
                                       });
        // A window closed while it waits ends the wait as Cancel does.
        capture->connexions << connect(f, &QObject::destroyed, expblanc, &QDialog::reject);
        EcrirePanneau(1, tr("Blanc"));
        attente(true);
        expblanc->show();
        expblanc->raise();
    });
}
