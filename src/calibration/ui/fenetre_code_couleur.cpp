#include "calibration/ui/fenetre_code_couleur.h"

#include "calibration/decodage_couleur.h"
#include "calibration/ui/panneau_couleur.h"
#include "calibration/rampes_couleurs.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QRegularExpressionValidator>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

constexpr int LargeurApercu = 17;
constexpr int HauteurApercu = 145;

QColor EnQColor(CouleurWin c)
{
    return QColor(RougeWin(c), VertWin(c), BleuWin(c));
}

CouleurWin DeQColor(const QColor &c)
{
    return CouleurRvb(c.red(), c.green(), c.blue());
}

// Texts of a code may hold neither ";" nor ">": they would break its text form.
QLineEdit *EditTexte(QWidget *parent, int longueurMax = LongueurMaxTexteCode)
{
    auto *e = new QLineEdit(parent);
    e->setMaxLength(longueurMax);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^;>]*")), e));
    return e;
}

QLineEdit *EditNombre(QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setMaxLength(24);
    e->setValidator(
        new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[-+]?[0-9]*[.,]?[0-9]*([eE][-+]?[0-9]*)?")), e));
    return e;
}

QLabel *Note(const QStringList &lignes, QWidget *parent)
{
    auto *l = new QLabel(lignes.join(QLatin1Char('\n')), parent);
    l->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return l;
}

} // namespace

TFenChCodcoul::TFenChCodcoul(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Choix du codage des couleurs"));
    choisirCouleur = [this](CouleurWin depart) -> std::optional<CouleurWin> {
        const QColor c = QColorDialog::getColor(EnQColor(depart), this, tr("Couleur"));
        if (!c.isValid())
            return std::nullopt;
        return DeQColor(c);
    };

    auto *principal = new QHBoxLayout(this);

    // Left: kind, recolouring boxes, OK and Annuler.
    auto *gauche = new QVBoxLayout;
    Typecode = new QGroupBox(tr("Type d'encodage"), this);
    auto *typesLayout = new QVBoxLayout(Typecode);
    groupeTypes = new QButtonGroup(this);
    const QString libelles[4] = {
        tr("3 composantes représentant 3 canaux."),
        tr("1 composante définie par un dégradé \"arc en ciel\""),
        tr("1 composante définie par un dégradé de 2 couleurs"),
        tr("1 composante définie par un tableau de valeurs"),
    };
    for (int i = 0; i < 4; ++i) {
        types[static_cast<std::size_t>(i)] = new QRadioButton(libelles[i], Typecode);
        groupeTypes->addButton(types[static_cast<std::size_t>(i)], i);
        typesLayout->addWidget(types[static_cast<std::size_t>(i)]);
    }
    gauche->addWidget(Typecode);
    Alignteinte = new QCheckBox(tr(" Aligner les teintes de l'image sur le codage choisi"), this);
    Misencouleurs = new QCheckBox(tr("Mettre en couleurs suivant le niveau de gris"), this);
    gauche->addWidget(Alignteinte);
    gauche->addWidget(Misencouleurs);
    gauche->addStretch(1);
    auto *boutons = new QHBoxLayout;
    OK = new QPushButton(tr("OK"), this);
    OK->setDefault(true);
    annule = new QPushButton(tr("Annuler"), this);
    boutons->addStretch(1);
    boutons->addWidget(OK);
    boutons->addWidget(annule);
    gauche->addLayout(boutons);
    principal->addLayout(gauche);

    // Right: one panel per kind, and the two panels opened from them.
    pile = new QStackedWidget(this);
    Troiscan = CreerTroisCanaux();
    Pdegrade3C = CreerArcEnCiel();
    Pdegrade2C = CreerDeuxCouleurs();
    Tablval = CreerTableau();
    chcoeff3C = CreerMiniMaxi();
    PanChval = CreerCouleursValeurs();
    for (QWidget *w : {Troiscan, Pdegrade3C, Pdegrade2C, Tablval, chcoeff3C, PanChval})
        pile->addWidget(w);
    principal->addWidget(pile, 1);

    connect(groupeTypes, &QButtonGroup::idClicked, this, &TFenChCodcoul::ChoisirType);
    connect(Alignteinte, &QCheckBox::toggled, this, [this](bool coche) {
        if (coche)
            Misencouleurs->setChecked(false);
    });
    connect(Misencouleurs, &QCheckBox::toggled, this, [this](bool coche) {
        if (coche)
            Alignteinte->setChecked(false);
        MettreAJourCasesRecoloration();
    });
    connect(OK, &QPushButton::clicked, this, &TFenChCodcoul::Valider);
    connect(annule, &QPushButton::clicked, this, &TFenChCodcoul::Abandonner);

    AppliquerSaisie(SaisieParDefaut());
    ChoisirType(CodageTroisCanaux);
}

