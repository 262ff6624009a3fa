#include "measure/ui/mesu_courbe.h"

#include "document/image_document.h"
#include "drawing/ui/repere_v.h"
#include "measure/enregistrer_graphe_profil.h"
#include "measure/ui/dialogue_etal.h"
#include "plot/ui/vue_graphe.h"
#include "table/ui/tableau1.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEvent>
#include <QFileDialog>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

namespace {

// The zero marker: a horizontal dashed cyan line one pixel high.
class RepereZero : public QWidget {
public:
    explicit RepereZero(QWidget *parent) : QWidget(parent) { setAttribute(Qt::WA_TransparentForMouseEvents); }

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setPen(QPen(QColor(0, 255, 255), 1, Qt::DashLine));
        p.drawLine(0, 0, width(), 0);
    }
};

} // namespace

TMesu_Courbe::TMesu_Courbe(QWidget *parent) : QMainWindow(parent, Qt::Window)
{
    setWindowTitle(tr("Mesure d'intensité de couleur sur une ligne"));

    // ---- Menus
    menuFichier = menuBar()->addMenu(tr("&Fichier"));
    actEnregistrer = menuFichier->addAction(tr("&Enregistrer sous..."), this, &TMesu_Courbe::Enregistrer);
    actImprimer = menuFichier->addAction(tr("&Imprimer"), this, &TMesu_Courbe::Imprimer);
    actFermer = menuFichier->addAction(tr("&Fermer"), this, &QWidget::hide);
    actCopier = menuBar()->addAction(tr("&Copier"), this, &TMesu_Courbe::Copier);
    menuGraphique = menuBar()->addMenu(tr("&Graphique"));
    actApparence = menuGraphique->addAction(tr("&Apparence"));
    actFondNoir = menuGraphique->addAction(tr("Fond &noir"));
    actFondBlanc = menuGraphique->addAction(tr("Fond &blanc"));
    actMaximum = menuGraphique->addAction(tr("&Maximum"), this, &TMesu_Courbe::Maximum);
    actZero = menuGraphique->addAction(tr("&Zéro"));
    actConversion = menuGraphique->addAction(tr("C&onversion"));
    menuTableau = menuBar()->addMenu(tr("&Tableau"));
    actComplet = menuTableau->addAction(tr("&Complet"));
    actValeursChoisies = menuTableau->addAction(tr("&Valeurs choisies"));

    // ---- Top panel
    panneauHaut = new QWidget;
    auto *haut = new QHBoxLayout(panneauHaut);
    auto *largeur = new QVBoxLayout;
    largeur->addWidget(new QLabel(tr("Largeur (en pixels) de\nla bande de mesure")));
    ch_larg = new QSpinBox;
    ch_larg->setRange(1, LargeurBandeMax);
    ch_larg->setSingleStep(2);
    ch_larg->setValue(1);
    largeur->addWidget(ch_larg);
    haut->addLayout(largeur);
    boutonMesurer = new QPushButton(tr("Mesurer"));
    haut->addWidget(boutonMesurer);

    auto *canaux = new QVBoxLayout;
    canaux->addWidget(new QLabel(tr("Mesurer les intensités dans le : ")));
    auto *ligneCanaux = new QHBoxLayout;
    tout = new QRadioButton(tr("Tout"));
    rouge = new QRadioButton(tr("Rouge"));
    vert = new QRadioButton(tr("Vert"));
    bleu = new QRadioButton(tr("Bleu"));
    tout->setChecked(true);
    auto *groupeCanaux = new QButtonGroup(this);
    const std::pair<QRadioButton *, int> etiquettes[] = {{tout, CanalTout}, {rouge, CanalRouge}, {vert, CanalVert},
                                                          {bleu, CanalBleu}};
    for (const auto &[bouton, canal] : etiquettes) {
        groupeCanaux->addButton(bouton, canal);
        ligneCanaux->addWidget(bouton);
    }
    canaux->addLayout(ligneCanaux);
    haut->addLayout(canaux);

    auto *modes = new QVBoxLayout;
    emission = new QRadioButton(tr(" Mesure en émission"));
    absorption = new QRadioButton(tr(" Mesure en \"absorption\""));
    emission->setChecked(true);
    auto *groupeModes = new QButtonGroup(this);
    groupeModes->addButton(emission);
    groupeModes->addButton(absorption);
    modes->addWidget(emission);
    modes->addWidget(absorption);
    haut->addLayout(modes);

    Mode_mes = new QWidget;
    auto *lm = new QVBoxLayout(Mode_mes);
    lineaire = new QRadioButton(tr(" Mesure linéaire"));
    logarithmique = new QRadioButton(tr(" Mesure logaritmique"));
    lineaire->setChecked(true);
    lm->addWidget(lineaire);
    lm->addWidget(logarithmique);
    Mode_mes->hide();
    haut->addWidget(Mode_mes);
    surf = new QCheckBox(tr("surface"));
    surf->setEnabled(false);
    haut->addWidget(surf);
    haut->addStretch();

    // ---- Conversion panel
    PanConv = new QWidget;
    auto *lc = new QHBoxLayout(PanConv);
    auto *titreConv = new QLabel(tr("Mesures converties"));
    titreConv->setFrameShape(QFrame::Panel);
    lc->addWidget(titreConv);
    mesurerConverti = new QPushButton(tr("Mesurer"));
    annulerConversion = new QPushButton(tr("Annuler la conversion"));
    lc->addWidget(mesurerConverti);
    lc->addWidget(annulerConversion);
    lc->addStretch();

    panneaux = new QStackedWidget;
    panneaux->addWidget(panneauHaut);
    panneaux->addWidget(PanConv);
    panneaux->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);

    // ---- Graph, its limits band and zero marker
    Graphe = new TVueGraphe;
    Graphe->graphe().CopierDe(modele.Graphe, false);
    limites = new TRepereV(Graphe);
    limites->couleurTrait = QColor(128, 128, 128);
    limites->couleurMotif = QColor(255, 128, 0);
    limites->hide();
    repereZero = new RepereZero(Graphe);
    repereZero->hide();
    defilement = new QScrollArea;
    defilement->setWidget(Graphe);
    defilement->setWidgetResizable(false);
    position = new QLabel;
    position->setFrameShape(QFrame::Panel);
    position->setMinimumHeight(20);

    auto *centre = new QWidget;
    auto *l = new QVBoxLayout(centre);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    l->addWidget(panneaux);
    l->addWidget(defilement, 1);
    l->addWidget(position);
    setCentralWidget(centre);

    // ---- Dialogs
    etal = new TEtal(this);
    // A dialog, so that closing it by its frame (or Escape) abandons the zero
    // as its second button does, instead of leaving the window disabled.
    auto *dialogueZero = new QDialog(this, Qt::Tool | Qt::WindowStaysOnTopHint);
    dialogueZero->setModal(false);
    Tzero = dialogueZero;
    Tzero->setWindowTitle(tr("Zéro"));
    auto *lz = new QVBoxLayout(Tzero);
    lz->addWidget(new QLabel(tr("Déplacer le repère \nsur le graphique \njusqu'au niveau du zéro.\nPuis cliquer sur OK.")));
    auto *bz = new QHBoxLayout;
    auto *okZero = new QPushButton(tr("OK"));
    auto *abandonZero = new QPushButton(tr("Abandonner"));
    bz->addWidget(okZero);
    bz->addWidget(abandonZero);
    lz->addLayout(bz);

    // ---- Wiring
    connect(boutonMesurer, &QPushButton::clicked, this, &TMesu_Courbe::Mesurer);
    connect(mesurerConverti, &QPushButton::clicked, this, &TMesu_Courbe::Mesurer);
    connect(groupeCanaux, &QButtonGroup::idClicked, this, &TMesu_Courbe::ChoixCanal);
    connect(emission, &QRadioButton::clicked, this, &TMesu_Courbe::ChoixQuantite);
    connect(absorption, &QRadioButton::clicked, this, &TMesu_Courbe::ChoixQuantite);
    connect(lineaire, &QRadioButton::clicked, this, &TMesu_Courbe::ChoixQuantite);
    connect(logarithmique, &QRadioButton::clicked, this, &TMesu_Courbe::ChoixQuantite);
    connect(surf, &QCheckBox::toggled, this, [this](bool coche) {
        if (coche) {
            limites->setGeometry(limites->x(), -1, limites->width(), Graphe->height() + 2);
            limites->show();
            limites->raise();
            CalculerSurface();
        } else {
            limites->hide();
            position->clear();
        }
    });
    connect(limites, &TRepereV::OnChange, this, &TMesu_Courbe::CalculerSurface);
    connect(Graphe, &TVueGraphe::pointeurPresse, this, [this](QPoint p, Qt::MouseButton) { Appui(p); });
    connect(Graphe, &TVueGraphe::pointeurDeplace, this, &TMesu_Courbe::Deplacement);
    connect(Graphe, &TVueGraphe::doubleClic, actApparence, &QAction::trigger);
    connect(actApparence, &QAction::triggered, this, [this] {
        if (Graphe->EditerPresentation()) {
            modele.Graphe.CopierDe(Graphe->graphe());
            modele.TitreGraphe = Graphe->graphe().GraphTitle;
        }
    });
    connect(actFondNoir, &QAction::triggered, this, [this] {
        modele.AppliquerFond(true);
        MontrerGraphe();
    });
    connect(actFondBlanc, &QAction::triggered, this, [this] {
        modele.AppliquerFond(false);
        MontrerGraphe();
    });
    connect(actZero, &QAction::triggered, this, [this] {
        SaisieZero = true;
        repereZero->setGeometry(0, LigneBasProfil, Graphe->width(), 1);
        repereZero->show();
        repereZero->raise();
        panneaux->setEnabled(false);
        for (QAction *a : {menuFichier->menuAction(), actCopier, menuGraphique->menuAction(), menuTableau->menuAction()})
            a->setEnabled(false);
        Tzero->adjustSize();
        Tzero->show();
    });
    connect(okZero, &QPushButton::clicked, this, [this] { FinZero(true); });
    connect(abandonZero, &QPushButton::clicked, this, [this] { FinZero(false); });
    connect(dialogueZero, &QDialog::rejected, this, [this] { FinZero(false); });
    connect(actConversion, &QAction::triggered, this, [this] {
        modele.Zeros = {};
        Reconstruire();
        Tracer();
        SaisieConversion = true;
        etal->Reinitialiser();
        etal->show();
    });
    connect(etal, &TEtal::Ferme, this, &TMesu_Courbe::ConversionFermee);
    connect(annulerConversion, &QPushButton::clicked, this, [this] {
        if (!services.PoserQuestion(this, tr("Continuer ? (Les facteurs de conversion seront perdus)"), false))
            return;
        actConversion->setEnabled(true);
        actZero->setEnabled(true);
        panneaux->setCurrentWidget(panneauHaut);
        modele.Converti = false;
        Reconstruire();
        Tracer();
    });
    connect(actComplet, &QAction::triggered, this, [this] {
        modele.GrilleComplete();
        MontrerGrille();
    });
    connect(actValeursChoisies, &QAction::triggered, this, [this] {
        modele.CommencerValeursChoisies();
        MontrerGrille();
    });
    ActiverSorties(false);
    resize(760, 480);
}

