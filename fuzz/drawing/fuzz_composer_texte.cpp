// Markup texts on arbitrary input: reading the tags, composing the picture,
// measuring a label and applying the markup buttons. The first byte gives the
// font size in points (1..256), the second the alignment and a style, the
// third the button pressed and the selection; the rest is the text, UTF-8.

#include "drawing/bouton_balise.h"
#include "drawing/composer_texte.h"
#include "drawing/element_texte.h"
#include "drawing/etiquette_balisee.h"

#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int *argc, char ***argv)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QGuiApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size < 3)
        return 0;
    const int points = data[0] + 1;
    const int alignement = data[1] & 3;
    const int style = (data[1] >> 2) & 15;
    const QString texte =
        QString::fromUtf8(reinterpret_cast<const char *>(data + 3), static_cast<qsizetype>(size - 3));

    const QFont police = PoliceDeTexte(QStringLiteral("DejaVu Sans"), points, style);
    const QStringList lignes = LignesDuTexte(texte);
    const QImage image = ComposerTexte(police, 0xFF000000, alignement, 0xFFFFFFFF, lignes);
    if (!image.isNull() && (image.width() < 8 || image.height() < 4))
        std::abort();
    if (lignes.isEmpty() && image.size() != QSize(8, 4))
        std::abort();

    if (!lignes.isEmpty())
        (void)MesurerEtiquette(police, 96.0, lignes.first());

    const Balise boutons[] = {Balise::Gras, Balise::FinGras, Balise::Exposant, Balise::FinExposant, Balise::Indice,
                              Balise::FinIndice};
    const int debut = (data[2] >> 3) % (static_cast<int>(texte.size()) + 2);
    const TexteEdite edite = AppliquerBoutonBalise({texte, debut, data[2] & 7}, boutons[data[2] % 6]);
    if (edite.debut < 0 || edite.longueur < 0 || edite.debut + edite.longueur > edite.texte.size())
        std::abort();
    return 0;
}
