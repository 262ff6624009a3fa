// Light values and multiple measurements in the frame: the light window of
// measurement modes 2 and 6 with its rectangle, its decoding-panel bars and
// its series; the multiple-measurement panel docked on the right with
// "Mesures multiples" at the foot of the measurement menu, its parameter
// dialog, and the sends to the results table.

#include "animation/ui/choix_fichiers.h"
#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "calibration/ui/panneau_decodage.h"
#include "commun/nombres.h"
#include "document/ui/fenetre_document.h"
#include "drawing/reglages_dessin.h"
#include "measure/moyenne_lumiere.h"
#include "measure/outil_mesure.h"
#include "measure/ui/res_i_r.h"
#include "plot/ui/vue_graphe.h"
#include "table/mesures_multiples.h"
#include "table/serie_lumiere.h"
#include "table/ui/choix_series.h"
#include "table/ui/choix_tableau.h"
#include "table/ui/param_mes_mult.h"
#include "table/ui/saisie_mult.h"
#include "table/ui/tableau_modif.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>
#include <QSpinBox>

// The light window (made on first use), the panel and the dialogs.
class GestionLumiere : public QObject {
public:
    explicit GestionLumiere(TMainForm *cadre) : QObject(cadre), cadre_(cadre)
    {
        setObjectName(QStringLiteral("GestionLumiere"));
        panneau = new Saisie_Mult;
        dock = new QDockWidget(TMainForm::tr("Mesures multiples"), cadre);
        dock->setObjectName(QStringLiteral("DockMesuresMultiples"));
        dock->setFeatures(QDockWidget::NoDockWidgetFeatures);
        dock->setTitleBarWidget(new QWidget(dock));
        dock->setWidget(panneau);
        cadre->addDockWidget(Qt::RightDockWidgetArea, dock);
        dock->hide();
        parametres = new TParamMesMult(cadre);
        choixSeries = new TChoix_series(cadre);
    }

    TRes_I_r &Fenetre();
    [[nodiscard]] bool Multi() const { return cadre_->actMesuresMultiples->isChecked(); }
    [[nodiscard]] MesuresMultiples &etat() { return panneau->etat; }

    void Basculer(bool actif);
    void PreparerPanneau(TMDIChild *f);
    void Parametres();
    void Appliquer();
    void Envoyer(bool courbe);
    void Effacer();
    void ValeurLumiere(double valeur);
    void Notification();
    void Serie();
    void DessinerRectangle(ImageDocument &doc, QPoint a, QPoint b);
    void AfficherBarres(const ImageDocument &doc, CouleurWin moyenne);
    void ViderBarres();
    void PreparerTableau();

    Saisie_Mult *panneau = nullptr;
    QDockWidget *dock = nullptr;
    TParamMesMult *parametres = nullptr;
    TChoix_series *choixSeries = nullptr;

private:
    TMainForm *cadre_;
    TRes_I_r *fenetre_ = nullptr;
};

TRes_I_r &GestionLumiere::Fenetre()
{
    if (fenetre_)
        return *fenetre_;
    fenetre_ = new TRes_I_r(cadre_);
    connect(fenetre_->actSeries, &QAction::triggered, this, &GestionLumiere::Serie);
    connect(fenetre_, &TRes_I_r::Notification, this, &GestionLumiere::Notification);
    connect(fenetre_, &TRes_I_r::ZeroPris, this, [this] {
        if (!Multi())
            return;
        etat().ZeroLumiere();
        panneau->Afficher();
    });
    connect(fenetre_, &TRes_I_r::LigneChangee, this, [this] { ValeurLumiere(fenetre_->ValeurCourante()); });
    connect(fenetre_, &TRes_I_r::ValeurMesuree, this, &GestionLumiere::ValeurLumiere);
    return *fenetre_;
}

void GestionLumiere::Basculer(bool actif)
{
    cadre_->actMesuresMultiples->setChecked(actif);
    dock->setVisible(actif);
    if (actif)
        if (TMDIChild *f = cadre_->DocumentActif())
            PreparerPanneau(f);
}

