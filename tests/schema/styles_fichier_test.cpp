// The styles file: the built-in styles written out line for line, a file
// read back as written, and every refused file giving the three built-ins.

#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "schema/styles_fichier.h"
#include "support/fichier_essai.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

QByteArray OctetsNormal()
{
    return "normal\r\n20,20,20,20,20,20\r\n80,80,80,80,80,80\r\n1,1,1,0,0,0\r\n80\r\n1\r\n0\r\n1\r\n40\r\n60\r\n1\r\n245\r\n"
           "0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0\r\n0,0,0,0,1,0,0\r\n0,0,1,1,1,0,0\r\n"
           "0,0,0,0,0,0,0\r\n0,0,0,0,0,0,0\r\n";
}

QStringList Noms(const std::vector<StyleDes> &styles)
{
    QStringList noms;
    for (const StyleDes &s : styles)
        noms << s.nom;
    return noms;
}

TEST(FichierStyles, TheNormalStyleIsWrittenInNineteenCrLfLines)
{
    const std::vector<StyleDes> normal{StylesIntegres().front()};
    const QStringList lignes = LignesStyles(normal);
    EXPECT_EQ(lignes.size(), 19);
    QByteArray octets;
    for (const QString &l : lignes)
        octets += EncoderWindows1252(l) + "\r\n";
    EXPECT_EQ(octets, OctetsNormal());
}

TEST(FichierStyles, TheBuiltInsComeBackAsWrittenThroughAFile)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QString::fromUtf8(kNomFichierStyles));
    std::vector<StyleDes> styles = StylesIntegres();
    styles.push_back(styles.front()); // a second "normal" is kept as its own entry
    styles.back().param.Seuil[Rouge] = 7;
    EcrireStyles(chemin, styles);
    const LectureStyles lu = LireStyles(chemin);
    EXPECT_FALSE(lu.integres);
    EXPECT_EQ(lu.styles, styles);
    EXPECT_EQ(Noms(lu.styles),
              (QStringList{"normal", "fond noir", QString::fromUtf8("micro contrasté"), "normal"}));
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    const QByteArray octets = f.readAll();
    EXPECT_TRUE(octets.contains("micro contrast\xE9\r\n")) << "names are written in Windows-1252";
}

struct CasRefus {
    const char *nom;
    QByteArray octets;
};

void PrintTo(const CasRefus &c, std::ostream *os)
{
    *os << c.nom;
}

QByteArray Remplacer(QByteArray octets, const QByteArray &avant, const QByteArray &apres)
{
    const qsizetype i = octets.indexOf(avant);
    return octets.replace(i, avant.size(), apres);
}

class StylesRefuses : public testing::TestWithParam<CasRefus> {};

TEST_P(StylesRefuses, GiveTheThreeBuiltInStyles)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("styles.sty"));
    ASSERT_TRUE(EcrireFichier(chemin, GetParam().octets));
    const LectureStyles lu = LireStyles(chemin);
    EXPECT_TRUE(lu.integres);
    EXPECT_EQ(lu.styles, StylesIntegres());
}

QByteArray Repete(const QByteArray &octets, int fois)
{
    QByteArray r;
    for (int i = 0; i < fois; ++i)
        r += octets;
    return r;
}

INSTANTIATE_TEST_SUITE_P(
    FichiersRefuses, StylesRefuses,
    testing::Values(CasRefus{"threshold_of_256", Remplacer(OctetsNormal(), "20,20,20,20,20,20", "20,256,20,20,20,20")},
                    CasRefus{"negative_threshold", Remplacer(OctetsNormal(), "20,20,20,20,20,20", "20,-1,20,20,20,20")},
                    CasRefus{"mode_lum_of_3", Remplacer(OctetsNormal(), "\r\n0\r\n1\r\n40", "\r\n3\r\n1\r\n40")},
                    CasRefus{"not_a_number", Remplacer(OctetsNormal(), "245", "2x5")},
                    CasRefus{"five_values_on_a_line", Remplacer(OctetsNormal(), "80,80,80,80,80,80", "80,80,80,80,80")},
                    CasRefus{"cut_inside_a_style", OctetsNormal().left(OctetsNormal().size() - 20)},
                    CasRefus{"empty_file", QByteArray()},
                    CasRefus{"binary_bytes", QByteArray("\x00\xFF\x01\x80\r\n\x00", 6)},
                    CasRefus{"far_too_many_styles", Repete(OctetsNormal(), kStylesMax + 1)}),
    [](const testing::TestParamInfo<CasRefus> &i) { return std::string(i.param.nom); });

TEST(FichierStyles, ANameWithLineBreaksIsWrittenOnOneLineAndTheFileStillReads)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QString::fromUtf8(kNomFichierStyles));
    std::vector<StyleDes> styles = StylesIntegres();
    styles.push_back(styles.front());
    styles.back().nom = QStringLiteral("ma\r\nclasse\t1");
    EcrireStyles(chemin, styles);
    const LectureStyles lu = LireStyles(chemin);
    EXPECT_TRUE(lu.raison.isEmpty()) << lu.raison.toStdString();
    ASSERT_EQ(lu.styles.size(), 4u);
    EXPECT_EQ(lu.styles.back().nom, QStringLiteral("ma  classe 1"));
}

TEST(FichierStyles, AMissingFileGivesTheBuiltInsAndIsNotCreated)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("absent.sty"));
    const LectureStyles lu = LireStyles(chemin);
    EXPECT_TRUE(lu.integres);
    EXPECT_EQ(Noms(lu.styles), (QStringList{"normal", "fond noir", QString::fromUtf8("micro contrasté")}));
    EXPECT_FALSE(QFile::exists(chemin));
}

TEST(FichierStyles, AFlagOfTwoReadsFalseAndHandEditedLinesAreAccepted)
{
    QByteArray octets = Remplacer(OctetsNormal(), "1,1,1,0,0,0", "1,2,1,0,0,0");
    octets.replace("\r\n", "\n");
    octets += "\n\n";
    const auto styles = AnalyserStyles(octets);
    ASSERT_TRUE(styles.has_value());
    ASSERT_EQ(styles->size(), 1u);
    EXPECT_TRUE(styles->front().param.Actif[Bleu]);
    EXPECT_FALSE(styles->front().param.Actif[Vert]);
    EXPECT_TRUE(styles->front().param.Actif[Rouge]);
}

TEST(FichierStyles, AFailedWriteKeepsTheFormerFileAndSaysSo)
{
    QTemporaryDir dossier;
    const QString chemin = dossier.filePath(QStringLiteral("sous/dossier/absent/styles.sty"));
    EXPECT_THROW(EcrireStyles(chemin, StylesIntegres()), ErreurFichier);
    const QString existant = dossier.filePath(QStringLiteral("styles.sty"));
    EcrireStyles(existant, StylesIntegres());
    QFile::setPermissions(dossier.path(), QFile::ReadOwner | QFile::ExeOwner);
    std::vector<StyleDes> autres = StylesIntegres();
    autres.pop_back();
    const bool refuse = [&] {
        try {
            EcrireStyles(existant, autres);
        } catch (const ErreurFichier &e) {
            EXPECT_FALSE(e.message().isEmpty());
            return true;
        }
        return false;
    }();
    QFile::setPermissions(dossier.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    if (refuse) {
        EXPECT_EQ(LireStyles(existant).styles.size(), 3u);
    }
}

} // namespace
