// The player's commands and what each leaves enabled, at both ends of a
// three-frame animation, with and without "Boucle", and the interval on the
// player's clock.

#include "animation/lecteur_animation.h"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <vector>

namespace {

enum class Cmd { Debut, Prec, Suiv, Dern, Avance, Pause, Tic };

// Enabled commands: "Retour au début", "Précédente", "Suivante", "Dernière image".
struct Etat {
    int index;
    bool retour, precedente, suivante, derniere, lecture;
};

struct CasCommandes {
    const char *nom;
    bool boucle;
    std::vector<Cmd> commandes;
    Etat attendu;
};

void PrintTo(const CasCommandes &c, std::ostream *os) { *os << c.nom; }

void Executer(LecteurAnimation &l, Cmd c)
{
    switch (c) {
    case Cmd::Debut: l.RetourAuDebut(); break;
    case Cmd::Prec: l.Precedente(); break;
    case Cmd::Suiv: l.Suivante(); break;
    case Cmd::Dern: l.DerniereImage(); break;
    case Cmd::Avance: l.Avance(); break;
    case Cmd::Pause: l.PauseArret(); break;
    case Cmd::Tic: l.Tic(); break;
    }
}

class CommandesLecteur : public ::testing::TestWithParam<CasCommandes> {};

TEST_P(CommandesLecteur, LeaveTheFrameAndTheEnabledCommandsOfTheTable)
{
    const CasCommandes &c = GetParam();
    LecteurAnimation l;
    l.DefinirBoucle(c.boucle);
    l.Charger(3);
    for (Cmd cmd : c.commandes)
        Executer(l, cmd);
    EXPECT_EQ(l.index(), c.attendu.index);
    EXPECT_EQ(l.retourActif(), c.attendu.retour);
    EXPECT_EQ(l.precedenteActive(), c.attendu.precedente);
    EXPECT_EQ(l.suivanteActive(), c.attendu.suivante);
    EXPECT_EQ(l.derniereActive(), c.attendu.derniere);
    EXPECT_EQ(l.enLecture(), c.attendu.lecture);
}

INSTANTIATE_TEST_SUITE_P(
    Tableau, CommandesLecteur,
    ::testing::Values(
        CasCommandes{"loaded", true, {}, {0, false, false, true, true, false}},
        CasCommandes{"next_from_first", true, {Cmd::Suiv}, {1, true, true, true, true, false}},
        CasCommandes{"next_to_last", true, {Cmd::Suiv, Cmd::Suiv}, {2, true, true, false, false, false}},
        CasCommandes{"next_at_last_stays", true, {Cmd::Dern, Cmd::Suiv}, {2, true, true, false, false, false}},
        CasCommandes{"previous_to_first", true, {Cmd::Suiv, Cmd::Prec}, {0, false, false, true, true, false}},
        CasCommandes{"previous_at_first_stays", true, {Cmd::Prec}, {0, false, false, true, true, false}},
        CasCommandes{"previous_from_last", true, {Cmd::Dern, Cmd::Prec}, {1, true, true, true, true, false}},
        CasCommandes{"last", true, {Cmd::Dern}, {2, true, true, false, false, false}},
        CasCommandes{"back_to_start", true, {Cmd::Dern, Cmd::Debut}, {0, false, false, true, true, false}},
        CasCommandes{"playing_disables_steps", true, {Cmd::Suiv, Cmd::Avance}, {1, false, false, false, false, true}},
        CasCommandes{"pause_in_the_middle", true, {Cmd::Avance, Cmd::Tic, Cmd::Pause}, {1, true, true, true, true, false}},
        CasCommandes{"pause_at_first", true, {Cmd::Avance, Cmd::Pause}, {0, false, false, true, true, false}},
        CasCommandes{"pause_at_last", true, {Cmd::Dern, Cmd::Avance, Cmd::Pause}, {2, true, true, false, false, false}},
        CasCommandes{"loop_goes_back_to_first", true, {Cmd::Avance, Cmd::Tic, Cmd::Tic, Cmd::Tic},
                     {0, false, false, false, false, true}},
        CasCommandes{"no_loop_stops_on_last", false, {Cmd::Avance, Cmd::Tic, Cmd::Tic, Cmd::Tic},
                     {2, true, true, false, false, false}}),
    [](const ::testing::TestParamInfo<CasCommandes> &info) { return std::string(info.param.nom); });

TEST(HorlogeLecteur, IntervalTwentyShowsOneFramePerSecond)
{
    LecteurAnimation l;
    l.Charger(5);
    EXPECT_EQ(l.intervalleMs(), 100); // a new animation plays at 100 ms
    l.DefinirTemporisation(20);
    l.Avance();
    l.Avancer(999);
    EXPECT_EQ(l.index(), 0);
    l.Avancer(1);
    EXPECT_EQ(l.index(), 1);
    l.Avancer(3000);
    EXPECT_EQ(l.index(), 4);
}

TEST(HorlogeLecteur, TheClockDoesNothingWhilePausedAndTheIntervalStaysInItsRange)
{
    LecteurAnimation l;
    l.Charger(3);
    l.Avancer(10'000);
    EXPECT_EQ(l.index(), 0);
    l.DefinirTemporisation(0);
    EXPECT_EQ(l.intervalleMs(), 50);
    l.DefinirTemporisation(500);
    EXPECT_EQ(l.intervalleMs(), 5000);
}

TEST(HorlogeLecteur, WithoutLoopPlayingEndsOnTheLastFrame)
{
    LecteurAnimation l;
    l.DefinirBoucle(false);
    l.Charger(3);
    l.Avance();
    l.Avancer(100 * 10);
    EXPECT_EQ(l.index(), 2);
    EXPECT_FALSE(l.enLecture());
    EXPECT_FALSE(l.suivanteActive());
    EXPECT_FALSE(l.derniereActive());
}

} // namespace
