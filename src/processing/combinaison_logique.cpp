#include "processing/combinaison_logique.h"

#include "commun/travail_parallele.h"
#include "processing/image_resultat.h"

#include <QRgb>

#include <cstring>

#include <algorithm>
#include <array>
#include <utility>

namespace {

constexpr std::uint32_t P = 0xFFFFFFFFu;

template <MethodeLogique M>
inline std::uint32_t Op(std::uint32_t d, std::uint32_t s)
{
    if constexpr (M == MethodeLogique::SrcAnd)
        return d & s;
    else if constexpr (M == MethodeLogique::SrcPaint)
        return d | s;
    else if constexpr (M == MethodeLogique::MergePaint)
        return ~s | d;
    else if constexpr (M == MethodeLogique::NotSrcErase)
        return ~(d | s);
    else if constexpr (M == MethodeLogique::SrcInvert)
        return d ^ s;
    else if constexpr (M == MethodeLogique::SrcErase)
        return s & ~d;
    else if constexpr (M == MethodeLogique::MergeCopy)
        return P & s;
    else if constexpr (M == MethodeLogique::PatPaint)
        return P | ~s | d;
    else if constexpr (M == MethodeLogique::PatInvert)
        return P ^ d;
    else if constexpr (M == MethodeLogique::PatCopy)
        return P;
    else if constexpr (M == MethodeLogique::SrcCopy)
        return s;
    else if constexpr (M == MethodeLogique::NotSrcCopy)
        return ~s;
    else if constexpr (M == MethodeLogique::DstInvert)
        return ~d;
    else if constexpr (M == MethodeLogique::Whiteness)
        return P;
    else
        return 0;
}

// The methods whose result does not read the source.
template <MethodeLogique M>
constexpr bool SansSource = M == MethodeLogique::PatInvert || M == MethodeLogique::PatCopy ||
                            M == MethodeLogique::DstInvert || M == MethodeLogique::Whiteness ||
                            M == MethodeLogique::Blackness;

template <MethodeLogique M>
void Appliquer(const QImage &d, const QImage &s, QImage &resultat, int w, int h)
{
    // A method that does not read the source covers the whole of image 1,
    // whatever the size of image 2.
    if constexpr (SansSource<M>) {
        w = d.width();
        h = d.height();
    }
    const std::size_t reste = sizeof(QRgb) * static_cast<std::size_t>(d.width() - w);
    uchar *bits = resultat.bits();
    const qsizetype pas = resultat.bytesPerLine();
    ParcourirEnParallele(d.height(), PartsParalleles(resultat.sizeInBytes()), [&](int debut, int fin) {
        const int largeur = w; // in a local: the stores to the pixels could otherwise alias it
        for (int y = debut; y < fin; ++y) {
            const auto *ld = reinterpret_cast<const QRgb *>(d.constScanLine(y));
            auto *lr = reinterpret_cast<QRgb *>(bits + pas * y);
            if (y >= h) {
                std::memcpy(lr, ld, sizeof(QRgb) * static_cast<std::size_t>(d.width()));
                continue;
            }
            if constexpr (SansSource<M>) {
                for (int x = 0; x < largeur; ++x) {
                    const std::uint32_t c = ld[x];
                    lr[x] = (Op<M>(c, 0) & 0x00FFFFFFu) | (c & 0xFF000000u);
                }
            } else {
                const auto *ls = reinterpret_cast<const QRgb *>(s.constScanLine(y));
                for (int x = 0; x < largeur; ++x) {
                    const std::uint32_t c = ld[x];
                    lr[x] = (Op<M>(c, ls[x]) & 0x00FFFFFFu) | (c & 0xFF000000u);
                }
            }
            if (reste > 0)
                std::memcpy(lr + w, ld + w, reste);
        }
    });
}

// Each method's word operation and picture loop, in the enumeration's order,
// so that a method is chosen once per call and its loop keeps its operation inline.
struct OperationsMethode {
    std::uint32_t (*operation)(std::uint32_t d, std::uint32_t s);
    void (*appliquer)(const QImage &d, const QImage &s, QImage &resultat, int w, int h);
};

template <std::size_t... I>
constexpr std::array<OperationsMethode, sizeof...(I)> TableMethodes(std::index_sequence<I...>)
{
    return {{{&Op<static_cast<MethodeLogique>(I)>, &Appliquer<static_cast<MethodeLogique>(I)>}...}};
}

static_assert(static_cast<int>(MethodeLogique::Blackness) == NbMethodesLogiques - 1);
constexpr auto Methodes = TableMethodes(std::make_index_sequence<NbMethodesLogiques>{});

} // namespace

