// Decoding turns the colour under the pointer into the value a map stands
// for. The expected values below are worked by hand from the scales: the
// rainbow runs through five key colours 255 positions apart, the two-colour
// scale reads the component with the widest span.

#include "calibration/decodage_couleur.h"
#include "support/codes_essai.h"
#include "support/separateur.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using code_essai::ArcEnCiel;

using code_essai::DeuxCouleurs;

constexpr CouleurWin kNoir = CouleurRvb(0, 0, 0);
constexpr CouleurWin kBlanc = CouleurRvb(255, 255, 255);

struct CasDecodage {
    const char *nom;
    TCodeCouleur code;
    int r, g, b;
    bool decodable;
    const char *texte;
};

void PrintTo(const CasDecodage &c, std::ostream *os)
{
    *os << c.nom << " (" << c.r << ", " << c.g << ", " << c.b << ")";
}

const CasDecodage kCas[] = {
    // Blue-Green-Red: blue, cyan, green, yellow, red at 0, 255, 510, 765, 1020.
    {"bvr_bleu", ArcEnCiel(0, 0, 1020), 0, 0, 255, true, "0"},
    {"bvr_cyan", ArcEnCiel(0, 0, 1020), 0, 255, 255, true, "255"},
    {"bvr_vert", ArcEnCiel(0, 0, 1020), 0, 255, 0, true, "510"},
    {"bvr_jaune", ArcEnCiel(0, 0, 1020), 255, 255, 0, true, "765"},
    {"bvr_rouge", ArcEnCiel(0, 0, 1020), 255, 0, 0, true, "1020"},
    {"bvr_vert_bleute", ArcEnCiel(0, 0, 1020), 0, 255, 128, true, "382"},
    {"bvr_bleu_verdi", ArcEnCiel(0, 0, 1020), 0, 128, 255, true, "128"},
    {"bvr_orange", ArcEnCiel(0, 0, 1020), 255, 128, 0, true, "892"},
    {"bvr_sans_composante_nulle", ArcEnCiel(0, 0, 1020), 10, 255, 20, false, ""},
    {"bvr_blanc", ArcEnCiel(0, 0, 1020), 255, 255, 255, false, ""},
    // Green-Red-Blue: green, yellow, red, magenta, blue.
    {"vrb_vert", ArcEnCiel(1, 0, 1020), 0, 255, 0, true, "0"},
    {"vrb_jaune", ArcEnCiel(1, 0, 1020), 255, 255, 0, true, "255"},
    {"vrb_rouge", ArcEnCiel(1, 0, 1020), 255, 0, 0, true, "510"},
    {"vrb_magenta", ArcEnCiel(1, 0, 1020), 255, 0, 255, true, "765"},
    {"vrb_bleu", ArcEnCiel(1, 0, 1020), 0, 0, 255, true, "1020"},
    // Red-Blue-Green: red, magenta, blue, cyan, green.
    {"rbv_rouge", ArcEnCiel(2, 0, 1020), 255, 0, 0, true, "0"},
    {"rbv_magenta", ArcEnCiel(2, 0, 1020), 255, 0, 255, true, "255"},
    {"rbv_bleu", ArcEnCiel(2, 0, 1020), 0, 0, 255, true, "510"},
    {"rbv_cyan", ArcEnCiel(2, 0, 1020), 0, 255, 255, true, "765"},
    {"rbv_vert", ArcEnCiel(2, 0, 1020), 0, 255, 0, true, "1020"},
    // Red-Green-Blue over a temperature range: red, yellow, green, cyan, blue.
    {"rvb_rouge", ArcEnCiel(5, -10, 30), 255, 0, 0, true, "-10"},
    {"rvb_jaune", ArcEnCiel(5, -10, 30), 255, 255, 0, true, "0"},
    {"rvb_vert", ArcEnCiel(5, -10, 30), 0, 255, 0, true, "10"},
    {"rvb_cyan", ArcEnCiel(5, -10, 30), 0, 255, 255, true, "20"},
    {"rvb_bleu", ArcEnCiel(5, -10, 30), 0, 0, 255, true, "30"},
    // Logarithmic 1..1000: the middle of the scale is the square root of 1000.
    {"log_bleu", ArcEnCiel(0, 1, 1000, true), 0, 0, 255, true, "1"},
    {"log_vert", ArcEnCiel(0, 1, 1000, true), 0, 255, 0, true, "31.62"},
    {"log_rouge", ArcEnCiel(0, 1, 1000, true), 255, 0, 0, true, "1000"},
    {"log_cyan", ArcEnCiel(0, 1, 1000, true), 0, 255, 255, true, "5.623"},
    {"log_borne_nulle", ArcEnCiel(0, 0, 1000, true), 0, 255, 0, false, ""},
    // Two colours black to white over 0..100: grey 128 is 128/255 of the way.
    {"noir_blanc_gris", DeuxCouleurs(kNoir, kBlanc, 0, 100), 128, 128, 128, true, "50.2"},
    {"noir_blanc_bornes_incluses", DeuxCouleurs(kNoir, kBlanc, 0, 100), 255, 255, 255, true, "100"},
    {"blanc_noir_inverse", DeuxCouleurs(kBlanc, kNoir, 0, 100), 128, 128, 128, true, "49.8"},
    // Black to red: only red spans, so green 5 falls outside the scale.
    {"noir_rouge_dans", DeuxCouleurs(kNoir, CouleurRvb(255, 0, 0), 0, 10), 51, 0, 0, true, "2"},
    {"noir_rouge_hors", DeuxCouleurs(kNoir, CouleurRvb(255, 0, 0), 0, 10), 100, 5, 0, false, ""},
    // Dark blue to yellow: green (0..200) spans widest, red (0..180) and blue (100..0) follow.
    {"bleu_jaune", DeuxCouleurs(CouleurRvb(0, 0, 100), CouleurRvb(180, 200, 0), 0, 1), 90, 100, 50, true,
     "0.5"},
    {"deux_couleurs_egales", DeuxCouleurs(CouleurRvb(9, 9, 9), CouleurRvb(9, 9, 9), 0, 1), 9, 9, 9, false, ""},
    {"deux_couleurs_log", DeuxCouleurs(kNoir, kBlanc, 1, 100, true), 255, 255, 255, true, "100"},
    {"deux_couleurs_log_negatif", DeuxCouleurs(kNoir, kBlanc, -1, 100, true), 0, 0, 0, false, ""},
    {"trois_canaux_pas_ici", CodeParDefaut(), 10, 20, 30, false, ""},
};

