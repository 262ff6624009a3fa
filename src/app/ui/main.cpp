// The desktop program: the frame, its start-up files and its command line.

#include "app/ui/application_kaptori.h"
#include "app/ui/main_window.h"
#include "commun/nombres.h"
#include "app/ui/traduction_qt.h"

#include <QApplication>
#include <QScreen>

int main(int argc, char *argv[])
{
    ApplicationKaptori app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("KAPTORI_PRO"));
    // Ties the windows to the installed menu entry and its icon (Wayland app id).
    QGuiApplication::setDesktopFileName(QStringLiteral("kaptori"));
    InstallerTraductionQt(app);
    TesterSeparateurDecimal();

    TMainForm fenetre;
    fenetre.DefinirLigneCommande(QApplication::arguments().mid(1));
    // Without a window manager (a kiosk session) nothing maximises the
    // window: it is given the screen's free area first.
    if (const QScreen *ecran = QGuiApplication::primaryScreen())
        fenetre.setGeometry(ecran->availableGeometry());
    fenetre.showMaximized();
    return app.exec();
}
