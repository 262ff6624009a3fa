// The preview box of the open dialog: "(vide)" when there is nothing to show,
// a picture that fits drawn centred at its own size, a larger one scaled down
// keeping its proportions and drawn from the top-left corner. Expected pixels
// are worked out from the box's 150 × 150 size.

#include "app/ui/dialogue_ouverture.h"
#include "support/fichier_essai.h"

#include <QFile>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

constexpr QRgb kRouge = 0xFFFF0000;

struct CasApercu {
    const char *nom;
    QSize image;                 // size of a red picture written as PNG
    QList<QPoint> rouges;        // pixels of the box showing the picture
    QList<QPoint> fond;          // pixels of the box left in its background
};

void PrintTo(const CasApercu &c, std::ostream *os) { *os << c.nom; }

const CasApercu kCas[] = {
    // 20 × 10 centred: columns 65..84, rows 70..79.
    {"a small picture sits centred at its own size", QSize(20, 10),
     {QPoint(65, 70), QPoint(84, 79), QPoint(75, 75)},
     {QPoint(64, 75), QPoint(85, 75), QPoint(75, 69), QPoint(75, 80), QPoint(2, 2)}},
    // 300 × 150 scaled to 150 × 75 from the top-left: rows 0..74.
    {"a wide picture is scaled to the box's width from the top-left", QSize(300, 150),
     {QPoint(0, 0), QPoint(149, 0), QPoint(75, 73)},
     {QPoint(75, 77), QPoint(75, 140)}},
    // 100 × 400 scaled to 37.5 × 150 from the top-left.
    {"a tall picture is scaled to the box's height", QSize(100, 400),
     {QPoint(0, 0), QPoint(36, 149), QPoint(10, 75)},
     {QPoint(40, 75), QPoint(140, 10)}},
};

class Apercu : public ::testing::TestWithParam<CasApercu> {};

TEST_P(Apercu, draws_the_selected_picture_by_the_box_rules)
{
    const CasApercu &c = GetParam();
    QTemporaryDir dossier;
    QImage image(c.image, QImage::Format_ARGB32);
    image.fill(kRouge);
    const QString chemin = dossier.filePath(QStringLiteral("image.png"));
    ASSERT_TRUE(image.save(chemin));

    ApercuImage apercu;
    apercu.setFixedSize(150, 150);
    apercu.Charger(chemin);
    ASSERT_FALSE(apercu.vide());
    const QImage vue = apercu.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(vue.size(), QSize(150, 150));
    const QRgb fond = apercu.palette().color(QPalette::Base).rgba();
    for (const QPoint &p : c.rouges)
        EXPECT_EQ(vue.pixel(p), kRouge) << p.x() << "," << p.y();
    for (const QPoint &p : c.fond)
        EXPECT_EQ(vue.pixel(p), fond) << p.x() << "," << p.y();
}

INSTANTIATE_TEST_SUITE_P(Images, Apercu, ::testing::ValuesIn(kCas));

TEST(ApercuVide, a_file_that_is_not_a_picture_or_is_missing_empties_the_preview)
{
    QTemporaryDir dossier;
    QImage image(8, 8, QImage::Format_ARGB32);
    image.fill(kRouge);
    const QString bonne = dossier.filePath(QStringLiteral("bonne.png"));
    ASSERT_TRUE(image.save(bonne));
    const QString mauvaise = dossier.filePath(QStringLiteral("mauvaise.png"));
    ASSERT_TRUE(EcrireFichier(mauvaise, "ceci n'est pas une image"));

    ApercuImage apercu;
    apercu.Charger(bonne);
    ASSERT_FALSE(apercu.vide());
    apercu.Charger(mauvaise);
    EXPECT_TRUE(apercu.vide());
    apercu.Charger(bonne);
    apercu.Charger(dossier.filePath(QStringLiteral("absente.png")));
    EXPECT_TRUE(apercu.vide());
    apercu.Charger(bonne);
    apercu.Charger(dossier.path());
    EXPECT_TRUE(apercu.vide()) << "a folder is not a picture";
}

} // namespace
