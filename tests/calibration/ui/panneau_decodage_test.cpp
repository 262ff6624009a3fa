// The decoding panel shows what the readout computed: channel values and bars
// for three channels, the decoded value for the other kinds, "Pas d'échelle"
// without a code; a colour that is not decodable keeps the previous value.

#include "calibration/ui/panneau_decodage.h"
#include "support/codes_essai.h"

#include <QAction>
#include <QDir>
#include <QImage>
#include <QLabel>

#include <gtest/gtest.h>

namespace {

void Capturer(QWidget &w, const char *nom)
{
    const QString dossier = qEnvironmentVariable("KAPTORI_CAPTURES");
    if (!dossier.isEmpty()) {
        w.resize(Decodcoul::LargeurPanneau, 420);
        w.grab().save(QDir(dossier).filePath(QString::fromLatin1(nom) + QStringLiteral(".png")));
    }
}

TEST(Decodcoul, starts_with_no_scale)
{
    Decodcoul panneau;
    EXPECT_TRUE(panneau.pasDEchelle());
    EXPECT_EQ(panneau.width(), 83);
}

TEST(Decodcoul, three_channels_show_values_and_bars)
{
    Decodcoul panneau;
    panneau.AfficherCode(CodeParDefaut());
    const PixelLu pixel{10, 20, 30};
    panneau.AfficherLecture(LireDecodage(CodeParDefaut(), pixel), pixel);
    EXPECT_FALSE(panneau.pasDEchelle());
    EXPECT_EQ(panneau.textesCanaux(), (std::array<QString, 3>{"30", "20", "10"}));
    EXPECT_EQ(panneau.signature()->hauteurs(), (std::array<int, 3>{8, 5, 2}));
    EXPECT_TRUE(panneau.copisign->isEnabled());
    const PixelLu vif{200, 120, 250};
    panneau.AfficherLecture(LireDecodage(CodeParDefaut(), vif), vif);
    Capturer(panneau, "panneau_trois_canaux");
}

TEST(Decodcoul, signature_picture_has_its_base_line_and_bars)
{
    Decodcoul panneau;
    panneau.AfficherCode(CodeParDefaut());
    const PixelLu pixel{0, 0, 255}; // channel 1 full: bar of 64 pixels in blue
    panneau.AfficherLecture(LireDecodage(CodeParDefaut(), pixel), pixel);
    const QImage image = panneau.signature()->Image();
    ASSERT_EQ(image.size(), QSize(81, 102));
    EXPECT_EQ(image.pixel(40, 81), qRgb(0, 0, 0));
    const int x = ZoneSignature::XBarre(0) + ZoneSignature::LargeurBarre / 2;
    EXPECT_EQ(image.pixel(x, 81 - 32), qRgb(0, 0, 255));
    EXPECT_EQ(image.pixel(x, 81 - 70), qRgb(255, 255, 255));
    const int x2 = ZoneSignature::XBarre(1) + ZoneSignature::LargeurBarre / 2;
    EXPECT_EQ(image.pixel(x2, 81 - 10), qRgb(255, 255, 255));
}

TEST(Decodcoul, a_scale_code_shows_the_value_and_none_off_the_scale)
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageArcEnCiel;
    c.ValeurMin = 0;
    c.ValeurMax = 1020;
    c.Grandeur = QStringLiteral("Température");
    c.UniteCode = QStringLiteral("°C");
    Decodcoul panneau;
    panneau.AfficherCode(c);
    const PixelLu jaune{255, 255, 0};
    panneau.AfficherLecture(LireDecodage(c, jaune), jaune);
    EXPECT_EQ(panneau.texteValeur(), QStringLiteral("765"));
    EXPECT_FALSE(panneau.copisign->isEnabled());
    // Grey is not on the rainbow: the panel shows no value, not the last one.
    const PixelLu gris{100, 100, 100};
    panneau.AfficherLecture(LireDecodage(c, gris), gris);
    EXPECT_EQ(panneau.texteValeur(), QString());
    panneau.AfficherLecture(LireDecodage(c, jaune), jaune);
    Capturer(panneau, "panneau_arc_en_ciel");
    // No pixel read: the value and the channel values are emptied.
    panneau.ViderLecture();
    EXPECT_EQ(panneau.texteValeur(), QString());
}

// Every visible label of the panel shows each of its words whole.
void ExpectMotsEntiers(Decodcoul &panneau)
{
    panneau.resize(Decodcoul::LargeurPanneau, 420);
    (void)panneau.grab(); // lays the panel out
    for (const QLabel *l : panneau.findChildren<QLabel *>()) {
        if (!l->isVisibleTo(&panneau))
            continue;
        const QFontMetrics m(l->font());
        for (const QString &mot : l->text().split(QLatin1Char(' '), Qt::SkipEmptyParts))
            EXPECT_LE(m.horizontalAdvance(mot), l->contentsRect().width()) << mot.toStdString();
    }
}

// The panel is 83 pixels wide and a label breaks lines only between words:
// a quantity, a table label or a value made of one long word must still show
// whole, not cut at both ends.
TEST(Decodcoul, long_words_of_the_quantity_value_and_unit_show_whole)
{
    TCodeCouleur c = code_essai::Tableau(4, QStringLiteral("Évapotranspirations"), QStringLiteral("millimètres/jour"));
    c.Libelle = {QStringLiteral("Forêt-de-conifères"), QStringLiteral("-1,235E-100"), QStringLiteral("2"),
                 QStringLiteral("3")};
    c.CouleurTable = {CouleurRvb(1, 2, 3), CouleurRvb(4, 5, 6), CouleurRvb(7, 8, 9), CouleurRvb(10, 11, 12)};
    Decodcoul panneau;
    panneau.AfficherCode(c);
    for (const PixelLu &p : {PixelLu{1, 2, 3}, PixelLu{4, 5, 6}}) {
        panneau.AfficherLecture(LireDecodage(c, p), p);
        ExpectMotsEntiers(panneau);
    }
    Capturer(panneau, "panneau_mots_longs");
}

TEST(Decodcoul, long_channel_names_show_whole)
{
    TCodeCouleur c = CodeParDefaut();
    c.NomC = {QStringLiteral("Proche-infrarouge"), QStringLiteral("Vert"), QStringLiteral("Thermique-lointain")};
    Decodcoul panneau;
    panneau.AfficherCode(c);
    const PixelLu p{10, 20, 30};
    panneau.AfficherLecture(LireDecodage(c, p), p);
    ExpectMotsEntiers(panneau);
    Capturer(panneau, "panneau_noms_longs");
}

TEST(Decodcoul, an_undefined_code_covers_the_readout)
{
    Decodcoul panneau;
    panneau.AfficherCode(CodeParDefaut());
    panneau.AfficherCode(CodeInitial());
    EXPECT_TRUE(panneau.pasDEchelle());
    Capturer(panneau, "panneau_pas_d_echelle");
}

} // namespace
