#include "schema/ui/schema1.h"

#include "schema/fichier_schema.h"
#include "schema/styles_fichier.h"
#include "schema/ui/choix_images.h"
#include "schema/ui/etimer.h"
#include "schema/ui/panneau_amorcage.h"
#include "schema/ui/vue_schema.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFontDialog>
#include <QHideEvent>
#include <QShowEvent>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSlider>
#include <QSpinBox>
#include <QStatusBar>
#include <QToolBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kMarge = 6; // frame of each picture's panel

QFrame *Panneau(QWidget *parent, const char *nom)
{
    auto *p = new QFrame(parent);
    p->setObjectName(QLatin1String(nom));
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setLineWidth(kMarge);
    return p;
}

// "court|long": the short part as tool tip, the long one in the status line.
void Bulle(QWidget *w, const QString &texte)
{
    const qsizetype barre = texte.indexOf(QLatin1Char('|'));
    w->setToolTip(barre < 0 ? texte : texte.left(barre));
    w->setStatusTip(barre < 0 ? texte : texte.mid(barre + 1));
}

} // namespace

TSchema1::TSchema1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Schema1"));
    setWindowTitle(tr("SCHEMA"));
    setWindowFlag(Qt::Window);

    auto *centre = new QWidget(this);
    auto *pile = new QVBoxLayout(centre);
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(2);

    reglages.ChargerStyle(StylesIntegres().front().param);
    CreerPanneauAmorcage();
    auto *ligneAmorcage = new QHBoxLayout;
    ligneAmorcage->addWidget(Choix_Amorc, 1);
    ligneAmorcage->addWidget(ChoixPoints);
    pile->addLayout(ligneAmorcage);

    ScrollBox1 = new QScrollArea(centre);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contenu = new QWidget;
    panneau_document = Panneau(contenu, "panneau_document");
    Panneau_schema = Panneau(contenu, "Panneau_schema");
    Document = new VueSchema(panneau_document);
    Document->setObjectName(QStringLiteral("Document"));
    schema = new VueSchema(Panneau_schema);
    schema->setObjectName(QStringLiteral("schema"));
    Document->move(kMarge, kMarge);
    schema->move(kMarge, kMarge);
    ScrollBox1->setWidget(contenu);
    pile->addWidget(ScrollBox1, 0);

    deroul_doc = new QScrollBar(Qt::Horizontal, centre);
    deroul_doc->setObjectName(QStringLiteral("deroul_doc"));
    Bulle(deroul_doc, tr("ascenseur|ascenseur pour accéder à la totalité de l'image"));
    deroul_doc->hide();
    pile->addWidget(deroul_doc);
    connect(deroul_doc, &QScrollBar::valueChanged, this, [this](int x) {
        Document->DefinirDecalage(x);
        schema->DefinirDecalage(x);
    });

    Commentaire = new QPlainTextEdit(centre);
    Commentaire->setObjectName(QStringLiteral("Commentaire"));
    Commentaire->setPlainText(tr("Commentaire :"));
    Commentaire->setMinimumHeight(80);
    Commentaire->hide();
    Commentaire->viewport()->installEventFilter(this);
    pile->addWidget(Commentaire, 1);
    pile->addStretch(0);
    setCentralWidget(centre);

    editexte = new QLineEdit(schema);
    editexte->setObjectName(QStringLiteral("editexte"));
    editexte->setFrame(false);
    editexte->setStyleSheet(QStringLiteral("background: aqua"));
    editexte->hide();
    connect(editexte, &QLineEdit::returnPressed, this, [this] {
        copies.AppuiSurSchema(schema->image);
        EcrireTexte(schema->VersImage(editexte->pos()));
    });

    StatusLine = new QLabel(this);
    StatusLine->setObjectName(QStringLiteral("StatusLine"));
    statusBar()->addWidget(StatusLine, 1);
    progression = new QProgressBar(this);
    progression->setMaximumWidth(200);
    progression->hide();
    statusBar()->addPermanentWidget(progression);
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString &texte) {
        if (!texte.isEmpty())
            StatusLine->setText(texte);
    });

    choixtimer = new QWidget(this);
    choixtimer->setObjectName(QStringLiteral("choixtimer"));
    auto *lt = new QHBoxLayout(choixtimer);
    lt->setContentsMargins(0, 0, 0, 0);
    lt->addWidget(new QLabel(tr("choisir la durée d'attente  (en ms) avant retraçage"), choixtimer));
    periode = new QSpinBox(choixtimer);
    periode->setRange(10, 2000);
    periode->setValue(1000);
    lt->addWidget(periode);
    auto *okTimer = new QPushButton(tr("OK"), choixtimer);
    lt->addWidget(okTimer);
    statusBar()->addPermanentWidget(choixtimer);
    choixtimer->hide();

    minuterie = new TETimer(this);
    minuterie->setInterval(500);
    connect(minuterie, &QTimer::timeout, this, [this] {
        if (TETimer::Inactivite() > 300) {
            minuterie->stop();
            Amorcer();
        }
    });
    connect(okTimer, &QPushButton::clicked, this, [this] {
        minuterie->setInterval(periode->value());
        choixtimer->hide();
    });

    suivi_ = new QTimer(this);
    suivi_->setInterval(50);
    connect(suivi_, &QTimer::timeout, this, [this] {
        progression->setValue(lignes_.load());
        if (termine_)
            suivi_->stop();
    });

    choixImages = new TChoix_images(this);
    fonteSchema = font();

    DemanderFichier = [this](const QString &titre, const QStringList &filtres) {
        QFileDialog dialogue(this, titre);
        dialogue.setOption(QFileDialog::DontUseNativeDialog, true);
        dialogue.setFileMode(QFileDialog::ExistingFile);
        dialogue.setNameFilters(filtres);
        dialogue.setLabelText(QFileDialog::Accept, tr("&Ouvrir"));
        dialogue.setLabelText(QFileDialog::Reject, tr("Annuler"));
        dialogue.setFilter(dialogue.filter() & ~QDir::CaseSensitive);
        return dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty()
                   ? dialogue.selectedFiles().front()
                   : QString();
    };

    CreerMenus();
    CreerBarres();
    BrancherOutils();

    Document->image = SchemaBlanc({1, 1});
    schema->image = SchemaBlanc({1, 1});
    copies.NouveauDocument(Document->image);
    copies.CopieSchema = schema->image;
    ChoisirOutil(0);
    DefinirEpaisseur(2);
    MettreAJourActions();
    resize(1000, 700);
}

