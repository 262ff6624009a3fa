#include "app/ui/main_window.h"

#include <QTimer>

#include "app/ui/icones_barres.h"
#include "commun/nombres.h"
#include "document/ui/fenetre_document.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCloseEvent>
#include <QEvent>
#include <QFrame>
#include <QLabel>
#include <QMdiArea>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QSpinBox>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>
#include <cstdint>

namespace {

QAction *Ajouter(QMenu *menu, const QString &texte, const QKeySequence &raccourci = {}, bool actif = true)
{
    QAction *action = menu->addAction(texte);
    if (!raccourci.isEmpty())
        action->setShortcut(raccourci);
    action->setEnabled(actif);
    return action;
}

QAction *AjouterOption(QMenu *menu, QActionGroup *groupe, const QString &texte, int tag)
{
    QAction *action = menu->addAction(texte);
    action->setCheckable(true);
    action->setData(tag);
    if (groupe)
        groupe->addAction(action);
    return action;
}

// Checks the item of an option menu whose tag is the given one.
void CocherTag(QMenu *menu, int tag)
{
    for (QAction *action : menu->actions())
        if (action->isCheckable() && action->data().toInt() == tag)
            action->setChecked(true);
}

// A colour swatch: its palette's Window colour painted inside the frame. A
// tool bar does not fill its widgets' backgrounds from their palettes, so
// the swatch paints its colour itself.
class Pastille : public QFrame {
public:
    using QFrame::QFrame;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        {
            QPainter p(this);
            p.fillRect(contentsRect(), palette().color(QPalette::Window));
        }
        QFrame::paintEvent(event);
    }
};

QFrame *PanneauCouleur(QWidget *parent, const QString &bulle)
{
    auto *panneau = new Pastille(parent);
    panneau->setFrameShape(QFrame::Box);
    panneau->setFixedSize(22, 22);
    panneau->setAutoFillBackground(true);
    panneau->setToolTip(bulle.section(QLatin1Char('|'), 0, 0));
    panneau->setStatusTip(bulle.section(QLatin1Char('|'), -1));
    return panneau;
}

void ColorerPanneau(QFrame *panneau, QRgb couleur)
{
    QPalette palette = panneau->palette();
    palette.setColor(QPalette::Window, QColor::fromRgb(couleur));
    panneau->setPalette(palette);
}

} // namespace

TMainForm::TMainForm(QWidget *parent) : QMainWindow(parent), zone_(new QMdiArea(this))
{
    setWindowTitle(tr("KAPTORI"));
    QApplication::setWindowIcon(IconeProgramme());
    zone_->setBackground(palette().brush(QPalette::Dark));
    zone_->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    zone_->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setCentralWidget(zone_);

    CreerMenus();
    CreerBarres();
    // No menu of bars to hide on a right click: the window bar is always
    // shown, and the others follow the active document.
    setContextMenuPolicy(Qt::NoContextMenu);
    CreerBarreEtat();
    LireFichiersDemarrage();

    connect(zone_, &QMdiArea::subWindowActivated, this, [this](QMdiSubWindow *) { DocumentChange(); });
    connect(qApp, &QGuiApplication::applicationStateChanged, this, [this](Qt::ApplicationState etat) {
        if (etat == Qt::ApplicationActive && !DocumentActif())
            EtatSansDocument(true);
    });
    EtatSansDocument(false);

    BrancherDocuments();
    BrancherDessin();
    BrancherTextes();
    BrancherEchelle();
    BrancherCodeCouleur();
    BrancherRaster();
    BrancherImpression();
    BrancherEnregistrement();
    BrancherTraitements();
    BrancherTableau();
    BrancherComptage();
    BrancherCalques();
    BrancherHistogrammes();
    BrancherAnimation();
    BrancherAcquisition();
    BrancherSchema();
    BrancherLegendes();
    BrancherZonation();
    BrancherLumiere();
}

TMainForm::~TMainForm()
{
    // The documents close while the frame is being destroyed: their
    // activation changes must no longer reach it.
    disconnect(zone_, nullptr, this, nullptr);
}

