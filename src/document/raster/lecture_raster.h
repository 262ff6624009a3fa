#pragma once
// What the multichannel raster readers (".lan", ".img", ".per", ".ima",
// ".inf") share: the channels they read with the slots to show them in, and
// the byte reading that never trusts a header.
//
// Every reader checks the sizes its header announces against the bytes the
// file holds before allocating anything. A file that holds at least half of
// its announced pixels is read, the missing pixels are 0 and a French warning
// says so; a file holding less is refused, its header being taken as wrong.
// Readers throw ErreurFichier (file missing or unreadable) or ErreurDecodage
// (content not what the format says), with the message the user sees.

#include "document/raster/canal.h"

#include <QFile>
#include <QString>
#include <QStringList>

#include <array>
#include <vector>

struct LectureRaster {
    std::vector<TCanal> canaux;           // each plane carries its index in this list
    std::array<int, 3> affichage{-1, -1, -1}; // channel indexes for the blue, green, red slots
    QStringList avertissements;           // French, for the user (incomplete file, skipped channel)
};

// A file opened for reading bytes at given offsets.
class FichierBrut {
public:
    // Throws ErreurFichier when the path is missing, a folder, or unreadable.
    explicit FichierBrut(const QString &chemin);

    [[nodiscard]] qint64 taille() const { return taille_; }
    [[nodiscard]] const QString &chemin() const { return chemin_; }

    // Reads up to n bytes at offset into dest; returns how many were read,
    // fewer at the end of the file. Throws ErreurFichier on a read error.
    qint64 Lire(qint64 offset, char *dest, qint64 n);

    // The same, safe to call from several threads at once where
    // LectureSimultanee() says so.
    qint64 LireA(qint64 offset, char *dest, qint64 n);

    // Whether LireA may be called from several threads at once: it then
    // reads at explicit offsets without moving a shared file position.
    [[nodiscard]] bool LectureSimultanee() const
    {
#if defined(__linux__)
        return fichier_.handle() >= 0;
#else
        return false;
#endif
    }

private:
    QString chemin_;
    QFile fichier_;
    qint64 taille_ = 0;
};

// Checks that a file holding `presents` pixel bytes may be read when its
// header announces `annonces`. Returns an empty text when complete, the
// French warning when short but holding at least half; throws
// ErreurDecodage when it holds less than half.
[[nodiscard]] QString ControlerTaillePixels(const QString &chemin, qint64 annonces, qint64 presents);

// Reads the n pixel bytes at offset into dest. Bytes the file does not give
// (it holds fewer than its size said, or shrank since it was checked) are 0,
// never what the memory held. Returns what ControlerTaillePixels says of the
// bytes actually read: empty when all came, the warning when at least half
// did; throws ErreurDecodage when fewer came.
[[nodiscard]] QString LirePixels(FichierBrut &fichier, qint64 offset, char *dest, qint64 n);

// A channel with a plane of largeur × hauteur bytes; zeroed when asked, left
// uninitialised otherwise (the reader then writes every byte).
[[nodiscard]] TCanal NouveauCanal(const QString &nom, int index, int largeur, int hauteur, bool aZero);

// The path as the user sees it in messages: the file name alone.
[[nodiscard]] QString NomAffiche(const QString &chemin);
