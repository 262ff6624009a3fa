#include "calibration/code_couleur.h"

#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "commun/nombres.h"
#include "commun/couper_champ.h"

#include <QCoreApplication>
#include <QIODevice>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CodeCouleur", texte);
}

// ---- Writing -------------------------------------------------------------

void AjouterReel(QString &t, double v)
{
    t += FormatGeneral(v, 4);
    t += QLatin1Char(';');
}

void AjouterEntier(QString &t, long long v)
{
    t += QString::number(v);
    t += QLatin1Char(';');
}

void AjouterTexte(QString &t, const QString &s)
{
    t += s;
    t += QLatin1Char(';');
}

// ---- Reading -------------------------------------------------------------

// Hands out the fields of a text one at a time. A field is missing when the
// previous one already took the end of the text (no separator after it).
class LecteurChamps {
public:
    explicit LecteurChamps(QString texte) : reste_(std::move(texte)) {}

    [[nodiscard]] bool texte(QString *valeur)
    {
        if (fini_)
            return false;
        const ChampCoupe c = CouperChamp(reste_, QLatin1Char(';'));
        fini_ = c.champ.size() == reste_.size(); // no separator: nothing follows
        *valeur = c.champ;
        reste_ = c.reste;
        return true;
    }

    [[nodiscard]] bool texteCourt(QString *valeur)
    {
        if (!texte(valeur))
            return false;
        valeur->truncate(LongueurMaxTexteCode);
        return true;
    }

    [[nodiscard]] bool entier(long long *valeur)
    {
        QString champ;
        if (!texte(&champ))
            return false;
        bool ok = false;
        *valeur = TexteEnEntier(champ, &ok);
        return ok;
    }

    [[nodiscard]] bool reel(double *valeur)
    {
        QString champ;
        if (!texte(&champ))
            return false;
        bool ok = false;
        *valeur = TexteEnReel(RemplacerSepAutre(champ), &ok);
        return ok && std::isfinite(*valeur);
    }

    // A colour is a decimal integer; only its three colour bytes are kept.
    [[nodiscard]] bool couleur(CouleurWin *valeur)
    {
        long long v = 0;
        if (!entier(&v))
            return false;
        if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::uint32_t>::max())
            return false;
        *valeur = static_cast<CouleurWin>(v) & 0x00FFFFFFu;
        return true;
    }

    // Written "V" for true and "F" for false; anything but "V" reads as false.
    [[nodiscard]] bool drapeau(bool *valeur)
    {
        QString champ;
        if (!texte(&champ))
            return false;
        *valeur = champ == QLatin1String("V");
        return true;
    }

private:
    QString reste_;
    bool fini_ = false;
};

bool LireTroisCanaux(LecteurChamps &l, TCodeCouleur &c)
{
    for (double &v : c.MiniC)
        if (!l.reel(&v))
            return false;
    for (double &v : c.MaxiC)
        if (!l.reel(&v))
            return false;
    for (QString &nom : c.NomC)
        if (!l.texteCourt(&nom))
            return false;
    for (CouleurWin &couleur : c.CouleurC)
        if (!l.couleur(&couleur))
            return false;
    return true;
}

bool LireBornes(LecteurChamps &l, TCodeCouleur &c)
{
    return l.reel(&c.ValeurMin) && l.reel(&c.ValeurMax) && l.drapeau(&c.Logarithmique)
        && l.texteCourt(&c.Grandeur) && l.texteCourt(&c.UniteCode);
}

bool LireArcEnCiel(LecteurChamps &l, TCodeCouleur &c)
{
    long long ordre = 0;
    if (!l.entier(&ordre) || ordre < 0 || ordre > 5)
        return false;
    c.OrdreArcEnCiel = static_cast<int>(ordre);
    return l.couleur(&c.CouleurDebut) && l.couleur(&c.CouleurMilieu) && l.couleur(&c.CouleurFin)
        && LireBornes(l, c);
}

bool LireDeuxCouleurs(LecteurChamps &l, TCodeCouleur &c)
{
    return l.couleur(&c.CouleurMin) && l.couleur(&c.CouleurMax) && LireBornes(l, c);
}

// The count comes first; a count the record cannot hold refuses the text
// rather than reading part of the table.
bool LireTableau(LecteurChamps &l, TCodeCouleur &c)
{
    long long n = 0;
    if (!l.entier(&n) || n < 0 || n > MaxEntreesTableau)
        return false;
    c.NbCouleurs = static_cast<int>(n);
    if (!l.texteCourt(&c.Grandeur) || !l.texteCourt(&c.UniteCode))
        return false;
    for (int i = 0; i < c.NbCouleurs; ++i)
        if (!l.texteCourt(&c.Libelle[static_cast<std::size_t>(i)])
            || !l.couleur(&c.CouleurTable[static_cast<std::size_t>(i)]))
            return false;
    return true;
}

} // namespace

TCodeCouleur CodeParDefaut()
{
    TCodeCouleur c;
    c.Definie = 1;
    c.TypeCodage = CodageTroisCanaux;
    c.MiniC = {0, 0, 0};
    c.MaxiC = {255, 255, 255};
    c.NomC = {QStringLiteral("Bleu"), QStringLiteral("Vert"), QStringLiteral("Rouge")};
    c.CouleurC = {CouleurRvb(0, 0, 255), CouleurRvb(0, 255, 0), CouleurRvb(255, 0, 0)};
    return c;
}

TCodeCouleur CodeInitial()
{
    TCodeCouleur c = CodeParDefaut();
    c.Definie = 0;
    return c;
}

