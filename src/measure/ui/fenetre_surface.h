#pragma once
// The surface window "Mesure de surface" / "Délimitation d'objets": the
// conditions in numbered tabs, filled by hand or from clicks of the
// measuring tool, the options of the object measurement, the results and
// the object table. It is bound to one document at a time.

#include "measure/conditions_surface.h"
#include "measure/mesure_objets.h"

#include <QDialog>
#include <QMessageBox>

#include <functional>

class ImageDocument;
class QCheckBox;
class QComboBox;
class QGroupBox;
class QLabel;
class QMenu;
class QMenuBar;
class QPushButton;
class QSpinBox;
class QTabBar;
class QTableWidget;
class QWidget;
class TEtiquette2;

class TMesursurf : public QDialog {
    Q_OBJECT
public:
    explicit TMesursurf(QWidget *parent = nullptr);

    // Binds the window to a document for measurement type 1 (surface) or 5
    // (objects), shows it and prepares its lists (PreparerMesureSurface).
    // `redessiner` repaints the document after a measurement or a reset.
    void Lier(ImageDocument *document, int typeMesure, std::function<void()> redessiner);
    void Delier(const ImageDocument *document);
    [[nodiscard]] ImageDocument *Document() const { return document_; }
    [[nodiscard]] int TypeMesure() const { return typeMesure_; }

    // A press of the measuring tool at the image pixel (x, y): fills
    // conditions from the zone under the pen tip, by the filling mode.
    void ClicImage(int x, int y, const QImage &pointe);

    // "Mesurer": stores the shown tab, checks, groups and measures.
    void Mesurer();

    // Asks the user (tests replace it): returns the button pressed.
    std::function<QMessageBox::StandardButton(QMessageBox::Icon, const QString &, QMessageBox::StandardButtons)>
        demander;

    ConditionsSurface conditions;
    OptionsObjets options;

    // Controls, named as in the program.
    QMenuBar *menus;
    QMenu *menuMesurer, *menuNombre, *menuChoix;
    QAction *actAjouter, *actInserer, *actSupprimer, *actCouleur, *actChoixDivers, *actMasquerChoix, *actReduire,
        *actCopier;
    QLabel *Labinstruct, *Labinstruct2, *resultat;
    TEtiquette2 *Resusurf;
    QTabBar *onglets;
    QComboBox *ChoixLien, *ChoixComposante, *ChoixPar, *ChoixMode, *ChoixAuto;
    QSpinBox *ChoixValMin, *ChoixValmax;
    QWidget *panneauConditions, *panneauModes, *colonne;
    QPushButton *BAnnule, *BInclure, *BExclure, *BRAZ, *BAgrandir, *BRetrecir, *BMesurer, *BCopier, *BPas;
    QTableWidget *TableauTailles;
    QGroupBox *boiteChoix;
    QSpinBox *TailleMin;
    QLabel *TailleMiniE;
    QCheckBox *ResuStat, *TraceLargeur, *Marquer, *RegroupEmboites, *CompteIncomplets;
    QPushButton *BChoixOK;

    [[nodiscard]] bool TailleReduite() const { return tailleReduite_; }
    void Reduire(bool reduite);

private:
    void ReconstruireOnglets(int afficher);
    void AfficherCondition(int n);
    // Stores the shown values; false when refused (the tab stays).
    bool EnregistrerOngletCourant();
    void ChangerOnglet(int n);
    void AfficherTableau(const ::TableauTailles &tableau);
    void MettreAJourTailleMin();
    // The options as the box " Choix de limitation et de tracé " shows them.
    void LireOptions();
    void CopierTableau();

    ImageDocument *document_ = nullptr;
    int typeMesure_ = 1;
    std::function<void()> redessiner_;
    int ongletAffiche_ = 0;
    bool changementInterne_ = false;
    bool tailleReduite_ = false;
    double facteurMesure_ = 1.0;
    QString uniteMesure_;
    ::TableauTailles tableau_;
};
