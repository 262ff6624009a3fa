#include "processing/legendes_document.h"

#include "calibration/legende_couleurs.h"
#include "document/placement_flottant.h"
#include "processing/agrandissement_canevas.h"

#include <QPainter>

#include <algorithm>

std::unique_ptr<TDessin> ElementLegendeEchelle(const TEchelle &echelle, const ReglagesDessin &reglages,
                                               const QFont &police)
{
    if (!echelle.Definie || echelle.Mode != TEchelle::Longueur || !(echelle.Facteur > 0))
        return nullptr;
    auto d = std::make_unique<TDessin>();
    d->Genre = GenreLegende;
    d->Epaisseur = static_cast<std::uint8_t>(std::clamp(reglages.EpaisseurCrayon, 0, ReglagesDessin::EpaisseurMaxi));
    d->Couleur = reglages.CouleurCrayon | 0xFF000000u;
    d->CouleurFond = reglages.CouleurFondDessin;
    d->Opacite = static_cast<std::uint8_t>(std::clamp(reglages.OpaciteDessin, 0, 255));
    d->NomPolice = police.family();
    d->TaillePolice = static_cast<std::uint8_t>(std::clamp(police.pointSize() > 0 ? police.pointSize() : 10, 1, 255));
    d->StylePolice = static_cast<std::uint8_t>((police.bold() ? 1 : 0) | (police.italic() ? 2 : 0)
                                               | (police.underline() ? 4 : 0) | (police.strikeOut() ? 8 : 0));
    d->UniteLegende = echelle.Unite.left(21);
    d->UnitesParPixel = static_cast<float>(echelle.Facteur);
    return d;
}

QImage ImageFlottanteLegende(const TDessin &element, QRgb couleurFondDessin)
{
    QImage legende = ComposerLegende(element, couleurFondDessin);
    if (legende.isNull())
        return {};
    legende = legende.convertToFormat(QImage::Format_ARGB32);
    const QRgb fond = couleurFondDessin | 0xFF000000u;
    for (int y = 0; y < legende.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(legende.scanLine(y));
        for (int x = 0; x < legende.width(); ++x)
            if ((ligne[x] | 0xFF000000u) == fond)
                ligne[x] = fond & 0x00FFFFFFu;
    }
    return legende;
}

bool CommencerLegendeEchelle(ImageDocument &document, const ReglagesDessin &reglages, const QFont &police,
                             bool transparent)
{
    std::unique_ptr<TDessin> element = ElementLegendeEchelle(document.echelle, reglages, police);
    if (!element || document.image.isNull())
        return false;
    const QImage legende = ImageFlottanteLegende(*element, reglages.CouleurFondDessin);
    if (legende.isNull())
        return false;
    document.outilCourant = ImageDocument::OutilTexte;
    CommencerPlacement(document, PlacementLegende, legende, QPointF(10, 10), transparent, std::move(element));
    return true;
}

void AjouterLegendeCouleurs(ImageDocument &document, QRgb fond)
{
    const int W = document.largeur();
    const int H = document.hauteur();
    const LegendeCouleurs legende = ComposerLegendeCouleurs(document.codeCouleur, H);
    const QSize taille(W + legende.image.width(), std::max(H, legende.image.height()));
    VerifierAgrandissement(document.image.size(), taille);
    AgrandirDocument(document, taille, AlignementCanevas::HautGauche, fond);
    QPainter peintre(&document.image);
    peintre.setCompositionMode(QPainter::CompositionMode_Source);
    peintre.drawImage(W, 0, legende.image);
}
