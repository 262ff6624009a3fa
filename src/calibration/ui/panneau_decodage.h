#pragma once
// The value-decoding panel of the main window (Decodcoul, 83 pixels wide):
// the spectral signature of the pixel under the pointer for a three-channel
// code, or the decoded value with its quantity and unit for the other kinds,
// or "Pas d'échelle" when the document has no defined code.
//
// Updating it on a pointer move only sets a few numbers and texts: it reads
// nothing of the image.

#include "calibration/code_couleur.h"
#include "calibration/lecture_pixel.h"

#include <QFont>
#include <QFrame>

#include <array>

class QAction;
class QLabel;
class QStackedWidget;

// The bars of the signature: three bars standing on a base line at y = 80,
// labels "C1", "C2", "C3" under it.
class ZoneSignature : public QWidget {
    Q_OBJECT
public:
    explicit ZoneSignature(QWidget *parent = nullptr);

    static constexpr int Largeur = 81;
    static constexpr int Hauteur = 102;
    static constexpr int LigneBase = 81; // bars end here: top = 81 - height

    void DefinirBarres(const std::array<int, 3> &hauteurs);
    void DefinirCouleurs(const std::array<CouleurWin, 3> &couleurs);
    [[nodiscard]] std::array<int, 3> hauteurs() const { return hauteurs_; }

    // Left edge and width of bar k.
    [[nodiscard]] static int XBarre(int k) { return 6 + 26 * k; }
    static constexpr int LargeurBarre = 18;

    // The signature as a picture: white background, black base line at y = 81
    // from x = 0 to 81, the bars filled in their colours and the labels.
    [[nodiscard]] QImage Image() const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void Dessiner(QPainter &p) const;

    std::array<int, 3> hauteurs_{0, 0, 0};
    std::array<CouleurWin, 3> couleurs_{};
};

class Decodcoul : public QFrame {
    Q_OBJECT
public:
    explicit Decodcoul(QWidget *parent = nullptr);

    static constexpr int LargeurPanneau = 83;

    // Shows "Pas d'échelle" over the readout.
    void AfficherPasDEchelle();

    // Names and colours of the three channels (kind 0), the quantity and the
    // unit (kinds 1 to 3) of the document's code; "Pas d'échelle" when the
    // code is not defined.
    void AfficherCode(const TCodeCouleur &code);

    // Bars at height 0 and the three channel values emptied: the light
    // measurements take the signature over.
    void ViderSignature();

    // The readout of one pixel under the code last given to AfficherCode. A
    // colour that is not decodable empties the value.
    void AfficherLecture(const LectureDecodage &lecture, const PixelLu &pixel);

    // Value, channel values, bars and colour swatch emptied: no pixel is
    // read (the pointer left the picture, another document became active).
    // AfficherCode starts with it.
    void ViderLecture();

    [[nodiscard]] bool pasDEchelle() const;
    [[nodiscard]] QString texteValeur() const;
    // The quantity and unit labels above and below the value.
    [[nodiscard]] QString texteGrandeur() const;
    [[nodiscard]] QString texteUnite() const;
    [[nodiscard]] std::array<QString, 3> textesCanaux() const;
    [[nodiscard]] const ZoneSignature *signature() const { return sign_; }

    // "Copier la signature spectrale" (copisign), in the signature's popup
    // menu; enabled for three-channel codes.
    QAction *copisign = nullptr;

private:
    // Room for a line of text across the panel, inside its frame and margins.
    [[nodiscard]] int LargeurTexte() const;

    QWidget *blocSignature_ = nullptr;
    ZoneSignature *sign_ = nullptr;
    QStackedWidget *pile_ = nullptr;
    QWidget *EchC3C = nullptr;
    QWidget *EchCdegr = nullptr;
    QLabel *Pasdechel = nullptr;
    std::array<QLabel *, 3> nomsC_{};
    std::array<QLabel *, 3> valeursC_{};
    QFrame *Coulinst = nullptr;
    QLabel *signif = nullptr;
    QLabel *valcoul = nullptr;
    QLabel *unitecoul = nullptr;
    // Fonts of the channel names, quantity, value and unit before any long
    // word shrank them.
    QFont policeNom_;
    QFont policeSignif_;
    QFont policeValeur_;
    QFont policeUnite_;
    CouleurWin couleurInst_ = 0xFFFFFFFF;
    int typeCode_ = -1;
};