void TMesu_Courbe::DefinirSource(ImageDocument *document, QObject *gardien)
{
    if (gardien_)
        disconnect(gardien_, nullptr, this, nullptr);
    source_ = document;
    gardien_ = gardien;
    if (gardien)
        connect(gardien, &QObject::destroyed, this, [this] {
            source_ = nullptr;
            ActiverSorties(false);
            boutonMesurer->setEnabled(false);
            mesurerConverti->setEnabled(false);
        });
    boutonMesurer->setEnabled(document != nullptr);
    mesurerConverti->setEnabled(document != nullptr);
}

ImageDocument *TMesu_Courbe::Source() const
{
    return gardien_ ? source_ : nullptr;
}

void TMesu_Courbe::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !DocumentActif)
        return;
    const auto [document, gardien] = DocumentActif();
    if (!document)
        return;
    DefinirSource(document, gardien);
    modele.SommesCourbe.canaux = document->SommesProfil;
    modele.SommesCourbe.n = document->LongueurProfil;
    LireControles();
    Mode_mes->setVisible(modele.ModeAbsorption);
}

void TMesu_Courbe::LireControles()
{
    modele.ModeAbsorption = absorption->isChecked();
    modele.ModeLog = logarithmique->isChecked();
    modele.CanalProfil = tout->isChecked() ? CanalTout : rouge->isChecked() ? CanalRouge : vert->isChecked() ? CanalVert : CanalBleu;
    modele.LargeurBande = ch_larg->value();
}

