#include "document/image_document.h"

#include "commun/grandes_pages.h"
#include "document/melange_couches.h"

#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <unordered_map>
#include <vector>

using namespace melange_couches;

namespace {

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
    const uchar *ligne = couche.image.constBits() + static_cast<qsizetype>(y - cadre.top()) * couche.image.bytesPerLine();
    const auto *l = reinterpret_cast<const QRgb *>(ligne) - cadre.left();
    for (int x = debut; x < fin; ++x)
        d[x] = (l[x] >> 24) ? l[x] : d[x];
}

} // namespace

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
    // Marks mostly share their pictures: each picture's pixels are looked at once.
    std::unordered_map<qint64, bool> pixelsTranches;
    const bool marquesEcrites = std::all_of(marques.begin(), marques.end(), [&](const CouchePositionnee *c) {
        if (c->opaque || c->alphaMaitre != 255 || c->image.format() != QImage::Format_ARGB32)
            return false;
        const auto [it, nouveau] = pixelsTranches.try_emplace(c->image.cacheKey(), false);
        if (nouveau)
            it->second = AlphaTranche(*c);
        return it->second;
    });
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