TSchema1::~TSchema1()
{
    ArreterAmorcage();
}

const QImage &TSchema1::imageDocument() const
{
    return Document->image;
}

const QImage &TSchema1::imageSchema() const
{
    return schema->image;
}

void TSchema1::DefinirSchema(const QImage &image)
{
    schema->image = image.convertToFormat(QImage::Format_RGB32);
    schema->Actualiser();
}

void TSchema1::CreerMenus()
{
    auto action = [this](QMenu *menu, const QString &texte, auto &&faire) {
        QAction *a = menu->addAction(texte);
        connect(a, &QAction::triggered, this, faire);
        return a;
    };
    QMenu *fichier = menuBar()->addMenu(tr("&Fichier"));
    actOuvrirSchema = action(fichier, tr("&Ouvrir un schéma"), [this] {
        const QString chemin = DemanderFichier(tr("Ouvrir un schéma"),
                                               {tr("Fichiers schéma (*.spg *.smp *.scx *.sng *.sif)")});
        if (!chemin.isEmpty())
            OuvrirSchema(chemin);
    });
    QMenu *enregistrer = fichier->addMenu(tr("&Enregistrer le schéma"));
    actCommeFichierSchema = action(enregistrer, tr("comme fichier &Schéma"), [this] { EnregistrerSchema(); });
    QMenu *changer = fichier->addMenu(tr("&Changer de document"));
    actChoisirImage = action(changer, tr("&Choisir l'image"), [this] {
        if (choixImages->exec() != QDialog::Accepted || !choixImages->avecChoix())
            return;
        if (ChoisirImage && ChoisirImage(choixImages->fenetreChoisie()))
            copies.NouveauDocument(Document->image);
    });
    actOuvrirFichierImage = action(changer, tr("&Ouvrir un fichier d'image"), [this] {
        const QString chemin = DemanderFichier(tr("Ouvrir un fichier d'image"), FiltresImages);
        if (!chemin.isEmpty())
            OuvrirFichierImage(chemin);
    });
    actAbandonner = action(fichier, tr("&Abandonner"), [this] {
        Tag = 0;
        hide();
    });
    actTransferer = action(fichier, tr("&Transférer"), [this] {
        Tag = 1;
        hide();
    });

    QMenu *edition = menuBar()->addMenu(tr("&Edition"));
    actAnnuler = action(edition, tr("&Annuler"), [this] { Annuler(); });
    actAnnuler->setStatusTip(tr("Annuler"));
    actEffacer = action(edition, tr("&Effacer le schéma"), [this] {
        if (Confirmer && !Confirmer(tr("Voulez vous tout effacer ?")))
            return;
        copies.AppuiSurDocument(schema->image, Document->image);
        schema->image.fill(pinceau.fond);
        Document->image = copies.DocumentIntact;
        schema->Actualiser();
        Document->Actualiser();
    });
    actEffacer->setStatusTip(tr("tout effacer"));
    actCopierSchema = action(edition, tr("&Copier le schéma"),
                             [this] { QGuiApplication::clipboard()->setImage(schema->image); });
    actCopierDocument = action(edition, tr("Copier le &document"),
                               [this] { QGuiApplication::clipboard()->setImage(Document->image); });

    QMenu *choix = menuBar()->addMenu(tr("&Choix"));
    actTracer = choix->addAction(tr("&Tracer sur le document"));
    actTracer->setCheckable(true);
    actTracer->setChecked(true);
    connect(actTracer, &QAction::toggled, this, [this](bool coche) {
        if (!coche) {
            Document->image = copies.DocumentIntact;
            Document->Actualiser();
        }
    });
    actParametres = choix->addAction(tr("Afficher les paramètres d'amorçage"));
    actParametres->setCheckable(true);
    connect(actParametres, &QAction::toggled, this, [this](bool coche) {
        Choix_Amorc->setVisible(coche);
        DisposerSchema();
    });
    actPointsTest = choix->addAction(tr("Choix des points de test"));
    actPointsTest->setCheckable(true);
    connect(actPointsTest, &QAction::toggled, this, [this](bool coche) {
        ChoixPoints->setVisible(coche);
        DisposerSchema();
    });
    actEnregistrerParametres = action(choix, tr("Enregistrer les paramètres d'amorçage"), [this] {
        PanStyleDes->setMinimumWidth(225);
        nomstyle->show();
        nomstyle->setFocus();
    });
    actCouleur = action(choix, tr("&Couleur "), [this] { ChoisirCouleur(false); });
    actCouleurFond = action(choix, tr("C&ouleur du fond"), [this] { ChoisirCouleur(true); });
    actFonteSchema = action(choix, tr("&Fonte du schéma"), [this] { ChoisirFonte(); });
    actFonteCommentaire = action(choix, tr("Fonte du &Commentaire"), [this] {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, Commentaire->font(), this, tr("Fonte du commentaire"));
        if (ok)
            Commentaire->setFont(f);
    });
    actCommentaire = choix->addAction(tr("Afficher un commentaire"));
    actCommentaire->setCheckable(true);
    connect(actCommentaire, &QAction::toggled, this, [this](bool coche) {
        Commentaire->setVisible(coche);
        DisposerSchema();
    });
    actParDefaut = action(choix, tr("Paramètres par défaut"), [this] {
        ChargerStyle();
        Amorcer();
    });
    actTimer = action(choix, tr("Timer"), [this] { choixtimer->show(); });

    actAmorcer = menuBar()->addAction(tr("A&morcer le schéma"));
    connect(actAmorcer, &QAction::triggered, this, [this] { Amorcer(); });
}

