#include "commun/couper_champ.h"

#include <gtest/gtest.h>

namespace {

TEST(CouperChamp, takes_the_text_before_the_separator_and_trims_the_rest)
{
    const ChampCoupe c = CouperChamp(QStringLiteral("0,0254;  mm;>"), QLatin1Char(';'));
    EXPECT_EQ(c.champ, QStringLiteral("0,0254"));
    EXPECT_EQ(c.reste, QStringLiteral("mm;>"));
}

TEST(CouperChamp, without_separator_the_field_is_the_whole_rest)
{
    const ChampCoupe c = CouperChamp(QStringLiteral("pixels"), QLatin1Char(';'));
    EXPECT_EQ(c.champ, QStringLiteral("pixels"));
    EXPECT_TRUE(c.reste.isEmpty());
}

TEST(CouperChamp, only_spaces_count_as_blanks)
{
    const ChampCoupe c = CouperChamp(QStringLiteral("a;\tb"), QLatin1Char(';'));
    EXPECT_EQ(c.reste, QStringLiteral("\tb"));
    EXPECT_EQ(CouperChamp(QStringLiteral(";x"), QLatin1Char(';')).champ, QString());
}

} // namespace
