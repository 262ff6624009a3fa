#pragma once
// The points file of the command line's counting: one mark per line,
// "K X Y" (category 1..10, then the image pixel clicked), the fields
// separated by blanks, tabs or ";". Empty lines and lines starting with "#"
// are skipped.

#include <QByteArray>
#include <QPoint>
#include <QSize>

#include <vector>

struct PointComptage {
    int categorie = 1; // 1..10
    QPoint pixel;
};

// Most marks a points file may hold.
inline constexpr int NbMaxiPointsComptage = 100000;

// The marks of the file, in file order, for an image of the given size.
// Throws ErreurDecodage with a French message naming the line for a line
// that is not three integers, a category outside 1..10, a pixel outside the
// image, or a file over NbMaxiPointsComptage marks.
[[nodiscard]] std::vector<PointComptage> LirePointsComptage(const QByteArray &octets, QSize image);
