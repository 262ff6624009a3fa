#pragma once
// Logical combination of two pictures: image 2 (S) laid over image 1 (D)
// with one of fifteen raster operations, bit by bit on each colour
// component, the pattern P being plain white. The result has image 1's size
// and alpha; outside a smaller image 2 it keeps image 1 as it is, except
// for the methods that do not read image 2 (PatInvert, PatCopy, DstInvert,
// Whiteness, Blackness), which cover the whole of image 1.

#include <QImage>
#include <QString>

#include <array>
#include <cstdint>
#include <optional>

enum class MethodeLogique {
    SrcAnd,      // D and S
    SrcPaint,    // D or S
    MergePaint,  // (not S) or D
    NotSrcErase, // not (D or S)
    SrcInvert,   // D xor S
    SrcErase,    // S and (not D)
    MergeCopy,   // P and S: S
    PatPaint,    // P or (not S) or D: white
    PatInvert,   // P xor D: not D
    PatCopy,     // P: white
    SrcCopy,     // S
    NotSrcCopy,  // not S
    DstInvert,   // not D
    Whiteness,   // white
    Blackness,   // black
};
inline constexpr int NbMethodesLogiques = 15;

struct DescriptionMethode {
    MethodeLogique methode;
    const char *item;        // the list's caption
    const char *description; // the framed text shown below the list
    const char *nom;         // the command line's name: the item without "cm", lower case
    std::uint32_t code;      // ternary raster operation code
};

// The fifteen methods in list order.
[[nodiscard]] const std::array<DescriptionMethode, NbMethodesLogiques> &MethodesLogiques();

// The method of a command-line name ("srcand" … "blackness").
[[nodiscard]] std::optional<MethodeLogique> MethodeDeNom(const QString &nom);

// The raster operation on one 32-bit word of D and S, pattern white.
[[nodiscard]] std::uint32_t OperationLogique(MethodeLogique m, std::uint32_t d, std::uint32_t s);

// The combined picture (Format_ARGB32).
[[nodiscard]] QImage CombinerLogique(const QImage &image1, const QImage &image2, MethodeLogique methode);
