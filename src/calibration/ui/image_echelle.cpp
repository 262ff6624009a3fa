#include "calibration/ui/image_echelle.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace {

QPoint Pixel(const QPointF &p)
{
    return {int(std::floor(p.x())), int(std::floor(p.y()))};
}

} // namespace

TImageEch::TImageEch(QWidget *parent) : QWidget(parent), echelle(EchelleParDefaut())
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setCursor(Qt::CrossCursor);
}

void TImageEch::DefinirImage(const QImage &image)
{
    image_ = image.convertToFormat(QImage::Format_RGB32);
    setFixedSize(image_.size().expandedTo(QSize(1, 1)));
    update();
}

void TImageEch::DefinirFormes(std::vector<FormeXor> formes)
{
    formes_ = std::move(formes);
    update();
}

QSize TImageEch::sizeHint() const
{
    return image_.size().expandedTo(QSize(1, 1));
}

QImage TImageEch::ImageAffichee() const
{
    QImage rendu = image_.isNull() ? QImage(1, 1, QImage::Format_RGB32) : image_.copy();
    QPainter p(&rendu);
    // XOR with white inverts every colour under the pen, so a shape stays
    // visible on any picture and drawing it twice gives the picture back.
    p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
    for (const FormeXor &f : formes_) {
        QPen plume(Qt::white);
        plume.setWidth(1);
        plume.setStyle(f.genre == FormeXor::RectanglePointille ? Qt::DotLine : Qt::SolidLine);
        p.setPen(plume);
        p.setBrush(Qt::NoBrush);
        switch (f.genre) {
        case FormeXor::Ligne:
            if (f.points.size() == 2)
                p.drawLine(f.points[0], f.points[1]);
            break;
        case FormeXor::RectanglePointille:
            p.drawRect(f.rect.adjusted(0, 0, -1, -1));
            break;
        case FormeXor::Polygone:
            p.drawPolygon(f.points);
            break;
        case FormeXor::Cercle:
            p.drawEllipse(f.rect);
            break;
        }
    }
    return rendu;
}

void TImageEch::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawImage(0, 0, ImageAffichee());
}

void TImageEch::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        emit Appui(Pixel(event->position()));
}

void TImageEch::mouseMoveEvent(QMouseEvent *event)
{
    if (event->buttons() & (Qt::LeftButton | Qt::RightButton))
        emit Deplacement(Pixel(event->position()));
}

void TImageEch::mouseReleaseEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton || event->button() == Qt::RightButton)
        emit Relachement(Pixel(event->position()));
}
