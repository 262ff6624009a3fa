// The text form of a colour code is what side-files and document files hold:
// it must read back what it wrote under either decimal separator, and turn
// anything else into an undefined code rather than a wrong one.

#include "commun/erreur.h"
#include "calibration/code_couleur.h"
#include "support/fichier_essai.h"
#include "support/separateur.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

TCodeCouleur ArcEnCielTemperature()
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageArcEnCiel;
    c.OrdreArcEnCiel = 0;
    c.CouleurDebut = 16711680;
    c.CouleurMilieu = 65280;
    c.CouleurFin = 255;
    c.ValeurMin = -5;
    c.ValeurMax = 12.5;
    c.Grandeur = QStringLiteral("Température");
    c.UniteCode = QStringLiteral("°C");
    return c;
}

TCodeCouleur DeuxCouleursConcentration()
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageDeuxCouleurs;
    c.CouleurMin = 0;
    c.CouleurMax = 16776960;
    c.ValeurMin = 0.001;
    c.ValeurMax = 2500;
    c.Logarithmique = true;
    c.Grandeur = QStringLiteral("Concentration");
    c.UniteCode = QStringLiteral("mg/L");
    return c;
}

TCodeCouleur TableauOccupation()
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageTableau;
    c.NbCouleurs = 3;
    c.Grandeur = QStringLiteral("Occupation du sol");
    c.Libelle[0] = QStringLiteral("Forêt");
    c.CouleurTable[0] = 32768;
    c.Libelle[1] = QStringLiteral("Eau");
    c.CouleurTable[1] = 16711680;
    c.Libelle[2] = QStringLiteral("10-20");
    c.CouleurTable[2] = 65535;
    return c;
}

TCodeCouleur TroisCanauxSatellite()
{
    TCodeCouleur c = CodeParDefaut();
    c.MiniC = {-20, 0.5, 0};
    c.MaxiC = {40, 1.25E-5, 1234};
    c.NomC = {QStringLiteral("Vert"), QStringLiteral("Rouge"), QStringLiteral("Infra-Rouge")};
    c.CouleurC = {65280, 255, 0};
    return c;
}

TCodeCouleur TableauSeizeEntrees()
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageTableau;
    c.NbCouleurs = MaxEntreesTableau;
    for (int i = 0; i < MaxEntreesTableau; ++i) {
        c.Libelle[static_cast<std::size_t>(i)] = QString::number(i * 10);
        c.CouleurTable[static_cast<std::size_t>(i)] = static_cast<CouleurWin>(i * 1000);
    }
    return c;
}

TEST(CodeParDefaut, has_exactly_the_text_of_three_plain_channels)
{
    EXPECT_EQ(CodeEnTexte(CodeParDefaut()),
              QStringLiteral("<CODE_C=0;0;0;0;255;255;255;Bleu;Vert;Rouge;16711680;65280;255;>"));
    SeparateurTemporaire sep(QLatin1Char(','));
    EXPECT_EQ(CodeEnTexte(CodeParDefaut()),
              QStringLiteral("<CODE_C=0;0;0;0;255;255;255;Bleu;Vert;Rouge;16711680;65280;255;>"));
}

struct CasTexte {
    const char *nom;
    TCodeCouleur code;
    const char *texteVirgule; // as written on a comma-decimal system
};

void PrintTo(const CasTexte &c, std::ostream *os)
{
    *os << c.nom;
}

const CasTexte kCasTexte[] = {
    {"trois_canaux", TroisCanauxSatellite(),
     "<CODE_C=0;-20;0,5;0;40;1,25E-5;1234;Vert;Rouge;Infra-Rouge;65280;255;0;>"},
    {"arc_en_ciel", ArcEnCielTemperature(),
     "<CODE_C=1;0;16711680;65280;255;-5;12,5;F;Température;°C;>"},
    {"deux_couleurs", DeuxCouleursConcentration(),
     "<CODE_C=2;0;16776960;0,001;2500;V;Concentration;mg/L;>"},
    {"tableau", TableauOccupation(),
     "<CODE_C=3;3;Occupation du sol;;Forêt;32768;Eau;16711680;10-20;65535;>"},
};

