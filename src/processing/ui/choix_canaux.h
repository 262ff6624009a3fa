#pragma once
// "Choix des canaux affichés" (TChoix_canaux): which channel of a
// multichannel document shows in blue, green and red, the designations and
// symbol colours of the legends, and the stretch of the display. One shared
// instance keeps its lists and fields between uses; OK hands back the
// choice, which the frame applies with AfficherCanaux.

#include "document/image_document.h"
#include "document/raster/designations_canaux.h"

#include <QDialog>

#include <functional>

#include <array>

class QCheckBox;
class QComboBox;
class QLineEdit;
class QListWidget;
class QToolButton;

struct ChoixCanaux {
    std::array<int, 3> emplacements{-1, -1, -1}; // blue, green, red: channel index or -1
    int etirement = 5;                           // 0, 2, 5, 20 or 50
    DesignationsCanaux designations;
};

class TChoix_canaux : public QDialog {
    Q_OBJECT
public:
    explicit TChoix_canaux(QWidget *parent = nullptr);

    // Shows a French message, an error or an information; the frame sets it
    // to its own message boxes (a plain box otherwise).
    std::function<void(QWidget *parent, const QString &texte, bool erreur)> Signaler; // FonctionSignalement

    // Fills the lists with the document's channels and selects those shown.
    void Preparer(const ImageDocument &document);
    // The choice the controls hold (what OK applies).
    [[nodiscard]] ChoixCanaux Choix() const;
    // Set by OK; false at start.
    [[nodiscard]] bool DesignationsConfirmees() const { return confirmees_; }

    std::array<QListWidget *, 3> listes{};      // blue, green, red slots
    std::array<QLineEdit *, 3> designations{};
    std::array<QToolButton *, 3> symboles{};
    std::array<QCheckBox *, 3> utilises{};      // [0] null: the blue slot is always used
    QCheckBox *nePasEtirer = nullptr;
    QComboBox *etirements = nullptr;

private:
    void DefinirSymbole(int k, CouleurWin couleur);
    std::array<CouleurWin, 3> couleurs_{0x00FF00, 0x0000FF, 0x000000};
    bool confirmees_ = false;
};
