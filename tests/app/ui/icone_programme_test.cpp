// The icon installed for the desktop (an SVG, rendered to PNG at build time)
// is the drawing the main window shows as its own icon.

#include "app/ui/icones_barres.h"

#include <QIcon>
#include <QImage>
#include <QPainter>
#include <QSvgRenderer>

#include <gtest/gtest.h>

#include <cstdlib>

namespace {

QImage RenduSvg(int cote)
{
    QSvgRenderer dessin(qEnvironmentVariable("KAPTORI_PACKAGING") + QStringLiteral("/kaptori.svg"));
    EXPECT_TRUE(dessin.isValid());
    QImage image(cote, cote, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    dessin.render(&p);
    return image;
}

// Share of pixels whose channels differ by more than `seuil` in either image.
double PartDifferente(const QImage &a, const QImage &b, int seuil)
{
    const QImage x = a.convertToFormat(QImage::Format_ARGB32);
    const QImage y = b.convertToFormat(QImage::Format_ARGB32);
    int differents = 0;
    for (int l = 0; l < x.height(); ++l) {
        const auto *px = reinterpret_cast<const QRgb *>(x.constScanLine(l));
        const auto *py = reinterpret_cast<const QRgb *>(y.constScanLine(l));
        for (int c = 0; c < x.width(); ++c) {
            const bool proche = std::abs(qRed(px[c]) - qRed(py[c])) <= seuil && std::abs(qGreen(px[c]) - qGreen(py[c])) <= seuil
                                && std::abs(qBlue(px[c]) - qBlue(py[c])) <= seuil && std::abs(qAlpha(px[c]) - qAlpha(py[c])) <= seuil;
            differents += proche ? 0 : 1;
        }
    }
    return static_cast<double>(differents) / (x.width() * x.height());
}

TEST(IconeProgramme, installed_svg_draws_the_window_icon_at_each_of_its_sizes)
{
    for (int cote : {24, 48}) {
        const QImage fenetre = IconeProgramme().pixmap(cote, cote).toImage();
        ASSERT_EQ(fenetre.size(), QSize(cote, cote));
        const QImage svg = RenduSvg(cote);
        EXPECT_LT(PartDifferente(fenetre, svg, 24), 0.01) << "at " << cote << " pixels";
        // The blue of the square and the white of the glass, where no edge blurs them.
        EXPECT_EQ(svg.pixel(cote / 12, cote / 2), qRgb(20, 60, 140));
        EXPECT_EQ(svg.pixel(cote * 10 / 24, cote * 9 / 48), qRgb(255, 255, 255));
    }
}

} // namespace
