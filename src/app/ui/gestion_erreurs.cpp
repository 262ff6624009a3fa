#include "app/ui/gestion_erreurs.h"

#include "app/ui/boites_message.h"
#include "commun/erreur.h"

#include <QCoreApplication>

#include <new>

bool ExecuterCommande(QWidget *parent, const std::function<void()> &commande)
{
    try {
        commande();
        return true;
    } catch (const ErreurKaptori &e) {
        MessageErreur(parent, e.message());
    } catch (const std::bad_alloc &) {
        MessageErreur(parent, QCoreApplication::translate("GestionErreurs", "Mémoire insuffisante"));
    } catch (const std::exception &e) {
        MessageErreur(parent, QString::fromLocal8Bit(e.what()));
    }
    return false;
}
