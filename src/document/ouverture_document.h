#pragma once
// Opening a file into a new image document, without any window: the program's
// "Ouvrir" and the command line both go through OuvrirDocument. The reader is
// chosen by the file's extension compared in upper case:
//   ".LAN", ".IMG", ".IMA", ".PER", ".INF"  multichannel raster readers
//   ".KPT"                                  the program's document file
//   anything else                           LireImage, then the side-files
//                                           ".sca" and ".ccc" when present
// Animation lists (".ANM") are not documents: the caller sends them to the
// player before coming here.

#include "document/image_document.h"

#include <QString>

#include <memory>

// Which reader a path goes to.
enum class GenreFichier { Image, Raster, DocumentKaptori, Animation };

[[nodiscard]] GenreFichier GenreDeFichier(const QString &chemin);

// Name of the reader a path goes to, as kaptori-cli info prints it ("JPEG",
// "PNG", "BMP"…): the format of its content when the file starts with a
// known signature, else the extension's. Throws ErreurDecodage when neither
// names a format.
[[nodiscard]] QString NomLecteur(const QString &chemin);

// Reads the file into a new document (image in QImage::Format_ARGB32,
// channels for raster files, nomFichier set to chemin). etirement is the
// per-mille of pixels left out of the display stretch of raster files
// (0, 2, 5, 20 or 50); other files ignore it. Missing or unreadable
// side-files leave the defaults. Throws ErreurFichier or ErreurDecodage with
// the French message; nothing is left half-built.
[[nodiscard]] std::unique_ptr<ImageDocument> OuvrirDocument(const QString &chemin, int etirement);