void TMainForm::CreerMenus()
{
    menuFichier = menuBar()->addMenu(tr("&Fichier"));
    actNouveau = Ajouter(menuFichier, tr("&Nouveau"), QKeySequence(Qt::CTRL | Qt::Key_N));
    actOuvrir = Ajouter(menuFichier, tr("&Ouvrir"), QKeySequence(Qt::CTRL | Qt::Key_O));
    actFermer = Ajouter(menuFichier, tr("&Fermer"));
    actEnregistrerSous = Ajouter(menuFichier, tr("&Enregistrer sous..."), QKeySequence(Qt::CTRL | Qt::Key_S), false);
    actOuvrirConfiguration = Ajouter(menuFichier, tr("Ouvrir &Configuration"));
    actImprimer = Ajouter(menuFichier, tr("&Imprimer"), {}, false);
    actChoixSource = Ajouter(menuFichier, tr("&Choix de la source"), {}, false);
    actAcquerir = Ajouter(menuFichier, tr("&Acquérir"), {}, false);
    actQuitter = Ajouter(menuFichier, tr("&Quitter"));

    menuEdition = menuBar()->addMenu(tr("&Edition"));
    actAnnuler = Ajouter(menuEdition, tr("Annuler"), QKeySequence::Undo, false);
    actEffacerTraces = Ajouter(menuEdition, tr("&Effacer les tracés"), {}, false);
    actSupprimerElement = Ajouter(menuEdition, tr("&Supprimer un élément"), {}, false);
    actCopier = Ajouter(menuEdition, tr("Copier"), {}, false);
    actCollerNouvelleImage =
        Ajouter(menuEdition, tr("Co&ller comme nouvelle image"), QKeySequence(Qt::SHIFT | Qt::Key_Insert));
    actCopierSelection = Ajouter(menuEdition, tr("Copier la &sélection"), {}, false);
    actCopierPoints = Ajouter(menuEdition, tr("Copier avec les points"), {}, false);
    actRecadrer = Ajouter(menuEdition, tr("&Recadrer"), {}, false);
    actColler = new QAction(tr("Coller"), this);

    menuOutils = menuBar()->addMenu(tr("&Outils"));
    actCalculatrice = Ajouter(menuOutils, tr("&Calculatrice"));
    actTableau = Ajouter(menuOutils, tr("&Tableau"), {}, false);
    actSchema = Ajouter(menuOutils, tr("&Schéma"), {}, false);
    actSchema->setStatusTip(tr("Appeler le logiciel Schéma"));
    actComptage = Ajouter(menuOutils, tr("C&omptage"), {}, false);
    actCreerAnimation = Ajouter(menuOutils, tr("Créer une &animation"), {}, false);
    actDecomposerAnimation = Ajouter(menuOutils, tr("&Decomposer l'animation"), {}, false);
    menuCombinaison = menuOutils->addMenu(tr("&Combinaison d'images"));
    actCombiAlgebrique = Ajouter(menuCombinaison, tr("&Algébrique"), {}, false);
    actCombiLogique = Ajouter(menuCombinaison, tr("&Logique"), {}, false);
    actPixellisation = Ajouter(menuOutils, tr("&Pixellisation"), {}, false);
    actFaussesCouleurs = Ajouter(menuOutils, tr("Composition &fausses couleurs"), {}, false);

    menuFenetre = menuBar()->addMenu(tr("Fe&nêtre"));
    actAnimation = Ajouter(menuFenetre, tr("&Animation"), {}, false);
    actCascade = Ajouter(menuFenetre, tr("&Cascade"));
    actMosaiqueHorizontale = Ajouter(menuFenetre, tr("Mosaïque &horizontale"));
    actMosaiqueVerticale = Ajouter(menuFenetre, tr("Mosaïque &verticale"));
    actToutReduire = Ajouter(menuFenetre, tr("&Tout réduire"));
    actToutReorganiser = Ajouter(menuFenetre, tr("&Tout réorganiser"));
    connect(menuFenetre, &QMenu::aboutToShow, this, &TMainForm::MettreAJourListeFenetres);
    connect(actCascade, &QAction::triggered, this, &TMainForm::Cascade);
    connect(actMosaiqueHorizontale, &QAction::triggered, this, [this] { Mosaique(true); });
    connect(actMosaiqueVerticale, &QAction::triggered, this, [this] { Mosaique(false); });
    connect(actToutReduire, &QAction::triggered, this, [this] {
        for (QMdiSubWindow *fenetre : zone_->subWindowList())
            fenetre->showMinimized();
        ToutReorganiser();
    });
    connect(actToutReorganiser, &QAction::triggered, this, &TMainForm::ToutReorganiser);

    menuImage = menuBar()->addMenu(tr("&Image"));
    menuZoom = menuImage->addMenu(tr("&Zoom"));
    actZoom11 = Ajouter(menuZoom, tr("1:1"));
    actZoomAugmenter = Ajouter(menuZoom, tr("&Augmenter"));
    actZoomDiminuer = Ajouter(menuZoom, tr("&Diminuer"));
    actEchelle = Ajouter(menuImage, tr("Créer/modifier l'&Echelle"), {}, false);
    actCodageCouleurs = Ajouter(menuImage, tr("Définir le coda&ge des couleurs"), {}, false);
    actLegendeEchelle = Ajouter(menuImage, tr("Ajouter la légende de l'échelle"), {}, false);
    actLegendeCouleurs = Ajouter(menuImage, tr("&Ajouter la légende des couleurs"), {}, false);
    actRedimensionner = Ajouter(menuImage, tr("&Redimensionner"), {}, false);
    actAgrandirCanevas = Ajouter(menuImage, tr("A&grandir le canevas"), {}, false);
    actNiveauxGris = Ajouter(menuImage, tr("&Niveaux de gris"), {}, false);
    actInverser = Ajouter(menuImage, tr("&Inverser"), {}, false);
    actFaireBlanc = Ajouter(menuImage, tr("Faire le &blanc"), {}, false);
    actDelimiterZones = Ajouter(menuImage, tr("Délimiter des &zones"), {}, false);
    actHistogrammes = Ajouter(menuImage, tr("&Histogrammes et filtres"), {}, false);
    menuDecomposition = menuImage->addMenu(tr("&Décomposition"));
    actDecompositionColorees = Ajouter(menuDecomposition, tr("en images &colorées"), {}, false);
    actDecompositionGrises = Ajouter(menuDecomposition, tr("en images &grises"), {}, false);
    actNommerFenetre = Ajouter(menuImage, tr("No&mmer la fenêtre"));
    actQuadrillage = Ajouter(menuImage, tr("Ajouter un quadrillage"), {}, false);
    menuTransformation = menuImage->addMenu(tr("Transformation"));
    actSymetrieHorizontale = Ajouter(menuTransformation, tr("Symétrie horizontale"), {}, false);
    actSymetrieVerticale = Ajouter(menuTransformation, tr("Symétrie verticale"), {}, false);
    actRotation90 = Ajouter(menuTransformation, tr("Rotation de 90°"), {}, false);
    actRotation180 = Ajouter(menuTransformation, tr("Rotation de 180 °"), {}, false);
    actRotation270 = Ajouter(menuTransformation, tr("Rotation de 270 °"), {}, false);

    menuChoix = menuBar()->addMenu(tr("&Choix"));
    menuCouleur = menuChoix->addMenu(tr("&Couleur"));
    actCouleurCrayon = Ajouter(menuCouleur, tr("du &crayon"), {}, false);
    actCouleurFond = Ajouter(menuCouleur, tr("du &fond"), {}, false);
    actOutilMesure = Ajouter(menuChoix, tr("Outil de &mesure"), {}, false);
    actDecodage = Ajouter(menuChoix, tr("Afficher/masquer le &Décodage des couleurs"), {}, false);
    actCanauxAffiches = Ajouter(menuChoix, tr("&Canaux affichés"), {}, false);
    actCanauxAffiches->setVisible(false);

    menuAide = menuBar()->addMenu(tr("&Aide"));
    actAPropos = Ajouter(menuAide, tr("&A propos..."));
    menuAide->addSeparator();
    actChargerFichier = Ajouter(menuAide, tr("&Charger un fichier"));
    separateurAide = menuAide->addSeparator();
    separateurAide->setVisible(false);
    connect(menuAide, &QMenu::triggered, this, [this](QAction *item) { CliquerItemAide(item); });

    connect(actQuitter, &QAction::triggered, this, &QWidget::close);
    connect(actFermer, &QAction::triggered, this, [this] {
        if (QMdiSubWindow *fenetre = zone_->currentSubWindow())
            fenetre->close();
    });
}