// ---- Panels ---------------------------------------------------------------

QWidget *TFenChCodcoul::CreerTroisCanaux()
{
    auto *w = new QWidget(this);
    auto *v = new QVBoxLayout(w);
    auto *VFCoul = new QGroupBox(tr("Composantes"), w);
    auto *vf = new QHBoxLayout(VFCoul);
    vraiesCouleurs = new QRadioButton(tr("Vraies couleurs"), VFCoul);
    faussesCouleurs = new QRadioButton(tr("Fausses couleurs"), VFCoul);
    vf->addWidget(vraiesCouleurs);
    vf->addWidget(faussesCouleurs);
    v->addWidget(VFCoul);

    auto *grille = new QGridLayout;
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        S_C[i] = EditTexte(w, 12);
        QFont gras = S_C[i]->font();
        gras.setBold(true);
        S_C[i]->setFont(gras);
        ChcoulC[i] = new PanneauCouleur(tr("Couleur Canal %1").arg(k + 1), w);
        grille->addWidget(S_C[i], k, 0);
        grille->addWidget(ChcoulC[i], k, 1);
        connect(ChcoulC[i], &PanneauCouleur::clique, this, [this, i] { DialogueCouleur(ChcoulC[i]); });
    }
    v->addLayout(grille);
    chcoeff = new QPushButton(tr("Mini et Maxi"), w);
    v->addWidget(chcoeff, 0, Qt::AlignLeft);
    v->addStretch(1);

    connect(vraiesCouleurs, &QRadioButton::clicked, this, [this] { VraiesOuFausses(true); });
    connect(faussesCouleurs, &QRadioButton::clicked, this, [this] { VraiesOuFausses(false); });
    connect(chcoeff, &QPushButton::clicked, this, [this] { OuvrirSousPanneau(chcoeff3C); });
    return w;
}

QWidget *TFenChCodcoul::CreerMiniMaxi()
{
    auto *w = new QWidget(this);
    auto *v = new QVBoxLayout(w);
    auto *grille = new QGridLayout;
    grille->addWidget(new QLabel(tr("Valeur minimale"), w), 0, 1);
    grille->addWidget(new QLabel(tr("Valeur maximale"), w), 0, 2);
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        grille->addWidget(new QLabel(tr("Canal %1").arg(k + 1), w), k + 1, 0);
        MinC[i] = EditNombre(w);
        MaxC[i] = EditNombre(w);
        grille->addWidget(MinC[i], k + 1, 1);
        grille->addWidget(MaxC[i], k + 1, 2);
    }
    v->addLayout(grille);
    v->addStretch(1);
    retourCoeff = new QPushButton(tr("Retour"), w);
    v->addWidget(retourCoeff, 0, Qt::AlignRight);
    connect(retourCoeff, &QPushButton::clicked, this, &TFenChCodcoul::FermerSousPanneau);
    return w;
}

