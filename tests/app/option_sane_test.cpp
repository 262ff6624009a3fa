// A user's text becomes a device option's value only when the option allows
// it; a refusal names the option and what it allows.

#include "app/assembler_trames.h"
#include "app/option_sane.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

OptionSane Intervalle(OptionSane::Genre genre, double mini, double maxi, int unite = 0)
{
    OptionSane o;
    o.nom = QStringLiteral("resolution");
    o.genre = genre;
    o.unite = unite;
    o.contrainte = OptionSane::Contrainte::Intervalle;
    o.minimum = mini;
    o.maximum = maxi;
    return o;
}

OptionSane Liste(const QStringList &textes)
{
    OptionSane o;
    o.nom = QStringLiteral("mode");
    o.genre = OptionSane::Genre::Texte;
    o.contrainte = OptionSane::Contrainte::ListeTextes;
    o.textes = textes;
    return o;
}

OptionSane Nombres(const QList<double> &nombres)
{
    OptionSane o;
    o.nom = QStringLiteral("depth");
    o.genre = OptionSane::Genre::Entier;
    o.contrainte = OptionSane::Contrainte::ListeNombres;
    o.nombres = nombres;
    return o;
}

OptionSane Booleen()
{
    OptionSane o;
    o.nom = QStringLiteral("three-pass");
    o.genre = OptionSane::Genre::Booleen;
    return o;
}

struct CasValeur {
    const char *nom;
    OptionSane option;
    const char *texte;
    QVariant attendue; // invalid: refused
    const char *extrait = ""; // part of the refusal
};

void PrintTo(const CasValeur &c, std::ostream *os)
{
    *os << c.nom;
}

class ValeursOptions : public ::testing::TestWithParam<CasValeur> {};

TEST_P(ValeursOptions, SuiventCeQueLOptionPermet)
{
    const CasValeur &c = GetParam();
    if (c.attendue.isValid()) {
        EXPECT_EQ(ValeurDeTexte(c.option, QString::fromUtf8(c.texte)), c.attendue);
        return;
    }
    try {
        (void)ValeurDeTexte(c.option, QString::fromUtf8(c.texte));
        FAIL() << "valeur acceptée";
    } catch (const ErreurAcquisition &e) {
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(c.extrait))) << e.message().toStdString();
        EXPECT_TRUE(e.message().contains(c.option.nom)) << e.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Options, ValeursOptions,
    ::testing::Values(
        CasValeur{"entier dans l'intervalle", Intervalle(OptionSane::Genre::Entier, 1, 600, 4), "300", 300.0},
        CasValeur{"entier hors de l'intervalle", Intervalle(OptionSane::Genre::Entier, 1, 600, 4), "1200", {},
                  "de 1 à 600 dpi"},
        CasValeur{"entier avec des décimales", Intervalle(OptionSane::Genre::Entier, 1, 600), "2.5", {}, "de 1 à 600"},
        CasValeur{"réel avec l'autre séparateur", Intervalle(OptionSane::Genre::Fixe, 0, 200, 3), "10,5", 10.5},
        CasValeur{"pas un nombre", Intervalle(OptionSane::Genre::Fixe, 0, 200, 3), "dix", {}, "de 0 à 200 mm"},
        CasValeur{"liste de textes sans égard à la casse", Liste({QStringLiteral("Color"), QStringLiteral("Gray")}),
                  "gray", QStringLiteral("Gray")},
        CasValeur{"texte hors de la liste", Liste({QStringLiteral("Color"), QStringLiteral("Gray")}), "Lineart", {},
                  "Color, Gray"},
        CasValeur{"nombre de la liste", Nombres({1, 8, 16}), "16", 16.0},
        CasValeur{"nombre hors de la liste", Nombres({1, 8, 16}), "12", {}, "1, 8, 16"},
        CasValeur{"booléen oui", Booleen(), "oui", true},
        CasValeur{"booléen false", Booleen(), "false", false},
        CasValeur{"booléen incompris", Booleen(), "peut-être", {}, "oui ou non"}));

TEST(OptionsNommees, UnGroupeNePorteJamaisLeNomCherche)
{
    OptionSane groupe;
    groupe.genre = OptionSane::Genre::Groupe;
    groupe.nom = QStringLiteral("mode");
    const QList<OptionSane> options{groupe, Liste({QStringLiteral("Color")})};
    ASSERT_NE(OptionNommee(options, QStringLiteral("mode")), nullptr);
    EXPECT_EQ(OptionNommee(options, QStringLiteral("mode"))->genre, OptionSane::Genre::Texte);
    EXPECT_EQ(OptionNommee(options, QStringLiteral("source")), nullptr);
}

} // namespace
