#pragma once
// The document window (TMDIChild): one child window of the frame showing one
// image document. It owns the ImageDocument, paints the visible part of the
// image and its layers at the current zoom, converts pointer positions to
// image pixels, and offers the document's popup menu (copies, paste into the
// image, pointer shape, merging).
//
// Pointer interface for the tool logic (drawing tools, measuring tool,
// colour readout): connect to PointeurEnfonce / PointeurDeplace /
// PointeurRelache. Each carries the position in image pixels (PositionImage:
// round(view offset / Zoom), halves to even; positions outside the image are
// passed on unchanged and the receiver ignores what it does not want), the
// button that changed (Qt::NoButton for moves), the buttons held and the
// keyboard modifiers. Every button is reported, the right one included; the
// right button also opens the popup menu unless the pipette (tool 7) is
// current. While a paste is being placed (PlacementEnCours with a floating
// layer), left presses and drags on the image move the floating layer and
// are not reported. After changing a layer, the tool calls Redessiner with
// the changed image rectangle.

#include "document/ui/fenetre_placement.h"
#include "document/image_document.h"

#include <QAbstractScrollArea>
#include <QMdiSubWindow>
#include <QPointer>

#include <array>
#include <functional>
#include <memory>

class QAction;
class QMenu;
class TMDIChild;

// The layered image view that fills the document window.
class VueImage : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit VueImage(TMDIChild *fenetre);

    // Where image pixel (0, 0) is drawn in viewport coordinates.
    [[nodiscard]] QPointF OrigineImage() const;
    // Scroll ranges follow the displayed size; offsets return to zero when remise.
    void MettreAJourDefilement(bool remiseAZero);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void contextMenuEvent(QContextMenuEvent *event) override;
    void scrollContentsBy(int dx, int dy) override;
    void resizeEvent(QResizeEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;

private:
    TMDIChild *fenetre_;
    bool glisseFlottante_ = false;
    QPointF prisePointeur_;   // grab offset inside the floating layer, image pixels
};

class TMDIChild : public QMdiSubWindow {
    Q_OBJECT
public:
    explicit TMDIChild(const QString &titre, QWidget *parent = nullptr);
    ~TMDIChild() override;

    [[nodiscard]] ImageDocument &document() { return *document_; }
    [[nodiscard]] const ImageDocument &document() const { return *document_; }
    [[nodiscard]] VueImage *vue() const { return vue_; }

    // Settings of the frame read by the window: the drawing background colour
    // (opaque 0xAARRGGBB), the drawing-layer opacity, and the free client area
    // of the frame (LargeurDispo × HauteurDispo). Defaults: white, 255, and
    // the parent area's size.
    std::function<QRgb()> couleurFond;
    std::function<int()> opaciteDessin;
    std::function<QSize()> espaceLibre;
    // Asked before the window closes (close box, "&Fermer"); false keeps it
    // open. Absent: the window closes.
    std::function<bool()> confirmerFermeture;

    // Takes over a document filled by an opener (its caption is kept).
    void RemplacerDocument(std::unique_ptr<ImageDocument> document);

    // Caption of the window, kept in the document.
    void DefinirTitre(const QString &titre);

    // Display refresh: provisional layer when absent, CanauxChanges, Ajuster.
    void Rafraichir();
    // Fits the window to the image and to the frame's free area.
    void Ajuster();
    // Applies Zoom: displayed size round(w·Zoom) × round(h·Zoom), scroll
    // offsets back to zero, then Rafraichir.
    void AppliquerZoom();
    // Pointer position in viewport coordinates to image pixels.
    [[nodiscard]] QPoint PositionImage(QPointF pointeurVue) const;
    // Repaints the part of the view showing this image rectangle (all when empty).
    void Redessiner(const QRect &zoneImage = QRect());

    // Popup-menu commands.
    void CopierTout();
    void CopierFond();
    void CopierCoucheDessin();
    void CopierCoucheProvisoire();
    void CopierSousPeint();
    void CopierHorsPeint();
    void CopierPartieAffichee();
    void CollerDansImage();
    void DefinirFormeCurseur(int forme);  // 0 default, 1 arrow, 2 cross, 3 text beam

    // Starts placing a picture through the floating layer with its top-left
    // corner at coin, the placement window shown in the given mode (0 text,
    // 1 scale legend, 2 pasted picture) with its "Transparent " choice; a
    // confirmed text or legend becomes the given element
    // (document/placement_flottant.h).
    void CommencerPlacement(int mode, const QImage &image, QPointF coin, std::unique_ptr<TDessin> element = {});
    // Ends the placement of the floating layer (OK = confirme): ValiderPlacement,
    // and the placement window closes when it is still open.
    void TerminerPlacement(bool confirme);
    [[nodiscard]] TContLegEch *fenetrePlacement() const { return placement_; }

    // The popup menu and its items, public so that other parts enable theirs.
    QMenu *menuContextuel = nullptr;
    QMenu *menuCopier = nullptr;
    QAction *actCopierTout = nullptr;
    QAction *actCopierFond = nullptr;
    QAction *actCopierCoucheDessin = nullptr;
    QAction *actCopierCoucheProvisoire = nullptr;
    QAction *actCopierSousPeint = nullptr;
    QAction *actCopierHorsPeint = nullptr;
    QAction *actCopierPartieAffichee = nullptr;
    QAction *actCopierSignature = nullptr;
    QAction *actCollerDansImage = nullptr;
    QMenu *menuFormeCurseur = nullptr;
    std::array<QAction *, 4> actFormesCurseur{};
    QMenu *menuFusionner = nullptr;
    QAction *actFusionnerTout = nullptr;
    QAction *actFusionnerProvisoireDessin = nullptr;

signals:
    // The six notifications to the frame.
    void CouleursChangees();
    void EchantillonCouleur(QRgb couleur);
    void ZonationDemandee();
    void OutilsRetablis();
    void CanauxChanges();
    void CopieFaite();
    // "la s&ignature Spectrale" chosen in the popup menu.
    void SignatureSpectraleDemandee();
    // The wheel turned with Ctrl held over the picture: zoom in (true) or out.
    void ZoomMolette(bool agrandir);
    // A paste was confirmed onto the provisional layer ("Annuler" may now undo it).
    void PlacementConfirme();
    // A placement ended, confirmed or not; after a legend or a paste the
    // document's tool has become the measuring tool.
    void PlacementFini(int mode);

    // Pointer events in image pixels (see the header comment).
    void PointeurEnfonce(QPoint pixel, Qt::MouseButton bouton, Qt::MouseButtons boutons, Qt::KeyboardModifiers modificateurs);
    void PointeurDeplace(QPoint pixel, Qt::MouseButtons boutons, Qt::KeyboardModifiers modificateurs);
    void PointeurRelache(QPoint pixel, Qt::MouseButton bouton, Qt::MouseButtons boutons, Qt::KeyboardModifiers modificateurs);

protected:
    void resizeEvent(QResizeEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    friend class VueImage;
    void ConstruireMenu();
    void OuvrirFenetrePlacement(int mode);
    void MettreAuPressePapiers(const QImage &image);
    [[nodiscard]] QRgb CouleurFond() const;

    std::unique_ptr<ImageDocument> document_;
    VueImage *vue_ = nullptr;
    QPointer<TContLegEch> placement_;
    bool ajustementEnCours_ = false;
};
