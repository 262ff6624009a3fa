#pragma once
// libpng as the independent reference of the PNG tests: a reader that turns
// any PNG into 0xAARRGGBB pixels through libpng's own transforms (16-bit
// samples scaled to 8 bits, which libpng rounds as v / 257, no gamma), and a
// writer of any colour type, depth and interlacing from rows of raw samples.

#include <QByteArray>
#include <QImage>

#include <png.h>

#include <algorithm>
#include <csetjmp>
#include <vector>

namespace libpng_essai {

inline void Erreur(png_structp png, png_const_charp)
{
    png_longjmp(png, 1);
}

// A null picture when libpng refuses the bytes.
inline QImage Lire(const QByteArray &octets)
{
    struct Source {
        const QByteArray *octets;
        qsizetype position = 0;
    } source{&octets};
    png_structp png = png_create_read_struct(PNG_LIBPNG_VER_STRING, nullptr, Erreur, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_read_fn(png, &source, [](png_structp p, png_bytep d, size_t n) {
        auto *s = static_cast<Source *>(png_get_io_ptr(p));
        if (s->position + static_cast<qsizetype>(n) > s->octets->size())
            png_error(p, "fin");
        std::copy_n(s->octets->constData() + s->position, n, d);
        s->position += static_cast<qsizetype>(n);
    });
    QImage *image = new QImage;
    std::vector<png_bytep> *lignes = new std::vector<png_bytep>;
    if (setjmp(png_jmpbuf(png))) {
        png_destroy_read_struct(&png, &info, nullptr);
        delete lignes;
        delete image;
        return {};
    }
    png_read_info(png, info);
    const int type = png_get_color_type(png, info);
    png_set_expand(png);
    png_set_scale_16(png);
    if (type == PNG_COLOR_TYPE_GRAY || type == PNG_COLOR_TYPE_GRAY_ALPHA)
        png_set_gray_to_rgb(png);
    png_set_bgr(png);
    png_set_filler(png, 0xFF, PNG_FILLER_AFTER);
    (void)png_set_interlace_handling(png);
    png_read_update_info(png, info);
    *image = QImage(static_cast<int>(png_get_image_width(png, info)), static_cast<int>(png_get_image_height(png, info)),
                    QImage::Format_ARGB32);
    for (int y = 0; y < image->height(); ++y)
        lignes->push_back(image->scanLine(y));
    png_read_image(png, lignes->data());
    png_read_end(png, nullptr);
    png_destroy_read_struct(&png, &info, nullptr);
    QImage resultat = *image;
    delete lignes;
    delete image;
    return resultat;
}

struct Ecriture {
    int largeur = 1, hauteur = 1;
    int typeCouleur = PNG_COLOR_TYPE_RGB;
    int profondeur = 8;
    bool entrelace = false;
    std::vector<png_color> palette;
    std::vector<png_byte> alphaPalette;
    bool avecCle = false;
    png_color_16 cle{};
    double gamma = 0; // written as a gAMA chunk when not 0
    std::vector<std::vector<png_byte>> lignes; // raw samples, big-endian for 16 bits
};

inline QByteArray Ecrire(Ecriture &e)
{
    std::vector<unsigned char> sortie;
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &sortie,
        [](png_structp p, png_bytep d, size_t n) {
            auto *v = static_cast<std::vector<unsigned char> *>(png_get_io_ptr(p));
            v->insert(v->end(), d, d + n);
        },
        [](png_structp) {});
    png_set_IHDR(png, info, static_cast<png_uint_32>(e.largeur), static_cast<png_uint_32>(e.hauteur), e.profondeur,
                 e.typeCouleur, e.entrelace ? PNG_INTERLACE_ADAM7 : PNG_INTERLACE_NONE, PNG_COMPRESSION_TYPE_DEFAULT,
                 PNG_FILTER_TYPE_DEFAULT);
    if (!e.palette.empty())
        png_set_PLTE(png, info, e.palette.data(), static_cast<int>(e.palette.size()));
    if (!e.alphaPalette.empty())
        png_set_tRNS(png, info, e.alphaPalette.data(), static_cast<int>(e.alphaPalette.size()), nullptr);
    else if (e.avecCle)
        png_set_tRNS(png, info, nullptr, 0, &e.cle);
    if (e.gamma > 0)
        png_set_gAMA(png, info, e.gamma);
    png_write_info(png, info);
    std::vector<png_bytep> lignes;
    for (auto &l : e.lignes)
        lignes.push_back(l.data());
    png_write_image(png, lignes.data());
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
    return QByteArray(reinterpret_cast<const char *>(sortie.data()), static_cast<qsizetype>(sortie.size()));
}

} // namespace libpng_essai
