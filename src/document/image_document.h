#pragma once
// The image document: one picture and everything attached to it (channels,
// layers, per-document tool state). Headless: the document window (TMDIChild)
// is a view over it and owns it.
//
// Pixels of the image and of every layer are QImage::Format_ARGB32
// (0xAARRGGBB, not premultiplied). On a layer alpha 0 means nothing drawn.

#include "calibration/code_couleur.h"
#include "calibration/echelle.h"
#include "document/raster/canal.h"
#include "document/raster/designations_canaux.h"
#include "drawing/etat_dessin.h"
#include "drawing/liste_dessins.h"
#include "document/etat_mesure.h"
#include "document/empreinte_document.h"

#include <QImage>
#include <QPoint>
#include <QPointF>
#include <QRect>
#include <QRgb>
#include <QSize>
#include <QString>
#include <QStringList>

#include <array>
#include <cstdint>
#include <optional>
#include <vector>

// A bitmap layer placed over the image at a position in image pixels (the
// floating placement layer, counting marks).
struct CouchePositionnee {
    QImage image;            // Format_ARGB32; null when empty
    QPointF position;        // top-left in image pixels
    bool visible = true;
    bool opaque = false;     // opaque drawing: alpha ignored, every pixel covers
    int alphaMaitre = 255;   // master alpha 0..255

    [[nodiscard]] bool presente() const { return visible && !image.isNull(); }
};

// Where the document window should sit: its client size once fitted.
struct ParametresAjustement {
    QSize tailleImage;
    float zoom = 1.0f;
    bool maximisee = false;
    int largeurDispo = 0;   // free area of the frame (TMainForm::LargeurDispo)
    int hauteurDispo = 0;
    QPoint coinFenetre;     // window's top-left inside the frame's client area
};

class ImageDocument {
public:
    // Symbol colour of a display slot that shows no channel.
    static constexpr QRgb CouleurNeutre = 0xFFBFBFBF;
    // Tool indexes of the drawing tools (pencil 0 … counting 9, 10 = none).
    static constexpr int OutilTexte = 4;
    static constexpr int OutilMesure = 5;
    static constexpr int OutilPipette = 7;

    // The picture shown and measured (Format_ARGB32).
    QImage image;
    QString titre;       // window caption: the file path, "Nouveau" + n, or a user's name
    QString nomFichier;  // last file opened from or saved to; empty for new images
    float zoom = 1.0f;   // 1 = one screen pixel per image pixel

    std::vector<TCanal> canaux;
    int canalBleu = -1;  // index into canaux shown in each display slot, -1 for none
    int canalVert = -1;
    int canalRouge = -1;
    bool avecCanaux = false;
    int etirement = 0;   // 0, 2, 5, 20 or 50

    QStringList lignesLibres;  // kept in the document file, edited by no command
    // French warnings of the reader that filled the document (a raster file
    // shorter than its header says, a channel file skipped), for the opener
    // to show once.
    QStringList avertissementsOuverture;

    // Layers, all of the image's size once they exist (null QImage = absent).
    QImage coucheDessin;
    QImage coucheProvisoire;
    int alphaProvisoire = 255;  // master alpha of the provisional layer
    CouchePositionnee coucheFlottante;  // pasted picture or legend being placed
    bool placementEnCours = false;
    // What is being placed (0 text, 1 scale legend, 2 pasted picture) and,
    // for a text or a legend, the element it becomes once confirmed
    // (document/placement_flottant.h).
    int modePlacement = 2;
    std::unique_ptr<TDessin> elementEnPlacement;
    // Counting marks, ten categories of marker layers, oldest first; a
    // category's count is the length of its list.
    std::array<std::vector<CouchePositionnee>, 10> marquesComptage;
    bool comptageActif = false;  // the counting tool is in use on the document
    // Index in its category's list of the last mark placed in each category
    // (the one dragged into place), -1 for none.
    std::array<int, 10> derniereMarque{-1, -1, -1, -1, -1, -1, -1, -1, -1, -1};

    // While a zone delimitation runs, merging paints every drawn pixel in this colour.
    bool zonationEnCours = false;
    QRgb couleurZonation = 0xFF000000;

    QRect selection;            // selection rectangle of the selection tool, image pixels
    bool selectionVisible = false;

    int outilCourant = OutilMesure;  // 0..10
    // White balance waiting for a rectangle drawn with the measuring tool
    // (CaptureBlanc); the tool in use before it, given back afterwards.
    bool captureBlanc = false;
    // Colour picking of the colour-code window waiting for the measuring
    // tool's rectangles on this document: they are not light measurements.
    bool saisieCouleur = false;
    int outilAvantBlanc = OutilMesure;
    int modeMesure = 0;              // index in the measurement menu ("&Courante")
    int styleRemplissage = 0;
    int styleFleche = 0;
    int styleTrait = 0;
    bool fondTexteColore = false;

    // Drawn elements, oldest first: the drawing layer is rebuilt from them.
    TListeDessins dessins;
    EtatDessin etatDessin;              // drawing gesture and provisional-layer state
    EtatMesure mesure;               // readout and angle stages of the measuring tool
    // The last rectangle measured for its light (corners in order, inside the
    // image), measured again in other documents by a light series; absent
    // until the first one.
    std::optional<QRect> RectangleLumiere;
    // The light window's quantity (0 intensity, 1 absorption, 2 D.O.) and
    // unit ("&Pourcent" or not) when it last told the frame of a change.
    int ChoixLumiere = 1;
    bool LumierePourcent = true;
    // Intensity profile of the last band measured: for samples 0..LongueurProfil,
    // the sums of the red, green and blue components over the band.
    std::array<std::vector<std::uint16_t>, 3> SommesProfil;
    int LongueurProfil = 0;

