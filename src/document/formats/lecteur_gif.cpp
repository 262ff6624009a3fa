// GIF pictures through giflib: the first frame only, laid on the logical
// screen at its offset; the rest of the screen is transparent. Lines are
// decoded one at a time into a small buffer and coloured through the frame's
// palette, so that nothing is allocated but the picture itself.

#include "commun/erreur.h"
#include "document/formats/decodeurs_image.h"

#include <QCoreApplication>

#include <gif_lib.h>

#include <cstring>
#include <vector>

namespace {

// An LZW code is at least 2 bits long and stands for at most 4096 pixels.
constexpr double kPixelsParOctetGif = 4096.0 * 4.0;

QString tr(const char *texte)
{
    return QCoreApplication::translate("LecteurImage", texte);
}

struct Flux {
    const QByteArray *octets = nullptr;
    qsizetype position = 0;
};

int LireOctets(GifFileType *gif, GifByteType *destination, int nombre)
{
    auto *flux = static_cast<Flux *>(gif->UserData);
    const qsizetype n = qMin<qsizetype>(nombre, flux->octets->size() - flux->position);
    if (n <= 0)
        return 0;
    std::memcpy(destination, flux->octets->constData() + flux->position, static_cast<size_t>(n));
    flux->position += n;
    return static_cast<int>(n);
}

struct FichierGif {
    GifFileType *gif = nullptr;
    ~FichierGif()
    {
        if (gif)
            DGifCloseFile(gif, nullptr);
    }
};

// giflib's own texts are English: the message names the fault in French.
[[noreturn]] void Echec(int code)
{
    const char *detail = nullptr;
    switch (code) {
    case D_GIF_ERR_NOT_GIF_FILE:
        detail = QT_TRANSLATE_NOOP("LecteurImage", "le contenu n'est pas au format GIF");
        break;
    case D_GIF_ERR_NO_SCRN_DSCR:
    case D_GIF_ERR_NO_IMAG_DSCR:
        detail = QT_TRANSLATE_NOOP("LecteurImage", "description de l'image absente");
        break;
    case D_GIF_ERR_NO_COLOR_MAP:
        detail = QT_TRANSLATE_NOOP("LecteurImage", "palette de couleurs absente");
        break;
    case D_GIF_ERR_WRONG_RECORD:
    case D_GIF_ERR_DATA_TOO_BIG:
    case D_GIF_ERR_IMAGE_DEFECT:
        detail = QT_TRANSLATE_NOOP("LecteurImage", "données de l'image incorrectes");
        break;
    case D_GIF_ERR_READ_FAILED:
    case D_GIF_ERR_EOF_TOO_SOON:
        detail = QT_TRANSLATE_NOOP("LecteurImage", "fin du fichier avant la fin de l'image");
        break;
    case D_GIF_ERR_NOT_ENOUGH_MEM:
        detail = QT_TRANSLATE_NOOP("LecteurImage", "mémoire insuffisante");
        break;
    default:
        break;
    }
    if (!detail)
        throw ErreurDecodage(tr("fichier GIF endommagé ou tronqué."));
    throw ErreurDecodage(tr("fichier GIF endommagé ou tronqué (%1).").arg(tr(detail)));
}

} // namespace