class DecoderCouleurCas : public ::testing::TestWithParam<CasDecodage> {};

TEST_P(DecoderCouleurCas, reads_the_value_the_colour_stands_for)
{
    const CasDecodage &c = GetParam();
    const ResultatDecodage r = DecoderCouleur(c.code, c.r, c.g, c.b);
    EXPECT_EQ(r.decodable, c.decodable);
    if (c.decodable) {
        EXPECT_EQ(r.texte, QString::fromLatin1(c.texte));
    }
}

INSTANTIATE_TEST_SUITE_P(Echelles, DecoderCouleurCas, ::testing::ValuesIn(kCas),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST(DecoderCouleur, writes_values_with_the_local_separator)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    EXPECT_EQ(DecoderCouleur(ArcEnCiel(0, 1, 1000, true), 0, 255, 0).texte, QStringLiteral("31,62"));
}

TEST(DecoderCouleur, every_rainbow_position_of_every_order_reads_back_its_position)
{
    for (int ordre = 0; ordre < NombreOrdresArcEnCiel; ++ordre) {
        const TCodeCouleur code = ArcEnCiel(ordre, 0, 1020);
        for (int p = 0; p <= PositionMaxArcEnCiel; ++p) {
            const CouleurWin c = CouleurArcEnCiel(ordre, p);
            double v = -1;
            ASSERT_TRUE(DecoderValeur(code, RougeWin(c), VertWin(c), BleuWin(c), &v)) << ordre << " " << p;
            ASSERT_EQ(v, p) << "order " << ordre;
        }
    }
}

TCodeCouleur Tableau()
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageTableau;
    c.NbCouleurs = 4;
    c.Libelle[0] = QStringLiteral("Forêt");
    c.CouleurTable[0] = CouleurRvb(0, 128, 0);
    c.Libelle[1] = QStringLiteral("Eau");
    c.CouleurTable[1] = CouleurRvb(0, 0, 255);
    c.Libelle[2] = QStringLiteral("Lac");
    c.CouleurTable[2] = CouleurRvb(0, 0, 255);
    c.Libelle[3] = QStringLiteral("10-20");
    c.CouleurTable[3] = CouleurRvb(255, 255, 0);
    // Beyond the count: never matched.
    c.Libelle[4] = QStringLiteral("Ville");
    c.CouleurTable[4] = CouleurRvb(128, 128, 128);
    return c;
}

