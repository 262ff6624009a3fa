#include "processing/image_resultat.h"

#include "commun/erreur.h"
#include "commun/grandes_pages.h"

#include <QCoreApplication>

#include <cstdint>
#include <cstdlib>
#include <mutex>
#include <utility>

namespace {

constexpr std::size_t SeuilReserve = std::size_t{16} << 20;
constexpr std::size_t TailleReserveMaxi = std::size_t{256} << 20; // larger blocks are never kept

struct Bloc {
    void *memoire = nullptr;
    std::size_t taille = 0;
};

// Never destroyed: pictures released while the program ends may still give
// their block back.
struct Reserve {
    std::mutex garde;
    Bloc bloc;
};

Reserve &LaReserve()
{
    static auto *reserve = new Reserve;
    return *reserve;
}

// A block of `taille` bytes: the one in reserve when it holds them without
// wasting more than a quarter, else new memory made present.
Bloc Prendre(std::size_t taille)
{
    Bloc libere;
    {
        Reserve &r = LaReserve();
        const std::lock_guard<std::mutex> verrou(r.garde);
        if (r.bloc.memoire && r.bloc.taille >= taille && r.bloc.taille - taille <= taille / 4) {
            const Bloc b = r.bloc;
            r.bloc = {};
            return b;
        }
        libere = r.bloc; // too small or too large: freed, not kept
        r.bloc = {};
    }
    std::free(libere.memoire);
    Bloc b{std::malloc(taille), taille};
    if (b.memoire)
        PreparerGrandesPages(b.memoire, taille);
    return b;
}

// Called by the last copy of a picture made on a reserved block.
void Rendre(void *info)
{
    auto *b = static_cast<Bloc *>(info);
    Bloc libere = *b;
    delete b;
    {
        Reserve &r = LaReserve();
        const std::lock_guard<std::mutex> verrou(r.garde);
        if (libere.taille <= TailleReserveMaxi)
            std::swap(libere, r.bloc);
    }
    std::free(libere.memoire);
}

[[noreturn]] void MemoireInsuffisante(QSize taille)
{
    throw ErreurKaptori(QCoreApplication::translate("Traitements", "Mémoire insuffisante pour une image de %1 × %2 pixels.")
                            .arg(taille.width())
                            .arg(taille.height()));
}

} // namespace

QImage ImageResultat(QSize taille)
{
    if (taille.isEmpty())
        return QImage(taille, QImage::Format_ARGB32);
    const std::size_t octets = std::size_t{4} * static_cast<std::size_t>(taille.width()) * static_cast<std::size_t>(taille.height());
    if (octets < SeuilReserve) {
        QImage image(taille, QImage::Format_ARGB32);
        if (image.isNull())
            MemoireInsuffisante(taille);
        PreparerGrandesPages(image.bits(), static_cast<std::size_t>(image.sizeInBytes()));
        return image;
    }
    const Bloc b = Prendre(octets);
    if (!b.memoire)
        MemoireInsuffisante(taille);
    auto *info = new Bloc(b);
    QImage image(static_cast<uchar *>(b.memoire), taille.width(), taille.height(), static_cast<qsizetype>(4) * taille.width(),
                 QImage::Format_ARGB32, Rendre, info);
    if (image.isNull()) {
        Rendre(info);
        MemoireInsuffisante(taille);
    }
    return image;
}
