#pragma once
// Builders of raster test files: headers written byte by byte as each format
// lays them out, so that the readers are checked against the layout and not
// against themselves.

#include <QByteArray>
#include <QFile>
#include <QString>

#include <functional>

namespace fixtures {

inline void Mot16(QByteArray &octets, int offset, int valeur)
{
    octets[offset] = static_cast<char>(valeur & 0xFF);
    octets[offset + 1] = static_cast<char>((valeur >> 8) & 0xFF);
}

inline void Ecrire(const QString &chemin, const QByteArray &octets)
{
    QFile f(chemin);
    if (!f.open(QIODevice::WriteOnly) || f.write(octets) != octets.size())
        qFatal("cannot write test file");
}

// LAN: header of 128 bytes (N at 8, W at 16, H at 20), then nbOctets pixel
// bytes whose value is given by `valeur(offset)`.
inline QByteArray Lan(int n, int w, int h, qint64 nbOctets, const std::function<int(qint64)> &valeur)
{
    QByteArray octets(128, '\0');
    octets.replace(0, 6, "HEAD74");
    octets[8] = static_cast<char>(n);
    Mot16(octets, 16, w);
    Mot16(octets, 20, h);
    octets.resize(128 + nbOctets);
    for (qint64 i = 0; i < nbOctets; ++i)
        octets[128 + i] = static_cast<char>(valeur(128 + i));
    return octets;
}

// PER: header of 1280 bytes (H at 14, W at 18), then `tuiles` tiles of 256
// bytes; byte j of tile k has the value valeur(k, j).
inline QByteArray Per(int w, int h, int tuiles, const std::function<int(int, int)> &valeur)
{
    QByteArray octets(1280, '\0');
    Mot16(octets, 14, h);
    Mot16(octets, 18, w);
    for (int k = 0; k < tuiles; ++k)
        for (int j = 0; j < 256; ++j)
            octets.append(static_cast<char>(valeur(k, j)));
    return octets;
}

// A ".per" of w × h pixels all equal to v.
inline QByteArray PerUni(int w, int h, int v)
{
    const int tuiles = ((w + 15) / 16) * ((h + 15) / 16);
    return Per(w, h, tuiles, [v](int, int) { return v; });
}

// An ".img" record: byte 1, zeros, the file name, a zero, zeros, the
// description, a zero, padded to 128 bytes.
inline QByteArray EnregistrementImg(const QByteArray &fichier, const QByteArray &description)
{
    QByteArray r(1, '\x01');
    r.append(QByteArray(3, '\0'));
    r.append(fichier);
    r.append('\0');
    r.append(QByteArray(5, '\0'));
    r.append(description);
    r.append('\0');
    r.resize(128, '\0');
    return r;
}

// IMA: a 512-byte text header with zero bytes in between, then the pixels.
inline QByteArray Ima(const QByteArray &texteEntete, const QByteArray &pixels)
{
    QByteArray entete;
    for (char c : texteEntete) {
        entete.append(c);
        entete.append('\0');
    }
    entete.resize(512, '\0');
    return entete + pixels;
}

} // namespace fixtures