void GestionLumiere::PreparerPanneau(TMDIChild *f)
{
    const ImageDocument &doc = f->document();
    MesuresMultiples &m = etat();
    parametres->GrandeurY1->clear();
    parametres->GrandeurY2->clear();
    if (doc.echelle.Mode == TEchelle::Cartesien) {
        panneau->MontrerCourbe(true);
        parametres->GrandXtab->clear();
        parametres->UnitXTab->setText(doc.echelle.UniteX);
        parametres->UniteY1->setText(doc.echelle.UniteY[0]);
        parametres->ModeComplet(false);
        m.UniteXMulti = doc.echelle.UniteX;
        m.UniteYMulti[1] = doc.echelle.UniteY[0];
        m.NomXMulti.clear();
        m.NomYMulti[1].clear();
        m.NomYMulti[2].clear();
        m.UniteYMulti[2].clear();
        m.CoeffYMulti = {1, 1, 1};
        m.DecimalesPas = 3;
        m.Mode = AvanceX::Ajouter;
        m.NbYMulti = 1;
    } else {
        panneau->MontrerCourbe(false);
        parametres->ModeComplet(true);
        m.Y2Coche = false;
        parametres->UniteY2->clear();
        if (doc.modeMesure == MesureCourante) {
            m.NomYMulti[1] = m.NomYMulti[2] = QStringLiteral("longueur");
            m.UniteYMulti[1] = m.UniteYMulti[2] = doc.echelle.Unite;
        } else if (doc.modeMesure == MesureLumiereRectangle) {
            const int q = Fenetre().Grandeur();
            m.NomYMulti[1] = m.NomYMulti[2] = NomGrandeurLumiere(q);
            m.UniteYMulti[1] = m.UniteYMulti[2] = UniteGrandeurLumiere(q);
        }
    }
    if (m.NomXMulti.isEmpty())
        m.NomXMulti = QStringLiteral("Valeur X");
    if (m.NomYMulti[2].isEmpty())
        m.NomYMulti[2] = QStringLiteral("Valeur Y2");
    panneau->Afficher();
}

void GestionLumiere::Parametres()
{
    TMDIChild *f = cadre_->DocumentActif();
    if (!f)
        return;
    const ImageDocument &doc = f->document();
    MesuresMultiples &m = etat();
    parametres->GrandeurY2->clear();
    parametres->UniteY2->clear();
    const bool cartesien = doc.echelle.Mode == TEchelle::Cartesien;
    if (panneau->Courbe() != cartesien) {
        Basculer(false);
        Basculer(true);
        return;
    }
    if (cartesien) {
        if (doc.modeMesure != MesureCourante) {
            Basculer(false);
            return;
        }
    } else {
        if (doc.modeMesure == MesureCourante) {
            parametres->GrandeurY1->setText(QStringLiteral("longueur"));
            parametres->GrandeurY2->setText(QStringLiteral("longueur"));
            parametres->UniteY1->setText(doc.echelle.Unite);
            parametres->UniteY2->setText(doc.echelle.Unite);
        } else if (doc.modeMesure == MesureLumiereRectangle) {
            const int q = Fenetre().Grandeur();
            parametres->GrandeurY1->setText(NomGrandeurLumiere(q));
            parametres->UniteY1->setText(UniteGrandeurLumiere(q));
        }
        m.NomYMulti[1] = parametres->GrandeurY1->text();
        m.NomYMulti[2] = parametres->GrandeurY2->text();
        m.UniteYMulti[1] = parametres->UniteY1->text();
        m.UniteYMulti[2] = parametres->UniteY2->text();
        if (m.NomXMulti.isEmpty())
            m.NomXMulti = QStringLiteral("Valeur X");
        if (m.NomYMulti[2].isEmpty())
            m.NomYMulti[2] = QStringLiteral("Valeur Y2");
    }
    parametres->GrandXtab->setText(m.NomXMulti == QLatin1String("Valeur X") ? QString() : m.NomXMulti);
    if (parametres->exec() == QDialog::Accepted)
        Appliquer();
}

void GestionLumiere::PreparerTableau()
{
    TTableauModif *t = cadre_->TableauModif;
    t->tableau().SepDecimal = SepDecimal();
    t->tableau().SepAutre = SepAutre();
}

void GestionLumiere::Appliquer()
{
    TTableauModif *t = cadre_->TableauModif;
    const ParametresMesMult p = parametres->Parametres();
    PreparerTableau();
    if (etat().ColonnePerdue(p, t->tableau())
        && AfficherMessage(cadre_, TypeMessage::Avertissement, TMainForm::tr("Vous aller effacer une colonne du tableau"),
                           BoutonsMessage::OkAnnuler)
               != QMessageBox::Ok)
        return;
    AppliquerParametresMesMult(etat(), t->tableau(), t->vueGraphe().graphe(), p, t->choix().largCol->value());
    // The setup dialog says what the table now is.
    TChoix_T &c = t->choix();
    c.Titre->setText(p.titre);
    c.variables->setChecked(true);
    c.nombre_Y->setValue(etat().NbYMulti);
    c.DefinirNom(0, 1, etat().NomXMulti);
    c.DefinirNom(0, 2, etat().UniteXMulti);
    for (int i = 1; i <= etat().NbYMulti; ++i) {
        c.DefinirNom(i, 1, etat().NomYMulti[static_cast<std::size_t>(i)]);
        c.DefinirNom(i, 2, etat().UniteYMulti[static_cast<std::size_t>(i)]);
    }
    t->DefinirTitre(p.titre);
    t->ReglageApplique();
    t->show();
    panneau->Afficher();
}

