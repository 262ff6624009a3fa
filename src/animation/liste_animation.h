#pragma once
// Animation list files (".anm"): a text file of the program (Windows-1252 or
// UTF-8, any line end), one line per frame in frame order, each the name of
// a picture of the list's folder. Lines naming a multichannel raster file
// (".IMG", ".IMA", ".PER", ".LAN") and blank lines are skipped; each other
// name is looked up by ResoudreNomCite against the list's folder.
//
// Loading is in two steps so that nothing is decoded before the whole list
// is known to be acceptable: the list is read and every name resolved to a
// regular file, the frames are counted and their sizes read from the
// pictures' headers, and only then are the pictures decoded. The list is
// refused with a French message naming the faulty line or the limit
// exceeded; the animation in memory is never touched by a refused list.

#include "animation/animation.h"

#include <QByteArray>
#include <QSize>
#include <QString>

#include <functional>
#include <vector>

// Limits of one animation.
inline constexpr int kImagesMaxAnimation = 10'000;
inline constexpr qint64 kPixelsMaxAnimation = 1'000'000'000;  // all frames together
inline constexpr qint64 kPixelsMaxImageAnimation = 100'000'000; // one frame
// A list longer than this cannot be one of at most kImagesMaxAnimation names.
inline constexpr qint64 kOctetsMaxListeAnimation = 8 * 1024 * 1024;
inline constexpr int kLongueurMaxNomAnimation = 1024;

// One frame's line of a list.
struct LigneAnimation {
    int numero = 0;  // line number in the file, from 1
    QString nom;     // the line as written
    QString chemin;  // the file it designates (filled by ResoudreLignesAnimation)
    QSize taille;    // from the picture's header; invalid when the header does not tell
};

// The frame lines of a list file's bytes, in order: blank lines and raster
// lines skipped, nothing resolved. Throws ErreurDecodage when the list holds
// fewer than two lines, more than kImagesMaxAnimation frames, no frame at
// all, or a line that cannot be a file name (control characters, over
// kLongueurMaxNomAnimation characters).
[[nodiscard]] std::vector<LigneAnimation> AnalyserListeAnimation(const QByteArray &octets);

// Resolves each line against dossier (ResoudreNomCite) and checks that it
// names a regular file other than the list itself (cheminListe), reading
// its size from its header. Throws ErreurDecodage naming the first faulty
// line, or the limit when the frames' known sizes exceed one.
void ResoudreLignesAnimation(std::vector<LigneAnimation> &lignes, const QString &dossier,
                             const QString &cheminListe);

// Reads a list file (a regular file of at most kOctetsMaxListeAnimation
// bytes), then AnalyserListeAnimation and ResoudreLignesAnimation against
// its folder. Throws ErreurFichier or ErreurDecodage.
[[nodiscard]] std::vector<LigneAnimation> LireListeAnimation(const QString &chemin);

// Called before each frame is decoded with the number done and the total;
// returning false stops the loading.
using ProgressionAnimation = std::function<bool(int fait, int total)>;

// The whole loading: LireListeAnimation, then each picture opened with the
// program's readers (a document file with its drawings), flattened and
// reduced to a palette. CheminAnimation is the list's path. Throws
// ErreurFichier or ErreurDecodage, the message naming the line; a stop
// asked by progression throws ErreurDecodage too.
[[nodiscard]] Animation ChargerAnimation(const QString &chemin, const ProgressionAnimation &progression = {});
