// The frame's zoom commands and the arrangement of its document windows
// (window list, cascade, mosaics, minimised documents).
#include "app/ui/main_window.h"

#include "app/disposition_fenetres.h"
#include "commun/nombres.h"
#include "document/ui/fenetre_document.h"

#include <QAction>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>

#include <algorithm>
#include <cstdint>

void TMainForm::ModifierZoom(const std::function<float(float)> &modification)
{
    TMDIChild *fenetre = DocumentActif();
    if (!fenetre)
        return;
    ImageDocument &doc = fenetre->document();
    const float zoom = modification(doc.zoom);
    // The commands set no bound of their own, but the displayed picture must
    // stay within what the view can address: a step that would give a side
    // longer than 2^20 pixels, or one shorter than a pixel, is ignored.
    constexpr std::int64_t kCoteAfficheMaxi = std::int64_t{1} << 20;
    const std::int64_t largeur = Arrondi(doc.image.width() * static_cast<double>(zoom));
    const std::int64_t hauteur = Arrondi(doc.image.height() * static_cast<double>(zoom));
    if (zoom > doc.zoom && std::max(largeur, hauteur) > kCoteAfficheMaxi)
        return;
    if (zoom < doc.zoom && std::min(largeur, hauteur) < 1)
        return;
    doc.zoom = zoom;
    fenetre->AppliquerZoom();
}

void TMainForm::Zoom11()
{
    ModifierZoom([](float) { return 1.0f; });
}

void TMainForm::ZoomAugmenter()
{
    ModifierZoom([](float z) { return z * 2.0f; });
}

void TMainForm::ZoomDiminuer()
{
    ModifierZoom([](float z) { return z / 2.0f; });
}

void TMainForm::MettreAJourListeFenetres()
{
    qDeleteAll(actionsFenetres_);
    actionsFenetres_.clear();
    const QList<QMdiSubWindow *> fenetres = zone_->subWindowList();
    if (fenetres.isEmpty())
        return;
    actionsFenetres_.append(menuFenetre->addSeparator());
    int numero = 1;
    for (QMdiSubWindow *fenetre : fenetres) {
        // A "&" of the caption is doubled so that it shows instead of marking a shortcut.
        QString titre = fenetre->windowTitle();
        titre.replace(QLatin1Char('&'), QLatin1String("&&"));
        QAction *item = menuFenetre->addAction(QStringLiteral("&%1 %2").arg(numero++).arg(titre));
        item->setCheckable(true);
        item->setChecked(fenetre == zone_->currentSubWindow());
        connect(item, &QAction::triggered, this, [this, fenetre] {
            // A minimised document chosen in the list comes back.
            if (fenetre->isMinimized())
                fenetre->showNormal();
            zone_->setActiveSubWindow(fenetre);
        });
        actionsFenetres_.append(item);
    }
}

QList<QMdiSubWindow *> TMainForm::FenetresReduites() const
{
    QList<QMdiSubWindow *> icones;
    for (QMdiSubWindow *f : zone_->subWindowList())
        if (f->isMinimized())
            icones.append(f);
    return icones;
}

void TMainForm::ToutReorganiser()
{
    const QList<QMdiSubWindow *> icones = FenetresReduites();
    QList<QSize> tailles;
    for (QMdiSubWindow *f : icones)
        tailles.append(f->size());
    const QList<QPoint> positions = PositionsIcones(zone_->viewport()->size(), tailles);
    for (qsizetype i = 0; i < icones.size(); ++i)
        icones[i]->move(positions[i]);
}

QRect TMainForm::ZoneAuDessusDesIcones() const
{
    QList<QSize> tailles;
    for (QMdiSubWindow *f : FenetresReduites())
        tailles.append(f->size());
    const QSize zone = zone_->viewport()->size();
    return QRect(0, 0, zone.width(), std::max(1, zone.height() - HauteurRangeesIcones(zone, tailles)));
}

// The documents that the cascade and the mosaics arrange: every window that
// is not minimised, a maximised one coming back to its normal state.
QList<QMdiSubWindow *> TMainForm::FenetresAArranger()
{
    QList<QMdiSubWindow *> fenetres;
    for (QMdiSubWindow *f : zone_->subWindowList())
        if (!f->isMinimized())
            fenetres.append(f);
    for (QMdiSubWindow *f : fenetres)
        if (f->isMaximized())
            f->showNormal();
    return fenetres;
}

void TMainForm::Mosaique(bool horizontale)
{
    const QList<QMdiSubWindow *> fenetres = FenetresAArranger();
    ToutReorganiser();
    const QList<QRect> rectangles =
        RectanglesMosaique(ZoneAuDessusDesIcones(), static_cast<int>(fenetres.size()), horizontale);
    for (qsizetype i = 0; i < rectangles.size(); ++i)
        fenetres[i]->setGeometry(rectangles[i]);
}

void TMainForm::Cascade()
{
    const QList<QMdiSubWindow *> fenetres = FenetresAArranger();
    ToutReorganiser();
    if (fenetres.isEmpty())
        return;
    // Each window steps down by the height of a title bar, so that every
    // caption stays readable.
    QMdiSubWindow *premiere = fenetres.first();
    const int pas = premiere->widget() ? premiere->widget()->mapTo(premiere, QPoint(0, 0)).y() : 24;
    const QList<QRect> rectangles = RectanglesCascade(ZoneAuDessusDesIcones(), static_cast<int>(fenetres.size()), pas);
    for (qsizetype i = 0; i < rectangles.size(); ++i) {
        fenetres[i]->setGeometry(rectangles[i]);
        fenetres[i]->raise();
    }
}

void TMainForm::ReajusterDocuments()
{
    for (TMDIChild *document : Documents())
        document->Ajuster();
}
