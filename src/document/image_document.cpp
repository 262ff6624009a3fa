#include "document/image_document.h"

#include "document/melange_couches.h"

#include "commun/nombres.h"
#include "commun/grandes_pages.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

using namespace melange_couches;

namespace {

void LibererCouche(void *pixels)
{
    std::free(pixels);
}

// A transparent layer. Transparent is the all-zero pixel, so the layer comes
// from zeroed memory: the system hands a large block over already zeroed and
// only the pages where something gets drawn are ever written, which makes
// the two layers of a 24-megapixel picture nearly free to create.
QImage CoucheVide(QSize taille)
{
    if (taille.isEmpty())
        return {};
    const auto largeur = static_cast<std::size_t>(taille.width());
    void *pixels = std::calloc(largeur * static_cast<std::size_t>(taille.height()), sizeof(QRgb));
    if (!pixels) {
        QImage couche(taille, QImage::Format_ARGB32);
        couche.fill(Qt::transparent);
        return couche;
    }
    return QImage(static_cast<uchar *>(pixels), taille.width(), taille.height(),
                  static_cast<qsizetype>(largeur * sizeof(QRgb)), QImage::Format_ARGB32, LibererCouche, pixels);
}

// Merges the provisional layer into the drawing layer and clears it, in one
// pass: rows of the provisional layer that are already clear are only read,
// so neither layer is written where nothing was drawn.
void FusionnerEtEffacer(QImage &provisoire, QImage &dessin, int alphaMaitre, bool zonation, QRgb couleurZonation)
{
    const int h = std::min(provisoire.height(), dessin.height());
    const int w = std::min(provisoire.width(), dessin.width());
    const auto m = static_cast<std::uint32_t>(std::clamp(alphaMaitre, 0, 255));
    for (int y = 0; y < h; ++y) {
        if (LigneNulle(reinterpret_cast<const QRgb *>(provisoire.constScanLine(y)), provisoire.width()))
            continue;
        auto *f = reinterpret_cast<QRgb *>(provisoire.scanLine(y));
        FusionnerLigne(f, reinterpret_cast<QRgb *>(dessin.scanLine(y)), w, m, zonation, couleurZonation);
        std::fill_n(f, provisoire.width(), QRgb(0));
    }
}

// The same onto a working bitmap with a painter of its own.
void DessinerCouche(QImage &travail, const CouchePositionnee &couche, QPoint origine = QPoint(0, 0))
{
    QPainter p(&travail);
    DessinerCoucheAvec(p, couche, origine);
}

void MelangerSurImage(const QImage &couche, QImage &dest)
{
    const int h = std::min(couche.height(), dest.height());
    const int w = std::min(couche.width(), dest.width());
    for (int y = 0; y < h; ++y)
        MelangerLigne(reinterpret_cast<const QRgb *>(couche.constScanLine(y)),
                      reinterpret_cast<QRgb *>(dest.scanLine(y)), w);
}

} // namespace

void ImageDocument::PreparerRafraichissement(int opaciteDessin)
{
    CreerCoucheProvisoire(opaciteDessin);
    if (!echelle.Definie)
        echelle = EchelleParDefaut();
}

bool ImageDocument::CreerCoucheDessin()
{
    if (CouchePresente(coucheDessin, image.size()))
        return false;
    coucheDessin = CoucheVide(image.size());
    return true;
}

bool ImageDocument::CreerCoucheProvisoire(int alphaMaitre)
{
    if (CouchePresente(coucheProvisoire, image.size()))
        return false;
    coucheProvisoire = CoucheVide(image.size());
    alphaProvisoire = std::clamp(alphaMaitre, 0, 255);
    return true;
}

void ImageDocument::FusionnerProvisoire()
{
    etatDessin.DernierProvisoire = false;
    CreerCoucheDessin();
    if (!CouchePresente(coucheProvisoire, image.size())) {
        CreerCoucheProvisoire(alphaProvisoire);
        return;
    }
    FusionnerEtEffacer(coucheProvisoire, coucheDessin, alphaProvisoire, zonationEnCours, couleurZonation);
}

void ImageDocument::FusionnerProvisoireZone(const QRect &zone)
{
    CreerCoucheDessin();
    if (!CouchePresente(coucheProvisoire, image.size())) {
        CreerCoucheProvisoire(alphaProvisoire);
        return;
    }
    const QRect r = zone.intersected(coucheProvisoire.rect());
    if (r.isEmpty())
        return;
    const auto m = static_cast<std::uint32_t>(std::clamp(alphaProvisoire, 0, 255));
    for (int y = r.top(); y <= r.bottom(); ++y) {
        QRgb *f = reinterpret_cast<QRgb *>(coucheProvisoire.scanLine(y)) + r.left();
        FusionnerLigne(f, reinterpret_cast<QRgb *>(coucheDessin.scanLine(y)) + r.left(), r.width(), m, zonationEnCours,
                       couleurZonation);
        std::fill_n(f, r.width(), QRgb(0));
    }
}

