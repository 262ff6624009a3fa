#pragma once
// Printing a picture laid out by TMiseEnPage on any paged device: a QPrinter
// from the print dialog, a QPdfWriter from the command line. The device's
// page is the whole sheet (no device margins), so that millimetres count from
// the sheet's edge.

#include "app/mise_en_page.h"

#include <QImage>
#include <QRect>
#include <QString>

#include <vector>

class QIODevice;
class QPagedPaintDevice;

// Grey picture: each pixel's three components become
// (61 x red + 174 x green + 21 x blue) div 256; alpha is kept.
[[nodiscard]] QImage ImageEnGris(const QImage &image);

// The cells of the sheet in device pixels, row by row, for a device of
// pixelsParMm pixels per millimetre: sizes, steps and offsets are each
// rounded from millimetres, as the printed sheet places them.
[[nodiscard]] std::vector<QRect> CellulesImpression(const TMiseEnPage &m, double pixelsParMm);

// Page size (A4 or A3), orientation and zero margins of the device.
void PreparerAppareil(QPagedPaintDevice &appareil, const TMiseEnPage &m);

// Draws `feuilles` identical sheets, each holding the picture stretched into
// every cell. The picture is printed as given (grey already when m.Gris).
// Returns false when the device cannot be painted on.
[[nodiscard]] bool DessinerFeuilles(QPagedPaintDevice &appareil, const TMiseEnPage &m, const QImage &image,
                                    int feuilles);

// Writes the sheets (m.Copies of them) as a PDF document, onto a device or
// to the output chemin names ("-" the standard output, a device or FIFO in
// place, a file safely: ecriture_sortie.h); the picture is turned to grey
// first when m.Gris. Throws ErreurFichier when it cannot be written.
void ImprimerEnPdf(QIODevice &sortie, const TMiseEnPage &m, const QImage &image);
void ImprimerEnPdf(const QString &chemin, const TMiseEnPage &m, const QImage &image);
