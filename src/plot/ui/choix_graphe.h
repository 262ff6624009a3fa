#pragma once
// "Choix de présentation du graphique" (Tchoixgraphe): edits the look of a
// graph on a copy, the preview graph fGraph, and hands it back on OK. Every
// change of a control is applied at once to fGraph (while EditionActive);
// the caller's graph changes only on OK. Two pages switched by "Apperçu" /
// "Choix": the three tabs "General", "Legendes", "Tous Axes" ("Tous Axes"
// first), and the preview of fGraph at the caller's size.

#include <QColor>
#include <QDialog>
#include <QFont>

#include <functional>
#include <optional>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTabWidget;
class TGraphe;
class TVueGraphe;

class Tchoixgraphe : public QDialog {
    Q_OBJECT
public:
    explicit Tchoixgraphe(QWidget *parent = nullptr);

    // Copies every setting and series of the graph into fGraph at the
    // graph's size and fills the controls from it.
    void Preparer(const TGraphe &source);
    // Controls from fGraph, EditionActive false meanwhile.
    void RemplirControles();
    // "Apperçu" / "Choix": the other page.
    void ChangerPage();

    TVueGraphe *fGraph = nullptr;
    bool EditionActive = false;

    // Colour and font dialogs, preset with the current value; nothing on
    // Cancel. Tests replace them.
    std::function<std::optional<QColor>(QWidget *, const QColor &)> ChoisirCouleur;
    std::function<std::optional<QFont>(QWidget *, const QFont &)> ChoisirFonte;

    QStackedWidget *pages = nullptr;
    QTabWidget *onglets = nullptr;
    QPushButton *apercu = nullptr;

    // "General"
    QLineEdit *titre = nullptr;
    QPushButton *fonteTitre = nullptr;
    QSpinBox *decalageTitre = nullptr;
    QPushButton *couleurGraphe = nullptr;
    QPushButton *couleurMarges = nullptr;
    QSpinBox *margeHaut = nullptr;
    QSpinBox *margeBas = nullptr;
    QSpinBox *margeGauche = nullptr;
    QSpinBox *margeDroite = nullptr;
    QCheckBox *impressionCouleur = nullptr;
    QSpinBox *impressionTaille = nullptr;
    QSpinBox *impressionX = nullptr;
    QSpinBox *impressionY = nullptr;

    // "Legendes"
    QCheckBox *montrerLegende = nullptr;
    QSpinBox *legendeGauche = nullptr;
    QSpinBox *legendeHaut = nullptr;
    QSpinBox *legendeLargeur = nullptr;
    QSpinBox *legendeHauteur = nullptr;
    QSpinBox *legendeMargeX = nullptr;
    QSpinBox *legendeMargeY = nullptr;
    QSpinBox *legendeEspace = nullptr;
    QRadioButton *traverser = nullptr;
    QRadioButton *versLeBas = nullptr;
    QCheckBox *bordure = nullptr;
    QPushButton *couleurLegende = nullptr;
    QPushButton *fonteLegende = nullptr;
    QListWidget *seriesExistantes = nullptr;
    QListWidget *etatsLegende = nullptr;

    // "Tous Axes"
    QPushButton *couleurAxes = nullptr;
    QPushButton *fonteTitreAxes = nullptr;
    QPushButton *fonteValeurs = nullptr;
    QCheckBox *afficherValeurs = nullptr;
    QCheckBox *afficherGraduations = nullptr;
    QSpinBox *longueurGraduations = nullptr;
    QSpinBox *graduationsMax = nullptr;
    QSpinBox *graduationsMin = nullptr;
    QPushButton *couleurGrille = nullptr;
    QComboBox *styleGrille = nullptr;
    QCheckBox *croixZero = nullptr;
    QSpinBox *tailleCroix = nullptr;
    QPushButton *couleurCroix = nullptr;

private:
    TGraphe &g();
    void Appliquer(const std::function<void(TGraphe &)> &modification);
    QWidget *PageGenerale();
    QWidget *PageLegendes();
    QWidget *PageAxes();
    void BrancherCouleur(QPushButton *bouton, const std::function<QColor &(TGraphe &)> &propriete);
    void BrancherFonte(QPushButton *bouton, const std::function<QFont &(TGraphe &)> &propriete);
    void BrancherEntier(QSpinBox *boite, const std::function<void(TGraphe &, int)> &ecrire);
    void BrancherCase(QCheckBox *boite, const std::function<void(TGraphe &, bool)> &ecrire);
    void ChoisirSerie();
    void ChoisirEtat();
};

// The grid-style list's items and their GridStyle values, in list order.
[[nodiscard]] int StyleDeLaListe(int indice);
[[nodiscard]] int IndiceDuStyle(int gridStyle);

// Shows the dialog modally on a copy of the graph; on OK the graph takes
// over every setting and series of the copy, on Cancel it stays as it was.
// The dialog is destroyed in both cases. Returns true.
bool EditerReglagesGraphe(QWidget *proprietaire, TGraphe &graphe);

// Tests: replaces the modal run of EditerReglagesGraphe's dialog (an empty
// function restores it). Returns whether OK was pressed.
void DefinirExecutionChoixGraphe(std::function<bool(Tchoixgraphe &)> execution);
