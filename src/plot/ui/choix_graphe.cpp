#include "plot/ui/choix_graphe.h"

#include "plot/graphe.h"
#include "plot/ui/vue_graphe.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTabWidget>
#include <QVBoxLayout>

namespace {

// List order of the grid styles and their GridStyle values.
constexpr int kStyles[] = {0, 2, 1, 3, 4};

std::function<bool(Tchoixgraphe &)> g_execution;

QSpinBox *Boite(int mini, int maxi)
{
    auto *b = new QSpinBox;
    b->setRange(mini, maxi);
    return b;
}

// "Unbounded" boxes still hold a sane pixel or percent value.
QSpinBox *BoiteLibre()
{
    return Boite(-100000, 100000);
}

} // namespace

int StyleDeLaListe(int indice)
{
    return indice >= 0 && indice < 5 ? kStyles[indice] : 0;
}

int IndiceDuStyle(int gridStyle)
{
    for (int i = 0; i < 5; ++i)
        if (kStyles[i] == gridStyle)
            return i;
    return 0;
}

Tchoixgraphe::Tchoixgraphe(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Tchoixgraphe"));
    setWindowTitle(tr("Choix de présentation du graphique"));
    ChoisirCouleur = [](QWidget *parent, const QColor &c) -> std::optional<QColor> {
        const QColor choisie = QColorDialog::getColor(c, parent);
        if (!choisie.isValid())
            return std::nullopt;
        return choisie;
    };
    ChoisirFonte = [](QWidget *parent, const QFont &f) -> std::optional<QFont> {
        bool ok = false;
        const QFont choisie = QFontDialog::getFont(&ok, f, parent);
        if (!ok)
            return std::nullopt;
        return choisie;
    };

    fGraph = new TVueGraphe;
    onglets = new QTabWidget;
    onglets->addTab(PageGenerale(), tr("General"));
    onglets->addTab(PageLegendes(), tr("Legendes"));
    onglets->addTab(PageAxes(), tr("Tous Axes"));
    onglets->setCurrentIndex(2);

    auto *defilement = new QScrollArea;
    defilement->setWidget(fGraph);
    defilement->setAlignment(Qt::AlignCenter);
    pages = new QStackedWidget;
    pages->addWidget(onglets);
    pages->addWidget(defilement);

    apercu = new QPushButton(tr("Apperçu"));
    apercu->setObjectName(QStringLiteral("apercu"));
    connect(apercu, &QPushButton::clicked, this, &Tchoixgraphe::ChangerPage);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    boutons->addButton(apercu, QDialogButtonBox::ActionRole);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *disposition = new QVBoxLayout(this);
    disposition->addWidget(pages);
    disposition->addWidget(boutons);
}

TGraphe &Tchoixgraphe::g()
{
    return fGraph->graphe();
}

void Tchoixgraphe::Appliquer(const std::function<void(TGraphe &)> &modification)
{
    if (!EditionActive)
        return;
    modification(g());
    g().Redessiner();
}

void Tchoixgraphe::BrancherCouleur(QPushButton *bouton, const std::function<QColor &(TGraphe &)> &propriete)
{
    connect(bouton, &QPushButton::clicked, this, [this, propriete] {
        if (const auto c = ChoisirCouleur(this, propriete(g())))
            Appliquer([&](TGraphe &graphe) { propriete(graphe) = QColor(c->rgb()); });
    });
}

void Tchoixgraphe::BrancherFonte(QPushButton *bouton, const std::function<QFont &(TGraphe &)> &propriete)
{
    connect(bouton, &QPushButton::clicked, this, [this, propriete] {
        if (const auto f = ChoisirFonte(this, propriete(g())))
            Appliquer([&](TGraphe &graphe) { propriete(graphe) = *f; });
    });
}

void Tchoixgraphe::BrancherEntier(QSpinBox *boite, const std::function<void(TGraphe &, int)> &ecrire)
{
    connect(boite, &QSpinBox::valueChanged, this,
            [this, ecrire](int v) { Appliquer([&](TGraphe &graphe) { ecrire(graphe, v); }); });
}

