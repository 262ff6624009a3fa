#include "document/composition_vue.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

namespace {

// n / 255 to the nearest integer (255 is odd, so never a half).
inline std::uint32_t Div255(std::uint32_t n) { return (n + 127) / 255; }

// c over the opaque pixel d with weight a (0..255).
inline QRgb Par(QRgb c, QRgb d, std::uint32_t a)
{
    const std::uint32_t inv = 255 - a;
    const std::uint32_t r = Div255(((c >> 16) & 0xFF) * a + ((d >> 16) & 0xFF) * inv);
    const std::uint32_t g = Div255(((c >> 8) & 0xFF) * a + ((d >> 8) & 0xFF) * inv);
    const std::uint32_t b = Div255((c & 0xFF) * a + (d & 0xFF) * inv);
    return 0xFF000000u | (r << 16) | (g << 8) | b;
}

// The rows of the document at one image row; a missing layer is nullptr.
struct Rangees {
    const QRgb *image;
    const QRgb *dessin;
    const QRgb *provisoire;
};

class Compositeur {
public:
    explicit Compositeur(const ImageDocument &doc) : doc_(doc)
    {
        source_ = doc.image.format() == QImage::Format_ARGB32 || doc.image.format() == QImage::Format_RGB32 ||
                          doc.image.format() == QImage::Format_ARGB32_Premultiplied
                      ? doc.image
                      : doc.image.convertToFormat(QImage::Format_ARGB32);
        avecDessin_ = doc.coucheDessin.size() == doc.image.size();
        avecProvisoire_ = doc.coucheProvisoire.size() == doc.image.size() && doc.alphaProvisoire > 0;
        m_ = static_cast<std::uint32_t>(std::clamp(doc.alphaProvisoire, 0, 255));
    }

    [[nodiscard]] Rangees Ligne(int y) const
    {
        return {reinterpret_cast<const QRgb *>(source_.constScanLine(y)),
                avecDessin_ ? reinterpret_cast<const QRgb *>(doc_.coucheDessin.constScanLine(y)) : nullptr,
                avecProvisoire_ ? reinterpret_cast<const QRgb *>(doc_.coucheProvisoire.constScanLine(y)) : nullptr};
    }

