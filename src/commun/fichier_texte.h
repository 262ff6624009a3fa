#pragma once
// Text files of the program (scales, colour codes, configuration, lists):
// written in Windows-1252 with CR LF line ends; read as UTF-8 when the bytes
// are valid UTF-8 holding a multi-byte sequence, as Windows-1252 otherwise,
// with CR LF, LF and CR all ending a line.

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <optional>

// Windows-1252 bytes of a text; a character the code page cannot hold is "?".
[[nodiscard]] QByteArray EncoderWindows1252(const QString &texte);

// Text of bytes from a file: UTF-8 when valid and not plain ASCII, else Windows-1252.
[[nodiscard]] QString DecoderTexte(const QByteArray &octets);

// Splits at CR LF, LF or CR; a final line end does not make an empty last line.
[[nodiscard]] QStringList DecouperLignes(const QString &texte);

// Lines of a text file, or nothing when the file cannot be read.
[[nodiscard]] std::optional<QStringList> LireFichierTexte(const QString &chemin);

// Writes the lines, each ended by CR LF, through a temporary file renamed over
// the target, so that a failure leaves the previous file intact.
[[nodiscard]] bool EcrireFichierTexte(const QString &chemin, const QStringList &lignes);

// Writes bytes the same safe way.
[[nodiscard]] bool EcrireFichierSur(const QString &chemin, const QByteArray &octets);
