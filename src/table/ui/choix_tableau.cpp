#include "table/ui/choix_tableau.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QVBoxLayout>

TChoix_T::TChoix_T(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("TChoix_T"));
    setWindowTitle(tr("Choix concernant le tableau"));

    Titre = new QLineEdit(tr("Titre"));
    auto *ligneTitre = new QHBoxLayout;
    ligneTitre->addWidget(new QLabel(tr("Titre :")));
    ligneTitre->addWidget(Titre);

    auto *texteType = new QLabel(tr("Choisir le type de tableau :\nAvec une seule série de valeurs par variable Y\n"
                                    "(une ou plusieurs variables Y)\n\nou plusieurs séries de valeurs\n"
                                    "(une seule variable Y autorisée dans ce cas)"));
    variables = new QRadioButton(tr("une ou plusieurs variables Y"));
    series = new QRadioButton(tr("plusieurs séries de valeurs de Y"));
    series->setObjectName(QStringLiteral("series"));
    variables->setChecked(true);
    auto *groupeType = new QButtonGroup(this);
    groupeType->addButton(variables);
    groupeType->addButton(series);
    auto *cadre = new QGroupBox(tr("Chaque nouvelle colonne est une"));
    chaqueColonne = new QLabel;
    (new QVBoxLayout(cadre))->addWidget(chaqueColonne);

    nombre_Y = new QSpinBox;
    nombre_Y->setObjectName(QStringLiteral("nombre_Y"));
    nombre_Y->setRange(1, 2);
    // Changed by its arrows only, never typed into.
    nombre_Y->findChild<QLineEdit *>()->setReadOnly(true);
    panneauY = new QWidget;
    auto *ly = new QHBoxLayout(panneauY);
    ly->setContentsMargins(0, 0, 0, 0);
    ly->addWidget(new QLabel(tr("Nombre de\nvariables Y")));
    ly->addWidget(nombre_Y);
    ly->addStretch();

    panneauSeries = new QWidget;
    parNom = new QRadioButton(tr(" leur nom"));
    parParametre = new QRadioButton(tr(" la valeur d'un  paramètre"));
    parNom->setChecked(true);
    auto *groupeSeries = new QButtonGroup(this);
    groupeSeries->addButton(parNom);
    groupeSeries->addButton(parParametre);
    groupeParametre = new QGroupBox(tr("Paramètre"));
    P_grandeur = new QLineEdit;
    P_unite = new QLineEdit;
    auto *gp = new QGridLayout(groupeParametre);
    gp->addWidget(new QLabel(tr("Grandeur")), 0, 0);
    gp->addWidget(P_grandeur, 0, 1);
    gp->addWidget(new QLabel(tr("Unité")), 1, 0);
    gp->addWidget(P_unite, 1, 1);
    auto *ls = new QVBoxLayout(panneauSeries);
    ls->setContentsMargins(0, 0, 0, 0);
    ls->addWidget(new QLabel(tr("Les séries sont définies par :")));
    ls->addWidget(parNom);
    ls->addWidget(parParametre);
    ls->addWidget(groupeParametre);

    numerique = new QRadioButton(tr(" Numérique"));
    parClasses = new QRadioButton(tr(" Par classes"));
    numerique->setChecked(true);
    auto *groupeX = new QButtonGroup(this);
    groupeX->addButton(numerique);
    groupeX->addButton(parClasses);
    auto *cadreX = new QGroupBox(tr("Abscisse (X)"));
    auto *lx = new QHBoxLayout(cadreX);
    lx->addWidget(numerique);
    lx->addWidget(parClasses);

    grilleNoms = new QTableWidget(3, 3);
    grilleNoms->horizontalHeader()->hide();
    grilleNoms->verticalHeader()->hide();
    grilleNoms->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    grilleNoms->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    for (int c = 0; c < 3; ++c)
        for (int r = 0; r < 3; ++r)
            grilleNoms->setItem(r, c, new QTableWidgetItem);
    auto fixe = [this](int r, int c, const QString &t) {
        QTableWidgetItem *item = grilleNoms->item(r, c);
        item->setText(t);
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(palette().button());
    };
    fixe(0, 0, QString());
    fixe(0, 1, QStringLiteral("X"));
    fixe(1, 0, tr("grandeur"));
    fixe(2, 0, tr("unité"));

    largCol = new QSpinBox;
    largCol->setRange(40, 300);
    largCol->setSingleStep(2);
    largCol->setValue(80);
    auto *ll = new QHBoxLayout;
    ll->addWidget(new QLabel(tr("Largeur des \ncolonnes")));
    ll->addWidget(largCol);
    ll->addStretch();

    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *v = new QVBoxLayout(this);
    v->addLayout(ligneTitre);
    v->addWidget(texteType);
    v->addWidget(variables);
    v->addWidget(series);
    v->addWidget(cadre);
    v->addWidget(panneauY);
    v->addWidget(panneauSeries);
    v->addWidget(cadreX);
    v->addWidget(grilleNoms);
    v->addLayout(ll);
    v->addWidget(boutons);
    v->setSizeConstraint(QLayout::SetFixedSize);

    for (QRadioButton *b : {variables, series, parNom, parParametre, numerique, parClasses})
        connect(b, &QRadioButton::toggled, this, &TChoix_T::MettreAJour);
    connect(nombre_Y, &QSpinBox::valueChanged, this, &TChoix_T::MettreAJour);
    connect(largCol, &QSpinBox::valueChanged, this, &TChoix_T::DisposerGrille);
    MettreAJour();
}

