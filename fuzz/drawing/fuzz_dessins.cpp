// Reads arbitrary bytes as the drawing block of a document file, then draws
// what was read onto a small layer: reading must either succeed or throw
// ErreurDecodage, and drawing must stay inside the bitmaps.

#include "commun/erreur.h"
#include "drawing/dessin_fichier.h"
#include "drawing/rendu_dessin.h"

#include <QBuffer>
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    static int argc = 1;
    static char nom[] = "fuzz_dessins";
    static char *argv[] = {nom, nullptr};
    static QGuiApplication *app = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QGuiApplication(argc, argv);
    }();
    (void)app;

    QByteArray octets(reinterpret_cast<const char *>(data), static_cast<qsizetype>(size));
    QBuffer tampon(&octets);
    tampon.open(QIODevice::ReadOnly);
    TListeDessins liste;
    try {
        LireDessins(tampon, liste);
    } catch (const ErreurDecodage &) {
    }
    QImage image(64, 48, QImage::Format_ARGB32);
    image.fill(0xFF808080u);
    QImage couche(64, 48, QImage::Format_ARGB32);
    couche.fill(0x00FFFFFFu);
    for (const ElementDessin &e : liste.Elements()) {
        TDessin d = *e.dessin;
        // Keep drawing cheap: huge radii or widths only cost time.
        d.Rayon = static_cast<std::int16_t>(d.Rayon % 200);
        d.Epaisseur = static_cast<std::uint8_t>(d.Epaisseur % 12);
        if (d.Genre == GenreTexte || d.Genre == GenreLegende)
            continue;
        Dessiner(d, image, couche);
    }
    return 0;
}
