#include "app/ui/application_kaptori.h"

#include "app/ui/gestion_erreurs.h"

ApplicationKaptori::ApplicationKaptori(int &argc, char **argv) : QApplication(argc, argv) {}

bool ApplicationKaptori::notify(QObject *destinataire, QEvent *evenement)
{
    bool traite = false;
    ExecuterCommande(QApplication::activeWindow(),
                     [&] { traite = QApplication::notify(destinataire, evenement); });
    return traite;
}
