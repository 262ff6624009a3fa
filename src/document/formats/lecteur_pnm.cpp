// Binary grey and colour maps (PGM "P5", PPM "P6") whose maximum sample is
// above 255: two bytes a sample, most significant first. Qt's plugin keeps
// only part of such samples; here each becomes round(v × 255 / maximum),
// which for a maximum of 65535 is the program's rule round(v / 257).

#include "commun/erreur.h"
#include "document/formats/decodeurs_image.h"

#include <QCoreApplication>

#include <cctype>

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("LecteurImage", texte);
}

// The header's next decimal number, after blanks and "#" comments; -1 when
// there is none or it is above 2^30.
qint64 Nombre(const QByteArray &o, qsizetype &i)
{
    for (;;) {
        while (i < o.size() && std::isspace(static_cast<unsigned char>(o[i])))
            ++i;
        if (i < o.size() && o[i] == '#') {
            while (i < o.size() && o[i] != '\n' && o[i] != '\r')
                ++i;
            continue;
        }
        break;
    }
    if (i >= o.size() || !std::isdigit(static_cast<unsigned char>(o[i])))
        return -1;
    qint64 n = 0;
    while (i < o.size() && std::isdigit(static_cast<unsigned char>(o[i]))) {
        n = n * 10 + (o[i] - '0');
        if (n > (qint64(1) << 30))
            return -1;
        ++i;
    }
    return n;
}

} // namespace

std::optional<QImage> DecoderPnm16(const QByteArray &octets)
{
    if (octets.size() < 3 || octets[0] != 'P' || (octets[1] != '5' && octets[1] != '6'))
        return std::nullopt;
    const int echantillons = octets[1] == '5' ? 1 : 3;
    qsizetype i = 2;
    const qint64 largeur = Nombre(octets, i);
    const qint64 hauteur = Nombre(octets, i);
    const qint64 maximum = Nombre(octets, i);
    if (largeur < 0 || hauteur < 0 || maximum < 0 || i >= octets.size())
        return std::nullopt;
    if (maximum <= 255 || maximum > 65535)
        return std::nullopt; // one byte a sample: Qt's plugin reads those as they are
    ++i; // the single blank that ends the header
    VerifierTailleImage(largeur, hauteur, octets.size(), 1.0 / (2.0 * echantillons), "PNM");
    const qint64 attendu = largeur * hauteur * echantillons * 2;
    if (octets.size() - i < attendu)
        throw ErreurDecodage(tr("fichier PNM tronqué : il annonce %1 x %2 pixels.").arg(largeur).arg(hauteur));

    QImage image(static_cast<int>(largeur), static_cast<int>(hauteur), QImage::Format_ARGB32);
    if (image.isNull())
        throw ErreurDecodage(tr("mémoire insuffisante pour cette image."));
    const auto *source = reinterpret_cast<const unsigned char *>(octets.constData() + i);
    const auto m = static_cast<std::uint32_t>(maximum);
    // round(v × 255 / m), halves to the even integer (a half happens for
    // some maxima, 510 for one; never for 65535, which is odd).
    const auto huit = [m](std::uint32_t v) {
        std::uint32_t q = (2u * 255u * v + m) / (2u * m);
        if ((2u * 255u * v + m) % (2u * m) == 0 && (q & 1u))
            --q;
        return static_cast<int>(qMin<std::uint32_t>(255u, q));
    };
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            int c[3];
            for (int k = 0; k < echantillons; ++k) {
                c[k] = huit((std::uint32_t(source[0]) << 8) | source[1]);
                source += 2;
            }
            ligne[x] = echantillons == 1 ? qRgb(c[0], c[0], c[0]) : qRgb(c[0], c[1], c[2]);
        }
    }
    return image;
}
