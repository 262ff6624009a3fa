// Counting marks: the pictures of the ten shapes, the marks of a document
// and the points file of the command line.

#include "support/nom_cas.h"

#include "commun/erreur.h"
#include "drawing/rendu_dessin.h"
#include "processing/comptage_document.h"
#include "processing/dessiner_marque.h"
#include "processing/points_comptage.h"

#include <gtest/gtest.h>

#include <cmath>
#include <numbers>
#include <ostream>
#include <random>
#include <string>
#include <vector>

namespace {

constexpr QRgb Rouge = 0xFFFF0000;

// The painted pixels of a mark as rows of '#' and '.', from (13 - r, 13 - r)
// to (13 + r, 13 + r); anything painted outside that square is reported as
// a row "hors".
std::vector<std::string> Dessin(const QImage &marque, int r)
{
    std::vector<std::string> lignes;
    bool hors = false;
    for (int y = 0; y < marque.height(); ++y) {
        const auto *l = reinterpret_cast<const QRgb *>(marque.constScanLine(y));
        std::string ligne;
        for (int x = 0; x < marque.width(); ++x) {
            const bool dedans = std::abs(x - 13) <= r && std::abs(y - 13) <= r;
            const bool peint = qAlpha(l[x]) > 0;
            if (dedans)
                ligne += peint ? '#' : '.';
            else if (peint)
                hors = true;
        }
        if (!ligne.empty())
            lignes.push_back(ligne);
    }
    if (hors)
        lignes.push_back("hors");
    return lignes;
}

// The expected bitmap of a shape at half-size s, from its definition:
// painted when pred(dx, dy) holds for the offsets from the centre.
template <typename Pred>
std::vector<std::string> Attendu(int s, Pred pred)
{
    std::vector<std::string> lignes;
    for (int dy = -s; dy <= s; ++dy) {
        std::string ligne;
        for (int dx = -s; dx <= s; ++dx)
            ligne += pred(dx, dy) ? '#' : '.';
        lignes.push_back(ligne);
    }
    return lignes;
}

struct CasForme {
    const char *nom;
    int forme;
    int s;
    std::vector<std::string> attendu;
};
void PrintTo(const CasForme &c, std::ostream *os)
{
    *os << c.nom;
}

std::vector<CasForme> CasFormes()
{
    auto plus = [](int dx, int dy) { return dx == 0 || dy == 0; };
    auto croix = [](int dx, int dy) { return dx == dy || dx == -dy; };
    return {
        {"plus s=3", Plus, 3, Attendu(3, plus)},
        {"plus s=11", Plus, 11, Attendu(11, plus)},
        {"croix s=3", Croix, 3, Attendu(3, croix)},
        {"croix s=11", Croix, 11, Attendu(11, croix)},
        {"carre s=3", Carre, 3, Attendu(3, [](int, int) { return true; })},
        {"carre s=11", Carre, 11, Attendu(11, [](int, int) { return true; })},
        // Round(j cos 45°) for j = 1, 2, 3 is 1, 1, 2.
        {"etoile s=3", Etoile, 3,
         {"...#...",
          ".#.#.#.",
          "..###..",
          "#######",
          "..###..",
          ".#.#.#.",
          "...#..."}},
        // The rays are computed in doubles as the pen's cap stamp computes
        // them: at 30°, j = 1, 2, 3 give (1, 0), (2, 1), (3, 1) (3 sin 30° is
        // 1.4999… there); at 60° (1, 1), (1, 2), (2, 3).
        {"etoile2 s=3", Etoile2, 3,
         {".#.#.#.",
          "..###..",
          "#######",
          "#######",
          "#######",
          "..###..",
          ".#.#.#."}},
        // Branches at 45° for j = 1..11: Round(j / √2).
        {"etoile s=11", Etoile, 11, Attendu(11, [](int dx, int dy) {
             if (dx == 0 || dy == 0)
                 return true;
             for (int j = 1; j <= 11; ++j) {
                 const int d = static_cast<int>(std::nearbyint(j * 0.70710678118654752));
                 if (std::abs(dx) == d && std::abs(dy) == d)
                     return true;
             }
             return false;
         })},
        {"etoile2 s=11", Etoile2, 11, Attendu(11, [](int dx, int dy) {
             if (dx == 0 || dy == 0)
                 return true;
             for (int j = 1; j <= 11; ++j) {
                 for (double t : {std::numbers::pi / 6, std::numbers::pi / 3}) {
                     const int a = static_cast<int>(std::nearbyint(j * std::cos(t)));
                     const int b = static_cast<int>(std::nearbyint(j * std::sin(t)));
                     if (std::abs(dx) == a && std::abs(dy) == b)
                         return true;
                 }
             }
             return false;
         })},
    };
}

class FormesExactes : public testing::TestWithParam<CasForme> {};

TEST_P(FormesExactes, theMarkPaintsExactlyTheShapesPixels)
{
    const CasForme &c = GetParam();
    const QImage marque = ImageMarque(c.s, Rouge, c.forme);
    ASSERT_EQ(marque.size(), QSize(25, 25));
    EXPECT_EQ(Dessin(marque, c.s), c.attendu);
}

INSTANTIATE_TEST_SUITE_P(Marques, FormesExactes, testing::ValuesIn(CasFormes()),
                         NomDuCas());

TEST(MarquesRondes, theRoundMarkIsThePenCapStampOfTheSameWidth)
{
    for (int s : {3, 7, 11})
        EXPECT_EQ(ImageMarque(s, Rouge, Rond), CreerEmbout(s, Rouge)) << "s = " << s;
}

// Filled shapes: every pixel strictly inside the outline is painted, nothing
// outside its bounding square.
struct CasRempli {
    const char *nom;
    int forme;
    int s;
    bool (*dedans)(double dx, double dy, int s);
};
void PrintTo(const CasRempli &c, std::ostream *os)
{
    *os << c.nom << " s=" << c.s;
}

class FormesRemplies : public testing::TestWithParam<CasRempli> {};

TEST_P(FormesRemplies, theInsideOfTheOutlineIsFilled)
{
    const CasRempli &c = GetParam();
    const QImage marque = ImageMarque(c.s, Rouge, c.forme);
    for (int y = 0; y < 25; ++y)
        for (int x = 0; x < 25; ++x) {
            const int dx = x - 13, dy = y - 13;
            const bool peint = qAlpha(marque.pixel(x, y)) > 0;
            if (std::abs(dx) > c.s || std::abs(dy) > c.s) {
                EXPECT_FALSE(peint) << x << "," << y;
            } else if (c.dedans(dx, dy, c.s)) {
                EXPECT_TRUE(peint) << x << "," << y;
            }
        }
    EXPECT_EQ(marque.pixel(13, 13), Rouge);
}

bool DansTriangleBas(double dx, double dy, int s)
{
    // Point down: the top edge at dy = -s, the sides meeting at (0, s).
    return dy > -s && std::abs(dx) < (s - dy) / 2.0 - 0.5;
}
bool DansTriangleHaut(double dx, double dy, int s)
{
    return DansTriangleBas(dx, -dy, s);
}
bool DansLosange(double dx, double dy, int s)
{
    return std::abs(dx) + std::abs(dy) < s - 0.5;
}

INSTANTIATE_TEST_SUITE_P(Marques, FormesRemplies,
                         testing::Values(CasRempli{"triangle1", Triangle1, 3, DansTriangleBas},
                                         CasRempli{"triangle1", Triangle1, 11, DansTriangleBas},
                                         CasRempli{"triangle2", Triangle2, 3, DansTriangleHaut},
                                         CasRempli{"triangle2", Triangle2, 11, DansTriangleHaut},
                                         CasRempli{"losange", Losange, 3, DansLosange},
                                         CasRempli{"losange", Losange, 11, DansLosange}));

TEST(MarquesCercle, theCircleIsARingOfRadiusSAroundAnEmptyCentre)
{
    for (int s : {3, 11}) {
        const QImage marque = ImageMarque(s, Rouge, Cercle);
        EXPECT_EQ(qAlpha(marque.pixel(13, 13)), 0);
        for (auto [x, y] : {std::pair{13 + s, 13}, {13 - s, 13}, {13, 13 + s}, {13, 13 - s}})
            EXPECT_EQ(marque.pixel(x, y), Rouge) << "s = " << s;
    }
}

TEST(MarquesTaille, nothingIsDrawnFromHalfSize13)
{
    for (int forme = 0; forme < NbFormesMarque; ++forme) {
        const QImage marque = ImageMarque(13, Rouge, forme);
        ASSERT_EQ(marque.size(), QSize(25, 25));
        bool vide = true;
        for (int y = 0; y < 25; ++y)
            for (int x = 0; x < 25; ++x)
                vide = vide && qAlpha(marque.pixel(x, y)) == 0;
        EXPECT_TRUE(vide) << "forme " << forme;
    }
}

TEST(MarquesTaille, penWidthsUpTo3GiveHalfSize3And11Gives11)
{
    for (int e : {0, 1, 2, 3})
        EXPECT_EQ(DemiTailleMarque(e), 3);
    EXPECT_EQ(DemiTailleMarque(11), 11);
}

// A document of 60 × 40 on white.
ImageDocument Document(int w = 60, int h = 40)
{
    ImageDocument doc;
    doc.image = QImage(w, h, QImage::Format_ARGB32);
    doc.image.fill(0xFFFFFFFF);
    return doc;
}

TEST(MarquesDocument, aPressPutsTheMarkCentredOnThePixelClicked)
{
    ImageDocument doc = Document();
    TCompteurs compteurs;
    compteurs.FormesMarque[0] = Plus;
    const QRect zone = AjouterMarque(doc, compteurs, 0, QPoint(30, 20));
    EXPECT_EQ(zone, QRect(17, 7, 25, 25));
    EXPECT_EQ(EffectifCategorie(doc, 1), 1);
    const QImage copie = CopierAvecLesPoints(doc);
    EXPECT_EQ(copie.pixel(30, 20), Rouge);
    EXPECT_EQ(copie.pixel(33, 20), Rouge);
    EXPECT_EQ(copie.pixel(34, 20), 0xFFFFFFFFu);
    EXPECT_EQ(copie.pixel(31, 21), 0xFFFFFFFFu);
}

TEST(MarquesDocument, aPressOffThePictureCountsNothing)
{
    // A press beside the picture (the view's margin) is on no object: no
    // mark, hidden off the picture, may swell the count.
    ImageDocument doc = Document();
    TCompteurs compteurs;
    const QSize taille = doc.image.size();
    for (const QPoint p : {QPoint(-1, 5), QPoint(5, -1), QPoint(taille.width(), 5), QPoint(5, taille.height()),
                           QPoint(-200, -200)})
        EXPECT_TRUE(AjouterMarque(doc, compteurs, 0, p).isEmpty()) << p.x() << "," << p.y();
    EXPECT_EQ(EffectifCategorie(doc, 1), 0);
    EXPECT_FALSE(AjouterMarque(doc, compteurs, 0, QPoint(taille.width() - 1, taille.height() - 1)).isEmpty());
    EXPECT_EQ(EffectifCategorie(doc, 1), 1);
    // A drag from a press beside the picture leaves the mark placed before.
    const QPointF place = doc.marquesComptage[0][0].position;
    AjouterMarque(doc, compteurs, 0, QPoint(-5, 5));
    EXPECT_TRUE(DeplacerDerniereMarque(doc, 1, QPoint(10, 10)).isEmpty());
    EXPECT_EQ(doc.marquesComptage[0][0].position, place);
}

TEST(MarquesDocument, theLastMarkFollowsThePointerWhileDragged)
{
    ImageDocument doc = Document();
    TCompteurs compteurs;
    AjouterMarque(doc, compteurs, 0, QPoint(10, 10));
    const QRect zone = DeplacerDerniereMarque(doc, 1, QPoint(40, 30));
    EXPECT_EQ(doc.marquesComptage[0][0].position, QPointF(27, 17));
    EXPECT_TRUE(zone.contains(QRect(0, 0, 23, 23)) && zone.contains(QRect(27, 17, 25, 23)));
}

TEST(MarquesDocument, restylingChangesOnlyTheCurrentCategorysMarks)
{
    ImageDocument doc = Document();
    TCompteurs compteurs;
    AjouterMarque(doc, compteurs, 0, QPoint(10, 10));
    compteurs.CompteurCourant = 2;
    AjouterMarque(doc, compteurs, 0, QPoint(30, 10));
    const QImage avant1 = doc.marquesComptage[0][0].image;
    compteurs.FormesMarque[1] = Croix;
    compteurs.CouleursMarque[1] = 0xFF0000FF;
    RestylerMarques(doc, compteurs, 0);
    EXPECT_EQ(doc.marquesComptage[0][0].image, avant1);
    EXPECT_EQ(doc.marquesComptage[1][0].image, ImageMarque(3, 0xFF0000FF, Croix));
}

TEST(MarquesDocument, marksOfOneLookShareOnePicture)
{
    ImageDocument doc = Document(100, 40);
    TCompteurs compteurs;
    for (int i = 0; i < 3; ++i)
        AjouterMarque(doc, compteurs, 0, QPoint(10 + 20 * i, 10));
    compteurs.FormesMarque[0] = Croix;
    AjouterMarque(doc, compteurs, 0, QPoint(80, 10));
    const auto &marques = doc.marquesComptage[0];
    ASSERT_EQ(marques.size(), 4u);
    EXPECT_EQ(marques[0].image.cacheKey(), marques[2].image.cacheKey());
    EXPECT_NE(marques[0].image.cacheKey(), marques[3].image.cacheKey());
    EXPECT_EQ(marques[3].image, ImageMarque(3, compteurs.Couleur(1), Croix));
}

TEST(MarquesDocument, aPenWidthChangeRedrawsEveryCategoryAtTheNewSize)
{
    ImageDocument doc = Document();
    TCompteurs compteurs;
    AjouterMarque(doc, compteurs, 0, QPoint(10, 10));
    compteurs.CompteurCourant = 3;
    AjouterMarque(doc, compteurs, 0, QPoint(30, 10));
    RedessinerMarques(doc, compteurs, 11);
    EXPECT_EQ(doc.marquesComptage[0][0].image, ImageMarque(11, compteurs.Couleur(1), Rond));
    EXPECT_EQ(doc.marquesComptage[2][0].image, ImageMarque(11, compteurs.Couleur(3), Rond));
}

TEST(MarquesDocument, resettingAnEmptyCategoryLeavesItAtZero)
{
    ImageDocument doc = Document();
    RAZCompteur(doc, 4);
    EXPECT_EQ(EffectifCategorie(doc, 4), 0);
    EXPECT_EQ(doc.derniereMarque[3], -1);
}

TEST(MarquesDocument, resettingACategoryRemovesItsMarksOnly)
{
    ImageDocument doc = Document();
    TCompteurs compteurs;
    AjouterMarque(doc, compteurs, 0, QPoint(10, 10));
    AjouterMarque(doc, compteurs, 0, QPoint(20, 10));
    compteurs.CompteurCourant = 2;
    AjouterMarque(doc, compteurs, 0, QPoint(30, 10));
    RAZCompteur(doc, 1);
    EXPECT_EQ(EffectifCategorie(doc, 1), 0);
    EXPECT_EQ(EffectifCategorie(doc, 2), 1);
    EXPECT_EQ(DeplacerDerniereMarque(doc, 1, QPoint(5, 5)), QRect());
}

TEST(MarquesDocument, deletingTheMarkUnderThePointerKeepsTheLastMarkDesignated)
{
    ImageDocument doc = Document();
    TCompteurs compteurs;
    AjouterMarque(doc, compteurs, 0, QPoint(10, 10));
    AjouterMarque(doc, compteurs, 0, QPoint(45, 25));
    const auto trouvee = MarqueSous(doc, QPoint(0, 0));
    ASSERT_TRUE(trouvee.has_value());
    EXPECT_EQ(trouvee->indice, 0);
    EXPECT_FALSE(MarqueSous(doc, QPoint(23, 23)).has_value());
    SupprimerMarque(doc, *trouvee);
    EXPECT_EQ(EffectifCategorie(doc, 1), 1);
    EXPECT_EQ(doc.derniereMarque[0], 0);
    DeplacerDerniereMarque(doc, 1, QPoint(50, 30));
    EXPECT_EQ(doc.marquesComptage[0][0].position, QPointF(37, 17));
}

TEST(MarquesDocument, hiddenMarksAreNotFoundUnderThePointer)
{
    ImageDocument doc = Document();
    TCompteurs compteurs;
    AjouterMarque(doc, compteurs, 0, QPoint(10, 10));
    FermerComptage(doc);
    EXPECT_FALSE(doc.comptageActif);
    EXPECT_FALSE(MarqueSous(doc, QPoint(10, 10)).has_value());
    OuvrirComptage(doc);
    EXPECT_TRUE(MarqueSous(doc, QPoint(10, 10)).has_value());
}

TEST(MarquesDocument, theCopyHoldsHiddenMarksAndCategoriesBeyondTheShownOnes)
{
    ImageDocument doc = Document();
    TCompteurs compteurs;
    compteurs.CompteurCourant = 9;
    AjouterMarque(doc, compteurs, 0, QPoint(30, 20));
    MasquerMarques(doc);
    const QImage copie = CopierAvecLesPoints(doc);
    EXPECT_EQ(copie.pixel(30, 20), compteurs.Couleur(9));
    EXPECT_FALSE(doc.marquesComptage[8][0].visible);
}

TEST(MarquesDocument, aWideMarkAtTheImagesCornerIsClipped)
{
    ImageDocument doc = Document(5, 5);
    TCompteurs compteurs;
    compteurs.FormesMarque[0] = Carre;
    EXPECT_EQ(AjouterMarque(doc, compteurs, 11, QPoint(0, 0)), QRect(0, 0, 5, 5));
    const QImage copie = CopierAvecLesPoints(doc);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 5; ++x)
            EXPECT_EQ(copie.pixel(x, y), Rouge);
}

