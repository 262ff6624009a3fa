// The definition window's OK cannot fail: every pair of bounds is put in
// order or replaced by the kind's default range, and what it builds must
// survive the text form.

#include "calibration/code_couleur.h"
#include "calibration/saisie_code_couleur.h"
#include "support/separateur.h"
#include "support/codes_essai.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CasBornes {
    const char *nom;
    int type;
    const char *mini;
    const char *maxi;
    bool log;
    double attenduMin;
    double attenduMax;
};

void PrintTo(const CasBornes &c, std::ostream *os)
{
    *os << c.nom;
}

const CasBornes kCasBornes[] = {
    {"canal_ordonne", 0, "-20", "40", false, -20, 40},
    {"canal_inverse", 0, "40", "-20", false, 0, 255},
    {"canal_egal", 0, "5", "5", false, 0, 255},
    {"canal_illisible", 0, "abc", "40", false, 0, 255},
    {"arc_ordonne", 1, "-2.5", "30", false, -2.5, 30},
    {"arc_virgule", 1, "0,5", "1,5", false, 0.5, 1.5},
    {"arc_inverse", 1, "30", "10", false, 0, 1020},
    {"arc_vide", 1, "", "", false, 0, 1020},
    {"arc_log_min_nul", 1, "0", "2040", true, 2, 2040},
    {"arc_log_min_negatif", 1, "-4", "1020", true, 1, 1020},
    {"arc_log_valide", 1, "1", "1000", true, 1, 1000},
    {"deux_ordonne", 2, "10", "20", false, 10, 20},
    {"deux_inverse", 2, "20", "10", false, 0, 255},
    {"deux_log_defaut", 2, "x", "y", true, 1, 255},
};

class BornesSaisies : public ::testing::TestWithParam<CasBornes> {};

TEST_P(BornesSaisies, are_kept_in_order_or_replaced_by_the_default_range)
{
    const CasBornes &c = GetParam();
    SaisieCodeCouleur s = SaisieParDefaut();
    s.type = c.type;
    const QString mini = QString::fromLatin1(c.mini), maxi = QString::fromLatin1(c.maxi);
    s.minis[0] = mini;
    s.maxis[0] = maxi;
    s.minArcEnCiel = s.minDeuxCouleurs = mini;
    s.maxArcEnCiel = s.maxDeuxCouleurs = maxi;
    s.logArcEnCiel = s.logDeuxCouleurs = c.log;
    const TCodeCouleur code = CodeDeSaisie(s);
    EXPECT_EQ(code.Definie, 1);
    EXPECT_EQ(code.TypeCodage, c.type);
    if (c.type == 0) {
        EXPECT_EQ(code.MiniC[0], c.attenduMin);
        EXPECT_EQ(code.MaxiC[0], c.attenduMax);
    } else {
        EXPECT_EQ(code.ValeurMin, c.attenduMin);
        EXPECT_EQ(code.ValeurMax, c.attenduMax);
        EXPECT_EQ(code.Logarithmique, c.log);
    }
}

