#pragma once
// A channel of a multichannel document: a name and an 8-bit plane of the
// image's size. Measurements read these raw values; the image bitmap only
// shows them (possibly stretched).

#include <QByteArray>
#include <QString>

struct TCanal {
    QString nom;
    int index = 0;       // position in the document's channel list
    int largeur = 0;
    int hauteur = 0;
    QByteArray plan;     // largeur * hauteur bytes, row by row

    // Whether all largeur × hauteur bytes are there to be read.
    [[nodiscard]] bool complet() const
    {
        return largeur > 0 && hauteur > 0 && plan.size() >= static_cast<qsizetype>(largeur) * hauteur;
    }

    [[nodiscard]] const unsigned char *ligne(int y) const
    {
        return reinterpret_cast<const unsigned char *>(plan.constData()) + static_cast<qsizetype>(y) * largeur;
    }
    [[nodiscard]] unsigned char *ligne(int y)
    {
        return reinterpret_cast<unsigned char *>(plan.data()) + static_cast<qsizetype>(y) * largeur;
    }
};