void GestionLumiere::Envoyer(bool courbe)
{
    TTableauModif *t = cadre_->TableauModif;
    PreparerTableau();
    panneau->LireSaisie();
    if (courbe)
        etat().EnvoyerCourbe(t->tableau());
    else
        etat().Envoyer(t->tableau());
    t->TableauModifie();
    t->RafraichirGraphe();
    if (!t->isVisible())
        t->show();
    panneau->Afficher();
}

void GestionLumiere::Effacer()
{
    if (AfficherMessage(cadre_, TypeMessage::Avertissement,
                        TMainForm::tr("Vous aller effacer le contenu de la fenêtre tableau"), BoutonsMessage::OkAnnuler)
        != QMessageBox::Ok)
        return;
    TTableauModif *t = cadre_->TableauModif;
    etat().EffacerTableau(t->tableau());
    t->ReglageApplique();
}

void GestionLumiere::ValeurLumiere(double valeur)
{
    TMDIChild *f = cadre_->DocumentActif();
    if (!Multi() || !f || f->document().echelle.Mode == TEchelle::Cartesien)
        return;
    MesuresMultiples &m = etat();
    m.Capturer(valeur);
    // Unnamed Y quantities take the light quantity's name.
    if (parametres->GrandeurY1->text().isEmpty()) {
        const int q = Fenetre().Grandeur();
        m.NomYMulti[1] = NomGrandeurLumiere(q);
        m.UniteYMulti[1] = UniteGrandeurLumiere(q);
        if (m.NbYMulti == 2 && parametres->GrandeurY2->text().isEmpty()) {
            m.NomYMulti[2] = m.NomYMulti[1];
            m.UniteYMulti[2] = m.UniteYMulti[1];
        }
    }
    panneau->Afficher();
}

void GestionLumiere::Notification()
{
    if (TMDIChild *f = cadre_->DocumentActif()) {
        f->document().ChoixLumiere = Fenetre().Grandeur();
        f->document().LumierePourcent = Fenetre().Pourcent();
    }
    ValeurLumiere(Fenetre().ValeurCourante());
}

void GestionLumiere::DessinerRectangle(ImageDocument &doc, QPoint a, QPoint b)
{
    doc.CreerCoucheProvisoire(doc.alphaProvisoire);
    if (doc.coucheProvisoire.isNull())
        return;
    doc.coucheProvisoire.fill(Qt::transparent);
    const auto zone = RectangleDansImage(a.x(), a.y(), b.x(), b.y(), doc.image.size());
    if (zone) {
        const QColor couleur = QColor::fromRgba(ReglagesDessinProgramme().CouleurCrayon | 0xFF000000u);
        QPainter p(&doc.coucheProvisoire);
        if (zone->width() <= 2 || zone->height() <= 2) {
            p.fillRect(*zone, couleur);
        } else {
            p.setPen(QPen(couleur, 1));
            p.setBrush(Qt::NoBrush);
            p.drawRect(zone->adjusted(0, 0, -1, -1));
        }
    }
    // Discarded at the next press, never merged into the drawing.
    doc.etatDessin.LigneMesure = true;
    for (TMDIChild *f : cadre_->Documents())
        if (&f->document() == &doc)
            f->Redessiner();
}

void GestionLumiere::AfficherBarres(const ImageDocument &doc, CouleurWin moyenne)
{
    auto *panneauDecodage = cadre_->findChild<Decodcoul *>();
    if (!panneauDecodage || !doc.codeCouleur.Definie || doc.codeCouleur.TypeCodage != CodageTroisCanaux)
        return;
    LectureDecodage l;
    l.vue = LectureDecodage::Vue::Signature;
    l.signature = SignatureLumiere(doc.codeCouleur, moyenne);
    panneauDecodage->AfficherLecture(l, PixelLu{});
}

void GestionLumiere::ViderBarres()
{
    if (auto *panneauDecodage = cadre_->findChild<Decodcoul *>())
        panneauDecodage->ViderSignature();
}

