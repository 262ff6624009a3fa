// The table printout: column positions scaled from the grid, rows per page
// from the page height, page titles numbered when there are several, and a
// printout into a PDF file that turns landscape for a wide table and asks
// before printing one wider than that.

#include "table/impression_tableau.h"

#include "commun/erreur.h"

#include <QFile>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

GrilleImpression Grille(int colonnes, int lignes, int largeur = 80)
{
    GrilleImpression g;
    g.titre = QStringLiteral("Résultats");
    for (int r = 0; r < lignes; ++r) {
        QStringList l;
        for (int c = 0; c < colonnes; ++c)
            l << QStringLiteral("%1").arg(r * 10 + c);
        g.lignes.push_back(l);
    }
    g.largeurs.assign(static_cast<std::size_t>(colonnes), largeur);
    g.premiere = 1;
    g.derniere = lignes - 1;
    return g;
}

TEST(MiseEnPageTableau, ColumnsAreScaledFromTheGridAndCentred)
{
    GrilleImpression g = Grille(3, 5);
    g.largeurs = {80, 100, 60};
    g.hauteurLigne = 24;
    const MiseEnPageTableau m = CalculerMiseEnPageTableau(g, 1000, 2000, 50);
    EXPECT_EQ(m.XColonnes, (std::vector<int>{0, 162, 364}));
    EXPECT_EQ(m.W, 2 * (81 + 101 + 60));
    EXPECT_EQ(m.L, (1000 - 484) / 2);
    EXPECT_EQ(m.H, 50);
    // (2000 - (50 + 50 + 180)) div 50
    EXPECT_EQ(m.N, 34);
}

TEST(MiseEnPageTableau, NinetyRowsOnFortyRowPagesMakeThreeNumberedPages)
{
    GrilleImpression g = Grille(2, 90);
    g.hauteurLigne = 24; // H = 50
    // N = (hauteur - (30 + 50 + 180)) div 50 = 40
    const MiseEnPageTableau m = CalculerMiseEnPageTableau(g, 1000, 2260, 30);
    ASSERT_EQ(m.N, 40);
    EXPECT_EQ(m.P, 3);
    const auto pages = PagesTableau(g.premiere, g.derniere, m.N);
    ASSERT_EQ(pages.size(), 3u);
    EXPECT_EQ(pages[0], std::make_pair(1, 40));
    EXPECT_EQ(pages[2], std::make_pair(81, 89));
    EXPECT_EQ(TitrePageTableau(g.titre, 1, 3), QStringLiteral("Résultats (p 1 / 3)"));
    EXPECT_EQ(TitrePageTableau(g.titre, 3, 3), QStringLiteral("Résultats (p 3 / 3)"));
    EXPECT_EQ(TitrePageTableau(g.titre, 1, 1), QStringLiteral("Résultats"));
}

TEST(MiseEnPageTableau, SelectedRows50To120PrintAs50To89Then90To120)
{
    const auto pages = PagesTableau(50, 120, 40);
    ASSERT_EQ(pages.size(), 2u);
    EXPECT_EQ(pages[0], std::make_pair(50, 89));
    EXPECT_EQ(pages[1], std::make_pair(90, 120));
}

class ImpressionPdf : public ::testing::Test {
protected:
    QTemporaryDir dossier;
    QString chemin = dossier.filePath(QStringLiteral("t.pdf"));
};

TEST_F(ImpressionPdf, PrintsEveryPageOfTheTable)
{
    QPdfWriter pdf(chemin);
    pdf.setResolution(150);
    int questions = 0;
    EXPECT_TRUE(ImprimerGrille(pdf, Grille(4, 200), [&] { return ++questions, true; }));
    EXPECT_EQ(questions, 0);
    EXPECT_EQ(pdf.pageLayout().orientation(), QPageLayout::Portrait);
    // 199 rows under the header: (1754 - (title + 50 + 180)) div 50 = 30 rows
    // on each A4 page at 150 dpi, 7 pages.
    QFile f(chemin);
    ASSERT_TRUE(f.open(QIODevice::ReadOnly));
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    EXPECT_EQ(QString::fromLatin1(f.readAll()).count(page), 7);
}

TEST_F(ImpressionPdf, TooWideTableIsPrintedOnlyAfterYes)
{
    QPdfWriter pdf(chemin);
    pdf.setResolution(150);
    int questions = 0;
    // 40 columns of 300 pixels at factor 2: far wider than a landscape page.
    EXPECT_FALSE(ImprimerGrille(pdf, Grille(40, 5, 300), [&] { return ++questions, false; }));
    EXPECT_EQ(questions, 1);
    EXPECT_EQ(pdf.pageLayout().orientation(), QPageLayout::Portrait);
}

TEST_F(ImpressionPdf, DeviceThatCannotBeWrittenIsAnErrorNotASilentSuccess)
{
    // The PDF file would go into a folder that does not exist.
    QPdfWriter pdf(dossier.filePath(QStringLiteral("absent/t.pdf")));
    EXPECT_THROW((void)ImprimerGrille(pdf, Grille(2, 3), [] { return true; }), ErreurFichier);
    EXPECT_EQ(pdf.pageLayout().orientation(), QPageLayout::Portrait);
}

} // namespace