QWidget *TFenChCodcoul::CreerArcEnCiel()
{
    auto *w = new QWidget(this);
    auto *h = new QHBoxLayout(w);
    auto *champs = new QFormLayout;
    signif3C = EditTexte(w);
    unite3C = EditTexte(w);
    Valmax3c = EditNombre(w);
    valmin3C = EditNombre(w);
    logar3C = new QCheckBox(tr("échelle logarithmique"), w);
    champs->addRow(tr("Grandeur représentée"), signif3C);
    champs->addRow(tr("Unité"), unite3C);
    champs->addRow(tr("Valeur maximale"), Valmax3c);
    champs->addRow(tr("Valeur minimale"), valmin3C);
    champs->addRow(logar3C);
    choixOrdre = new QPushButton(tr("Choix"), w);
    menuOrdres = new QMenu(choixOrdre);
    groupeOrdres = new QActionGroup(this);
    groupeOrdres->setExclusive(true);
    for (int o = 0; o < NombreOrdresArcEnCiel; ++o) {
        QAction *a = menuOrdres->addAction(LibelleOrdre(o));
        a->setCheckable(true);
        groupeOrdres->addAction(a);
        ordres[static_cast<std::size_t>(o)] = a;
        connect(a, &QAction::triggered, this, [this, o] { ChoisirOrdre(o); });
    }
    choixOrdre->setMenu(menuOrdres);
    champs->addRow(choixOrdre);
    h->addLayout(champs, 1);

    auto *cles = new QVBoxLayout;
    couleurFin = new PanneauCouleur(tr("Fin"), w);
    couleurMil = new PanneauCouleur(tr("Milieu"), w);
    couleurDeb = new PanneauCouleur(tr("Début"), w);
    cles->addWidget(couleurFin);
    cles->addStretch(1);
    cles->addWidget(couleurMil);
    cles->addStretch(1);
    cles->addWidget(couleurDeb);
    h->addLayout(cles);
    apercu3C = new QLabel(w);
    apercu3C->setFixedSize(LargeurApercu, HauteurApercu);
    apercu3C->setFrameShape(QFrame::Box);
    h->addWidget(apercu3C);
    return w;
}

QWidget *TFenChCodcoul::CreerDeuxCouleurs()
{
    auto *w = new QWidget(this);
    auto *h = new QHBoxLayout(w);
    auto *champs = new QFormLayout;
    signif2C = EditTexte(w);
    unite2C = EditTexte(w);
    valmax2C = EditNombre(w);
    valmin2C = EditNombre(w);
    logar2C = new QCheckBox(tr("échelle logarithmique"), w);
    champs->addRow(tr("Grandeur représentée"), signif2C);
    champs->addRow(tr("Unité"), unite2C);
    champs->addRow(tr("Valeur maximale"), valmax2C);
    champs->addRow(tr("Valeur minimale"), valmin2C);
    champs->addRow(logar2C);
    champs->addRow(Note({tr("Choix de la couleur:"), tr("double cliquer"), tr("sur les boutons"),
                         tr("ou cliquer sur les boutons"), tr("puis cliquer sur l'image.")},
                        w));
    h->addLayout(champs, 1);

    auto *cles = new QVBoxLayout;
    couleurMax = new PanneauCouleur(tr("Maximum"), w);
    couleurMin = new PanneauCouleur(tr("Minimum"), w);
    cles->addWidget(couleurMax);
    cles->addStretch(1);
    cles->addWidget(couleurMin);
    h->addLayout(cles);
    apercu2C = new QLabel(w);
    apercu2C->setFixedSize(LargeurApercu, HauteurApercu);
    apercu2C->setFrameShape(QFrame::Box);
    h->addWidget(apercu2C);

    for (PanneauCouleur *p : {couleurMin, couleurMax}) {
        connect(p, &PanneauCouleur::clique, this, [this, p] { ChoisirCible(p); });
        connect(p, &PanneauCouleur::doubleClique, this, [this, p] { DialogueCouleur(p); });
    }
    return w;
}

QWidget *TFenChCodcoul::CreerTableau()
{
    auto *w = new QWidget(this);
    auto *v = new QVBoxLayout(w);
    auto *champs = new QFormLayout;
    nombrevals = new QSpinBox(w);
    nombrevals->setRange(MinEntreesTableau, MaxEntreesTableau);
    signifD = EditTexte(w);
    uniteD = EditTexte(w);
    champs->addRow(tr("Nombre de couleurs"), nombrevals);
    champs->addRow(tr("Grandeur représentée"), signifD);
    champs->addRow(tr("Unité"), uniteD);
    v->addLayout(champs);
    couleursValeurs = new QPushButton(tr("Couleurs et valeurs..."), w);
    v->addWidget(couleursValeurs, 0, Qt::AlignLeft);
    v->addStretch(1);
    connect(couleursValeurs, &QPushButton::clicked, this, [this] {
        OuvrirSousPanneau(PanChval);
        if (height() < minimumSizeHint().height())
            resize(width(), minimumSizeHint().height());
        // Picked colours go to the bottom row (the first entry) until another is chosen.
        if (GrilleCouleurs->currentRow() < 0)
            GrilleCouleurs->setCurrentCell(GrilleCouleurs->rowCount() - 1, 0);
        DefinirSaisie(true);
    });
    connect(nombrevals, &QSpinBox::valueChanged, this, &TFenChCodcoul::AjusterLignesTableau);
    return w;
}

