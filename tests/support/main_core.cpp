// Main of the core test binaries: an offscreen QGuiApplication (text
// rendering and QPainter need one), and the point as decimal separator
// unless a test chooses otherwise.

#include "commun/nombres.h"

#include <QGuiApplication>
#include <gtest/gtest.h>

#include "support/fin_essais.h"

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    DefinirSepDecimal(QLatin1Char('.'));
    ::testing::InitGoogleTest(&argc, argv);
    TerminerEssais(RUN_ALL_TESTS());
}
