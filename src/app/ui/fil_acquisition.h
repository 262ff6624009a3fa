#pragma once
// The thread every call to SANE runs on. Listing devices can take seconds
// (network backends) and reading blocks until the device sends its bytes:
// the frame hands such work to this thread and keeps turning its event loop
// meanwhile, so that windows repaint and "Annuler" answers. One thread for
// all calls, one call at a time, as SANE wants.

#include <QObject>
#include <QThread>

#include <functional>

class FilAcquisition : public QObject {
    Q_OBJECT
public:
    explicit FilAcquisition(QObject *parent = nullptr);
    ~FilAcquisition() override;

    // Runs travail on the acquisition thread and returns once it has ended,
    // the caller's event loop turning meanwhile; rethrows on the caller's
    // thread the exception it ended with. The caller shows a modal window
    // (progress, search) while it waits, so that no command starts another call.
    void Executer(const std::function<void()> &travail);

private:
    QThread fil_;
    QObject *ouvrier_ = nullptr;
};
