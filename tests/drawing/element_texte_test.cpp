// The text element: lines taken from the edit field, the element made when a
// placement is confirmed, and the picture it gives when the drawing layer is
// rebuilt, which must be the picture the user placed.

#include "drawing/composer_texte.h"
#include "drawing/element_texte.h"
#include "drawing/etiquette_balisee.h"
#include "drawing/rendu_dessin.h"

#include <QFontMetrics>
#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CasLignes {
    const char *nom;
    const char *texte;
    QStringList attendu;
};

void PrintTo(const CasLignes &c, std::ostream *os) { *os << c.nom; }

const CasLignes kCasLignes[] = {
    {"empty field has no lines", "", {}},
    {"one line", "H<sub>2</sub>O", {QStringLiteral("H<sub>2</sub>O")}},
    {"final line end starts no line", "a\n", {QStringLiteral("a")}},
    {"a blank line before the end is kept", "a\n\n", {QStringLiteral("a"), QString()}},
    {"CR LF and CR end lines too", "a\r\nb\rc", {QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")}},
    {"a single line end is one empty line", "\n", {QString()}},
};

class Lignes : public ::testing::TestWithParam<CasLignes> {};

TEST_P(Lignes, of_the_edit_field)
{
    EXPECT_EQ(LignesDuTexte(QString::fromUtf8(GetParam().texte)), GetParam().attendu);
}

INSTANTIATE_TEST_SUITE_P(ElementTexte, Lignes, ::testing::ValuesIn(kCasLignes));

TexteAPlacer Formule()
{
    TexteAPlacer t;
    t.police = QFont(QStringLiteral("DejaVu Sans"));
    t.police.setPointSizeF(13.6); // an element keeps 14 points
    t.police.setItalic(true);
    t.couleur = 0xFF2040A0;
    t.alignement = 1;
    t.lignes = {QStringLiteral("H<sub>2</sub>O"), QStringLiteral("m<sup>2</sup>")};
    return t;
}

TEST(ElementTexte, confirmed_text_becomes_a_kind_5_element_with_the_fields_used)
{
    const auto d = ElementDeTexte(Formule(), QPoint(12, 34), false, 0xFFFFFF00, 200);
    EXPECT_EQ(d->Genre, GenreTexte);
    EXPECT_EQ(d->Couleur, 0xFF2040A0u);
    EXPECT_EQ(d->Opacite, 200);
    EXPECT_EQ(d->XAncre, 12);
    EXPECT_EQ(d->YAncre, 34);
    EXPECT_FALSE(d->Transparent);
    EXPECT_EQ(d->NomPolice, QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(d->TaillePolice, 14);
    EXPECT_EQ(d->StylePolice, 2);
    EXPECT_EQ(d->Alignement, 1);
    EXPECT_EQ(d->CouleurFond, 0xFFFFFF00u);
    EXPECT_EQ(d->Lignes, Formule().lignes);
    EXPECT_EQ(d->Epaisseur, 0);
}

TEST(ElementTexte, anchor_outside_the_16_bit_range_is_kept_within_it)
{
    const auto d = ElementDeTexte(Formule(), QPoint(-40000, 40000), true, 0xFFFFFFFF, 255);
    EXPECT_EQ(d->XAncre, -32768);
    EXPECT_EQ(d->YAncre, 32767);
}

TEST(ElementTexte, rebuilt_picture_is_the_picture_placed)
{
    const TexteAPlacer t = Formule();
    const QRgb fond = 0xFFE0F0D0;
    const QImage flottante = ImageFlottanteTexte(t, fond);
    const QImage reconstruite = ImageTexteElement(*ElementDeTexte(t, QPoint(0, 0), true, fond, 255));
    ASSERT_FALSE(flottante.isNull());
    ASSERT_EQ(flottante.size(), reconstruite.size());
    int encre = 0;
    for (int y = 0; y < flottante.height(); ++y) {
        const auto *f = reinterpret_cast<const QRgb *>(flottante.constScanLine(y));
        const auto *r = reinterpret_cast<const QRgb *>(reconstruite.constScanLine(y));
        for (int x = 0; x < flottante.width(); ++x) {
            if (qAlpha(f[x]) == 0) {
                ASSERT_EQ(r[x], fond) << x << "," << y;
            } else {
                ASSERT_EQ(f[x], r[x]) << x << "," << y;
                ++encre;
            }
        }
    }
    EXPECT_GT(encre, 20);
}

TEST(ElementTexte, floating_picture_keeps_the_background_colour_under_alpha_0)
{
    TexteAPlacer t = Formule();
    t.lignes = {QStringLiteral(" ")};
    const QImage flottante = ImageFlottanteTexte(t, 0xFF102030);
    for (int y = 0; y < flottante.height(); ++y)
        for (int x = 0; x < flottante.width(); ++x)
            ASSERT_EQ(flottante.pixel(x, y), 0x00102030u);
}

TEST(ElementTexte, a_text_too_long_for_the_document_file_is_detected)
{
    EXPECT_TRUE(TexteEnregistrable({QString(65533, QLatin1Char('a')), QString()}));
    EXPECT_FALSE(TexteEnregistrable({QString(65533, QLatin1Char('a')), QStringLiteral("b")}));
}

// Rebuilding the drawing layer: with "Oui" the background of the text is
// transparent on the layer, with "Non" it is drawn in the background colour.
class CleDeFond : public ::testing::TestWithParam<bool> {};

TEST_P(CleDeFond, text_element_background_follows_its_transparency)
{
    const bool transparent = GetParam();
    const QRgb fond = 0xFF00FF00;
    TexteAPlacer t = Formule();
    t.couleur = 0xFF000000;
    const auto d = ElementDeTexte(t, QPoint(5, 6), transparent, fond, 255);
    const QImage image = ImageTexteElement(*d);
    QImage couche(image.width() + 20, image.height() + 20, QImage::Format_ARGB32);
    couche.fill(0u);
    ASSERT_TRUE(Dessiner(*d, QImage(), couche));
    int fondVu = 0;
    int encreVue = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QRgb source = image.pixel(x, y);
            const QRgb pose = couche.pixel(x + 5, y + 6);
            if (source == fond) {
                ++fondVu;
                ASSERT_EQ(pose, transparent ? 0x00FFFFFFu : fond);
            } else {
                ++encreVue;
                ASSERT_EQ(pose, source);
            }
        }
    }
    EXPECT_GT(fondVu, 0);
    EXPECT_GT(encreVue, 0);
    EXPECT_EQ(couche.pixel(2, 2), 0u) << "nothing is drawn outside the picture";
}

INSTANTIATE_TEST_SUITE_P(ElementTexte, CleDeFond, ::testing::Values(true, false),
                         [](const ::testing::TestParamInfo<bool> &i) { return i.param ? "Oui" : "Non"; });

// One-line labels of results.
QFont DejaVu12()
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(12);
    return f;
}