QString CodeEnTexte(const TCodeCouleur &c)
{
    QString t = QStringLiteral("<CODE_C=");
    AjouterEntier(t, c.TypeCodage);
    switch (c.TypeCodage) {
    case CodageTroisCanaux:
        for (double v : c.MiniC)
            AjouterReel(t, v);
        for (double v : c.MaxiC)
            AjouterReel(t, v);
        for (const QString &nom : c.NomC)
            AjouterTexte(t, nom);
        for (CouleurWin couleur : c.CouleurC)
            AjouterEntier(t, couleur);
        break;
    case CodageArcEnCiel:
    case CodageDeuxCouleurs:
        if (c.TypeCodage == CodageArcEnCiel) {
            AjouterEntier(t, c.OrdreArcEnCiel);
            AjouterEntier(t, c.CouleurDebut);
            AjouterEntier(t, c.CouleurMilieu);
            AjouterEntier(t, c.CouleurFin);
        } else {
            AjouterEntier(t, c.CouleurMin);
            AjouterEntier(t, c.CouleurMax);
        }
        AjouterReel(t, c.ValeurMin);
        AjouterReel(t, c.ValeurMax);
        AjouterTexte(t, c.Logarithmique ? QStringLiteral("V") : QStringLiteral("F"));
        AjouterTexte(t, c.Grandeur);
        AjouterTexte(t, c.UniteCode);
        break;
    case CodageTableau: {
        const int n = std::clamp(c.NbCouleurs, 0, MaxEntreesTableau);
        AjouterEntier(t, n);
        AjouterTexte(t, c.Grandeur);
        AjouterTexte(t, c.UniteCode);
        for (int i = 0; i < n; ++i) {
            AjouterTexte(t, c.Libelle[static_cast<std::size_t>(i)]);
            AjouterEntier(t, c.CouleurTable[static_cast<std::size_t>(i)]);
        }
        break;
    }
    default:
        break;
    }
    t += QLatin1Char('>');
    return t;
}

TCodeCouleur TexteEnCode(const QString &source)
{
    QString texte = source;
    if (texte.toUpper().contains(QLatin1String("<CODE_C"))) {
        const qsizetype egal = texte.indexOf(QLatin1Char('='));
        texte = egal >= 0 ? texte.mid(egal + 1) : QString();
    }
    // The form ends at its last ">": a table label may hold one ("> 191", the
    // top class of the grey-level classes).
    const qsizetype fin = texte.lastIndexOf(QLatin1Char('>'));
    if (fin >= 0)
        texte.truncate(fin);

    LecteurChamps l(texte);
    long long type = 0;
    if (!l.entier(&type))
        return {};
    TCodeCouleur c;
    c.TypeCodage = static_cast<std::uint8_t>(type & 0xFF);
    bool lu = false;
    switch (c.TypeCodage) {
    case CodageTroisCanaux:
        lu = LireTroisCanaux(l, c);
        break;
    case CodageArcEnCiel:
        lu = LireArcEnCiel(l, c);
        break;
    case CodageDeuxCouleurs:
        lu = LireDeuxCouleurs(l, c);
        break;
    case CodageTableau:
        lu = LireTableau(l, c);
        break;
    default:
        break;
    }
    if (!lu) {
        TCodeCouleur indefini;
        indefini.TypeCodage = c.TypeCodage <= CodageTableau ? c.TypeCodage : std::uint8_t{CodageTroisCanaux};
        return indefini;
    }
    c.Definie = 1;
    return c;
}

QString NomCodeAnnexe(const QString &nomImage)
{
    return nomImage.left(std::max<qsizetype>(0, nomImage.size() - 4)) + QStringLiteral(".ccc");
}

TCodeCouleur LireCodeAnnexe(const QString &nomImage)
{
    const std::optional<QStringList> lignes = LireFichierTexte(NomCodeAnnexe(nomImage));
    if (!lignes || lignes->isEmpty())
        return CodeParDefaut();
    const TCodeCouleur c = TexteEnCode(lignes->first());
    return c.Definie ? c : CodeParDefaut();
}

void EcrireCodeAnnexe(const QString &nomImage, const TCodeCouleur &code)
{
    const QString nom = NomCodeAnnexe(nomImage);
    if (!EcrireFichierTexte(nom, {CodeEnTexte(code)}))
        throw ErreurFichier(Tr("Impossible d'écrire le fichier du codage des couleurs %1").arg(nom));
}

void EcrireCodeFlux(QIODevice &flux, const TCodeCouleur &code)
{
    QByteArray octets;
    if (code.Definie)
        octets = EncoderWindows1252(CodeEnTexte(code));
    if (octets.size() > 0xFFFF)
        throw ErreurFichier(Tr("Le codage des couleurs est trop long pour être enregistré."));
    const auto n = static_cast<std::uint16_t>(octets.size());
    const char longueur[2] = {static_cast<char>(n & 0xFF), static_cast<char>(n >> 8)};
    if (flux.write(longueur, 2) != 2 || flux.write(octets) != octets.size())
        throw ErreurFichier(Tr("Impossible d'écrire le codage des couleurs."));
}

TCodeCouleur LireCodeFlux(QIODevice &flux)
{
    char longueur[2];
    if (flux.read(longueur, 2) != 2)
        throw ErreurDecodage(Tr("Le fichier se termine avant le codage des couleurs."));
    const int n = static_cast<unsigned char>(longueur[0]) | (static_cast<unsigned char>(longueur[1]) << 8);
    if (n == 0)
        return {};
    // At most 65535 bytes: the length itself bounds the read.
    const QByteArray octets = flux.read(n);
    if (octets.size() != n)
        throw ErreurDecodage(Tr("Le fichier se termine au milieu du codage des couleurs."));
    return TexteEnCode(DecoderTexte(octets));
}
