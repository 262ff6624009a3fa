// Main of the widget test binaries: one offscreen application object per
// binary, the program's own.

#include "app/ui/application_kaptori.h"
#include "commun/nombres.h"

#include <gtest/gtest.h>

#include "support/fin_essais.h"

int main(int argc, char **argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    ApplicationKaptori app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KAPTORI_PRO"));
    DefinirSepDecimal(QLatin1Char('.'));
    ::testing::InitGoogleTest(&argc, argv);
    TerminerEssais(RUN_ALL_TESTS());
}
