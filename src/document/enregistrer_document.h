#pragma once
// "Enregistrer sous": a document saved under a path, in the format its
// extension (compared in upper case) names:
//   ".KPT"  the document file, with the image in the chosen encoding
//   ".GIF"  the flattened picture (image and layers) as GIF
//   ".JPG", ".JPEG"  the flattened picture as JPEG at the chosen quality
//   ".PNG"  the flattened picture as PNG
//   anything else, ".bmp", ".ico", ".emf", ".wmf" or none: the flattened
//   picture as a 24-bit BMP under that name, as the files already in
//   circulation and the users' habits expect; such a file opens again by
//   its content.
// A picture gets side-files beside it: the scale (".sca") when it is
// defined and the colour code (".ccc") when it is defined.

#include "commun/ecriture_sure.h"
#include "document/fichier_document.h"

#include <QRgb>
#include <QString>

#include <functional>

class ImageDocument;

enum class FormatEnregistrement { Kpt, Gif, Jpg, Png, Bmp };

[[nodiscard]] FormatEnregistrement FormatSelonExtension(const QString &chemin);

struct OptionsEnregistrement {
    CodageImage codage = CodageImage::Png; // image field of a document file (lossless)
    int qualite = 90;                      // JPEG quality, 50..100, for ".jpg" and "jpg"
    QRgb couleurFond = 0xFFFFFFFF;         // the program's background colour, kept by "non"
    bool annexes = true;                   // a picture's ".sca" and ".ccc" beside it
};

// Writes a file's bytes given the path and the writing: the safe writer by
// default (ecriture_sure.h); the command line passes its own, for "-", devices
// and FIFOs (ecriture_sortie.h).
using EcrivainFichier = void (*)(const QString &chemin, const std::function<void(QIODevice &)> &ecrire);

// Saves the document. The file is written through a temporary file renamed
// over the target: on failure the previous file is intact, the document keeps
// its former name and caption, and the error is thrown (ErreurFichier,
// ErreurDecodage). Once the file is written, nomFichier and the caption
// become chemin, then the side-files of a picture are written. Returns the
// number of fills tied to image channels left out of a document file, for
// the caller's warning (MessageRemplissagesCanaux()).
[[nodiscard]] int EnregistrerDocument(ImageDocument &document, const QString &chemin,
                                      const OptionsEnregistrement &options,
                                      EcrivainFichier ecrivain = EcrireFichierSurFlux);

// The two stages of EnregistrerDocument, for a caller that writes the file on
// another thread. EcrireEnregistrement writes the file and returns the count
// above; it only reads the document, so it may run while the document is
// read elsewhere but modified nowhere. TerminerEnregistrement, once it has
// succeeded, gives the document its new name and caption, writes the
// side-files of a picture and then marks the document saved: a side-file
// that fails throws and leaves the document marked as modified.
[[nodiscard]] int EcrireEnregistrement(const ImageDocument &document, const QString &chemin,
                                       const OptionsEnregistrement &options,
                                       EcrivainFichier ecrivain = EcrireFichierSurFlux);
void TerminerEnregistrement(ImageDocument &document, const QString &chemin, const OptionsEnregistrement &options);