void TSchema1::CreerBarres()
{
    QToolBar *barre2 = addToolBar(tr("Edition"));
    barre2->setObjectName(QStringLiteral("ToolBar2"));
    barre2->addAction(actAnnuler);
    barre2->addAction(actEffacer);
    barre2->addAction(actCopierSchema);
    barre2->addAction(actCopierDocument);

    QToolBar *coul = addToolBar(tr("Couleur et taille"));
    coul->setObjectName(QStringLiteral("Coul_taille"));
    couleur = new QToolButton(coul);
    couleur->setObjectName(QStringLiteral("couleur"));
    Bulle(couleur, tr("couleur|couleur du prochain trait"));
    Couleur_fond = new QToolButton(coul);
    Couleur_fond->setObjectName(QStringLiteral("Couleur_fond"));
    Bulle(Couleur_fond, tr("couleur de la gomme"));
    pan_taille = new QLabel(coul);
    pan_taille->setObjectName(QStringLiteral("pan_taille"));
    pan_taille->setFixedSize(25, 25);
    Bulle(pan_taille, tr("épaisseur du trait"));
    SpinButton1 = new QSpinBox(coul);
    SpinButton1->setObjectName(QStringLiteral("SpinButton1"));
    SpinButton1->setRange(2, 10);
    SpinButton1->setSingleStep(2);
    Bulle(SpinButton1, tr("choix de l'épaisseur|choix de l'épaisseur du trait"));
    connect(SpinButton1, &QSpinBox::valueChanged, this, [this](int w) { DefinirEpaisseur(w); });
    for (QWidget *w : {static_cast<QWidget *>(couleur), static_cast<QWidget *>(Couleur_fond),
                       static_cast<QWidget *>(pan_taille)})
        w->installEventFilter(this);
    coul->addWidget(couleur);
    coul->addWidget(Couleur_fond);
    coul->addWidget(pan_taille);
    coul->addWidget(SpinButton1);

    const auto deroulant = [coul, this](const char *nom, const QString &texte) {
        auto *b = new QToolButton(coul);
        b->setObjectName(QLatin1String(nom));
        b->setText(texte);
        b->setPopupMode(QToolButton::InstantPopup);
        b->setMenu(new QMenu(b));
        coul->addWidget(b);
        return b;
    };
    ChoixStyle = deroulant("ChoixStyle", tr("Style"));
    auto *styleTrait = new QActionGroup(this);
    actTraitsPleins = ChoixStyle->menu()->addAction(tr("traits pleins"));
    actTirets = ChoixStyle->menu()->addAction(tr("tiretés"));
    for (QAction *a : {actTraitsPleins, actTirets}) {
        a->setCheckable(true);
        styleTrait->addAction(a);
    }
    actTraitsPleins->setChecked(true);
    connect(actTirets, &QAction::toggled, this, [this](bool v) { pinceau.tirets = v; });

    ChoixForme = deroulant("ChoixForme", tr("Forme"));
    auto *formes = new QActionGroup(this);
    actRectangle = ChoixForme->menu()->addAction(tr("&Rectangle"));
    actEllipse = ChoixForme->menu()->addAction(tr("&Ellipse"));
    for (QAction *a : {actRectangle, actEllipse}) {
        a->setCheckable(true);
        formes->addAction(a);
    }
    actRectangle->setChecked(true);
    connect(actEllipse, &QAction::toggled, this, [this](bool v) { Ellipse = v; });

    choixRemplis = deroulant("choixRemplis", tr("Remplissage"));
    auto *remplissages = new QActionGroup(this);
    const QString noms[4] = {tr("vide"), tr("plein"), tr("rayure 1"), tr("rayure 2")};
    for (int i = 0; i < 4; ++i) {
        QAction *a = choixRemplis->menu()->addAction(noms[i]);
        a->setCheckable(true);
        a->setChecked(i == 0);
        remplissages->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { Remplissage = i; });
    }

    ChoixFonte = deroulant("ChoixFonte", tr("Texte"));
    connect(ChoixFonte->menu()->addAction(tr("&Fonte")), &QAction::triggered, this, [this] { ChoisirFonte(); });
    auto *fonds = new QActionGroup(this);
    actFondTransparent = ChoixFonte->menu()->addAction(tr("Fond &Transparent"));
    actFondColore = ChoixFonte->menu()->addAction(tr("Fond& Coloré"));
    for (QAction *a : {actFondTransparent, actFondColore}) {
        a->setCheckable(true);
        fonds->addAction(a);
    }
    actFondTransparent->setChecked(true);
    connect(actFondColore, &QAction::toggled, this, [this](bool v) { FondColore = v; });

    QToolBar *panel4 = new QToolBar(tr("Outils"), this);
    addToolBar(Qt::LeftToolBarArea, panel4);
    panel4->setToolButtonStyle(Qt::ToolButtonTextOnly);
    panel4->setObjectName(QStringLiteral("Panel4"));
    struct Outil {
        int tag;
        const char *nom;
        QString bulle;
    };
    const Outil liste[] = {
        {0, "SpeedButton1", tr("crayon|actif  sur le document ou le schéma")},
        {1, "SpeedButton3", tr("ligne|ligne : actif sur le document ou le schéma")},
        {2, "SpeedButton4", tr("forme|forme : actif sur le document ou le schéma")},
        {3, "SpeedButton2", tr("gomme|gomme : actif sur le schéma")},
        {4, "SpeedButton5", tr("texte|texte : actif sur le schéma")},
        {6, "pot_de_peint", tr("pot de peinture|peint une zone du schéma ")},
    };
    outils.assign(7, nullptr);
    auto *groupe = new QActionGroup(this);
    for (const Outil &o : liste) {
        auto *b = new QToolButton(panel4);
        b->setObjectName(QLatin1String(o.nom));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setText(o.bulle.left(o.bulle.indexOf(QLatin1Char('|'))));
        Bulle(b, o.bulle);
        panel4->addWidget(b);
        outils[static_cast<std::size_t>(o.tag)] = b;
        connect(b, &QToolButton::clicked, this, [this, tag = o.tag] { ChoisirOutil(tag); });
    }
    Q_UNUSED(groupe);
    outils[4]->installEventFilter(this);

    addToolBarBreak();
    QToolBar *amorce = addToolBar(tr("Amorçage"));
    amorce->setObjectName(QStringLiteral("BarreAmorcage"));
    PanStyleDes = new QWidget(amorce);
    PanStyleDes->setObjectName(QStringLiteral("PanStyleDes"));
    PanStyleDes->setMinimumWidth(137);
    auto *ls = new QHBoxLayout(PanStyleDes);
    ls->setContentsMargins(0, 0, 0, 0);
    ListeStyles = new QComboBox(PanStyleDes);
    ListeStyles->setObjectName(QStringLiteral("ListeStyles"));
    ListeStyles->setEditable(false);
    nomstyle = new QLineEdit(tr("Nouveau"), PanStyleDes);
    nomstyle->setObjectName(QStringLiteral("nomstyle"));
    nomstyle->hide();
    NvStyle = new QPushButton(tr("Enregistrer"), PanStyleDes);
    NvStyle->setObjectName(QStringLiteral("NvStyle"));
    ls->addWidget(ListeStyles, 1);
    ls->addWidget(nomstyle, 1);
    ls->addWidget(NvStyle);
    amorce->addWidget(PanStyleDes);
    connect(ListeStyles, &QComboBox::activated, this, [this] {
        ChargerStyle();
        Amorcer();
    });
    connect(NvStyle, &QPushButton::clicked, this, [this] { EnregistrerStyle(); });

    amorce->addSeparator();
    amorce->addWidget(new QLabel(tr(" clair "), amorce));
    Reglaglob = new QSlider(Qt::Horizontal, amorce);
    Reglaglob->setObjectName(QStringLiteral("Reglaglob"));
    Reglaglob->setMinimumWidth(120);
    Reglaglob->setToolTip(tr("Réglage global\nplus clair à gauche\nplus foncé à droite"));
    amorce->addWidget(Reglaglob);
    amorce->addWidget(new QLabel(tr(" foncé   contraste "), amorce));
    Reglacontrast = new QSlider(Qt::Horizontal, amorce);
    Reglacontrast->setObjectName(QStringLiteral("Reglacontrast"));
    Reglacontrast->setRange(0, 250);
    Reglacontrast->setMinimumWidth(120);
    Reglacontrast->setToolTip(tr("Réglage du contraste"));
    amorce->addWidget(Reglacontrast);
    amorce->addAction(actAmorcer);
    connect(Reglaglob, &QSlider::valueChanged, this, [this](int position) {
        const SuiteReglage s = reglages.DeplacerGlobal(position);
        Choix_Amorc->Afficher();
        Suite(s);
    });
    connect(Reglacontrast, &QSlider::valueChanged, this, [this](int position) {
        const SuiteReglage s = reglages.DeplacerContraste(position);
        Choix_Amorc->Afficher();
        Suite(s);
    });
}