QFont DejaVuPx(int pixels)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    return f;
}

TEST(EtiquetteBalisee, a_superscript_makes_the_label_taller_and_moves_the_line_down)
{
    const QFontMetrics plein(DejaVuPx(16));
    const QFontMetrics reduit(DejaVuPx(13));
    const MesureEtiquette m = MesurerEtiquette(DejaVu12(), 96.0, QStringLiteral("m<sup>2</sup>"));
    EXPECT_EQ(m.largeurTexte, plein.horizontalAdvance(QStringLiteral("m")) + reduit.horizontalAdvance(QStringLiteral("2")));
    EXPECT_EQ(m.hauteur, std::max(plein.height() + 2, reduit.height() + 3));
    EXPECT_EQ(m.descenteLigne, 3);
}

TEST(EtiquetteBalisee, a_subscript_needs_its_height_plus_its_drop_without_moving_the_line)
{
    const QFontMetrics plein(DejaVuPx(16));
    const QFontMetrics reduit(DejaVuPx(13));
    const MesureEtiquette m = MesurerEtiquette(DejaVu12(), 96.0, QStringLiteral("H<sub>2</sub>O"));
    EXPECT_EQ(m.hauteur, std::max(plein.height() + 2, reduit.height() + 5));
    EXPECT_EQ(m.descenteLigne, 0);
}

TEST(EtiquetteBalisee, plain_caption_is_one_line_high)
{
    const MesureEtiquette m = MesurerEtiquette(DejaVu12(), 96.0, QStringLiteral("12,5 mm"));
    EXPECT_EQ(m.hauteur, QFontMetrics(DejaVuPx(16)).height() + 2);
    EXPECT_EQ(m.descenteLigne, 0);
    EXPECT_EQ(MesurerEtiquette(DejaVu12(), 96.0, QString()).largeurTexte, 0);
}

} // namespace
