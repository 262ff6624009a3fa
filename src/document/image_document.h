#pragma once
// The image document: one picture and everything attached to it (channels,
// layers, scale, colour code, drawn elements). Headless: the document window
// (TMDIChild) is a view over it.

#include "document/canal.h"

#include <QImage>
#include <QPoint>
#include <QString>
#include <QStringList>

#include <vector>

class ImageDocument {
public:
    // The picture shown and measured, QImage::Format_ARGB32 (0xAARRGGBB).
    QImage image;
    QString nomFichier;  // last file opened from or saved to; empty for new images
    float zoom = 1.0f;

    std::vector<TCanal> canaux;
    int canalBleu = -1;  // index into canaux shown in each display slot, -1 for none
    int canalVert = -1;
    int canalRouge = -1;
    bool avecCanaux = false;
    int etirement = 0;

    QStringList lignesLibres;

    // Layers, all of the image's size once they exist (null QImage = absent).
    QImage coucheDessin;
    QImage coucheProvisoire;
    int alphaProvisoire = 255; // master alpha of the provisional layer
};
