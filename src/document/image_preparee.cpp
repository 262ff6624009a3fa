#include "document/image_preparee.h"

#include "document/grandes_pages.h"

#include <cstddef>
#include <cstdint>
#include <system_error>

namespace {

QImage NouvelleImage(int largeur, int hauteur)
{
    QImage image(largeur, hauteur, QImage::Format_ARGB32);
    if (!image.isNull())
        PreparerGrandesPages(image.bits(), static_cast<std::size_t>(image.sizeInBytes()));
    return image;
}

} // namespace

ImagePreparee::~ImagePreparee()
{
    if (fil_.joinable())
        fil_.join();
}

void ImagePreparee::Preparer(int largeur, int hauteur)
{
    // A small bitmap costs less than a thread.
    constexpr std::int64_t Seuil = std::int64_t{16} << 20;
    if (fil_.joinable() || !image_.isNull() || std::int64_t{largeur} * hauteur * 4 < Seuil)
        return;
    try {
        fil_ = std::thread([this, largeur, hauteur] { image_ = NouvelleImage(largeur, hauteur); });
    } catch (const std::system_error &) {
        // No thread to be had: the bitmap is obtained when shown.
    }
}

QImage ImagePreparee::Prendre()
{
    if (fil_.joinable())
        fil_.join();
    return std::move(image_);
}