QImage DecoderGif(const QByteArray &octets)
{
    Flux flux{&octets, 0};
    int code = 0;
    FichierGif fichier;
    fichier.gif = DGifOpen(&flux, LireOctets, &code);
    if (!fichier.gif)
        Echec(code);
    GifFileType *gif = fichier.gif;

    int transparente = NO_TRANSPARENT_COLOR;
    bool transparenceVue = false;
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR)
            Echec(gif->Error);
        if (type == TERMINATE_RECORD_TYPE)
            throw ErreurDecodage(tr("le fichier GIF ne contient aucune image."));
        if (type == EXTENSION_RECORD_TYPE) {
            int codeExtension = 0;
            GifByteType *bloc = nullptr;
            if (DGifGetExtension(gif, &codeExtension, &bloc) == GIF_ERROR)
                Echec(gif->Error);
            if (codeExtension == GRAPHICS_EXT_FUNC_CODE && bloc && !transparenceVue && bloc[0] >= 4) {
                GraphicsControlBlock gcb{};
                if (DGifExtensionToGCB(bloc[0], bloc + 1, &gcb) == GIF_OK)
                    transparente = gcb.TransparentColor;
                transparenceVue = true;
            }
            while (bloc) {
                if (DGifGetExtensionNext(gif, &bloc) == GIF_ERROR)
                    Echec(gif->Error);
            }
            continue;
        }
        if (type != IMAGE_DESC_RECORD_TYPE)
            continue;

        if (DGifGetImageDesc(gif) == GIF_ERROR)
            Echec(gif->Error);
        const GifImageDesc &cadre = gif->Image;
        const qint64 largeurEcran = gif->SWidth > 0 ? gif->SWidth : cadre.Left + cadre.Width;
        const qint64 hauteurEcran = gif->SHeight > 0 ? gif->SHeight : cadre.Top + cadre.Height;
        VerifierTailleImage(largeurEcran, hauteurEcran, octets.size(), kPixelsParOctetGif, "GIF");
        VerifierTailleImage(cadre.Width, cadre.Height, octets.size(), kPixelsParOctetGif, "GIF");

        // The palette as ARGB: the frame's own, else the file's, else greys.
        QRgb couleurs[256];
        const ColorMapObject *palette = cadre.ColorMap ? cadre.ColorMap : gif->SColorMap;
        for (int i = 0; i < 256; ++i) {
            if (palette && i < palette->ColorCount) {
                const GifColorType &c = palette->Colors[i];
                couleurs[i] = qRgb(c.Red, c.Green, c.Blue);
            } else {
                couleurs[i] = palette ? qRgb(0, 0, 0) : qRgb(i, i, i);
            }
        }
        if (transparente >= 0 && transparente < 256)
            couleurs[transparente] = 0;

        QImage image(static_cast<int>(largeurEcran), static_cast<int>(hauteurEcran), QImage::Format_ARGB32);
        if (image.isNull())
            throw ErreurDecodage(tr("mémoire insuffisante pour cette image."));
        image.fill(0);

        std::vector<GifPixelType> ligne(static_cast<size_t>(cadre.Width));
        const int x0 = cadre.Left;
        const int xFin = qMin<int>(cadre.Left + cadre.Width, image.width());
        auto poserLigne = [&](int y) {
            if (DGifGetLine(gif, ligne.data(), cadre.Width) == GIF_ERROR)
                Echec(gif->Error);
            const int yImage = cadre.Top + y;
            if (yImage >= image.height())
                return;
            auto *dest = reinterpret_cast<QRgb *>(image.scanLine(yImage));
            for (int x = x0; x < xFin; ++x)
                dest[x] = couleurs[ligne[static_cast<size_t>(x - x0)]];
        };
        if (cadre.Interlace) {
            static constexpr int debut[4] = {0, 4, 2, 1};
            static constexpr int pas[4] = {8, 8, 4, 2};
            for (int passe = 0; passe < 4; ++passe)
                for (int y = debut[passe]; y < cadre.Height; y += pas[passe])
                    poserLigne(y);
        } else {
            for (int y = 0; y < cadre.Height; ++y)
                poserLigne(y);
        }
        return image;
    }
}

QByteArray CommentaireGif(const QByteArray &octets)
{
    Flux flux{&octets, 0};
    int code = 0;
    FichierGif fichier;
    fichier.gif = DGifOpen(&flux, LireOctets, &code);
    if (!fichier.gif)
        return {};
    GifFileType *gif = fichier.gif;
    QByteArray commentaire;
    // Only the records before the first frame are read: a damaged file
    // gives what was found up to the fault.
    for (;;) {
        GifRecordType type = UNDEFINED_RECORD_TYPE;
        if (DGifGetRecordType(gif, &type) == GIF_ERROR || type != EXTENSION_RECORD_TYPE)
            return commentaire;
        int codeExtension = 0;
        GifByteType *bloc = nullptr;
        if (DGifGetExtension(gif, &codeExtension, &bloc) == GIF_ERROR)
            return commentaire;
        while (bloc) {
            if (codeExtension == COMMENT_EXT_FUNC_CODE && commentaire.size() < (1 << 20))
                commentaire.append(reinterpret_cast<const char *>(bloc + 1), bloc[0]);
            if (DGifGetExtensionNext(gif, &bloc) == GIF_ERROR)
                return commentaire;
        }
    }
}
