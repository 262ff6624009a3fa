// The markup buttons of the text dialog: tags inserted at the caret, wrapped
// around a selection, and removed again when the button goes up.

#include "drawing/bouton_balise.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CasBouton {
    const char *nom;
    TexteEdite avant;
    Balise balise;
    TexteEdite apres;
};

void PrintTo(const CasBouton &c, std::ostream *os) { *os << c.nom; }

TexteEdite T(const char *texte, int debut, int longueur) { return {QString::fromUtf8(texte), debut, longueur}; }

const CasBouton kCas[] = {
    {"bold down wraps the selected word and keeps it selected", T("un mot ici", 3, 3), Balise::Gras,
     T("un <b>mot</b> ici", 6, 3)},
    {"bold up removes both tags and keeps the word selected", T("un <b>mot</b> ici", 6, 3), Balise::FinGras,
     T("un mot ici", 3, 3)},
    {"up without the opening tag just before changes nothing", T("un mot ici", 3, 3), Balise::FinGras,
     T("un mot ici", 3, 3)},
    {"up with another kind's tag before changes nothing", T("<i>mot", 3, 3), Balise::FinGras, T("<i>mot", 3, 3)},
    {"up removes the opening tag even without the closing one after", T("<b>mot ici", 3, 3), Balise::FinGras,
     T("mot ici", 0, 3)},
    {"down at the caret inserts the opening tag before the caret", T("m2", 1, 0), Balise::Exposant,
     T("m<sup>2", 6, 0)},
    {"up at the caret inserts the closing tag", T("m<sup>2", 7, 0), Balise::FinExposant, T("m<sup>2</sup>", 13, 0)},
    {"subscript around the last character", T("H2", 1, 1), Balise::Indice, T("H<sub>2</sub>", 6, 1)},
    {"underline on an empty text", T("", 0, 0), Balise::Souligne, T("<u>", 3, 0)},
    {"italic around a selection spanning lines", T("a\nb", 0, 3), Balise::Italique, T("<i>a\nb</i>", 3, 3)},
    {"a selection past the end is brought back into the text", T("ab", 5, 3), Balise::Gras, T("ab<b>", 5, 0)},
};

class BoutonBalise : public ::testing::TestWithParam<CasBouton> {};

TEST_P(BoutonBalise, edits_the_text_as_the_button_rules_say)
{
    const CasBouton &c = GetParam();
    const TexteEdite r = AppliquerBoutonBalise(c.avant, c.balise);
    EXPECT_EQ(r.texte, c.apres.texte);
    EXPECT_EQ(r.debut, c.apres.debut);
    EXPECT_EQ(r.longueur, c.apres.longueur);
}

INSTANTIATE_TEST_SUITE_P(Dialogue, BoutonBalise, ::testing::ValuesIn(kCas));

TEST(BoutonBalise, down_then_up_on_the_same_selection_gives_the_text_back)
{
    const TexteEdite depart = T("10 m2 par seconde", 4, 1);
    for (Balise b : {Balise::Gras, Balise::Italique, Balise::Souligne, Balise::Exposant, Balise::Indice}) {
        const TexteEdite baliste = AppliquerBoutonBalise(depart, b);
        EXPECT_EQ(baliste.texte.mid(baliste.debut, baliste.longueur), QStringLiteral("2"));
        EXPECT_EQ(AppliquerBoutonBalise(baliste, BaliseFermante(b)), depart);
    }
}

} // namespace
