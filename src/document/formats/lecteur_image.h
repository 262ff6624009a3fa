#pragma once
// Reading ordinary pictures. The decoder is chosen by the file's content when
// its first bytes carry a known signature, whatever its extension says (a
// BMP saved under ".ico", ".emf" or ".wmf", a PNG named ".jpg"); otherwise by
// its extension (compared in upper case); otherwise by what Qt's plugins
// recognise in the content. PNG, JPEG, GIF (first frame) and TIFF (first
// page) go to libpng, libjpeg, giflib and libtiff; BMP, icons and the other
// formats of Qt's image plugins (TGA, WebP, PNM, XPM, SVG…) go to
// QImageReader.
//
// Samples of 16 bits become 8 bits by one rule everywhere, round(v / 257),
// with no gamma or colour-profile conversion; 8-bit samples stay as stored.
//
// Every decoder checks the picture's size before allocating it: at most
// 32767 pixels in either direction (element coordinates are 16-bit), at most
// 400 million pixels, and no more pixels than the file's bytes can encode.

#include <QByteArray>
#include <QImage>
#include <QString>

#include <optional>

inline constexpr int kCoteMaxImage = 32767;
inline constexpr qint64 kPixelsMaxImage = 400'000'000;

enum class CodecImage { Png, Jpeg, Gif, Tiff, Qt };

struct LecteurImage {
    CodecImage codec = CodecImage::Qt;
    QByteArray formatQt; // Qt's format name for CodecImage::Qt ("bmp", "ico"…)
    QString nom;         // shown to the user: "PNG", "JPEG", "BMP"…
};

// The decoder for a path's extension, or nothing when none reads it.
[[nodiscard]] std::optional<LecteurImage> LecteurPourChemin(const QString &chemin);

// The decoder the file's first bytes call for, or nothing when they carry no
// known signature (or name a format no installed plugin reads).
[[nodiscard]] std::optional<LecteurImage> LecteurSelonContenu(const QByteArray &octets);

// The picture of a file in QImage::Format_ARGB32. Throws ErreurDecodage
// ("Extension de fichier graphique inconnue (.xyz)" when neither content nor
// extension names a format, a damaged file, a picture too large) or ErreurFichier (file missing or unreadable).
[[nodiscard]] QImage LireImage(const QString &chemin);

// Same, from the file's bytes already in memory; the messages do not name
// the file.
[[nodiscard]] QImage DecoderImage(const QByteArray &octets, const LecteurImage &lecteur);

// The format a file's first bytes announce ("PNG", "JPEG", "GIF", "TIFF",
// "BMP", "WebP", "ICO"), or an empty text.
[[nodiscard]] QString FormatSelonContenu(const QByteArray &octets);

// The comment extensions found before the first frame of a GIF file's bytes,
// joined; empty when there is none or the bytes are not a GIF file.
[[nodiscard]] QByteArray CommentaireGif(const QByteArray &octets);
