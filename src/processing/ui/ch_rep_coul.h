#pragma once
// TChRepCoul, "Choix des limites des couleurs": the histogram of a grey
// picture with the strip of class boundaries over it, one box per limit, the
// count (or area) of each class, "même largeur" / "même effectif" and a
// preview of the picture painted with the classes. Its state is a
// ClassesCouleurs; the caller prepares it, shows it modally and, on OK, reads
// the painted picture and the limits.

#include "processing/classes_couleurs.h"

#include <QDialog>
#include <QImage>

#include <array>

class QCheckBox;
class QFrame;
class QLabel;
class QPushButton;
class QSpinBox;
class QTimer;
class TVueGraphe;
class TZonesV;

class TChRepCoul : public QDialog {
    Q_OBJECT
public:
    explicit TChRepCoul(QWidget *parent = nullptr);

    // Takes the classes (histogram, n, colours, surface factor), the picture
    // and the two lines of the counts' title, lays out the boxes for n
    // classes and cuts the levels at equal widths.
    void Preparer(const ClassesCouleurs &classes, const QImage &image, const TitreEffectifs &titre);

    [[nodiscard]] const ClassesCouleurs &classes() const { return classes_; }
    // After OK: the picture painted with the classes.
    [[nodiscard]] const QImage &ImageClasses() const { return image_; }

    // ---- Controls
    TVueGraphe *Chart = nullptr; // the histogram, one series of black bars
    TZonesV *BandeZones = nullptr;
    QCheckBox *Apercu = nullptr;
    QFrame *Panel2 = nullptr;
    QLabel *Imaper = nullptr;
    QPushButton *Equilarg = nullptr;
    QPushButton *Equipop = nullptr;
    QPushButton *OK = nullptr;
    QPushButton *BitBtn1 = nullptr;
    QLabel *Label1 = nullptr;
    QLabel *Titreffect = nullptr;
    std::array<QSpinBox *, MaxClassesCouleurs + 1> EditsLimites{};
    std::array<QLabel *, MaxClassesCouleurs> EtiquettesEffectifs{};
    QTimer *Timer1 = nullptr;

protected:
    void showEvent(QShowEvent *event) override;

private:
    void MemeLargeurClic();
    void MemeEffectifClic();
    void LimiteChangeeBoite(int b);
    void LimiteDeplaceeBande(int k);
    void CompterClasses();
    void PoserBande();
    void Previsualiser();
    void Valider();
    void AfficherLimites();

    ClassesCouleurs classes_;
    QImage image_{320, 240, QImage::Format_ARGB32};
    QImage reduite_; // the picture at the preview's size
    bool miseAJour_ = false;
};
