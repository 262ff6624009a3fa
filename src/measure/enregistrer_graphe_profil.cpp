#include "measure/enregistrer_graphe_profil.h"

#include "calibration/echelle_annexe.h"
#include "calibration/echelle_binaire.h"
#include "commun/ecriture_sure.h"
#include "document/formats/ecriture_bmp.h"
#include "document/formats/ecriture_gif.h"

#include <QFileInfo>

void EnregistrerGrapheProfil(const QString &chemin, const QImage &image, const TEchelle &echelle)
{
    if (QFileInfo(chemin).suffix().toUpper() == QLatin1String("GIF")) {
        if (echelle.Definie == 1)
            EcrireEchelleAnnexe(chemin, echelle);
        EcrireFichierSurFlux(chemin, [&](QIODevice &sortie) { EcrireGif(image, sortie); });
        return;
    }
    EcrireFichierSurFlux(chemin, [&](QIODevice &sortie) { EcrireBmp(image, 24, sortie); });
    if (echelle.Definie == 1)
        (void)EcrireEchelleBinaireAnnexe(chemin, echelle);
}
