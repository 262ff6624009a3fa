#include "app/ui/travail_en_fond.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QStatusBar>
#include <QThread>
#include <QTimer>

#include <exception>
#include <memory>

namespace {

// Refuses every window's closing while the work runs.
class BloqueurFermeture : public QObject {
public:
    bool eventFilter(QObject *, QEvent *evenement) override
    {
        if (evenement->type() != QEvent::Close)
            return false;
        evenement->ignore();
        return true;
    }
};

} // namespace

void ExecuterEnFond(QStatusBar *barre, const QString &message, const std::function<void()> &travail)
{
    std::exception_ptr erreur;
    std::unique_ptr<QThread> fil(QThread::create([&] {
        try {
            travail();
        } catch (...) {
            erreur = std::current_exception();
        }
    }));
    QEventLoop boucle;
    // finished comes from the worker thread: queued, it reaches the loop once it runs.
    QObject::connect(fil.get(), &QThread::finished, &boucle, &QEventLoop::quit);

    BloqueurFermeture bloqueur;
    QCoreApplication::instance()->installEventFilter(&bloqueur);
    std::unique_ptr<QWidget> indicateur;
    QTimer minuterie;
    minuterie.setSingleShot(true);
    QObject::connect(&minuterie, &QTimer::timeout, &boucle, [&] {
        if (barre == nullptr)
            return;
        indicateur = std::make_unique<QWidget>();
        indicateur->setObjectName(QStringLiteral("indicateurTravail"));
        auto *disposition = new QHBoxLayout(indicateur.get());
        disposition->setContentsMargins(0, 0, 0, 0);
        disposition->addWidget(new QLabel(message));
        auto *progression = new QProgressBar;
        progression->setRange(0, 0);
        progression->setMaximumWidth(160);
        disposition->addWidget(progression);
        barre->addPermanentWidget(indicateur.get());
        indicateur->show();
    });
    minuterie.start(kDelaiIndicateurTravail);
    fil->start();
    boucle.exec(QEventLoop::ExcludeUserInputEvents);
    fil->wait();
    minuterie.stop();
    if (indicateur && barre != nullptr)
        barre->removeWidget(indicateur.get());
    indicateur.reset();
    QCoreApplication::instance()->removeEventFilter(&bloqueur);
    if (erreur)
        std::rethrow_exception(erreur);
}
