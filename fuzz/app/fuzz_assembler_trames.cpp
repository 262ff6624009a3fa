// Frames with any parameters and bytes: byte 0 gives the number of frames
// (1..3); each frame is a 12-byte header (format, last flag, bytes per line,
// pixels per line, lines as a signed value, depth, length of its bytes, all
// little-endian 16-bit) followed by its bytes. The assembly either refuses
// the frames or gives a picture of the announced width whose height the
// bytes hold; it never reads past them.

#include "app/assembler_trames.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

namespace {

void Verifier(bool condition)
{
    if (!condition)
        std::abort();
}

int Mot(const std::uint8_t *d)
{
    return d[0] | (d[1] << 8);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *donnees, std::size_t taille)
{
    if (taille < 1)
        return 0;
    const int nombre = donnees[0] % 3 + 1;
    std::size_t pos = 1;
    std::vector<Trame> trames;
    for (int k = 0; k < nombre; ++k) {
        if (taille - pos < 12)
            return 0;
        const std::uint8_t *h = donnees + pos;
        pos += 12;
        Trame t;
        t.parametres.format = FormatTrame(h[0] % 5);
        t.parametres.derniere = h[1] & 1;
        t.parametres.octetsParLigne = Mot(h + 2);
        t.parametres.pixelsParLigne = Mot(h + 4);
        t.parametres.lignes = std::int16_t(Mot(h + 6));
        static constexpr int profondeurs[4] = {1, 8, 16, 4};
        t.parametres.profondeur = profondeurs[h[8] % 4];
        const std::size_t longueur = std::min<std::size_t>(std::size_t(Mot(h + 10)), taille - pos);
        t.octets = QByteArray(reinterpret_cast<const char *>(donnees + pos), qsizetype(longueur));
        pos += longueur;
        trames.push_back(std::move(t));
    }
    try {
        const QImage image = AssemblerTrames(trames);
        const ParametresTrame &p = trames.front().parametres;
        Verifier(image.width() == p.pixelsParLigne);
        Verifier(std::int64_t(image.height()) * p.octetsParLigne <= trames.front().octets.size());
        Verifier(p.lignes < 0 || image.height() == p.lignes);
    } catch (const ErreurAcquisition &) {
    }
    return 0;
}
