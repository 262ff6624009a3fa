#pragma once
// TETimer: a timer that also knows how long the user has been idle. While
// at least one exists, an application-wide event filter notes the time of
// the last key or mouse event; the idle time is the time since then.

#include <QTimer>

class TETimer : public QTimer {
    Q_OBJECT
public:
    explicit TETimer(QObject *parent = nullptr);
    ~TETimer() override;

    // Milliseconds since the last key or mouse event (or since the first
    // TETimer was created).
    [[nodiscard]] static qint64 Inactivite();
};