void GestionLumiere::Serie()
{
    TMDIChild *actif = cadre_->DocumentActif();
    const QList<QMdiSubWindow *> fenetres = cadre_->zoneDocuments()->subWindowList(QMdiArea::StackingOrder);
    QList<TMDIChild *> documents;
    for (QMdiSubWindow *w : fenetres)
        if (auto *d = qobject_cast<TMDIChild *>(w))
            documents << d;
    if (!actif || documents.size() < 2)
        return;
    if (!actif->document().RectangleLumiere) {
        MessageInformation(cadre_, TMainForm::tr("Aucun rectangle n'a été mesuré sur ce document : délimiter d'abord "
                                                 "le rectangle de mesure, en mode « Lumière sur un rectangle »."));
        return;
    }
    // The series replaces the whole table: values in no file are not lost without a word.
    if (cadre_->TableauModif->DonneesNonEnregistrees()
        && AfficherMessage(cadre_, TypeMessage::Avertissement,
                           TMainForm::tr("Le tableau des résultats contient des valeurs qui ne sont dans aucun "
                                         "fichier : la série va les remplacer.\rContinuer ?"),
                           BoutonsMessage::OuiNon)
               != QMessageBox::Yes)
        return;
    // The active window comes last, the one furthest back first.
    documents.removeAll(actif);
    documents << actif;
    TChoixFic choix(TMainForm::tr("Images à mesurer"), cadre_);
    choix.DefinirMinimum(2);
    QList<EntreeChoix> entrees;
    for (qsizetype i = 0; i < documents.size(); ++i)
        entrees << EntreeChoix{LigneImageSerie(static_cast<int>(i + 1), documents[i]->document().titre),
                               QVariant(static_cast<int>(i + 1))};
    choix.Remplir(entrees);
    if (choix.exec() != QDialog::Accepted)
        return;
    const QList<EntreeChoix> choisis = choix.Choisis();
    if (choisis.size() < 2)
        return;
    if (choixSeries->exec() != QDialog::Accepted)
        return;

    const ImageDocument &reference = actif->document();
    ParametresSerie p;
    p.grandeur = reference.ChoixLumiere;
    p.pourcent = reference.LumierePourcent;
    choixSeries->Completer(p);
    const QRect rectangle = *reference.RectangleLumiere;
    std::vector<std::optional<CouleurWin>> moyennes;
    QStringList manques;
    QApplication::setOverrideCursor(Qt::WaitCursor);
    for (const EntreeChoix &e : choisis) {
        const int numero = NumeroLigneImage(e.libelle);
        if (numero < 1 || numero > documents.size()) {
            moyennes.emplace_back();
            continue;
        }
        const ImageDocument &doc = documents[numero - 1]->document();
        moyennes.push_back(MoyenneRectangle(doc.image, rectangle));
        if (!moyennes.back())
            manques << e.libelle.mid(3);
    }
    TTableauModif *t = cadre_->TableauModif;
    PreparerTableau();
    RemplirSerieLumiere(t->tableau(), p, Fenetre().valeurs().Zeros(p.grandeur), moyennes);
    PreparerGrapheSerie(t->tableau(), t->vueGraphe().graphe());
    t->DefinirTitre(t->tableau().Titre);
    t->ReglageApplique();
    t->RafraichirGraphe();
    const QRect client = cadre_->zoneDocuments()->geometry();
    t->resize(std::min(t->width(), std::max(320, client.width() / 2 + 300)),
              std::min(t->height(), std::max(240, client.height() * 8 / 10)));
    t->show();
    t->raise();
    QApplication::restoreOverrideCursor();
    if (!manques.isEmpty())
        MessageAvertissement(cadre_, TMainForm::tr("Le rectangle de mesure est hors de l'image : %1.\rSa case reste "
                                                   "vide dans le tableau.")
                                         .arg(manques.join(QStringLiteral(", "))));
}

void TMainForm::BrancherLumiere()
{
    lumiere_ = new GestionLumiere(this);
    GestionLumiere *g = lumiere_;
    actMesuresMultiples->setEnabled(true);
    connect(actMesuresMultiples, &QAction::toggled, this, [g](bool actif) {
        if (actif != g->dock->isVisible())
            g->Basculer(actif);
    });
    connect(g->panneau, &Saisie_Mult::ParametresDemandes, g, &GestionLumiere::Parametres);
    connect(g->panneau, &Saisie_Mult::EnvoiDemande, g, [g] { g->Envoyer(false); });
    connect(g->panneau, &Saisie_Mult::EnvoiCourbeDemande, g, [g] { g->Envoyer(true); });
    connect(g->panneau, &Saisie_Mult::EffacementDemande, g, &GestionLumiere::Effacer);
}

