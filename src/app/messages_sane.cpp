#include "app/messages_sane.h"

#include <QCoreApplication>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("Acquisition", texte);
}

} // namespace

QString MessageBibliothequeAbsente()
{
    return Tr("La bibliothèque d'acquisition n'a pas pu être chargée : vérifiez que la source est installée.");
}

QString MessageAucunAppareil()
{
    return Tr("Aucun appareil d'acquisition (scanner ou caméra) n'a été trouvé.");
}

QString MessageStatutSane(int statut, EtapeSane etape)
{
    switch (statut) {
    case 1:
        return Tr("L'appareil ne permet pas cette opération.");
    case 2:
        return Tr("L'acquisition a été annulée.");
    case 3:
        return Tr("L'appareil est occupé ; réessayez dans un instant.");
    case 4:
        if (etape == EtapeSane::Ouverture)
            return Tr("L'appareil est introuvable : il a peut-être été débranché ou éteint.");
        if (etape == EtapeSane::Lecture)
            return Tr("L'appareil a été perdu pendant la lecture : il a peut-être été débranché ou éteint.");
        return Tr("L'appareil refuse ce réglage ou cette demande.");
    case 5:
        return Tr("L'appareil n'a plus de données à envoyer.");
    case 6:
        return Tr("Le papier est coincé dans le chargeur de documents.");
    case 7:
        return Tr("Le chargeur de documents est vide.");
    case 8:
        return Tr("Le capot de l'appareil est ouvert.");
    case 9:
        return Tr("Erreur d'entrée-sortie avec l'appareil.");
    case 10:
        return Tr("Mémoire insuffisante pour l'acquisition.");
    case 11:
        return Tr("L'accès à l'appareil est refusé.");
    case 12:
        return Tr("La lampe de l'appareil chauffe encore ; réessayez dans un instant.");
    case 13:
        return Tr("Le mécanisme de l'appareil est verrouillé pour le transport.");
    default:
        return Tr("Erreur inconnue de l'appareil (code %1).").arg(statut);
    }
}