void TMesu_Courbe::Reconstruire()
{
    {
        const QSignalBlocker b(surf);
        surf->setChecked(false);
    }
    limites->hide();
    LireControles();
    modele.ReconstruireGraphe();
}

void TMesu_Courbe::Tracer()
{
    {
        const QSignalBlocker b(surf);
        surf->setChecked(false);
    }
    limites->hide();
    LireControles();
    modele.TracerCourbes();
    MontrerGraphe();
    ActiverSorties(true);
}

void TMesu_Courbe::MontrerGraphe()
{
    Graphe->graphe().CopierDe(modele.Graphe, false);
    Graphe->setFixedSize(modele.Graphe.Taille());
    Graphe->graphe().Redessiner();
    Graphe->update();
    // The window fits the graph when the screen has room; wider graphs scroll.
    const QSize taille = modele.Graphe.Taille();
    const QRect ecran = screen() ? screen()->availableGeometry() : QRect(0, 0, 1280, 800);
    const int largeur = std::min(std::max(panneaux->sizeHint().width(), taille.width() + 4), ecran.width() - 40);
    int hauteur = menuBar()->sizeHint().height() + panneaux->sizeHint().height() + taille.height() + 4
                  + position->sizeHint().height();
    if (largeur < taille.width() + 4)
        hauteur += defilement->horizontalScrollBar()->sizeHint().height();
    resize(largeur, std::min(hauteur, ecran.height() - 60));
}

