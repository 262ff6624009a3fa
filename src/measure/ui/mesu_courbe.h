#pragma once
// "Mesure d'intensité de couleur sur une ligne" (TMesu_Courbe): the profile
// window of the measuring tool's band mode. "Mesurer" samples the source
// document's band along its last measured line and draws the curve of the
// channel and quantity chosen; the graph offers a zero, the maximum, the
// conversion of the ordinate, the surface between two limits, the grids of
// all or chosen values, and copying, printing and saving of its picture.
// Created once by the frame and hidden; "&Fermer" hides it.

#include "measure/courbes_profil.h"
#include "table/ui/services_tableau.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

class ImageDocument;
class QAction;
class QCheckBox;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QStackedWidget;
class QWidget;
class TEtal;
class TRepereV;
class TTableau1;
class TVueGraphe;

class TMesu_Courbe : public QMainWindow {
    Q_OBJECT
public:
    explicit TMesu_Courbe(QWidget *parent = nullptr);

    // The document the window measures; `gardien` is the object whose
    // destruction means the document has gone (its window).
    void DefinirSource(ImageDocument *document, QObject *gardien);
    [[nodiscard]] ImageDocument *Source() const;
    // The frame's active document and its window, asked at each activation.
    std::function<std::pair<ImageDocument *, QObject *>()> DocumentActif;
    // The results grid the values are handed to.
    TTableau1 *tableau = nullptr;
    ServicesTableau services = ServicesTableau::ParDefaut();
    // Tests replace the save dialog: the chosen path, empty for Cancel.
    std::function<QString()> DemanderNomFichier;

    // "Mesurer" (both buttons of that name).
    void Mesurer();
    void Enregistrer();
    void Copier();
    void Imprimer();
    // The Y value of a graph row of the zero marker, while it is shown.
    void PoserZero(int ligne);

    TCourbesProfil modele;

    // ---- Controls
    QSpinBox *ch_larg = nullptr;
    QPushButton *boutonMesurer = nullptr;
    QRadioButton *tout = nullptr;
    QRadioButton *rouge = nullptr;
    QRadioButton *vert = nullptr;
    QRadioButton *bleu = nullptr;
    QRadioButton *emission = nullptr;
    QRadioButton *absorption = nullptr;
    QWidget *Mode_mes = nullptr;
    QRadioButton *lineaire = nullptr;
    QRadioButton *logarithmique = nullptr;
    QCheckBox *surf = nullptr;
    QWidget *panneauHaut = nullptr;
    QWidget *PanConv = nullptr;
    QPushButton *mesurerConverti = nullptr;
    QPushButton *annulerConversion = nullptr;
    QStackedWidget *panneaux = nullptr;
    TVueGraphe *Graphe = nullptr;
    QScrollArea *defilement = nullptr;
    TRepereV *limites = nullptr;
    QWidget *repereZero = nullptr; // the zero marker
    QLabel *position = nullptr;
    TEtal *etal = nullptr;
    QWidget *Tzero = nullptr;

    QMenu *menuFichier = nullptr;
    QMenu *menuGraphique = nullptr;
    QMenu *menuTableau = nullptr;
    QAction *actEnregistrer = nullptr;
    QAction *actImprimer = nullptr;
    QAction *actFermer = nullptr;
    QAction *actCopier = nullptr;
    QAction *actApparence = nullptr;
    QAction *actFondNoir = nullptr;
    QAction *actFondBlanc = nullptr;
    QAction *actMaximum = nullptr;
    QAction *actZero = nullptr;
    QAction *actConversion = nullptr;
    QAction *actComplet = nullptr;
    QAction *actValeursChoisies = nullptr;

    bool SaisieZero = false;
    bool SaisieConversion = false;

protected:
    void changeEvent(QEvent *event) override;

private:
    void LireControles();
    void Reconstruire();
    void Tracer();
    void MontrerGraphe();
    void ActiverSorties(bool actif);
    void ChoixQuantite();
    void ChoixCanal(int canal);
    void CalculerSurface();
    void Appui(QPoint pixel);
    void Deplacement(QPoint pixel);
    void FinZero(bool ok);
    void ConversionFermee();
    void MontrerGrille();
    void Maximum();

    ImageDocument *source_ = nullptr;
    QPointer<QObject> gardien_;
    double dernierMaximum_ = 100;
};