class TexteDuCode : public ::testing::TestWithParam<CasTexte> {};

TEST_P(TexteDuCode, is_written_field_by_field_with_the_local_separator)
{
    SeparateurTemporaire sep(QLatin1Char(','));
    EXPECT_EQ(CodeEnTexte(GetParam().code), QString::fromUtf8(GetParam().texteVirgule));
}

TEST_P(TexteDuCode, reads_back_what_it_wrote_under_both_separators)
{
    for (const QChar s : {QLatin1Char(','), QLatin1Char('.')}) {
        SeparateurTemporaire sep(s);
        EXPECT_EQ(TexteEnCode(CodeEnTexte(GetParam().code)), GetParam().code) << "separator " << s.toLatin1();
    }
}

TEST_P(TexteDuCode, written_on_a_comma_system_reads_on_a_point_system)
{
    SeparateurTemporaire sep(QLatin1Char('.'));
    EXPECT_EQ(TexteEnCode(QString::fromUtf8(GetParam().texteVirgule)), GetParam().code);
}

INSTANTIATE_TEST_SUITE_P(Genres, TexteDuCode, ::testing::ValuesIn(kCasTexte),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST(TexteEnCode, reads_a_full_table_of_sixteen_entries)
{
    EXPECT_EQ(TexteEnCode(CodeEnTexte(TableauSeizeEntrees())), TableauSeizeEntrees());
}

struct CasHostile {
    const char *nom;
    const char *texte;
};

void PrintTo(const CasHostile &c, std::ostream *os)
{
    *os << c.nom << ": " << c.texte;
}

const CasHostile kCasHostiles[] = {
    {"vide", ""},
    {"pas_un_nombre", "abc"},
    {"genre_inconnu_sans_champ", "<CODE_C=9;>"},
    {"genre_inconnu_avec_champs", "<CODE_C=4;0;0;0;255;255;255;a;b;c;1;2;3;>"},
    {"genre_negatif", "<CODE_C=-1;0;0;0;255;255;255;a;b;c;1;2;3;>"},
    {"reel_illisible", "<CODE_C=0;0;zero;0;255;255;255;Bleu;Vert;Rouge;16711680;65280;255;>"},
    {"reel_avec_suite", "<CODE_C=0;0;0;0;255;255;255 kg;Bleu;Vert;Rouge;16711680;65280;255;>"},
    {"reel_infini", "<CODE_C=1;0;16711680;65280;255;0;1E999;F;;;>"},
    {"couleur_reelle", "<CODE_C=0;0;0;0;255;255;255;Bleu;Vert;Rouge;1,5;65280;255;>"},
    {"couleur_geante", "<CODE_C=2;0;99999999999;0;100;F;;;>"},
    {"coupe_avant_la_derniere_couleur", "<CODE_C=0;0;0;0;255;255;255;Bleu;Vert;Rouge;16711680;65280>"},
    {"coupe_au_milieu", "<CODE_C=1;0;16711680;65280"},
    {"textes_manquants", "<CODE_C=2;0;16777215;0;100;F>"},
    {"ordre_hors_liste", "<CODE_C=1;6;16711680;65280;255;0;1020;F;;;>"},
    {"tableau_de_dix_sept", "<CODE_C=3;17;;;0;1;1;2;2;3;3;4;4;5;5;6;6;7;7;8;8;9;9;10;10;11;11;12;12;13;13;14;14;15;15;16;16;>"},
    {"tableau_negatif", "<CODE_C=3;-1;;;>"},
    {"tableau_incomplet", "<CODE_C=3;2;Sol;;Forêt;32768;>"},
    {"tableau_couleur_illisible", "<CODE_C=3;1;Sol;;Forêt;vert;>"},
};

class TexteHostile : public ::testing::TestWithParam<CasHostile> {};

TEST_P(TexteHostile, gives_an_undefined_code)
{
    EXPECT_EQ(TexteEnCode(QString::fromUtf8(GetParam().texte)).Definie, 0);
}

INSTANTIATE_TEST_SUITE_P(Textes, TexteHostile, ::testing::ValuesIn(kCasHostiles),
                         [](const auto &info) { return std::string(info.param.nom); });

TEST(TexteEnCode, reads_a_text_without_its_prefix_from_the_first_character)
{
    const TCodeCouleur c = TexteEnCode(QStringLiteral("2;0;16777215;0;100;F;;;"));
    ASSERT_EQ(c.Definie, 1);
    EXPECT_EQ(c.TypeCodage, CodageDeuxCouleurs);
    EXPECT_EQ(c.CouleurMax, 16777215u);
    EXPECT_EQ(c.ValeurMax, 100);
}

TEST(TexteEnCode, keeps_only_the_low_byte_of_the_kind)
{
    const TCodeCouleur c = TexteEnCode(QStringLiteral("<CODE_C=258;0;16777215;0;100;F;;;>"));
    EXPECT_EQ(c.Definie, 1);
    EXPECT_EQ(c.TypeCodage, CodageDeuxCouleurs);
}

TEST(TexteEnCode, skips_blanks_after_separators_and_ignores_what_follows_the_end)
{
    const TCodeCouleur c =
        TexteEnCode(QStringLiteral("<code_c=2;  0;  255; 1; 9; V; Teneur; g;> suite ignorée; 12"));
    ASSERT_EQ(c.Definie, 1);
    EXPECT_EQ(c.CouleurMax, 255u);
    EXPECT_TRUE(c.Logarithmique);
    EXPECT_EQ(c.Grandeur, QStringLiteral("Teneur"));
    EXPECT_EQ(c.UniteCode, QStringLiteral("g"));
}

TEST(TexteEnCode, a_table_label_holding_a_closing_bracket_survives_the_text_form)
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageTableau;
    c.NbCouleurs = 4;
    c.Libelle = {QStringLiteral("< 64"), QStringLiteral("64 - 128"), QStringLiteral("128 - 191"), QStringLiteral("> 191")};
    c.CouleurTable = {1, 2, 3, 4};
    EXPECT_EQ(TexteEnCode(CodeEnTexte(c)), c);
}