// Many overlapping marks of opaque colours: each pixel of the copy is the
// last mark painted there (categories in order, oldest first), else the
// image. The reference paints every mark over the whole picture.
TEST(MarquesDocument, manyOverlappingMarksAreCopiedAsIfPaintedOneAfterTheOther)
{
    ImageDocument doc = Document(200, 150);
    for (int y = 0; y < 150; ++y)
        for (int x = 0; x < 200; ++x)
            doc.image.setPixel(x, y, qRgb(x, y, (x * y) & 255));
    TCompteurs compteurs;
    std::mt19937 alea(11);
    for (int i = 0; i < 300; ++i) {
        compteurs.CompteurCourant = 1 + static_cast<int>(alea() % 10);
        compteurs.FormesMarque[static_cast<std::size_t>(compteurs.CompteurCourant - 1)] = static_cast<int>(alea() % 10);
        AjouterMarque(doc, compteurs, static_cast<int>(alea() % 12),
                      QPoint(static_cast<int>(alea() % 200), static_cast<int>(alea() % 150)));
    }
    QImage attendu = doc.image.copy();
    for (const auto &categorie : doc.marquesComptage)
        for (const auto &marque : categorie) {
            const QPoint coin = marque.position.toPoint();
            for (int j = 0; j < 25; ++j)
                for (int i = 0; i < 25; ++i) {
                    const QPoint p = coin + QPoint(i, j);
                    const QRgb c = marque.image.pixel(i, j);
                    if (qAlpha(c) == 255 && attendu.rect().contains(p))
                        attendu.setPixel(p, c);
                }
        }
    EXPECT_EQ(CopierAvecLesPoints(doc), attendu);
}

