#include "document/ui/fenetre_document.h"

#include "document/composition_vue.h"
#include "document/ui/fenetre_placement.h"
#include "document/placement_flottant.h"

#include <QActionGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QLayout>
#include <QMdiArea>
#include <QMenu>
#include <QMimeData>
#include <QMouseEvent>
#include <QWheelEvent>
#include <QPainter>
#include <QPaintEvent>
#include <QScrollBar>
#include <QSvgRenderer>

#include <algorithm>
#include <cmath>

// ---------------------------------------------------------------- VueImage

VueImage::VueImage(TMDIChild *fenetre) : QAbstractScrollArea(fenetre), fenetre_(fenetre)
{
    setFrameShape(QFrame::NoFrame);
    viewport()->setMouseTracking(true);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
}

QPointF VueImage::OrigineImage() const
{
    return {-static_cast<double>(horizontalScrollBar()->value()), -static_cast<double>(verticalScrollBar()->value())};
}

void VueImage::MettreAJourDefilement(bool remiseAZero)
{
    const ImageDocument &doc = fenetre_->document();
    const QSize affichee = TailleAffichee(doc.image.size(), doc.zoom);
    const QSize vue = viewport()->size();
    horizontalScrollBar()->setRange(0, std::max(0, affichee.width() - vue.width()));
    verticalScrollBar()->setRange(0, std::max(0, affichee.height() - vue.height()));
    horizontalScrollBar()->setPageStep(std::max(1, vue.width()));
    verticalScrollBar()->setPageStep(std::max(1, vue.height()));
    horizontalScrollBar()->setSingleStep(20);
    verticalScrollBar()->setSingleStep(20);
    if (remiseAZero) {
        horizontalScrollBar()->setValue(0);
        verticalScrollBar()->setValue(0);
    }
    viewport()->update();
}

void VueImage::paintEvent(QPaintEvent *event)
{
    QPainter p(viewport());
    const QRect expose = event->rect();
    p.fillRect(expose, palette().color(QPalette::Dark));
    const ImageDocument &doc = fenetre_->document();
    if (doc.image.isNull())
        return;
    const double z = doc.zoom > 0 ? doc.zoom : 1.0;
    // Only the exposed view pixels over the image are composed, straight at
    // the view's resolution: a frame costs what the view shows.
    const QPoint origine = OrigineImage().toPoint();
    const QRect zone = expose.translated(-origine) &
                       QRect(QPoint(0, 0), TailleAffichee(doc.image.size(), static_cast<float>(z)));
    if (zone.isEmpty())
        return;
    p.drawImage(zone.topLeft() + origine, ComposerVue(doc, zone, z));
}

void VueImage::mousePressEvent(QMouseEvent *event)
{
    ImageDocument &doc = fenetre_->document();
    const QPoint pixel = fenetre_->PositionImage(event->position());
    if (event->button() == Qt::LeftButton && doc.placementEnCours && !doc.coucheFlottante.image.isNull()) {
        const QRectF cadre(doc.coucheFlottante.position, QSizeF(doc.coucheFlottante.image.size()));
        prisePointeur_ = cadre.contains(pixel) ? QPointF(pixel) - cadre.topLeft() : QPointF(0, 0);
        doc.coucheFlottante.position = QPointF(pixel) - prisePointeur_;
        glisseFlottante_ = true;
        fenetre_->Redessiner();
        return;
    }
    emit fenetre_->PointeurEnfonce(pixel, event->button(), event->buttons(), event->modifiers());
}

void VueImage::mouseMoveEvent(QMouseEvent *event)
{
    const QPoint pixel = fenetre_->PositionImage(event->position());
    if (glisseFlottante_) {
        fenetre_->document().coucheFlottante.position = QPointF(pixel) - prisePointeur_;
        fenetre_->Redessiner();
        return;
    }
    emit fenetre_->PointeurDeplace(pixel, event->buttons(), event->modifiers());
}

void VueImage::mouseReleaseEvent(QMouseEvent *event)
{
    const QPoint pixel = fenetre_->PositionImage(event->position());
    if (glisseFlottante_ && event->button() == Qt::LeftButton) {
        glisseFlottante_ = false;
        return;
    }
    emit fenetre_->PointeurRelache(pixel, event->button(), event->buttons(), event->modifiers());
}