void TMainForm::CreerBarres()
{
    auto barre = [this](const QString &nom, const QString &titre) {
        QToolBar *b = addToolBar(titre);
        b->setObjectName(nom);
        b->setAllowedAreas(Qt::TopToolBarArea);
        b->setMovable(true);
        b->setFloatable(true);
        return b;
    };
    BarreFenetre = barre(QStringLiteral("BarreFenetre"), tr("Fenêtre"));
    const QStyle *s = style();
    actNouveau->setIcon(s->standardIcon(QStyle::SP_FileIcon));
    actOuvrir->setIcon(s->standardIcon(QStyle::SP_DialogOpenButton));
    actEnregistrerSous->setIcon(s->standardIcon(QStyle::SP_DialogSaveButton));
    actQuitter->setIcon(s->standardIcon(QStyle::SP_DialogCloseButton));
    actAnnuler->setIcon(s->standardIcon(QStyle::SP_ArrowBack));
    BarreFenetre->addAction(actNouveau);
    BarreFenetre->addAction(actOuvrir);
    BarreFenetre->addAction(actEnregistrerSous);
    BarreFenetre->addAction(actImprimer);
    BarreFenetre->addAction(actQuitter);
    BarreFenetre->addSeparator();
    BarreFenetre->addAction(actAnnuler);
    BarreFenetre->addAction(actCopier);
    BarreFenetre->addAction(actCopierSelection);
    BarreFenetre->addAction(actColler);
    BarreFenetre->addAction(actRecadrer);
    actImprimer->setIcon(IconeCommande(CommandeBarre::Imprimer));
    actCopier->setIcon(IconeCommande(CommandeBarre::Copier));
    actCopierSelection->setIcon(IconeCommande(CommandeBarre::CopierSelection));
    actColler->setIcon(IconeCommande(CommandeBarre::Coller));
    actRecadrer->setIcon(IconeCommande(CommandeBarre::Recadrer));
    // Icons only, the caption in the hint: the window bar and the ten tools
    // then share one row on a 1024-pixel-wide screen.
    BarreFenetre->setToolButtonStyle(Qt::ToolButtonIconOnly);

    BarreOutils = barre(QStringLiteral("BarreOutils"), tr("Outils"));
    groupeOutils = new QActionGroup(this);
    groupeOutils->setExclusive(true);
    const char *outils[] = {QT_TR_NOOP("crayon"), QT_TR_NOOP("ligne"), QT_TR_NOOP("forme"),
                            QT_TR_NOOP("gomme"), QT_TR_NOOP("texte"), QT_TR_NOOP("mesure"),
                            QT_TR_NOOP("pot de peinture"), QT_TR_NOOP("pipette"), QT_TR_NOOP("sélection"),
                            QT_TR_NOOP("comptage")};
    for (int i = 0; i < 10; ++i) {
        QAction *bouton = BarreOutils->addAction(tr(outils[i]));
        bouton->setCheckable(true);
        bouton->setIcon(IconeOutil(i));
        bouton->setData(i);
        bouton->setToolTip(tr(outils[i]));
        bouton->setStatusTip(tr(outils[i]));
        groupeOutils->addAction(bouton);
        boutonsOutils[i] = bouton;
    }
    BarreOutils->setToolButtonStyle(Qt::ToolButtonIconOnly);
    boutonsOutils[0]->setChecked(true);
    boutonsOutils[ImageDocument::OutilMesure]->setVisible(false);

    // The colour, width and option bars start a second row so that no tool
    // button falls into the overflow menu of a narrow window.
    addToolBarBreak(Qt::TopToolBarArea);
    Coul_taille = barre(QStringLiteral("Coul_taille"), tr("Couleur et taille"));
    panneauCouleurCrayon = PanneauCouleur(Coul_taille, tr("couleur|couleur du prochain trait"));
    panneauCouleurFond = PanneauCouleur(Coul_taille, tr("couleur de la gomme"));
    ColorerPanneau(panneauCouleurCrayon, CouleurCrayon);
    ColorerPanneau(panneauCouleurFond, CouleurFondDessin);
    apercuEpaisseur = new QLabel(Coul_taille);
    apercuEpaisseur->setFixedSize(25, 25);
    choixEpaisseur = new QSpinBox(Coul_taille);
    choixEpaisseur->setRange(0, 11);
    choixEpaisseur->setToolTip(tr("choix de l'épaisseur"));
    choixEpaisseur->setStatusTip(tr("choix de l'épaisseur du trait"));
    Coul_taille->addWidget(panneauCouleurCrayon);
    Coul_taille->addWidget(panneauCouleurFond);
    Coul_taille->addWidget(apercuEpaisseur);
    Coul_taille->addWidget(choixEpaisseur);

    BarreChoix = barre(QStringLiteral("BarreChoix"), tr("Choix"));
    auto deroulant = [this](const QString &texte, QMenu *&menu, QToolButton *&bouton) {
        menu = new QMenu(texte, this);
        bouton = new QToolButton(BarreChoix);
        bouton->setText(texte);
        bouton->setToolTip(texte);
        bouton->setMenu(menu);
        bouton->setPopupMode(QToolButton::InstantPopup);
        BarreChoix->addWidget(bouton);
    };
    deroulant(tr("trait"), menuStyleTrait, boutonStyleTrait);
    auto *g = new QActionGroup(this);
    AjouterOption(menuStyleTrait, g, tr("traits pleins"), 0)->setChecked(true);
    AjouterOption(menuStyleTrait, g, tr("tiretés"), 1);
    deroulant(tr("remplissage"), menuRemplissage, boutonRemplissage);
    deroulant(tr("forme"), menuForme, boutonForme);
    g = new QActionGroup(this);
    AjouterOption(menuForme, g, tr("&Rectangle"), 0)->setChecked(true);
    AjouterOption(menuForme, g, tr("&Cercle"), 1);
    deroulant(tr("type de mesure"), menuMesures, boutonMesures);
    g = new QActionGroup(this);
    const char *mesures[] = {QT_TR_NOOP("&Courante"),
                             QT_TR_NOOP("&Surface"),
                             QT_TR_NOOP("&Lumière sur un rectangle"),
                             QT_TR_NOOP("lumière sur une &Bande"),
                             QT_TR_NOOP("&Angle"),
                             QT_TR_NOOP("&Délimitation d'objets"),
                             QT_TR_NOOP("L&umière sous ce qui est coloré")};
    for (int i = 0; i < 7; ++i)
        AjouterOption(menuMesures, g, tr(mesures[i]), i);
    CocherTag(menuMesures, 0);
    menuMesures->addSeparator();
    actMesuresMultiples = menuMesures->addAction(tr("Mesures multiples"));
    actMesuresMultiples->setCheckable(true);
    actMesuresMultiples->setData(-1);
    deroulant(tr("police"), menuPolice, boutonPolice);
    Ajouter(menuPolice, tr("&Fonte"), {}, false);
    g = new QActionGroup(this);
    AjouterOption(menuPolice, g, tr("Fond &Transparent"), 0)->setChecked(true);
    AjouterOption(menuPolice, g, tr("Fond& Coloré"), 1);
    deroulant(tr("flèche"), menuFleche, boutonFleche);
    g = new QActionGroup(this);
    AjouterOption(menuFleche, g, tr("&simple"), 0)->setChecked(true);
    AjouterOption(menuFleche, g, tr("&flèche"), 1);
    AjouterOption(menuFleche, g, tr("&double flèche"), 2);
    deroulant(tr("mode de remplissage"), menuModeRemplissage, boutonModeRemplissage);
    QMenu *espace = menuModeRemplissage->addMenu(tr("Remplir un espace..."));
    g = new QActionGroup(this);
    AjouterOption(espace, g, tr("du calque"), 0);
    AjouterOption(espace, g, tr("de l'image"), 1)->setChecked(true);
    QMenu *remplir = menuModeRemplissage->addMenu(tr("Remplir ..."));
    g = new QActionGroup(this);
    AjouterOption(remplir, g, tr("&avec la couleur du Crayon"), 0)->setChecked(true);
    AjouterOption(remplir, g, tr("&jusqu'à la couleur du crayon avec la couleur de fond"), 1);
}

