// TIFF pictures through libtiff: the first page. Grey and RGB pictures of
// 16-bit unsigned samples (with or without alpha, interleaved or in planes,
// in strips or tiles) are read sample by sample and reduced by the program's
// rule, round(v / 257); every other picture goes through libtiff's RGBA
// interface, which handles every photometric interpretation, depth and
// compression it knows (it would keep only the high byte of 16-bit grey).
// The file stays in memory; libtiff sees it through client procedures and
// never touches the disk.

#include "commun/erreur.h"
#include "document/formats/decodeurs_image.h"

#include <QCoreApplication>

#include <tiffio.h>

#include <cstdarg>
#include <cstdio>
#include <cstring>
#include <optional>
#include <vector>

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

// How a 16-bit picture's samples are laid out, when this reader takes it.
struct Disposition16 {
    int couleurs = 1;          // 1 grey, 3 RGB
    bool inverse = false;      // MINISWHITE: 0 is white
    int alpha = -1;            // index of the alpha sample, -1 for none
    bool alphaAssocie = false; // colours premultiplied by alpha
    int echantillons = 1;      // samples per pixel
    bool plans = false;        // PLANARCONFIG_SEPARATE
};

std::optional<Disposition16> DispositionSeize(TIFF *tif)
{
    uint16_t bits = 0, format = SAMPLEFORMAT_UINT, photometrie = 0, echantillons = 1, plan = PLANARCONFIG_CONTIG;
    TIFFGetFieldDefaulted(tif, TIFFTAG_BITSPERSAMPLE, &bits);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLEFORMAT, &format);
    TIFFGetFieldDefaulted(tif, TIFFTAG_SAMPLESPERPIXEL, &echantillons);
    TIFFGetFieldDefaulted(tif, TIFFTAG_PLANARCONFIG, &plan);
    if (bits != 16 || format != SAMPLEFORMAT_UINT || !TIFFGetField(tif, TIFFTAG_PHOTOMETRIC, &photometrie))
        return std::nullopt;
    Disposition16 d;
    if (photometrie == PHOTOMETRIC_MINISBLACK || photometrie == PHOTOMETRIC_MINISWHITE) {
        d.couleurs = 1;
        d.inverse = photometrie == PHOTOMETRIC_MINISWHITE;
    } else if (photometrie == PHOTOMETRIC_RGB) {
        d.couleurs = 3;
    } else {
        return std::nullopt;
    }
    if (echantillons < d.couleurs)
        return std::nullopt;
    d.echantillons = echantillons;
    d.plans = plan == PLANARCONFIG_SEPARATE;
    uint16_t extras = 0;
    uint16_t *types = nullptr;
    if (echantillons > d.couleurs && TIFFGetField(tif, TIFFTAG_EXTRASAMPLES, &extras, &types) && extras > 0
        && types != nullptr && (types[0] == EXTRASAMPLE_ASSOCALPHA || types[0] == EXTRASAMPLE_UNASSALPHA)) {
        d.alpha = d.couleurs;
        d.alphaAssocie = types[0] == EXTRASAMPLE_ASSOCALPHA;
    }
    return d;
}

// One output pixel from its samples (16-bit values as stored).
QRgb Pixel16(const Disposition16 &d, const uint16_t *v)
{
    uint32_t a = d.alpha >= 0 ? v[d.alpha] : 65535u;
    uint32_t c[3];
    for (int k = 0; k < 3; ++k) {
        uint32_t x = v[d.couleurs == 3 ? k : 0];
        if (d.inverse)
            x = 65535u - x;
        if (d.alphaAssocie)
            x = a == 0 ? 0 : qMin<uint32_t>(65535u, (x * 65535u + a / 2) / a);
        c[k] = Reduire16(x);
    }
    return qRgba(static_cast<int>(c[0]), static_cast<int>(c[1]), static_cast<int>(c[2]), static_cast<int>(Reduire16(a)));
}

