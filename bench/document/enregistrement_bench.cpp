// Saving and reopening a 24-megapixel document file with 100 elements, side
// by side with libpng and libjpeg alone on the same pixels and settings. The
// reopening is measured from memory and, as the program does it, from a file,
// against each library reading the same bytes from a file.

#include "document/chargement_document.h"
#include "document/formats/ecriture_png.h"
#include "document/fichier_document.h"
#include "document/image_document.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <vector>

#include <jpeglib.h>
#include <png.h>

namespace {

const QImage &Image24Mp()
{
    static const QImage image = [] {
        QImage i(6000, 4000, QImage::Format_ARGB32);
        for (int y = 0; y < i.height(); ++y) {
            auto *l = reinterpret_cast<QRgb *>(i.scanLine(y));
            for (int x = 0; x < i.width(); ++x)
                l[x] = qRgb((x / 7 + y / 11) & 0xFF, (x * y / 97) & 0xFF, ((x ^ y) / 5) & 0xFF);
        }
        return i;
    }();
    return image;
}

const TListeDessins &CentElements()
{
    static const TListeDessins liste = [] {
        TListeDessins l;
        for (int i = 0; i < 100; ++i) {
            auto d = std::make_unique<TDessin>();
            d->Genre = GenreTrait;
            d->X1 = static_cast<std::int16_t>(i * 10);
            d->X2 = static_cast<std::int16_t>(i * 20);
            l.AjouterElement(QStringLiteral("Trait %1").arg(i + 1), std::move(d));
        }
        return l;
    }();
    return liste;
}

QByteArray Document(CodageImage codage)
{
    static const QStringList libres;
    static const TEchelle echelle = EchelleParDefaut();
    static const TCodeCouleur code = CodeParDefaut();
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    (void)EcrireDocumentFlux(tampon, {libres, CentElements(), echelle, code, Image24Mp()}, codage, 90, 0xFFFFFFFF);
    return octets;
}

void EcrirePngSeul(std::vector<unsigned char> &sortie)
{
    const QImage &image = Image24Mp();
    png_structp png = png_create_write_struct(PNG_LIBPNG_VER_STRING, nullptr, nullptr, nullptr);
    png_infop info = png_create_info_struct(png);
    png_set_write_fn(
        png, &sortie,
        [](png_structp p, png_bytep d, size_t n) {
            auto *v = static_cast<std::vector<unsigned char> *>(png_get_io_ptr(p));
            v->insert(v->end(), d, d + n);
        },
        [](png_structp) {});
    png_set_IHDR(png, info, image.width(), image.height(), 8, PNG_COLOR_TYPE_RGB, PNG_INTERLACE_NONE,
                 PNG_COMPRESSION_TYPE_DEFAULT, PNG_FILTER_TYPE_DEFAULT);
    png_set_compression_level(png, kNiveauCompressionPng);
    png_write_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
}

void BM_EnregistrerKptPng(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Document(CodageImage::Png));
}

void BM_EcrirePngSeul(benchmark::State &state)
{
    for (auto _ : state) {
        std::vector<unsigned char> v;
        EcrirePngSeul(v);
        benchmark::DoNotOptimize(v.data());
    }
}

void BM_RouvrirKptPng(benchmark::State &state)
{
    const QByteArray octets = Document(CodageImage::Png);
    for (auto _ : state)
        benchmark::DoNotOptimize(LireDocumentOctets(octets).image.constBits());
}

void BM_LirePngSeul(benchmark::State &state)
{
    std::vector<unsigned char> v;
    EcrirePngSeul(v);
    std::vector<unsigned char> pixels(6000u * 4000u * 4u);
    for (auto _ : state) {
        png_image img{};
        img.version = PNG_IMAGE_VERSION;
        png_image_begin_read_from_memory(&img, v.data(), v.size());
        img.format = PNG_FORMAT_BGRA;
        png_image_finish_read(&img, nullptr, pixels.data(), 0, nullptr);
        benchmark::DoNotOptimize(pixels.data());
    }
}

void BM_EnregistrerKptJpg(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(Document(CodageImage::Jpg));
}

std::vector<unsigned char> EcrireJpegSeul()
{
    const QImage &image = Image24Mp();
    jpeg_compress_struct c{};
    jpeg_error_mgr e{};
    c.err = jpeg_std_error(&e);
    jpeg_create_compress(&c);
    unsigned char *tampon = nullptr;
    unsigned long taille = 0;
    jpeg_mem_dest(&c, &tampon, &taille);
    c.image_width = image.width();
    c.image_height = image.height();
    c.input_components = 4;
    c.in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(&c);
    jpeg_set_quality(&c, 90, TRUE);
    jpeg_start_compress(&c, TRUE);
    while (c.next_scanline < c.image_height) {
        auto *l = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(c.next_scanline)));
        jpeg_write_scanlines(&c, &l, 1);
    }
    jpeg_finish_compress(&c);
    jpeg_destroy_compress(&c);
    std::vector<unsigned char> v(tampon, tampon + taille);
    std::free(tampon);
    return v;
}

void BM_EcrireJpegSeul(benchmark::State &state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(EcrireJpegSeul());
}

void BM_RouvrirKptJpg(benchmark::State &state)
{
    const QByteArray octets = Document(CodageImage::Jpg);
    for (auto _ : state)
        benchmark::DoNotOptimize(LireDocumentOctets(octets).image.constBits());
}

