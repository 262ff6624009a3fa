// kaptori-cli histogramme FICHIER: the counts of the histogram window.
// Prints "pixels: N", "mini: R V B", "maxi: R V B", the header line
// "niveau rouge verte bleue" and one line per level 0..255 with the counts of
// red, green and blue, tab-separated (the window shows count × 100 / N).

#include "app/cli/commandes_cli.h"
#include "document/ouverture_document.h"
#include "processing/histogrammes.h"

#include <QCoreApplication>

int CommandeHistogramme(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    if (arguments.size() != 1 || arguments.at(0).startsWith(QLatin1String("--"))) {
        erreurs << QCoreApplication::translate("CommandesCli", "Usage : kaptori-cli histogramme FICHIER") << '\n';
        return 1;
    }
    const auto document = OuvrirDocument(arguments.at(0), 0);
    const HistogrammesImage h = CalculerHistogrammes(document->image);
    const auto rvb = [](const std::array<int, 3> &v) {
        return QStringLiteral("%1 %2 %3").arg(v[ComposanteRouge]).arg(v[ComposanteVerte]).arg(v[ComposanteBleue]);
    };
    sortie << QStringLiteral("pixels: %1\n").arg(h.pixels);
    sortie << QStringLiteral("mini: ") << rvb(h.MiniImage) << '\n';
    sortie << QStringLiteral("maxi: ") << rvb(h.MaxiImage) << '\n';
    sortie << QStringLiteral("niveau\trouge\tverte\tbleue\n");
    for (std::size_t v = 0; v < 256; ++v)
        sortie << QStringLiteral("%1\t%2\t%3\t%4\n")
                      .arg(v)
                      .arg(h.comptes[ComposanteRouge][v])
                      .arg(h.comptes[ComposanteVerte][v])
                      .arg(h.comptes[ComposanteBleue][v]);
    return 0;
}
