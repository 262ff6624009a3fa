// Histograms, tonal operations and filters of the histogram window, and the
// decomposition into components. Expected values come from worked examples
// and from a separate exact-fraction computation of the kernels.
#include "calibration/code_couleur.h"
#include "commun/erreur.h"
#include "processing/code_conservable.h"
#include "processing/convolution.h"
#include "processing/correction_gamma.h"
#include "processing/decomposition.h"
#include "processing/etirement_composantes.h"
#include "processing/evide.h"
#include "processing/histogrammes.h"
#include "processing/peinture_composantes.h"
#include "processing/repere_limites.h"
#include "processing/saturation_lumiere.h"
#include "processing/sobel.h"
#include "processing/travail_histo.h"
#include "processing/tsv.h"

#include <gtest/gtest.h>

#include <array>
#include <ostream>
#include <random>
#include <vector>

namespace {

using Grille = std::vector<std::vector<int>>;

QImage ImageGrise(const Grille &g)
{
    QImage image(static_cast<int>(g[0].size()), static_cast<int>(g.size()), QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const int v = g[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            reinterpret_cast<QRgb *>(image.scanLine(y))[x] = qRgb(v, v, v);
        }
    return image;
}

QImage Uniforme(int w, int h, QRgb c)
{
    QImage image(w, h, QImage::Format_ARGB32);
    image.fill(c);
    return image;
}

// The red component of every pixel, which must equal green and blue.
Grille GrilleGrise(const QImage &image)
{
    Grille g;
    for (int y = 0; y < image.height(); ++y) {
        g.emplace_back();
        for (int x = 0; x < image.width(); ++x) {
            const QRgb c = image.pixel(x, y);
            EXPECT_EQ(qRed(c), qGreen(c));
            EXPECT_EQ(qRed(c), qBlue(c));
            g.back().push_back(qRed(c));
        }
    }
    return g;
}

QImage PhotoAleatoire(int w, int h, unsigned graine)
{
    std::mt19937 gen(graine);
    QImage image(w, h, QImage::Format_ARGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            reinterpret_cast<QRgb *>(image.scanLine(y))[x] = 0xFF000000u | (gen() & 0xFFFFFFu);
    return image;
}

const Grille Fixture = {{10, 20, 30, 40}, {50, 60, 70, 80}, {90, 100, 110, 120}, {0, 255, 5, 200}};

struct CasNoyau {
    const char *nom;
    FiltreConvolution filtre;
    Grille attendu;
};

void PrintTo(const CasNoyau &c, std::ostream *os) { *os << c.nom; }

class NoyauxSurFixture : public testing::TestWithParam<CasNoyau> {};

TEST_P(NoyauxSurFixture, EachKernelMatchesTheExactSumsEdgesIncluded)
{
    EXPECT_EQ(GrilleGrise(AppliquerFiltre(ImageGrise(Fixture), GetParam().filtre)), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Noyaux, NoyauxSurFixture,
    testing::Values(
        CasNoyau{"flou", FiltreConvolution::Flou, Grille(4, std::vector<int>(4, 78))},
        CasNoyau{"flou_gaussien", FiltreConvolution::FlouGaussien,
                 {{52, 56, 61, 65}, {65, 69, 75, 79}, {78, 83, 90, 95}, {89, 94, 103, 107}}},
        CasNoyau{"accentuer", FiltreConvolution::Accentuer,
                 {{0, 3, 13, 33}, {46, 60, 70, 84}, {88, 140, 108, 139}, {0, 255, 0, 241}}},
        CasNoyau{"contour", FiltreConvolution::Contour,
                 {{229, 211, 231, 255}, {255, 255, 255, 255}, {255, 255, 0, 255}, {136, 255, 0, 255}}},
        CasNoyau{"lithographie", FiltreConvolution::Lithographie,
                 {{0, 0, 0, 27}, {39, 35, 59, 83}, {93, 255, 149, 157}, {0, 255, 0, 255}}}),
    [](const testing::TestParamInfo<CasNoyau> &info) { return std::string(info.param.nom); });

// Brute force of the rule, pixel by pixel with exact integers (halves to even).
QImage ConvolutionDeReference(const QImage &image, const NoyauConvolution &n)
{
    QImage r(image.size(), QImage::Format_ARGB32);
    const int cote = 2 * n.rayon + 1;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            int sortie[3];
            for (int k = 0; k < 3; ++k) {
                long long somme = 0;
                long long poids = 0;
                for (int dy = -n.rayon; dy <= n.rayon; ++dy)
                    for (int dx = -n.rayon; dx <= n.rayon; ++dx) {
                        if (x + dx < 0 || y + dy < 0 || x + dx >= image.width() || y + dy >= image.height())
                            continue;
                        const int q = n.poids[static_cast<std::size_t>((dy + n.rayon) * cote + dx + n.rayon)];
                        const QRgb c = reinterpret_cast<const QRgb *>(image.constScanLine(y + dy))[x + dx];
                        somme += q * static_cast<long long>((c >> (8 * k)) & 0xFF);
                        poids += q;
                    }
                const long long num = somme * n.facteur * 2;
                const long long den = poids * 2;
                // floor((2·num/den + 1) / 2) with ties sent to the even integer
                long long q = num / den;
                long long reste = num % den;
                if (reste < 0)
                    --q, reste += den;
                if (2 * reste > den || (2 * reste == den && (q % 2 != 0)))
                    ++q;
                sortie[k] = static_cast<int>(std::clamp<long long>(q + n.decalage, 0, 255));
            }
            r.setPixel(x, y, qRgb(sortie[2], sortie[1], sortie[0]));
        }
    return r;
}

TEST(Filtres, InnerPixelsOfLargerPicturesFollowTheRuleToo)
{
    const QImage p = PhotoAleatoire(13, 11, 77);
    for (const auto f : {FiltreConvolution::Flou, FiltreConvolution::FlouGaussien, FiltreConvolution::Accentuer,
                         FiltreConvolution::Contour, FiltreConvolution::Lithographie})
        EXPECT_EQ(AppliquerFiltre(p, f), ConvolutionDeReference(p, NoyauDeFiltre(f))) << static_cast<int>(f);
}

TEST(Filtres, PicturesLargeEnoughForTheSumTableGiveTheSameBytes)
{
    const QImage p = PhotoAleatoire(300, 300, 78);
    for (const auto f : {FiltreConvolution::Flou, FiltreConvolution::FlouGaussien, FiltreConvolution::Accentuer,
                         FiltreConvolution::Contour, FiltreConvolution::Lithographie})
        EXPECT_EQ(AppliquerFiltre(p, f), ConvolutionDeReference(p, NoyauDeFiltre(f))) << static_cast<int>(f);
}

TEST(Filtres, SobelUsesTheTableInsideAndKeepsTheBorder)
{
    EXPECT_EQ(GrilleGrise(Sobel(ImageGrise(Fixture))),
              (Grille{{10, 20, 30, 40}, {50, 255, 255, 80}, {90, 255, 185, 120}, {0, 255, 5, 200}}));
    EXPECT_EQ(MagnitudeSobel(3, 4), 5);
    EXPECT_EQ(MagnitudeSobel(255, 255), 255);
    EXPECT_EQ(MagnitudeSobel(-40, 0), 0);
    const QImage etroite = ImageGrise({{1, 2}, {3, 4}, {5, 6}});
    EXPECT_EQ(GrilleGrise(Sobel(etroite)), GrilleGrise(etroite));
}

TEST(Filtres, EvideHollowsOnBlueAndKeepsTwoBorderRows)
{
    Grille g(6, std::vector<int>(6, 10));
    g[0][0] = 200;
    const Grille r = GrilleGrise(Evider(ImageGrise(g)));
    Grille attendu = g;
    attendu[2][2] = 0;   // a bright pixel within two
    attendu[2][3] = 255; // none within two
    attendu[3][2] = 255;
    attendu[3][3] = 255;
    EXPECT_EQ(r, attendu);
}

TEST(Filtres, ContourTurnsUniformGreyWhiteFromLevelEight)
{
    for (const int v : {8, 100, 255}) {
        const QImage r = AppliquerFiltre(Uniforme(5, 4, qRgb(v, v, v)), FiltreConvolution::Contour);
        EXPECT_EQ(CalculerHistogrammes(r).comptes[0][255], 20u) << v;
    }
    EXPECT_EQ(AppliquerFiltre(Uniforme(3, 3, qRgb(7, 7, 7)), FiltreConvolution::Contour).pixel(1, 1), qRgb(254, 254, 254));
}

TEST(Filtres, EveryFilterKeepsTheSizeOfTinyPictures)
{
    for (int w = 1; w <= 9; ++w)
        for (int h = 1; h <= 9; ++h) {
            const QImage p = PhotoAleatoire(w, h, static_cast<unsigned>(w * 10 + h));
            for (const auto f : {FiltreConvolution::Flou, FiltreConvolution::FlouGaussien, FiltreConvolution::Accentuer,
                                 FiltreConvolution::Contour, FiltreConvolution::Lithographie})
                EXPECT_EQ(AppliquerFiltre(p, f).size(), p.size());
            EXPECT_EQ(Sobel(p).size(), p.size());
            EXPECT_EQ(Evider(p).size(), p.size());
        }
}

// Sobel pixel by pixel from the table, border kept.
QImage SobelDeReference(const QImage &image)
{
    QImage r = ImageVingtQuatreBits(image);
    const QImage s = r.copy();
    for (int y = 1; y + 1 < s.height(); ++y)
        for (int x = 1; x + 1 < s.width(); ++x) {
            int sortie[3];
            for (int k = 0; k < 3; ++k) {
                const auto p = [&](int dx, int dy) { return static_cast<int>((s.pixel(x + dx, y + dy) >> (8 * k)) & 0xFF); };
                const int gx = p(1, -1) + 2 * p(1, 0) + p(1, 1) - p(-1, -1) - 2 * p(-1, 0) - p(-1, 1);
                const int gy = p(-1, 1) + 2 * p(0, 1) + p(1, 1) - p(-1, -1) - 2 * p(0, -1) - p(1, -1);
                sortie[k] = MagnitudeSobel(gx, gy);
            }
            r.setPixel(x, y, qRgb(sortie[2], sortie[1], sortie[0]));
        }
    return r;
}

// "Evide" pixel by pixel, border of two kept.
QImage EvideDeReference(const QImage &image)
{
    QImage r = ImageVingtQuatreBits(image);
    const QImage s = r.copy();
    for (int y = 2; y + 2 < s.height(); ++y)
        for (int x = 2; x + 2 < s.width(); ++x) {
            bool voisin = false;
            for (int dy = -2; dy <= 2; ++dy)
                for (int dx = -2; dx <= 2; ++dx)
                    voisin = voisin || qBlue(s.pixel(x + dx, y + dy)) >= SeuilEvide;
            r.setPixel(x, y, qBlue(s.pixel(x, y)) < SeuilEvide && voisin ? qRgb(0, 0, 0) : qRgb(255, 255, 255));
        }
    return r;
}

// Pictures of every shape the row loops must handle: no inner pixel, inner
// rows narrower than a vector, odd widths, and formats read in place
// (translucent ARGB32, RGB32) or converted first.
struct CasImage {
    const char *nom;
    int largeur;
    int hauteur;
    QImage::Format format;
};

void PrintTo(const CasImage &c, std::ostream *os) { *os << c.nom; }

class FiltresRapides : public testing::TestWithParam<CasImage> {
protected:
    QImage Image() const
    {
        const CasImage &c = GetParam();
        std::mt19937 gen(static_cast<unsigned>(c.largeur * 131 + c.hauteur));
        QImage image(c.largeur, c.hauteur, QImage::Format_ARGB32);
        for (int y = 0; y < c.hauteur; ++y)
            for (int x = 0; x < c.largeur; ++x)
                reinterpret_cast<QRgb *>(image.scanLine(y))[x] = gen() | (c.format == QImage::Format_ARGB32 ? 0u : 0xFF000000u);
        return image.convertToFormat(c.format);
    }
};

TEST_P(FiltresRapides, EveryFilterGivesTheBytesOfThePixelByPixelRule)
{
    const QImage p = Image();
    const QImage opaque = ImageVingtQuatreBits(p);
    for (const auto f : {FiltreConvolution::Flou, FiltreConvolution::FlouGaussien, FiltreConvolution::Accentuer,
                         FiltreConvolution::Contour, FiltreConvolution::Lithographie})
        EXPECT_EQ(AppliquerFiltre(p, f), ConvolutionDeReference(opaque, NoyauDeFiltre(f))) << static_cast<int>(f);
    EXPECT_EQ(Sobel(p), SobelDeReference(p));
    EXPECT_EQ(Evider(p), EvideDeReference(p));
}

TEST_P(FiltresRapides, HistogramsCountEveryPixelOnce)
{
    const QImage p = Image();
    std::array<std::array<std::uint64_t, 256>, 3> attendu{};
    for (int y = 0; y < p.height(); ++y)
        for (int x = 0; x < p.width(); ++x) {
            const QRgb c = p.pixel(x, y);
            ++attendu[ComposanteRouge][static_cast<std::size_t>(qRed(c))];
            ++attendu[ComposanteVerte][static_cast<std::size_t>(qGreen(c))];
            ++attendu[ComposanteBleue][static_cast<std::size_t>(qBlue(c))];
        }
    EXPECT_EQ(CalculerHistogrammes(p).comptes, attendu);
}

INSTANTIATE_TEST_SUITE_P(
    Formes, FiltresRapides,
    testing::Values(CasImage{"un_pixel", 1, 1, QImage::Format_ARGB32}, CasImage{"une_colonne", 1, 9, QImage::Format_ARGB32},
                    CasImage{"une_ligne", 9, 1, QImage::Format_RGB32}, CasImage{"trois_sur_deux", 3, 2, QImage::Format_ARGB32},
                    CasImage{"trois_sur_trois", 3, 3, QImage::Format_RGB32}, CasImage{"cinq_sur_cinq", 5, 5, QImage::Format_ARGB32},
                    CasImage{"sept_sur_huit", 7, 8, QImage::Format_ARGB32}, CasImage{"huit_sur_sept", 8, 7, QImage::Format_RGB888},
                    CasImage{"impaire_large", 41, 9, QImage::Format_ARGB32},
                    CasImage{"etroite_haute", 9, 41, QImage::Format_RGB32},
                    CasImage{"translucide_premultipliee", 23, 17, QImage::Format_ARGB32_Premultiplied}),
    [](const testing::TestParamInfo<CasImage> &info) { return std::string(info.param.nom); });

TEST(Histogrammes, UniformGreyGivesOneBarOfHundred)
{
    const HistogrammesImage h = CalculerHistogrammes(Uniforme(7, 3, qRgb(90, 90, 90)));
    EXPECT_EQ(h.pixels, 21);
    for (int k = 0; k < 3; ++k) {
        EXPECT_DOUBLE_EQ(h.pourcentage(k, 90), 100.0);
        EXPECT_DOUBLE_EQ(h.pourcentage(k, 89), 0.0);
        EXPECT_EQ(h.MiniImage[static_cast<std::size_t>(k)], 90);
        EXPECT_EQ(h.MaxiImage[static_cast<std::size_t>(k)], 90);
    }
}

TEST(Histogrammes, CountsEachComponentWithItsExtremes)
{
    QImage image(300, 300, QImage::Format_ARGB32); // over one block of rows
    image.fill(qRgb(10, 20, 30));
    image.setPixel(299, 299, qRgb(200, 5, 31));
    const HistogrammesImage h = CalculerHistogrammes(image);
    EXPECT_EQ(h.comptes[ComposanteRouge][10], 89999u);
    EXPECT_EQ(h.comptes[ComposanteRouge][200], 1u);
    EXPECT_EQ(h.MiniImage, (std::array<int, 3>{30, 5, 10}));
    EXPECT_EQ(h.MaxiImage, (std::array<int, 3>{31, 20, 200}));
}

TEST(Tonalite, PaintingWithFullLimitsPaintsEverything)
{
    QImage image = PhotoAleatoire(9, 7, 3);
    ColorerComposantes(image, LimitesComposantes{}, qRgb(1, 2, 3));
    EXPECT_EQ(CalculerHistogrammes(image).comptes[ComposanteBleue][3], 63u);
}

TEST(Tonalite, PaintingNeedsAllThreeComponentsInside)
{
    QImage image = ImageGrise({{10, 50, 100}});
    LimitesComposantes l;
    l.basse = {40, 40, 40};
    l.haute = {60, 60, 60};
    ColorerComposantes(image, l, qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(0, 0), qRgb(10, 10, 10));
    EXPECT_EQ(image.pixel(1, 0), qRgb(255, 0, 0));
    EXPECT_EQ(image.pixel(2, 0), qRgb(100, 100, 100));
}

TEST(Tonalite, GammaOneKeepsAndGammaTwoMapsSixtyFourToHundredTwentyEight)
{
    const QImage p = PhotoAleatoire(8, 8, 5);
    EXPECT_EQ(CorrectionGamma(p, 1.0), p);
    EXPECT_EQ(CorrectionGamma(Uniforme(1, 1, qRgb(64, 64, 64)), 2.0).pixel(0, 0), qRgb(128, 128, 128));
    EXPECT_THROW((void)CorrectionGamma(p, 0.0), ErreurKaptori);
    EXPECT_THROW((void)CorrectionGamma(p, 5.0), ErreurKaptori);
}

TEST(Tonalite, StretchMapsTheLimitsToTheFullRangeAndKeepsAConstantComponent)
{
    LimitesComposantes l;
    l.basse = {50, 100, 20};
    l.haute = {150, 100, 120};
    const ResultatEtirement r = EtirerComposantes(Uniforme(1, 1, qRgb(70, 100, 100)), l);
    EXPECT_EQ(r.inchangee, (std::array<bool, 3>{false, true, false}));
    EXPECT_EQ(r.image.pixel(0, 0), qRgb(128, 100, 128)); // 50 × 2,55 = 127,5 → 128
    l.basse[0] = 300;
    EXPECT_THROW((void)EtirerComposantes(QImage(2, 2, QImage::Format_ARGB32), l), ErreurKaptori);
    l.basse[0] = 200;
    EXPECT_THROW((void)EtirerComposantes(QImage(2, 2, QImage::Format_ARGB32), l), ErreurKaptori);
}

TEST(Tonalite, TesterAtZeroKeepsTheColoursWithinOne)
{
    const QImage p = PhotoAleatoire(16, 16, 9);
    const QImage r = SaturationLumiere(p, 0, 0);
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x) {
            EXPECT_NEAR(qRed(r.pixel(x, y)), qRed(p.pixel(x, y)), 1);
            EXPECT_NEAR(qGreen(r.pixel(x, y)), qGreen(p.pixel(x, y)), 1);
            EXPECT_NEAR(qBlue(r.pixel(x, y)), qBlue(p.pixel(x, y)), 1);
        }
}

TEST(Tonalite, SaturationMinusHundredGivesTheLargestComponent)
{
    QImage p = Uniforme(2, 1, qRgb(30, 200, 90));
    p.setPixel(0, 0, qRgb(250, 10, 0));
    const QImage c = SaturationLumiere(p, -100, 0);
    EXPECT_EQ(c.pixel(0, 0), qRgb(250, 250, 250));
    EXPECT_EQ(c.pixel(1, 0), qRgb(200, 200, 200));
    EXPECT_THROW((void)SaturationLumiere(c, 150, 0), ErreurKaptori);
}

TEST(Tonalite, HueRoundTripsThroughTsv)
{
    const CouleurTsv t = RvbVersTsv(1.0, 0.5, 0.0);
    EXPECT_DOUBLE_EQ(t.H, 30.0);
    EXPECT_DOUBLE_EQ(t.S, 1.0);
    EXPECT_DOUBLE_EQ(RvbVersTsv(0.2, 0.2, 0.2).H, -1.0);
    EXPECT_DOUBLE_EQ(RvbVersTsv(1.0, 0.0, 0.5).H, 330.0);
    const CouleurRvbReelle r = TsvVersRvb(360.0, 1.0, 1.0);
    EXPECT_DOUBLE_EQ(r.r, 1.0);
    EXPECT_DOUBLE_EQ(r.g, 0.0);
    const CouleurRvbReelle v = TsvVersRvb(210.0, 0.5, 0.8);
    EXPECT_NEAR(v.r, 0.4, 1e-12);
    EXPECT_NEAR(v.g, 0.6, 1e-12);
    EXPECT_NEAR(v.b, 0.8, 1e-12);
}

TEST(Repere, MarkerEdgesComeBackIntoThePlotArea)
{
    const LimitesRepere entier = LimitesDeRepere({40, 255}, 40, 295);
    EXPECT_EQ(entier.basse, 0);
    EXPECT_EQ(entier.haute, 255);
    const LimitesRepere gauche = LimitesDeRepere({30, 60}, 40, 295);
    EXPECT_EQ(gauche.position, (PositionRepere{40, 50}));
    EXPECT_EQ(gauche.haute, 50);
    const LimitesRepere droite = LimitesDeRepere({300, 30}, 40, 295);
    EXPECT_EQ(droite.position, (PositionRepere{292, 3}));
    EXPECT_EQ(droite.basse, 252);
    EXPECT_EQ(droite.haute, 255);
    EXPECT_EQ(RepereDeLimites(51, 204, 40, 295), (PositionRepere{91, 153}));
}

TEST(Code, ThreeChannelRangesFollowTheStretchLimits)
{
    TCodeCouleur code = CodeParDefaut();
    code.MiniC[0] = 0;
    code.MaxiC[0] = 100;
    LimitesComposantes l;
    l.basse[ComposanteBleue] = 51;
    l.haute[ComposanteBleue] = 204;
    const TCodeCouleur r = CodeAjuste(code, true, l);
    EXPECT_EQ(r.Definie, 1);
    EXPECT_DOUBLE_EQ(r.MiniC[0], 20.0);
    EXPECT_DOUBLE_EQ(r.MaxiC[0], 80.0);
    EXPECT_DOUBLE_EQ(r.MaxiC[1], 255.0);
    EXPECT_EQ(CodeAjuste(code, false, l).Definie, 0);
}

TEST(Code, RainbowTableAndColouredGradientsAskAbandon)
{
    TCodeCouleur code = CodeParDefaut();
    EXPECT_FALSE(CodeSansSignificationApresModification(code));
    code.TypeCodage = CodageDeuxCouleurs;
    code.CouleurMin = 0;
    code.CouleurMax = 0xFFFFFF;
    EXPECT_FALSE(CodeSansSignificationApresModification(code));
    code.CouleurMax = 0x00FF00;
    EXPECT_TRUE(CodeSansSignificationApresModification(code));
    code.TypeCodage = CodageArcEnCiel;
    EXPECT_TRUE(CodeSansSignificationApresModification(code));
    code.Definie = 0;
    EXPECT_FALSE(CodeSansSignificationApresModification(code));
}

ImageDocument DocumentCode(const QImage &image)
{
    ImageDocument doc;
    doc.image = image;
    doc.echelle.Definie = 1;
    doc.echelle.FacteurX = 2.5;
    doc.codeCouleur = CodeParDefaut();
    doc.codeCouleur.MiniC[0] = 0;
    doc.codeCouleur.MaxiC[0] = 100;
    return doc;
}

TEST(TravailHistogrammes, OkWithoutChangeMakesNoDocument)
{
    const ImageDocument doc = DocumentCode(PhotoAleatoire(5, 5, 1));
    TravailHisto t(doc.image, true);
    EXPECT_EQ(t.DocumentModifie(doc), nullptr);
}

TEST(TravailHistogrammes, PaintingThenBlurIsTheBlurredSource)
{
    const ImageDocument doc = DocumentCode(PhotoAleatoire(6, 5, 2));
    TravailHisto t(doc.image, true);
    t.Colorer();
    t.Filtrer(FiltreConvolution::Flou);
    EXPECT_EQ(t.ImageTravail(), AppliquerFiltre(doc.image, FiltreConvolution::Flou));
}

TEST(TravailHistogrammes, StretchAdjustsTheCodeAndPaintingDropsIt)
{
    const ImageDocument doc = DocumentCode(PhotoAleatoire(6, 5, 4));
    TravailHisto t(doc.image, true);
    t.limites.basse[ComposanteBleue] = 51;
    t.limites.haute[ComposanteBleue] = 204;
    (void)t.EtirerPortions();
    const auto etire = t.DocumentModifie(doc);
    ASSERT_NE(etire, nullptr);
    EXPECT_EQ(etire->titre, QStringLiteral("Modifié"));
    EXPECT_DOUBLE_EQ(etire->echelle.FacteurX, 2.5);
    EXPECT_DOUBLE_EQ(etire->codeCouleur.MiniC[0], 20.0);
    EXPECT_DOUBLE_EQ(etire->codeCouleur.MaxiC[0], 80.0);
    t.Colorer();
    EXPECT_EQ(t.DocumentModifie(doc)->codeCouleur.Definie, 0);
}

TEST(TravailHistogrammes, MarkerMovedAfterTheStretchNoLongerChangesTheCode)
{
    const ImageDocument doc = DocumentCode(PhotoAleatoire(6, 5, 4));
    TravailHisto t(doc.image, true);
    t.limites.basse[ComposanteBleue] = 51;
    t.limites.haute[ComposanteBleue] = 204;
    (void)t.EtirerPortions();
    t.limites.basse[ComposanteBleue] = 0;
    t.limites.haute[ComposanteBleue] = 10;
    EXPECT_DOUBLE_EQ(t.DocumentModifie(doc)->codeCouleur.MiniC[0], 20.0);
}

TEST(TravailHistogrammes, AnnulerGivesTheSourceAndItsCodeBack)
{
    const ImageDocument doc = DocumentCode(PhotoAleatoire(6, 5, 4));
    TravailHisto t(doc.image, true);
    t.limites.basse[ComposanteBleue] = 51;
    (void)t.EtirerPortions();
    t.Annuler();
    EXPECT_EQ(t.ImageTravail(), t.ImageSource());
    EXPECT_EQ(t.DocumentModifie(doc), nullptr);
    t.Gamma(2.0);
    t.Annuler();
    (void)t.EtirerPortions();
    EXPECT_EQ(t.DocumentModifie(doc)->codeCouleur.MiniC[0], 20.0);
}

TEST(TravailHistogrammes, WholeStretchOfUniformGreyReportsEveryComponent)
{
    TravailHisto t(Uniforme(4, 4, qRgb(77, 77, 77)), true);
    EXPECT_EQ(t.EtirerEnsemble(), (std::array<bool, 3>{true, true, true}));
    EXPECT_EQ(t.ImageTravail(), t.ImageSource());
    EXPECT_EQ(t.limitesCode(), LimitesComposantes{});
}

TEST(Decomposition, GreyDecompositionMakesThreeDocumentsWithTheScale)
{
    ImageDocument source = DocumentCode(Uniforme(10, 10, qRgb(200, 100, 50)));
    const auto docs = DocumentsDecomposition(source, true);
    const char *titres[3] = {"Bleu", "Vert", "Rouge"};
    const int valeurs[3] = {50, 100, 200};
    for (int k = 0; k < 3; ++k) {
        const auto &d = docs[static_cast<std::size_t>(k)];
        EXPECT_EQ(d->titre, QString::fromUtf8(titres[k]));
        EXPECT_EQ(d->image.size(), QSize(10, 10));
        EXPECT_DOUBLE_EQ(d->echelle.FacteurX, 2.5);
        const int v = valeurs[k];
        EXPECT_EQ(d->image.pixel(9, 9), qRgb(v, v, v));
    }
    EXPECT_EQ(DecomposerComposante(source.image, ComposanteVerte, false).pixel(0, 0), qRgb(0, 100, 0));
}

} // namespace