void Tchoixgraphe::BrancherCase(QCheckBox *boite, const std::function<void(TGraphe &, bool)> &ecrire)
{
    connect(boite, &QCheckBox::toggled, this,
            [this, ecrire](bool v) { Appliquer([&](TGraphe &graphe) { ecrire(graphe, v); }); });
}

QWidget *Tchoixgraphe::PageGenerale()
{
    auto *page = new QWidget;
    titre = new QLineEdit;
    fonteTitre = new QPushButton(tr("Fonte"));
    decalageTitre = BoiteLibre();
    couleurGraphe = new QPushButton(tr("Couleur du graphe"));
    couleurMarges = new QPushButton(tr("Couleur des marges"));
    margeHaut = Boite(2, 400);
    margeBas = Boite(2, 400);
    margeGauche = Boite(2, 400);
    margeDroite = Boite(2, 400);
    impressionCouleur = new QCheckBox(tr(" Imprimer le graphe en couleur"));
    impressionTaille = BoiteLibre();
    impressionX = BoiteLibre();
    impressionY = BoiteLibre();

    auto *haut = new QGridLayout;
    haut->addWidget(new QLabel(tr("Titre")), 0, 0);
    haut->addWidget(titre, 0, 1, 1, 3);
    haut->addWidget(fonteTitre, 1, 1);
    haut->addWidget(new QLabel(tr("Décalage :")), 1, 2, Qt::AlignRight);
    haut->addWidget(decalageTitre, 1, 3);
    haut->addWidget(couleurGraphe, 2, 1);
    haut->addWidget(couleurMarges, 2, 3);

    auto *marges = new QGroupBox(tr("Marges"));
    auto *gm = new QGridLayout(marges);
    gm->addWidget(new QLabel(tr("Haut :")), 0, 0);
    gm->addWidget(margeHaut, 0, 1);
    gm->addWidget(new QLabel(tr("Bas:")), 0, 2);
    gm->addWidget(margeBas, 0, 3);
    gm->addWidget(new QLabel(tr("Gauche :")), 1, 0);
    gm->addWidget(margeGauche, 1, 1);
    gm->addWidget(new QLabel(tr("Droite :")), 1, 2);
    gm->addWidget(margeDroite, 1, 3);

    auto *impression = new QGroupBox(tr("Impression"));
    auto *gi = new QGridLayout(impression);
    gi->addWidget(impressionCouleur, 0, 0, 1, 4);
    gi->addWidget(new QLabel(tr("Taille")), 1, 0);
    gi->addWidget(impressionTaille, 1, 1);
    gi->addWidget(new QLabel(tr("(% de la page)")), 1, 2, 1, 2);
    gi->addWidget(new QLabel(tr("Décalage (%) : X")), 2, 0);
    gi->addWidget(impressionX, 2, 1);
    gi->addWidget(new QLabel(tr("Y")), 2, 2, Qt::AlignRight);
    gi->addWidget(impressionY, 2, 3);

    auto *v = new QVBoxLayout(page);
    v->addLayout(haut);
    v->addWidget(marges);
    v->addWidget(impression);
    v->addStretch();

    connect(titre, &QLineEdit::textChanged, this,
            [this](const QString &t) { Appliquer([&](TGraphe &graphe) { graphe.GraphTitle = t; }); });
    BrancherFonte(fonteTitre, [](TGraphe &graphe) -> QFont & { return graphe.CaptionFont; });
    BrancherEntier(decalageTitre, [](TGraphe &graphe, int v) { graphe.GraphTitleOffset = v; });
    BrancherCouleur(couleurGraphe, [](TGraphe &graphe) -> QColor & { return graphe.BackgroundColor; });
    BrancherCouleur(couleurMarges, [](TGraphe &graphe) -> QColor & { return graphe.MarginColor; });
    BrancherEntier(margeHaut, [](TGraphe &graphe, int v) { graphe.TopMargin = v; });
    BrancherEntier(margeBas, [](TGraphe &graphe, int v) { graphe.BottomMargin = v; });
    BrancherEntier(margeGauche, [](TGraphe &graphe, int v) { graphe.LeftMargin = v; });
    BrancherEntier(margeDroite, [](TGraphe &graphe, int v) { graphe.RightMargin = v; });
    BrancherCase(impressionCouleur, [](TGraphe &graphe, bool v) { graphe.PrintBkgndColor = v; });
    BrancherEntier(impressionTaille, [](TGraphe &graphe, int v) { graphe.PrintScalePct = v; });
    BrancherEntier(impressionX, [](TGraphe &graphe, int v) { graphe.PrintXOffsetPct = v; });
    BrancherEntier(impressionY, [](TGraphe &graphe, int v) { graphe.PrintYOffsetPct = v; });
    return page;
}

