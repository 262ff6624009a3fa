#pragma once
// Assembly of the frames a scanner or camera delivers into one picture.
// A device sends a picture as one frame (grey or red-green-blue samples
// interleaved) or as three frames of one colour each (three-pass devices).
// Samples are 1, 8 or 16 bits deep; 16-bit samples are in the machine's byte
// order and become 8 bits as round(v / 257); a 1-bit grey sample that is set
// is black, a 1-bit colour sample that is set is full intensity. Bytes past
// the pixels of a line (bytes_per_line padding) are skipped.
//
// The parameters come from the device and are not trusted: they are checked
// before anything is allocated (ErreurAcquisition with a French message).

#include "commun/erreur.h"

#include <QByteArray>
#include <QImage>

#include <cstdint>
#include <vector>

// A device's error, or a frame the program refuses: its French message.
class ErreurAcquisition : public ErreurKaptori {
public:
    using ErreurKaptori::ErreurKaptori;
};

enum class FormatTrame { Gris, Rvb, Rouge, Vert, Bleu };

struct ParametresTrame {
    FormatTrame format = FormatTrame::Gris;
    bool derniere = true;     // last frame of the picture
    int octetsParLigne = 0;   // bytes_per_line
    int pixelsParLigne = 0;   // pixels_per_line
    int lignes = 0;           // -1: unknown height (hand scanner), given by the bytes
    int profondeur = 8;       // bits per sample: 1, 8 or 16
};

struct Trame {
    ParametresTrame parametres;
    QByteArray octets;
};

// Limits on what a device may announce: each side, and the whole picture.
inline constexpr int kCoteMaxAcquisition = 32767;
inline constexpr std::int64_t kPixelsMaxAcquisition = 400'000'000;

// Bytes the pixels of one line need (without padding).
[[nodiscard]] std::int64_t OctetsUtilesParLigne(const ParametresTrame &p);

// Checks a frame's parameters before its bytes are read: known depth and
// format, sides within the limits, bytes_per_line enough for its pixels and
// not absurdly larger. Throws ErreurAcquisition.
void VerifierParametres(const ParametresTrame &p);

// Lines the bytes give: the announced height, or for an unknown height the
// whole lines received. Throws ErreurAcquisition when bytes are missing, when
// there is no line at all, or when the height passes the limits.
[[nodiscard]] int LignesDeTrame(const ParametresTrame &p, std::int64_t octetsRecus);

// The picture (Format_ARGB32, opaque) of one grey or RGB frame, or of one to
// three single-colour frames of the same size (a colour not delivered stays
// 0). Throws ErreurAcquisition for frames that do not make a picture.
[[nodiscard]] QImage AssemblerTrames(const std::vector<Trame> &trames);

// The same assembly as the bytes come from the device: each whole line is
// turned into pixels at once, so that a page of known height needs no copy
// of its raw bytes (a page of unknown height keeps them until its end).
class AssembleurTrames {
public:
    // A new frame: its parameters checked, and against the frames before.
    void Debuter(const ParametresTrame &p);
    // Bytes of the frame; those past its announced height are dropped. An
    // unknown height passing the picture limits throws.
    void Ajouter(const uchar *octets, std::int64_t n);
    // End of the frame: throws when bytes are missing.
    void Terminer();
    // True once the frame that ends the picture has ended.
    [[nodiscard]] bool Complete() const { return complete_; }
    // The picture; throws when no frame ended.
    [[nodiscard]] QImage Image() const;

private:
    void Allouer(int hauteur);
    void ConvertirLigne(const uchar *ligne, int y);

    ParametresTrame p_;
    bool enCours_ = false;
    bool complete_ = false;
    int trames_ = 0;
    bool unique_ = true;   // grey or RGB, in one frame
    int largeur_ = 0;
    int hauteur_ = -1;     // -1 until known
    std::int64_t recus_ = 0;
    std::int64_t maximum_ = 0; // bytes an unknown height may reach
    int ligne_ = 0;        // next line to convert
    QByteArray reste_;     // start of a line cut between two reads
    QByteArray brut_;      // every byte of a frame of unknown height
    QImage image_;
};
