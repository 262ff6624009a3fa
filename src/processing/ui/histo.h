#pragma once
// "Histogrammes des trois composantes" (THisto): the histograms of red,
// green and blue with a marker over each, and the tabs of tonal operations
// and filters on a working copy of the active document's picture. The
// source document is never changed; OK after a change hands back the new
// "Modifié" document.

#include "document/image_document.h"
#include "processing/travail_histo.h"

#include <QDialog>

#include <functional>

#include <array>
#include <memory>

class QCheckBox;
class QDoubleSpinBox;
class QLabel;
class QSpinBox;
class QTabWidget;
class QToolButton;
class TGraphiqueHistogramme;
class TRepereV;

class THisto : public QDialog {
    Q_OBJECT
public:
    explicit THisto(QWidget *parent = nullptr);

    // Shows a French message, an error or an information; the frame sets it
    // to its own message boxes (a plain box otherwise).
    std::function<void(QWidget *parent, const QString &texte, bool erreur)> Signaler; // FonctionSignalement
    ~THisto() override;

    // Loads the document (its picture, scale and code are copied) and resets
    // the markers; `codeConservable` is false when the user chose to go on
    // after the "Abandon ?" question. Then exec() shows the window.
    void Preparer(const ImageDocument &document, bool codeConservable);
    // After OK: the new document, or nothing when nothing was changed.
    [[nodiscard]] std::unique_ptr<ImageDocument> DocumentResultat() const;

    [[nodiscard]] TravailHisto *travail() { return travail_.get(); }
    [[nodiscard]] TRepereV *repere(int composante) const { return reperes_[static_cast<std::size_t>(composante)]; }
    [[nodiscard]] TGraphiqueHistogramme *graphique(int composante) const
    {
        return graphiques_[static_cast<std::size_t>(composante)];
    }

protected:
    void resizeEvent(QResizeEvent *event) override;

private:
    void ReinitialiserLimites();
    void RepereChange(int composante);
    void PlacerRepere(int composante, int basse, int haute);
    // `calcul` runs off the interface thread; `ensuite`, on it, once it succeeded.
    void Operation(const std::function<void()> &calcul, const std::function<void()> &ensuite = {});
    void MettreAJourApercu();
    void MettreAJourCouleur();

    std::unique_ptr<TravailHisto> travail_;
    std::unique_ptr<ImageDocument> source_; // scale and code of the source document
    QTabWidget *onglets_ = nullptr;
    QCheckBox *apercu_ = nullptr;
    QLabel *imageApercu_ = nullptr;
    QToolButton *couleur_ = nullptr;
    QDoubleSpinBox *valcorgamma_ = nullptr;
    QSpinBox *saturation_ = nullptr;
    QSpinBox *lumiere_ = nullptr;
    std::array<TGraphiqueHistogramme *, 3> graphiques_{}; // blue, green, red
    std::array<TRepereV *, 3> reperes_{};
    bool placement_ = false;
};