QWidget *Tchoixgraphe::PageLegendes()
{
    auto *page = new QWidget;
    montrerLegende = new QCheckBox(tr(" Montrer la légende"));
    legendeGauche = BoiteLibre();
    legendeHaut = BoiteLibre();
    legendeLargeur = BoiteLibre();
    legendeHauteur = BoiteLibre();
    legendeMargeX = BoiteLibre();
    legendeMargeY = BoiteLibre();
    legendeEspace = BoiteLibre();
    traverser = new QRadioButton(tr(" Traverser"));
    versLeBas = new QRadioButton(tr("Vers le bas"));
    bordure = new QCheckBox(tr(" Bordure"));
    couleurLegende = new QPushButton(tr("Couleur du fond"));
    fonteLegende = new QPushButton(tr("Fonte des légendes"));
    seriesExistantes = new QListWidget;
    etatsLegende = new QListWidget;
    etatsLegende->addItems({tr("non Affiché"), tr("Affichage du nom"), tr("Affiché avec point"),
                            tr("Affiché avec ligne"), tr("Affiché avec point et ligne")});

    auto *grille = new QGridLayout;
    grille->addWidget(montrerLegende, 0, 0, 1, 4);
    grille->addWidget(new QLabel(tr("Gauche")), 1, 0);
    grille->addWidget(legendeGauche, 1, 1);
    grille->addWidget(new QLabel(tr("Haut")), 1, 2);
    grille->addWidget(legendeHaut, 1, 3);
    grille->addWidget(new QLabel(tr("Largeur")), 2, 0);
    grille->addWidget(legendeLargeur, 2, 1);
    grille->addWidget(new QLabel(tr("Hauteur")), 2, 2);
    grille->addWidget(legendeHauteur, 2, 3);
    grille->addWidget(new QLabel(tr("Marge X")), 3, 0);
    grille->addWidget(legendeMargeX, 3, 1);
    grille->addWidget(new QLabel(tr("Marge Y")), 3, 2);
    grille->addWidget(legendeMargeY, 3, 3);
    // With a buddy the label reads "&&" as one "&".
    auto *espace = new QLabel(tr("Espace pour Lignes && Points:"));
    espace->setBuddy(legendeEspace);
    grille->addWidget(espace, 4, 0, 1, 2);
    grille->addWidget(legendeEspace, 4, 2);
    grille->addWidget(traverser, 5, 0);
    grille->addWidget(versLeBas, 5, 1);
    grille->addWidget(bordure, 5, 2);
    grille->addWidget(couleurLegende, 6, 0, 1, 2);
    grille->addWidget(fonteLegende, 6, 2, 1, 2);

    auto *listes = new QGridLayout;
    listes->addWidget(new QLabel(tr("Séries  existantes:")), 0, 0);
    listes->addWidget(new QLabel(tr("Etat des légendes pour les séries actuelles:")), 0, 1);
    listes->addWidget(seriesExistantes, 1, 0);
    listes->addWidget(etatsLegende, 1, 1);

    auto *v = new QVBoxLayout(page);
    v->addLayout(grille);
    v->addLayout(listes);

    BrancherCase(montrerLegende, [](TGraphe &graphe, bool v) { graphe.Legende.visible = v; });
    BrancherEntier(legendeGauche, [](TGraphe &graphe, int v) { graphe.Legende.left = v; });
    BrancherEntier(legendeHaut, [](TGraphe &graphe, int v) { graphe.Legende.top = v; });
    BrancherEntier(legendeLargeur, [](TGraphe &graphe, int v) { graphe.Legende.width = v; });
    BrancherEntier(legendeHauteur, [](TGraphe &graphe, int v) { graphe.Legende.height = v; });
    BrancherEntier(legendeMargeX, [](TGraphe &graphe, int v) { graphe.Legende.XMargin = v; });
    BrancherEntier(legendeMargeY, [](TGraphe &graphe, int v) { graphe.Legende.YMargin = v; });
    BrancherEntier(legendeEspace, [](TGraphe &graphe, int v) { graphe.Legende.SymbolSpace = v; });
    connect(traverser, &QRadioButton::toggled, this, [this](bool v) {
        if (v)
            Appliquer([](TGraphe &graphe) { graphe.Legende.Layout = 0; });
    });
    connect(versLeBas, &QRadioButton::toggled, this, [this](bool v) {
        if (v)
            Appliquer([](TGraphe &graphe) { graphe.Legende.Layout = 1; });
    });
    BrancherCase(bordure, [](TGraphe &graphe, bool v) { graphe.Legende.borderStyle = v ? 1 : 0; });
    BrancherCouleur(couleurLegende, [](TGraphe &graphe) -> QColor & { return graphe.Legende.color; });
    BrancherFonte(fonteLegende, [](TGraphe &graphe) -> QFont & { return graphe.Legende.font; });
    connect(seriesExistantes, &QListWidget::currentRowChanged, this, &Tchoixgraphe::ChoisirSerie);
    connect(etatsLegende, &QListWidget::currentRowChanged, this, &Tchoixgraphe::ChoisirEtat);
    return page;
}

