#pragma once
// The false-colour exercise (TFen_f_c): a guide in tabs takes the pupil from
// an infrared and a colour picture, each calibrated on a white card, to the
// three channel pictures and their combination; "Fin" lists the pictures to
// keep and OK hands them back as documents. Pictures come from a camera
// ("Source", "Prise de vue", through the frame's acquisition) or from files.

#include "processing/fausses_couleurs.h"

#include <QDialog>

#include <functional>
#include <QImage>
#include <QLabel>

#include <array>
#include <memory>
#include <vector>

class QCheckBox;
class QPushButton;
class QRadioButton;
class QTabWidget;

// A 320 × 240 picture place; while calibration is allowed, a drag draws the
// rectangle of the white card as an inverted outline.
class TPlaceImage : public QLabel {
    Q_OBJECT
public:
    explicit TPlaceImage(QWidget *parent = nullptr);
    void Montrer(const QImage &image); // a null picture hides the place
    bool rectangleActif = false;
    QPoint coin1;
    QPoint coin2;

protected:
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    QImage image_;
    bool glisse_ = false;
};

class TFen_f_c : public QDialog {
    Q_OBJECT
public:
    explicit TFen_f_c(QWidget *parent = nullptr);

    // Shows a French message, an error or an information; the frame sets it
    // to its own message boxes (a plain box otherwise).
    std::function<void(QWidget *parent, const QString &texte, bool erreur)> Signaler; // FonctionSignalement

    // The frame's acquisition: "Source" chooses the device, "Prise de vue"
    // acquires one picture (a null picture when none came). Without them the
    // camera mode is disabled.
    std::function<void()> choisirSource;
    std::function<QImage()> prendreVue;

    // Restarts the exercise: first tab, pictures cleared and hidden,
    // "Combinaison" and "Fin" hidden, the camera mode chosen when there is
    // acquisition.
    void Recommencer();
    // What "Choix du fichier" does once the file is read: the picture, scaled
    // to 320 × 240, becomes the one to calibrate.
    void ChargerImage(bool infraRouge, const QImage &image);
    // After OK: the kept pictures as documents.
    [[nodiscard]] std::vector<std::unique_ptr<ImageDocument>> Documents() const;

    QTabWidget *guide = nullptr;
    QRadioButton *modeCamera = nullptr;
    QRadioButton *modeFichiers = nullptr;
    std::array<QPushButton *, 2> fichier{};  // infrared, colour
    std::array<QPushButton *, 2> source{};
    std::array<QPushButton *, 2> priseDeVue{};
    std::array<QPushButton *, 2> blanc{};
    QPushButton *decomposer = nullptr;
    QPushButton *suite = nullptr;
    std::array<QPushButton *, 3> operer{};
    QPushButton *combiner = nullptr;
    QPushButton *fin = nullptr;
    std::array<QCheckBox *, 5> conserver{}; // Im_Coul, Im_IR, Im_fc, Im_C1, Im_C2
    std::array<TPlaceImage *, 4> places{};   // top-left, top-right, bottom-left, bottom-right

private:
    void Calibrer(bool infraRouge);
    // Shows the camera buttons or the file button, with the tab's caption.
    void MontrerMode();
    std::array<QTabWidget *, 2> sousOnglets_{};
    QImage infraRouge_;
    QImage couleur_;
    std::array<QImage, 3> composantes_; // blue, green, red only
    std::array<QImage, 3> canaux_;      // C1, C2, C3
    QImage resultat_;
    QWidget *pageCombinaison_ = nullptr;
    QWidget *pageFin_ = nullptr;
};
