// The text dialog as a user drives it: markup buttons on a selection,
// alignment, font choice, and what the dialog hands over; the one-line
// markup label. Pictures of both are saved in the test's folder when
// KAPTORI_CAPTURES names a folder.

#include "drawing/ui/etiquette2.h"
#include "drawing/etiquette_balisee.h"
#include "drawing/ui/saisie_texte.h"

#include <QButtonGroup>
#include <QDir>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTextEdit>
#include <QToolButton>
#include <gtest/gtest.h>

namespace {

void Capturer(QWidget &w, const char *nom)
{
    const QByteArray dossier = qgetenv("KAPTORI_CAPTURES");
    if (!dossier.isEmpty())
        w.grab().save(QDir(QString::fromLocal8Bit(dossier)).filePath(QString::fromLatin1(nom)));
}

class SaisieTexte : public ::testing::Test {
protected:
    void SetUp() override
    {
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setPointSize(12);
        dialogue.DefinirPolice(f);
        dialogue.Preparer(0xFF0000FF, 0xFFFFFFE0);
        dialogue.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogue));
    }

    void Saisir(const QString &texte, int debut, int longueur)
    {
        dialogue.TexteSaisi->setPlainText(texte);
        QTextCursor c = dialogue.TexteSaisi->textCursor();
        c.setPosition(debut);
        c.setPosition(debut + longueur, QTextCursor::KeepAnchor);
        dialogue.TexteSaisi->setTextCursor(c);
    }

    [[nodiscard]] QString Selection() const { return dialogue.TexteSaisi->textCursor().selectedText(); }

    TSaisieTexte dialogue;
};

TEST_F(SaisieTexte, bold_button_wraps_the_selected_word_and_removes_the_tags_when_pressed_again)
{
    Saisir(QStringLiteral("un mot ici"), 3, 3);
    QTest::mouseClick(dialogue.gras, Qt::LeftButton);
    EXPECT_TRUE(dialogue.gras->isChecked());
    EXPECT_EQ(dialogue.TexteSaisi->toPlainText(), QStringLiteral("un <b>mot</b> ici"));
    EXPECT_EQ(Selection(), QStringLiteral("mot"));

    QTest::mouseClick(dialogue.gras, Qt::LeftButton);
    EXPECT_FALSE(dialogue.gras->isChecked());
    EXPECT_EQ(dialogue.TexteSaisi->toPlainText(), QStringLiteral("un mot ici"));
    EXPECT_EQ(Selection(), QStringLiteral("mot"));
}

TEST_F(SaisieTexte, the_previous_text_shows_from_its_start_selected_and_typing_replaces_it)
{
    QStringList lignes;
    for (int i = 1; i <= 40; ++i)
        lignes << QStringLiteral("ligne %1").arg(i);
    dialogue.TexteSaisi->setPlainText(lignes.join(QLatin1Char('\n')));
    dialogue.TexteSaisi->moveCursor(QTextCursor::End); // where the last typing left it
    dialogue.hide();
    dialogue.Preparer(0xFF0000FF, 0xFFFFFFE0);
    dialogue.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&dialogue));
    EXPECT_EQ(dialogue.TexteSaisi->verticalScrollBar()->value(), 0);
    EXPECT_EQ(dialogue.TexteSaisi->textCursor().selectedText().size(), lignes.join(QLatin1Char('\n')).size());
    QTest::keyClicks(dialogue.TexteSaisi, QStringLiteral("neuf"));
    EXPECT_EQ(dialogue.TexteSaisi->toPlainText(), QStringLiteral("neuf"));
}

