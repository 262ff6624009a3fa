#include "app/ui/fil_acquisition.h"

#include <QCoreApplication>
#include <QEventLoop>

#include <atomic>
#include <exception>

FilAcquisition::FilAcquisition(QObject *parent) : QObject(parent)
{
    fil_.setObjectName(QStringLiteral("acquisition"));
    ouvrier_ = new QObject;
    ouvrier_->moveToThread(&fil_);
    connect(&fil_, &QThread::finished, ouvrier_, &QObject::deleteLater);
    fil_.start();
}

FilAcquisition::~FilAcquisition()
{
    fil_.quit();
    fil_.wait();
}

void FilAcquisition::Executer(const std::function<void()> &travail)
{
    std::exception_ptr erreur;
    std::atomic<bool> fini{false};
    QMetaObject::invokeMethod(
        ouvrier_,
        [&, this] {
            try {
                travail();
            } catch (...) {
                erreur = std::current_exception();
            }
            fini = true;
            // Wakes the waiting loop; posted to this object, which outlives the wait.
            QMetaObject::invokeMethod(this, [] {}, Qt::QueuedConnection);
        },
        Qt::QueuedConnection);
    while (!fini)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    if (erreur)
        std::rethrow_exception(erreur);
}
