#include "drawing/dessin.h"

#include "commun/erreur.h"
#include "commun/nombres.h"

#include <QCoreApplication>

#include <cmath>
#include <limits>

bool GenreValide(int genre)
{
    return genre >= 0 && genre <= 9 && genre != 4;
}

QString PrefixeNom(int genre)
{
    switch (genre) {
    case GenreCrayon:
        return QCoreApplication::translate("TDessin", "Dessin libre ");
    case GenreTrait:
        return QCoreApplication::translate("TDessin", "Trait ");
    case GenreRectangle:
        return QCoreApplication::translate("TDessin", "Rectangle ");
    case GenreCercle:
        return QCoreApplication::translate("TDessin", "Cercle ");
    case GenreTexte:
    case GenreLegende:
        return QCoreApplication::translate("TDessin", "Texte ");
    case GenreRemplissage:
        return QCoreApplication::translate("TDessin", "Remplissage ");
    default:
        return {};
    }
}

namespace {

std::int16_t CoordonneeRedimensionnee(std::int16_t v, double f)
{
    return static_cast<std::int16_t>(ArrondiBorne(v * f, std::numeric_limits<std::int16_t>::min(),
                                                  std::numeric_limits<std::int16_t>::max()));
}

std::int32_t FixeRedimensionne(std::int32_t v, double f)
{
    const double r = std::nearbyint(v * f);
    if (r > std::numeric_limits<std::int32_t>::max())
        return std::numeric_limits<std::int32_t>::max();
    if (r < std::numeric_limits<std::int32_t>::min())
        return std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(r);
}

} // namespace

std::unique_ptr<TDessin> CopieRedimensionnee(const TDessin &d, double f)
{
    const double taille = std::nearbyint(d.TaillePolice * f);
    const double epaisseur = std::nearbyint(d.Epaisseur * f);
    if (!(taille < 256.0) || !(epaisseur < 256.0) || taille < 0 || epaisseur < 0)
        throw ErreurKaptori(QCoreApplication::translate(
            "TDessin", "Les dessins ne peuvent être redimensionnés : une épaisseur ou une taille de police dépasserait 255."));

    auto copie = std::make_unique<TDessin>();
    copie->Genre = d.Genre;
    copie->Couleur = d.Couleur;
    copie->CouleurFond = d.CouleurFond;
    copie->Alignement = d.Alignement;
    copie->Transparent = d.Transparent;
    copie->Reserve1 = d.Reserve1;
    copie->Opacite = d.Opacite;
    copie->Fleche = d.Fleche;
    copie->Style = d.Style;
    copie->Motif = d.Motif;
    copie->NomPolice = d.NomPolice;
    copie->StylePolice = d.StylePolice;
    copie->TaillePolice = static_cast<std::uint8_t>(taille);
    copie->Epaisseur = static_cast<std::uint8_t>(std::min(epaisseur, 12.0));
    copie->X1 = CoordonneeRedimensionnee(d.X1, f);
    copie->Y1 = CoordonneeRedimensionnee(d.Y1, f);
    copie->X2 = CoordonneeRedimensionnee(d.X2, f);
    copie->Y2 = CoordonneeRedimensionnee(d.Y2, f);
    copie->XAncre = CoordonneeRedimensionnee(d.XAncre, f);
    copie->YAncre = CoordonneeRedimensionnee(d.YAncre, f);
    copie->Rayon = CoordonneeRedimensionnee(d.Rayon, f);
    copie->Lignes = d.Lignes;
    if (d.Genre == GenreCrayon && !d.Trace.listes.empty()) {
        auto &points = copie->Trace.listes.front();
        for (const TPointFixe &p : d.Trace.listes.front())
            points.push_back({FixeRedimensionne(p.x, f), FixeRedimensionne(p.y, f)});
    }
    return copie;
}