// Reads a 16-bit grey or RGB picture into image (Format_ARGB32, already of
// the picture's size). Each strip or tile is decoded once into a buffer
// libtiff sizes; false after a libtiff error.
bool LireSeize(TIFF *tif, const Disposition16 &d, QImage &image)
{
    const int largeur = image.width();
    const int hauteur = image.height();
    const bool tuiles = TIFFIsTiled(tif);
    uint32_t lt = static_cast<uint32_t>(largeur), ht = 1;
    if (tuiles) {
        if (!TIFFGetField(tif, TIFFTAG_TILEWIDTH, &lt) || !TIFFGetField(tif, TIFFTAG_TILELENGTH, &ht) || lt == 0
            || ht == 0)
            return false;
    } else {
        TIFFGetFieldDefaulted(tif, TIFFTAG_ROWSPERSTRIP, &ht);
        ht = qBound<uint32_t>(1u, ht, static_cast<uint32_t>(hauteur));
    }
    const int plansLus = d.plans ? d.echantillons : 1;
    const int parPixel = d.plans ? 1 : d.echantillons; // samples per pixel inside one block
    const tmsize_t tailleBloc = tuiles ? TIFFTileSize(tif) : TIFFStripSize(tif);
    const auto attendu = static_cast<tmsize_t>(lt) * static_cast<tmsize_t>(ht) * parPixel * 2;
    if (tailleBloc <= 0 || tailleBloc < attendu)
        return false;
    // Samples of one row band for every plane, pixel-interleaved.
    const auto tailleBande = static_cast<tmsize_t>(largeur) * static_cast<tmsize_t>(ht) * d.echantillons * 2;
    if (qMax(tailleBloc, attendu) > kAllocationMaxTiff || tailleBande > kAllocationMaxTiff)
        throw ErreurDecodage(tr("mémoire insuffisante pour cette image."));
    std::vector<uint16_t> bloc(static_cast<size_t>((qMax(tailleBloc, attendu) + 1) / 2));
    std::vector<uint16_t> bande(static_cast<size_t>(tailleBande / 2));

    for (uint32_t y0 = 0; y0 < static_cast<uint32_t>(hauteur); y0 += ht) {
        const uint32_t lignes = qMin<uint32_t>(ht, static_cast<uint32_t>(hauteur) - y0);
        for (int plan = 0; plan < plansLus; ++plan) {
            for (uint32_t x0 = 0; x0 < static_cast<uint32_t>(largeur); x0 += lt) {
                const tmsize_t lu = tuiles
                    ? TIFFReadTile(tif, bloc.data(), x0, y0, 0, static_cast<uint16_t>(plan))
                    : TIFFReadEncodedStrip(tif, TIFFComputeStrip(tif, y0, static_cast<uint16_t>(plan)), bloc.data(),
                                           static_cast<tmsize_t>(lignes) * lt * parPixel * 2);
                if (lu < 0)
                    return false;
                const uint32_t colonnes = qMin<uint32_t>(lt, static_cast<uint32_t>(largeur) - x0);
                for (uint32_t r = 0; r < lignes; ++r) {
                    const uint16_t *source = bloc.data() + static_cast<size_t>(r) * lt * parPixel;
                    uint16_t *cible = bande.data() + (static_cast<size_t>(r) * largeur + x0) * d.echantillons;
                    for (uint32_t x = 0; x < colonnes; ++x)
                        for (int k = 0; k < parPixel; ++k)
                            cible[x * d.echantillons + (d.plans ? plan : k)] = source[x * parPixel + k];
                }
            }
        }
        for (uint32_t r = 0; r < lignes; ++r) {
            auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(static_cast<int>(y0 + r)));
            const uint16_t *v = bande.data() + static_cast<size_t>(r) * largeur * d.echantillons;
            for (int x = 0; x < largeur; ++x)
                ligne[x] = Pixel16(d, v + static_cast<size_t>(x) * d.echantillons);
        }
    }
    return true;
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

    if (const auto seize = DispositionSeize(tif)) {
        QImage image(static_cast<int>(largeur), static_cast<int>(hauteur), QImage::Format_ARGB32);
        if (image.isNull())
            throw ErreurDecodage(tr("mémoire insuffisante pour cette image."));
        if (!LireSeize(tif, *seize, image))
            Echec(flux.message);
        return image;
    }

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
