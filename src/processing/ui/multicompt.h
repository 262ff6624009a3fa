#pragma once
// The counting window "Compteur" (TMulticompt): one row per category shown
// (a radio button making it current, its name, its count, its mark and a
// "RAZ" button), and the menus "&Couleur", "&Nombre", "&Marque" and
// "&Fermer". One per document, made the first time counting starts on it and
// destroyed with it; it stays on top and has no close box. The categories'
// settings live in a TCompteurs; the document's marks are changed by the
// frame on the three signals.

#include "processing/compteurs.h"

#include <QWidget>

#include <array>
#include <functional>

class QAction;
class QActionGroup;
class QLabel;
class QLineEdit;
class QMenu;
class QMenuBar;
class QPushButton;
class QRadioButton;

class TMulticompt : public QWidget {
    Q_OBJECT
public:
    // `epaisseur` gives the pen width the mark pictures are drawn for.
    explicit TMulticompt(QWidget *parent, std::function<int()> epaisseur);

    [[nodiscard]] TCompteurs &Compteurs() { return compteurs_; }
    [[nodiscard]] const TCompteurs &Compteurs() const { return compteurs_; }

    // Shows the rows 1 .. NbCompteurs, hides the others, redraws every
    // category's mark picture and sets the height.
    void ActualiserCompteur();
    // The count box of a category shows n.
    void AfficherEffectif(int categorie, int n);

    // Height of the window for n categories: n × 32 + 46.
    [[nodiscard]] static int Hauteur(int nbCompteurs) { return nbCompteurs * 32 + 46; }

    // "&Nombre" item k, "&Marque" item of a shape, the radio of a row and
    // the colour chosen in the colour dialog, as the menus and buttons do.
    void ChoisirNombre(int k);
    void ChoisirForme(int forme);
    void ChoisirCategorie(int categorie);
    void ChoisirCouleur(QRgb couleur);

    std::array<QRadioButton *, TCompteurs::NbCategories> Radios{};
    std::array<QLineEdit *, TCompteurs::NbCategories> EditsNom{};
    std::array<QLineEdit *, TCompteurs::NbCategories> EditsEffectif{};
    std::array<QLabel *, TCompteurs::NbCategories> ImagesMarque{};
    std::array<QPushButton *, TCompteurs::NbCategories> BoutonsRAZ{};
    QMenuBar *menus = nullptr;
    QAction *actCouleur = nullptr;
    QMenu *menuNombre = nullptr;
    QMenu *menuMarque = nullptr;
    QAction *actFermer = nullptr;

signals:
    void OnRAZ();         // CompteurRAZ holds the category
    void OnStyleMarque(); // the current category's colour or shape changed
    void OnFermer();

protected:
    void showEvent(QShowEvent *event) override;

private:
    void CocherForme();

    TCompteurs compteurs_;
    std::function<int()> epaisseur_;
    QWidget *lignes_ = nullptr;
};
