#include "drawing/element_texte.h"

#include "commun/fichier_texte.h"
#include "commun/nombres.h"
#include "drawing/composer_texte.h"

#include <algorithm>
#include <limits>

namespace {

std::int16_t Coordonnee(int v)
{
    return static_cast<std::int16_t>(
        std::clamp(v, int{std::numeric_limits<std::int16_t>::min()}, int{std::numeric_limits<std::int16_t>::max()}));
}

} // namespace

QStringList LignesDuTexte(const QString &texte)
{
    if (texte.isEmpty())
        return {};
    QString t = texte;
    t.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    QStringList lignes = t.split(QLatin1Char('\n'));
    if (lignes.size() > 1 && lignes.last().isEmpty())
        lignes.removeLast();
    return lignes;
}

QFont PoliceComposee(const QFont &police)
{
    const ChampsPolice champs = ChampsDePolice(police);
    return PoliceDeTexte(champs.nom, champs.taille, champs.style);
}

QImage ImageFlottanteTexte(const TexteAPlacer &texte, QRgb couleurFondDessin)
{
    QImage image = ComposerTexte(PoliceComposee(texte.police), texte.couleur, texte.alignement, couleurFondDessin,
                                 texte.lignes);
    const QRgb fond = couleurFondDessin & 0x00FFFFFFu;
    for (int y = 0; y < image.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const QRgb rvb = ligne[x] & 0x00FFFFFFu;
            ligne[x] = rvb == fond ? fond : (rvb | 0xFF000000u);
        }
    }
    return image;
}

std::unique_ptr<TDessin> ElementDeTexte(const TexteAPlacer &texte, QPoint coin, bool transparent, QRgb couleurFondDessin,
                                        int opacite)
{
    auto d = std::make_unique<TDessin>();
    const ChampsPolice champs = ChampsDePolice(texte.police);
    d->Genre = GenreTexte;
    d->Couleur = texte.couleur | 0xFF000000u;
    d->Opacite = static_cast<std::uint8_t>(std::clamp(opacite, 0, 255));
    d->XAncre = Coordonnee(coin.x());
    d->YAncre = Coordonnee(coin.y());
    d->Transparent = transparent;
    d->NomPolice = champs.nom;
    d->TaillePolice = static_cast<std::uint8_t>(champs.taille);
    d->StylePolice = static_cast<std::uint8_t>(champs.style);
    d->Alignement = static_cast<std::uint8_t>(std::clamp(texte.alignement, 0, 2));
    d->CouleurFond = couleurFondDessin | 0xFF000000u;
    d->Lignes = texte.lignes;
    d->Epaisseur = 0;
    return d;
}

QImage ImageTexteElement(const TDessin &dessin)
{
    return ComposerTexte(PoliceDeTexte(dessin.NomPolice, dessin.TaillePolice, dessin.StylePolice), dessin.Couleur,
                         dessin.Alignement, dessin.CouleurFond, dessin.Lignes);
}

bool TexteEnregistrable(const QStringList &lignes)
{
    return EncoderWindows1252(lignes.join(QStringLiteral("\r\n"))).size() <= kLongueurMaxTexte;
}