INSTANTIATE_TEST_SUITE_P(Saisies, BornesSaisies, ::testing::ValuesIn(kCasBornes),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST(CodeDeSaisie, default_window_values_give_the_default_code)
{
    EXPECT_EQ(CodeDeSaisie(SaisieParDefaut()), CodeParDefaut());
}

TEST(CodeDeSaisie, rainbow_takes_the_key_colours_of_its_order)
{
    SaisieCodeCouleur s = SaisieParDefaut();
    s.type = CodageArcEnCiel;
    s.ordre = 2; // Rouge-Bleu-Vert
    const TCodeCouleur c = CodeDeSaisie(s);
    EXPECT_EQ(c.CouleurDebut, CouleurRvb(255, 0, 0));
    EXPECT_EQ(c.CouleurMilieu, CouleurRvb(0, 0, 255));
    EXPECT_EQ(c.CouleurFin, CouleurRvb(0, 255, 0));
}

TEST(CodeDeSaisie, table_keeps_its_entries_and_drops_the_field_separator)
{
    SaisieCodeCouleur s = SaisieParDefaut();
    s.type = CodageTableau;
    s.nombre = 4;
    s.grandeurTableau = QStringLiteral("Altitude; en mètres");
    s.libelles[0] = QStringLiteral("<10");
    s.libelles[1] = QStringLiteral("10-20");
    s.libelles[3] = QStringLiteral(">1000");
    s.couleursTableau[3] = CouleurRvb(1, 2, 3);
    const TCodeCouleur c = CodeDeSaisie(s);
    EXPECT_EQ(c.NbCouleurs, 4);
    EXPECT_EQ(c.Grandeur, QStringLiteral("Altitude en mètres"));
    EXPECT_EQ(c.Libelle[0], QStringLiteral("<10"));
    EXPECT_EQ(c.Libelle[3], QStringLiteral(">1000"));
    EXPECT_EQ(c.CouleurTable[3], CouleurRvb(1, 2, 3));
    EXPECT_EQ(TexteEnCode(CodeEnTexte(c)), c);
}

TEST(RemplirSaisie, gives_back_the_code_it_was_filled_from)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageDeuxCouleurs;
    c.CouleurMin = CouleurRvb(0, 0, 100);
    c.CouleurMax = CouleurRvb(255, 255, 0);
    c.ValeurMin = 0.25;
    c.ValeurMax = 12.5;
    c.Grandeur = QStringLiteral("Teneur");
    c.UniteCode = QStringLiteral("g/L");
    SaisieCodeCouleur s = SaisieParDefaut();
    RemplirSaisie(s, c);
    EXPECT_EQ(s.maxDeuxCouleurs, QStringLiteral("12,5"));
    EXPECT_EQ(CodeDeSaisie(s), c);
}

// The grey-level classes give their top class the label "> v": opening
// such a code in the window and pressing OK must not rename it.
TEST(RemplirSaisie, a_class_code_opened_and_validated_keeps_its_labels)
{
    TCodeCouleur c = code_essai::Tableau(4, QStringLiteral("Gris"));
    c.Libelle = {QStringLiteral("< 64"), QStringLiteral("64 - 128"), QStringLiteral("128 - 191"), QStringLiteral("> 191")};
    c.CouleurTable = {1, 2, 3, 4};
    SaisieCodeCouleur s = SaisieParDefaut();
    RemplirSaisie(s, c);
    EXPECT_EQ(CodeDeSaisie(s), c);
}

TEST(DefinirComposantes, switches_the_channels_between_true_and_false_colours_and_keeps_the_rest)
{
    SaisieCodeCouleur s = SaisieParDefaut();
    s.minis = {QStringLiteral("1"), QStringLiteral("2"), QStringLiteral("3")};
    EXPECT_TRUE(ComposantesVraies(s));

    DefinirComposantes(s, false);
    EXPECT_EQ(s.noms, (std::array<QString, 3>{QStringLiteral("Vert"), QStringLiteral("Rouge"),
                                              QStringLiteral("Infra-Rouge")}));
    EXPECT_EQ(s.couleurs, (std::array<CouleurWin, 3>{0x00FF00u, 0x0000FFu, 0u}));
    EXPECT_FALSE(ComposantesVraies(s));

    DefinirComposantes(s, true);
    EXPECT_EQ(s.noms,
              (std::array<QString, 3>{QStringLiteral("Bleu"), QStringLiteral("Vert"), QStringLiteral("Rouge")}));
    EXPECT_EQ(s.couleurs, (std::array<CouleurWin, 3>{0xFF0000u, 0x00FF00u, 0x0000FFu}));
    EXPECT_TRUE(ComposantesVraies(s));
    EXPECT_EQ(s.minis[2], QStringLiteral("3"));
}

TEST(ComposantesVraies, a_renamed_channel_is_no_longer_true_colours)
{
    SaisieCodeCouleur s = SaisieParDefaut();
    s.noms[1] = QStringLiteral("Verte");
    EXPECT_FALSE(ComposantesVraies(s));
}

} // namespace
