#pragma once
// Amorcer: the grey sketch of a picture's contours. Each pixel of the result
// is the grey (f, f, f) where, with h the luminosity of the style's ModeLum:
//   - dark marking on and h < DegradNoir: f = 0, or when SeuilNoir <
//     DegradNoir and SeuilNoir < h, round((h - SeuilNoir) * 128 /
//     (DegradNoir - SeuilNoir)) limited to 0..255;
//   - else light marking on and h > LimiteBlanc: f = 255;
//   - else the smallest ComparerPixels with every neighbour of PointsTest
//     that lies inside the picture (255 when there is none).
// Each pixel's measures are computed once, not once per pair.

#include "schema/param_style_des.h"

#include <QImage>

#include <atomic>

struct OptionsAmorcage {
    // Set by another thread to stop the work: Amorcer then returns a null picture.
    const std::atomic<bool> *annuler = nullptr;
    // Rows finished so far, for a progress display read from another thread.
    std::atomic<int> *lignesFaites = nullptr;
    // Threads to share the rows between; 0 chooses from the picture's size.
    int parts = 0;
};

// The schema primed from the picture: the picture's size, QImage::Format_RGB32.
// A null picture gives a null picture.
[[nodiscard]] QImage Amorcer(const QImage &document, const TParamStyleDes &p, const OptionsAmorcage &options = {});

// The same into `schema`, whose memory is reused when it already has the
// picture's size and format and is shared with no other picture. Returns
// false when interrupted (the schema is then partly written) or when the
// picture is null or too large for memory.
bool Amorcer(const QImage &document, const TParamStyleDes &p, QImage &schema, const OptionsAmorcage &options = {});