void TMainForm::CreerBarreEtat()
{
    static constexpr int largeurs[] = {150, 150, 160, 95, 150};
    const QString textes[] = {QString(), tr("outil : crayon"), tr("RVBLS"), tr("mesure"), QString()};
    // The widest readouts panels 2 and 3 show: a panel widens past its
    // nominal width when the screen's font needs it, so that no readout is cut.
    const QString plusLongs[] = {QString(), QString(), QStringLiteral("RVBLS:255,255,255,765,255"),
                                 QStringLiteral("X:32767;Y:32767"), QString()};
    for (int i = 0; i < 5; ++i) {
        auto *panneau = new QLabel(textes[i], statusBar());
        panneau->setFrameShape(QFrame::Panel);
        panneau->setFrameShadow(QFrame::Sunken);
        const int marges = 2 * panneau->frameWidth() + 8;
        const int largeur = std::max(largeurs[i], panneau->fontMetrics().horizontalAdvance(plusLongs[i]) + marges);
        // The last panel takes the rest of the bar: the measurement readouts
        // (three Y axes, the shares of a triangular diagram) are long.
        if (i == 4)
            panneau->setMinimumWidth(largeur);
        else
            panneau->setFixedWidth(largeur);
        panneau->setAlignment(i == 0 ? (Qt::AlignLeft | Qt::AlignVCenter) : Qt::AlignCenter);
        statusBar()->addWidget(panneau, i == 4 ? 1 : 0);
        panneaux_[i] = panneau;
    }
}

