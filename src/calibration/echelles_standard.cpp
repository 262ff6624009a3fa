#include "calibration/echelles_standard.h"

#include "commun/erreur.h"
#include "commun/fichier_texte.h"

#include <QCoreApplication>

void EchellesStandard::ajouter(const QString &nom, const TEchelle &echelle)
{
    if (pleine())
        throw ErreurKaptori(QCoreApplication::translate(
                                "Echelle",
                                "La liste des échelles standard est pleine (%1 échelles au plus) : "
                                "l'échelle « %2 » n'y est pas ajoutée.")
                                .arg(NbMax)
                                .arg(nom));
    noms << nom;
    echelles.push_back(echelle);
    DerniereEchelleChoisie = taille() - 1;
}

EchellesStandard LireEchellesStandard(const QString &chemin)
{
    EchellesStandard liste;
    const std::optional<QStringList> lignes = LireFichierTexte(chemin);
    if (!lignes)
        return liste;
    for (qsizetype i = 0; i + 1 < lignes->size() && !liste.pleine(); i += 2) {
        const TEchelle e = TexteEnEchelle(lignes->at(i + 1));
        if (!e.Definie)
            break;
        liste.noms << lignes->at(i);
        liste.echelles.push_back(e);
    }
    return liste;
}

bool EcrireEchellesStandard(const QString &chemin, const EchellesStandard &liste)
{
    QStringList lignes;
    for (int i = 0; i < liste.taille(); ++i)
        lignes << liste.noms.value(i) << EchelleEnTexte(liste.echelles[std::size_t(i)]);
    return EcrireFichierTexte(chemin, lignes);
}