const std::array<DescriptionMethode, NbMethodesLogiques> &MethodesLogiques()
{
    static const std::array<DescriptionMethode, NbMethodesLogiques> methodes{{
        {MethodeLogique::SrcAnd, QT_TRANSLATE_NOOP("TCombilog", "Et (cmSrcAnd)"),
         QT_TRANSLATE_NOOP("TCombilog", "Combine l'image du canevas et le bitmap source en utilisant l'opérateur booléen AND"),
         "srcand", 0x8800C6},
        {MethodeLogique::SrcPaint, QT_TRANSLATE_NOOP("TCombilog", "Ou  (cmSrcPaint)"),
         QT_TRANSLATE_NOOP("TCombilog", "Combine l'image du canevas et le bitmap source en utilisant l'opérateur booléen OR"),
         "srcpaint", 0xEE0086},
        {MethodeLogique::MergePaint, QT_TRANSLATE_NOOP("TCombilog", "Ou avec l'inverse (cmMergePaint)"),
         QT_TRANSLATE_NOOP("TCombilog", "Combine le bitmap source inversé à l'image du canevas en utilisant l'opérateur booléen OR"),
         "mergepaint", 0xBB0226},
        {MethodeLogique::NotSrcErase, QT_TRANSLATE_NOOP("TCombilog", "Ou puis inverse (cmNotSrcErase)"),
         QT_TRANSLATE_NOOP("TCombilog", "Combine le bitmap source à l'image du canevas en utilisant l'opérateur booléen OR, "
                                        "puis inverse le résultat."),
         "notsrcerase", 0x1100A6},
        {MethodeLogique::SrcInvert, QT_TRANSLATE_NOOP("TCombilog", "Ou exclusif (cmSrcInvert)"),
         QT_TRANSLATE_NOOP("TCombilog", "Combine l'image du canevas et le bitmap source en utilisant l'opérateur booléen XOR"),
         "srcinvert", 0x660046},
        {MethodeLogique::SrcErase, QT_TRANSLATE_NOOP("TCombilog", "cmSrcErase"),
         QT_TRANSLATE_NOOP("TCombilog", "Inverse l'image dans le canevas et combine le résultat avec le bitmap source en "
                                        "utilisant l'opérateur booléen AND"),
         "srcerase", 0x440328},
        {MethodeLogique::MergeCopy, QT_TRANSLATE_NOOP("TCombilog", "Et (cmMergeCopy)"),
         QT_TRANSLATE_NOOP("TCombilog", "Combine l'image du canevas et le bitmap source en utilisant l'opérateur booléen AND"),
         "mergecopy", 0xC000CA},
        {MethodeLogique::PatPaint, QT_TRANSLATE_NOOP("TCombilog", "cmPatPaint"),
         QT_TRANSLATE_NOOP("TCombilog", "Combine le bitmap source inversé et le motif de la source en utilisant l'opérateur "
                                        "booléen OR, puis combine le résultat obtenu avec l'image du canevas en utilisant "
                                        "l'opérateur booléen OR"),
         "patpaint", 0xFB0A09},
        {MethodeLogique::PatInvert, QT_TRANSLATE_NOOP("TCombilog", "cmPatInvert "),
         QT_TRANSLATE_NOOP("TCombilog", "Combine le motif de la source avec l'image du canevas en utilisant l'opérateur booléen XOR"),
         "patinvert", 0x5A0049},
        {MethodeLogique::PatCopy, QT_TRANSLATE_NOOP("TCombilog", "cmPatCopy"),
         QT_TRANSLATE_NOOP("TCombilog", "Copie le motif de la source dans le canevas"), "patcopy", 0xF00021},
        {MethodeLogique::SrcCopy, QT_TRANSLATE_NOOP("TCombilog", "cmSrcCopy"),
         QT_TRANSLATE_NOOP("TCombilog", "Copie le bitmap source dans le canevas"), "srccopy", 0xCC0020},
        {MethodeLogique::NotSrcCopy, QT_TRANSLATE_NOOP("TCombilog", "cmNotSrcCopy"),
         QT_TRANSLATE_NOOP("TCombilog", "Copie le bitmap source inversé dans le canevas"), "notsrccopy", 0x330008},
        {MethodeLogique::DstInvert, QT_TRANSLATE_NOOP("TCombilog", "cmDstInvert"),
         QT_TRANSLATE_NOOP("TCombilog", "Inverse l'image du canevas et ne tient pas compte de la source"), "dstinvert", 0x550009},
        {MethodeLogique::Whiteness, QT_TRANSLATE_NOOP("TCombilog", "cmWhiteness"),
         QT_TRANSLATE_NOOP("TCombilog", "Remplit de blanc le rectangle de destination du canevas"), "whiteness", 0xFF0062},
        {MethodeLogique::Blackness, QT_TRANSLATE_NOOP("TCombilog", "cmBlackness"),
         QT_TRANSLATE_NOOP("TCombilog", "Remplit de noir le rectangle de destination du canevas"), "blackness", 0x000042},
    }};
    return methodes;
}

std::optional<MethodeLogique> MethodeDeNom(const QString &nom)
{
    for (const DescriptionMethode &m : MethodesLogiques())
        if (nom == QLatin1String(m.nom))
            return m.methode;
    return std::nullopt;
}

std::uint32_t OperationLogique(MethodeLogique m, std::uint32_t d, std::uint32_t s)
{
    const auto i = static_cast<std::size_t>(m);
    return i < Methodes.size() ? Methodes[i].operation(d, s) : d;
}

QImage CombinerLogique(const QImage &image1, const QImage &image2, MethodeLogique m)
{
    const QImage d = image1.convertToFormat(QImage::Format_ARGB32);
    if (d.isNull())
        return d;
    const QImage s = image2.convertToFormat(QImage::Format_ARGB32);
    QImage resultat = ImageResultat(d.size());
    const int w = std::min(d.width(), s.width()), h = std::min(d.height(), s.height());
    if (const auto i = static_cast<std::size_t>(m); i < Methodes.size())
        Methodes[i].appliquer(d, s, resultat, w, h);
    return resultat;
}
