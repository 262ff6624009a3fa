#pragma once
// The one offscreen QApplication of a benchmark that runs windows.

#include <QApplication>
#include <QByteArray>

inline QApplication &ApplicationHorsEcran()
{
    static int argc = 1;
    static char nom[] = "kaptori-bench";
    static char *argv[] = {nom, nullptr};
    static QApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *app;
}