QWidget *Tchoixgraphe::PageAxes()
{
    auto *page = new QWidget;
    couleurAxes = new QPushButton(tr("Couleur des axes"));
    fonteTitreAxes = new QPushButton(tr("Fonte du titre"));
    fonteValeurs = new QPushButton(tr("Fonte des légendes"));
    afficherValeurs = new QCheckBox(tr(" Afficher les valeurs"));
    afficherGraduations = new QCheckBox(tr(" Afficher les graduations"));
    longueurGraduations = Boite(0, 30);
    graduationsMax = Boite(4, 200);
    graduationsMin = Boite(1, 10);
    couleurGrille = new QPushButton(tr("Choix de la couleur"));
    styleGrille = new QComboBox;
    styleGrille->addItems({tr("Continu"), tr("Points"), tr("Tirets"), tr("Tiret Point"), tr("Tiret Point Point")});
    croixZero = new QCheckBox(tr("Placer une croix au zéro"));
    tailleCroix = Boite(0, 100);
    couleurCroix = new QPushButton(tr("Choix de la couleur"));

    auto *v = new QVBoxLayout(page);
    auto *note = new QLabel(tr("Ces choix s'appliquent à tous les Axes"));
    note->setStyleSheet(QStringLiteral("font-weight: bold"));
    v->addWidget(note);
    auto *g1 = new QGridLayout;
    g1->addWidget(couleurAxes, 0, 0);
    g1->addWidget(fonteTitreAxes, 0, 1);
    g1->addWidget(fonteValeurs, 0, 2);
    g1->addWidget(afficherValeurs, 1, 0);
    g1->addWidget(afficherGraduations, 1, 1);
    g1->addWidget(new QLabel(tr("Longueur des graduations:")), 2, 0);
    g1->addWidget(longueurGraduations, 2, 1);
    g1->addWidget(new QLabel(tr("graduations Max / Min")), 3, 0);
    auto *maxMin = new QHBoxLayout;
    maxMin->addWidget(graduationsMax);
    maxMin->addWidget(graduationsMin);
    g1->addLayout(maxMin, 3, 1);
    v->addLayout(g1);
    auto *quadrillage = new QGroupBox(tr("Quadrillage"));
    auto *gq = new QGridLayout(quadrillage);
    gq->addWidget(couleurGrille, 0, 0);
    gq->addWidget(new QLabel(tr("Style:")), 0, 1, Qt::AlignRight);
    gq->addWidget(styleGrille, 0, 2);
    v->addWidget(quadrillage);
    auto *croix = new QHBoxLayout;
    croix->addWidget(croixZero);
    croix->addWidget(new QLabel(tr("taille")));
    croix->addWidget(tailleCroix);
    croix->addWidget(couleurCroix);
    v->addLayout(croix);
    v->addStretch();

    BrancherCouleur(couleurAxes, [](TGraphe &graphe) -> QColor & { return graphe.AxesColor; });
    BrancherFonte(fonteTitreAxes, [](TGraphe &graphe) -> QFont & { return graphe.TitleFont; });
    BrancherFonte(fonteValeurs, [](TGraphe &graphe) -> QFont & { return graphe.LabelFont; });
    BrancherCase(afficherValeurs, [](TGraphe &graphe, bool v) { graphe.ShowGraphLabels = v; });
    BrancherCase(afficherGraduations, [](TGraphe &graphe, bool v) { graphe.ShowTicks = v; });
    BrancherEntier(longueurGraduations, [](TGraphe &graphe, int v) { graphe.TickLength = v; });
    // A refused count springs back in its box.
    connect(graduationsMax, &QSpinBox::valueChanged, this, [this](int v) {
        if (!EditionActive)
            return;
        if (!g().DefinirMaxSteps(v)) {
            const QSignalBlocker bloque(graduationsMax);
            graduationsMax->setValue(g().MaxSteps());
            return;
        }
        g().Redessiner();
    });
    connect(graduationsMin, &QSpinBox::valueChanged, this, [this](int v) {
        if (!EditionActive)
            return;
        if (!g().DefinirMinSteps(v)) {
            const QSignalBlocker bloque(graduationsMin);
            graduationsMin->setValue(g().MinSteps());
            return;
        }
        g().Redessiner();
    });
    BrancherCouleur(couleurGrille, [](TGraphe &graphe) -> QColor & { return graphe.GridColor; });
    connect(styleGrille, &QComboBox::currentIndexChanged, this,
            [this](int i) { Appliquer([i](TGraphe &graphe) { graphe.GridStyle = StyleDeLaListe(i); }); });
    BrancherCase(croixZero, [](TGraphe &graphe, bool v) { graphe.CrossAtZero = v; });
    BrancherEntier(tailleCroix, [](TGraphe &graphe, int v) { graphe.Crosslength = v; });
    BrancherCouleur(couleurCroix, [](TGraphe &graphe) -> QColor & { return graphe.CrossColor; });
    return page;
}

