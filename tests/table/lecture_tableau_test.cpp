// Reading table texts: the saved form comes back as it was written, rows of
// unequal length are padded, and what is not a table (empty, binary, too
// wide) is refused with a French message rather than read.

#include "commun/erreur.h"
#include "table/lecture_tableau.h"
#include "table/tableau_resultats.h"

#include <gtest/gtest.h>

namespace {

TEST(LectureTableau, SavedTextComesBackAsTheSameTable)
{
    TableauResultats source;
    source.Titre = QStringLiteral("Mesures été");
    source.DefinirTaille(3, 4);
    source.DefinirCellule(0, 0, QStringLiteral("x"));
    source.DefinirCellule(2, 3, QStringLiteral("2,5"));
    QByteArray octets;
    for (const QString &l : source.LignesTexte())
        octets += l.toLatin1() + "\r\n";
    const TexteTableauLu lu = LireTexteTableau(octets);
    TableauResultats relu;
    ChargerTableau(relu, lu, 2);
    EXPECT_EQ(relu.TexteTableau(), source.TexteTableau());
}

TEST(LectureTableau, RaggedRowsArePaddedAndAnyLineEndIsRead)
{
    const TexteTableauLu lu = LireTexteTableau("T\na\tb\tc\rd\r\ne\tf");
    EXPECT_EQ(lu.titre, QStringLiteral("T"));
    EXPECT_EQ(lu.colonnes, 3);
    ASSERT_EQ(lu.lignes.size(), 3u);
    EXPECT_EQ(lu.lignes[1], QStringList({"d", "", ""}));
    EXPECT_EQ(lu.lignes[2], QStringList({"e", "f", ""}));
}

TEST(LectureTableau, CaptionAloneGivesAnEmptyTable)
{
    TableauResultats t;
    ChargerTableau(t, LireTexteTableau("Seul\r\n"), 2);
    EXPECT_EQ(t.Titre, QStringLiteral("Seul"));
    EXPECT_EQ(t.NbLignes(), 3);
    EXPECT_EQ(t.NbColonnes(), 2);
}

TEST(LectureTableau, ALongLineIsOneCell)
{
    const QByteArray ligne(10 * 1024 * 1024, 'a');
    const TexteTableauLu lu = LireTexteTableau("T\r\n" + ligne);
    EXPECT_EQ(lu.colonnes, 1);
    EXPECT_EQ(lu.lignes[0][0].size(), ligne.size());
}

struct CasRefus {
    const char *nom;
    QByteArray octets;
    const char *motDuMessage;
};

void PrintTo(const CasRefus &c, std::ostream *os)
{
    *os << c.nom;
}

class RefusTableau : public ::testing::TestWithParam<CasRefus> {};

TEST_P(RefusTableau, IsToldInFrench)
{
    try {
        (void)LireTexteTableau(GetParam().octets);
        FAIL() << "read";
    } catch (const ErreurDecodage &e) {
        EXPECT_TRUE(e.message().contains(QString::fromUtf8(GetParam().motDuMessage))) << e.message().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Cas, RefusTableau,
                         ::testing::Values(CasRefus{"empty", QByteArray(), "vide"},
                                           CasRefus{"binary", QByteArray("T\r\n\x01\x00\x02", 6), "octets nuls"},
                                           CasRefus{"hundred_thousand_columns",
                                                    "T\r\n" + QByteArray(99999, '\t'), "1000 colonnes"},
                                           CasRefus{"one_wide_line_over_many_short_ones",
                                                    "T\r\n" + QByteArray(999, '\t') + QByteArray(2 * 5000, '\n'),
                                                    "4000000 cellules"}),
                         [](const auto &info) { return std::string(info.param.nom); });

} // namespace
