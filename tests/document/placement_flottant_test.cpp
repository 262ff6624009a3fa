// Placing a text on a document through the floating layer: what the
// provisional layer receives with "Oui" and "Non", the element made, what
// Cancel leaves, the tool after a legend or a paste, and the text found again
// after undo and after the layer is rebuilt.

#include "document/dessins_document.h"
#include "document/placement_flottant.h"
#include "drawing/element_texte.h"
#include "support/dessins_essai.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kFond = 0xFF00FF00; // background colour of the drawing settings

class Placement : public ::testing::Test {
protected:
    void SetUp() override
    {
        doc.image = QImage(160, 80, QImage::Format_ARGB32);
        doc.image.fill(0xFFFFFFFF);
        doc.CreerCoucheDessin();
        doc.CreerCoucheProvisoire(255);
        doc.outilCourant = ImageDocument::OutilTexte;
        texte.police = QFont(QStringLiteral("DejaVu Sans"));
        texte.police.setPointSize(12);
        texte.couleur = 0xFF0000C0;
        texte.lignes = {QStringLiteral("H<sub>2</sub>O"), QStringLiteral("m<sup>2</sup>")};
        flottante = ImageFlottanteTexte(texte, kFond);
    }

    void PlacerTexte(QPointF coin)
    {
        CommencerPlacement(doc, PlacementTexte, flottante, coin, true,
                           ElementDeTexte(texte, QPoint(), true, kFond, 255));
    }

    // The provisional layer under the placed picture, pixel by pixel.
    void VerifierPose(QPoint coin, bool transparent, const QImage &couche)
    {
        int encre = 0;
        for (int y = 0; y < flottante.height(); ++y)
            for (int x = 0; x < flottante.width(); ++x) {
                const QRgb f = flottante.pixel(x, y);
                const QRgb p = couche.pixel(coin.x() + x, coin.y() + y);
                if (qAlpha(f) == 0) {
                    ASSERT_EQ(transparent ? qAlpha(p) : p, transparent ? 0u : kFond) << x << "," << y;
                } else {
                    ASSERT_EQ(p, f) << x << "," << y;
                    ++encre;
                }
            }
        EXPECT_GT(encre, 0);
    }

    ImageDocument doc;
    TexteAPlacer texte;
    QImage flottante;
};

TEST_F(Placement, confirmed_with_oui_the_background_stays_transparent_and_a_text_element_is_made)
{
    PlacerTexte(QPointF(10.5, 3.5)); // the corner rounds to (10, 4), halves to even
    ASSERT_TRUE(doc.placementEnCours);
    EXPECT_TRUE(ValiderPlacement(doc, true, true));
    VerifierPose(QPoint(10, 4), true, doc.coucheProvisoire);
    ASSERT_EQ(doc.dessins.Nombre(), 1);
    EXPECT_EQ(doc.dessins.NomNumero(0), QStringLiteral("Texte 1"));
    const TDessin &d = *doc.dessins.ElementNumero(0);
    EXPECT_EQ(d.Genre, GenreTexte);
    EXPECT_EQ(d.XAncre, 10);
    EXPECT_EQ(d.YAncre, 4);
    EXPECT_TRUE(d.Transparent);
    EXPECT_FALSE(doc.placementEnCours);
    EXPECT_FALSE(doc.coucheFlottante.visible);
    EXPECT_TRUE(doc.etatDessin.NonFusionne);
    EXPECT_EQ(doc.outilCourant, ImageDocument::OutilTexte);
}

TEST_F(Placement, confirmed_with_non_the_background_is_drawn_in_the_background_colour)
{
    PlacerTexte(QPointF(20, 10));
    EXPECT_TRUE(ValiderPlacement(doc, true, false));
    VerifierPose(QPoint(20, 10), false, doc.coucheProvisoire);
    EXPECT_FALSE(doc.dessins.ElementNumero(0)->Transparent);
}

TEST_F(Placement, cancelled_leaves_nothing)
{
    PlacerTexte(QPointF(20, 10));
    EXPECT_FALSE(ValiderPlacement(doc, false, true));
    EXPECT_EQ(doc.dessins.Nombre(), 0);
    EXPECT_FALSE(doc.ProvisoireNonVide());
    EXPECT_FALSE(doc.placementEnCours);
    EXPECT_FALSE(doc.coucheFlottante.visible);
    EXPECT_EQ(doc.etatDessin.CompteurElements, 0);
}