void TMainForm::EcrirePanneau(int panneau, const QString &texte)
{
    if (panneau >= 0 && panneau < 5)
        panneaux_[panneau]->setText(texte);
}

QString TMainForm::TextePanneau(int panneau) const
{
    return panneau >= 0 && panneau < 5 ? panneaux_[panneau]->text() : QString();
}

TMDIChild *TMainForm::DocumentActif() const
{
    return qobject_cast<TMDIChild *>(zone_->currentSubWindow());
}

QList<TMDIChild *> TMainForm::Documents() const
{
    QList<TMDIChild *> documents;
    for (QMdiSubWindow *fenetre : zone_->subWindowList())
        if (auto *document = qobject_cast<TMDIChild *>(fenetre))
            documents.append(document);
    return documents;
}

int TMainForm::LargeurDispo() const
{
    // The decoding panel docks beside the client area, which is already narrower.
    return zone_->width() - 10;
}

int TMainForm::HauteurDispo() const
{
    return zone_->height() - 20;
}

TMDIChild *TMainForm::CreerDocument(const QString &titre)
{
    auto *fenetre = new TMDIChild(titre);
    fenetre->couleurFond = [this] { return CouleurFondDessin; };
    fenetre->opaciteDessin = [this] { return OpaciteDessin; };
    fenetre->espaceLibre = [this] { return QSize(LargeurDispo(), HauteurDispo()); };
    fenetre->confirmerFermeture = [this, fenetre] { return fermetureConfirmee_ || ConfirmerFermeture(fenetre); };
    connect(fenetre, &TMDIChild::CopieFaite, this, [this] { actColler->setEnabled(true); });
    // Ctrl + wheel zooms the document under the pointer by the menu's steps.
    connect(fenetre, &TMDIChild::ZoomMolette, this, [this, fenetre](bool agrandir) {
        if (DocumentActif() != fenetre)
            zone_->setActiveSubWindow(fenetre);
        if (agrandir)
            ZoomAugmenter();
        else
            ZoomDiminuer();
    });
    connect(fenetre, &TMDIChild::CouleursChangees, this, [this] {
        ColorerPanneau(panneauCouleurCrayon, CouleurCrayon);
        ColorerPanneau(panneauCouleurFond, CouleurFondDessin);
    });
    connect(fenetre, &QObject::destroyed, this, [this] { QMetaObject::invokeMethod(this, [this] { DocumentChange(); }, Qt::QueuedConnection); });
    const int deja = static_cast<int>(zone_->subWindowList().size());
    zone_->addSubWindow(fenetre);
    fenetre->show();
    // New windows cascade from the area's top-left corner, one title bar
    // lower and further right each time, starting again at the corner when the
    // next step would leave too little room: a window put in the emptiest
    // corner of the area would be fitted there to a small remainder of it.
    if (!fenetre->isMaximized()) {
        const int pas = std::max(16, fenetre->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, fenetre));
        const QSize zone = zone_->viewport()->size();
        const int rangs = std::max(1, (std::min(zone.width(), zone.height()) / 2) / pas);
        const int rang = deja % rangs;
        fenetre->move(rang * pas, rang * pas);
    }
    zone_->setActiveSubWindow(fenetre);
    actCopier->setEnabled(true);
    return fenetre;
}

