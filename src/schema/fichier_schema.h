#pragma once
// Reading and writing schema files: 24-bit BMP pictures of the document
// image's size.

#include <QImage>
#include <QSize>
#include <QString>

// The schema of a file, on a white picture of `taille` (QImage::Format_RGB32):
// a file of another size is drawn at the top-left and cut at the edges.
// Throws ErreurFichier or ErreurDecodage with the French message when the
// file is missing or is not a readable picture.
[[nodiscard]] QImage LireSchema(const QString &chemin, QSize taille);

// Writes the schema as a 24-bit BMP through the safe writer (the former file
// stays whole on failure); throws ErreurFichier with the French message.
void EcrireSchema(const QString &chemin, const QImage &schema);

// A white schema of that size.
[[nodiscard]] QImage SchemaBlanc(QSize taille);
