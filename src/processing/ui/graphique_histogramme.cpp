#include "processing/ui/graphique_histogramme.h"

#include "commun/nombres.h"

#include <QPainter>

#include <algorithm>

TGraphiqueHistogramme::TGraphiqueHistogramme(QColor couleur, QWidget *parent) : QWidget(parent), couleur_(couleur)
{
    setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void TGraphiqueHistogramme::DefinirValeurs(const std::array<double, 256> &valeurs)
{
    valeurs_ = valeurs;
    update();
}

void TGraphiqueHistogramme::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), palette().window());
    const QRect zone(GaucheTrace(), MargeHaut, DroiteTrace() - GaucheTrace(), height() - MargeHaut - MargeBas);
    if (zone.width() <= 0 || zone.height() <= 0)
        return;
    p.fillRect(zone, Qt::white);
    const double maxi = std::max(1e-9, *std::max_element(valeurs_.begin(), valeurs_.end()));
    p.setPen(Qt::NoPen);
    p.setBrush(couleur_);
    const double pas = zone.width() / 256.0;
    for (int v = 0; v < 256; ++v) {
        const double hauteur = valeurs_[static_cast<std::size_t>(v)] / maxi * zone.height();
        if (hauteur <= 0)
            continue;
        p.drawRect(QRectF(zone.left() + v * pas, zone.bottom() + 1 - hauteur, std::max(1.0, pas), hauteur));
    }
    p.setPen(Qt::black);
    p.setBrush(Qt::NoBrush);
    p.drawRect(zone.adjusted(0, 0, -1, -1));
    const QFontMetrics fm(font());
    p.drawText(QRect(0, zone.top() - 2, GaucheTrace() - 4, fm.height()), Qt::AlignRight | Qt::AlignTop,
               FormatGeneral(maxi, 3) + QStringLiteral(" %"));
    p.drawText(QRect(0, zone.bottom() - fm.height() + 2, GaucheTrace() - 4, fm.height()), Qt::AlignRight, QStringLiteral("0"));
    for (const int v : {0, 128, 255}) {
        const int x = zone.left() + static_cast<int>(v * pas);
        p.drawText(QRect(x - 20, zone.bottom() + 2, 40, MargeBas), Qt::AlignHCenter | Qt::AlignTop, QString::number(v));
    }
}