void VueImage::contextMenuEvent(QContextMenuEvent *event)
{
    if (fenetre_->document().outilCourant == ImageDocument::OutilPipette)
        return;
    fenetre_->menuContextuel->popup(event->globalPos());
}

void VueImage::scrollContentsBy(int dx, int dy)
{
    viewport()->scroll(dx, dy);
}

void VueImage::wheelEvent(QWheelEvent *event)
{
    // Ctrl + wheel zooms, as in every picture program; the wheel alone scrolls.
    if (event->modifiers() & Qt::ControlModifier) {
        const int cran = event->angleDelta().y();
        if (cran != 0)
            emit fenetre_->ZoomMolette(cran > 0);
        event->accept();
        return;
    }
    QAbstractScrollArea::wheelEvent(event);
}

void VueImage::resizeEvent(QResizeEvent *event)
{
    QAbstractScrollArea::resizeEvent(event);
    MettreAJourDefilement(false);
}

// --------------------------------------------------------------- TMDIChild

TMDIChild::TMDIChild(const QString &titre, QWidget *parent)
    : QMdiSubWindow(parent), document_(std::make_unique<ImageDocument>())
{
    setAttribute(Qt::WA_DeleteOnClose);
    vue_ = new VueImage(this);
    setWidget(vue_);
    ConstruireMenu();
    DefinirTitre(titre);
}

TMDIChild::~TMDIChild()
{
    if (placement_)
        placement_->deleteLater();
}

void TMDIChild::RemplacerDocument(std::unique_ptr<ImageDocument> document)
{
    if (!document)
        return;
    const QString titre = document_->titre;
    document_ = std::move(document);
    if (document_->titre.isEmpty())
        document_->titre = titre;
    setWindowTitle(document_->titre);
    vue_->MettreAJourDefilement(true);
}

void TMDIChild::DefinirTitre(const QString &titre)
{
    document_->titre = titre;
    setWindowTitle(titre);
}

QRgb TMDIChild::CouleurFond() const
{
    return (couleurFond ? couleurFond() : 0xFFFFFFFFu) | 0xFF000000u;
}

void TMDIChild::ConstruireMenu()
{
    menuContextuel = new QMenu(this);
    menuCopier = menuContextuel->addMenu(tr("&Copier..."));
    actCopierTout = menuCopier->addAction(tr("&tout"), this, &TMDIChild::CopierTout);
    actCopierFond = menuCopier->addAction(tr("le &fond"), this, &TMDIChild::CopierFond);
    actCopierCoucheDessin = menuCopier->addAction(tr("la couche &dessin"), this, &TMDIChild::CopierCoucheDessin);
    actCopierCoucheProvisoire =
        menuCopier->addAction(tr("la couche &provisoire"), this, &TMDIChild::CopierCoucheProvisoire);
    actCopierSousPeint = menuCopier->addAction(tr("&sous ce qui est peint"), this, &TMDIChild::CopierSousPeint);
    actCopierHorsPeint = menuCopier->addAction(tr("&hors de ce qui est peint"), this, &TMDIChild::CopierHorsPeint);
    actCopierPartieAffichee =
        menuCopier->addAction(tr("la p&artie affichée de l'image"), this, &TMDIChild::CopierPartieAffichee);
    actCopierSignature = menuCopier->addAction(tr("la s&ignature Spectrale"), this,
                                               [this] { emit SignatureSpectraleDemandee(); });
    actCopierSignature->setEnabled(false);
    actCollerDansImage = menuContextuel->addAction(tr("Co&ller dans l'image"), this, &TMDIChild::CollerDansImage);

    menuFormeCurseur = menuContextuel->addMenu(tr("Forme du c&urseur"));
    auto *groupe = new QActionGroup(this);
    const char *formes[] = {QT_TR_NOOP("par &Défaut"), QT_TR_NOOP("&Flèche"), QT_TR_NOOP("&Croix"), QT_TR_NOOP("&I")};
    for (int i = 0; i < 4; ++i) {
        actFormesCurseur[i] = menuFormeCurseur->addAction(tr(formes[i]), this, [this, i] { DefinirFormeCurseur(i); });
        actFormesCurseur[i]->setCheckable(true);
        groupe->addAction(actFormesCurseur[i]);
    }
    actFormesCurseur[0]->setChecked(true);

    menuFusionner = menuContextuel->addMenu(tr("&Fusionner"));
    actFusionnerTout = menuFusionner->addAction(tr("&toutes les couches"));
    actFusionnerProvisoireDessin = menuFusionner->addAction(tr("les couches provisoire et de dessin"));
    actFusionnerTout->setEnabled(false);
    actFusionnerProvisoireDessin->setEnabled(false);

    connect(menuCopier, &QMenu::aboutToShow, this,
            [this] { actCopierCoucheDessin->setEnabled(document_->coucheDessin.size() == document_->image.size()); });
}