TEST(MarquesDocument, theCopyWithoutMarksIsTheFlattenedImage)
{
    ImageDocument doc = Document();
    doc.image.setPixel(3, 4, 0xFF123456);
    EXPECT_EQ(CopierAvecLesPoints(doc), doc.Aplatir());
}

TEST(MarquesDocument, theCopyIsNumberedAfterTheOpenWindows)
{
    EXPECT_EQ(TitreComptage(0), QStringLiteral("Comptage 1"));
    EXPECT_EQ(TitreComptage(2), QStringLiteral("Comptage 3"));
}

TEST(FichierPoints, blanksTabsAndSemicolonsSeparateAndCommentsAreSkipped)
{
    const QByteArray texte = "# categorie x y\r\n1 10 20\n\n2\t0;39\n  10 ; 59 ;0\r";
    const auto points = LirePointsComptage(texte, QSize(60, 40));
    ASSERT_EQ(points.size(), 3u);
    EXPECT_EQ(points[0].categorie, 1);
    EXPECT_EQ(points[0].pixel, QPoint(10, 20));
    EXPECT_EQ(points[1].categorie, 2);
    EXPECT_EQ(points[1].pixel, QPoint(0, 39));
    EXPECT_EQ(points[2].categorie, 10);
    EXPECT_EQ(points[2].pixel, QPoint(59, 0));
}

