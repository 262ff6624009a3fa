#include "calibration/lecture_pixel.h"

#include "commun/nombres.h"

#include <algorithm>
#include <climits>

namespace {

// Bars stand on the base line of an 81-pixel-high signature.
constexpr int HauteurMaxBarre = 80;

int HauteurBarre(int valeur, int maximum)
{
    if (maximum <= 0)
        return 0;
    return ArrondiBorne(valeur / 4.0 * 255.0 / maximum, 0, HauteurMaxBarre);
}

} // namespace

QString TexteRVBLS(int r, int g, int b)
{
    const int mx = std::max({r, g, b});
    const int mn = std::min({r, g, b});
    const int s = mx == 0 ? 0 : ArrondiBorne(static_cast<double>(mx - mn) * 255.0 / mx, 0, 255);
    return QStringLiteral("RVBLS:%1,%2,%3,%4,%5").arg(r).arg(g).arg(b).arg(r + g + b).arg(s);
}

QString TexteXY(int x, int y)
{
    return QStringLiteral("X:%1;Y:%2").arg(x).arg(y);
}

SignatureSpectrale SignatureDeCouleur(const TCodeCouleur &code, int r, int g, int b)
{
    const std::array<int, 3> composantes{b, g, r};
    SignatureSpectrale s;
    int maximum = INT_MIN;
    for (std::size_t k = 0; k < 3; ++k) {
        const double v = composantes[k] * (code.MaxiC[k] - code.MiniC[k]) / 255.0 + code.MiniC[k];
        s.valeurs[k] = ArrondiBorne(v, INT_MIN / 2, INT_MAX / 2);
        maximum = std::max(maximum, ArrondiBorne(code.MaxiC[k], INT_MIN / 2, INT_MAX / 2));
    }
    for (std::size_t k = 0; k < 3; ++k)
        s.hauteurs[k] = HauteurBarre(s.valeurs[k], maximum);
    return s;
}

SignatureSpectrale SignatureDeCanaux(const std::array<int, 3> &octets)
{
    SignatureSpectrale s;
    for (std::size_t k = 0; k < 3; ++k) {
        s.valeurs[k] = octets[k];
        s.hauteurs[k] = HauteurBarre(octets[k], 255);
    }
    return s;
}

LectureDecodage LireDecodage(const TCodeCouleur &code, const PixelLu &p)
{
    LectureDecodage l;
    if (!code.Definie)
        return l;
    if (code.TypeCodage == CodageTroisCanaux) {
        l.vue = LectureDecodage::Vue::Signature;
        l.signature = p.multicanal ? SignatureDeCanaux(p.octets) : SignatureDeCouleur(code, p.r, p.g, p.b);
        return l;
    }
    l.vue = LectureDecodage::Vue::Valeur;
    if (p.multicanal)
        l.valeur = {QString::number(p.octets[0]), true};
    else
        l.valeur = DecoderCouleur(code, p.r, p.g, p.b);
    return l;
}