TEST(TexteEnCode, cuts_texts_to_twenty_characters)
{
    const TCodeCouleur c =
        TexteEnCode(QStringLiteral("<CODE_C=1;0;1;2;3;0;1;F;Température de surface de la mer;°C;>"));
    ASSERT_EQ(c.Definie, 1);
    EXPECT_EQ(c.Grandeur, QStringLiteral("Température de surfa"));
}

TEST(TexteEnCode, only_a_capital_V_makes_the_scale_logarithmic)
{
    EXPECT_TRUE(TexteEnCode(QStringLiteral("<CODE_C=2;0;1;1;9;V;;;>")).Logarithmique);
    EXPECT_FALSE(TexteEnCode(QStringLiteral("<CODE_C=2;0;1;1;9;v;;;>")).Logarithmique);
    EXPECT_FALSE(TexteEnCode(QStringLiteral("<CODE_C=2;0;1;1;9;Vrai;;;>")).Logarithmique);
}

// ---- Side-file ----------------------------------------------------------

class CodeAnnexe : public ::testing::Test {
protected:
    QTemporaryDir dossier;
    QString image(const char *nom) const { return QDir(dossier.path()).filePath(QString::fromLatin1(nom)); }

    void ecrire(const char *nom, const QByteArray &octets) const
    {
        ASSERT_TRUE(EcrireFichier(image(nom), octets));
    }
};

