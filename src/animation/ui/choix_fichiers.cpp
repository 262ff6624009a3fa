#include "animation/ui/choix_fichiers.h"

#include <QDialogButtonBox>
#include <QGridLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int RoleId = Qt::UserRole;

QToolButton *Bouton(QWidget *parent, const QString &texte, const QString &bulle)
{
    auto *b = new QToolButton(parent);
    b->setText(texte);
    b->setToolTip(bulle);
    b->setMinimumWidth(40);
    return b;
}

QListWidget *Liste(QWidget *parent)
{
    auto *l = new QListWidget(parent);
    l->setSelectionMode(QAbstractItemView::ExtendedSelection);
    l->setMinimumSize(200, 220);
    return l;
}

} // namespace

TChoixFic::TChoixFic(const QString &legende, QWidget *parent) : QDialog(parent)
{
    setWindowTitle(legende.isEmpty() ? tr("Choisir les images à associer dans l'animation") : legende);
    auto *grille = new QGridLayout(this);
    grille->addWidget(new QLabel(tr("Images disponibles :"), this), 0, 0);
    grille->addWidget(new QLabel(tr("Images à utiliser :"), this), 0, 2);
    disponibles = Liste(this);
    aUtiliser = Liste(this);
    grille->addWidget(disponibles, 1, 0);
    grille->addWidget(aUtiliser, 1, 2);

    auto *milieu = new QVBoxLayout;
    inclure = Bouton(this, QStringLiteral(">"), tr("inclure"));
    toutInclure = Bouton(this, QStringLiteral(">>"), tr("tout inclure"));
    exclure = Bouton(this, QStringLiteral("<"), tr("exclure"));
    toutExclure = Bouton(this, QStringLiteral("<<"), tr("tout exclure"));
    milieu->addStretch();
    for (QToolButton *b : {inclure, toutInclure, exclure, toutExclure})
        milieu->addWidget(b);
    milieu->addStretch();
    grille->addLayout(milieu, 1, 1);

    auto *fleches = new QVBoxLayout;
    monter = Bouton(this, QString(), tr("monter l'image choisie"));
    monter->setArrowType(Qt::UpArrow);
    descendre = Bouton(this, QString(), tr("descendre l'image choisie"));
    descendre->setArrowType(Qt::DownArrow);
    fleches->addStretch();
    fleches->addWidget(monter);
    fleches->addWidget(descendre);
    fleches->addStretch();
    grille->addLayout(fleches, 1, 3);

    boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    grille->addWidget(boutons, 2, 0, 1, 4);

    connect(inclure, &QToolButton::clicked, this, [this] { Deplacer(disponibles, aUtiliser, false); });
    connect(toutInclure, &QToolButton::clicked, this, [this] { Deplacer(disponibles, aUtiliser, true); });
    connect(exclure, &QToolButton::clicked, this, [this] { Deplacer(aUtiliser, disponibles, false); });
    connect(toutExclure, &QToolButton::clicked, this, [this] { Deplacer(aUtiliser, disponibles, true); });
    connect(monter, &QToolButton::clicked, this, [this] { DecalerChoisi(-1); });
    connect(descendre, &QToolButton::clicked, this, [this] { DecalerChoisi(1); });
    connect(disponibles, &QListWidget::itemDoubleClicked, this, [this] { Deplacer(disponibles, aUtiliser, false); });
    connect(aUtiliser, &QListWidget::itemDoubleClicked, this, [this] { Deplacer(aUtiliser, disponibles, false); });
    connect(aUtiliser, &QListWidget::currentRowChanged, this, [this] { MettreAJour(); });
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    MettreAJour();
}

void TChoixFic::Remplir(const QList<EntreeChoix> &entrees)
{
    disponibles->clear();
    aUtiliser->clear();
    for (const EntreeChoix &e : entrees) {
        auto *item = new QListWidgetItem(e.libelle, disponibles);
        item->setData(RoleId, e.id);
    }
    if (disponibles->count() > 0)
        disponibles->setCurrentRow(0);
    MettreAJour();
}

QList<EntreeChoix> TChoixFic::Choisis() const
{
    QList<EntreeChoix> choisis;
    for (int i = 0; i < aUtiliser->count(); ++i)
        choisis.append({aUtiliser->item(i)->text(), aUtiliser->item(i)->data(RoleId)});
    return choisis;
}

QList<QVariant> TChoixFic::IdsChoisis() const
{
    QList<QVariant> ids;
    for (const EntreeChoix &e : Choisis())
        ids.append(e.id);
    return ids;
}

void TChoixFic::DefinirMinimum(int n)
{
    minimum_ = std::max(0, n);
    MettreAJour();
}

void TChoixFic::Deplacer(QListWidget *source, QListWidget *cible, bool tout)
{
    int premier = -1;
    for (int i = 0; i < source->count();) {
        if (tout || source->item(i)->isSelected()) {
            if (premier < 0)
                premier = i;
            QListWidgetItem *item = source->takeItem(i);
            item->setSelected(false);
            cible->addItem(item);
        } else {
            ++i;
        }
    }
    if (premier >= 0 && source->count() > 0) {
        source->setCurrentRow(std::min(premier, source->count() - 1));
        source->setFocus();
    }
    MettreAJour();
}

void TChoixFic::DecalerChoisi(int sens)
{
    const int ligne = aUtiliser->currentRow();
    const int nouvelle = ligne + sens;
    if (ligne < 0 || nouvelle < 0 || nouvelle >= aUtiliser->count())
        return;
    QListWidgetItem *item = aUtiliser->takeItem(ligne);
    aUtiliser->insertItem(nouvelle, item);
    aUtiliser->setCurrentRow(nouvelle);
    MettreAJour();
}

void TChoixFic::MettreAJour()
{
    const bool aGauche = disponibles->count() > 0;
    const bool aDroite = aUtiliser->count() > 0;
    inclure->setEnabled(aGauche);
    toutInclure->setEnabled(aGauche);
    exclure->setEnabled(aDroite);
    toutExclure->setEnabled(aDroite);
    const int ligne = aUtiliser->currentRow();
    monter->setEnabled(ligne > 0);
    descendre->setEnabled(ligne >= 0 && ligne + 1 < aUtiliser->count());
    boutons->button(QDialogButtonBox::Ok)->setEnabled(aUtiliser->count() >= minimum_);
}
