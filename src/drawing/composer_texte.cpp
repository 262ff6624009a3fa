#include "drawing/composer_texte.h"

#include "commun/nombres.h"
#include "drawing/balises_texte.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstdint>

namespace {

// A line read into its pieces, with the markup state each piece is drawn in.
struct MorceauPlace {
    QString texte;
    QFont police;
    int decalage = 0;
    std::int64_t largeur = 0;
};

struct LignePlacee {
    std::vector<MorceauPlace> morceaux;
    std::int64_t largeur = 0;
};

// Reads the lines with the state running on from one line to the next,
// measuring every non-empty piece in the font of its state.
std::vector<LignePlacee> LireLignes(const QFont &police, const QStringList &lignes, double pixelsParPouce)
{
    std::vector<LignePlacee> resultat;
    resultat.reserve(static_cast<std::size_t>(lignes.size()));
    EtatBalises etat(police, pixelsParPouce);
    for (const QString &ligne : lignes) {
        LignePlacee placee;
        for (MorceauBalise &m : LireLigneBalisee(ligne)) {
            if (!m.texte.isEmpty()) {
                const QFont p = etat.Police();
                const std::int64_t largeur = QFontMetrics(p).horizontalAdvance(m.texte);
                placee.largeur += largeur;
                placee.morceaux.push_back({std::move(m.texte), p, etat.Decalage(), largeur});
            }
            etat.Appliquer(m.balise);
        }
        resultat.push_back(std::move(placee));
    }
    return resultat;
}

} // namespace

int HauteurLigneTexte(const QFont &police, double pixelsParPouce)
{
    const EtatBalises etat(police, pixelsParPouce);
    return QFontMetrics(etat.PoliceDeBase()).height() + 2;
}

QImage ComposerTexte(const QFont &police, QRgb couleur, int alignement, QRgb fond, const QStringList &lignes,
                     double pixelsParPouce)
{
    const std::int64_t h = HauteurLigneTexte(police, pixelsParPouce);
    const std::int64_t hauteur = h * static_cast<std::int64_t>(lignes.size()) + 4;
    if (hauteur > kCoteMaxImageTexte)
        return {};
    const std::vector<LignePlacee> placees = LireLignes(police, lignes, pixelsParPouce);

    std::int64_t largeurMax = 0;
    for (const LignePlacee &l : placees)
        largeurMax = std::max(largeurMax, l.largeur);
    const std::int64_t largeur = largeurMax + 8;
    if (largeur > kCoteMaxImageTexte)
        return {};

    QImage image(static_cast<int>(largeur), static_cast<int>(hauteur), QImage::Format_ARGB32);
    if (image.isNull())
        return {};
    image.fill(QColor::fromRgb(fond).rgb());

    QPainter peintre(&image);
    peintre.setPen(QColor::fromRgb(couleur));
    for (std::size_t i = 0; i < placees.size(); ++i) {
        const LignePlacee &ligne = placees[i];
        std::int64_t x = 0;
        if (alignement == 1)
            x = (largeur - ligne.largeur) / 2;
        else if (alignement == 2)
            x = largeur - ligne.largeur;
        const std::int64_t haut = h * static_cast<std::int64_t>(i) + 1;
        for (const MorceauPlace &m : ligne.morceaux) {
            peintre.setFont(m.police);
            const int ligneDeBase = static_cast<int>(haut + m.decalage) + QFontMetrics(m.police).ascent();
            peintre.drawText(QPoint(static_cast<int>(x), ligneDeBase), m.texte);
            x += m.largeur;
        }
    }
    return image;
}

QFont PoliceDeTexte(const QString &nom, int taillePoints, int style)
{
    QFont police(nom);
    const int taille = std::abs(taillePoints);
    if (taille > 0)
        police.setPointSize(taille);
    else
        police.setPixelSize(1);
    police.setBold((style & 1) != 0);
    police.setItalic((style & 2) != 0);
    police.setUnderline((style & 4) != 0);
    police.setStrikeOut((style & 8) != 0);
    return police;
}

ChampsPolice ChampsDePolice(const QFont &police)
{
    ChampsPolice champs;
    champs.nom = police.family();
    const double points = TaillePoints(police, kPixelsParPouceTexte);
    champs.taille = static_cast<int>(std::clamp<std::int64_t>(Arrondi(points), 1, 255));
    champs.style = (police.bold() ? 1 : 0) | (police.italic() ? 2 : 0) | (police.underline() ? 4 : 0) |
                   (police.strikeOut() ? 8 : 0);
    return champs;
}
