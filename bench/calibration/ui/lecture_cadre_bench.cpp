// One pointer move over a 24-megapixel map in the running frame, offscreen:
// the move event reaches the document's view, status panels 2 and 3 are
// written and the decoding panel is refreshed, for each kind of colour code;
// then the same with the repaint of what changed. The mean colour of the
// whole picture is measured beside it as the cost of one full-image pass.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "calibration/couleur_moyenne.h"
#include "calibration/decodage_couleur.h"
#include "calibration/rampes_couleurs.h"
#include "document/ui/fenetre_document.h"
#include "calibration/code_genre_bench.h"
#include "support/application_bench.h"

#include <QAction>
#include <QApplication>
#include <QDockWidget>
#include <QMouseEvent>

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr int Largeur = 6000;
constexpr int Hauteur = 4000;

// The frame with one document of 6000 x 4000 (the rainbow across its width)
// at zoom 1 in a maximised window, and the decoding panel shown.
struct Cadre {
    std::unique_ptr<TMainForm> cadre;
    TMDIChild *doc = nullptr;

    Cadre()
    {
        ApplicationHorsEcran();
        DefinirIntercepteurMessages([](TypeMessage, const QString &, BoutonsMessage) { return QMessageBox::Ok; });
        cadre = std::make_unique<TMainForm>();
        cadre->resize(1280, 900);
        cadre->show();
        doc = cadre->CreerDocument(QStringLiteral("carte"));
        QImage image(Largeur, Hauteur, QImage::Format_ARGB32);
        RampeArcEnCiel(image, CouleurRvb(0, 0, 255), CouleurRvb(0, 255, 0), CouleurRvb(255, 0, 0), true);
        doc->document().image = std::move(image);
        doc->Rafraichir();
        doc->showMaximized();
        cadre->actDecodage->trigger();
        QApplication::processEvents();
    }
};

Cadre &LeCadre()
{
    static Cadre c;
    return c;
}

// Sends moves across the visible part of the view, each to a new pixel.
void Deplacements(benchmark::State &state, bool avecPeinture)
{
    Cadre &c = LeCadre();
    c.doc->document().codeCouleur = CodeDuGenre(static_cast<int>(state.range(0)));
    c.cadre->SynchroniserDocument();
    emit c.doc->CanauxChanges(); // the panel takes the new code
    QWidget *vue = c.doc->vue()->viewport();
    const int w = std::max(1, vue->width() - 1);
    const int h = std::max(1, vue->height() - 1);
    int x = 0;
    int y = 0;
    for (auto _ : state) {
        x = (x + 97) % w;
        y = (y + 61) % h;
        QMouseEvent e(QEvent::MouseMove, QPointF(x, y), vue->mapToGlobal(QPointF(x, y)), Qt::NoButton, Qt::NoButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(vue, &e);
        if (avecPeinture)
            QApplication::processEvents();
    }
    if (c.cadre->TextePanneau(2).isEmpty())
        state.SkipWithError("la barre d'état n'a pas été écrite");
}

void BM_DeplacementCadre24Mp(benchmark::State &state)
{
    Deplacements(state, false);
}
BENCHMARK(BM_DeplacementCadre24Mp)->DenseRange(0, 3)->ArgName("genre")->Unit(benchmark::kMicrosecond);

void BM_DeplacementCadreEtPeinture24Mp(benchmark::State &state)
{
    Deplacements(state, true);
}
BENCHMARK(BM_DeplacementCadreEtPeinture24Mp)->DenseRange(0, 3)->ArgName("genre")->Unit(benchmark::kMicrosecond);

// Reference: one pass over the whole picture.
void BM_PassageImageEntiere24Mp(benchmark::State &state)
{
    const QImage &image = LeCadre().doc->document().image;
    for (auto _ : state)
        benchmark::DoNotOptimize(CouleurMoyenne(image, QPoint(0, 0), QPoint(Largeur - 1, Hauteur - 1)));
}
BENCHMARK(BM_PassageImageEntiere24Mp)->Unit(benchmark::kMillisecond);

} // namespace
