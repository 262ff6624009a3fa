// Saving and reopening a 24-megapixel document file with 100 elements, side
// by side with libpng and libjpeg alone on the same pixels and settings. The
// reopening is measured from memory and, as the program does it, from a file,
// against each library reading the same bytes from a file.
//
// PNG pictures on their own, on three 6000 x 4000 pictures (the synthetic
// pattern of the documents, the bench photograph, a map of flat colours):
// the program's writer against libpng at its default settings (zlib level 6,
// adaptive filters) and OpenCV's imencode, with the sizes as counters; the
// program's reader against libpng's simplified reader and OpenCV's imdecode
// on the same bytes, those of the file libpng wrote and of the program's.

#include "document/chargement_document.h"
#include "document/formats/ecriture_png.h"
#include "document/fichier_document.h"
#include "document/image_document.h"
#include "document/formats/decodeurs_image.h"
#include "document/formats/lecteur_image.h"
#include "photo_bench.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QImage>

#include <benchmark/benchmark.h>
#include <opencv2/core.hpp>
#include <opencv2/imgcodecs.hpp>
#include <opencv2/imgproc.hpp>

#include <cmath>
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

// libpng's simplified reader into BGRA pixels; `commencer` opens the picture
// on its source (memory or file).
template <typename Commencer>
void LirePngSimplifie(Commencer commencer, std::vector<unsigned char> &pixels)
{
    png_image img{};
    img.version = PNG_IMAGE_VERSION;
    commencer(img);
    img.format = PNG_FORMAT_BGRA;
    png_image_finish_read(&img, nullptr, pixels.data(), 0, nullptr);
    benchmark::DoNotOptimize(pixels.data());
}

// libjpeg decoding into BGRA pixels, a row at a time; `source` gives the
// decompressor its bytes (memory or file).
template <typename Source>
void LireJpegLibjpeg(Source source, std::vector<unsigned char> &pixels)
{
    jpeg_decompress_struct d{};
    jpeg_error_mgr e{};
    d.err = jpeg_std_error(&e);
    jpeg_create_decompress(&d);
    source(d);
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

// libpng at its default settings: zlib level 6 and the adaptive choice of
// filter for every row.
void EcrirePngLibpng(const QImage &image, std::vector<unsigned char> &sortie)
{
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
    png_write_info(png, info);
    png_set_bgr(png);
    png_set_filler(png, 0, PNG_FILLER_AFTER);
    for (int y = 0; y < image.height(); ++y)
        png_write_row(png, image.constScanLine(y));
    png_write_end(png, info);
    png_destroy_write_struct(&png, &info);
}

void EcrirePngSeul(std::vector<unsigned char> &sortie)
{
    EcrirePngLibpng(Image24Mp(), sortie);
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
    for (auto _ : state)
        LirePngSimplifie([&](png_image &img) { png_image_begin_read_from_memory(&img, v.data(), v.size()); }, pixels);
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
    for (auto _ : state)
        LireJpegLibjpeg([&](jpeg_decompress_struct &d) { jpeg_mem_src(&d, v.data(), v.size()); }, pixels);
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

QString EnFichier(const std::vector<unsigned char> &octets, const char *nom)
{
    return EnFichier(QByteArray(reinterpret_cast<const char *>(octets.data()), qsizetype(octets.size())), nom);
}

// The document of that picture coding reread from its file.
void RouvrirFichierKpt(benchmark::State &state, CodageImage codage, const char *nom)
{
    const QString chemin = EnFichier(Document(codage), nom);
    for (auto _ : state)
        benchmark::DoNotOptimize(LireFichierDocument(chemin).image.constBits());
    QFile::remove(chemin);
}

void BM_RouvrirFichierKptPng(benchmark::State &state)
{
    RouvrirFichierKpt(state, CodageImage::Png, "kaptori_bench_24mp_png.kpt");
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
    const QString chemin = EnFichier(v, "kaptori_bench_24mp.png");
    const QByteArray nom = QFile::encodeName(chemin);
    std::vector<unsigned char> pixels(6000u * 4000u * 4u);
    for (auto _ : state)
        LirePngSimplifie([&](png_image &img) { png_image_begin_read_from_file(&img, nom.constData()); }, pixels);
    QFile::remove(chemin);
}

void BM_RouvrirFichierKptJpg(benchmark::State &state)
{
    RouvrirFichierKpt(state, CodageImage::Jpg, "kaptori_bench_24mp_jpg.kpt");
}

void BM_LireFichierJpegSeul(benchmark::State &state)
{
    const std::vector<unsigned char> v = EcrireJpegSeul();
    const QString chemin = EnFichier(v, "kaptori_bench_24mp.jpg");
    const QByteArray nom = QFile::encodeName(chemin);
    std::vector<unsigned char> pixels(6000u * 4000u * 4u);
    for (auto _ : state) {
        std::FILE *f = std::fopen(nom.constData(), "rb");
        LireJpegLibjpeg([f](jpeg_decompress_struct &d) { jpeg_stdio_src(&d, f); }, pixels);
        std::fclose(f);
    }
    QFile::remove(chemin);
}

// ------------------------------------------------- PNG pictures on their own

// Eight flat colours in large smooth-edged regions, as a land-use map.
QImage CarteAPlats()
{
    static const QRgb couleurs[8] = {0xFF2E7D32, 0xFF1565C0, 0xFFF9A825, 0xFFC62828,
                                     0xFF6A1B9A, 0xFF00838F, 0xFFEF6C00, 0xFFEEEEEE};
    QImage image(6000, 4000, QImage::Format_RGB32);
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const double v = std::sin(x * 0.0021) + std::cos(y * 0.0017) + std::sin((x + y) * 0.0009);
            ligne[x] = couleurs[static_cast<int>(v * 2.2 + 8) & 7];
        }
    }
    return image;
}