    // Spatial scale. Undefined until the first refresh, which installs
    // EchelleParDefaut; opening a picture installs its side-file's scale.
    TEchelle echelle;

    // Colour code: not defined in a new document; opening a picture installs
    // its side-file's code or CodeParDefaut.
    TCodeCouleur codeCouleur = CodeInitial();

    // What the document held when it was last opened from or saved to a
    // file; absent for a picture that is in no file yet (pasted, computed).
    std::optional<EmpreinteDocument> empreinteEnregistree;
    // Records the present content as the one in the file.
    void MarquerEnregistre();
    // True when closing would lose something: the image, the drawn elements,
    // the scale, the colour code or the free lines differ from the file's,
    // or the picture was never in a file.
    [[nodiscard]] bool Modifie() const;

    [[nodiscard]] int largeur() const { return image.width(); }
    [[nodiscard]] int hauteur() const { return image.height(); }

    // Headless part of the display refresh: creates the provisional layer when
    // absent, with the drawing-layer opacity as its master alpha. The window's
    // Rafraichir runs it before fitting itself.
    void PreparerRafraichissement(int opaciteDessin);

    // Create the layers when absent (transparent, image size). Returns true
    // when the layer was created now.
    bool CreerCoucheDessin();
    bool CreerCoucheProvisoire(int alphaMaitre = 255);

    // Merges the provisional layer into the drawing layer (created if needed)
    // and clears the provisional layer. For each provisional pixel F over the
    // drawing pixel B with M = alphaProvisoire: alpha(F) = 0 leaves B; F with
    // alpha M equal to B leaves B; else f = round(alpha(F)·M/255); a
    // transparent B becomes F with alpha f; otherwise B's colour is F blended
    // over it with weight M (when their RGB differ) and B's alpha is
    // max(f, alpha(B)). During a zone delimitation every drawn pixel becomes
    // couleurZonation.
    void FusionnerProvisoire();
    // The same merge limited to a rectangle of the layers (the rest of the
    // provisional layer is known to be empty); clears that rectangle.
    void FusionnerProvisoireZone(const QRect &zone);

    // The image with all layers combined: the drawing layer, the provisional
    // layer merged by the rule above, then the floating layer and counting
    // marks blended at their rounded positions, all over a copy of the image.
    [[nodiscard]] QImage Aplatir() const;
    // The same into dest, whose pixels are reused when it already has the
    // image's size and format and shares them with no other picture.
    void Aplatir(QImage &dest) const;

    // A layer (drawing or provisional) over a bitmap of the image's size
    // filled with the background colour; null when the layer is absent.
    [[nodiscard]] QImage CopieCouche(const QImage &couche, QRgb couleurFond) const;

    // True when the provisional layer holds something not merged yet.
    [[nodiscard]] bool ProvisoireNonVide() const;

    // "sous ce qui est peint" (dessous = true) / "hors de ce qui est peint":
    // a pixel is painted when the provisional or drawing layer has non-zero
    // alpha there. The image pixels at the chosen positions over the
    // background colour, cut to the bounding box of those positions; nothing
    // when there is no such position.
    [[nodiscard]] std::optional<QImage> ExtrairePeint(bool dessous, QRgb couleurFond) const;

    // Loads a pasted bitmap into the floating layer at (10, 10), visible,
    // master alpha 255; the current tool becomes the text tool and a
    // placement starts.
    void CommencerCollage(const QImage &colle, QRgb couleurFond);

    // Confirms the placement: draws the floating layer onto the provisional
    // layer at its rounded position (blended when transparent, otherwise
    // opaque, so that background-coloured pixels cover the image) and ends
    // the placement. The floating layer stays, hidden.
    void PoserCoucheFlottante();

    // Shows channels b, v, r (indexes, -1 = none) in the blue, green and red
    // bytes with contrast stretch e (0, 2, 5, 20, 50), and sets the colour
    // code to describe them (names and colours from the channel dialog when
    // given, raw-value ranges of the stretch). The window refreshes and fits
    // itself afterwards.
    void AfficherCanaux(int b, int v, int r, int e, const DesignationsCanaux *designations = nullptr);
};

// A pasted picture made ready for the floating layer: each pixel whose RGB is
// the background colour's becomes the background colour with alpha 0; every
// other pixel becomes opaque.
[[nodiscard]] QImage PreparerCollage(const QImage &colle, QRgb couleurFond);

// Pointer position in the view (relative to the image's origin on screen) to
// image pixels: round(x / zoom), round(y / zoom), halves to even. Positions
// outside the image are returned unchanged.
[[nodiscard]] QPoint PositionImage(QPointF pointeur, QPointF origine, float zoom);

// The displayed size of the image, round(w·zoom) × round(h·zoom).
[[nodiscard]] QSize TailleAffichee(QSize image, float zoom);

// Client size of a fitted document window: the free area when maximised;
// otherwise round(size·zoom) + 18 in each direction (room for the scroll
// bars), bounded by the free area minus the window's corner minus 15.
[[nodiscard]] QSize TailleClientAjustee(const ParametresAjustement &p);
