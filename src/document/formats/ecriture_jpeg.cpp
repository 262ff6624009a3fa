#include "document/formats/ecriture_jpeg.h"

#include "commun/erreur.h"
#include "commun/raison_fichier.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QImage>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <type_traits>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr std::size_t kTailleTampon = 64 * 1024;

struct EtatEcritureJpeg {
    jpeg_error_mgr erreurs{};
    jpeg_destination_mgr destination{};
    std::jmp_buf saut{};
    QIODevice *sortie = nullptr;
    JOCTET *tampon = nullptr;
    bool erreurEcriture = false;
    char message[JMSG_LENGTH_MAX] = {};
};

static_assert(std::is_standard_layout_v<EtatEcritureJpeg>);

EtatEcritureJpeg *Etat(j_compress_ptr cinfo)
{
    // The error manager is the first member, and cinfo->err points at it.
    return reinterpret_cast<EtatEcritureJpeg *>(cinfo->err);
}

void SortirSurErreur(j_common_ptr cinfo)
{
    auto *etat = reinterpret_cast<EtatEcritureJpeg *>(cinfo->err);
    if (!etat->erreurEcriture)
        (*cinfo->err->format_message)(cinfo, etat->message);
    std::longjmp(etat->saut, 1);
}

void Silence(j_common_ptr, int) {}

void InitDestination(j_compress_ptr cinfo)
{
    EtatEcritureJpeg *etat = Etat(cinfo);
    etat->destination.next_output_byte = etat->tampon;
    etat->destination.free_in_buffer = kTailleTampon;
}

void Vider(j_compress_ptr cinfo, std::size_t n)
{
    EtatEcritureJpeg *etat = Etat(cinfo);
    if (etat->sortie->write(reinterpret_cast<const char *>(etat->tampon), static_cast<qint64>(n))
        != static_cast<qint64>(n)) {
        etat->erreurEcriture = true;
        SortirSurErreur(reinterpret_cast<j_common_ptr>(cinfo));
    }
}

boolean TamponPlein(j_compress_ptr cinfo)
{
    Vider(cinfo, kTailleTampon);
    InitDestination(cinfo);
    return TRUE;
}

void TerminerDestination(j_compress_ptr cinfo)
{
    EtatEcritureJpeg *etat = Etat(cinfo);
    Vider(cinfo, kTailleTampon - etat->destination.free_in_buffer);
}

// The libjpeg calls, free of C++ objects with destructors because an error
// leaves through longjmp. Rows of 0xAARRGGBB words are B, G, R, A bytes in
// memory, which libjpeg-turbo takes as they are (JCS_EXT_BGRX).
bool Compresser(jpeg_compress_struct *cinfo, EtatEcritureJpeg *etat, const QImage &image, int qualite)
{
    if (setjmp(etat->saut))
        return false;
    jpeg_create_compress(cinfo);
    cinfo->dest = &etat->destination;
    cinfo->image_width = static_cast<JDIMENSION>(image.width());
    cinfo->image_height = static_cast<JDIMENSION>(image.height());
    cinfo->input_components = 4;
    cinfo->in_color_space = JCS_EXT_BGRX;
    jpeg_set_defaults(cinfo);
    jpeg_set_quality(cinfo, qualite, TRUE);
    jpeg_start_compress(cinfo, TRUE);
    while (cinfo->next_scanline < cinfo->image_height) {
        auto *ligne = const_cast<JSAMPROW>(image.constScanLine(static_cast<int>(cinfo->next_scanline)));
        jpeg_write_scanlines(cinfo, &ligne, 1);
    }
    jpeg_finish_compress(cinfo);
    return true;
}

} // namespace

void EcrireJpeg(const QImage &image, int qualite, QIODevice &sortie)
{
    if (image.isNull())
        throw ErreurDecodage(QCoreApplication::translate("Enregistrement", "Image vide : rien à enregistrer"));
    if (image.width() > JPEG_MAX_DIMENSION || image.height() > JPEG_MAX_DIMENSION)
        throw ErreurDecodage(QCoreApplication::translate("Enregistrement",
                                                         "Image trop grande pour le format JPEG (%1 × %2 pixels)")
                                 .arg(image.width())
                                 .arg(image.height()));
    QImage source = image;
    if (source.format() != QImage::Format_ARGB32 && source.format() != QImage::Format_RGB32)
        source = image.convertToFormat(QImage::Format_ARGB32);
    qualite = std::clamp(qualite, kQualiteJpegMin, kQualiteJpegMax);

    std::vector<JOCTET> tampon(kTailleTampon);
    EtatEcritureJpeg etat;
    etat.sortie = &sortie;
    etat.tampon = tampon.data();
    jpeg_compress_struct cinfo{};
    cinfo.err = jpeg_std_error(&etat.erreurs);
    etat.erreurs.error_exit = SortirSurErreur;
    etat.erreurs.emit_message = Silence;
    etat.destination.init_destination = InitDestination;
    etat.destination.empty_output_buffer = TamponPlein;
    etat.destination.term_destination = TerminerDestination;

    const bool reussi = Compresser(&cinfo, &etat, source, qualite);
    jpeg_destroy_compress(&cinfo);
    if (reussi)
        return;
    if (etat.erreurEcriture)
        throw ErreurFichier(QCoreApplication::translate("Enregistrement", "Erreur d'écriture du fichier : %1")
                                .arg(RaisonEcriture(sortie.errorString())));
    throw ErreurDecodage(QCoreApplication::translate("Enregistrement", "Image JPEG impossible à écrire : %1")
                             .arg(QString::fromLatin1(etat.message)));
}
