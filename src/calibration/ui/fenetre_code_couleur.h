#pragma once
// The colour-code definition window TFenChCodcoul ("Choix du codage des
// couleurs"): a tool window that stays on top and is not modal. On the left
// the kind of code, the two recolouring boxes and OK / Annuler; on the right
// one panel per kind. Colour picking: while the two-colour panel or the
// table of colours is shown, the window asks for samples (SaisieCouleur) and
// each colour the document hands back (RecevoirEchantillon) goes to the
// chosen panel or table row.

#include "calibration/code_couleur.h"
#include "calibration/saisie_code_couleur.h"

#include <QWidget>

#include <array>
#include <functional>
#include <optional>

class PanneauCouleur;
class QAction;
class QActionGroup;
class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QSpinBox;
class QStackedWidget;
class QTableWidget;

class TFenChCodcoul : public QWidget {
    Q_OBJECT
public:
    explicit TFenChCodcoul(QWidget *parent = nullptr);

    // Resets every kind to its defaults, fills the controls of the code's
    // kind when the code is defined, and shows the window.
    void Ouvrir(const TCodeCouleur &code);

    // The colour measured over a rectangle (or clicked) on the image while
    // picking is on: goes to the selected two-colour panel or table row.
    void RecevoirEchantillon(CouleurWin couleur);

    // The code OK would build from the controls now.
    [[nodiscard]] TCodeCouleur CodeDesControles() const;
    [[nodiscard]] bool saisieActive() const { return saisieActive_; }

    // Chooses a colour starting from the given one; nothing when cancelled.
    // The colour dialog by default; tests replace it.
    std::function<std::optional<CouleurWin>(CouleurWin)> choisirCouleur;

    // ---- Controls (the window's fields)
    QGroupBox *Typecode = nullptr;
    QButtonGroup *groupeTypes = nullptr;
    std::array<QRadioButton *, 4> types{};
    QCheckBox *Alignteinte = nullptr;
    QCheckBox *Misencouleurs = nullptr;
    QPushButton *OK = nullptr;
    QPushButton *annule = nullptr;
    QStackedWidget *pile = nullptr;

    // Kind 0.
    QWidget *Troiscan = nullptr;
    QRadioButton *vraiesCouleurs = nullptr;
    QRadioButton *faussesCouleurs = nullptr;
    std::array<QLineEdit *, 3> S_C{};
    std::array<PanneauCouleur *, 3> ChcoulC{};
    QPushButton *chcoeff = nullptr;
    QWidget *chcoeff3C = nullptr;
    std::array<QLineEdit *, 3> MinC{};
    std::array<QLineEdit *, 3> MaxC{};
    QPushButton *retourCoeff = nullptr;

    // Kind 1.
    QWidget *Pdegrade3C = nullptr;
    QLineEdit *signif3C = nullptr;
    QLineEdit *unite3C = nullptr;
    QLineEdit *Valmax3c = nullptr;
    QLineEdit *valmin3C = nullptr;
    QCheckBox *logar3C = nullptr;
    QPushButton *choixOrdre = nullptr;
    QMenu *menuOrdres = nullptr;
    QActionGroup *groupeOrdres = nullptr;
    std::array<QAction *, 6> ordres{};
    PanneauCouleur *couleurFin = nullptr;
    PanneauCouleur *couleurMil = nullptr;
    PanneauCouleur *couleurDeb = nullptr;
    QLabel *apercu3C = nullptr;

    // Kind 2.
    QWidget *Pdegrade2C = nullptr;
    QLineEdit *signif2C = nullptr;
    QLineEdit *unite2C = nullptr;
    QLineEdit *valmax2C = nullptr;
    QLineEdit *valmin2C = nullptr;
    QCheckBox *logar2C = nullptr;
    PanneauCouleur *couleurMax = nullptr;
    PanneauCouleur *couleurMin = nullptr;
    QLabel *apercu2C = nullptr;

    // Kind 3.
    QWidget *Tablval = nullptr;
    QSpinBox *nombrevals = nullptr;
    QLineEdit *signifD = nullptr;
    QLineEdit *uniteD = nullptr;
    QPushButton *couleursValeurs = nullptr;
    QWidget *PanChval = nullptr;
    QTableWidget *GrilleCouleurs = nullptr; // column 0 colours, column 1 values (valeursD)
    QLabel *ecrireval = nullptr;
    QWidget *PanDminimaxi = nullptr;
    QLineEdit *MaxiD = nullptr;
    QLineEdit *miniD = nullptr;
    QPushButton *retourTableau = nullptr;

signals:
    // OK: the code built from the controls and the two recolouring boxes.
    void CodeValide(const TCodeCouleur &code, bool alignerTeintes, bool mettreEnCouleurs);
    // Colour picking starts (true) or ends (false).
    void SaisieCouleur(bool active);
    // The window was hidden by OK or Annuler.
    void Fermee();

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    QWidget *CreerTroisCanaux();
    QWidget *CreerMiniMaxi();
    QWidget *CreerArcEnCiel();
    QWidget *CreerDeuxCouleurs();
    QWidget *CreerTableau();
    QWidget *CreerCouleursValeurs();

    void AppliquerSaisie(const SaisieCodeCouleur &s);
    [[nodiscard]] SaisieCodeCouleur LireSaisie() const;

    void ChoisirType(int type);
    void VraiesOuFausses(bool vraies);
    void ChoisirOrdre(int ordre);
    void RedessinerApercus();
    void ChoisirCible(PanneauCouleur *cible);
    void DialogueCouleur(PanneauCouleur *panneau);
    void OuvrirSousPanneau(QWidget *sousPanneau);
    void FermerSousPanneau();
    void AjusterLignesTableau();
    void ColorerCase(int ligne, CouleurWin couleur);
    void MarquerLigneCible();
    void DefinirSaisie(bool active);
    void Valider();
    void Abandonner();
    void MettreAJourCasesRecoloration();

    int type_ = CodageTroisCanaux;
    int ordre_ = 0;
    bool saisieActive_ = false;
    // Entry colours of the table, entry order (entry 0 in the bottom row).
    std::array<CouleurWin, MaxEntreesTableau> couleursTableau_{};
};
