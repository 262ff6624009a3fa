// Work run off the interface thread: the frame keeps handling its events
// meanwhile, a long work shows its text and a busy bar in the status bar
// (and takes them away at its end), no window closes until it ends, and its
// error reaches the caller.

#include "app/ui/travail_en_fond.h"
#include "commun/erreur.h"

#include <QLabel>
#include <QMainWindow>
#include <QProgressBar>
#include <QStatusBar>
#include <QTimer>

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace {

using namespace std::chrono_literals;

QWidget *Indicateur(QStatusBar *barre)
{
    return barre->findChild<QWidget *>(QStringLiteral("indicateurTravail"));
}

TEST(TravailEnFond, UnTravailLongSAfficheDansLaBarreDEtatPendantQueLaFenetreVit)
{
    QMainWindow fenetre;
    fenetre.show();
    QString texteVu;
    bool barreVue = false;
    int tics = 0;
    QTimer horloge;
    QObject::connect(&horloge, &QTimer::timeout, [&] {
        ++tics;
        if (QWidget *i = Indicateur(fenetre.statusBar()); i != nullptr && i->isVisible()) {
            if (auto *texte = i->findChild<QLabel *>())
                texteVu = texte->text();
            barreVue = i->findChild<QProgressBar *>() != nullptr;
        }
    });
    horloge.start(50);
    ExecuterEnFond(fenetre.statusBar(), QStringLiteral("Enregistrement de carte.png…"),
                   [] { std::this_thread::sleep_for(1200ms); });
    horloge.stop();
    EXPECT_GE(tics, 10); // the frame's own events ran all along
    EXPECT_EQ(texteVu, QStringLiteral("Enregistrement de carte.png…"));
    EXPECT_TRUE(barreVue);
    EXPECT_EQ(Indicateur(fenetre.statusBar()), nullptr);
}

TEST(TravailEnFond, UnTravailCourtNeMontreRien)
{
    QMainWindow fenetre;
    bool vu = false;
    QTimer horloge;
    QObject::connect(&horloge, &QTimer::timeout, [&] { vu = vu || Indicateur(fenetre.statusBar()) != nullptr; });
    horloge.start(10);
    ExecuterEnFond(fenetre.statusBar(), QStringLiteral("court"), [] { std::this_thread::sleep_for(100ms); });
    EXPECT_FALSE(vu);
}

TEST(TravailEnFond, AucuneFenetreNeSeFermePendantLeTravail)
{
    QMainWindow fenetre;
    fenetre.show();
    bool fermee = true;
    QTimer::singleShot(100, [&] { fermee = fenetre.close(); });
    ExecuterEnFond(fenetre.statusBar(), QStringLiteral("travail"), [] { std::this_thread::sleep_for(400ms); });
    EXPECT_FALSE(fermee);
    EXPECT_TRUE(fenetre.isVisible());
    EXPECT_TRUE(fenetre.close()); // and closes again afterwards
}

TEST(TravailEnFond, LErreurDuTravailParvientALAppelant)
{
    QMainWindow fenetre;
    try {
        ExecuterEnFond(fenetre.statusBar(), QStringLiteral("travail"),
                       [] { throw ErreurFichier(QStringLiteral("Erreur d'écriture du fichier : disque plein")); });
        FAIL() << "pas d'erreur";
    } catch (const ErreurFichier &e) {
        EXPECT_EQ(e.message(), QStringLiteral("Erreur d'écriture du fichier : disque plein"));
    }
}

} // namespace