QWidget *TFenChCodcoul::CreerCouleursValeurs()
{
    auto *w = new QWidget(this);
    auto *h = new QHBoxLayout(w);
    GrilleCouleurs = new QTableWidget(w);
    GrilleCouleurs->setColumnCount(2);
    GrilleCouleurs->setHorizontalHeaderLabels({tr("Tableau des couleurs"), tr("Tableau des valeurs")});
    GrilleCouleurs->verticalHeader()->setVisible(false);
    GrilleCouleurs->verticalHeader()->setDefaultSectionSize(18);
    GrilleCouleurs->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    GrilleCouleurs->horizontalHeader()->setStretchLastSection(true);
    // A selection would hide the colour of its cell: the current row, which
    // receives picked colours, is marked by an arrow instead.
    GrilleCouleurs->setSelectionMode(QAbstractItemView::NoSelection);
    GrilleCouleurs->setMinimumWidth(300);
    h->addWidget(GrilleCouleurs, 1);

    auto *droite = new QVBoxLayout;
    droite->addWidget(Note({tr("Pour choisir les couleurs,"), tr("double cliquer sur les cases "),
                            tr("du tableau ou cliquer"), tr("sur la couleur dans l'mage.")},
                           w));
    ecrireval = Note({tr("Ecrire les valeurs "), tr("ou les intervalles"), tr("dans les cases"),
                      tr("du tableau des valeurs."), tr("(Placer les valeurs"), tr("croissantes de bas en haut)")},
                     w);
    droite->addWidget(ecrireval);
    PanDminimaxi = new QWidget(w);
    auto *minimaxi = new QFormLayout(PanDminimaxi);
    MaxiD = EditNombre(PanDminimaxi);
    miniD = EditNombre(PanDminimaxi);
    MaxiD->setText(QStringLiteral("255"));
    miniD->setText(QStringLiteral("0"));
    minimaxi->addRow(tr("Valeur maximale"), MaxiD);
    minimaxi->addRow(tr("Valeur minimale"), miniD);
    droite->addWidget(PanDminimaxi);
    droite->addStretch(1);
    retourTableau = new QPushButton(tr("Retour"), w);
    droite->addWidget(retourTableau, 0, Qt::AlignRight);
    h->addLayout(droite);

    connect(GrilleCouleurs, &QTableWidget::cellDoubleClicked, this, [this](int ligne, int colonne) {
        if (colonne != 0)
            return;
        const int n = nombrevals->value();
        const auto entree = static_cast<std::size_t>(n - 1 - ligne);
        if (const auto c = choisirCouleur(couleursTableau_[entree]))
            ColorerCase(ligne, *c);
    });
    connect(GrilleCouleurs, &QTableWidget::currentCellChanged, this, [this] { MarquerLigneCible(); });
    connect(retourTableau, &QPushButton::clicked, this, [this] {
        FermerSousPanneau();
        DefinirSaisie(false);
    });
    return w;
}

// ---- Controls and values ---------------------------------------------------