struct CasOutil {
    const char *nom;
    int mode;
    bool confirme;
    int outilApres;
};

void PrintTo(const CasOutil &c, std::ostream *os) { *os << c.nom; }

class OutilApresPlacement : public Placement, public ::testing::WithParamInterface<CasOutil> {};

TEST_P(OutilApresPlacement, a_legend_or_a_paste_hands_back_the_measuring_tool)
{
    const CasOutil &c = GetParam();
    CommencerPlacement(doc, c.mode, flottante, QPointF(0, 0), true);
    ValiderPlacement(doc, c.confirme, true);
    EXPECT_EQ(doc.outilCourant, c.outilApres);
    EXPECT_EQ(doc.dessins.Nombre(), 0) << "no element without one brought to the placement";
}

const CasOutil kCasOutil[] = {
    {"text confirmed keeps the text tool", PlacementTexte, true, ImageDocument::OutilTexte},
    {"text cancelled keeps the text tool", PlacementTexte, false, ImageDocument::OutilTexte},
    {"legend confirmed", PlacementLegende, true, ImageDocument::OutilMesure},
    {"legend cancelled", PlacementLegende, false, ImageDocument::OutilMesure},
    {"paste confirmed", PlacementCollage, true, ImageDocument::OutilMesure},
    {"paste cancelled", PlacementCollage, false, ImageDocument::OutilMesure},
};
INSTANTIATE_TEST_SUITE_P(Placement, OutilApresPlacement, ::testing::ValuesIn(kCasOutil));

TEST_F(Placement, a_measurement_line_is_discarded_and_an_unmerged_drawing_merged_first)
{
    doc.coucheProvisoire.setPixel(150, 70, 0xFFFF0000);
    doc.etatDessin.LigneMesure = true;
    PlacerTexte(QPointF(0, 0));
    ValiderPlacement(doc, true, true);
    EXPECT_EQ(qAlpha(doc.coucheProvisoire.pixel(150, 70)), 0u);
    EXPECT_EQ(qAlpha(doc.coucheDessin.pixel(150, 70)), 0u);
    EXPECT_FALSE(doc.etatDessin.LigneMesure);

    doc.FusionnerProvisoire();
    doc.coucheProvisoire.setPixel(150, 70, 0xFFFF0000);
    doc.etatDessin.NonFusionne = true;
    PlacerTexte(QPointF(0, 40));
    ValiderPlacement(doc, true, true);
    EXPECT_EQ(doc.coucheDessin.pixel(150, 70), 0xFFFF0000u) << "the earlier drawing is merged, not overwritten";
    EXPECT_EQ(qAlpha(doc.coucheProvisoire.pixel(150, 70)), 0u) << "the provisional layer holds the text alone";
}

TEST_F(Placement, undo_removes_the_text_and_a_rebuild_draws_it_again_where_it_was_placed)
{
    const ContexteDessin contexte;
    auto trait = TraitOpaque(100, 75, 150, 75);
    Dessiner(*trait, doc.image, doc.coucheDessin, contexte);
    AjouterElementNomme(doc, std::move(trait));

    PlacerTexte(QPointF(5, 5));
    ValiderPlacement(doc, true, true);
    AnnulerDernier(doc, contexte);
    EXPECT_EQ(doc.dessins.Nombre(), 1);
    EXPECT_FALSE(doc.ProvisoireNonVide());

    PlacerTexte(QPointF(30, 12));
    ValiderPlacement(doc, true, true);
    EXPECT_EQ(doc.dessins.NomNumero(1), QStringLiteral("Texte 3"));
    doc.FusionnerProvisoire();
    VerifierPose(QPoint(30, 12), true, doc.coucheDessin);

    SupprimerElement(doc, 0, contexte); // deleting the line rebuilds the layer from the list
    ASSERT_EQ(doc.dessins.Nombre(), 1);
    VerifierPose(QPoint(30, 12), true, doc.coucheDessin);
    EXPECT_EQ(qAlpha(doc.coucheDessin.pixel(120, 75)), 0u) << "the deleted line is gone";
}

} // namespace
