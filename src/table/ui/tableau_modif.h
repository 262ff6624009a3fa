#pragma once
// "Résultats" (TTableauModif): the results table window. A grid of text
// cells on the left (PanTab), its graph (xyGraph1) in the rest, the pointer
// readout (position) along the bottom. It computes totals, percentages and
// means on request, copies, saves and prints itself, and copies, prints or
// saves its graph as a calibrated picture. A single top-most tool window,
// created at start and hidden, not closed, by "Fe&rmer".
//
// The multiple measurements fill it through tableau(), choix(),
// DisposerTableau(), RafraichirGraphe() and Montrer().

#include "table/tableau_resultats.h"

#include "table/ui/services_tableau.h"

#include <QMainWindow>

#include <functional>

class QAction;
class QLabel;
class QLineEdit;
class QPrinter;
class GrilleTableau;
class ModeleGrilleTableau;
class TChoix_T;
class TVueGraphe;

class TTableauModif : public QMainWindow {
    Q_OBJECT
public:
    explicit TTableauModif(QWidget *parent = nullptr);
    ~TTableauModif() override;

    [[nodiscard]] TableauResultats &tableau() { return tableau_; }
    [[nodiscard]] TChoix_T &choix() { return *choix_; }
    [[nodiscard]] TVueGraphe &vueGraphe() { return *xyGraph1; }

    // The frame's "&Tableau": hands over the separators, shows the window,
    // and opens the setup dialog while DemanderReglage is set.
    void Montrer(QChar sepDecimal, QChar sepAutre);
    // The caption of the window and the title of the graph.
    void DefinirTitre(const QString &titre);

    // Sizes the grid and the panels after any change of size or content.
    void DisposerTableau();
    // Plots the numeric columns (the view follows cells rewritten with the
    // decimal separator).
    void RafraichirGraphe();
    // "&Tableau (grandeurs...)": the setup dialog, applied on OK.
    void ChoisirReglage();
    // After cells or the grid's size were changed from outside.
    void TableauModifie();
    // After the table's setup was applied from outside (the multiple
    // measurements, a light series): caption, menus and graph follow it.
    void ReglageApplique();

    // The values typed or sent since the table text was last saved are in
    // no file: a data cell holds something and the text differs from the
    // one last written.
    [[nodiscard]] bool DonneesNonEnregistrees() const;

    // The commands of the menus, for the frame and the tests.
    // "le &Tableau": true once the text is written (false for Cancel or a failure).
    bool EnregistrerTableau();
    void EnregistrerGraphique();
    void ImprimerTableau();
    void ImprimerGraphique();
    void AjouterLigne();
    void AjouterColonne();
    void SupprimerLigne();
    void SupprimerColonne();
    void CopierTableau();
    void CopierGraphique();
    void ToutEffacer();
    void BasculerTotaux();
    void BasculerMoyennes();
    void PresentationGraphique();
    // Display modes: 0 "&Tout", 1 "T&ableau ", 2 "&Graphe".
    void ChoisirAffichage(int mode);
    [[nodiscard]] int Affichage() const { return affichage_; }
    // The pointer readout for a graph pixel.
    void LirePosition(QPoint pixel);

    // File names asked by the save commands (title, filters, preselected
    // filter, default suffix); a file dialog unless tests replace it. Empty
    // for Cancel.
    std::function<QString(const QString &titre, const QString &filtres, const QString &filtre,
                          const QString &suffixe)>
        DemanderNomFichier;
    // The printer for "&Tableau" under "&Imprimer": a print dialog unless
    // tests replace it; false for Cancel.
    std::function<bool(QPrinter &)> PreparerImprimante;
    // Questions, error handling and picture printing of the frame.
    ServicesTableau services = ServicesTableau::ParDefaut();

    GrilleTableau *StringGrid1 = nullptr;
    QWidget *PanTab = nullptr;
    QLineEdit *Ediparam = nullptr;
    QLabel *Y_grand = nullptr;
    QLabel *Y_unit = nullptr;
    TVueGraphe *xyGraph1 = nullptr;
    QLabel *position = nullptr;

    QAction *actEnregistrerTableau = nullptr;
    QAction *actEnregistrerGraphique = nullptr;
    QAction *actImprimerTableau = nullptr;
    QAction *actImprimerGraphique = nullptr;
    QAction *actFermer = nullptr;
    QAction *actAjouterLigne = nullptr;
    QAction *actAjouterColonne = nullptr;
    QAction *actSupprimerLigne = nullptr;
    QAction *actSupprimerColonne = nullptr;
    QAction *actCopierTableau = nullptr;
    QAction *actCopierGraphique = nullptr;
    QAction *actToutEffacer = nullptr;
    QAction *actTout = nullptr;
    QAction *actTableauSeul = nullptr;
    QAction *actGrapheSeul = nullptr;
    QAction *actPresentation = nullptr;
    QAction *actReglage = nullptr;
    QAction *actTotaux = nullptr;
    QAction *actMoyennes = nullptr;

protected:
    void resizeEvent(QResizeEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    void CreerMenus();
    bool AvantTouche(int touche, int colonne, int ligne);
    void EtatGraphe();
    void Disposer();
    void PlacerEntetesSeries();
    void EditerEnteteSerie(QPoint pixel);
    void FinirEditionEntete();
    [[nodiscard]] QString NomFichier(const QString &titre, const QString &filtres, const QString &filtre,
                                     const QString &suffixe);

    TableauResultats tableau_;
    QString texteEnregistre_; // the text last written to a file
    ModeleGrilleTableau *modele_ = nullptr;
    TChoix_T *choix_ = nullptr;
    int affichage_ = 0;
    int ColonneEdition = -1;
    int LigneEdition = -1;
};