void TFenChCodcoul::AppliquerSaisie(const SaisieCodeCouleur &s)
{
    for (std::size_t k = 0; k < 3; ++k) {
        S_C[k]->setText(s.noms[k]);
        ChcoulC[k]->DefinirCouleur(s.couleurs[k]);
        MinC[k]->setText(s.minis[k]);
        MaxC[k]->setText(s.maxis[k]);
    }
    const TCodeCouleur vraies = CodeParDefaut();
    const bool sontVraies = s.noms == vraies.NomC && s.couleurs == vraies.CouleurC;
    vraiesCouleurs->setChecked(sontVraies);
    faussesCouleurs->setChecked(!sontVraies);
    for (std::size_t k = 0; k < 3; ++k) {
        S_C[k]->setReadOnly(sontVraies);
        ChcoulC[k]->setEnabled(!sontVraies);
    }

    signif3C->setText(s.grandeurArcEnCiel);
    unite3C->setText(s.uniteArcEnCiel);
    Valmax3c->setText(s.maxArcEnCiel);
    valmin3C->setText(s.minArcEnCiel);
    logar3C->setChecked(s.logArcEnCiel);
    ChoisirOrdre(s.ordre);

    signif2C->setText(s.grandeurDeuxCouleurs);
    unite2C->setText(s.uniteDeuxCouleurs);
    valmax2C->setText(s.maxDeuxCouleurs);
    valmin2C->setText(s.minDeuxCouleurs);
    logar2C->setChecked(s.logDeuxCouleurs);
    couleurMin->DefinirCouleur(s.couleurMin);
    couleurMax->DefinirCouleur(s.couleurMax);
    ChoisirCible(couleurMin);

    signifD->setText(s.grandeurTableau);
    uniteD->setText(s.uniteTableau);
    couleursTableau_ = s.couleursTableau;
    {
        const QSignalBlocker bloque(nombrevals);
        nombrevals->setValue(s.nombre);
    }
    GrilleCouleurs->setRowCount(0);
    AjusterLignesTableau();
    const int n = nombrevals->value();
    for (int i = 0; i < n; ++i)
        GrilleCouleurs->item(n - 1 - i, 1)->setText(s.libelles[static_cast<std::size_t>(i)]);
    RedessinerApercus();
}

SaisieCodeCouleur TFenChCodcoul::LireSaisie() const
{
    SaisieCodeCouleur s;
    s.type = type_;
    for (std::size_t k = 0; k < 3; ++k) {
        s.noms[k] = S_C[k]->text();
        s.couleurs[k] = ChcoulC[k]->couleur();
        s.minis[k] = MinC[k]->text();
        s.maxis[k] = MaxC[k]->text();
    }
    s.ordre = ordre_;
    s.grandeurArcEnCiel = signif3C->text();
    s.uniteArcEnCiel = unite3C->text();
    s.maxArcEnCiel = Valmax3c->text();
    s.minArcEnCiel = valmin3C->text();
    s.logArcEnCiel = logar3C->isChecked();
    s.couleurMin = couleurMin->couleur();
    s.couleurMax = couleurMax->couleur();
    s.grandeurDeuxCouleurs = signif2C->text();
    s.uniteDeuxCouleurs = unite2C->text();
    s.maxDeuxCouleurs = valmax2C->text();
    s.minDeuxCouleurs = valmin2C->text();
    s.logDeuxCouleurs = logar2C->isChecked();
    s.nombre = nombrevals->value();
    s.grandeurTableau = signifD->text();
    s.uniteTableau = uniteD->text();
    s.couleursTableau = couleursTableau_;
    const int n = nombrevals->value();
    for (int i = 0; i < n && n - 1 - i < GrilleCouleurs->rowCount(); ++i)
        if (const QTableWidgetItem *item = GrilleCouleurs->item(n - 1 - i, 1))
            s.libelles[static_cast<std::size_t>(i)] = item->text();
    return s;
}

TCodeCouleur TFenChCodcoul::CodeDesControles() const
{
    return CodeDeSaisie(LireSaisie());
}