TMDIChild *TMainForm::MontrerNouveauDocument(std::unique_ptr<ImageDocument> document, const QString &titreSiVide)
{
    TMDIChild *f = CreerDocument(document->titre.isEmpty() ? titreSiVide : document->titre);
    f->RemplacerDocument(std::move(document));
    f->Rafraichir();
    SynchroniserDocument();
    emit DocumentActifChange(f);
    return f;
}

void TMainForm::DocumentChange()
{
    TMDIChild *actif = DocumentActif();
    if (actif)
        SynchroniserDocument();
    else
        EtatSansDocument(false);
    emit DocumentActifChange(actif);
}

void TMainForm::EtatSansDocument(bool applicationActivee)
{
    BarreOutils->hide();
    Coul_taille->hide();
    BarreChoix->hide();
    actComptage->setEnabled(false);
    menuImage->menuAction()->setVisible(false);
    menuChoix->menuAction()->setVisible(false);
    if (applicationActivee)
        actSchema->setVisible(false);
    if (zone_->subWindowList().isEmpty())
        actCopier->setEnabled(false);
}

void TMainForm::SynchroniserDocument()
{
    TMDIChild *fenetre = DocumentActif();
    if (!fenetre)
        return;
    const ImageDocument &doc = fenetre->document();
    BarreOutils->show();
    Coul_taille->show();
    BarreChoix->show();
    menuImage->menuAction()->setVisible(true);
    menuChoix->menuAction()->setVisible(true);
    actSchema->setVisible(true);
    boutonsOutils[ImageDocument::OutilMesure]->setVisible(true);
    actComptage->setEnabled(true);
    CocherTag(menuRemplissage, doc.styleRemplissage);
    CocherTag(menuFleche, doc.styleFleche);
    CocherTag(menuStyleTrait, doc.styleTrait);
    CocherTag(menuPolice, doc.fondTexteColore ? 1 : 0);
    CocherTag(menuMesures, doc.modeMesure);
    if (doc.outilCourant >= 0 && doc.outilCourant < 10)
        boutonsOutils[doc.outilCourant]->setChecked(true);
    actCanauxAffiches->setVisible(doc.avecCanaux);
    SynchroniserLumiere();
}

