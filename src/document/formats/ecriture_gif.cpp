#include "document/formats/ecriture_gif.h"

#include "commun/erreur.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QImage>

#include <array>
#include <cstdint>
#include <memory>
#include <new>
#include <unordered_map>
#include <vector>

#include <gif_lib.h>
#include <libimagequant.h>

namespace {

// A picture reduced to palette indices, one byte per pixel, row by row.
struct ImagePalette {
    std::vector<std::uint8_t> indices;
    std::vector<QRgb> couleurs; // at most 256, RGB only
};

// The exact palette when the picture holds at most 256 colours (alpha
// ignored); nothing otherwise. Stops at the 257th colour.
bool PaletteExacte(const QImage &image, ImagePalette &resultat)
{
    const int largeur = image.width();
    const int hauteur = image.height();
    std::unordered_map<QRgb, std::uint8_t> index;
    index.reserve(512);
    resultat.indices.resize(static_cast<std::size_t>(largeur) * static_cast<std::size_t>(hauteur));
    resultat.couleurs.clear();
    QRgb precedente = 0;
    std::uint8_t indicePrecedent = 0;
    bool premier = true;
    for (int y = 0; y < hauteur; ++y) {
        const auto *ligne = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        std::uint8_t *sortie = resultat.indices.data() + static_cast<std::size_t>(y) * largeur;
        for (int x = 0; x < largeur; ++x) {
            const QRgb c = ligne[x] & 0x00FFFFFFu;
            if (premier || c != precedente) {
                premier = false;
                auto it = index.find(c);
                if (it == index.end()) {
                    if (resultat.couleurs.size() == 256)
                        return false;
                    it = index.emplace(c, static_cast<std::uint8_t>(resultat.couleurs.size())).first;
                    resultat.couleurs.push_back(c);
                }
                precedente = c;
                indicePrecedent = it->second;
            }
            sortie[x] = indicePrecedent;
        }
    }
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
void PaletteReduite(const QImage &image, ImagePalette &resultat)
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
        throw ErreurDecodage(QCoreApplication::translate("Enregistrement",
                                                         "Réduction de l'image à 256 couleurs impossible"));
    std::unique_ptr<liq_result, LiberateurLiq> quantifie(brut);
    liq_set_dithering_level(quantifie.get(), 0.0f);
    resultat.indices.resize(static_cast<std::size_t>(image.width()) * static_cast<std::size_t>(image.height()));
    if (liq_write_remapped_image(quantifie.get(), source.get(), resultat.indices.data(), resultat.indices.size())
        != LIQ_OK)
        throw ErreurDecodage(QCoreApplication::translate("Enregistrement",
                                                         "Réduction de l'image à 256 couleurs impossible"));
    const liq_palette *palette = liq_get_palette(quantifie.get());
    resultat.couleurs.clear();
    for (unsigned i = 0; i < palette->count; ++i)
        resultat.couleurs.push_back(qRgb(palette->entries[i].r, palette->entries[i].g, palette->entries[i].b));
}

struct EtatEcritureGif {
    QIODevice *sortie = nullptr;
    bool erreurEcriture = false;
};

int EcrireDonnees(GifFileType *gif, const GifByteType *donnees, int n)
{
    auto *etat = static_cast<EtatEcritureGif *>(gif->UserData);
    if (etat->sortie->write(reinterpret_cast<const char *>(donnees), n) != n) {
        etat->erreurEcriture = true;
        return 0;
    }
    return n;
}

struct FermetureGif {
    void operator()(GifFileType *gif) const
    {
        int erreur = 0;
        EGifCloseFile(gif, &erreur);
    }
};

struct LiberateurPalette {
    void operator()(ColorMapObject *p) const { GifFreeMapObject(p); }
};

} // namespace

void EcrireGif(const QImage &image, QIODevice &sortie, const QByteArray &commentaire)
{
    if (image.isNull())
        throw ErreurDecodage(QCoreApplication::translate("Enregistrement", "Image vide : rien à enregistrer"));
    if (image.width() > 65535 || image.height() > 65535)
        throw ErreurDecodage(QCoreApplication::translate("Enregistrement",
                                                         "Image trop grande pour le format GIF (%1 × %2 pixels)")
                                 .arg(image.width())
                                 .arg(image.height()));
    QImage source = image;
    if (source.format() != QImage::Format_ARGB32 && source.format() != QImage::Format_RGB32)
        source = image.convertToFormat(QImage::Format_ARGB32);

    ImagePalette palette;
    if (!PaletteExacte(source, palette))
        PaletteReduite(source, palette);

    // giflib wants a power of two entries, at least 2.
    int taillePalette = 2;
    while (taillePalette < static_cast<int>(palette.couleurs.size()))
        taillePalette *= 2;
    std::vector<GifColorType> couleurs(static_cast<std::size_t>(taillePalette), GifColorType{0, 0, 0});
    for (std::size_t i = 0; i < palette.couleurs.size(); ++i)
        couleurs[i] = GifColorType{static_cast<GifByteType>(qRed(palette.couleurs[i])),
                                   static_cast<GifByteType>(qGreen(palette.couleurs[i])),
                                   static_cast<GifByteType>(qBlue(palette.couleurs[i]))};
    std::unique_ptr<ColorMapObject, LiberateurPalette> carte(GifMakeMapObject(taillePalette, couleurs.data()));
    if (!carte)
        throw std::bad_alloc();

    EtatEcritureGif etat;
    etat.sortie = &sortie;
    int erreur = 0;
    std::unique_ptr<GifFileType, FermetureGif> gif(EGifOpen(&etat, EcrireDonnees, &erreur));
    if (!gif)
        throw std::bad_alloc();
    EGifSetGifVersion(gif.get(), true);
    const int largeur = source.width();
    const int hauteur = source.height();
    bool reussi = EGifPutScreenDesc(gif.get(), largeur, hauteur, 8, 0, carte.get()) == GIF_OK;
    if (reussi && !commentaire.isEmpty()) {
        reussi = EGifPutExtensionLeader(gif.get(), COMMENT_EXT_FUNC_CODE) == GIF_OK;
        for (qsizetype debut = 0; reussi && debut < commentaire.size(); debut += 255) {
            const int n = static_cast<int>(qMin<qsizetype>(255, commentaire.size() - debut));
            reussi = EGifPutExtensionBlock(gif.get(), n, commentaire.constData() + debut) == GIF_OK;
        }
        reussi = reussi && EGifPutExtensionTrailer(gif.get()) == GIF_OK;
    }
    reussi = reussi && EGifPutImageDesc(gif.get(), 0, 0, largeur, hauteur, false, nullptr) == GIF_OK;
    for (int y = 0; reussi && y < hauteur; ++y)
        reussi = EGifPutLine(gif.get(), palette.indices.data() + static_cast<std::size_t>(y) * largeur, largeur)
                 == GIF_OK;
    if (reussi) {
        GifFileType *brut = gif.release();
        reussi = EGifCloseFile(brut, &erreur) == GIF_OK;
    }
    if (reussi)
        return;
    if (etat.erreurEcriture)
        throw ErreurFichier(QCoreApplication::translate("Enregistrement", "Erreur d'écriture du fichier : %1")
                                .arg(sortie.errorString()));
    throw ErreurDecodage(QCoreApplication::translate("Enregistrement", "Image GIF impossible à écrire (erreur %1)")
                             .arg(gif ? gif->Error : erreur));
}
