#include "table/ui/grille_tableau.h"

#include "table/tableau_resultats.h"

#include <QApplication>
#include <QFont>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPalette>

ModeleGrilleTableau::ModeleGrilleTableau(TableauResultats &tableau, QObject *parent)
    : QAbstractTableModel(parent), tableau_(tableau)
{
}

int ModeleGrilleTableau::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : tableau_.NbLignes();
}

int ModeleGrilleTableau::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : tableau_.NbColonnes();
}

QVariant ModeleGrilleTableau::data(const QModelIndex &index, int role) const
{
    if (!index.isValid())
        return {};
    if (role == Qt::DisplayRole || role == Qt::EditRole)
        return tableau_.Cellule(index.column(), index.row());
    // A header longer than its column ("//masse (g)") reads whole here.
    if (role == Qt::ToolTipRole && index.row() < tableau_.LignesFixes()) {
        const QString texte = tableau_.Cellule(index.column(), index.row());
        return texte.isEmpty() ? QVariant() : QVariant(texte);
    }
    if (role == Qt::FontRole && index.row() < tableau_.LignesFixes()) {
        QFont gras;
        gras.setBold(true);
        return gras;
    }
    if (role == Qt::BackgroundRole) {
        if (index.row() < tableau_.LignesFixes())
            return QApplication::palette().button();
        if (tableau_.ColonneCalculee(index.column()) || tableau_.LigneTotaux(index.row()))
            return QApplication::palette().alternateBase();
    }
    return {};
}

bool ModeleGrilleTableau::setData(const QModelIndex &index, const QVariant &value, int role)
{
    if (!index.isValid() || role != Qt::EditRole)
        return false;
    tableau_.DefinirCellule(index.column(), index.row(), value.toString());
    emit dataChanged(index, index);
    return true;
}

Qt::ItemFlags ModeleGrilleTableau::flags(const QModelIndex &index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (index.row() >= tableau_.LignesFixes() && !tableau_.ColonneCalculee(index.column())
        && !tableau_.LigneTotaux(index.row()))
        f |= Qt::ItemIsEditable;
    return f;
}

void ModeleGrilleTableau::Recharger()
{
    beginResetModel();
    endResetModel();
}

void ModeleGrilleTableau::CellulesChangees()
{
    if (rowCount() > 0 && columnCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, columnCount() - 1));
}

GrilleTableau::GrilleTableau(QWidget *parent) : QTableView(parent)
{
    horizontalHeader()->hide();
    verticalHeader()->hide();
    verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    verticalHeader()->setDefaultSectionSize(22);
    horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::AnyKeyPressed
                    | QAbstractItemView::EditKeyPressed);
    setItemDelegate(new EditeurCellule(this));
}

void GrilleTableau::keyPressEvent(QKeyEvent *event)
{
    const QModelIndex c = currentIndex();
    if (c.isValid() && AvantTouche) {
        Touche t = Touche::Autre;
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            t = Touche::Entree;
        else if (event->key() == Qt::Key_Backspace)
            t = Touche::RetourArriere;
        if (t != Touche::Autre && AvantTouche(t, c.column(), c.row()))
            return;
    }
    QTableView::keyPressEvent(event);
}

EditeurCellule::EditeurCellule(GrilleTableau *grille) : QStyledItemDelegate(grille), grille_(grille) {}

bool EditeurCellule::eventFilter(QObject *objet, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        auto *touche = static_cast<QKeyEvent *>(event);
        if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
            auto *editeur = qobject_cast<QWidget *>(objet);
            if (editeur) {
                emit commitData(editeur);
                emit closeEditor(editeur, QAbstractItemDelegate::NoHint);
                const QModelIndex c = grille_->currentIndex();
                if (c.isValid() && grille_->AvantTouche)
                    grille_->AvantTouche(GrilleTableau::Touche::Entree, c.column(), c.row());
                return true;
            }
        }
    }
    return QStyledItemDelegate::eventFilter(objet, event);
}
