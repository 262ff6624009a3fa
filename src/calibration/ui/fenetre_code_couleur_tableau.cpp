// The table of values of the colour-code window: the count and texts of
// kind 3, and the panel of its colours and values, entry 0 in the bottom
// row, whose current row receives picked colours.

#include "calibration/ui/fenetre_code_couleur.h"

#include "calibration/ui/champs_code_couleur.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

using namespace champs_code_couleur;


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