QImage ImageDocument::CopieCouche(const QImage &couche, QRgb couleurFond) const
{
    if (!CouchePresente(couche, image.size()))
        return {};
    QImage dest(image.size(), QImage::Format_ARGB32);
    dest.fill(couleurFond | 0xFF000000u);
    MelangerSurImage(couche, dest);
    return dest;
}

bool ImageDocument::ProvisoireNonVide() const
{
    if (!CouchePresente(coucheProvisoire, image.size()))
        return false;
    for (int y = 0; y < coucheProvisoire.height(); ++y) {
        const auto *l = reinterpret_cast<const QRgb *>(coucheProvisoire.constScanLine(y));
        for (int x = 0; x < coucheProvisoire.width(); ++x)
            if (l[x] >> 24)
                return true;
    }
    return false;
}

std::optional<QImage> ImageDocument::ExtrairePeint(bool dessous, QRgb couleurFond) const
{
    const bool avecDessin = CouchePresente(coucheDessin, image.size());
    const bool avecProvisoire = CouchePresente(coucheProvisoire, image.size());
    const int w = image.width();
    const int h = image.height();
    if (w == 0 || h == 0)
        return std::nullopt;
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    QImage dest(w, h, QImage::Format_ARGB32);
    dest.fill(couleurFond | 0xFF000000u);
    int x0 = w, y0 = h, x1 = -1, y1 = -1;
    for (int y = 0; y < h; ++y) {
        const QRgb *d = avecDessin ? reinterpret_cast<const QRgb *>(coucheDessin.constScanLine(y)) : nullptr;
        const QRgb *p = avecProvisoire ? reinterpret_cast<const QRgb *>(coucheProvisoire.constScanLine(y)) : nullptr;
        const auto *s = reinterpret_cast<const QRgb *>(source.constScanLine(y));
        auto *o = reinterpret_cast<QRgb *>(dest.scanLine(y));
        for (int x = 0; x < w; ++x) {
            const bool peint = (d && (d[x] >> 24)) || (p && (p[x] >> 24));
            if (peint != dessous)
                continue;
            o[x] = s[x];
            x0 = std::min(x0, x);
            x1 = std::max(x1, x);
            y0 = std::min(y0, y);
            y1 = y;
        }
    }
    if (x1 < 0)
        return std::nullopt;
    return dest.copy(QRect(QPoint(x0, y0), QPoint(x1, y1)));
}

void ImageDocument::CommencerCollage(const QImage &colle, QRgb couleurFond)
{
    outilCourant = OutilTexte;
    coucheFlottante.image = PreparerCollage(colle, couleurFond);
    coucheFlottante.position = QPointF(10, 10);
    coucheFlottante.visible = true;
    coucheFlottante.alphaMaitre = 255;
    placementEnCours = true;
}

void ImageDocument::PoserCoucheFlottante()
{
    if (!coucheFlottante.image.isNull()) {
        CreerCoucheProvisoire(alphaProvisoire);
        CouchePositionnee pose = coucheFlottante;
        pose.visible = true;
        DessinerCouche(coucheProvisoire, pose);
    }
    coucheFlottante.visible = false;
    placementEnCours = false;
}

QImage PreparerCollage(const QImage &colle, QRgb couleurFond)
{
    QImage resultat = colle.convertToFormat(QImage::Format_ARGB32);
    const QRgb fondRvb = couleurFond & 0x00FFFFFFu;
    for (int y = 0; y < resultat.height(); ++y) {
        auto *l = reinterpret_cast<QRgb *>(resultat.scanLine(y));
        for (int x = 0; x < resultat.width(); ++x) {
            const QRgb rvb = l[x] & 0x00FFFFFFu;
            l[x] = rvb == fondRvb ? fondRvb : (rvb | 0xFF000000u);
        }
    }
    return resultat;
}

QPoint PositionImage(QPointF pointeur, QPointF origine, float zoom)
{
    const double z = zoom > 0 ? zoom : 1.0;
    return {static_cast<int>(Arrondi((pointeur.x() - origine.x()) / z)),
            static_cast<int>(Arrondi((pointeur.y() - origine.y()) / z))};
}

QSize TailleAffichee(QSize image, float zoom)
{
    return {static_cast<int>(Arrondi(image.width() * static_cast<double>(zoom))),
            static_cast<int>(Arrondi(image.height() * static_cast<double>(zoom)))};
}

QSize TailleClientAjustee(const ParametresAjustement &p)
{
    if (p.maximisee)
        return {p.largeurDispo, p.hauteurDispo};
    const QSize affichee = TailleAffichee(p.tailleImage, p.zoom);
    const int largeur = std::min(affichee.width() + 18, p.largeurDispo - p.coinFenetre.x() - 15);
    const int hauteur = std::min(affichee.height() + 18, p.hauteurDispo - p.coinFenetre.y() - 15);
    return {std::max(largeur, 0), std::max(hauteur, 0)};
}

void ImageDocument::MarquerEnregistre()
{
    empreinteEnregistree = CalculerEmpreinte(image, dessins, echelle, codeCouleur, lignesLibres);
}

bool ImageDocument::Modifie() const
{
    return !empreinteEnregistree
           || !MemeContenu(*empreinteEnregistree, image, dessins, echelle, codeCouleur, lignesLibres);
}
