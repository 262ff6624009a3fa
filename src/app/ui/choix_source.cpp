#include "app/ui/choix_source.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QVBoxLayout>

TChoixSource::TChoixSource(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Choix de la source"));
    setModal(true);
    auto *l = new QVBoxLayout(this);
    l->addWidget(new QLabel(tr("Scanner ou caméra d'où viendront les images :"), this));
    liste = new QTreeWidget(this);
    liste->setRootIsDecorated(false);
    liste->setHeaderLabels({tr("Fabricant"), tr("Modèle"), tr("Type"), tr("Nom")});
    liste->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    liste->setMinimumSize(520, 180);
    l->addWidget(liste);
    auto *boutons = new QDialogButtonBox(this);
    choisir = boutons->addButton(tr("Choisir"), QDialogButtonBox::AcceptRole);
    boutons->addButton(tr("Annuler"), QDialogButtonBox::RejectRole);
    l->addWidget(boutons);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(liste, &QTreeWidget::itemDoubleClicked, this, &QDialog::accept);
    connect(liste, &QTreeWidget::currentItemChanged, this,
            [this](QTreeWidgetItem *courant) { choisir->setEnabled(courant != nullptr); });
}

void TChoixSource::Remplir(const QList<AppareilSane> &appareils, const QString &choisi)
{
    liste->clear();
    QTreeWidgetItem *selection = nullptr;
    for (const AppareilSane &a : appareils) {
        auto *item = new QTreeWidgetItem(liste, {a.fabricant, a.modele, a.type, a.nom});
        item->setData(0, Qt::UserRole, a.nom);
        if (!selection || a.nom == choisi)
            selection = item;
    }
    liste->setCurrentItem(selection);
    choisir->setEnabled(selection != nullptr);
}

QString TChoixSource::Choisi() const
{
    const QTreeWidgetItem *item = liste->currentItem();
    return item ? item->data(0, Qt::UserRole).toString() : QString();
}
