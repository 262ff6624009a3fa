#pragma once
// The program's animation: an ordered list of frames, each a palette
// picture of at most 256 colours (the form of an animated GIF's frame), with
// the file each came from. The program holds one at a time; loading or
// building makes a whole new one, which replaces the old only once complete.

#include <QImage>
#include <QList>
#include <QString>
#include <QStringList>

// One frame.
struct ImageAnimation {
    QImage image;    // Format_Indexed8
    // Its entry of FichiersAnimation: the list's line for a loaded frame, the
    // document's file for a built one (empty for a picture never saved).
    QString fichier;
    // The file this frame was made from, unchanged, as an absolute path;
    // empty when there is none (a raster file's display, a document with
    // drawings or changes not in its file). Saving names this file in the
    // list only when it lies in the list's folder.
    QString source;
};

struct Animation {
    QList<ImageAnimation> images;
    // The list file the animation was loaded from or last saved to; empty
    // for an animation built in the program and not saved.
    QString CheminAnimation;

    [[nodiscard]] int nombre() const { return static_cast<int>(images.size()); }
    [[nodiscard]] bool vide() const { return images.isEmpty(); }
    // The source entry of each frame, in frame order.
    [[nodiscard]] QStringList FichiersAnimation() const;
};

// The extensions of multichannel raster files (".IMG", ".IMA", ".PER",
// ".LAN", any case): a list skips such lines, and saving writes such a
// frame as a PNG picture.
[[nodiscard]] bool EstRasterAnimation(const QString &nom);

// The file-name part of a path or caption: what follows the last "/" or "\".
[[nodiscard]] QString PartieNomFichier(const QString &chemin);