void TFenChCodcoul::Ouvrir(const TCodeCouleur &code)
{
    if (pile->currentWidget() == chcoeff3C || pile->currentWidget() == PanChval)
        FermerSousPanneau();
    SaisieCodeCouleur s = SaisieParDefaut();
    if (code.Definie)
        RemplirSaisie(s, code);
    AppliquerSaisie(s);
    Alignteinte->setChecked(false);
    Misencouleurs->setChecked(false);
    ChoisirType(code.Definie ? int{code.TypeCodage} : int{CodageTroisCanaux});
    // Opened centred on the frame, not over its menus; once open, it stays
    // where the user put it.
    if (!isVisible()) {
        adjustSize();
        if (const QWidget *cadre = parentWidget() ? parentWidget()->window() : nullptr) {
            QRect zone = QRect(cadre->geometry().center() - QPoint(width() / 2, height() / 2), size());
            if (const QScreen *ecran = cadre->screen()) {
                const QRect libre = ecran->availableGeometry();
                zone.moveLeft(qBound(libre.left(), zone.left(), qMax(libre.left(), libre.right() - zone.width())));
                zone.moveTop(qBound(libre.top(), zone.top(), qMax(libre.top(), libre.bottom() - zone.height())));
            }
            move(zone.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
}

void TFenChCodcoul::ChoisirType(int type)
{
    type_ = std::clamp(type, 0, 3);
    types[static_cast<std::size_t>(type_)]->setChecked(true);
    QWidget *pages[4] = {Troiscan, Pdegrade3C, Pdegrade2C, Tablval};
    pile->setCurrentWidget(pages[type_]);
    MettreAJourCasesRecoloration();
    DefinirSaisie(type_ == CodageDeuxCouleurs);
}

void TFenChCodcoul::MettreAJourCasesRecoloration()
{
    const bool visibles = type_ != CodageTroisCanaux;
    Alignteinte->setVisible(visibles);
    Misencouleurs->setVisible(visibles);
    const bool minimaxi = Misencouleurs->isChecked();
    PanDminimaxi->setVisible(minimaxi);
    ecrireval->setVisible(!minimaxi);
    GrilleCouleurs->setColumnHidden(1, minimaxi);
}

void TFenChCodcoul::VraiesOuFausses(bool vraies)
{
    SaisieCodeCouleur s = LireSaisie();
    if (vraies) {
        const TCodeCouleur d = CodeParDefaut();
        s.noms = d.NomC;
        s.couleurs = d.CouleurC;
    } else {
        s.noms = {tr("Vert"), tr("Rouge"), tr("Infra-Rouge")};
        s.couleurs = {CouleurRvb(0, 255, 0), CouleurRvb(255, 0, 0), CouleurRvb(0, 0, 0)};
    }
    for (std::size_t k = 0; k < 3; ++k) {
        S_C[k]->setText(s.noms[k]);
        S_C[k]->setReadOnly(vraies);
        ChcoulC[k]->DefinirCouleur(s.couleurs[k]);
        ChcoulC[k]->setEnabled(!vraies);
    }
}

void TFenChCodcoul::ChoisirOrdre(int ordre)
{
    ordre_ = std::clamp(ordre, 0, NombreOrdresArcEnCiel - 1);
    ordres[static_cast<std::size_t>(ordre_)]->setChecked(true);
    const CouleursOrdre k = CouleursDeOrdre(ordre_);
    couleurDeb->DefinirCouleur(k.debut);
    couleurMil->DefinirCouleur(k.milieu);
    couleurFin->DefinirCouleur(k.fin);
    RedessinerApercus();
}

void TFenChCodcoul::RedessinerApercus()
{
    QImage arc(LargeurApercu, HauteurApercu, QImage::Format_ARGB32);
    RampeArcEnCiel(arc, couleurDeb->couleur(), couleurMil->couleur(), couleurFin->couleur(), false);
    apercu3C->setPixmap(QPixmap::fromImage(arc));
    QImage deux(LargeurApercu, HauteurApercu, QImage::Format_ARGB32);
    RampeDeuxCouleurs(deux, couleurMin->couleur(), couleurMax->couleur(), false);
    apercu2C->setPixmap(QPixmap::fromImage(deux));
}

void TFenChCodcoul::ChoisirCible(PanneauCouleur *cible)
{
    couleurMin->DefinirEnfonce(cible == couleurMin);
    couleurMax->DefinirEnfonce(cible == couleurMax);
}

void TFenChCodcoul::DialogueCouleur(PanneauCouleur *panneau)
{
    if (const auto c = choisirCouleur(panneau->couleur())) {
        panneau->DefinirCouleur(*c);
        RedessinerApercus();
    }
}

void TFenChCodcoul::OuvrirSousPanneau(QWidget *sousPanneau)
{
    pile->setCurrentWidget(sousPanneau);
    Typecode->setEnabled(false);
    OK->setEnabled(false);
    annule->setEnabled(false);
}

void TFenChCodcoul::FermerSousPanneau()
{
    Typecode->setEnabled(true);
    OK->setEnabled(true);
    annule->setEnabled(true);
    QWidget *pages[4] = {Troiscan, Pdegrade3C, Pdegrade2C, Tablval};
    pile->setCurrentWidget(pages[type_]);
}

void TFenChCodcoul::AjusterLignesTableau()
{
    // Entry i sits in row n - 1 - i: the first entry in the bottom row. The
    // labels move with their entries when the count changes.
    const int ancien = GrilleCouleurs->rowCount();
    std::array<QString, MaxEntreesTableau> libelles{};
    for (int i = 0; i < ancien; ++i)
        if (const QTableWidgetItem *item = GrilleCouleurs->item(ancien - 1 - i, 1))
            libelles[static_cast<std::size_t>(i)] = item->text();
    const int n = nombrevals->value();
    GrilleCouleurs->setRowCount(n);
    for (int i = 0; i < n; ++i) {
        const int ligne = n - 1 - i;
        auto *couleur = new QTableWidgetItem;
        couleur->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
        GrilleCouleurs->setItem(ligne, 0, couleur);
        auto *valeur = new QTableWidgetItem(libelles[static_cast<std::size_t>(i)]);
        valeur->setFont(QFont(QStringLiteral("Arial Narrow")));
        GrilleCouleurs->setItem(ligne, 1, valeur);
        ColorerCase(ligne, couleursTableau_[static_cast<std::size_t>(i)]);
    }
    // Every row shows without scrolling, so that the bottom row (the first
    // entry) is in sight with 16 entries too.
    const int cadre = 2 * GrilleCouleurs->frameWidth();
    GrilleCouleurs->setMinimumHeight(GrilleCouleurs->horizontalHeader()->sizeHint().height()
                                     + n * GrilleCouleurs->verticalHeader()->defaultSectionSize() + cadre);
    MarquerLigneCible();
}

void TFenChCodcoul::ColorerCase(int ligne, CouleurWin couleur)
{
    const int n = nombrevals->value();
    if (ligne < 0 || ligne >= n)
        return;
    couleursTableau_[static_cast<std::size_t>(n - 1 - ligne)] = couleur & 0x00FFFFFFu;
    if (QTableWidgetItem *item = GrilleCouleurs->item(ligne, 0)) {
        item->setBackground(EnQColor(couleur));
        item->setForeground(RougeWin(couleur) + VertWin(couleur) + BleuWin(couleur) > 253 ? Qt::black : Qt::white);
    }
}

void TFenChCodcoul::MarquerLigneCible()
{
    const int courante = GrilleCouleurs->currentRow();
    for (int ligne = 0; ligne < GrilleCouleurs->rowCount(); ++ligne)
        if (QTableWidgetItem *item = GrilleCouleurs->item(ligne, 0))
            item->setText(ligne == courante ? QStringLiteral("\u25B6") : QString());
}

void TFenChCodcoul::RecevoirEchantillon(CouleurWin couleur)
{
    if (!saisieActive_)
        return;
    if (pile->currentWidget() == Pdegrade2C) {
        PanneauCouleur *cible = couleurMax->enfonce() ? couleurMax : couleurMin;
        cible->DefinirCouleur(couleur);
        RedessinerApercus();
    } else if (pile->currentWidget() == PanChval) {
        ColorerCase(GrilleCouleurs->currentRow(), couleur);
    }
}

void TFenChCodcoul::DefinirSaisie(bool active)
{
    if (active == saisieActive_)
        return;
    saisieActive_ = active;
    emit SaisieCouleur(active);
}

void TFenChCodcoul::Valider()
{
    const TCodeCouleur code = CodeDesControles();
    DefinirSaisie(false);
    hide();
    emit CodeValide(code, Alignteinte->isChecked(), Misencouleurs->isChecked());
    emit Fermee();
}

void TFenChCodcoul::Abandonner()
{
    DefinirSaisie(false);
    hide();
    emit Fermee();
}

void TFenChCodcoul::closeEvent(QCloseEvent *event)
{
    DefinirSaisie(false);
    QWidget::closeEvent(event);
    emit Fermee();
}
