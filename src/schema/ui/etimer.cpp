#include "schema/ui/etimer.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>

namespace {

class ObservateurSaisie : public QObject {
public:
    QElapsedTimer depuis;
    int utilisateurs = 0;

    bool eventFilter(QObject *objet, QEvent *event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
        case QEvent::KeyRelease:
        case QEvent::MouseButtonPress:
        case QEvent::MouseButtonRelease:
        case QEvent::MouseButtonDblClick:
        case QEvent::MouseMove:
        case QEvent::Wheel:
            depuis.restart();
            break;
        default:
            break;
        }
        return QObject::eventFilter(objet, event);
    }
};

ObservateurSaisie &Observateur()
{
    static ObservateurSaisie observateur;
    return observateur;
}

} // namespace

TETimer::TETimer(QObject *parent) : QTimer(parent)
{
    ObservateurSaisie &o = Observateur();
    if (o.utilisateurs++ == 0 && QCoreApplication::instance())
        QCoreApplication::instance()->installEventFilter(&o);
    o.depuis.start();
}

TETimer::~TETimer()
{
    ObservateurSaisie &o = Observateur();
    if (--o.utilisateurs == 0 && QCoreApplication::instance())
        QCoreApplication::instance()->removeEventFilter(&o);
}

qint64 TETimer::Inactivite()
{
    const ObservateurSaisie &o = Observateur();
    return o.depuis.isValid() ? o.depuis.elapsed() : 0;
}
