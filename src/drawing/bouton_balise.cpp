#include "drawing/bouton_balise.h"

#include <algorithm>

Balise BaliseFermante(Balise ouvrante)
{
    switch (ouvrante) {
    case Balise::Gras:
        return Balise::FinGras;
    case Balise::Italique:
        return Balise::FinItalique;
    case Balise::Souligne:
        return Balise::FinSouligne;
    case Balise::Exposant:
        return Balise::FinExposant;
    case Balise::Indice:
        return Balise::FinIndice;
    default:
        return ouvrante;
    }
}

Balise BaliseOuvrante(Balise fermante)
{
    switch (fermante) {
    case Balise::FinGras:
        return Balise::Gras;
    case Balise::FinItalique:
        return Balise::Italique;
    case Balise::FinSouligne:
        return Balise::Souligne;
    case Balise::FinExposant:
        return Balise::Exposant;
    case Balise::FinIndice:
        return Balise::Indice;
    default:
        return fermante;
    }
}

bool EstFermante(Balise balise)
{
    return BaliseOuvrante(balise) != balise;
}

TexteEdite AppliquerBoutonBalise(const TexteEdite &edite, Balise balise)
{
    TexteEdite r = edite;
    if (balise == Balise::Aucune)
        return r;
    const int taille = static_cast<int>(r.texte.size());
    const int s = std::clamp(r.debut, 0, taille);
    const int l = std::clamp(r.longueur, 0, taille - s);
    r.debut = s;
    r.longueur = l;

    if (l > 0 && EstFermante(balise)) {
        const QString ouvrante = TexteBalise(BaliseOuvrante(balise));
        const QString fermante = TexteBalise(balise);
        const int avant = s - static_cast<int>(ouvrante.size());
        if (avant < 0 || QStringView(r.texte).mid(avant, ouvrante.size()) != ouvrante)
            return r;
        r.texte.remove(avant, ouvrante.size());
        r.debut = avant;
        const int apres = avant + l;
        if (QStringView(r.texte).mid(apres).startsWith(fermante))
            r.texte.remove(apres, fermante.size());
        return r;
    }

    const QString balisee = TexteBalise(balise);
    r.texte.insert(s, balisee);
    r.debut = s + static_cast<int>(balisee.size());
    if (l > 0)
        r.texte.insert(r.debut + l, TexteBalise(BaliseFermante(balise)));
    return r;
}
