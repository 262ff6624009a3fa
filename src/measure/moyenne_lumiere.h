#pragma once
// The mean colours the light values are computed from: the mean of a
// rectangle drawn with the measuring tool, and the mean of the image under
// what is coloured on the provisional and drawing layers.

#include "calibration/code_couleur.h"
#include "calibration/lecture_pixel.h"

#include <QRect>
#include <QSize>

#include <cstdint>
#include <optional>

class ImageDocument;
class QImage;

// The rectangle between two corners given in any order, both included, cut
// to an image of this size. Nothing when it lies wholly outside. Corners may
// be any 64-bit values (the command line's ±2^31 included).
[[nodiscard]] std::optional<QRect> RectangleDansImage(std::int64_t x0, std::int64_t y0, std::int64_t x1,
                                                      std::int64_t y1, QSize image);

// The mean colour (Round of each component's mean) of the image pixels of a
// rectangle, cut to the image; nothing when none of it lies in the image.
[[nodiscard]] std::optional<CouleurWin> MoyenneRectangle(const QImage &image, const QRect &rectangle);

// The mode-2 release: the rectangle from the press point to the release
// point, cut to the image, becomes the document's RectangleLumiere and its
// mean colour is returned. Nothing, with RectangleLumiere unchanged, when it
// misses the image.
std::optional<CouleurWin> MesurerRectangleLumiere(ImageDocument &document, QPoint appui, QPoint relache);

// The mean colour of the image pixels where the provisional layer or the
// drawing layer has an alpha above 0 (a pattern fill's alpha-1 gaps count).
// Each mean is Round(sum / count); nothing when no pixel counts.
[[nodiscard]] std::optional<CouleurWin> MoyenneZoneColoree(const ImageDocument &document);

// What the decoding panel shows of a measured mean colour under a
// three-channel code: the channel values through the code's MiniC/MaxiC
// (channel 1 from blue, 2 from green, 3 from red) and bars of height B div 4,
// G div 4 and R div 4.
[[nodiscard]] SignatureSpectrale SignatureLumiere(const TCodeCouleur &code, CouleurWin moyenne);