TEST_F(CodeAnnexe, replaces_the_last_four_characters_of_the_image_name)
{
    EXPECT_EQ(NomCodeAnnexe(QStringLiteral("/a/photo.jpg")), QStringLiteral("/a/photo.ccc"));
    EXPECT_EQ(NomCodeAnnexe(QStringLiteral("/a/photo.jpeg")), QStringLiteral("/a/photo..ccc"));
}

TEST_F(CodeAnnexe, missing_file_gives_the_default_code)
{
    EXPECT_EQ(LireCodeAnnexe(image("carte.png")), CodeParDefaut());
}

TEST_F(CodeAnnexe, unparsable_file_gives_the_default_code)
{
    ecrire("carte.ccc", "<CODE_C=9;>\r\n");
    EXPECT_EQ(LireCodeAnnexe(image("carte.png")), CodeParDefaut());
    ecrire("vide.ccc", "");
    EXPECT_EQ(LireCodeAnnexe(image("vide.png")), CodeParDefaut());
}

TEST_F(CodeAnnexe, written_in_windows_1252_with_crlf_and_read_back)
{
    EcrireCodeAnnexe(image("carte.png"), ArcEnCielTemperature());
    QFile f(image("carte.ccc"));
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    EXPECT_EQ(f.readAll(), QByteArray("<CODE_C=1;0;16711680;65280;255;-5;12.5;F;Temp\xe9rature;\xb0" "C;>\r\n"));
    EXPECT_EQ(LireCodeAnnexe(image("carte.png")), ArcEnCielTemperature());
}

TEST_F(CodeAnnexe, a_file_edited_in_utf8_is_read_as_utf8)
{
    ecrire("carte.ccc", "<CODE_C=3;1;Sol;;For\xc3\xaat;32768;>\n");
    EXPECT_EQ(LireCodeAnnexe(image("carte.png")).Libelle[0], QStringLiteral("Forêt"));
}

TEST_F(CodeAnnexe, an_unwritable_place_raises_a_file_error)
{
    EXPECT_THROW(EcrireCodeAnnexe(image("absent/carte.png"), CodeParDefaut()), ErreurFichier);
}

// ---- Stream form --------------------------------------------------------

TEST(CodeFlux, writes_a_little_endian_length_then_the_text)
{
    QBuffer b;
    b.open(QIODevice::WriteOnly);
    EcrireCodeFlux(b, CodeParDefaut());
    EXPECT_EQ(b.data(), QByteArray("\x40\x00", 2) + "<CODE_C=0;0;0;0;255;255;255;Bleu;Vert;Rouge;16711680;65280;255;>");
}

TEST(CodeFlux, an_undefined_code_is_a_zero_length)
{
    QBuffer b;
    b.open(QIODevice::ReadWrite);
    EcrireCodeFlux(b, TCodeCouleur{});
    EXPECT_EQ(b.data(), QByteArray("\x00\x00", 2));
    b.seek(0);
    const TCodeCouleur c = LireCodeFlux(b);
    EXPECT_EQ(c.Definie, 0);
    EXPECT_EQ(c.TypeCodage, CodageTroisCanaux);
}

TEST(CodeFlux, reads_back_each_kind_and_stops_at_its_end)
{
    QBuffer b;
    b.open(QIODevice::ReadWrite);
    for (const CasTexte &cas : kCasTexte)
        EcrireCodeFlux(b, cas.code);
    b.write("reste");
    b.seek(0);
    for (const CasTexte &cas : kCasTexte)
        EXPECT_EQ(LireCodeFlux(b), cas.code) << cas.nom;
    EXPECT_EQ(b.readAll(), QByteArray("reste"));
}

TEST(CodeFlux, a_stream_shorter_than_its_length_raises_a_decoding_error)
{
    for (const QByteArray &octets : {QByteArray(), QByteArray("\x05", 1), QByteArray("\x40\x00<CODE_C=0;", 12)}) {
        QBuffer b;
        b.setData(octets);
        b.open(QIODevice::ReadOnly);
        EXPECT_THROW((void)LireCodeFlux(b), ErreurDecodage) << octets.size() << " bytes";
    }
}

} // namespace
