#include "processing/ui/pixel.h"

#include "processing/pixellisation.h"

#include <QApplication>
#include <QClipboard>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

namespace {

// The picture drawn over the whole widget.
class VuePixels : public QWidget {
public:
    VuePixels(QWidget *parent, const QImage &image) : QWidget(parent), image_(image) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.drawImage(rect(), image_);
    }

private:
    const QImage &image_;
};

// Pictures this large take long enough to pixelise that the user is asked to wait.
constexpr qint64 kPixelsLents = 2'000'000;

} // namespace

TPixel::TPixel(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Pixellisation"));
    auto *l = new QVBoxLayout(this);
    l->setContentsMargins(0, 0, 0, 0);
    l->setSpacing(0);
    auto *menus = new QMenuBar(this);
    QAction *copier = menus->addAction(tr("&Copier"));
    QAction *fermer = menus->addAction(tr("&Fermer"));
    l->setMenuBar(menus);
    vue = new VuePixels(this, affichee_);
    l->addWidget(vue, 1);
    auto *bas = new QWidget(this);
    auto *lb = new QHBoxLayout(bas);
    lb->setContentsMargins(6, 4, 6, 4);
    lb->addWidget(new QLabel(tr("résolution :"), bas));
    resolution = new QScrollBar(Qt::Horizontal, bas);
    resolution->setMinimumWidth(120);
    resolution->setPageStep(1);
    lb->addWidget(resolution, 1);
    larg = new QLabel(bas);
    haut = new QLabel(bas);
    for (QLabel *panneau : {larg, haut}) {
        panneau->setFrameShape(QFrame::Panel);
        panneau->setFrameShadow(QFrame::Sunken);
        panneau->setMinimumWidth(48);
        panneau->setAlignment(Qt::AlignCenter);
        lb->addWidget(panneau);
    }
    patienter = new QLabel(tr("Patienter..."), bas);
    patienter->setMinimumWidth(patienter->sizeHint().width());
    patienter->setVisible(false);
    lb->addWidget(patienter);
    l->addWidget(bas);

    connect(resolution, &QScrollBar::valueChanged, this, [this](int n) { Calculer(n); });
    connect(copier, &QAction::triggered, this, [this] {
        QGuiApplication::clipboard()->setImage(affichee_);
        emit CopieFaite();
    });
    connect(fermer, &QAction::triggered, this, &QWidget::hide);
}

void TPixel::Ouvrir(const QImage &image)
{
    PixelSource = image.convertToFormat(QImage::Format_ARGB32);
    affichee_ = PixelSource;
    resolution->blockSignals(true);
    resolution->setRange(0, PasMaxPixellisation(PixelSource.size()));
    resolution->setValue(0);
    resolution->blockSignals(false);
    larg->setText(QString::number(PixelSource.width()));
    haut->setText(QString::number(PixelSource.height()));
    // The client area fits the picture plus the bottom panel, within the screen.
    QSize client = PixelSource.size();
    if (const QScreen *ecran = screen()) {
        const QSize dispo = ecran->availableSize() * 0.8;
        client = client.scaled(client.boundedTo(dispo), Qt::KeepAspectRatio);
    }
    vue->setMinimumSize(1, 1);
    resize(std::max(client.width(), 360), client.height() + layout()->menuBar()->sizeHint().height() +
                                              resolution->parentWidget()->sizeHint().height());
    vue->update();
    show();
    raise();
}

void TPixel::Calculer(int n)
{
    const QSize blocs = BlocsPixellisation(PixelSource.size(), n);
    larg->setText(QString::number(blocs.width()));
    haut->setText(QString::number(blocs.height()));
    const bool lent = static_cast<qint64>(PixelSource.width()) * PixelSource.height() >= kPixelsLents;
    resolution->setEnabled(false);
    patienter->setVisible(lent);
    if (lent)
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    affichee_ = Pixelliser(PixelSource, n);
    patienter->setVisible(false);
    resolution->setEnabled(true);
    vue->update();
}