void TSchema1::CreerPanneauAmorcage()
{
    Choix_Amorc = new PanneauAmorcage(reglages, this);
    Choix_Amorc->hide();
    ChoixPoints = new PanneauPoints(reglages, this);
    ChoixPoints->hide();
    connect(Choix_Amorc, &PanneauAmorcage::Suite, this, [this](SuiteReglage s) { Suite(s); });
    connect(Choix_Amorc, &PanneauAmorcage::Tester, this, [this] { Amorcer(); });
    connect(ChoixPoints->Fermer, &QPushButton::clicked, this, [this] { actPointsTest->toggle(); });
}

void TSchema1::MettreAJourActions()
{
    actCommeFichierSchema->setEnabled(!NomImageDocument.isEmpty());
}

void TSchema1::AfficherPinceau()
{
    const auto pastille = [](QRgb c) {
        QPixmap p(20, 20);
        p.fill(QColor::fromRgb(c));
        return QIcon(p);
    };
    couleur->setIcon(pastille(pinceau.couleur));
    Couleur_fond->setIcon(pastille(pinceau.fond));
    QPixmap rond(25, 25);
    rond.fill(Qt::transparent);
    QPainter peintre(&rond);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(Qt::black);
    const double r = pinceau.epaisseur / 2.0;
    peintre.drawEllipse(QPointF(13, 13), r, r);
    peintre.end();
    pan_taille->setPixmap(rond);
}

