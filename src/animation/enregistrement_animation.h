#pragma once
// Saving an animation as a list file ("Enregistrer" of the player). A frame
// is named in the list by its file when reloading the list would give it
// back: the file lies in the list's folder, is no multichannel raster file,
// holds the frame as it is (no drawings or changes since), and its name
// survives the list's encoding. Any other frame is written as a PNG picture
// beside the list, named after it: the list's name without its extension,
// the frame index from 0 and ".PNG" (serie3.PNG for frame 3 of serie.anm).
// A frame whose file has the name such a picture takes is written as a
// picture too, so that no frame's file is replaced by another frame.

#include "animation/animation.h"

#include <QString>
#include <QStringList>

#include <vector>

// What saving writes for one frame.
struct LigneEnregistree {
    QString nom;      // the line of the list
    bool png = false; // the frame is written as the PNG picture nom
};

// The PNG name of frame i for the list cheminListe ("serie3.PNG").
[[nodiscard]] QString NomImagePng(const QString &cheminListe, int i);

// The lines of the list, frame by frame, without writing anything.
[[nodiscard]] std::vector<LigneEnregistree> LignesEnregistrement(const Animation &animation,
                                                                 const QString &cheminListe);

// Writes the PNG frames, then the list (Windows-1252, CR LF), each through
// the safe writer, and returns the lines written. A failure throws
// ErreurFichier or ErreurDecodage with the French message; the previous list
// stays as it was and the PNG pictures this save created are removed.
QStringList EnregistrerAnimation(const Animation &animation, const QString &cheminListe);