void BM_LireJpegSeul(benchmark::State &state)
{
    const std::vector<unsigned char> v = EcrireJpegSeul();
    std::vector<unsigned char> pixels(6000u * 4000u * 4u);
    for (auto _ : state) {
        jpeg_decompress_struct d{};
        jpeg_error_mgr e{};
        d.err = jpeg_std_error(&e);
        jpeg_create_decompress(&d);
        jpeg_mem_src(&d, v.data(), v.size());
        jpeg_read_header(&d, TRUE);
        d.out_color_space = JCS_EXT_BGRA;
        jpeg_start_decompress(&d);
        while (d.output_scanline < d.output_height) {
            JSAMPROW l = pixels.data() + static_cast<std::size_t>(d.output_scanline) * d.output_width * 4;
            jpeg_read_scanlines(&d, &l, 1);
        }
        jpeg_finish_decompress(&d);
        jpeg_destroy_decompress(&d);
        benchmark::DoNotOptimize(pixels.data());
    }
}

// The bytes written once to a file of the temporary folder.
QString EnFichier(const QByteArray &octets, const char *nom)
{
    const QString chemin = QDir::temp().filePath(QString::fromLatin1(nom));
    QFile fichier(chemin);
    if (fichier.open(QIODevice::WriteOnly))
        fichier.write(octets);
    return chemin;
}

void BM_RouvrirFichierKptPng(benchmark::State &state)
{
    const QString chemin = EnFichier(Document(CodageImage::Png), "kaptori_bench_24mp_png.kpt");
    for (auto _ : state)
        benchmark::DoNotOptimize(LireFichierDocument(chemin).image.constBits());
    QFile::remove(chemin);
}

// Everything the frame does on reopening: the file read into a document and
// its drawing layer rebuilt from the 100 elements.
void BM_ChargerFichierKptPng(benchmark::State &state)
{
    const QString chemin = EnFichier(Document(CodageImage::Png), "kaptori_bench_24mp_png_charge.kpt");
    for (auto _ : state) {
        ImageDocument document;
        ChargerFichierDocument(document, chemin);
        benchmark::DoNotOptimize(document.image.constBits());
    }
    QFile::remove(chemin);
}

void BM_LireFichierPngSeul(benchmark::State &state)
{
    std::vector<unsigned char> v;
    EcrirePngSeul(v);
    const QString chemin = EnFichier(QByteArray(reinterpret_cast<const char *>(v.data()), qsizetype(v.size())),
                                     "kaptori_bench_24mp.png");
    const QByteArray nom = QFile::encodeName(chemin);
    std::vector<unsigned char> pixels(6000u * 4000u * 4u);
    for (auto _ : state) {
        png_image img{};
        img.version = PNG_IMAGE_VERSION;
        png_image_begin_read_from_file(&img, nom.constData());
        img.format = PNG_FORMAT_BGRA;
        png_image_finish_read(&img, nullptr, pixels.data(), 0, nullptr);
        benchmark::DoNotOptimize(pixels.data());
    }
    QFile::remove(chemin);
}

void BM_RouvrirFichierKptJpg(benchmark::State &state)
{
    const QString chemin = EnFichier(Document(CodageImage::Jpg), "kaptori_bench_24mp_jpg.kpt");
    for (auto _ : state)
        benchmark::DoNotOptimize(LireFichierDocument(chemin).image.constBits());
    QFile::remove(chemin);
}

void BM_LireFichierJpegSeul(benchmark::State &state)
{
    const std::vector<unsigned char> v = EcrireJpegSeul();
    const QString chemin = EnFichier(QByteArray(reinterpret_cast<const char *>(v.data()), qsizetype(v.size())),
                                     "kaptori_bench_24mp.jpg");
    const QByteArray nom = QFile::encodeName(chemin);
    std::vector<unsigned char> pixels(6000u * 4000u * 4u);
    for (auto _ : state) {
        std::FILE *f = std::fopen(nom.constData(), "rb");
        jpeg_decompress_struct d{};
        jpeg_error_mgr e{};
        d.err = jpeg_std_error(&e);
        jpeg_create_decompress(&d);
        jpeg_stdio_src(&d, f);
        jpeg_read_header(&d, TRUE);
        d.out_color_space = JCS_EXT_BGRA;
        jpeg_start_decompress(&d);
        while (d.output_scanline < d.output_height) {
            JSAMPROW l = pixels.data() + static_cast<std::size_t>(d.output_scanline) * d.output_width * 4;
            jpeg_read_scanlines(&d, &l, 1);
        }
        jpeg_finish_decompress(&d);
        jpeg_destroy_decompress(&d);
        std::fclose(f);
        benchmark::DoNotOptimize(pixels.data());
    }
    QFile::remove(chemin);
}

} // namespace

BENCHMARK(BM_EcrirePngSeul)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_EnregistrerKptPng)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_LirePngSeul)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RouvrirKptPng)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_EcrireJpegSeul)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_EnregistrerKptJpg)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LireJpegSeul)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RouvrirKptJpg)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LireFichierPngSeul)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RouvrirFichierKptPng)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ChargerFichierKptPng)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LireFichierJpegSeul)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RouvrirFichierKptJpg)->Unit(benchmark::kMillisecond)->Iterations(3);