void TSchema1::DefinirEpaisseur(int w)
{
    w = std::clamp(w / 2 * 2, 2, 10);
    pinceau.epaisseur = w;
    if (SpinButton1->value() != w)
        SpinButton1->setValue(w);
    AfficherPinceau();
}

void TSchema1::ChoisirOutil(int outil)
{
    if (outil < 0 || outil >= static_cast<int>(outils.size()) || !outils[static_cast<std::size_t>(outil)])
        return;
    OutilSchema = outil;
    outils[static_cast<std::size_t>(outil)]->setChecked(true);
    // A widget of a tool bar shows or hides through its action there.
    const auto montrer = [](QWidget *w, bool visible) {
        if (auto *barre = qobject_cast<QToolBar *>(w->parentWidget()))
            for (QAction *a : barre->actions())
                if (barre->widgetForAction(a) == w)
                    a->setVisible(visible);
    };
    montrer(ChoixFonte, outil == 4);
    montrer(ChoixForme, outil == 2);
    montrer(choixRemplis, outil == 2);
    if (outil == 4) {
        editexte->setFont(fonteSchema);
        editexte->setFixedHeight(QFontMetrics(fonteSchema).height() + 2);
        TexteEnAttente = true;
    } else {
        editexte->hide();
    }
}

void TSchema1::DisposerSchema()
{
    const QSize taille = Document->image.size();
    const int w = taille.width(), h = taille.height();
    const int cw = ScrollBox1->viewport()->width();
    const int panneauH = h + 2 * kMarge;
    if (cw < 2 * (w + 2 * kMarge)) {
        const int moitie = cw / 2;
        panneau_document->setGeometry(0, 0, moitie, panneauH);
        Panneau_schema->setGeometry(moitie, 0, moitie, panneauH);
        const int visible = std::max(0, moitie - 2 * kMarge);
        Document->resize(visible, h);
        schema->resize(visible, h);
        deroul_doc->setRange(0, std::max(0, w - visible));
        deroul_doc->setPageStep(std::max(1, visible));
        deroul_doc->show();
    } else {
        const int gauche = (cw / 2 - (w + 2 * kMarge)) / 2;
        panneau_document->setGeometry(gauche, 0, w + 2 * kMarge, panneauH);
        Panneau_schema->setGeometry(cw / 2 + gauche, 0, w + 2 * kMarge, panneauH);
        Document->resize(w, h);
        schema->resize(w, h);
        deroul_doc->setValue(0);
        deroul_doc->hide();
    }
    contenu->resize(cw, panneauH);
    // The scroll box is as high as the panels when the window has room; the
    // memo, when shown, takes what is left below it.
    const int cadre = 2 * ScrollBox1->frameWidth();
    int reste = centralWidget()->height() - 8;
    if (Choix_Amorc->isVisible() || ChoixPoints->isVisible())
        reste -= std::max(Choix_Amorc->sizeHint().height(), ChoixPoints->isVisible() ? ChoixPoints->sizeHint().height() : 0);
    if (deroul_doc->isVisible())
        reste -= deroul_doc->sizeHint().height();
    if (Commentaire->isVisible())
        reste -= 80;
    ScrollBox1->setMaximumHeight(panneauH + cadre);
    ScrollBox1->setMinimumHeight(std::clamp(reste, std::min(60, panneauH + cadre), panneauH + cadre));
    Document->Actualiser();
    schema->Actualiser();
}

