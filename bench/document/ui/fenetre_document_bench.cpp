// The document window on a 24-megapixel photograph (6000 x 4000), offscreen:
// - from asking the frame to open the JPEG (the path of "&Ouvrir" and of the
//   command line) to the end of the first paint of the new document window,
//   next to decoding the same file alone;
// - one whole paint of a 1200 x 800 view at zoom 0.25, 1 and 4, with a
//   drawing layer, next to one plain copy of the view's pixels.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "document/ui/fenetre_document.h"
#include "document/formats/lecteur_image.h"
#include "document/photo_bench.h"
#include "support/application_bench.h"

#include <QAbstractScrollArea>
#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QEvent>
#include <QMdiArea>
#include <QPainter>
#include <QScrollBar>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <memory>
#include <random>

namespace {

// Notes when a document window's view has been painted with a picture in it.
class GuetteurDessin : public QObject {
public:
    bool vu = false;

protected:
    bool eventFilter(QObject *objet, QEvent *evenement) override
    {
        if (evenement->type() == QEvent::Paint && objet->parent())
            if (auto *vue = qobject_cast<VueImage *>(objet->parent()))
                if (auto *fenetre = qobject_cast<TMDIChild *>(vue->parentWidget()))
                    vu = vu || !fenetre->document().image.isNull();
        return false;
    }
};

void FermerDocuments(TMainForm &cadre)
{
    for (TMDIChild *d : cadre.Documents())
        d->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

void BM_OuvrirJusquAuPremierDessin(benchmark::State &etat)
{
    QApplication &app = ApplicationHorsEcran();
    const QString chemin = FichierPhotoBench();
    QTemporaryDir dossier;
    const QString ancien = QDir::currentPath();
    QDir::setCurrent(dossier.path());
    DefinirIntercepteurMessages([](TypeMessage, const QString &, BoutonsMessage) { return QMessageBox::Ok; });
    {
        TMainForm cadre;
        cadre.resize(1280, 960);
        cadre.show();
        QCoreApplication::processEvents();
        GuetteurDessin guetteur;
        app.installEventFilter(&guetteur);
        for (auto _ : etat) {
            guetteur.vu = false;
            if (!cadre.OuvrirImage(chemin, 2)) {
                etat.SkipWithError("the picture did not open");
                break;
            }
            QElapsedTimer limite;
            limite.start();
            while (!guetteur.vu && limite.elapsed() < 10000)
                QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
            if (!guetteur.vu) {
                etat.SkipWithError("the document window was never painted");
                break;
            }
            etat.PauseTiming();
            FermerDocuments(cadre);
            etat.ResumeTiming();
        }
        app.removeEventFilter(&guetteur);
    }
    DefinirIntercepteurMessages({});
    QDir::setCurrent(ancien);
}
BENCHMARK(BM_OuvrirJusquAuPremierDessin)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LireImageSeule(benchmark::State &etat)
{
    const QString chemin = FichierPhotoBench();
    for (auto _ : etat) {
        QImage image = LireImage(chemin);
        benchmark::DoNotOptimize(image.constBits());
    }
}
BENCHMARK(BM_LireImageSeule)->Unit(benchmark::kMillisecond)->UseRealTime();

// A document window 1200 x 800 over the photograph with a drawing on a tenth
// of the pixels of its drawing layer.
TMDIChild &FenetreDessin()
{
    static std::unique_ptr<TMDIChild> fenetre = [] {
        ApplicationHorsEcran();
        auto f = std::make_unique<TMDIChild>(QStringLiteral("photo"));
        // A free area that bounds the fitted view to about 1200 x 800.
        f->espaceLibre = [] { return QSize(1200 + 18 + 15, 800 + 18 + 15); };
        auto document = std::make_unique<ImageDocument>();
        document->image = LireImage(FichierPhotoBench());
        document->CreerCoucheDessin();
        std::mt19937 alea(1);
        for (int y = 0; y < document->coucheDessin.height(); ++y) {
            auto *l = reinterpret_cast<QRgb *>(document->coucheDessin.scanLine(y));
            for (int x = 0; x < document->coucheDessin.width(); ++x)
                if (alea() % 10 == 0)
                    l[x] = alea() | 0x01000000u;
        }
        f->RemplacerDocument(std::move(document));
        f->show();
        f->Rafraichir();
        QCoreApplication::processEvents();
        return f;
    }();
    return *fenetre;
}

void BM_DessinVue(benchmark::State &etat)
{
    TMDIChild &fenetre = FenetreDessin();
    fenetre.document().zoom = static_cast<float>(etat.range(0)) / 100.0f;
    fenetre.AppliquerZoom();
    QWidget *vue = fenetre.vue()->viewport();
    // Somewhere in the middle of the picture.
    fenetre.vue()->horizontalScrollBar()->setValue(fenetre.vue()->horizontalScrollBar()->maximum() / 2);
    fenetre.vue()->verticalScrollBar()->setValue(fenetre.vue()->verticalScrollBar()->maximum() / 2);
    QImage cible(vue->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : etat) {
        vue->render(&cible);
        benchmark::DoNotOptimize(cible.constBits());
    }
    etat.counters["largeur"] = vue->width();
    etat.counters["hauteur"] = vue->height();
}
BENCHMARK(BM_DessinVue)->Arg(25)->Arg(100)->Arg(400)->Unit(benchmark::kMillisecond)->UseRealTime();

// Reference: one plain copy of as many pixels as the view shows.
void BM_CopieVue(benchmark::State &etat)
{
    QImage source(1200, 800, QImage::Format_ARGB32_Premultiplied);
    source.fill(0xFF808080);
    for (auto _ : etat) {
        QImage copie = source.copy();
        benchmark::DoNotOptimize(copie.constBits());
    }
}
BENCHMARK(BM_CopieVue)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace
