// Printing to PDF, checked on the rendered page: pdftoppm draws the sheet at
// 10 pixels per millimetre and the pictures must stand in the cells the
// layout computed, grey when asked, with white paper around them.

#include "app/impression.h"
#include "app/mise_en_page.h"

#include <QImage>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

namespace {

// Left half red, right half blue.
QImage RougeEtBleu()
{
    QImage image(40, 30, QImage::Format_ARGB32);
    for (int y = 0; y < 30; ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < 40; ++x)
            ligne[x] = x < 20 ? qRgb(255, 0, 0) : qRgb(0, 0, 255);
    }
    return image;
}

class ImpressionPdf : public ::testing::Test {
protected:
    // The first page rendered at 254 dpi (10 pixels per millimetre).
    QImage Rendre(const QString &pdf)
    {
        const QString prefixe = dossier_.filePath(QStringLiteral("page"));
        QProcess p;
        p.start(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QStringLiteral("254"), QStringLiteral("-f"),
                                             QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1"),
                                             QStringLiteral("-png"), QStringLiteral("-singlefile"), pdf, prefixe});
        EXPECT_TRUE(p.waitForFinished(60000));
        return QImage(prefixe + QStringLiteral(".png")).convertToFormat(QImage::Format_ARGB32);
    }
    int Pages(const QString &pdf)
    {
        QProcess p;
        p.start(QStringLiteral("pdfinfo"), {pdf});
        EXPECT_TRUE(p.waitForFinished(60000));
        for (const QByteArray &ligne : p.readAllStandardOutput().split('\n'))
            if (ligne.startsWith("Pages:"))
                return ligne.mid(6).trimmed().toInt();
        return -1;
    }
    QTemporaryDir dossier_;
};

// A pixel of the page at a position in millimetres.
QRgb PixelMm(const QImage &page, double xMm, double yMm)
{
    return page.pixel(static_cast<int>(xMm * 10), static_cast<int>(yMm * 10));
}

::testing::AssertionResult Proche(QRgb obtenu, QRgb attendu)
{
    const int ecart = std::max({std::abs(qRed(obtenu) - qRed(attendu)), std::abs(qGreen(obtenu) - qGreen(attendu)),
                                std::abs(qBlue(obtenu) - qBlue(attendu))});
    if (ecart <= 3)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << std::hex << "0x" << obtenu << " instead of 0x" << attendu;
}

TEST_F(ImpressionPdf, a_grey_2_by_3_grid_stands_in_the_computed_cells_of_a_landscape_sheet)
{
    TMiseEnPage m;
    ChoisirOrientation(m, true);
    m.NbLignes = 2;
    m.NbColonnes = 3;
    m.Rapport = 0.75;
    ASSERT_TRUE(CalculerMiseEnPage(m)); // 89 x 67 mm, margins 10, 10, 35, 35, spacing 5
    const QString pdf = dossier_.filePath(QStringLiteral("grille.pdf"));
    ImprimerEnPdf(pdf, m, RougeEtBleu());

    const QImage page = Rendre(pdf);
    ASSERT_NEAR(page.width(), 2970, 2);
    ASSERT_NEAR(page.height(), 2100, 2);
    const QRgb rougeGris = qRgb(60, 60, 60), bleuGris = qRgb(20, 20, 20), blanc = qRgb(255, 255, 255);
    for (int u = 0; u < 2; ++u)
        for (int v = 0; v < 3; ++v) {
            const double x = 10 + v * 94, y = 35 + u * 72;
            SCOPED_TRACE(testing::Message() << "cell " << u << "," << v);
            EXPECT_TRUE(Proche(PixelMm(page, x + 1, y + 1), rougeGris));
            EXPECT_TRUE(Proche(PixelMm(page, x + 43, y + 33), rougeGris));
            EXPECT_TRUE(Proche(PixelMm(page, x + 46, y + 33), bleuGris));
            EXPECT_TRUE(Proche(PixelMm(page, x + 88, y + 66), bleuGris));
            EXPECT_TRUE(Proche(PixelMm(page, x - 1, y + 33), blanc));      // left of the cell
            EXPECT_TRUE(Proche(PixelMm(page, x + 90, y + 33), blanc));     // right of it
            EXPECT_TRUE(Proche(PixelMm(page, x + 44, y - 1), blanc));      // above
            EXPECT_TRUE(Proche(PixelMm(page, x + 44, y + 68), blanc));     // below
        }
    EXPECT_EQ(Pages(pdf), 1);
}

TEST_F(ImpressionPdf, in_colour_keeps_the_colours_and_prints_one_page_per_copy)
{
    TMiseEnPage m;
    m.Rapport = 0.75;
    m.Gris = false;
    m.Copies = 3;
    ASSERT_TRUE(CalculerMiseEnPage(m)); // 190 x 142 mm at (10, 77)
    const QString pdf = dossier_.filePath(QStringLiteral("couleur.pdf"));
    ImprimerEnPdf(pdf, m, RougeEtBleu());

    const QImage page = Rendre(pdf);
    ASSERT_NEAR(page.width(), 2100, 2);
    ASSERT_NEAR(page.height(), 2970, 2);
    EXPECT_TRUE(Proche(PixelMm(page, 11, 78), qRgb(255, 0, 0)));
    EXPECT_TRUE(Proche(PixelMm(page, 199, 218), qRgb(0, 0, 255)));
    EXPECT_TRUE(Proche(PixelMm(page, 105, 76), qRgb(255, 255, 255)));
    EXPECT_TRUE(Proche(PixelMm(page, 105, 220), qRgb(255, 255, 255)));
    EXPECT_EQ(Pages(pdf), 3);
}

TEST_F(ImpressionPdf, an_unwritable_target_is_a_file_error_and_leaves_nothing)
{
    TMiseEnPage m;
    m.Rapport = 0.75;
    ASSERT_TRUE(CalculerMiseEnPage(m));
    EXPECT_ANY_THROW(ImprimerEnPdf(dossier_.filePath(QStringLiteral("absent/sortie.pdf")), m, RougeEtBleu()));
}

} // namespace