void TSchema1::OuvrirDepuisDocument(const QImage &image, const QString &nomFichier, const TEchelle &echelle)
{
    ArreterAmorcage();
    Document->image = image.convertToFormat(QImage::Format_RGB32);
    NomImageDocument = nomFichier;
    echelleSchema = echelle;
    setWindowTitle(tr("Schéma ") + NomImageDocument);
    Tag = 0;
    showMaximized();
    raise();
    activateWindow();
    schema->image = SchemaBlanc(Document->image.size());
    copies.CopieSchema = schema->image;
    copies.NouveauDocument(Document->image);
    actParametres->setChecked(false);
    Choix_Amorc->hide();
    deroul_doc->setValue(0);
    MettreAJourActions();
    DisposerSchema();
}

void TSchema1::DefinirImageDocument(const QImage &image, const QString &nomFichier)
{
    ArreterAmorcage();
    Document->image = image.convertToFormat(QImage::Format_RGB32);
    NomImageDocument = nomFichier;
    MettreAJourActions();
    DisposerSchema();
}

void TSchema1::Annuler()
{
    copies.Annuler(schema->image, Document->image);
    schema->Actualiser();
    Document->Actualiser();
}

void TSchema1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    MettreAJourActions();
    if (!PremiereOuverture)
        return;
    PremiereOuverture = false;
    DisposerSchema();
    const LectureStyles lecture = LireStyles(QString::fromUtf8(kNomFichierStyles));
    styles = lecture.styles;
    ListeStyles->clear();
    for (const StyleDes &s : styles)
        ListeStyles->addItem(s.nom);
    ListeStyles->setCurrentIndex(0);
    ChargerStyle();
}

void TSchema1::hideEvent(QHideEvent *event)
{
    QMainWindow::hideEvent(event);
    if (!event->spontaneous()) {
        minuterie->stop();
        emit Cache();
    }
}

void TSchema1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    DisposerSchema();
    // Once the layout has given the central area its new size.
    QTimer::singleShot(0, this, [this] { DisposerSchema(); });
}

void TSchema1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        MettreAJourActions();
}

bool TSchema1::eventFilter(QObject *objet, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (objet == couleur || objet == pan_taille) {
            ChoisirCouleur(false);
            return true;
        }
        if (objet == Couleur_fond) {
            ChoisirCouleur(true);
            return true;
        }
        if (objet == outils[4]) {
            ChoisirFonte();
            return true;
        }
        if (objet == Commentaire->viewport()) {
            actFonteCommentaire->trigger();
            return true;
        }
    }
    return QMainWindow::eventFilter(objet, event);
}
