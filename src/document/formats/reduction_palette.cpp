#include "document/formats/reduction_palette.h"

#include "commun/erreur.h"

#include <QCoreApplication>
#include <QImage>

#include <memory>
#include <new>
#include <unordered_map>
#include <vector>

#include <libimagequant.h>

namespace {

QString MessageReduction()
{
    return QCoreApplication::translate("Enregistrement", "Réduction de l'image à 256 couleurs impossible");
}

// The exact palette when the picture holds at most 256 colours (alpha
// ignored), written into resultat; false at the 257th colour.
bool PaletteExacte(const QImage &image, QImage &resultat)
{
    const int largeur = image.width();
    const int hauteur = image.height();
    std::unordered_map<QRgb, std::uint8_t> index;
    index.reserve(512);
    QList<QRgb> couleurs;
    QRgb precedente = 0;
    std::uint8_t indicePrecedent = 0;
    bool premier = true;
    for (int y = 0; y < hauteur; ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        std::uint8_t *sortie = resultat.scanLine(y);
        for (int x = 0; x < largeur; ++x) {
            const QRgb c = ligne[x] & 0x00FFFFFFu;
            if (premier || c != precedente) {
                premier = false;
                auto it = index.find(c);
                if (it == index.end()) {
                    if (couleurs.size() == 256)
                        return false;
                    it = index.emplace(c, static_cast<std::uint8_t>(couleurs.size())).first;
                    couleurs.push_back(c | 0xFF000000u);
                }
                precedente = c;
                indicePrecedent = it->second;
            }
            sortie[x] = indicePrecedent;
        }
    }
    resultat.setColorTable(couleurs);
    return true;
}

void LigneRvba(liq_color ligneSortie[], int y, int largeur, void *donnees)
{
    const auto *image = static_cast<const QImage *>(donnees);
    const auto *ligne = reinterpret_cast<const QRgb *>(image->constScanLine(y));
    for (int x = 0; x < largeur; ++x)
        ligneSortie[x] = liq_color{static_cast<unsigned char>(qRed(ligne[x])), static_cast<unsigned char>(qGreen(ligne[x])),
                                   static_cast<unsigned char>(qBlue(ligne[x])), 255};
}

struct LiberateurLiq {
    void operator()(liq_attr *p) const { liq_attr_destroy(p); }
    void operator()(liq_image *p) const { liq_image_destroy(p); }
    void operator()(liq_result *p) const { liq_result_destroy(p); }
};

// A photograph: 256 colours chosen by libimagequant, each pixel mapped to the
// nearest one without dithering.
void PaletteReduite(const QImage &image, QImage &resultat)
{
    std::unique_ptr<liq_attr, LiberateurLiq> attributs(liq_attr_create());
    if (!attributs)
        throw std::bad_alloc();
    liq_set_max_colors(attributs.get(), 256);
    std::unique_ptr<liq_image, LiberateurLiq> source(liq_image_create_custom(
        attributs.get(), LigneRvba, const_cast<QImage *>(&image), image.width(), image.height(), 0.0));
    if (!source)
        throw std::bad_alloc();
    liq_result *brut = nullptr;
    if (liq_image_quantize(source.get(), attributs.get(), &brut) != LIQ_OK || brut == nullptr)
        throw ErreurDecodage(MessageReduction());
    std::unique_ptr<liq_result, LiberateurLiq> quantifie(brut);
    liq_set_dithering_level(quantifie.get(), 0.0f);
    std::vector<unsigned char *> lignes(static_cast<std::size_t>(image.height()));
    for (int y = 0; y < image.height(); ++y)
        lignes[static_cast<std::size_t>(y)] = resultat.scanLine(y);
    if (liq_write_remapped_image_rows(quantifie.get(), source.get(), lignes.data()) != LIQ_OK)
        throw ErreurDecodage(MessageReduction());
    const liq_palette *palette = liq_get_palette(quantifie.get());
    QList<QRgb> couleurs;
    for (unsigned i = 0; i < palette->count; ++i)
        couleurs.push_back(qRgb(palette->entries[i].r, palette->entries[i].g, palette->entries[i].b));
    resultat.setColorTable(couleurs);
}

} // namespace

QImage ReduireEnPalette(const QImage &image)
{
    if (image.isNull())
        return {};
    if (image.format() == QImage::Format_Indexed8 && image.colorCount() <= 256) {
        bool opaque = true;
        for (QRgb c : image.colorTable())
            opaque = opaque && qAlpha(c) == 255;
        if (opaque)
            return image;
    }
    QImage source = image;
    if (source.format() != QImage::Format_ARGB32 && source.format() != QImage::Format_RGB32)
        source = image.convertToFormat(QImage::Format_ARGB32);
    QImage resultat(source.size(), QImage::Format_Indexed8);
    if (resultat.isNull())
        throw std::bad_alloc();
    if (!PaletteExacte(source, resultat))
        PaletteReduite(source, resultat);
    return resultat;
}