void Tchoixgraphe::Preparer(const TGraphe &source)
{
    g().CopierDe(source, false);
    fGraph->setFixedSize(source.Taille().expandedTo(QSize(1, 1)));
    g().DefinirTaille(source.Taille());
    g().Redessiner();
    RemplirControles();
}

void Tchoixgraphe::RemplirControles()
{
    EditionActive = false;
    const TGraphe &graphe = g();
    titre->setText(graphe.GraphTitle);
    decalageTitre->setValue(graphe.GraphTitleOffset);
    margeHaut->setValue(graphe.TopMargin);
    margeBas->setValue(graphe.BottomMargin);
    margeGauche->setValue(graphe.LeftMargin);
    margeDroite->setValue(graphe.RightMargin);
    longueurGraduations->setValue(graphe.TickLength);
    afficherValeurs->setChecked(graphe.ShowGraphLabels);
    afficherGraduations->setChecked(graphe.ShowTicks);
    graduationsMax->setValue(graphe.MaxSteps());
    graduationsMin->setValue(graphe.MinSteps());
    styleGrille->setCurrentIndex(IndiceDuStyle(graphe.GridStyle));
    impressionTaille->setValue(graphe.PrintScalePct);
    impressionX->setValue(graphe.PrintXOffsetPct);
    impressionY->setValue(graphe.PrintYOffsetPct);
    impressionCouleur->setChecked(graphe.PrintBkgndColor);
    croixZero->setChecked(graphe.CrossAtZero);
    tailleCroix->setValue(graphe.Crosslength);

    const LegendeGraphe &L = graphe.Legende;
    montrerLegende->setChecked(L.visible);
    legendeGauche->setValue(L.left);
    legendeHaut->setValue(L.top);
    legendeLargeur->setValue(L.width);
    legendeHauteur->setValue(L.height);
    legendeMargeX->setValue(L.XMargin);
    legendeMargeY->setValue(L.YMargin);
    legendeEspace->setValue(L.SymbolSpace);
    // No button is checked for a layout other than 0 or 1.
    traverser->setAutoExclusive(false);
    versLeBas->setAutoExclusive(false);
    traverser->setChecked(L.Layout == 0);
    versLeBas->setChecked(L.Layout == 1);
    traverser->setAutoExclusive(true);
    versLeBas->setAutoExclusive(true);
    bordure->setChecked(L.borderStyle == 1);

    seriesExistantes->clear();
    for (const auto &[numero, serie] : graphe.Series()) {
        auto *item = new QListWidgetItem(serie.nom, seriesExistantes);
        item->setData(Qt::UserRole, numero);
    }
    etatsLegende->setEnabled(seriesExistantes->count() > 0);
    if (seriesExistantes->count() > 0 && seriesExistantes->currentRow() < 0)
        seriesExistantes->setCurrentRow(0);
    if (seriesExistantes->currentItem()) {
        const SerieGraphe *s = graphe.TrouverSerie(seriesExistantes->currentItem()->data(Qt::UserRole).toInt());
        etatsLegende->setCurrentRow(s ? static_cast<int>(s->etatLegende) : -1);
    }
    EditionActive = true;
}