    // The shown colour of image pixel x of the rows r.
    [[nodiscard]] QRgb Pixel(const Rangees &r, int x) const
    {
        QRgb c = r.image[x] | 0xFF000000u;
        if (r.dessin) {
            const QRgb d = r.dessin[x];
            if (const std::uint32_t a = d >> 24)
                c = a == 255 ? d : Par(d, c, a);
        }
        if (r.provisoire) {
            const QRgb f = r.provisoire[x];
            if (const std::uint32_t a = Div255((f >> 24) * m_))
                c = a == 255 ? f : Par(f, c, a);
        }
        return c;
    }

private:
    const ImageDocument &doc_;
    QImage source_;
    bool avecDessin_ = false;
    bool avecProvisoire_ = false;
    std::uint32_t m_ = 255;
};

// Where view pixel u samples the image along one axis: the two neighbouring
// image pixels and the weight of the second one in 256ths.
struct Echantillon {
    int premier;
    int second;
    std::uint32_t poids;
};

std::vector<Echantillon> Echantillons(int debut, int n, double zoom, int taille)
{
    std::vector<Echantillon> e(static_cast<std::size_t>(n));
    for (int i = 0; i < n; ++i) {
        const double s = (debut + i + 0.5) / zoom - 0.5;
        double base = std::floor(s);
        auto poids = static_cast<std::uint32_t>(std::lround((s - base) * 256.0));
        if (poids == 256) {
            base += 1;
            poids = 0;
        }
        const int p = static_cast<int>(base);
        e[static_cast<std::size_t>(i)] = {std::clamp(p, 0, taille - 1), std::clamp(p + 1, 0, taille - 1), poids};
    }
    return e;
}

// a and b mixed with b's weight w in 256ths, per 8-bit component.
inline QRgb Interpoler(QRgb a, QRgb b, std::uint32_t w)
{
    const std::uint32_t v = 256 - w;
    const std::uint32_t rb = (((a & 0x00FF00FFu) * v + (b & 0x00FF00FFu) * w) >> 8) & 0x00FF00FFu;
    const std::uint32_t ag = (((a >> 8) & 0x00FF00FFu) * v + ((b >> 8) & 0x00FF00FFu) * w) & 0xFF00FF00u;
    return rb | ag;
}

// Reduced view: every view pixel mixes the four composed image pixels around
// the point it shows, so only those are ever composed. zone is in view pixels; its pixels go to
// vue shifted by decalage.
void ComposerEchantillonne(const Compositeur &c, const QRect &zone, double zoom, QSize tailleImage, QImage &vue,
                           QPoint decalage)
{
    const auto colonnes = Echantillons(zone.left(), zone.width(), zoom, tailleImage.width());
    const auto lignes = Echantillons(zone.top(), zone.height(), zoom, tailleImage.height());
    for (int v = 0; v < zone.height(); ++v) {
        const Echantillon &ly = lignes[static_cast<std::size_t>(v)];
        const Rangees haut = c.Ligne(ly.premier);
        const Rangees bas = c.Ligne(ly.second);
        auto *out = reinterpret_cast<QRgb *>(vue.scanLine(v + decalage.y())) + decalage.x();
        for (int u = 0; u < zone.width(); ++u) {
            const Echantillon &cx = colonnes[static_cast<std::size_t>(u)];
            const QRgb h = Interpoler(c.Pixel(haut, cx.premier), c.Pixel(haut, cx.second), cx.poids);
            const QRgb b = Interpoler(c.Pixel(bas, cx.premier), c.Pixel(bas, cx.second), cx.poids);
            out[u] = Interpoler(h, b, ly.poids) | 0xFF000000u;
        }
    }
}

// The floating layer and counting marks, blended with their master alpha.
void DessinerCouchesPositionnees(const ImageDocument &doc, const QRect &zone, double zoom, QImage &vue)
{
    QPainter p(&vue);
    p.setRenderHint(QPainter::SmoothPixmapTransform, zoom != 1.0);
    p.translate(-zone.left(), -zone.top());
    p.scale(zoom, zoom);
    const QRectF visible(zone.left() / zoom, zone.top() / zoom, zone.width() / zoom, zone.height() / zoom);
    auto dessiner = [&](const CouchePositionnee &couche) {
        if (!couche.presente())
            return;
        if (!QRectF(couche.position, QSizeF(couche.image.size())).intersects(visible))
            return;
        p.setOpacity(couche.alphaMaitre / 255.0);
        if (couche.opaque)
            p.drawImage(couche.position, couche.image.convertToFormat(QImage::Format_RGB32));
        else
            p.drawImage(couche.position, couche.image);
    };
    dessiner(doc.coucheFlottante);
    for (const auto &categorie : doc.marquesComptage)
        for (const auto &marque : categorie)
            dessiner(marque);
}

// Zoom 1 and above: the image pixels under the zone (with a margin for the
// smoothing) are composed once, the painter blending the layers, and then
// enlarged by the painter.
QImage ComposerAgrandi(const ImageDocument &doc, const QRect &zone, double zoom)
{
    const bool un = zoom == 1.0;
    const QRectF dansImage(zone.left() / zoom, zone.top() / zoom, zone.width() / zoom, zone.height() / zoom);
    const QRect src = dansImage.toAlignedRect().adjusted(un ? 0 : -2, un ? 0 : -2, un ? 0 : 2, un ? 0 : 2) &
                      doc.image.rect();
    QImage compo(src.size(), QImage::Format_RGB32);
    if (compo.isNull())
        return compo;
    const Compositeur c(doc);
    for (int y = src.top(); y <= src.bottom(); ++y) {
        const QRgb *image = c.Ligne(y).image + src.left();
        auto *d = reinterpret_cast<QRgb *>(compo.scanLine(y - src.top()));
        for (int x = 0; x < src.width(); ++x)
            d[x] = image[x] | 0xFF000000u;
    }
    {
        QPainter p(&compo);
        const QRect cible(QPoint(0, 0), src.size());
        if (doc.coucheDessin.size() == doc.image.size())
            p.drawImage(cible, doc.coucheDessin, src);
        if (doc.coucheProvisoire.size() == doc.image.size() && doc.alphaProvisoire > 0) {
            p.setOpacity(std::clamp(doc.alphaProvisoire, 0, 255) / 255.0);
            p.drawImage(cible, doc.coucheProvisoire, src);
        }
    }
    if (un && src == zone)
        return compo;
    QImage vue(zone.size(), QImage::Format_RGB32);
    if (vue.isNull())
        return vue;
    vue.fill(0xFF000000u);
    QPainter p(&vue);
    p.setRenderHint(QPainter::SmoothPixmapTransform, !un);
    p.translate(-zone.left(), -zone.top());
    p.scale(zoom, zoom);
    p.drawImage(src.topLeft(), compo);
    return vue;
}

} // namespace

QImage ComposerVue(const ImageDocument &doc, const QRect &zone, double zoom)
{
    if (doc.image.isNull() || !(zoom > 0) || zone.isEmpty())
        return {};
    const QSize affichee = TailleAffichee(doc.image.size(), static_cast<float>(zoom));
    const QRect dedans = zone & QRect(QPoint(0, 0), affichee);
    QImage vue;
    if (zoom >= 1.0 && !dedans.isEmpty()) {
        vue = ComposerAgrandi(doc, dedans, zoom);
        if (vue.isNull())
            return vue;
        if (dedans != zone) {
            QImage entiere(zone.size(), QImage::Format_RGB32);
            entiere.fill(0xFF000000u);
            QPainter(&entiere).drawImage(dedans.topLeft() - zone.topLeft(), vue);
            vue = entiere;
        }
    } else {
        vue = QImage(zone.size(), QImage::Format_RGB32);
        if (vue.isNull())
            return vue;
        vue.fill(0xFF000000u);
        if (!dedans.isEmpty())
            ComposerEchantillonne(Compositeur(doc), dedans, zoom, doc.image.size(), vue, dedans.topLeft() - zone.topLeft());
    }
    DessinerCouchesPositionnees(doc, zone, zoom, vue);
    return vue;
}
