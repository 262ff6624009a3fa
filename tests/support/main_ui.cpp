// Main of the widget test binaries: one offscreen QApplication per binary.

#include "commun/nombres.h"

#include <QApplication>
#include <gtest/gtest.h>

#include "support/fin_essais.h"

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KAPTORI_PRO"));
    DefinirSepDecimal(QLatin1Char('.'));
    ::testing::InitGoogleTest(&argc, argv);
    TerminerEssais(RUN_ALL_TESTS());
}
