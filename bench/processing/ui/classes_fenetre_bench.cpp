// The colour-class window over a 6000 × 4000 grey picture with the preview
// on: one limit typed in its box, as the user changes it (bounds, counts,
// strip and preview repainted).

#include "support/application_bench.h"

#include "processing/classes_couleurs.h"
#include "processing/ui/ch_rep_coul.h"

#include <QCheckBox>
#include <QSpinBox>

#include <benchmark/benchmark.h>

namespace {

void LimiteSuivieParLApercu(benchmark::State &state)
{
    ApplicationHorsEcran();
    QImage image(6000, 4000, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *l = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int g = (x / 24 + y / 16) & 0xFF;
            l[x] = qRgb(g, g, g);
        }
    }
    ClassesCouleurs c;
    c.NbClasses = 8;
    for (int i = 0; i < 8; ++i)
        c.CouleursClasses[static_cast<std::size_t>(i)] = qRgb(30 * i, 255 - 30 * i, 128);
    ChargerHistogramme(c, image);
    TChRepCoul fenetre;
    fenetre.Preparer(c, image, TitreEffectifs{});
    fenetre.show();
    fenetre.Apercu->setChecked(true);
    QApplication::processEvents();
    int v = 40;
    for (auto _ : state) {
        v = v == 40 ? 20 : 40;
        fenetre.EditsLimites[1]->setValue(v);
        QApplication::processEvents();
    }
}
BENCHMARK(LimiteSuivieParLApercu)->Unit(benchmark::kMillisecond);

} // namespace