void TMesu_Courbe::ActiverSorties(bool actif)
{
    for (QAction *a : {actEnregistrer, actImprimer, actCopier, menuGraphique->menuAction(), menuTableau->menuAction()})
        a->setEnabled(actif);
    actConversion->setEnabled(actif && !modele.Converti);
    actZero->setEnabled(!modele.Converti);
}

void TMesu_Courbe::Mesurer()
{
    ImageDocument *doc = Source();
    if (!doc)
        return;
    modele.Zeros = {};
    // The curves on the graph keep the positions they were drawn with until a
    // new profile replaces them.
    const double facteurTrace = modele.Facteur;
    const QString uniteTrace = modele.Unite;
    if (!modele.PrendreEchelle(doc->echelle)) {
        QMessageBox::warning(this, windowTitle(),
                             tr("L'échelle du document a un facteur de longueur nul ou négatif : les positions ne "
                                "peuvent pas être calculées."));
        return;
    }
    const EtatProfil etat = EchantillonnerProfil(*doc, (ch_larg->value() - 1) / 2);
    if (etat == EtatProfil::LigneTropLongue)
        QMessageBox::warning(this, windowTitle(), MessageProfil(etat));
    if (etat != EtatProfil::Echantillonne) {
        modele.Facteur = facteurTrace;
        modele.Unite = uniteTrace;
        return;
    }
    modele.SommesCourbe.canaux = doc->SommesProfil;
    modele.SommesCourbe.n = doc->LongueurProfil;
    Reconstruire();
    Tracer();
    surf->setEnabled(true);
}

void TMesu_Courbe::ChoixQuantite()
{
    modele.Zeros = {};
    LireControles();
    Mode_mes->setVisible(modele.ModeAbsorption);
    if (tableau)
        tableau->hide();
    if (modele.N() > 10) {
        Reconstruire();
        Tracer();
    }
}

void TMesu_Courbe::ChoixCanal(int canal)
{
    modele.CanalProfil = canal;
    if (modele.N() <= 10)
        return;
    Tracer();
    if (tableau && tableau->isVisible()) {
        modele.RafraichirGrille();
        MontrerGrille();
    }
}

void TMesu_Courbe::CalculerSurface()
{
    if (!surf->isChecked())
        return;
    const int a = std::max(0, limites->x() - MargeGaucheProfil);
    const int b = std::min(modele.N(), limites->x() + limites->width() - MargeGaucheProfil);
    position->setText(modele.TexteSurface(a, b));
}

void TMesu_Courbe::Appui(QPoint pixel)
{
    if (SaisieZero)
        repereZero->move(0, pixel.y());
    if (SaisieConversion)
        etal->PrendreLigne(pixel.y());
    if (modele.ValeursChoisies && modele.AjouterValeurChoisie(pixel))
        MontrerGrille();
}

void TMesu_Courbe::Deplacement(QPoint pixel)
{
    if (SaisieZero && QApplication::mouseButtons().testFlag(Qt::LeftButton))
        repereZero->move(0, pixel.y());
    if (surf->isChecked())
        return;
    position->setText(modele.TextePosition(pixel));
}

void TMesu_Courbe::PoserZero(int ligne)
{
    repereZero->move(0, ligne);
}

