// Wiring of the drawing tools: tool choice, option menus, pen width and
// colours, undo, deletion and erasing of elements, and the pointer events of
// every document window handed to the tool logic (document/pointeur_dessin).
//
// The text (4), measuring (5) and counting (9) tools plug their pointer
// handling in with EnregistrerGestionnaireOutil and EnregistrerInterceptionAppui
// (document/pointeur_dessin.h); the common steps of a press (merging or
// discarding the provisional layer, its master opacity) run here for every tool.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "document/dessins_document.h"
#include "document/ui/fenetre_document.h"
#include "document/pointeur_dessin.h"
#include "drawing/ui/dialogue_opacite.h"
#include "drawing/ui/ed_shape.h"
#include "drawing/ui/gestion_dessins.h"
#include "drawing/reglages_dessin.h"

#include <QAction>
#include <QActionGroup>
#include <QColorDialog>
#include <QCoreApplication>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

namespace {

QString TexteStatutOutil(int outil)
{
    static const char *textes[] = {
        QT_TRANSLATE_NOOP("TMainForm", "outil : crayon"),
        QT_TRANSLATE_NOOP("TMainForm", "outil : ligne"),
        QT_TRANSLATE_NOOP("TMainForm", "outil : forme"),
        QT_TRANSLATE_NOOP("TMainForm", "outil : gomme"),
        QT_TRANSLATE_NOOP("TMainForm", "outil : texte"),
        QT_TRANSLATE_NOOP("TMainForm", "outil : mesure"),
        QT_TRANSLATE_NOOP("TMainForm", "outil : pot de peinture"),
        QT_TRANSLATE_NOOP("TMainForm", "outil : pipette"),
        QT_TRANSLATE_NOOP("TMainForm", "outil : sélection"),
        QT_TRANSLATE_NOOP("TMainForm", "outil : compteur"),
        QT_TRANSLATE_NOOP("TMainForm", "outil : délimitation de zones"),
    };
    if (outil < 0 || outil > 10)
        return {};
    return QCoreApplication::translate("TMainForm", textes[outil]);
}

// Calls a function on a double-click of a widget.
class DoubleClic : public QObject {
public:
    DoubleClic(QObject *parent, std::function<void()> action) : QObject(parent), action_(std::move(action)) {}

protected:
    bool eventFilter(QObject *objet, QEvent *event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick) {
            action_();
            return true;
        }
        return QObject::eventFilter(objet, event);
    }

private:
    std::function<void()> action_;
};

QAction *ActionDuBouton(QToolBar *barre, QWidget *bouton)
{
    for (QAction *a : barre->actions())
        if (barre->widgetForAction(a) == bouton)
            return a;
    return nullptr;
}

void CocherDonnee(QMenu *menu, int valeur)
{
    for (QAction *a : menu->actions())
        if (a->isCheckable() && a->data().toInt() == valeur)
            a->setChecked(true);
}

TEdShape *SelectionDe(TMDIChild *fenetre, bool creer)
{
    QWidget *vue = fenetre->vue()->viewport();
    auto *forme = vue->findChild<TEdShape *>(QStringLiteral("selection"), Qt::FindDirectChildrenOnly);
    if (!forme && creer) {
        forme = new TEdShape(vue);
        forme->setObjectName(QStringLiteral("selection"));
        forme->hide();
    }
    return forme;
}

} // namespace

