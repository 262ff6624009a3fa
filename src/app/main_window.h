#pragma once
// The frame of the program: a multiple-document window holding one document
// window per open picture, the menus, the tool bars and the status bar.

#include <QMainWindow>

class QMdiArea;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);

    [[nodiscard]] QMdiArea *zoneDocuments() const { return zone_; }

private:
    // Each subsystem connects its menu items, tool-bar buttons and windows to
    // the frame in a file of its own (app/branchement_*.cpp); all run once at
    // the end of construction, in this order.
    void BrancherDocuments();      // opening, new, paste, zoom, rename, about
    void BrancherDessin();         // drawing layer and drawing tools
    void BrancherTextes();         // texts with markup and their placement
    void BrancherEchelle();        // spatial scale and the measuring tool
    void BrancherCodeCouleur();    // colour code and the decoding panel
    void BrancherRaster();         // multichannel raster files
    void BrancherImpression();     // printing
    void BrancherEnregistrement(); // document file and export

    QMdiArea *zone_ = nullptr;
};
