#include "document/image_document.h"

#include "commun/nombres.h"
#include "commun/grandes_pages.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr QRgb TransparentBlanc = 0x00FFFFFF;

// n / 255 to the nearest integer; n / 255 never falls on a half since 255 is odd.
inline std::uint32_t Div255(std::uint32_t n) { return (n + 127) / 255; }

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

// True when every pixel of the row is zero, the pixel of a cleared layer.
// Read in blocks so that a row drawn on near its start is found early.
bool LigneNulle(const QRgb *ligne, int n)
{
    constexpr int Bloc = 64;
    int x = 0;
    for (; x + Bloc <= n; x += Bloc) {
        QRgb ou = 0;
        for (int i = 0; i < Bloc; ++i)
            ou |= ligne[x + i];
        if (ou != 0)
            return false;
    }
    QRgb ou = 0;
    for (; x < n; ++x)
        ou |= ligne[x];
    return ou == 0;
}

// One scan line of the merge rule of the provisional layer into the drawing layer.
void FusionnerLigne(const QRgb *f, QRgb *b, int n, std::uint32_t m, bool zonation, QRgb couleurZonation)
{
    const std::uint32_t mInv = 255 - m;
    for (int x = 0; x < n; ++x) {
        const QRgb pf = f[x];
        const std::uint32_t af = pf >> 24;
        if (af == 0)
            continue;
        if (zonation) {
            b[x] = couleurZonation;
            continue;
        }
        const QRgb pb = b[x];
        if (((pf & 0x00FFFFFFu) | (m << 24)) == pb)
            continue;
        std::uint32_t a = Div255(af * m);
        const std::uint32_t ab = pb >> 24;
        if (ab == 0) {
            b[x] = (pf & 0x00FFFFFFu) | (a << 24);
            continue;
        }
        a = std::max(a, ab);
        std::uint32_t rgb = pb & 0x00FFFFFFu;
        if ((pf & 0x00FFFFFFu) != rgb) {
            const std::uint32_t r = Div255(((pf >> 16) & 0xFF) * m + ((pb >> 16) & 0xFF) * mInv);
            const std::uint32_t g = Div255(((pf >> 8) & 0xFF) * m + ((pb >> 8) & 0xFF) * mInv);
            const std::uint32_t bl = Div255((pf & 0xFF) * m + (pb & 0xFF) * mInv);
            rgb = (r << 16) | (g << 8) | bl;
        }
        b[x] = rgb | (a << 24);
    }
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

// Where a positioned layer lands on the image: its position rounded to whole pixels.
QPoint PositionArrondie(const CouchePositionnee &couche)
{
    return {static_cast<int>(Arrondi(couche.position.x())), static_cast<int>(Arrondi(couche.position.y()))};
}

// Blends a positioned layer with the painter of a working bitmap whose
// top-left pixel is the image pixel origine.
void DessinerCoucheAvec(QPainter &p, const CouchePositionnee &couche, QPoint origine)
{
    if (!couche.presente())
        return;
    const QPoint pos = PositionArrondie(couche) - origine;
    p.setOpacity(couche.alphaMaitre / 255.0);
    if (couche.opaque) {
        QImage opaque = couche.image.convertToFormat(QImage::Format_RGB32);
        p.drawImage(pos, opaque);
    } else {
        p.drawImage(pos, couche.image);
    }
}

// The same onto a working bitmap with a painter of its own.
void DessinerCouche(QImage &travail, const CouchePositionnee &couche, QPoint origine = QPoint(0, 0))
{
    QPainter p(&travail);
    DessinerCoucheAvec(p, couche, origine);
}

// True when a positioned layer blends as a plain copy of its opaque pixels:
// not drawn opaque, master alpha 255, every pixel of alpha 0 or 255.
bool AlphaTranche(const CouchePositionnee &couche)
{
    if (couche.opaque || couche.alphaMaitre != 255 || couche.image.format() != QImage::Format_ARGB32)
        return false;
    std::uint32_t entre = 0; // set by an alpha of 1 .. 254
    const int w = couche.image.width(), h = couche.image.height();
    for (int y = 0; y < h; ++y) {
        const auto *l = reinterpret_cast<const QRgb *>(couche.image.constScanLine(y));
        for (int x = 0; x < w; ++x)
            entre |= static_cast<std::uint32_t>((l[x] >> 24) - 1u < 254u);
    }
    return entre == 0;
}

// Writes the opaque pixels of such a layer, whose square on the image is
// cadre, that fall on the image row y (d, w pixels wide), clipped.
void EcrireOpaques(const CouchePositionnee &couche, const QRect &cadre, int y, QRgb *d, int w)
{
    const int debut = std::max(cadre.left(), 0), fin = std::min(cadre.right() + 1, w);
    if (y < cadre.top() || y > cadre.bottom() || debut >= fin)
        return;
    const auto *l = reinterpret_cast<const QRgb *>(couche.image.constScanLine(y - cadre.top())) - cadre.left();
    for (int x = debut; x < fin; ++x)
        d[x] = (l[x] >> 24) ? l[x] : d[x];
}

// Colours of the layer pixel c over the pixel d by c's alpha a, each
// component round((c·a + d·(255 − a)) / 255); the result keeps the larger of
// the two alphas so that an opaque image stays opaque. Alpha 0 gives d back
// and alpha 255 gives c, so no pixel needs a branch of its own. Red and blue
// are worked side by side in 16-bit halves of one word (no half exceeds
// 255·255 + 255 on the way).
inline QRgb MelangerPixel(QRgb c, QRgb d)
{
    const std::uint32_t a = c >> 24;
    const std::uint32_t inv = 255 - a;
    std::uint32_t rb = (c & 0x00FF00FFu) * a + (d & 0x00FF00FFu) * inv + 0x007F007Fu;
    rb = ((rb + 0x00010001u + ((rb >> 8) & 0x00FF00FFu)) >> 8) & 0x00FF00FFu;
    const std::uint32_t g = Div255(((c >> 8) & 0xFF) * a + ((d >> 8) & 0xFF) * inv);
    return (std::max(a, d >> 24) << 24) | rb | (g << 8);
}

// A layer row over an image row. Blocks of eight transparent layer pixels,
// most of a drawing layer, are passed over after one test.
void MelangerLigne(const QRgb *c, QRgb *d, int w)
{
    constexpr int Bloc = 8;
    int x = 0;
    for (; x + Bloc <= w; x += Bloc) {
        QRgb ou = 0;
        for (int i = 0; i < Bloc; ++i)
            ou |= c[x + i];
        if ((ou >> 24) == 0)
            continue;
        for (int i = 0; i < Bloc; ++i)
            d[x + i] = MelangerPixel(c[x + i], d[x + i]);
    }
    for (; x < w; ++x)
        d[x] = MelangerPixel(c[x], d[x]);
}

// The drawing row merged with the provisional row into rangee (which holds a
// copy of the drawing row, or transparent white without a drawing layer).
// Returns the row to blend over the image: the drawing row itself when the
// provisional row is clear, rangee otherwise, nullptr when there is nothing.
const QRgb *RangeeCombinee(const QRgb *dessin, const QRgb *provisoire, QRgb *rangee, int w, std::uint32_t m)
{
    if (!provisoire || LigneNulle(provisoire, w))
        return dessin;
    if (dessin)
        std::memcpy(rangee, dessin, sizeof(QRgb) * static_cast<std::size_t>(w));
    else
        std::fill_n(rangee, w, TransparentBlanc);
    FusionnerLigne(provisoire, rangee, w, m, false, 0);
    return rangee;
}

void MelangerSurImage(const QImage &couche, QImage &dest)
{
    const int h = std::min(couche.height(), dest.height());
    const int w = std::min(couche.width(), dest.width());
    for (int y = 0; y < h; ++y)
        MelangerLigne(reinterpret_cast<const QRgb *>(couche.constScanLine(y)),
                      reinterpret_cast<QRgb *>(dest.scanLine(y)), w);
}

bool CouchePresente(const QImage &couche, QSize taille)
{
    return !couche.isNull() && couche.size() == taille;
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

QImage ImageDocument::Aplatir() const
{
    const bool calques = CouchePresente(coucheDessin, image.size()) || CouchePresente(coucheProvisoire, image.size());
    bool autres = coucheFlottante.presente();
    for (const auto &categorie : marquesComptage)
        for (const auto &marque : categorie)
            autres = autres || marque.presente();
    // Without layers the result is the image itself, shared, not copied.
    if (!calques && !autres)
        return image.convertToFormat(QImage::Format_ARGB32);
    QImage dest;
    Aplatir(dest);
    return dest;
}

void ImageDocument::Aplatir(QImage &dest) const
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    if (source.isNull()) {
        dest = QImage();
        return;
    }
    if (dest.size() != source.size() || dest.format() != QImage::Format_ARGB32 || !dest.isDetached()) {
        dest = QImage(source.size(), QImage::Format_ARGB32);
        if (dest.isNull())
            return;
        // Written once, row after row: large pages save most of the page faults.
        ConseillerGrandesPages(dest.bits(), static_cast<std::size_t>(dest.sizeInBytes()));
    }
    const int w = source.width();
    const int h = source.height();
    const bool avecDessin = CouchePresente(coucheDessin, image.size());
    const bool avecProvisoire = CouchePresente(coucheProvisoire, image.size());
    const auto m = static_cast<std::uint32_t>(std::clamp(alphaProvisoire, 0, 255));

    // Positioned layers (floating layer, counting marks) are drawn with their
    // opacity on working bitmaps that cover only them: one per group of
    // overlapping layers, so marks spread over the picture never call for a
    // bitmap of its size. The rest of each row goes straight from the layers
    // to the destination.
    //
    // Counting marks whose pixels are all either transparent or opaque, at
    // full master alpha, come out of that blend as their opaque pixels: when
    // every mark is so, they are written over the finished rows instead.
    std::vector<const CouchePositionnee *> marques;
    for (const auto &categorie : marquesComptage)
        for (const auto &marque : categorie)
            if (marque.presente())
                marques.push_back(&marque);
    const bool marquesEcrites =
        std::all_of(marques.begin(), marques.end(), [](const CouchePositionnee *c) { return AlphaTranche(*c); });
    std::vector<const CouchePositionnee *> placees;
    if (coucheFlottante.presente())
        placees.push_back(&coucheFlottante);
    if (!marquesEcrites)
        placees.insert(placees.end(), marques.begin(), marques.end());
    // Each group holds its rectangle and the layers it covers, by their
    // index in placees (the order they are drawn in).
    struct Amas {
        QRect zone;
        std::vector<std::size_t> membres;
    };
    std::vector<Amas> amas;
    for (std::size_t i = 0; i < placees.size(); ++i) {
        const CouchePositionnee *c = placees[i];
        const QRect r = QRect(PositionArrondie(*c), c->image.size()) & source.rect();
        if (!r.isEmpty())
            amas.push_back({r, {i}});
    }
    // Overlapping rectangles are merged until none overlap. Each pass sorts
    // them by their left side and compares a rectangle only with those that
    // start before it ends, so thousands of small marks cost little.
    auto chevauchent = [](const QRect &a, const QRect &b) {
        return a.left() <= b.right() && b.left() <= a.right() && a.top() <= b.bottom() && b.top() <= a.bottom();
    };
    for (bool fusion = true; fusion;) {
        fusion = false;
        std::sort(amas.begin(), amas.end(), [](const Amas &a, const Amas &b) { return a.zone.left() < b.zone.left(); });
        std::vector<char> absorbe(amas.size(), 0);
        for (std::size_t i = 0; i < amas.size(); ++i) {
            if (absorbe[i])
                continue;
            for (std::size_t j = i + 1; j < amas.size() && amas[j].zone.left() <= amas[i].zone.right(); ++j)
                if (!absorbe[j] && chevauchent(amas[i].zone, amas[j].zone)) {
                    amas[i].zone |= amas[j].zone;
                    amas[i].membres.insert(amas[i].membres.end(), amas[j].membres.begin(), amas[j].membres.end());
                    absorbe[j] = 1;
                    fusion = true;
                }
        }
        std::size_t n = 0;
        for (std::size_t i = 0; i < amas.size(); ++i)
            if (!absorbe[i]) {
                if (n != i)
                    amas[n] = std::move(amas[i]);
                ++n;
            }
        amas.resize(n);
    }
    // Rows meet the working bitmaps in the order of their tops.
    std::sort(amas.begin(), amas.end(), [](const Amas &a, const Amas &b) { return a.zone.top() < b.zone.top(); });
    std::vector<QImage> travaux;
    for (Amas &groupe : amas) {
        const QRect &zone = groupe.zone;
        QImage travail(zone.size(), QImage::Format_ARGB32);
        for (int y = zone.top(); y <= zone.bottom(); ++y) {
            auto *t = reinterpret_cast<QRgb *>(travail.scanLine(y - zone.top()));
            const QRgb *d = avecDessin ? reinterpret_cast<const QRgb *>(coucheDessin.constScanLine(y)) + zone.left()
                                       : nullptr;
            if (d)
                std::memcpy(t, d, sizeof(QRgb) * static_cast<std::size_t>(zone.width()));
            else
                std::fill_n(t, zone.width(), TransparentBlanc);
            if (avecProvisoire) {
                const QRgb *f = reinterpret_cast<const QRgb *>(coucheProvisoire.constScanLine(y)) + zone.left();
                if (!LigneNulle(f, zone.width()))
                    FusionnerLigne(f, t, zone.width(), m, false, 0);
            }
        }
        std::sort(groupe.membres.begin(), groupe.membres.end());
        QPainter p(&travail);
        for (const std::size_t i : groupe.membres)
            DessinerCoucheAvec(p, *placees[i], zone.topLeft());
        p.end();
        travaux.push_back(std::move(travail));
    }
    std::vector<QRgb> rangee(static_cast<std::size_t>(w));
    std::vector<std::size_t> actifs; // working bitmaps the row crosses, left to right
    std::size_t prochain = 0;        // first one not reached yet
    // Marks written over the finished rows while they are in the cache: by
    // their tops, and within a row in their stacking order.
    std::vector<std::size_t> parHaut;
    std::vector<QRect> cadres; // each mark's square at its rounded position
    if (marquesEcrites) {
        cadres.reserve(marques.size());
        for (std::size_t i = 0; i < marques.size(); ++i) {
            cadres.emplace_back(PositionArrondie(*marques[i]), marques[i]->image.size());
            if (cadres.back().intersects(source.rect()))
                parHaut.push_back(i);
        }
        std::sort(parHaut.begin(), parHaut.end(),
                  [&](std::size_t a, std::size_t b) { return cadres[a].top() < cadres[b].top(); });
    }
    std::vector<std::size_t> marquesActives;
    std::size_t marqueSuivante = 0;

    for (int y = 0; y < h; ++y) {
        auto *d = reinterpret_cast<QRgb *>(dest.scanLine(y));
        std::memcpy(d, source.constScanLine(y), sizeof(QRgb) * static_cast<std::size_t>(w));
        const QRgb *dessin = avecDessin ? reinterpret_cast<const QRgb *>(coucheDessin.constScanLine(y)) : nullptr;
        const QRgb *provisoire =
            avecProvisoire ? reinterpret_cast<const QRgb *>(coucheProvisoire.constScanLine(y)) : nullptr;
        const QRgb *calque = RangeeCombinee(dessin, provisoire, rangee.data(), w, m);
        const std::size_t avant = actifs.size();
        while (prochain < amas.size() && amas[prochain].zone.top() <= y)
            actifs.push_back(prochain++);
        const auto fin = std::remove_if(actifs.begin(), actifs.end(), [&](std::size_t i) { return amas[i].zone.bottom() < y; });
        const bool change = actifs.size() != avant || fin != actifs.end();
        actifs.erase(fin, actifs.end());
        if (change)
            std::sort(actifs.begin(), actifs.end(),
                      [&](std::size_t a, std::size_t b) { return amas[a].zone.left() < amas[b].zone.left(); });
        // The layers between the working bitmaps, the working bitmaps over their spans.
        int x = 0;
        for (const std::size_t i : actifs) {
            const QRect &zone = amas[i].zone;
            if (calque && zone.left() > x)
                MelangerLigne(calque + x, d + x, zone.left() - x);
            MelangerLigne(reinterpret_cast<const QRgb *>(travaux[i].constScanLine(y - zone.top())), d + zone.left(),
                          zone.width());
            x = zone.right() + 1;
        }
        if (calque && x < w)
            MelangerLigne(calque + x, d + x, w - x);
        if (parHaut.empty())
            continue;
        bool nouvelles = false;
        while (marqueSuivante < parHaut.size() && cadres[parHaut[marqueSuivante]].top() <= y) {
            marquesActives.push_back(parHaut[marqueSuivante++]);
            nouvelles = true;
        }
        std::erase_if(marquesActives, [&](std::size_t i) { return cadres[i].bottom() < y; });
        if (nouvelles)
            std::sort(marquesActives.begin(), marquesActives.end());
        for (const std::size_t i : marquesActives)
            EcrireOpaques(*marques[i], cadres[i], y, d, w);
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
