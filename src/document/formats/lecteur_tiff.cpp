// TIFF pictures through libtiff: the first page, read through libtiff's RGBA
// interface, which handles every photometric interpretation, depth and
// compression it knows. The file stays in memory; libtiff sees it through
// client procedures and never touches the disk.

#include "commun/erreur.h"
#include "document/formats/decodeurs_image.h"

#include <QCoreApplication>

#include <tiffio.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>

namespace {

// Fax compressions code a blank line in a few bits: allow up to 32768 pixels
// per byte of file, and no more.
constexpr double kPixelsParOctetTiff = 32768.0;
// The largest single buffer libtiff may allocate (a strip or tile).
constexpr tmsize_t kAllocationMaxTiff = tmsize_t(1) << 31;

QString tr(const char *texte)
{
    return QCoreApplication::translate("LecteurImage", texte);
}

struct FluxTiff {
    const QByteArray *octets = nullptr;
    toff_t position = 0;
    char message[512] = {};
};

tmsize_t Lire(thandle_t h, void *destination, tmsize_t nombre)
{
    auto *flux = static_cast<FluxTiff *>(h);
    const auto taille = static_cast<toff_t>(flux->octets->size());
    if (nombre <= 0 || flux->position >= taille)
        return 0;
    const toff_t n = qMin<toff_t>(static_cast<toff_t>(nombre), taille - flux->position);
    std::memcpy(destination, flux->octets->constData() + flux->position, static_cast<size_t>(n));
    flux->position += n;
    return static_cast<tmsize_t>(n);
}

tmsize_t Ecrire(thandle_t, void *, tmsize_t)
{
    return -1;
}

toff_t Deplacer(thandle_t h, toff_t decalage, int origine)
{
    auto *flux = static_cast<FluxTiff *>(h);
    const auto taille = static_cast<toff_t>(flux->octets->size());
    toff_t base = 0;
    if (origine == SEEK_CUR)
        base = flux->position;
    else if (origine == SEEK_END)
        base = taille;
    const toff_t cible = base + decalage;
    if (cible < base && origine != SEEK_SET)
        return static_cast<toff_t>(-1);
    flux->position = cible;
    return cible;
}

int Fermer(thandle_t)
{
    return 0;
}

toff_t Taille(thandle_t h)
{
    return static_cast<toff_t>(static_cast<FluxTiff *>(h)->octets->size());
}

int Projeter(thandle_t h, void **base, toff_t *taille)
{
    auto *flux = static_cast<FluxTiff *>(h);
    *base = const_cast<char *>(flux->octets->constData());
    *taille = static_cast<toff_t>(flux->octets->size());
    return 1;
}

void Deprojeter(thandle_t, void *, toff_t)
{
}

// Keeps libtiff's errors off the standard error output (the first one's text
// stays with the stream); warnings are ignored.
int NoterErreur(TIFF *, void *donnees, const char *, const char *format, va_list args)
{
    auto *flux = static_cast<FluxTiff *>(donnees);
    if (!flux->message[0])
        std::vsnprintf(flux->message, sizeof flux->message, format, args);
    return 1;
}

int IgnorerAvertissement(TIFF *, void *, const char *, const char *, va_list)
{
    return 1;
}

struct FichierTiff {
    TIFF *tif = nullptr;
    TIFFOpenOptions *options = nullptr;
    ~FichierTiff()
    {
        if (tif)
            TIFFClose(tif);
        if (options)
            TIFFOpenOptionsFree(options);
    }
};

// libtiff's texts are English and technical: the user is told the kind of
// fault only.
[[noreturn]] void Echec(const char *)
{
    throw ErreurDecodage(tr("fichier TIFF endommagé ou non pris en charge."));
}

} // namespace

QImage DecoderTiff(const QByteArray &octets)
{
    FluxTiff flux;
    flux.octets = &octets;
    FichierTiff fichier;
    fichier.options = TIFFOpenOptionsAlloc();
    TIFFOpenOptionsSetMaxSingleMemAlloc(fichier.options, kAllocationMaxTiff);
    TIFFOpenOptionsSetErrorHandlerExtR(fichier.options, NoterErreur, &flux);
    TIFFOpenOptionsSetWarningHandlerExtR(fichier.options, IgnorerAvertissement, nullptr);
    fichier.tif = TIFFClientOpenExt("image", "r", &flux, Lire, Ecrire, Deplacer, Fermer, Taille, Projeter,
                                    Deprojeter, fichier.options);
    if (!fichier.tif)
        Echec(flux.message);
    TIFF *tif = fichier.tif;

    uint32_t largeur = 0;
    uint32_t hauteur = 0;
    if (!TIFFGetField(tif, TIFFTAG_IMAGEWIDTH, &largeur) || !TIFFGetField(tif, TIFFTAG_IMAGELENGTH, &hauteur))
        Echec(flux.message);
    VerifierTailleImage(largeur, hauteur, octets.size(), kPixelsParOctetTiff, "TIFF");

    char raison[1024] = {};
    if (!TIFFRGBAImageOK(tif, raison))
        Echec(raison);

    QImage image(static_cast<int>(largeur), static_cast<int>(hauteur), QImage::Format_ARGB32_Premultiplied);
    if (image.isNull())
        throw ErreurDecodage(tr("mémoire insuffisante pour cette image."));
    // Rows of Format_ARGB32 are exactly largeur words long, as libtiff's raster.
    auto *raster = reinterpret_cast<uint32_t *>(image.bits());
    if (!TIFFReadRGBAImageOriented(tif, largeur, hauteur, raster, ORIENTATION_TOPLEFT, 1))
        Echec(flux.message);

    // libtiff gives 0xAABBGGRR words with premultiplied alpha; the picture
    // wants 0xAARRGGBB.
    for (int y = 0; y < image.height(); ++y) {
        auto *p = reinterpret_cast<uint32_t *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const uint32_t v = p[x];
            p[x] = (v & 0xff00ff00u) | ((v & 0xffu) << 16) | ((v >> 16) & 0xffu);
        }
    }
    image.convertTo(QImage::Format_ARGB32);
    return image;
}