void Tchoixgraphe::ChoisirSerie()
{
    if (!EditionActive || !etatsLegende->isEnabled() || !seriesExistantes->currentItem())
        return;
    const SerieGraphe *s = g().TrouverSerie(seriesExistantes->currentItem()->data(Qt::UserRole).toInt());
    if (!s)
        return;
    const QSignalBlocker bloque(etatsLegende);
    etatsLegende->setCurrentRow(static_cast<int>(s->etatLegende));
}

void Tchoixgraphe::ChoisirEtat()
{
    if (!EditionActive || !etatsLegende->isEnabled() || !seriesExistantes->currentItem())
        return;
    const int etat = etatsLegende->currentRow();
    if (etat < 0 || etat > 4)
        return;
    const int numero = seriesExistantes->currentItem()->data(Qt::UserRole).toInt();
    Appliquer([&](TGraphe &graphe) { graphe.Serie(numero).etatLegende = static_cast<EtatLegende>(etat); });
}

void Tchoixgraphe::ChangerPage()
{
    pages->setCurrentIndex((pages->currentIndex() + 1) % 2);
    apercu->setText(pages->currentIndex() == 1 ? tr("Choix") : tr("Apperçu"));
}

void DefinirExecutionChoixGraphe(std::function<bool(Tchoixgraphe &)> execution)
{
    g_execution = std::move(execution);
}

bool EditerReglagesGraphe(QWidget *proprietaire, TGraphe &graphe)
{
    auto *dialogue = new Tchoixgraphe(proprietaire);
    dialogue->Preparer(graphe);
    const bool ok = g_execution ? g_execution(*dialogue) : dialogue->exec() == QDialog::Accepted;
    if (ok)
        graphe.CopierDe(dialogue->fGraph->graphe());
    delete dialogue;
    graphe.Redessiner();
    return true;
}
