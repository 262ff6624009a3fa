#pragma once
// Names of schema files. A schema is a BMP file beside its document image,
// named after it with another extension that tells the image's type. The
// rows below are tried in order on the extension in upper case (the part
// after the last dot), the first match winning:
//   contains "IF"  schema ".Sif"  companion ".Gif"
//   contains "NG"  schema ".sng"  companion ".png"
//   contains "PG"  schema ".spg"  companion ".jpg"
//   contains "MP"  schema ".smp"  companion ".bmp"
//   contains "CX"  schema ".scx"  companion ".pcx"
// An image extension matching no row gets "s" before it (photo.jpeg gives
// photo.sjpeg). A file whose extension in upper case holds an "S" is a
// schema file; any other is a picture.

#include <QString>

// The schema file of a document image (C:/cours/photo.jpg gives C:/cours/photo.spg).
[[nodiscard]] QString NomFichierSchema(const QString &image);

// True when a file chosen in "Ouvrir un schéma" is a schema file.
[[nodiscard]] bool EstFichierSchema(const QString &chemin);

// The document image of a schema file: the row's companion found whatever
// the case of its extension; else a readable picture of the same name whose
// extension falls in the same row (photo.Sif beside photo.tif); else the
// schema's extension without its leading "s" (photo.sjpeg gives photo.jpeg).
// When none exists, the name the table gives (the companion, or the schema's
// name without extension when no row matches), for the message.
[[nodiscard]] QString CompagnonDeSchema(const QString &schema);

// The existing file of that path whatever the case of its file name (the one
// that matches exactly first), or an empty text.
[[nodiscard]] QString TrouverSansCasse(const QString &chemin);
