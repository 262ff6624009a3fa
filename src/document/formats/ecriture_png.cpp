#include "document/formats/ecriture_png.h"

#include "commun/erreur.h"
#include <new>

#include <QCoreApplication>
#include <QIODevice>
#include <QImage>

#include <png.h>

#include <cstdio>

namespace {

struct EtatEcriturePng {
    QIODevice *sortie = nullptr;
    bool erreurEcriture = false;
    char message[256] = {};
};

void EcrireDonnees(png_structp png, png_bytep donnees, size_t n)
{
    auto *etat = static_cast<EtatEcriturePng *>(png_get_io_ptr(png));
    if (etat->sortie->write(reinterpret_cast<const char *>(donnees), static_cast<qint64>(n)) != static_cast<qint64>(n)) {
        etat->erreurEcriture = true;
        png_error(png, "write");
    }
}

void Vider(png_structp) {}

void Erreur(png_structp png, png_const_charp message)
{
    auto *etat = static_cast<EtatEcriturePng *>(png_get_error_ptr(png));
    std::snprintf(etat->message, sizeof etat->message, "%s", message);
    png_longjmp(png, 1);
}

void Avertissement(png_structp, png_const_charp) {}

// The libpng calls, kept free of C++ objects with destructors because an
// error leaves through longjmp. Rows are 0xAARRGGBB words, that is B, G, R,
// A bytes in memory: png_set_bgr swaps them into PNG's R, G, B order and the
// filler transform drops the alpha byte of opaque pictures.
bool EcrireLignes(png_structp png, png_infop info, const QImage &image, bool avecAlpha)
{
    if (setjmp(png_jmpbuf(png)))
        return false;
    const int largeur = image.width();
    const int hauteur = image.height();
    png_set_IHDR(png, info, static_cast<png_uint_32>(largeur), static_cast<png_uint_32>(hauteur), 8,
                 avecAlpha ? PNG_COLOR_TYPE_RGB_ALPHA : PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, kNiveauCompressionPng);
    png_write_info(png, info);
    png_set_bgr(png);
    if (!avecAlpha)
        png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < hauteur; ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, info);
    return true;
}

bool AUnPixelTransparent(const QImage &image)
{
    if (!image.hasAlphaChannel())
        return false;
    const int largeur = image.width();
    for (int y = 0; y < image.height(); ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        unsigned et = 0xFF;
        for (int x = 0; x < largeur; ++x)
            et &= ligne[x] >> 24;
        if (et != 0xFF)
            return true;
    }
    return false;
}

} // namespace

void EcrirePng(const QImage &image, QIODevice &sortie)
{
    if (image.isNull())
        throw ErreurDecodage(QCoreApplication::translate("Enregistrement", "Image vide : rien à enregistrer"));
    QImage source = image;
    if (source.format() != QImage::Format_ARGB32 && source.format() != QImage::Format_RGB32)
        source = image.convertToFormat(QImage::Format_ARGB32);
    const bool avecAlpha = AUnPixelTransparent(source);

    EtatEcriturePng etat;
    etat.sortie = &sortie;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, &etat, Erreur, Avertissement);
    if (png == nullptr)
        throw std::bad_alloc();
    png_infop info = png_create_info_struct(png);
    if (info == nullptr) {
        png_destroy_write_struct(&png, nullptr);
        throw std::bad_alloc();
    }
    png_set_write_fn(png, &etat, EcrireDonnees, Vider);
    const bool reussi = EcrireLignes(png, info, source, avecAlpha);
    png_destroy_write_struct(&png, &info);
    if (reussi)
        return;
    if (etat.erreurEcriture)
        throw ErreurFichier(QCoreApplication::translate("Enregistrement", "Erreur d'écriture du fichier : %1")
                                .arg(sortie.errorString()));
    throw ErreurDecodage(QCoreApplication::translate("Enregistrement", "Image PNG impossible à écrire : %1")
                             .arg(QString::fromLatin1(etat.message)));
}
