#pragma once
// Defined colour codes of the rainbow and two-colour kinds, built from the
// values a test names.

#include "calibration/code_couleur.h"
#include "calibration/decodage_couleur.h"

namespace code_essai {

// A rainbow of order `ordre` (its three colours taken from the order) from
// mini to maxi.
inline TCodeCouleur ArcEnCiel(int ordre, double mini, double maxi, bool logarithmique = false)
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageArcEnCiel;
    c.OrdreArcEnCiel = ordre;
    const CouleursOrdre k = CouleursDeOrdre(ordre);
    c.CouleurDebut = k.debut;
    c.CouleurMilieu = k.milieu;
    c.CouleurFin = k.fin;
    c.ValeurMin = mini;
    c.ValeurMax = maxi;
    c.Logarithmique = logarithmique;
    return c;
}

// From colour cmin at mini to colour cmax at maxi.
inline TCodeCouleur DeuxCouleurs(CouleurWin cmin, CouleurWin cmax, double mini, double maxi,
                                 bool logarithmique = false)
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageDeuxCouleurs;
    c.CouleurMin = cmin;
    c.CouleurMax = cmax;
    c.ValeurMin = mini;
    c.ValeurMax = maxi;
    c.Logarithmique = logarithmique;
    return c;
}

// A colour table of `nombre` entries, with its quantity and unit; the
// entries' colours and labels are the test's to set.
inline TCodeCouleur Tableau(int nombre, const QString &grandeur = {}, const QString &unite = {})
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageTableau;
    c.NbCouleurs = nombre;
    c.Grandeur = grandeur;
    c.UniteCode = unite;
    return c;
}

} // namespace code_essai