void TChoix_T::MettreAJour()
{
    const bool modeSeries = series->isChecked();
    if (modeSeries) {
        nombre_Y->setValue(1);
        nombre_Y->setMaximum(1);
    } else {
        nombre_Y->setMaximum(2);
    }
    chaqueColonne->setText(modeSeries ? tr("nouvelle série de valeurs de Y") : tr("nouvelle variable Yi"));
    panneauY->setVisible(!modeSeries);
    panneauSeries->setVisible(modeSeries);
    groupeParametre->setVisible(modeSeries && parParametre->isChecked());

    const int colonnes = nombre_Y->value() + 2;
    grilleNoms->setColumnCount(colonnes);
    for (int r = 0; r < grilleNoms->rowCount(); ++r)
        for (int c = 0; c < colonnes; ++c)
            if (!grilleNoms->item(r, c))
                grilleNoms->setItem(r, c, new QTableWidgetItem);
    const auto entete = [this](int c, const QString &t) {
        QTableWidgetItem *item = grilleNoms->item(0, c);
        item->setText(t);
        item->setFlags(Qt::ItemIsEnabled);
        item->setBackground(palette().button());
    };
    if (colonnes == 3) {
        entete(2, QStringLiteral("Y"));
    } else {
        entete(2, QStringLiteral("Y1"));
        entete(3, QStringLiteral("Y2"));
    }
    grilleNoms->setRowHidden(2, parClasses->isChecked());
    DisposerGrille();
}

void TChoix_T::DisposerGrille()
{
    const int largeur = largCol->value();
    for (int c = 0; c < grilleNoms->columnCount(); ++c)
        grilleNoms->setColumnWidth(c, largeur);
    const int lignes = parClasses->isChecked() ? 2 : 3;
    grilleNoms->setFixedSize((largeur + 1) * grilleNoms->columnCount() + 3,
                             (grilleNoms->rowHeight(0) + 1) * lignes + 3);
}

ChoixTableau TChoix_T::Choix() const
{
    ChoixTableau c;
    c.titre = Titre->text();
    c.series = series->isChecked();
    c.parParametre = parParametre->isChecked();
    c.xNumerique = numerique->isChecked();
    c.nbY = nombre_Y->value();
    for (int i = 0; i < 3; ++i) {
        const QTableWidgetItem *nom = grilleNoms->item(1, i + 1);
        const QTableWidgetItem *unite = grilleNoms->item(2, i + 1);
        c.noms[i] = nom ? nom->text() : QString();
        c.unites[i] = unite && c.xNumerique ? unite->text() : QString();
    }
    c.nomParametre = P_grandeur->text();
    c.uniteParametre = P_unite->text();
    c.largeurColonne = largCol->value();
    return c;
}

void TChoix_T::DefinirNom(int colonne, int ligne, const QString &texte)
{
    if (colonne < 0 || colonne > 2 || ligne < 1 || ligne > 2)
        return;
    if (colonne + 1 >= grilleNoms->columnCount())
        grilleNoms->setColumnCount(colonne + 2);
    QTableWidgetItem *item = grilleNoms->item(ligne, colonne + 1);
    if (!item) {
        item = new QTableWidgetItem;
        grilleNoms->setItem(ligne, colonne + 1, item);
    }
    item->setText(texte);
}