void TMainForm::LumiereModeChoisi(TMDIChild *fenetre, int mode)
{
    GestionLumiere *g = lumiere_;
    actMesuresMultiples->setEnabled(mode == MesureCourante || mode == MesureLumiereRectangle);
    if (mode != MesureLumiereRectangle && mode != MesureLumiereColore) {
        if (auto *f = findChild<TRes_I_r *>())
            f->hide();
        if (g->Multi() && fenetre)
            g->PreparerPanneau(fenetre);
        return;
    }
    TRes_I_r &lumiere = g->Fenetre();
    lumiere.PreparerMode(mode);
    g->ViderBarres();
    if (!fenetre)
        return;
    ImageDocument &doc = fenetre->document();
    if (mode == MesureLumiereColore) {
        if (const auto m = MoyenneZoneColoree(doc)) {
            lumiere.CalculerLumiere(RougeWin(*m), VertWin(*m), BleuWin(*m));
            g->AfficherBarres(doc, *m);
        }
        doc.modeMesure = MesureCourante;
        SynchroniserDocument();
        return;
    }
    if (g->Multi())
        g->PreparerPanneau(fenetre);
}

void TMainForm::LumiereGlisser(ImageDocument &doc, QPoint p)
{
    if (doc.captureBlanc || doc.saisieCouleur)
        return;
    lumiere_->DessinerRectangle(doc, doc.mesure.pointAppui, p);
}

void TMainForm::LumiereRelacher(ImageDocument &doc, QPoint p)
{
    if (doc.captureBlanc || doc.saisieCouleur)
        return;
    const QPoint appui = doc.mesure.pointAppui;
    lumiere_->DessinerRectangle(doc, appui, p);
    const auto m = MesurerRectangleLumiere(doc, appui, p);
    if (!m)
        return;
    TRes_I_r &lumiere = lumiere_->Fenetre();
    // A series measures again with the quantity and unit of this moment.
    doc.ChoixLumiere = lumiere.Grandeur();
    doc.LumierePourcent = lumiere.Pourcent();
    lumiere.actSeries->setEnabled(true);
    lumiere.CalculerLumiere(RougeWin(*m), VertWin(*m), BleuWin(*m));
    lumiere_->AfficherBarres(doc, *m);
}

void TMainForm::MesureMultipleLongueur(const ImageDocument &doc, double longueur)
{
    if (!lumiere_->Multi() || doc.modeMesure != MesureCourante || doc.echelle.Mode == TEchelle::Cartesien)
        return;
    lumiere_->etat().Capturer(longueur);
    lumiere_->panneau->Afficher();
}

void TMainForm::MesureMultipleAppui(const ImageDocument &doc)
{
    if (!lumiere_->Multi() || doc.modeMesure != MesureCourante || doc.echelle.Mode != TEchelle::Cartesien)
        return;
    MesuresMultiples &m = lumiere_->etat();
    m.CapturerRepere(doc.mesure.valeursRepere[0], doc.mesure.valeursRepere[1], doc.echelle.UniteX,
                     doc.echelle.UniteY[0]);
    lumiere_->panneau->ValCX->setText(m.TexteX() + QLatin1Char(' ') + doc.echelle.UniteX);
    lumiere_->panneau->ValCY1->setText(FormatGeneral(m.ValeurYMulti[1], 3) + QLatin1Char(' ') + doc.echelle.UniteY[0]);
    lumiere_->panneau->Afficher();
}

void TMainForm::SynchroniserLumiere()
{
    TMDIChild *f = DocumentActif();
    if (!lumiere_ || !f)
        return;
    const ImageDocument &doc = f->document();
    actMesuresMultiples->setEnabled(doc.modeMesure == MesureCourante || doc.modeMesure == MesureLumiereRectangle);
    if (!lumiere_->Multi())
        return;
    // A length Y follows the unit of the document now active.
    MesuresMultiples &m = lumiere_->etat();
    if (m.NomYMulti[1] == QLatin1String("longueur") && doc.echelle.Mode != TEchelle::Cartesien) {
        m.UniteYMulti[1] = doc.echelle.Unite;
        m.NomYMulti[2] = m.NomYMulti[1];
        m.UniteYMulti[2] = m.UniteYMulti[1];
    }
    // A document of the other kind (graph read or lengths) gets its panel
    // prepared as when the mode is switched on: a graph's X keeps its 3
    // decimals instead of being rounded to those of the length steps.
    if (lumiere_->panneau->Courbe() != (doc.echelle.Mode == TEchelle::Cartesien)) {
        lumiere_->PreparerPanneau(f);
        return;
    }
    lumiere_->panneau->Afficher();
}
