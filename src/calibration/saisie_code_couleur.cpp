#include "calibration/saisie_code_couleur.h"

#include "commun/nombres.h"
#include "calibration/decodage_couleur.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

struct Bornes {
    double mini;
    double maxi;
};

bool Lire(const QString &texte, double *v)
{
    bool ok = false;
    *v = TexteEnReel(RemplacerSepAutre(texte.trimmed()), &ok);
    return ok && std::isfinite(*v);
}

Bornes LireBornes(const QString &mini, const QString &maxi, Bornes defaut)
{
    Bornes b{};
    if (Lire(mini, &b.mini) && Lire(maxi, &b.maxi) && b.mini < b.maxi)
        return b;
    return defaut;
}

Bornes BornesLog(Bornes b, bool log, int pas)
{
    if (log && b.mini <= 0 && b.maxi > 0)
        b.mini = b.maxi / pas;
    return b;
}

// A ";" inside a text would shift the fields that follow it in the text
// form: it may not enter a code. A ">" may: the text form ends at its last
// one, and labels such as "> 191" (the top class of a grey-level code) are
// kept as the user reads them.
QString Court(const QString &t)
{
    QString r = t;
    r.remove(QLatin1Char(';'));
    return r.left(LongueurMaxTexteCode);
}

QString Texte(double v)
{
    return FormatGeneral(v, 4);
}

} // namespace

TCodeCouleur CodeDeSaisie(const SaisieCodeCouleur &s)
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = static_cast<std::uint8_t>(std::clamp(s.type, 0, 3));
    switch (c.TypeCodage) {
    case CodageTroisCanaux:
        for (std::size_t k = 0; k < 3; ++k) {
            const Bornes b = LireBornes(s.minis[k], s.maxis[k], {0, 255});
            c.MiniC[k] = b.mini;
            c.MaxiC[k] = b.maxi;
            c.NomC[k] = Court(s.noms[k]);
            c.CouleurC[k] = s.couleurs[k] & 0x00FFFFFFu;
        }
        break;
    case CodageArcEnCiel: {
        const Bornes b = BornesLog(LireBornes(s.minArcEnCiel, s.maxArcEnCiel, {0, 1020}), s.logArcEnCiel, 1020);
        c.ValeurMin = b.mini;
        c.ValeurMax = b.maxi;
        c.Logarithmique = s.logArcEnCiel;
        c.OrdreArcEnCiel = std::clamp(s.ordre, 0, NombreOrdresArcEnCiel - 1);
        const CouleursOrdre k = CouleursDeOrdre(c.OrdreArcEnCiel);
        c.CouleurDebut = k.debut;
        c.CouleurMilieu = k.milieu;
        c.CouleurFin = k.fin;
        c.Grandeur = Court(s.grandeurArcEnCiel);
        c.UniteCode = Court(s.uniteArcEnCiel);
        break;
    }
    case CodageDeuxCouleurs: {
        const Bornes b =
            BornesLog(LireBornes(s.minDeuxCouleurs, s.maxDeuxCouleurs, {0, 255}), s.logDeuxCouleurs, 255);
        c.ValeurMin = b.mini;
        c.ValeurMax = b.maxi;
        c.Logarithmique = s.logDeuxCouleurs;
        c.CouleurMin = s.couleurMin & 0x00FFFFFFu;
        c.CouleurMax = s.couleurMax & 0x00FFFFFFu;
        c.Grandeur = Court(s.grandeurDeuxCouleurs);
        c.UniteCode = Court(s.uniteDeuxCouleurs);
        break;
    }
    default:
        c.NbCouleurs = std::clamp(s.nombre, MinEntreesTableau, MaxEntreesTableau);
        c.Grandeur = Court(s.grandeurTableau);
        c.UniteCode = Court(s.uniteTableau);
        for (int i = 0; i < c.NbCouleurs; ++i) {
            const auto k = static_cast<std::size_t>(i);
            c.Libelle[k] = Court(s.libelles[k]);
            c.CouleurTable[k] = s.couleursTableau[k] & 0x00FFFFFFu;
        }
        break;
    }
    return c;
}

void RemplirSaisie(SaisieCodeCouleur &s, const TCodeCouleur &c)
{
    s.type = c.TypeCodage;
    switch (c.TypeCodage) {
    case CodageTroisCanaux:
        for (std::size_t k = 0; k < 3; ++k) {
            s.noms[k] = c.NomC[k];
            s.couleurs[k] = c.CouleurC[k];
            s.minis[k] = Texte(c.MiniC[k]);
            s.maxis[k] = Texte(c.MaxiC[k]);
        }
        break;
    case CodageArcEnCiel:
        s.ordre = std::clamp(c.OrdreArcEnCiel, 0, NombreOrdresArcEnCiel - 1);
        s.grandeurArcEnCiel = c.Grandeur;
        s.uniteArcEnCiel = c.UniteCode;
        s.minArcEnCiel = Texte(c.ValeurMin);
        s.maxArcEnCiel = Texte(c.ValeurMax);
        s.logArcEnCiel = c.Logarithmique;
        break;
    case CodageDeuxCouleurs:
        s.couleurMin = c.CouleurMin;
        s.couleurMax = c.CouleurMax;
        s.grandeurDeuxCouleurs = c.Grandeur;
        s.uniteDeuxCouleurs = c.UniteCode;
        s.minDeuxCouleurs = Texte(c.ValeurMin);
        s.maxDeuxCouleurs = Texte(c.ValeurMax);
        s.logDeuxCouleurs = c.Logarithmique;
        break;
    case CodageTableau:
        s.nombre = std::clamp(c.NbCouleurs, MinEntreesTableau, MaxEntreesTableau);
        s.grandeurTableau = c.Grandeur;
        s.uniteTableau = c.UniteCode;
        s.libelles = c.Libelle;
        s.couleursTableau = c.CouleurTable;
        break;
    default:
        break;
    }
}

SaisieCodeCouleur SaisieParDefaut()
{
    SaisieCodeCouleur s;
    const TCodeCouleur d = CodeParDefaut();
    RemplirSaisie(s, d);
    s.ordre = 0;
    s.minArcEnCiel = QStringLiteral("0");
    s.maxArcEnCiel = QStringLiteral("1020");
    s.couleurMin = CouleurRvb(0, 0, 0);
    s.couleurMax = CouleurRvb(0, 255, 255); // aqua
    s.minDeuxCouleurs = QStringLiteral("0");
    s.maxDeuxCouleurs = QStringLiteral("255");
    s.nombre = 8;
    s.libelles = {};
    s.couleursTableau = {};
    return s;
}

void DefinirComposantes(SaisieCodeCouleur &saisie, bool vraies)
{
    if (vraies) {
        const TCodeCouleur d = CodeParDefaut();
        saisie.noms = d.NomC;
        saisie.couleurs = d.CouleurC;
        return;
    }
    const auto nom = [](const char *texte) { return QCoreApplication::translate("CodeCouleur", texte); };
    saisie.noms = {nom("Vert"), nom("Rouge"), nom("Infra-Rouge")};
    saisie.couleurs = {CouleurRvb(0, 255, 0), CouleurRvb(255, 0, 0), CouleurRvb(0, 0, 0)};
}

bool ComposantesVraies(const SaisieCodeCouleur &saisie)
{
    const TCodeCouleur vraies = CodeParDefaut();
    return saisie.noms == vraies.NomC && saisie.couleurs == vraies.CouleurC;
}