struct CasMauvais {
    const char *nom;
    QByteArray texte;
    const char *ligne; // the line number the message names
};
void PrintTo(const CasMauvais &c, std::ostream *os)
{
    *os << c.nom;
}

class FichierPointsMauvais : public testing::TestWithParam<CasMauvais> {};

TEST_P(FichierPointsMauvais, isRefusedWithAMessageNamingTheLine)
{
    const CasMauvais &c = GetParam();
    try {
        (void)LirePointsComptage(c.texte, QSize(60, 40));
        FAIL() << "accepted";
    } catch (const ErreurDecodage &e) {
        EXPECT_TRUE(e.message().contains(QStringLiteral("ligne ") + QLatin1String(c.ligne))) << e.message().toStdString();
    }
}

QByteArray MillionDeLignes()
{
    QByteArray texte;
    texte.reserve(8 * 1000000);
    for (int i = 0; i < 1000000; ++i)
        texte += "1 1 1\n";
    return texte;
}

INSTANTIATE_TEST_SUITE_P(
    Points, FichierPointsMauvais,
    testing::Values(CasMauvais{"categorie0", "1 1 1\n0 5 5\n", "2"}, CasMauvais{"categorie11", "11 5 5\n", "1"},
                    CasMauvais{"horsImage", "1 5 5\n# x\n1 60 5\n", "3"}, CasMauvais{"negatif", "1 -1 5\n", "1"},
                    CasMauvais{"pasUnNombre", "1 5 cinq\n", "1"}, CasMauvais{"decimal", "1 5,5 5\n", "1"},
                    CasMauvais{"deuxChamps", "\n\n1 5\n", "3"}, CasMauvais{"binaire", QByteArray("1 5 5\n\x01\xff\x00\x80", 10), "2"},
                    CasMauvais{"tropGrand", "1 99999999999999999999 5\n", "1"},
                    CasMauvais{"millionDeLignes", MillionDeLignes(), "100001"}),
    [](const testing::TestParamInfo<CasMauvais> &i) { return std::string(i.param.nom); });

} // namespace
