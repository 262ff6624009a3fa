#pragma once
// "Enregistrer sous": a document saved under a path, in the format its
// extension (compared in upper case) names:
//   ".KPT"  the document file, with the image in the chosen encoding
//   ".GIF"  the flattened picture (image and layers) as GIF
//   ".JPG"  the flattened picture as JPEG at the chosen quality
//   ".PNG"  the flattened picture as PNG
//   anything else, ".bmp", ".ico", ".emf", ".wmf", ".jpeg" or none: the
//   flattened picture as a 24-bit BMP under that name, as the files already
//   in circulation and the users' habits expect.
// A picture gets side-files beside it: the scale (".sca") when it is
// defined and the colour code (".ccc") when it is defined.

#include "document/fichier_document.h"

#include <QRgb>
#include <QString>

class ImageDocument;

enum class FormatEnregistrement { Kpt, Gif, Jpg, Png, Bmp };

[[nodiscard]] FormatEnregistrement FormatSelonExtension(const QString &chemin);

struct OptionsEnregistrement {
    CodageImage codage = CodageImage::Jpg; // image field of a document file
    int qualite = 90;                      // JPEG quality, 50..100, for ".jpg" and "jpg"
    QRgb couleurFond = 0xFFFFFFFF;         // the program's background colour, kept by "non"
};

// Saves the document. The file is written through a temporary file renamed
// over the target: on failure the previous file is intact, the document keeps
// its former name and caption, and the error is thrown (ErreurFichier,
// ErreurDecodage). Once the file is written, nomFichier and the caption
// become chemin, then the side-files of a picture are written. Returns the
// number of fills tied to image channels left out of a document file, for
// the caller's warning (MessageRemplissagesCanaux()).
[[nodiscard]] int EnregistrerDocument(ImageDocument &document, const QString &chemin,
                                      const OptionsEnregistrement &options);

// The two stages of EnregistrerDocument, for a caller that writes the file on
// another thread. EcrireEnregistrement writes the file (through the temporary
// file) and returns the count above; it only reads the document, so it may
// run while the document is read elsewhere but modified nowhere.
// TerminerEnregistrement, once it has succeeded, gives the document its new
// name and caption and writes the side-files of a picture.
[[nodiscard]] int EcrireEnregistrement(const ImageDocument &document, const QString &chemin,
                                       const OptionsEnregistrement &options);
void TerminerEnregistrement(ImageDocument &document, const QString &chemin);

