#pragma once
// The program's document file (".kpt"): everything needed to resume work on
// a picture. Little-endian, in this order:
//   1  version, one byte, 1 (not checked when reading)
//   2  u16 length L, then L bytes: the free lines, each followed by CR LF
//   3  the drawing block (EcrireDessins)
//   4  the spatial scale (EcrireEchelleFlux): u16 length and text
//   5  the colour code (EcrireCodeFlux): u16 length and text
//   6  one length byte and the image encoding: "jpg", "png", "bmp" or "non"
//   7  the image field, to the end of the file: a complete JPEG, PNG or BMP
//      (32 bits) file of the image; for "non" (and any other text when
//      reading) no pixels but u16 width, u16 height and the background colour
//      as a u32 0xAARRGGBB, the image being that colour all over.
// Only the image bitmap is stored; the drawing layer is rebuilt from the
// elements, and channels, counting marks and floating layers are not kept.

#include "calibration/code_couleur.h"
#include "calibration/echelle.h"
#include "document/formats/lecteur_image.h"
#include "drawing/liste_dessins.h"

#include <QByteArray>
#include <QImage>
#include <QRgb>
#include <QString>
#include <QStringList>

#include <optional>

class QIODevice;

// Encoding of the image field.
enum class CodageImage { Jpg, Png, Bmp, Non };

// "jpg", "png", "bmp", "non".
[[nodiscard]] QString TexteCodage(CodageImage codage);
// The encoding a text names; nothing for any other text.
[[nodiscard]] std::optional<CodageImage> CodageDeTexte(const QString &texte);

// What a document file holds, as the document keeps it.
struct ContenuDocument {
    QStringList lignesLibres;
    TListeDessins dessins;
    TEchelle echelle;
    TCodeCouleur codeCouleur;
    QImage image;                  // Format_ARGB32
    CodageImage codage = CodageImage::Non;
    QRgb couleurFond = 0xFFFFFFFF; // "non" only: the background colour saved
};

// What is written: references to the document's own fields.
struct DocumentAEcrire {
    const QStringList &lignesLibres;
    const TListeDessins &dessins;
    const TEchelle &echelle;
    const TCodeCouleur &codeCouleur;
    const QImage &image;
};

// Writes the document file onto the device. qualite (50..100) is the JPEG
// quality of "jpg"; couleurFond is the program's background colour stored by
// "non". Returns the number of fills tied to image channels that could not
// be kept (the caller warns with MessageRemplissagesCanaux()). Throws
// ErreurFichier (device) or ErreurDecodage (a field that does not fit its
// length: free lines over 65535 bytes, a "non" image over 65535 pixels).
[[nodiscard]] int EcrireDocumentFlux(QIODevice &flux, const DocumentAEcrire &document, CodageImage codage,
                                     int qualite, QRgb couleurFond);

// Same into a file, safely: a temporary file of the same folder is renamed
// over the target once complete, so a failure leaves the previous file intact.
[[nodiscard]] int EcrireFichierDocument(const QString &chemin, const DocumentAEcrire &document, CodageImage codage,
                                        int qualite, QRgb couleurFond);

// Reads the bytes of a document file. Every length and count is checked
// against the bytes that remain before anything is allocated for it; the
// pictures follow the readers' limits (32767 pixels a side, no more pixels
// than their bytes can encode). A "non" image holds no pixels in the file, so
// its size is bounded by pixelsMaxSansFond alone (the program's limit for a
// picture; the fuzz target lowers it). Throws ErreurDecodage with a French
// message when the bytes are truncated, are not a document file, or hold a
// damaged picture.
[[nodiscard]] ContenuDocument LireDocumentOctets(const QByteArray &octets,
                                                 qint64 pixelsMaxSansFond = kPixelsMaxImage);

// Same from a device, from its position to its end (a file is read as it is
// decoded, never copied whole into memory). Also throws ErreurFichier when
// the device fails.
[[nodiscard]] ContenuDocument LireDocumentFlux(QIODevice &flux, qint64 pixelsMaxSansFond = kPixelsMaxImage);

// Reads a document file (others may read it at the same time). Throws
// ErreurFichier when the file cannot be read and ErreurDecodage as above, the
// message naming the file.
[[nodiscard]] ContenuDocument LireFichierDocument(const QString &chemin);

