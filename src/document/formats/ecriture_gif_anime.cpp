#include "document/formats/ecriture_gif_anime.h"

#include "document/formats/reduction_palette.h"
#include "document/formats/sortie_gif.h"

#include <algorithm>

namespace {

QString Message(const char *texte)
{
    return QCoreApplication::translate("Enregistrement", texte);
}

// Graphic control block: disposal 2 (the frame's area goes back to the
// background before the next frame), no transparency, the delay.
bool EcrireControle(GifFileType *gif, int delaiCentiemes)
{
    const GifByteType octets[4] = {static_cast<GifByteType>(2 << 2),
                                   static_cast<GifByteType>(delaiCentiemes & 0xFF),
                                   static_cast<GifByteType>((delaiCentiemes >> 8) & 0xFF), 0};
    return EGifPutExtension(gif, GRAPHICS_EXT_FUNC_CODE, 4, octets) == GIF_OK;
}

bool EcrireBoucle(GifFileType *gif)
{
    static const char application[] = "NETSCAPE2.0";
    const GifByteType compte[3] = {1, 0, 0}; // sub-block 1, loop count 0: for ever
    return EGifPutExtensionLeader(gif, APPLICATION_EXT_FUNC_CODE) == GIF_OK
           && EGifPutExtensionBlock(gif, 11, application) == GIF_OK
           && EGifPutExtensionBlock(gif, 3, compte) == GIF_OK && EGifPutExtensionTrailer(gif) == GIF_OK;
}

} // namespace

void EcrireGifAnime(const QList<QImage> &images, QIODevice &sortie, int delaiCentiemes, bool boucle)
{
    if (images.isEmpty())
        throw ErreurDecodage(Message("Animation vide : rien à enregistrer"));
    int largeurEcran = 0;
    int hauteurEcran = 0;
    for (const QImage &image : images) {
        if (image.isNull())
            throw ErreurDecodage(Message("Image vide : rien à enregistrer"));
        if (image.width() > 65535 || image.height() > 65535)
            throw ErreurDecodage(Message("Image trop grande pour le format GIF (%1 × %2 pixels)")
                                     .arg(image.width())
                                     .arg(image.height()));
        largeurEcran = std::max(largeurEcran, image.width());
        hauteurEcran = std::max(hauteurEcran, image.height());
    }
    delaiCentiemes = std::clamp(delaiCentiemes, 0, 65535);

    sortie_gif::Etat etat;
    etat.sortie = &sortie;
    int erreur = 0;
    sortie_gif::Encodeur gif(EGifOpen(&etat, sortie_gif::EcrireDonnees, &erreur));
    if (!gif)
        throw std::bad_alloc();
    EGifSetGifVersion(gif.get(), true);
    // A global map of black and white whose first entry, black, is the
    // background: viewers fill the screen outside a smaller frame with it.
    GifColorType noirBlanc[2] = {{0, 0, 0}, {255, 255, 255}};
    sortie_gif::Carte fond(GifMakeMapObject(2, noirBlanc));
    if (!fond)
        throw std::bad_alloc();
    bool reussi = EGifPutScreenDesc(gif.get(), largeurEcran, hauteurEcran, 8, 0, fond.get()) == GIF_OK;
    if (reussi && boucle)
        reussi = EcrireBoucle(gif.get());
    for (qsizetype i = 0; reussi && i < images.size(); ++i) {
        const QImage palette = ReduireEnPalette(images[i]);
        sortie_gif::Carte carte = sortie_gif::CarteDe(palette);
        reussi = EcrireControle(gif.get(), delaiCentiemes)
                 && EGifPutImageDesc(gif.get(), 0, 0, palette.width(), palette.height(), false, carte.get()) == GIF_OK
                 && sortie_gif::EcrireLignes(gif.get(), palette);
    }
    sortie_gif::Terminer(gif, reussi, etat, erreur);
}