void TMainForm::BrancherDessin()
{
    ReglagesDessin &reglages = ReglagesDessinProgramme();

    // Settings shown by the frame follow the drawing settings both ways: the
    // frame's fields may be changed by other windows.
    auto lireCadre = [this, &reglages] {
        if (reglages.CouleurCrayon != CouleurCrayon || reglages.EpaisseurCrayon != EpaisseurCrayon) {
            reglages.CouleurCrayon = CouleurCrayon;
            reglages.EpaisseurCrayon = std::clamp(EpaisseurCrayon, 0, ReglagesDessin::EpaisseurMaxi);
            reglages.RebatirPointe();
        }
        reglages.CouleurFondDessin = CouleurFondDessin;
        reglages.OpaciteDessin = std::clamp(OpaciteDessin, 0, 255);
    };
    auto apercu = [this, &reglages] {
        QImage image(25, 25, QImage::Format_ARGB32);
        image.fill(Qt::white);
        QPainter p(&image);
        p.drawImage(0, 0, reglages.Pointe);
        p.end();
        apercuEpaisseur->setPixmap(QPixmap::fromImage(image));
    };
    auto ecrireCadre = [this, &reglages, apercu] {
        CouleurCrayon = reglages.CouleurCrayon;
        CouleurFondDessin = reglages.CouleurFondDessin;
        OpaciteDessin = reglages.OpaciteDessin;
        EpaisseurCrayon = reglages.EpaisseurCrayon;
        apercu();
    };
    auto couleursChangees = [this, ecrireCadre] {
        ecrireCadre();
        if (TMDIChild *f = DocumentActif())
            emit f->CouleursChangees();
    };
    reglages.CouleurCrayon = CouleurCrayon;
    reglages.CouleurFondDessin = CouleurFondDessin;
    reglages.OpaciteDessin = OpaciteDessin;
    reglages.EpaisseurCrayon = EpaisseurCrayon;
    reglages.RebatirPointe();
    apercu();

    // The eight fill patterns.
    {
        auto *groupe = new QActionGroup(this);
        const char *motifs[] = {QT_TR_NOOP("&Vide"),
                                QT_TR_NOOP("&Plein"),
                                QT_TR_NOOP("Rayures &Verticales"),
                                QT_TR_NOOP("Rayures &Horizontales"),
                                QT_TR_NOOP("&Quadrillage"),
                                QT_TR_NOOP("Rayures &Obliques 1"),
                                QT_TR_NOOP("Rayures O&bliques 2"),
                                QT_TR_NOOP("Q&uadrillage oblique")};
        for (int i = 0; i < 8; ++i) {
            QAction *a = menuRemplissage->addAction(tr(motifs[i]));
            a->setCheckable(true);
            a->setData(i);
            groupe->addAction(a);
        }
        menuRemplissage->actions().first()->setChecked(true);
        boutonRemplissage->setToolTip(tr("Choix du remplissage"));
        boutonStyleTrait->setToolTip(tr("Choix du style de traits"));
        boutonForme->setToolTip(tr("Choix de la forme"));
    }

    auto avecDocument = [this](const std::function<void(TMDIChild *, ImageDocument &)> &action) {
        if (TMDIChild *f = DocumentActif())
            action(f, f->document());
    };

    connect(menuStyleTrait, &QMenu::triggered, this,
            [avecDocument](QAction *a) { avecDocument([a](TMDIChild *, ImageDocument &d) { d.styleTrait = a->data().toInt(); }); });
    connect(menuFleche, &QMenu::triggered, this,
            [avecDocument](QAction *a) { avecDocument([a](TMDIChild *, ImageDocument &d) { d.styleFleche = a->data().toInt(); }); });
    connect(menuRemplissage, &QMenu::triggered, this, [avecDocument](QAction *a) {
        avecDocument([a](TMDIChild *, ImageDocument &d) { d.styleRemplissage = a->data().toInt(); });
    });
    connect(menuForme, &QMenu::triggered, this, [&reglages](QAction *a) { reglages.FormeRectangle = a->data().toInt() == 0; });
    {
        const QList<QAction *> sousMenus = menuModeRemplissage->actions();
        if (sousMenus.size() >= 2 && sousMenus[0]->menu() && sousMenus[1]->menu()) {
            connect(sousMenus[0]->menu(), &QMenu::triggered, this,
                    [&reglages](QAction *a) { reglages.RemplirSurImage = a->data().toInt() == 1; });
            connect(sousMenus[1]->menu(), &QMenu::triggered, this,
                    [&reglages](QAction *a) { reglages.RemplirAvecCrayon = a->data().toInt() == 0; });
        }
    }

    // Document tool change: placement, drawing layer, selection shape.
    auto appliquerOutil = [this](TMDIChild *f) {
        ImageDocument &doc = f->document();
        const int outil = doc.outilCourant;
        if (doc.placementEnCours && outil != ImageDocument::OutilTexte)
            f->TerminerPlacement(false);
        if (outil < 8 && outil != ImageDocument::OutilMesure && !doc.image.isNull())
            doc.CreerCoucheDessin();
        TEdShape *forme = SelectionDe(f, outil == 8);
        if (outil == 8) {
            const QSize client = f->vue()->viewport()->size();
            forme->setGeometry(client.width() / 4, client.height() / 4, std::max(client.width() / 2, 10),
                               std::max(client.height() / 2, 10));
            forme->show();
            forme->raise();
            emit forme->OnChange();
        } else if (forme) {
            forme->hide();
            doc.selectionVisible = false;
        }
        actCopierSelection->setEnabled(outil == 8);
        actRecadrer->setEnabled(outil == 8);
    };

    auto boutonsOptions = [this](int outil) {
        struct Option {
            QToolButton *bouton;
            std::initializer_list<int> outils;
        };
        const Option options[] = {
            {boutonStyleTrait, {1, 2}}, {boutonFleche, {1}},    {boutonForme, {2}},           {boutonRemplissage, {2, 6}},
            {boutonPolice, {4}},        {boutonMesures, {5}},   {boutonModeRemplissage, {6}},
        };
        for (const Option &o : options)
            if (QAction *a = ActionDuBouton(BarreChoix, o.bouton))
                a->setVisible(std::find(o.outils.begin(), o.outils.end(), outil) != o.outils.end());
    };

    auto choixOutil = [this, appliquerOutil, boutonsOptions](int outil) {
        TMDIChild *f = DocumentActif();
        if (!f)
            return;
        f->document().outilCourant = outil;
        EcrirePanneau(1, TexteStatutOutil(outil));
        boutonsOptions(outil);
        actSchema->setVisible(true);
        appliquerOutil(f);
    };
    connect(groupeOutils, &QActionGroup::triggered, this, [choixOutil](QAction *a) { choixOutil(a->data().toInt()); });

    // Pen width.
    connect(choixEpaisseur, &QSpinBox::valueChanged, this, [&reglages, ecrireCadre](int v) {
        reglages.EpaisseurCrayon = std::clamp(v, 0, ReglagesDessin::EpaisseurMaxi);
        reglages.RebatirPointe();
        ecrireCadre();
    });

    // Pen and background colours.
    connect(actCouleurCrayon, &QAction::triggered, this, [this, &reglages, lireCadre, couleursChangees] {
        lireCadre();
        const QColor c = QColorDialog::getColor(QColor::fromRgb(reglages.CouleurCrayon), this, tr("Couleur du crayon"));
        if (!c.isValid())
            return;
        reglages.CouleurCrayon = c.rgb() | 0xFF000000u;
        TMDIChild *f = DocumentActif();
        if (!(f && f->document().etatDessin.ModeZones)) {
            const int opacite = TChoixOpacite::Demander(this);
            if (opacite >= 0)
                reglages.OpaciteDessin = opacite;
        }
        reglages.RebatirPointe();
        couleursChangees();
    });
    connect(actCouleurFond, &QAction::triggered, this, [this, &reglages, lireCadre, couleursChangees] {
        lireCadre();
        const QColor c = QColorDialog::getColor(QColor::fromRgb(reglages.CouleurFondDessin), this, tr("Couleur du fond"));
        if (!c.isValid())
            return;
        reglages.CouleurFondDessin = c.rgb() | 0xFF000000u;
        reglages.RebatirPointe();
        couleursChangees();
    });
    panneauCouleurCrayon->installEventFilter(new DoubleClic(this, [this] {
        if (actCouleurCrayon->isEnabled())
            actCouleurCrayon->trigger();
    }));
    panneauCouleurFond->installEventFilter(new DoubleClic(this, [this] {
        if (actCouleurFond->isEnabled())
            actCouleurFond->trigger();
    }));

    // Undo, delete one element, erase everything.
    connect(actAnnuler, &QAction::triggered, this, [this, &reglages, lireCadre] {
        TMDIChild *f = DocumentActif();
        if (!f)
            return;
        lireCadre();
        actAnnuler->setEnabled(AnnulerDernier(f->document(), reglages.Contexte()));
        f->Redessiner();
    });
    connect(actSupprimerElement, &QAction::triggered, this, [this, &reglages, lireCadre] {
        TMDIChild *f = DocumentActif();
        if (!f)
            return;
        lireCadre();
        ImageDocument &doc = f->document();
        // A measured line is discarded rather than merged into the drawing.
        if (doc.etatDessin.LigneMesure) {
            if (!doc.coucheProvisoire.isNull())
                doc.coucheProvisoire.fill(Qt::transparent);
            doc.etatDessin.LigneMesure = false;
        } else if (!doc.image.isNull()) {
            doc.FusionnerProvisoire();
        }
        f->Redessiner();
        QStringList noms;
        for (const ElementDessin &e : doc.dessins.Elements())
            noms << e.nom;
        TGestionDessins dialogue(noms, this);
        if (dialogue.exec() != QDialog::Accepted || dialogue.Choix() < 0)
            return;
        if (SupprimerElement(doc, dialogue.Choix(), reglages.Contexte()))
            actAnnuler->setEnabled(false);
        f->Redessiner();
    });
    connect(actEffacerTraces, &QAction::triggered, this, [this] {
        TMDIChild *f = DocumentActif();
        if (!f)
            return;
        if (AfficherMessage(this, TypeMessage::Avertissement, tr("Les tracés ne pourront être récupérés"),
                            BoutonsMessage::OkAnnuler) != QMessageBox::Ok)
            return;
        EffacerTout(f->document());
        actAnnuler->setEnabled(false);
        f->Redessiner();
    });

    // Pointer events of each document window.
    auto apres = [this, couleursChangees](TMDIChild *f, const ResultatPointeur &r) {
        if (!r.zoneModifiee.isEmpty())
            f->Redessiner(r.zoneModifiee);
        if (r.couleursChangees)
            couleursChangees();
        if (r.annulerDisponible)
            actAnnuler->setEnabled(true);
    };
    auto brancherFenetre = [this, &reglages, lireCadre, apres](TMDIChild *f) {
        if (f->property("dessinBranche").toBool())
            return;
        f->setProperty("dessinBranche", true);
        connect(f, &TMDIChild::PointeurEnfonce, this,
                [f, &reglages, lireCadre, apres](QPoint p, Qt::MouseButton bouton, Qt::MouseButtons, Qt::KeyboardModifiers) {
                    lireCadre();
                    apres(f, AppuiPointeur(f->document(), reglages, p, bouton));
                });
        connect(f, &TMDIChild::PointeurDeplace, this,
                [f, &reglages, apres](QPoint p, Qt::MouseButtons boutons, Qt::KeyboardModifiers) {
                    apres(f, DeplacementPointeur(f->document(), reglages, p, boutons));
                });
        connect(f, &TMDIChild::PointeurRelache, this,
                [f, &reglages, apres](QPoint p, Qt::MouseButton bouton, Qt::MouseButtons, Qt::KeyboardModifiers) {
                    apres(f, RelachementPointeur(f->document(), reglages, p, bouton));
                });
        TEdShape *forme = SelectionDe(f, true);
        auto suivreSelection = [f, forme] {
            // The shape stays inside the view; the document keeps it in image pixels.
            QWidget *vue = f->vue()->viewport();
            QRect g = forme->geometry();
            if (g.left() < 0)
                g.moveLeft(0);
            if (g.top() < 0)
                g.moveTop(0);
            g.setRight(std::min(g.right(), vue->width() - 1));
            g.setBottom(std::min(g.bottom(), vue->height() - 1));
            if (g != forme->geometry())
                forme->setGeometry(g);
            ImageDocument &doc = f->document();
            const QPoint a = f->PositionImage(g.topLeft()), b = f->PositionImage(g.bottomRight());
            doc.selection = QRect(a, b).intersected(doc.image.rect());
            doc.selectionVisible = forme->isVisible();
        };
        connect(forme, &TEdShape::OnChange, this, suivreSelection);
        connect(forme, &TEdShape::OnMouseMove, this, [suivreSelection](QPoint) { suivreSelection(); });
    };
    connect(this, &TMainForm::DocumentActifChange, this,
            [this, brancherFenetre, appliquerOutil, boutonsOptions, &reglages, ecrireCadre](TMDIChild *f) {
                const bool avec = f != nullptr;
                for (QAction *a : {actEffacerTraces, actSupprimerElement, actCouleurCrayon, actCouleurFond})
                    a->setEnabled(avec);
                if (!f) {
                    actAnnuler->setEnabled(false);
                    return;
                }
                brancherFenetre(f);
                ImageDocument &doc = f->document();
                actAnnuler->setEnabled(!doc.dessins.EstVide() || doc.etatDessin.NonFusionne);
                CocherDonnee(menuForme, reglages.FormeRectangle ? 0 : 1);
                choixEpaisseur->setValue(reglages.EpaisseurCrayon);
                EcrirePanneau(1, TexteStatutOutil(doc.outilCourant));
                boutonsOptions(doc.outilCourant);
                appliquerOutil(f);
                ecrireCadre();
            });
}
