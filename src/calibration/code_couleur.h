#pragma once
// The colour code of a document: how the colours of a picture are read back
// as values. Four kinds: three channels carried by the blue, green and red
// components (0), one quantity painted with a rainbow scale (1) or with a
// two-colour scale (2), and a table of flat colours with their labels (3).
//
// Colours held by the record are Windows colour values 0x00BBGGRR, the form
// the text, the side-file and the document file store.

#include <QString>

#include <array>
#include <cstdint>

class QIODevice;

using CouleurWin = std::uint32_t; // 0x00BBGGRR

[[nodiscard]] constexpr int RougeWin(CouleurWin c) { return static_cast<int>(c & 0xFFu); }
[[nodiscard]] constexpr int VertWin(CouleurWin c) { return static_cast<int>((c >> 8) & 0xFFu); }
[[nodiscard]] constexpr int BleuWin(CouleurWin c) { return static_cast<int>((c >> 16) & 0xFFu); }
[[nodiscard]] constexpr CouleurWin CouleurRvb(int r, int g, int b)
{
    return static_cast<CouleurWin>((r & 0xFF) | ((g & 0xFF) << 8) | ((b & 0xFF) << 16));
}

enum TypeCodageCouleur : std::uint8_t {
    CodageTroisCanaux = 0,
    CodageArcEnCiel = 1,
    CodageDeuxCouleurs = 2,
    CodageTableau = 3,
};

inline constexpr int MaxEntreesTableau = 16;
inline constexpr int MinEntreesTableau = 4;
inline constexpr int LongueurMaxTexteCode = 20;

// A code holds the fields of its own kind only; the others keep their
// default values, so two codes of one kind compare equal field by field.
struct TCodeCouleur {
    std::uint8_t Definie = 0;
    std::uint8_t TypeCodage = CodageTroisCanaux;

    // Kind 0, channels 1, 2, 3 at indices 0, 1, 2 (blue, green, red components).
    std::array<double, 3> MiniC{0, 0, 0};  // value of component 0
    std::array<double, 3> MaxiC{0, 0, 0};  // value of component 255
    std::array<QString, 3> NomC;
    std::array<CouleurWin, 3> CouleurC{0, 0, 0};

    // Kind 1.
    int OrdreArcEnCiel = 0;  // 0..5, see PrimairesOrdre
    CouleurWin CouleurDebut = 0;
    CouleurWin CouleurMilieu = 0;
    CouleurWin CouleurFin = 0;

    // Kind 2.
    CouleurWin CouleurMin = 0;
    CouleurWin CouleurMax = 0;

    // Kinds 1 and 2.
    double ValeurMin = 0;
    double ValeurMax = 0;
    bool Logarithmique = false;

    // Kinds 1, 2 and 3.
    QString Grandeur;
    QString UniteCode;

    // Kind 3: entries 0 .. NbCouleurs - 1.
    int NbCouleurs = 0;
    std::array<QString, MaxEntreesTableau> Libelle;
    std::array<CouleurWin, MaxEntreesTableau> CouleurTable{};

    bool operator==(const TCodeCouleur &) const = default;
};

// Defined, kind 0, 0..255 on the three channels "Bleu", "Vert", "Rouge"
// shown in blue, green and red.
[[nodiscard]] TCodeCouleur CodeParDefaut();

// The code of a new document before any file or window gave it one: the
// fields of CodeParDefaut, not defined (the decoding panel shows "Pas
// d'échelle").
[[nodiscard]] TCodeCouleur CodeInitial();

// ---- Text form -----------------------------------------------------------

// "<CODE_C=" kind ";" fields each followed by ";" then ">". Reals with
// FormatGeneral at 4 digits and the user's decimal separator.
[[nodiscard]] QString CodeEnTexte(const TCodeCouleur &code);

// Parses a text form (the "<CODE_C=" prefix is optional); Definie is 0 on
// any failure: unknown kind, a field that does not convert, a missing field,
// or a table announcing more than 16 entries (the record holds 16).
[[nodiscard]] TCodeCouleur TexteEnCode(const QString &texte);

// ---- Side-file and stream ------------------------------------------------

// The side-file of an image: its name without the last four characters,
// followed by ".ccc" (photo.jpeg gives photo..ccc).
[[nodiscard]] QString NomCodeAnnexe(const QString &nomImage);

// First line of the side-file; CodeParDefaut when the file is missing,
// unreadable or does not parse.
[[nodiscard]] TCodeCouleur LireCodeAnnexe(const QString &nomImage);

// Writes CodeEnTexte as the single line of the side-file, replacing it
// safely. Throws ErreurFichier when it cannot be written.
void EcrireCodeAnnexe(const QString &nomImage, const TCodeCouleur &code);

// An unsigned 16-bit little-endian length and that many bytes of text
// (Windows-1252), no terminator; length 0 for an undefined code.
// Throws ErreurFichier when the device refuses the bytes.
void EcrireCodeFlux(QIODevice &flux, const TCodeCouleur &code);

// Reads what EcrireCodeFlux wrote: length 0 gives an undefined kind-0 code.
// Throws ErreurDecodage when the stream ends before the announced length.
[[nodiscard]] TCodeCouleur LireCodeFlux(QIODevice &flux);