bool TMainForm::event(QEvent *event)
{
    switch (event->type()) {
    case QEvent::StatusTip:
        EcrirePanneau(0, static_cast<QStatusTipEvent *>(event)->tip());
        return true;
    case QEvent::WindowActivate:
        actColler->setEnabled(true);
        if (premiereActivation_)
            QMetaObject::invokeMethod(this, &TMainForm::PremiereActivation, Qt::QueuedConnection);
        break;
    default:
        break;
    }
    return QMainWindow::event(event);
}

void TMainForm::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    ReajusterDocuments();
}

// A session without a window manager (a kiosk, a remote display) may never
// activate the frame: the one-time start-up work then runs once it is shown.
void TMainForm::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    if (premiereActivation_)
        QTimer::singleShot(200, this, &TMainForm::PremiereActivation);
}

void TMainForm::closeEvent(QCloseEvent *event)
{
    // The schema first (without a picture file it becomes a document), then
    // each document whose work is not in a file, then the results table;
    // "Annuler" (or a cancelled or failed save) stops the quitting with
    // everything still open.
    if (!ConfirmerFermetureSchema()) {
        event->ignore();
        return;
    }
    for (TMDIChild *document : Documents()) {
        if (!ConfirmerFermeture(document)) {
            event->ignore();
            return;
        }
    }
    if (!ConfirmerFermetureTableau()) {
        event->ignore();
        return;
    }
    fermetureConfirmee_ = true;
    zone_->closeAllSubWindows();
    fermetureConfirmee_ = false;
    event->accept();
}
