#include "table/ui/tableau1.h"

#include "commun/ecriture_sure.h"
#include "commun/fichier_texte.h"
#include "table/impression_tableau.h"
#include "table/texte_grille.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QHeaderView>
#include <QMenuBar>
#include <QMimeData>
#include <QPrintDialog>
#include <QPrinter>
#include <QTableWidget>

#include <algorithm>

TTableau1::TTableau1(QWidget *parent) : QMainWindow(parent, Qt::Tool)
{
    setObjectName(QStringLiteral("TTableau1"));
    setWindowTitle(tr("Résultats"));
    grille = new QTableWidget(2, 1);
    grille->horizontalHeader()->hide();
    grille->verticalHeader()->hide();
    grille->setEditTriggers(QAbstractItemView::NoEditTriggers);
    grille->setSelectionBehavior(QAbstractItemView::SelectRows);
    grille->setSelectionMode(QAbstractItemView::ContiguousSelection);
    setCentralWidget(grille);

    QMenu *fichier = menuBar()->addMenu(tr("&Fichier"));
    QMenu *enregistrer = fichier->addMenu(tr("&Enregistrer"));
    actEnregistrerTout = enregistrer->addAction(tr("&Tout"), this, [this] { Enregistrer(false); });
    actEnregistrerSelection = enregistrer->addAction(tr("la partie &Sélectionnée"), this, [this] { Enregistrer(true); });
    QMenu *imprimer = fichier->addMenu(tr("&Imprimer"));
    actImprimerTout = imprimer->addAction(tr("&Tout"), this, [this] { Imprimer(false); });
    actImprimerSelection = imprimer->addAction(tr("la partie &Sélectionnée"), this, [this] { Imprimer(true); });
    QMenu *copier = menuBar()->addMenu(tr("&Copier"));
    actCopierTout = copier->addAction(tr("&Tout"), this, [this] { Copier(false); });
    actCopierSelection = copier->addAction(tr("la partie &sélectionnée"), this, [this] { Copier(true); });
    actFermer = menuBar()->addAction(tr("Fe&rmer"), this, &QWidget::hide);
    resize(420, 500);
}

void TTableau1::DefinirGrille(const std::vector<QStringList> &lignes)
{
    int colonnes = 1;
    for (const QStringList &l : lignes)
        colonnes = std::max(colonnes, static_cast<int>(l.size()));
    grille->clearContents();
    grille->setRowCount(static_cast<int>(lignes.size()));
    grille->setColumnCount(colonnes);
    for (int r = 0; r < static_cast<int>(lignes.size()); ++r)
        for (int c = 0; c < lignes[static_cast<std::size_t>(r)].size(); ++c) {
            auto *item = new QTableWidgetItem(lignes[static_cast<std::size_t>(r)][c]);
            if (r < 2)
                item->setBackground(palette().button());
            grille->setItem(r, c, item);
        }
}

std::vector<QStringList> TTableau1::Grille() const
{
    std::vector<QStringList> lignes;
    for (int r = 0; r < grille->rowCount(); ++r) {
        QStringList l;
        for (int c = 0; c < grille->columnCount(); ++c) {
            const QTableWidgetItem *item = grille->item(r, c);
            l << (item ? item->text() : QString());
        }
        lignes.push_back(l);
    }
    return lignes;
}

std::pair<int, int> TTableau1::Selection() const
{
    const auto plages = grille->selectedRanges();
    if (plages.isEmpty())
        return {-1, -1};
    int haut = plages.first().topRow();
    int bas = plages.first().bottomRow();
    for (const auto &p : plages) {
        haut = std::min(haut, p.topRow());
        bas = std::max(bas, p.bottomRow());
    }
    return {haut, bas};
}

void TTableau1::SelectionnerLignes(int premiere, int derniere)
{
    grille->clearSelection();
    grille->setRangeSelected(QTableWidgetSelectionRange(premiere, 0, derniere, grille->columnCount() - 1), true);
}

QString TTableau1::Texte(bool selection) const
{
    const auto [haut, bas] = Selection();
    if (selection && haut >= 0)
        return JoindreLignesCrLf(LignesTexteGrille(windowTitle(), Grille(), haut, bas));
    return JoindreLignesCrLf(LignesTexteGrille(windowTitle(), Grille()));
}

void TTableau1::Copier(bool selection)
{
    auto *donnees = new QMimeData;
    donnees->setText(Texte(selection));
    // The table beside the text holds the same rows: spreadsheets paste it
    // in preference to the text.
    std::vector<QStringList> lignes = Grille();
    const auto [haut, bas] = Selection();
    if (selection && haut >= 0) {
        std::vector<QStringList> choisies;
        for (int r = 0; r < std::min(2, static_cast<int>(lignes.size())); ++r)
            choisies.push_back(lignes[static_cast<std::size_t>(r)]);
        for (int r = haut; r <= std::min(bas, static_cast<int>(lignes.size()) - 1); ++r)
            choisies.push_back(lignes[static_cast<std::size_t>(r)]);
        lignes = std::move(choisies);
    }
    donnees->setHtml(HtmlGrille(windowTitle(), lignes));
    QApplication::clipboard()->setMimeData(donnees);
}

void TTableau1::Enregistrer(bool selection)
{
    QString chemin;
    if (DemanderNomFichier) {
        chemin = DemanderNomFichier();
    } else {
        QFileDialog dialogue(this, tr("Enregistrer"));
        dialogue.setAcceptMode(QFileDialog::AcceptSave);
        dialogue.setNameFilters({tr("données (*.DTX)"), tr("texte (*.TXT)"), tr("autre (*.*)")});
        dialogue.setDefaultSuffix(QStringLiteral("DTX"));
        if (dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty())
            chemin = dialogue.selectedFiles().first();
    }
    if (chemin.isEmpty())
        return;
    const QByteArray octets = EncoderWindows1252(Texte(selection));
    services.Executer(this, [&] {
        EcrireFichierSurFlux(chemin, [&](QIODevice &sortie) { EcrireOctets(sortie, octets.constData(), octets.size()); });
    });
}

void TTableau1::Imprimer(bool selection)
{
    QPrinter imprimante;
    const bool pret = PreparerImprimante ? PreparerImprimante(imprimante)
                                         : QPrintDialog(&imprimante, this).exec() == QDialog::Accepted;
    if (!pret)
        return;
    GrilleImpression g;
    g.titre = windowTitle();
    g.lignes = Grille();
    for (int c = 0; c < grille->columnCount(); ++c)
        g.largeurs.push_back(grille->columnWidth(c));
    g.hauteurLigne = grille->verticalHeader()->defaultSectionSize() - 1;
    g.taillePolice = 3 * std::max(1, grille->font().pointSize());
    g.facteur = 3;
    g.ecartTrait = 3;
    g.premiere = 1;
    g.derniere = grille->rowCount() - 1;
    const auto [haut, bas] = Selection();
    if (selection && haut >= 0) {
        g.premiere = std::max(1, haut);
        g.derniere = bas;
    }
    services.Executer(this, [&] {
        ImprimerGrille(imprimante, g, [this] {
            return services.PoserQuestion(this, tr("Le tableau sélectionné est trop large, imprimer tout de même ?"), false);
        });
    });
}
