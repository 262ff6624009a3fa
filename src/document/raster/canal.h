#pragma once
// A channel of a multichannel document: a name and an 8-bit plane of the
// image's size. Measurements read these raw values; the image bitmap only
// shows them (possibly stretched).

#include <QByteArray>
#include <QString>

#include <cstring>

struct TCanal {
    QString nom;
    int index = 0;       // position in the document's channel list
    int largeur = 0;
    int hauteur = 0;
    // The bytes: row y starts at debut + y * pasLigne(). The channels of a
    // file whose bands alternate row by row share one block (copies of the
    // array share it too), each starting at its own band's first row.
    QByteArray plan;
    qsizetype debut = 0;
    qsizetype pas = 0;   // distance between rows; 0 when they follow each other

    [[nodiscard]] qsizetype pasLigne() const { return pas > 0 ? pas : largeur; }

    // Whether all largeur × hauteur bytes are there to be read.
    [[nodiscard]] bool complet() const
    {
        return largeur > 0 && hauteur > 0 && debut >= 0
               && plan.size() >= debut + static_cast<qsizetype>(hauteur - 1) * pasLigne() + largeur;
    }

    [[nodiscard]] const unsigned char *ligne(int y) const
    {
        return reinterpret_cast<const unsigned char *>(plan.constData()) + debut
               + static_cast<qsizetype>(y) * pasLigne();
    }
    // For the reader filling a plane of its own: a shared block would be
    // copied whole first.
    [[nodiscard]] unsigned char *ligneAEcrire(int y)
    {
        return reinterpret_cast<unsigned char *>(plan.data()) + debut + static_cast<qsizetype>(y) * pasLigne();
    }

    // The largeur × hauteur bytes, row after row.
    [[nodiscard]] QByteArray Octets() const
    {
        const qsizetype taille = static_cast<qsizetype>(largeur) * hauteur;
        if (debut == 0 && pasLigne() == largeur && plan.size() == taille)
            return plan;
        QByteArray octets(taille, Qt::Uninitialized);
        for (int y = 0; y < hauteur; ++y)
            std::memcpy(octets.data() + static_cast<qsizetype>(y) * largeur, ligne(y), static_cast<std::size_t>(largeur));
        return octets;
    }
};