void TMDIChild::Rafraichir()
{
    document_->PreparerRafraichissement(opaciteDessin ? opaciteDessin() : 255);
    emit CanauxChanges();
    Ajuster();
    vue_->viewport()->update();
}

void TMDIChild::Ajuster()
{
    vue_->MettreAJourDefilement(false);
    if (ajustementEnCours_ || isMaximized() || isMinimized())
        return;
    QSize libre;
    if (espaceLibre)
        libre = espaceLibre();
    else if (mdiArea())
        libre = mdiArea()->viewport()->size();
    else
        libre = QSize(1 << 20, 1 << 20);
    ParametresAjustement p;
    p.tailleImage = document_->image.size();
    p.zoom = document_->zoom;
    p.largeurDispo = libre.width();
    p.hauteurDispo = libre.height();
    p.coinFenetre = pos();
    const QSize client = TailleClientAjustee(p);
    ajustementEnCours_ = true;
    // The frame around the view (title bar, borders) is measured, not assumed;
    // a second pass corrects it once the layout has placed the view.
    for (int passe = 0; passe < 2 && widget()->size() != client; ++passe) {
        resize(client + (size() - widget()->size()));
        if (layout())
            layout()->activate();
    }
    ajustementEnCours_ = false;
}

void TMDIChild::closeEvent(QCloseEvent *event)
{
    if (confirmerFermeture && !confirmerFermeture()) {
        event->ignore();
        return;
    }
    QMdiSubWindow::closeEvent(event);
}

void TMDIChild::resizeEvent(QResizeEvent *event)
{
    QMdiSubWindow::resizeEvent(event);
    if (ajustementEnCours_ || isMaximized() || isMinimized() || !widget())
        return;
    // The window never grows past the fitted size; the user may make it smaller.
    ParametresAjustement p;
    p.tailleImage = document_->image.size();
    p.zoom = document_->zoom;
    const QSize libre = espaceLibre ? espaceLibre() : (mdiArea() ? mdiArea()->viewport()->size() : QSize(1 << 20, 1 << 20));
    p.largeurDispo = libre.width();
    p.hauteurDispo = libre.height();
    p.coinFenetre = pos();
    const QSize maxi = TailleClientAjustee(p);
    const QSize client = widget()->size();
    if (client.width() > maxi.width() || client.height() > maxi.height()) {
        ajustementEnCours_ = true;
        resize(client.boundedTo(maxi) + (size() - client));
        ajustementEnCours_ = false;
    }
}

void TMDIChild::AppliquerZoom()
{
    vue_->MettreAJourDefilement(true);
    Rafraichir();
}

QPoint TMDIChild::PositionImage(QPointF pointeurVue) const
{
    return ::PositionImage(pointeurVue, vue_->OrigineImage(), document_->zoom);
}

void TMDIChild::Redessiner(const QRect &zoneImage)
{
    if (zoneImage.isEmpty()) {
        vue_->viewport()->update();
        return;
    }
    const double z = document_->zoom > 0 ? document_->zoom : 1.0;
    const QPointF o = vue_->OrigineImage();
    const QRectF ecran(o.x() + zoneImage.x() * z, o.y() + zoneImage.y() * z, zoneImage.width() * z,
                       zoneImage.height() * z);
    vue_->viewport()->update(ecran.toAlignedRect().adjusted(-2, -2, 2, 2));
}

void TMDIChild::MettreAuPressePapiers(const QImage &image)
{
    QGuiApplication::clipboard()->setImage(image);
    emit CopieFaite();
}

void TMDIChild::CopierTout()
{
    MettreAuPressePapiers(document_->Aplatir());
}

