#include "drawing/etiquette_balisee.h"

#include "drawing/balises_texte.h"

#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cstdint>
#include <limits>

namespace {

int Borne(std::int64_t v)
{
    return static_cast<int>(std::clamp<std::int64_t>(v, 0, std::numeric_limits<int>::max()));
}

} // namespace

MesureEtiquette MesurerEtiquette(const QFont &police, double pixelsParPouce, const QString &legende)
{
    EtatBalises etat(police, pixelsParPouce);
    const std::int64_t h = QFontMetrics(etat.PoliceDeBase()).height() + 2;
    std::int64_t largeur = 0;
    std::int64_t hauteur = h;
    std::int64_t descente = 0;
    for (const MorceauBalise &m : LireLigneBalisee(legende)) {
        if (!m.texte.isEmpty()) {
            const QFontMetrics fm(etat.Police());
            largeur += fm.horizontalAdvance(m.texte);
            if (etat.Decalage() != 0) {
                const std::int64_t decalage = std::abs(etat.Decalage());
                hauteur = std::max(hauteur, fm.height() + decalage);
                if (etat.Decalage() < 0)
                    descente = std::max(descente, decalage);
            }
        }
        etat.Appliquer(m.balise);
    }
    return {Borne(largeur), Borne(hauteur), Borne(descente)};
}

void PeindreEtiquette(QPainter &peintre, const QFont &police, double pixelsParPouce, const QString &legende, int x,
                      int y)
{
    const QFont avant = peintre.font();
    EtatBalises etat(police, pixelsParPouce);
    std::int64_t gauche = x;
    for (const MorceauBalise &m : LireLigneBalisee(legende)) {
        if (!m.texte.isEmpty()) {
            const QFont p = etat.Police();
            const QFontMetrics fm(p);
            peintre.setFont(p);
            peintre.drawText(QPoint(static_cast<int>(gauche), y + etat.Decalage() + fm.ascent()), m.texte);
            gauche += fm.horizontalAdvance(m.texte);
        }
        etat.Appliquer(m.balise);
    }
    peintre.setFont(avant);
}