TEST_F(SaisieTexte, typing_a_formula_with_the_subscript_button)
{
    Saisir(QString(), 0, 0);
    QTest::keyClicks(dialogue.TexteSaisi, QStringLiteral("H"));
    QTest::mouseClick(dialogue.indice, Qt::LeftButton);
    QTest::keyClicks(dialogue.TexteSaisi, QStringLiteral("2"));
    QTest::mouseClick(dialogue.indice, Qt::LeftButton);
    QTest::keyClicks(dialogue.TexteSaisi, QStringLiteral("O"));
    QTest::keyClick(dialogue.TexteSaisi, Qt::Key_Return);
    QTest::keyClicks(dialogue.TexteSaisi, QStringLiteral("m"));
    QTest::mouseClick(dialogue.exposant, Qt::LeftButton);
    QTest::keyClicks(dialogue.TexteSaisi, QStringLiteral("2"));
    QTest::mouseClick(dialogue.exposant, Qt::LeftButton);
    dialogue.Alignement->button(1)->click();
    Capturer(dialogue, "saisie_texte.png");

    const TexteAPlacer t = dialogue.Texte();
    EXPECT_EQ(t.lignes, (QStringList{QStringLiteral("H<sub>2</sub>O"), QStringLiteral("m<sup>2</sup>")}));
    EXPECT_EQ(t.alignement, 1);
    EXPECT_EQ(t.couleur, 0xFF0000FFu);
    EXPECT_EQ(t.police.family(), QStringLiteral("DejaVu Sans"));
    EXPECT_EQ(dialogue.TexteSaisi->document()->defaultTextOption().alignment(), Qt::AlignHCenter);
}

TEST_F(SaisieTexte, font_button_gives_the_edit_field_the_chosen_font)
{
    QFont choisie(QStringLiteral("DejaVu Serif"));
    choisie.setPointSize(20);
    choisie.setBold(true);
    dialogue.choisirPolice = [&](const QFont &, QWidget *) -> std::optional<QFont> { return choisie; };
    QTest::mouseClick(dialogue.boutonFonte, Qt::LeftButton);
    EXPECT_EQ(dialogue.Texte().police, choisie);

    dialogue.choisirPolice = [](const QFont &, QWidget *) -> std::optional<QFont> { return std::nullopt; };
    QTest::mouseClick(dialogue.boutonFonte, Qt::LeftButton);
    EXPECT_EQ(dialogue.Texte().police, choisie) << "cancelling the font dialog keeps the font";
}

TEST_F(SaisieTexte, shows_its_french_captions)
{
    EXPECT_EQ(dialogue.windowTitle(), QStringLiteral("Saisie d'un texte"));
    EXPECT_EQ(dialogue.boutonFonte->text(), QStringLiteral("Fonte"));
    EXPECT_EQ(dialogue.boutonAnnuler->text(), QStringLiteral("Annuler"));
    EXPECT_EQ(dialogue.Alignement->button(2)->text(), QStringLiteral("à droite"));
    EXPECT_EQ(dialogue.IndiceAlignement(), 0);
}

TEST(Etiquette2, takes_the_size_of_its_caption_and_follows_caption_changes)
{
    TEtiquette2 etiquette;
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(12);
    etiquette.setFont(f);
    etiquette.setColor(Qt::white);
    etiquette.setCaption(QStringLiteral("S = 12,5 cm<sup>2</sup>"));
    const QSize avecExposant = etiquette.size();
    EXPECT_EQ(avecExposant, etiquette.sizeHint());
    Capturer(etiquette, "etiquette2.png");

    const MesureEtiquette m = MesurerEtiquette(f, etiquette.logicalDpiY(), etiquette.Caption());
    EXPECT_EQ(avecExposant, QSize(m.largeurTexte + 2, m.hauteur + 2));

    etiquette.setCaption(QStringLiteral("S = 12,5 cm<sup>2</sup> par seconde"));
    EXPECT_GT(etiquette.width(), avecExposant.width()) << "a longer caption widens the label";

    etiquette.setAutoSize(false);
    etiquette.resize(300, 40);
    etiquette.setCaption(QStringLiteral("x"));
    EXPECT_EQ(etiquette.size(), QSize(300, 40));
}

TEST(Etiquette2, paints_the_caption_aligned_right_over_its_colour)
{
    TEtiquette2 etiquette;
    etiquette.setAutoSize(false);
    etiquette.resize(200, 30);
    etiquette.setColor(QColor(0xFF, 0xFF, 0xFF));
    etiquette.setAlignment(Qt::AlignRight);
    etiquette.setCaption(QStringLiteral("m<sup>2</sup>"));
    const QImage im = etiquette.grab().toImage().convertToFormat(QImage::Format_ARGB32);
    int gauche = im.width();
    for (int y = 0; y < im.height(); ++y)
        for (int x = 0; x < im.width(); ++x)
            if (im.pixel(x, y) != 0xFFFFFFFFu)
                gauche = std::min(gauche, x);
    EXPECT_GT(gauche, 150) << "right-aligned text starts near the right edge";
    EXPECT_LT(gauche, 200);
}

} // namespace
