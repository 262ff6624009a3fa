// Pictures read through Qt's image plugins: BMP, icons, TGA, WebP, PNM, XPM,
// SVG and the rest, in the format the caller chose (from the content's
// signature or the extension); Qt is not allowed to guess another. 16-bit
// samples are reduced by the program's rule, round(v / 257).

#include "commun/erreur.h"
#include "document/formats/decodeurs_image.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QImageReader>
#include <QtEndian>

#include <cstdint>

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("LecteurImage", texte);
}

// Pixels a byte of file can stand for: run-length BMP codes 255 pixels in
// two bytes; other compressed formats are bounded loosely; vector pictures
// have no such bound (0).
double PixelsParOctet(const QByteArray &format)
{
    if (format == "bmp" || format == "dib")
        return 128.0;
    if (format == "svg" || format == "svgz")
        return 0.0;
    return 16384.0;
}

// Qt's own allocation ceiling, in megabytes: just above the largest picture
// the program accepts (400 million pixels of 4 bytes).
constexpr int kLimiteAllocationMo = 1700;

// A picture of 16-bit samples (a PGM or PPM whose maximum is above 255, for
// instance) reduced to 8 bits by the program's rule; other pictures are
// returned as they are.
QImage EnHuitBits(QImage image)
{
    const QImage::Format format = image.format();
    if (format == QImage::Format_RGBA64_Premultiplied)
        image.convertTo(QImage::Format_RGBA64); // unpremultiplied at 16 bits first
    else if (format != QImage::Format_Grayscale16 && format != QImage::Format_RGBX64
             && format != QImage::Format_RGBA64)
        return image;
    QImage huit(image.size(), QImage::Format_ARGB32);
    if (huit.isNull())
        throw ErreurDecodage(tr("mémoire insuffisante pour cette image."));
    for (int y = 0; y < image.height(); ++y) {
        auto *cible = reinterpret_cast<QRgb *>(huit.scanLine(y));
        if (format == QImage::Format_Grayscale16) {
            const auto *source = reinterpret_cast<const quint16 *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const int g = static_cast<int>(Reduire16(source[x]));
                cible[x] = qRgb(g, g, g);
            }
        } else {
            const auto *source = reinterpret_cast<const QRgba64 *>(image.constScanLine(y));
            for (int x = 0; x < image.width(); ++x) {
                const QRgba64 p = source[x];
                cible[x] = qRgba(static_cast<int>(Reduire16(p.red())), static_cast<int>(Reduire16(p.green())),
                                 static_cast<int>(Reduire16(p.blue())), static_cast<int>(Reduire16(p.alpha())));
            }
        }
    }
    return huit;
}

// Why Qt's reader gave no picture, in French: its own text is English unless
// Qt's translation is installed, which the command line never does.
QString RaisonLecteur(const QImageReader &lecteur)
{
    switch (lecteur.error()) {
    case QImageReader::InvalidDataError: return tr("données de l'image illisibles");
    case QImageReader::UnsupportedFormatError: return tr("format non pris en charge");
    case QImageReader::DeviceError: return tr("erreur de lecture");
    default: return tr("erreur inconnue");
    }
}

// An uncompressed BMP must hold all its rows: Qt's reader would give a cut
// file with its missing rows blank, as if nothing were wrong. Run-length and
// embedded JPEG or PNG data have no fixed size and are left to the reader.
void VerifierBmpComplet(const QByteArray &octets)
{
    const auto *p = reinterpret_cast<const uchar *>(octets.constData());
    if (octets.size() < 26 || p[0] != 'B' || p[1] != 'M')
        return; // Qt's reader refuses it
    const qint64 debutPixels = qFromLittleEndian<std::uint32_t>(p + 10);
    const std::uint32_t tailleEntete = qFromLittleEndian<std::uint32_t>(p + 14);
    qint64 largeur = 0;
    qint64 hauteur = 0;
    qint64 bits = 0;
    if (tailleEntete == 12) { // the old header: 16-bit sizes, no compression
        largeur = qFromLittleEndian<std::uint16_t>(p + 18);
        hauteur = qFromLittleEndian<std::uint16_t>(p + 20);
        bits = qFromLittleEndian<std::uint16_t>(p + 24);
    } else if (tailleEntete >= 40 && octets.size() >= 34) {
        largeur = qFromLittleEndian<std::int32_t>(p + 18);
        hauteur = qAbs(static_cast<qint64>(qFromLittleEndian<std::int32_t>(p + 22)));
        bits = qFromLittleEndian<std::uint16_t>(p + 28);
        const std::uint32_t compression = qFromLittleEndian<std::uint32_t>(p + 30);
        if (compression != 0 && compression != 3 && compression != 6)
            return;
    } else {
        return;
    }
    const qint64 octetsLigne = (largeur * bits + 31) / 32 * 4;
    if (largeur > 0 && octetsLigne > 0 && debutPixels + octetsLigne * hauteur > octets.size())
        throw ErreurDecodage(tr("fichier BMP endommagé ou tronqué (il manque des lignes de pixels)."));
}

} // namespace

QImage DecoderAvecQt(const QByteArray &octets, const QByteArray &format)
{
    if (format == "pgm" || format == "ppm" || format == "pnm")
        if (auto seize = DecoderPnm16(octets))
            return *std::move(seize);
    QBuffer tampon;
    tampon.setData(octets);
    tampon.open(QIODevice::ReadOnly);
    QImageReader lecteur(&tampon, format);
    lecteur.setAutoDetectImageFormat(false);
    lecteur.setDecideFormatFromContent(false);
    const QByteArray nom = format.toUpper();
    if (!lecteur.canRead())
        throw ErreurDecodage(tr("ce fichier n'est pas une image %1 lisible.").arg(QString::fromLatin1(nom)));
    const QSize annoncee = lecteur.size();
    if (annoncee.isValid())
        VerifierTailleImage(annoncee.width(), annoncee.height(), octets.size(), PixelsParOctet(format), nom.constData());
    if (format == "bmp")
        VerifierBmpComplet(octets);
    // Qt's allocation ceiling follows the same bound, for the formats whose
    // size Qt cannot tell before reading.
    int limiteMo = kLimiteAllocationMo;
    if (const double parOctet = PixelsParOctet(format); parOctet > 0) {
        const double mo = static_cast<double>(octets.size()) * parOctet * 4.0 / (1024.0 * 1024.0);
        limiteMo = static_cast<int>(qMin<double>(kLimiteAllocationMo, mo + 1.0));
    }
    lecteur.setAllocationLimit(limiteMo);
    QImage image = lecteur.read();
    if (image.isNull())
        throw ErreurDecodage(tr("fichier %1 endommagé ou tronqué (%2).")
                                 .arg(QString::fromLatin1(nom), RaisonLecteur(lecteur)));
    VerifierTailleImage(image.width(), image.height(), octets.size(), 0.0, nom.constData());
    image = EnHuitBits(std::move(image));
    image.convertTo(QImage::Format_ARGB32);
    return image;
}
