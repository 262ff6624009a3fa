#pragma once
// "Composer une image" (TCombialg): the algebraic combination of two or three
// open pictures, with a live preview. The preview is computed on reduced
// copies of the pictures, so that each change of a control shows at once on
// large pictures; OK computes the result exactly on the whole pictures.

#include "processing/combinaison_algebrique.h"

#include <QDialog>
#include <QImage>
#include <QList>
#include <QString>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QDoubleSpinBox;
class QGroupBox;
class QLabel;
class QRadioButton;
class QWidget;

// An open document offered in the lists.
struct ImageProposee {
    QString titre;
    QImage image;
};

class TCombialg : public QDialog {
    Q_OBJECT
public:
    explicit TCombialg(QWidget *parent = nullptr);

    // Fills the lists (the active document first) and lays the dialog out:
    // with three documents or more the group " Image 3 ", "Activé" and the
    // channel box are shown. Then, with "Aperçu" checked, the preview.
    void Preparer(const QList<ImageProposee> &images);

    // The settings of the controls, the chosen pictures (index into the
    // list, image 3 -1 when it does not take part).
    [[nodiscard]] ParametresCombinaison Parametres() const;
    [[nodiscard]] int ChoixImage1() const;
    [[nodiscard]] int ChoixImage2() const;
    [[nodiscard]] int ChoixImage3() const;
    // The size of the result: the common area of the chosen pictures.
    [[nodiscard]] QSize TailleResultat() const;
    // The exact combination with the current settings.
    [[nodiscard]] ResultatCombinaison Calculer() const;

    // The preview shown, null when none.
    [[nodiscard]] QImage Apercu() const { return apercu_; }

    QComboBox *Image1 = nullptr;
    QComboBox *Image2 = nullptr;
    QComboBox *Image3 = nullptr;
    QDoubleSpinBox *coefim1 = nullptr;
    QDoubleSpinBox *coefim2 = nullptr;
    QDoubleSpinBox *coefim3 = nullptr;
    QRadioButton *ajouter2 = nullptr;
    QRadioButton *soustraire2 = nullptr;
    QRadioButton *multiplier2 = nullptr;
    QRadioButton *ajouter3 = nullptr;
    QRadioButton *soustraire3 = nullptr;
    QCheckBox *active3 = nullptr;
    QCheckBox *CRVB = nullptr;
    QCheckBox *caseApercu = nullptr;
    QCheckBox *etaler = nullptr;
    QWidget *panneauHaut = nullptr;
    QWidget *panneauApercu = nullptr;

private:
    void Disposer();
    void ChoixChange();   // an image list or "Activé": new reduced copies, then the result
    void ReglageChange(); // coefficients and options: the result
    void Previsualiser();

    QList<ImageProposee> images_;
    QList<QImage> reduites_; // reduced copies of the common area of images 1, 2, 3
    QGroupBox *groupe3_ = nullptr;
    QLabel *vignette_ = nullptr;
    QImage apercu_;
    bool pret_ = false;
};
