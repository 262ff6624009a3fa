// The desktop program: the frame, its start-up files and its command line.

#include "app/main_window.h"
#include "app/nombres.h"
#include "app/traduction_qt.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KAPTORI_PRO"));
    InstallerTraductionQt(app);
    TesterSeparateurDecimal();

    TMainForm fenetre;
    fenetre.DefinirLigneCommande(QApplication::arguments().mid(1));
    fenetre.showMaximized();
    return app.exec();
}