void TMesu_Courbe::FinZero(bool ok)
{
    if (!SaisieZero)
        return;
    const int ligne = repereZero->y();
    SaisieZero = false;
    repereZero->hide();
    panneaux->setEnabled(true);
    for (QAction *a : {menuFichier->menuAction(), actCopier, menuGraphique->menuAction(), menuTableau->menuAction()})
        a->setEnabled(true);
    Tzero->hide();
    if (ok) {
        modele.FixerZero(ligne);
        MontrerGraphe();
        ActiverSorties(true);
    }
}

void TMesu_Courbe::ConversionFermee()
{
    SaisieConversion = false;
    if (!etal->Accepte)
        return;
    const bool zero = etal->zerorepere->isChecked();
    const int R = zero ? LigneBasProfil : etal->PremierPixel;
    const double Z = zero ? 0.0 : etal->PremiereValeur;
    LireControles();
    if (!modele.Convertir(etal->PixelPoint, etal->ValeurPoint, R, Z, etal->NomVar->text(), etal->UnitVar->text())) {
        QMessageBox::warning(this, windowTitle(),
                             tr("Les deux points sont sur la même ligne du graphique : pas de conversion."));
        return;
    }
    actConversion->setEnabled(false);
    actZero->setEnabled(false);
    panneaux->setCurrentWidget(PanConv);
    MontrerGraphe();
    ActiverSorties(true);
}

void TMesu_Courbe::MontrerGrille()
{
    if (!tableau)
        return;
    tableau->DefinirGrille(modele.Grille);
    QTableWidget *g = tableau->grille;
    const int rangee = g->verticalHeader()->defaultSectionSize() + 1;
    const int colonne = g->horizontalHeader()->defaultSectionSize() + 1;
    const QWidget *cadre = parentWidget() ? parentWidget() : this;
    const int hauteur = std::min(rangee * int(modele.Grille.size()), int(std::nearbyint(0.8 * cadre->height())));
    const int largeur = std::min(colonne * g->columnCount(), int(std::nearbyint(0.5 * cadre->width())));
    tableau->resize(std::max(largeur, 200) + 40, std::max(hauteur, 120) + 60);
    tableau->show();
    tableau->raise();
    if (modele.ValeursChoisies)
        g->scrollToBottom();
}

void TMesu_Courbe::Maximum()
{
    QDialog d(this);
    d.setWindowTitle(tr("Choix du maximum"));
    auto *valeur = new QDoubleSpinBox(&d);
    valeur->setRange(-1e9, 1e9);
    valeur->setDecimals(3);
    valeur->setValue(dernierMaximum_);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &d);
    connect(boutons, &QDialogButtonBox::accepted, &d, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, &d, &QDialog::reject);
    auto *l = new QVBoxLayout(&d);
    l->addWidget(valeur);
    l->addWidget(boutons);
    if (d.exec() != QDialog::Accepted)
        return;
    dernierMaximum_ = valeur->value();
    if (modele.DefinirMaximum(dernierMaximum_))
        MontrerGraphe();
}

void TMesu_Courbe::Copier()
{
    QApplication::clipboard()->setImage(Graphe->Rendre());
}

void TMesu_Courbe::Imprimer()
{
    const QSize t = Graphe->size();
    if (t.width() > 0)
        services.ImprimerImage(this, double(t.height()) / t.width(), Graphe->Rendre());
}

void TMesu_Courbe::Enregistrer()
{
    QString chemin;
    if (DemanderNomFichier) {
        chemin = DemanderNomFichier();
    } else {
        QFileDialog dialogue(this, tr("Enregistrement du schéma"));
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setOption(QFileDialog::DontConfirmOverwrite);
        dialogue.setNameFilters({tr("Fichier BMP (*.bmp)"), tr("Fichier Gif (*.Gif *.gif)")});
        dialogue.selectNameFilter(tr("Fichier Gif (*.Gif *.gif)"));
        dialogue.setDefaultSuffix(QStringLiteral("Gif"));
        if (dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty())
            chemin = dialogue.selectedFiles().first();
    }
    if (chemin.isEmpty())
        return;
    if (QFileInfo::exists(chemin)
        && !services.PoserQuestion(this, tr("Voulez-vous remplacer le fichier ") + chemin + tr(" ?"), false))
        return;
    const QImage image = Graphe->Rendre();
    services.Executer(this, [&] { EnregistrerGrapheProfil(chemin, image, modele.EchelleGraphe); });
}
