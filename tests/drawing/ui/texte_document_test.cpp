// The text tool as a pupil uses it in the program: a press with the text
// tool opens "Saisie d'un texte", the formula typed is placed through the
// floating layer and "Disposer la légende", confirmed, undone, placed again,
// and found again after another element is deleted and the layer rebuilt.
// Pictures are saved in KAPTORI_CAPTURES when that names a folder.

#include "app/ui/main_window.h"
#include "document/dessins_document.h"
#include "document/ui/fenetre_document.h"
#include "document/ui/fenetre_placement.h"
#include "drawing/reglages_dessin.h"
#include "drawing/ui/saisie_texte.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>
#include <gtest/gtest.h>

namespace {

void Capturer(QWidget *w, const char *nom)
{
    const QByteArray dossier = qgetenv("KAPTORI_CAPTURES");
    if (!dossier.isEmpty())
        w->grab().save(QDir(QString::fromLocal8Bit(dossier)).filePath(QString::fromLatin1(nom)));
}

template <typename F>
bool Attendre(F condition)
{
    for (int i = 0; i < 200 && !condition(); ++i)
        QTest::qWait(10);
    return condition();
}

class TexteDocument : public ::testing::Test {
protected:
    void SetUp() override
    {
        ancien_ = QDir::currentPath();
        QDir::setCurrent(dossier_.path());
        cadre_ = std::make_unique<TMainForm>();
        cadre_->resize(900, 650);
        cadre_->show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(cadre_.get()));
        fenetre_ = cadre_->CreerDocument(QStringLiteral("Nouveau 1"));
        QImage image(360, 200, QImage::Format_ARGB32);
        image.fill(0xFFF4F0E8);
        fenetre_->document().image = image;
        fenetre_->Rafraichir();
        fenetre_->showMaximized();
        QTest::qWait(20);
    }

    void TearDown() override
    {
        cadre_.reset();
        QDir::setCurrent(ancien_);
    }

    // A press of the text tool at an image pixel, the dialog filled and
    // confirmed as the user would.
    void TaperEtPlacer(QPoint pixel, const QString &texte)
    {
        cadre_->boutonsOutils[ImageDocument::OutilTexte]->trigger();
        QTimer::singleShot(30, [texte] {
            TSaisieTexte &d = TSaisieTexte::Instance();
            QFont f(QStringLiteral("DejaVu Sans"));
            f.setPointSize(16);
            d.DefinirPolice(f);
            d.TexteSaisi->setPlainText(texte);
            QTest::mouseClick(d.boutonOk, Qt::LeftButton);
        });
        QWidget *vue = fenetre_->vue()->viewport();
        const QPoint ecran = VersVue(pixel);
        QTest::mousePress(vue, Qt::LeftButton, {}, ecran);
        QTest::mouseRelease(vue, Qt::LeftButton, {}, ecran);
        ASSERT_TRUE(Attendre([this] { return fenetre_->document().placementEnCours; }));
    }

    QPoint VersVue(QPoint pixel) const
    {
        const QPointF o = fenetre_->vue()->OrigineImage();
        return QPoint(qRound(o.x() + pixel.x() * fenetre_->document().zoom),
                      qRound(o.y() + pixel.y() * fenetre_->document().zoom));
    }

    void Confirmer()
    {
        TContLegEch *placement = fenetre_->fenetrePlacement();
        ASSERT_NE(placement, nullptr);
        placement->accept();
        ASSERT_TRUE(Attendre([this] { return !fenetre_->document().placementEnCours; }));
    }

    QTemporaryDir dossier_;
    QString ancien_;
    std::unique_ptr<TMainForm> cadre_;
    TMDIChild *fenetre_ = nullptr;
};

TEST_F(TexteDocument, a_formula_is_typed_placed_undone_placed_again_and_survives_a_rebuild)
{
    ImageDocument &doc = fenetre_->document();
    TaperEtPlacer(QPoint(40, 30), QStringLiteral("H<sub>2</sub>O\nm<sup>2</sup>"));
    TContLegEch *placement = fenetre_->fenetrePlacement();
    ASSERT_TRUE(placement->isVisible());
    EXPECT_EQ(placement->mode(), TContLegEch::ModeTexte);
    EXPECT_EQ(doc.coucheFlottante.position, QPointF(40, 30));
    Capturer(placement, "disposer_legende.png");
    const int replie = placement->height();
    EXPECT_GE(replie, 98); // more when the font needs it
    placement->BasculerInstructions();
    EXPECT_GE(placement->height(), 170);
    EXPECT_EQ(placement->voirInstructions->text(), QStringLiteral("masquer instructions"));
    Capturer(placement, "disposer_legende_instructions.png");
    placement->BasculerInstructions();
    EXPECT_EQ(placement->height(), replie);
    Capturer(cadre_.get(), "texte_en_placement.png");

    Confirmer();
    ASSERT_EQ(doc.dessins.Nombre(), 1);
    EXPECT_EQ(doc.dessins.NomNumero(0), QStringLiteral("Texte 1"));
    EXPECT_EQ(doc.dessins.ElementNumero(0)->XAncre, 40);
    EXPECT_TRUE(cadre_->actAnnuler->isEnabled());

    cadre_->actAnnuler->trigger();
    EXPECT_EQ(doc.dessins.Nombre(), 0);
    EXPECT_FALSE(doc.ProvisoireNonVide());

    // A line drawn first, then the text placed again with "Non".
    cadre_->boutonsOutils[1]->trigger();
    QWidget *vue = fenetre_->vue()->viewport();
    QTest::mousePress(vue, Qt::LeftButton, {}, VersVue(QPoint(20, 180)));
    QTest::mouseMove(vue, VersVue(QPoint(200, 180)));
    QTest::mouseRelease(vue, Qt::LeftButton, {}, VersVue(QPoint(200, 180)));
    ASSERT_EQ(doc.dessins.Nombre(), 1);

    TaperEtPlacer(QPoint(60, 50), QStringLiteral("H<sub>2</sub>O\nm<sup>2</sup>"));
    fenetre_->fenetrePlacement()->boutonNon->setChecked(true);
    EXPECT_TRUE(doc.coucheFlottante.opaque);
    Confirmer();
    ASSERT_EQ(doc.dessins.Nombre(), 2);
    EXPECT_FALSE(doc.dessins.ElementNumero(1)->Transparent);
    doc.FusionnerProvisoire();
    const QImage avant = doc.coucheDessin.copy(60, 50, 120, 70);
    Capturer(cadre_.get(), "formule_placee.png");

    SupprimerElement(doc, 0, ReglagesDessinProgramme().Contexte());
    ASSERT_EQ(doc.dessins.Nombre(), 1);
    EXPECT_EQ(doc.coucheDessin.copy(60, 50, 120, 70), avant) << "the rebuilt text is the text placed";
    EXPECT_EQ(qAlpha(doc.coucheDessin.pixel(100, 180)), 0u) << "the deleted line is gone";
    fenetre_->fenetrePlacement()->boutonOui->setChecked(true);
}

TEST_F(TexteDocument, choosing_another_tool_while_placing_cancels_and_closes_the_window)
{
    TaperEtPlacer(QPoint(10, 10), QStringLiteral("a < b"));
    cadre_->boutonsOutils[0]->trigger();
    EXPECT_FALSE(fenetre_->document().placementEnCours);
    EXPECT_FALSE(fenetre_->fenetrePlacement()->isVisible());
    EXPECT_EQ(fenetre_->document().dessins.Nombre(), 0);
}

} // namespace
