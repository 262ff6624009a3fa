#include "document/empreinte_document.h"

#include <QHash>

std::size_t HachageImage(const QImage &image)
{
    const auto octetsLigne = static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.depth()) / 8;
    std::size_t h = 0;
    for (int y = 0; y < image.height(); ++y)
        h = qHashBits(image.constScanLine(y), octetsLigne, h);
    return h;
}

EmpreinteDocument CalculerEmpreinte(const QImage &image, const TListeDessins &dessins, const TEchelle &echelle,
                                    const TCodeCouleur &code, const QStringList &lignesLibres)
{
    EmpreinteDocument e;
    e.cleImage = image.cacheKey();
    e.tailleImage = image.size();
    e.formatImage = image.format();
    e.hachageImage = HachageImage(image);
    e.dessins = dessins;
    e.echelle = echelle;
    e.codeCouleur = code;
    e.lignesLibres = lignesLibres;
    return e;
}

namespace {

bool MemesDessins(const TListeDessins &a, const TListeDessins &b)
{
    if (a.Nombre() != b.Nombre())
        return false;
    for (int i = 0; i < a.Nombre(); ++i) {
        const TDessin *da = a.ElementNumero(i);
        const TDessin *db = b.ElementNumero(i);
        if (a.NomNumero(i) != b.NomNumero(i) || (da == nullptr) != (db == nullptr) || (da && !(*da == *db)))
            return false;
    }
    return true;
}

} // namespace

bool MemeContenu(const EmpreinteDocument &e, const QImage &image, const TListeDessins &dessins,
                 const TEchelle &echelle, const TCodeCouleur &code, const QStringList &lignesLibres)
{
    if (!(e.echelle == echelle) || !(e.codeCouleur == code) || e.lignesLibres != lignesLibres
        || !MemesDessins(e.dessins, dessins))
        return false;
    if (image.size() != e.tailleImage || image.format() != e.formatImage)
        return false;
    return image.cacheKey() == e.cleImage || HachageImage(image) == e.hachageImage;
}
