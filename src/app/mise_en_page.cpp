#include "app/mise_en_page.h"

#include "commun/nombres.h"

#include <QCoreApplication>

QString TexteImageTropPetite()
{
    return QCoreApplication::translate("MiseEnPage", "Image trop petite.\r\nAjustez les valeurs");
}

bool CalculerMiseEnPage(TMiseEnPage &m)
{
    if (!(m.Rapport > 0.0) || m.NbColonnes < 1 || m.NbLignes < 1)
        return false;
    // Cell width; a grid wider than the sheet gives a negative width.
    const int d = (m.PageLargeur - m.MargeGauche - m.MargeDroite - (m.NbColonnes - 1) * m.Espace) / m.NbColonnes;
    if (d < 6 || Arrondi(d * m.Rapport) < 6)
        return false;

    int largeur = d;
    int hauteur = 0;
    int gauche = m.MargeGauche, droite = m.MargeDroite, haut = m.MargeHaut, bas = m.MargeBas;
    const int w = (m.PageHauteur - m.MargeHaut - m.MargeBas - (m.NbLignes - 1) * m.Espace) / m.NbLignes;
    if (w < Arrondi(largeur * m.Rapport)) {
        // The height limits: the grid is centred horizontally.
        hauteur = w;
        largeur = static_cast<int>(Arrondi(w / m.Rapport));
        const int r = m.PageLargeur - gauche - droite - largeur * m.NbColonnes - (m.NbColonnes - 1) * m.Espace;
        if (r > 1) {
            gauche += r / 2;
            droite += r / 2;
        }
    } else {
        // The width limits: the grid is centred vertically.
        hauteur = static_cast<int>(Arrondi(largeur * m.Rapport));
        const int r = m.PageHauteur - haut - bas - hauteur * m.NbLignes - (m.NbLignes - 1) * m.Espace;
        if (r > 1) {
            haut += r / 2;
            bas += r / 2;
        }
    }
    // A strip so tall that its width rounds to 0 mm would print a blank sheet.
    if (hauteur <= 4 || largeur < 1)
        return false;
    m.ImageLargeur = largeur;
    m.ImageHauteur = hauteur;
    m.MargeGauche = gauche;
    m.MargeDroite = droite;
    m.MargeHaut = haut;
    m.MargeBas = bas;
    return true;
}

void RemettreMarges(TMiseEnPage &m)
{
    m.MargeGauche = m.MargeDroite = m.MargeHaut = m.MargeBas = 10;
}

namespace {

void PlacerFeuille(TMiseEnPage &m)
{
    m.PageLargeur = m.Paysage ? m.FormatHauteur : m.FormatLargeur;
    m.PageHauteur = m.Paysage ? m.FormatLargeur : m.FormatHauteur;
}

} // namespace

void ChoisirFormat(TMiseEnPage &m, bool a3)
{
    m.FormatLargeur = a3 ? 297 : 210;
    m.FormatHauteur = a3 ? 420 : 297;
    PlacerFeuille(m);
}

void ChoisirOrientation(TMiseEnPage &m, bool paysage)
{
    m.Paysage = paysage;
    PlacerFeuille(m);
    RemettreMarges(m);
}

void CentrerVerticalement(TMiseEnPage &m)
{
    m.MargeHaut = m.MargeBas = (m.MargeHaut + m.MargeBas) / 2;
}

void CentrerHorizontalement(TMiseEnPage &m)
{
    m.MargeGauche = m.MargeDroite = (m.MargeGauche + m.MargeDroite) / 2;
}
