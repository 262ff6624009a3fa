// The about box reads "kpr.cfg" from the current directory each time it is
// built: line 1 names the box after "A propos de ", line 2 is the product,
// line 4 a logo picture. A missing file reveals one extra credit line; a logo
// that exists but cannot be read reveals two and keeps the built-in logo.

#include "app/ui/a_propos.h"
#include "support/fichier_essai.h"

#include <QDir>
#include <QFile>
#include <QLabel>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <ostream>

namespace {

enum class Logo { Aucun, Lisible, Illisible };

struct CasAPropos {
    const char *nom;
    QByteArray kpr;          // content of "kpr.cfg" (Windows-1252, CR LF)
    Logo logo;               // what "logo.png" holds, when it is written
    const char *titre;       // expected caption (UTF-8)
    const char *produit;     // expected product name (UTF-8)
    bool logoDuFichier;      // the logo label shows logo.png
    bool creditsLogoVisibles;
};

void PrintTo(const CasAPropos &c, std::ostream *os) { *os << c.nom; }

const CasAPropos kCas[] = {
    {"four lines with a readable logo", "Kaptori coll\xe8ge\r\nKaptori des \xe9l\xe8ves\r\n\r\nlogo.png\r\n",
     Logo::Lisible, "A propos de Kaptori collège", "Kaptori des élèves", true, false},
    {"a single line", "Kaptori lyc\xe9\x65\r\n", Logo::Lisible, "A propos de Kaptori lycée", "", false, false},
    {"logo line naming a missing file", "Titre\r\nProduit\r\n\r\nabsent.png\r\n", Logo::Aucun, "A propos de Titre",
     "Produit", false, false},
    {"logo file that is not a picture", "Titre\r\nProduit\r\n\r\nlogo.png\r\n", Logo::Illisible, "A propos de Titre",
     "Produit", false, true},
    // Written on Windows: "\" between folders, the case of the name free.
    {"logo named with a Windows separator and another case", "Titre\r\nProduit\r\n\r\n.\\LOGO.PNG\r\n",
     Logo::Lisible, "A propos de Titre", "Produit", true, false},
    {"lines ending with LF only", "Titre\nProduit\n\nlogo.png", Logo::Lisible, "A propos de Titre", "Produit", true,
     false},
};

QImage LogoDeTest()
{
    QImage image(64, 20, QImage::Format_ARGB32);
    image.fill(0xFF2060A0);
    for (int y = 0; y < 20; ++y)
        reinterpret_cast<QRgb *>(image.scanLine(y))[y] = 0xFFFFFF00;
    return image;
}

class AProposLitKprCfg : public ::testing::TestWithParam<CasAPropos> {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dossier_.isValid());
        ancien_ = QDir::currentPath();
        QDir::setCurrent(dossier_.path());
    }
    void TearDown() override { QDir::setCurrent(ancien_); }
    void Ecrire(const QString &nom, const QByteArray &contenu) const
    {
        ASSERT_TRUE(EcrireFichier(dossier_.filePath(nom), contenu));
    }

    QTemporaryDir dossier_;
    QString ancien_;
};

TEST_P(AProposLitKprCfg, names_the_box_the_product_and_the_logo_from_its_lines)
{
    const CasAPropos &c = GetParam();
    Ecrire(QStringLiteral("kpr.cfg"), c.kpr);
    if (c.logo == Logo::Lisible)
        ASSERT_TRUE(LogoDeTest().save(dossier_.filePath(QStringLiteral("logo.png"))));
    else if (c.logo == Logo::Illisible)
        Ecrire(QStringLiteral("logo.png"), "pas une image");

    TAPropos boite;
    EXPECT_EQ(boite.windowTitle(), QString::fromUtf8(c.titre));
    EXPECT_EQ(boite.produit->text(), QString::fromUtf8(c.produit));
    EXPECT_EQ(boite.version->text(), QStringLiteral("Version 3.2  pour W9x.. XP"));
    const QImage montre = boite.logo->pixmap().toImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(montre == LogoDeTest(), c.logoDuFichier);
    EXPECT_FALSE(montre.isNull()) << "a logo is always shown";
    EXPECT_TRUE(boite.creditSansConfiguration->isHidden()) << "kpr.cfg was there";
    EXPECT_EQ(!boite.creditLogo1->isHidden(), c.creditsLogoVisibles);
    EXPECT_EQ(!boite.creditLogo2->isHidden(), c.creditsLogoVisibles);
}

INSTANTIATE_TEST_SUITE_P(Fichiers, AProposLitKprCfg, ::testing::ValuesIn(kCas));

TEST(APropos, is_modal_and_stays_on_top_with_its_fixed_texts)
{
    TAPropos boite;
    EXPECT_TRUE(boite.isModal());
    EXPECT_TRUE(boite.windowFlags() & Qt::WindowStaysOnTopHint);
    QStringList textes;
    for (QLabel *l : boite.findChildren<QLabel *>())
        textes.append(l->text());
    EXPECT_TRUE(textes.contains(QStringLiteral("Logiciel de travail \nsur les images")));
    EXPECT_TRUE(textes.contains(QStringLiteral("avec la participation de :")));
}

} // namespace