const char *const kNomsImages[] = {"motif", "photo", "carte"};

const QImage &ImagePng(int i)
{
    static const QImage photo = LireImage(FichierPhotoBench());
    static const QImage carte = CarteAPlats();
    return i == 0 ? Image24Mp() : i == 1 ? photo : carte;
}

QByteArray EnPngKaptori(const QImage &image)
{
    QByteArray octets;
    QBuffer tampon(&octets);
    tampon.open(QIODevice::WriteOnly);
    EcrirePng(image, tampon);
    return octets;
}

QByteArray EnPngLibpng(const QImage &image)
{
    std::vector<unsigned char> v;
    EcrirePngLibpng(image, v);
    return QByteArray(reinterpret_cast<const char *>(v.data()), static_cast<qsizetype>(v.size()));
}

// The pixels as OpenCV holds them: B, G, R bytes.
cv::Mat EnMat(const QImage &image)
{
    const cv::Mat bgra(image.height(), image.width(), CV_8UC4, const_cast<uchar *>(image.constBits()),
                       static_cast<std::size_t>(image.bytesPerLine()));
    cv::Mat bgr;
    cv::cvtColor(bgra, bgr, cv::COLOR_BGRA2BGR);
    return bgr;
}

// Times `ecrire` (which returns the size it wrote) and reports that size
// beside the picture's name.
template <typename Ecrire>
void MesurerEcriturePng(benchmark::State &state, Ecrire ecrire)
{
    std::size_t taille = 0;
    for (auto _ : state)
        taille = ecrire();
    state.counters["octets"] = static_cast<double>(taille);
    state.SetLabel(kNomsImages[state.range(0)]);
}

void BM_PngEcrireLibpngDefaut(benchmark::State &state)
{
    const QImage &image = ImagePng(static_cast<int>(state.range(0)));
    MesurerEcriturePng(state, [&] { return static_cast<std::size_t>(EnPngLibpng(image).size()); });
}

void BM_PngEcrireKaptori(benchmark::State &state)
{
    const QImage &image = ImagePng(static_cast<int>(state.range(0)));
    MesurerEcriturePng(state, [&] { return static_cast<std::size_t>(EnPngKaptori(image).size()); });
}

void BM_PngEcrireOpenCV(benchmark::State &state)
{
    const cv::Mat mat = EnMat(ImagePng(static_cast<int>(state.range(0))));
    MesurerEcriturePng(state, [&] {
        std::vector<uchar> v;
        cv::imencode(".png", mat, v);
        return v.size();
    });
}

// The bytes read: range(1) 0 for the file libpng wrote, 1 for the program's.
const QByteArray &OctetsPng(int image, int ecrivain)
{
    static QByteArray octets[3][2];
    QByteArray &o = octets[image][ecrivain];
    if (o.isEmpty())
        o = ecrivain == 0 ? EnPngLibpng(ImagePng(image)) : EnPngKaptori(ImagePng(image));
    return o;
}

std::string Etiquette(const benchmark::State &state)
{
    return std::string(kNomsImages[state.range(0)]) + (state.range(1) == 0 ? ", fichier de libpng" : ", fichier de Kaptori");
}

void BM_PngLireLibpng(benchmark::State &state)
{
    const QByteArray &v = OctetsPng(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    std::vector<unsigned char> pixels(6000u * 4000u * 4u);
    for (auto _ : state)
        LirePngSimplifie(
            [&](png_image &img) {
                png_image_begin_read_from_memory(&img, v.constData(), static_cast<size_t>(v.size()));
            },
            pixels);
    state.SetLabel(Etiquette(state));
}

void BM_PngLireKaptori(benchmark::State &state)
{
    const QByteArray &v = OctetsPng(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    for (auto _ : state)
        benchmark::DoNotOptimize(DecoderPng(v).constBits());
    state.SetLabel(Etiquette(state));
}

void BM_PngLireOpenCV(benchmark::State &state)
{
    const QByteArray &v = OctetsPng(static_cast<int>(state.range(0)), static_cast<int>(state.range(1)));
    const cv::Mat octets(1, static_cast<int>(v.size()), CV_8UC1, const_cast<char *>(v.constData()));
    bool lu = true;
    for (auto _ : state) {
        const cv::Mat m = cv::imdecode(octets, cv::IMREAD_UNCHANGED);
        lu = lu && m.cols == 6000 && m.rows == 4000;
        benchmark::DoNotOptimize(m.data);
    }
    if (!lu)
        state.SkipWithError("OpenCV ne lit pas le fichier");
    state.SetLabel(Etiquette(state));
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

BENCHMARK(BM_PngEcrireLibpngDefaut)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PngEcrireKaptori)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PngEcrireOpenCV)->DenseRange(0, 2)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PngLireLibpng)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PngLireKaptori)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond)->Iterations(2);
BENCHMARK(BM_PngLireOpenCV)->ArgsProduct({{0, 1, 2}, {0, 1}})->Unit(benchmark::kMillisecond)->Iterations(2);
