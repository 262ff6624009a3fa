#pragma once
// TChoixLimit, "Choix des paramètres de sélection": the zonation dialog of a
// document. It holds the parameters of a run (coding, thresholds, growth),
// the buttons OK, Abort, "Refaire" and Close, and the results panel with one
// small coloured panel per category giving its share of the picture and its
// area. It stays on top and is not modal.

#include "calibration/echelle.h"
#include "processing/zonation.h"

#include <QDialog>

#include <vector>

class QAction;
class QButtonGroup;
class QCheckBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QSpinBox;
class QWidget;

class TChoixLimit : public QDialog {
    Q_OBJECT
public:
    explicit TChoixLimit(QWidget *parent = nullptr);

    // The parameters shown (the background colour is the caller's).
    [[nodiscard]] ParametresZonation Parametres() const;

    // Waiting for a painting (OK shown, "Refaire" hidden) or after a run.
    void AttendrePeinture();
    void ApresCalcul();

    // The results panel: one panel per category in two columns, its colour
    // the category's, its text "25 % (25 mm2)"; or the reason why nothing
    // was classified.
    void AfficherResultats(const CategoriesZonation &categories, const std::vector<QRgb> &couleurs,
                           const TEchelle &echelle, std::int64_t total, const QString &message);

    // ---- Controls
    QCheckBox *mode = nullptr;
    QCheckBox *etendu = nullptr;
    QSpinBox *NbIter = nullptr;
    QWidget *details = nullptr;
    QCheckBox *eliminer = nullptr;
    QDoubleSpinBox *seuilsigma = nullptr;
    QDoubleSpinBox *seuilsat = nullptr;
    QGroupBox *codage = nullptr;
    QButtonGroup *groupeCodage = nullptr;
    QDoubleSpinBox *delta = nullptr;
    QPushButton *OK = nullptr;
    QPushButton *annule = nullptr;
    QPushButton *refaire = nullptr;
    QPushButton *fermer = nullptr;
    QAction *menuOK = nullptr;
    QAction *menuRefaire = nullptr;
    QAction *menuDetailler = nullptr;
    QWidget *resultat = nullptr;
    QLabel *messageResultat = nullptr;
    std::vector<QLabel *> panneaux;

signals:
    void Valide();    // OK
    void Refait();    // "Refaire"
    void Termine();   // Abort, Close, or the window closed

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void Terminer();
};