void TMDIChild::CopierFond()
{
    MettreAuPressePapiers(document_->image);
}

void TMDIChild::CopierCoucheDessin()
{
    // An unmerged drawing joins the layer first; a measured line never does.
    if (document_->ProvisoireNonVide() && !document_->etatDessin.LigneMesure) {
        document_->FusionnerProvisoire();
        Redessiner();
    }
    const QImage copie = document_->CopieCouche(document_->coucheDessin, CouleurFond());
    if (!copie.isNull())
        MettreAuPressePapiers(copie);
}

void TMDIChild::CopierCoucheProvisoire()
{
    const QImage copie = document_->CopieCouche(document_->coucheProvisoire, CouleurFond());
    if (!copie.isNull())
        MettreAuPressePapiers(copie);
}

void TMDIChild::CopierSousPeint()
{
    if (auto extrait = document_->ExtrairePeint(true, CouleurFond()))
        MettreAuPressePapiers(*extrait);
}

void TMDIChild::CopierHorsPeint()
{
    if (auto extrait = document_->ExtrairePeint(false, CouleurFond()))
        MettreAuPressePapiers(*extrait);
}

void TMDIChild::CopierPartieAffichee()
{
    MettreAuPressePapiers(vue_->viewport()->grab().toImage());
}

void TMDIChild::CollerDansImage()
{
    const QMimeData *donnees = QGuiApplication::clipboard()->mimeData();
    if (!donnees)
        return;
    const QRgb fond = CouleurFond();
    QImage colle;
    if (donnees->hasImage()) {
        colle = qvariant_cast<QImage>(donnees->imageData());
    } else if (donnees->hasFormat(QStringLiteral("image/svg+xml"))) {
        QSvgRenderer rendu(donnees->data(QStringLiteral("image/svg+xml")));
        if (!rendu.isValid() || rendu.defaultSize().isEmpty())
            return;
        colle = QImage(rendu.defaultSize(), QImage::Format_ARGB32);
        colle.fill(fond & 0x00FFFFFFu);
        QPainter p(&colle);
        rendu.render(&p);
    }
    if (colle.isNull() || document_->image.isNull())
        return;
    document_->CommencerCollage(colle, fond);
    document_->modePlacement = PlacementCollage;
    document_->elementEnPlacement.reset();
    OuvrirFenetrePlacement(PlacementCollage);
}

void TMDIChild::CommencerPlacement(int mode, const QImage &image, QPointF coin, std::unique_ptr<TDessin> element)
{
    if (document_->image.isNull() || image.isNull())
        return;
    const bool transparent = !placement_ || placement_->transparent();
    ::CommencerPlacement(*document_, mode, image, coin, transparent, std::move(element));
    OuvrirFenetrePlacement(mode);
}

void TMDIChild::OuvrirFenetrePlacement(int mode)
{
    if (!placement_) {
        placement_ = new TContLegEch(window());
        connect(placement_, &TContLegEch::PlacementTermine, this, &TMDIChild::TerminerPlacement);
        connect(placement_, &TContLegEch::TransparenceChangee, this, [this](bool transparent) {
            document_->coucheFlottante.opaque = !transparent;
            Redessiner();
        });
    }
    placement_->DefinirMode(static_cast<TContLegEch::Mode>(mode));
    document_->coucheFlottante.opaque = !placement_->transparent();
    placement_->show();
    placement_->raise();
    Redessiner();
}

void TMDIChild::TerminerPlacement(bool confirme)
{
    if (placement_ && placement_->isVisible())
        placement_->hide();
    if (!document_->placementEnCours)
        return;
    const int mode = document_->modePlacement;
    const bool transparent = !placement_ || placement_->transparent();
    if (ValiderPlacement(*document_, confirme, transparent))
        emit PlacementConfirme();
    Redessiner();
    emit PlacementFini(mode);
}

void TMDIChild::DefinirFormeCurseur(int forme)
{
    static constexpr Qt::CursorShape formes[] = {Qt::ArrowCursor, Qt::ArrowCursor, Qt::CrossCursor, Qt::IBeamCursor};
    if (forme < 0 || forme > 3)
        return;
    if (forme == 0)
        vue_->viewport()->unsetCursor();
    else
        vue_->viewport()->setCursor(formes[forme]);
    actFormesCurseur[forme]->setChecked(true);
}
