#pragma once
// A display bitmap obtained while a large file is being read: its hundreds
// of megabytes are allocated and made present on a thread of their own, in
// the time the reading leaves the processor idle, so that showing the file
// then finds them ready.

#include <QImage>

#include <thread>

class ImagePreparee {
public:
    ImagePreparee() = default;
    ~ImagePreparee(); // waits for the thread
    ImagePreparee(const ImagePreparee &) = delete;
    ImagePreparee &operator=(const ImagePreparee &) = delete;

    // Starts obtaining a Format_ARGB32 bitmap of that size (contents
    // undefined); nothing when already started or for a bitmap of a few
    // megabytes, which costs less than a thread.
    void Preparer(int largeur, int hauteur);

    // The bitmap, once ready; null when none was asked for or memory lacked.
    [[nodiscard]] QImage Prendre();

private:
    QImage image_;
    std::thread fil_;
};
