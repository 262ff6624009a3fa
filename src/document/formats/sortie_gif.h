#pragma once
// giflib glue shared by the GIF writers: the device the bytes go to, the
// closing of an encoder, and a palette picture's colour map and rows.

#include "commun/erreur.h"
#include "commun/raison_fichier.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QImage>

#include <memory>
#include <new>
#include <vector>

#include <gif_lib.h>

namespace sortie_gif {

struct Etat {
    QIODevice *sortie = nullptr;
    bool erreurEcriture = false;
};

inline int EcrireDonnees(GifFileType *gif, const GifByteType *donnees, int n)
{
    auto *etat = static_cast<Etat *>(gif->UserData);
    if (etat->sortie->write(reinterpret_cast<const char *>(donnees), n) != n) {
        etat->erreurEcriture = true;
        return 0;
    }
    return n;
}

struct Fermeture {
    void operator()(GifFileType *gif) const
    {
        int erreur = 0;
        EGifCloseFile(gif, &erreur);
    }
};

struct LiberateurCarte {
    void operator()(ColorMapObject *p) const { GifFreeMapObject(p); }
};

using Carte = std::unique_ptr<ColorMapObject, LiberateurCarte>;
using Encodeur = std::unique_ptr<GifFileType, Fermeture>;

// The colour map of a Format_Indexed8 picture, padded to a power of two
// entries (at least 2) as giflib wants.
inline Carte CarteDe(const QImage &palette)
{
    const QList<QRgb> table = palette.colorTable();
    int taille = 2;
    while (taille < table.size())
        taille *= 2;
    std::vector<GifColorType> couleurs(static_cast<std::size_t>(taille), GifColorType{0, 0, 0});
    for (qsizetype i = 0; i < table.size(); ++i)
        couleurs[static_cast<std::size_t>(i)] = GifColorType{static_cast<GifByteType>(qRed(table[i])),
                                                             static_cast<GifByteType>(qGreen(table[i])),
                                                             static_cast<GifByteType>(qBlue(table[i]))};
    Carte carte(GifMakeMapObject(taille, couleurs.data()));
    if (!carte)
        throw std::bad_alloc();
    return carte;
}

// The rows of a Format_Indexed8 picture; false when giflib fails.
inline bool EcrireLignes(GifFileType *gif, const QImage &palette)
{
    for (int y = 0; y < palette.height(); ++y)
        if (EGifPutLine(gif, const_cast<GifByteType *>(palette.constScanLine(y)), palette.width()) != GIF_OK)
            return false;
    return true;
}

// Closes the encoder; throws the French message of what failed.
inline void Terminer(Encodeur &gif, bool reussi, const Etat &etat, int erreurOuverture)
{
    int erreur = erreurOuverture;
    if (reussi) {
        GifFileType *brut = gif.release();
        reussi = EGifCloseFile(brut, &erreur) == GIF_OK;
    }
    if (reussi)
        return;
    if (etat.erreurEcriture)
        throw ErreurFichier(QCoreApplication::translate("Enregistrement", "Erreur d'écriture du fichier : %1")
                                .arg(RaisonEcriture(etat.sortie->errorString())));
    throw ErreurDecodage(QCoreApplication::translate("Enregistrement", "Image GIF impossible à écrire (erreur %1)")
                             .arg(gif ? gif->Error : erreur));
}

} // namespace sortie_gif