TEST(DecoderCouleurTableau, gives_the_label_of_the_equal_colour)
{
    const ResultatDecodage r = DecoderCouleur(Tableau(), 0, 128, 0);
    EXPECT_TRUE(r.decodable);
    EXPECT_EQ(r.texte, QStringLiteral("Forêt"));
    EXPECT_EQ(DecoderCouleur(Tableau(), 255, 255, 0).texte, QStringLiteral("10-20"));
}

TEST(DecoderCouleurTableau, the_last_matching_entry_wins)
{
    EXPECT_EQ(DecoderCouleur(Tableau(), 0, 0, 255).texte, QStringLiteral("Lac"));
}

TEST(DecoderCouleurTableau, a_colour_off_the_table_is_not_decodable)
{
    EXPECT_FALSE(DecoderCouleur(Tableau(), 0, 128, 1).decodable);
    EXPECT_FALSE(DecoderCouleur(Tableau(), 128, 128, 128).decodable);
}

// ---- Value to colour ----------------------------------------------------

struct CasCouleur {
    const char *nom;
    TCodeCouleur code;
    double valeur;
    CouleurWin attendue;
};

void PrintTo(const CasCouleur &c, std::ostream *os)
{
    *os << c.nom << " v=" << c.valeur;
}

const CasCouleur kCasCouleurs[] = {
    {"bvr_debut", ArcEnCiel(0, 0, 1020), 0, CouleurRvb(0, 0, 255)},
    {"bvr_quart", ArcEnCiel(0, 0, 1020), 255, CouleurRvb(0, 255, 255)},
    {"bvr_milieu", ArcEnCiel(0, 0, 1020), 510, CouleurRvb(0, 255, 0)},
    {"bvr_fin", ArcEnCiel(0, 0, 1020), 1020, CouleurRvb(255, 0, 0)},
    {"bvr_sous_le_minimum", ArcEnCiel(0, 0, 1020), -400, CouleurRvb(0, 0, 255)},
    {"bvr_au_dessus_du_maximum", ArcEnCiel(0, 0, 1020), 5000, CouleurRvb(255, 0, 0)},
    {"bvr_entre", ArcEnCiel(0, 0, 1020), 382, CouleurRvb(0, 255, 128)},
    {"vrb_trois_quarts", ArcEnCiel(1, 0, 1), 0.75, CouleurRvb(255, 0, 255)},
    {"log_milieu", ArcEnCiel(0, 1, 10000, true), 100, CouleurRvb(0, 255, 0)},
    {"log_valeur_nulle", ArcEnCiel(0, 1, 10000, true), 0, CouleurRvb(0, 0, 255)},
    {"bornes_egales", ArcEnCiel(0, 5, 5), 5, CouleurRvb(0, 0, 255)},
    {"noir_blanc_milieu", DeuxCouleurs(kNoir, kBlanc, 0, 100), 50, CouleurRvb(128, 128, 128)},
    {"noir_blanc_fin", DeuxCouleurs(kNoir, kBlanc, 0, 100), 100, kBlanc},
    {"jaune_bleu_quart", DeuxCouleurs(CouleurRvb(255, 255, 0), CouleurRvb(0, 0, 255), 0, 4), 1,
     CouleurRvb(191, 191, 64)},
    {"tableau_sans_couleur", Tableau(), 1, 0},
};

class CouleurDeValeurCas : public ::testing::TestWithParam<CasCouleur> {};

TEST_P(CouleurDeValeurCas, gives_the_colour_of_the_scale)
{
    EXPECT_EQ(CouleurDeValeur(GetParam().code, GetParam().valeur), GetParam().attendue);
}

INSTANTIATE_TEST_SUITE_P(Echelles, CouleurDeValeurCas, ::testing::ValuesIn(kCasCouleurs),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST(OrdresArcEnCiel, have_their_captions_and_key_colours)
{
    EXPECT_EQ(LibelleOrdre(0), QStringLiteral("&Bleu-Vert-Rouge"));
    EXPECT_EQ(LibelleOrdre(2), QStringLiteral("R&ouge-Bleu-Vert"));
    EXPECT_EQ(LibelleOrdre(5), QStringLiteral("&Rouge-Vert-Bleu"));
    const CouleursOrdre k = CouleursDeOrdre(4); // Vert-Bleu-Rouge
    EXPECT_EQ(k.debut, CouleurRvb(0, 255, 0));
    EXPECT_EQ(k.milieu, CouleurRvb(0, 0, 255));
    EXPECT_EQ(k.fin, CouleurRvb(255, 0, 0));
}

} // namespace
