#include "document/formats/lecteur_image.h"

#include "commun/erreur.h"
#include "document/formats/decodeurs_image.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("LecteurImage", texte);
}

// Extensions of the pictures read by the program's own decoders; every other
// extension that Qt's image plugins know goes to QImageReader.
std::optional<LecteurImage> LecteurDirect(const QString &ext)
{
    if (ext == QLatin1String("PNG"))
        return LecteurImage{CodecImage::Png, {}, QStringLiteral("PNG")};
    if (ext == QLatin1String("JPG") || ext == QLatin1String("JPEG") || ext == QLatin1String("JPE"))
        return LecteurImage{CodecImage::Jpeg, {}, QStringLiteral("JPEG")};
    if (ext == QLatin1String("GIF"))
        return LecteurImage{CodecImage::Gif, {}, QStringLiteral("GIF")};
    if (ext == QLatin1String("TIF") || ext == QLatin1String("TIFF"))
        return LecteurImage{CodecImage::Tiff, {}, QStringLiteral("TIFF")};
    return std::nullopt;
}

QString NomFormatQt(const QByteArray &format)
{
    if (format == "webp")
        return QStringLiteral("WebP");
    return QString::fromLatin1(format).toUpper();
}

} // namespace

std::optional<LecteurImage> LecteurPourChemin(const QString &chemin)
{
    const QString ext = QFileInfo(chemin).suffix().toUpper();
    if (ext.isEmpty())
        return std::nullopt;
    if (auto direct = LecteurDirect(ext))
        return direct;
    const QByteArray format = ext.toLower().toLatin1();
    if (QImageReader::supportedImageFormats().contains(format))
        return LecteurImage{CodecImage::Qt, format, NomFormatQt(format)};
    return std::nullopt;
}

QString FormatSelonContenu(const QByteArray &octets)
{
    if (octets.startsWith("\x89PNG\r\n\x1a\n"))
        return QStringLiteral("PNG");
    if (octets.startsWith("\xff\xd8\xff"))
        return QStringLiteral("JPEG");
    if (octets.startsWith("GIF87a") || octets.startsWith("GIF89a"))
        return QStringLiteral("GIF");
    if (octets.startsWith(QByteArray("II*\0", 4)) || octets.startsWith(QByteArray("MM\0*", 4)))
        return QStringLiteral("TIFF");
    if (octets.startsWith("BM"))
        return QStringLiteral("BMP");
    if (octets.size() >= 12 && octets.startsWith("RIFF") && octets.mid(8, 4) == "WEBP")
        return QStringLiteral("WebP");
    if (octets.startsWith(QByteArray("\0\0\1\0", 4)))
        return QStringLiteral("ICO");
    return {};
}

QImage DecoderImage(const QByteArray &octets, const LecteurImage &lecteur)
{
    if (octets.isEmpty())
        throw ErreurDecodage(tr("le fichier est vide."));
    QImage image;
    switch (lecteur.codec) {
    case CodecImage::Png: image = DecoderPng(octets); break;
    case CodecImage::Jpeg: image = DecoderJpeg(octets); break;
    case CodecImage::Gif: image = DecoderGif(octets); break;
    case CodecImage::Tiff: image = DecoderTiff(octets); break;
    case CodecImage::Qt: image = DecoderAvecQt(octets, lecteur.formatQt); break;
    }
    return image;
}

std::optional<LecteurImage> LecteurSelonContenu(const QByteArray &octets)
{
    const QString format = FormatSelonContenu(octets);
    if (format.isEmpty())
        return std::nullopt;
    if (format == QLatin1String("PNG"))
        return LecteurImage{CodecImage::Png, {}, format};
    if (format == QLatin1String("JPEG"))
        return LecteurImage{CodecImage::Jpeg, {}, format};
    if (format == QLatin1String("GIF"))
        return LecteurImage{CodecImage::Gif, {}, format};
    if (format == QLatin1String("TIFF"))
        return LecteurImage{CodecImage::Tiff, {}, format};
    const QByteArray formatQt = format.toLower().toLatin1();
    if (QImageReader::supportedImageFormats().contains(formatQt))
        return LecteurImage{CodecImage::Qt, formatQt, format};
    return std::nullopt;
}

QImage LireImage(const QString &chemin)
{
    const QFileInfo info(chemin);
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly)) {
        if (!LecteurPourChemin(chemin))
            throw ErreurDecodage(tr("Extension de fichier graphique inconnue (.%1)").arg(info.suffix()));
        throw ErreurFichier(tr("Impossible d'ouvrir le fichier « %1 ».").arg(info.fileName()));
    }
    QByteArray octets;
    try {
        octets = fichier.readAll();
    } catch (const std::bad_alloc &) {
        throw ErreurFichier(tr("Le fichier « %1 » est trop gros pour être lu.").arg(info.fileName()));
    }
    if (fichier.error() != QFileDevice::NoError)
        throw ErreurFichier(tr("Erreur de lecture du fichier « %1 ».").arg(info.fileName()));

    // The content decides where it is known: a BMP saved under ".ico" or
    // ".emf", a PNG named ".jpg", open as what they are. Content without a
    // known signature goes to the extension's decoder, then to what Qt's
    // plugins recognise in it.
    auto lecteur = LecteurSelonContenu(octets);
    if (!lecteur)
        lecteur = LecteurPourChemin(chemin);
    if (!lecteur) {
        QBuffer tampon(&octets);
        tampon.open(QIODevice::ReadOnly);
        const QByteArray format = QImageReader::imageFormat(&tampon);
        if (!format.isEmpty())
            lecteur = LecteurImage{CodecImage::Qt, format, NomFormatQt(format)};
    }
    if (!lecteur)
        throw ErreurDecodage(tr("Extension de fichier graphique inconnue (.%1)").arg(info.suffix()));

    try {
        return DecoderImage(octets, *lecteur);
    } catch (const ErreurDecodage &e) {
        throw ErreurDecodage(tr("Image « %1 » illisible : %2").arg(info.fileName(), e.message()));
    }
}

void VerifierTailleImage(qint64 largeur, qint64 hauteur, qint64 tailleFichier, double pixelsParOctetMax,
                         const char *nomFormat)
{
    if (largeur <= 0 || hauteur <= 0)
        throw ErreurDecodage(tr("image vide (largeur ou hauteur nulle)."));
    if (largeur > kCoteMaxImage || hauteur > kCoteMaxImage)
        throw ErreurDecodage(tr("image trop grande (%1 x %2 pixels) ; le programme accepte au plus %3 pixels "
                                "de côté.")
                                 .arg(largeur)
                                 .arg(hauteur)
                                 .arg(kCoteMaxImage));
    const qint64 pixels = largeur * hauteur;
    if (pixels > kPixelsMaxImage)
        throw ErreurDecodage(tr("image trop grande (%1 x %2 pixels) ; le programme accepte au plus "
                                "400 millions de pixels.")
                                 .arg(largeur)
                                 .arg(hauteur));
    if (pixelsParOctetMax > 0 && static_cast<double>(pixels) > static_cast<double>(tailleFichier) * pixelsParOctetMax)
        throw ErreurDecodage(tr("fichier %1 tronqué ou endommagé : il annonce %2 x %3 pixels en %4 octets.")
                                 .arg(QString::fromLatin1(nomFormat))
                                 .arg(largeur)
                                 .arg(hauteur)
                                 .arg(tailleFichier));
}
