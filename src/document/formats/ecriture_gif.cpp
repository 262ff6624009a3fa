#include "document/formats/ecriture_gif.h"

#include "document/formats/reduction_palette.h"
#include "document/formats/sortie_gif.h"

void EcrireGif(const QImage &image, QIODevice &sortie, const QByteArray &commentaire)
{
    if (image.isNull())
        throw ErreurDecodage(QCoreApplication::translate("Enregistrement", "Image vide : rien à enregistrer"));
    if (image.width() > 65535 || image.height() > 65535)
        throw ErreurDecodage(QCoreApplication::translate("Enregistrement",
                                                         "Image trop grande pour le format GIF (%1 × %2 pixels)")
                                 .arg(image.width())
                                 .arg(image.height()));
    const QImage palette = ReduireEnPalette(image);
    sortie_gif::Carte carte = sortie_gif::CarteDe(palette);

    sortie_gif::Etat etat;
    etat.sortie = &sortie;
    int erreur = 0;
    sortie_gif::Encodeur gif(EGifOpen(&etat, sortie_gif::EcrireDonnees, &erreur));
    if (!gif)
        throw std::bad_alloc();
    EGifSetGifVersion(gif.get(), true);
    const int largeur = palette.width();
    const int hauteur = palette.height();
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
    reussi = reussi && sortie_gif::EcrireLignes(gif.get(), palette);
    sortie_gif::Terminer(gif, reussi, etat, erreur);
}
