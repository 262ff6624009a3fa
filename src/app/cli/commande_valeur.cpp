// kaptori-cli valeur FICHIER X Y: what the status bar and the decoding panel
// show for pixel (X, Y) of a file opened with its side-files:
//   RVBLS:R,G,B,L,S
//   X:x;Y:y
// then, by the kind of the colour code,
//   valeur: <text> <unit>     kinds 1 to 3 ("valeur:" alone when the colour
//                             is not decodable or the code not defined)
//   canaux: v1; v2; v3        kind 0 (the channel bytes for a raster file)
// so that a value can be read at the same place on a series of maps.

#include "app/cli/commandes_cli.h"
#include "app/lecture_document.h"
#include "commun/nombres.h"
#include "document/ouverture_document.h"

#include <QCoreApplication>

#include <climits>
#include <cstdint>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandeValeur", texte);
}

} // namespace

int CommandeValeur(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    if (arguments.size() != 3) {
        erreurs << Tr("Usage : kaptori-cli valeur FICHIER X Y\n");
        return 1;
    }
    bool okX = false;
    bool okY = false;
    const std::int64_t x = TexteEnEntier(arguments.at(1), &okX);
    const std::int64_t y = TexteEnEntier(arguments.at(2), &okY);
    if (!okX || !okY) {
        erreurs << Tr("Les coordonnées X et Y doivent être des nombres entiers de pixels : %1 %2\n")
                       .arg(arguments.at(1), arguments.at(2));
        return 1;
    }
    const auto document = OuvrirDocument(arguments.first(), 0);
    PixelLu pixel;
    if (x > INT_MAX || y > INT_MAX || x < 0 || y < 0
        || !LirePixelDocument(*document, static_cast<int>(x), static_cast<int>(y), &pixel)) {
        erreurs << Tr("Le point (%1 ; %2) est hors de l'image, qui mesure %3 x %4 pixels.\n")
                       .arg(x)
                       .arg(y)
                       .arg(document->image.width())
                       .arg(document->image.height());
        return 1;
    }

    sortie << TexteRVBLS(pixel.r, pixel.g, pixel.b) << QLatin1Char('\n');
    sortie << TexteXY(static_cast<int>(x), static_cast<int>(y)) << QLatin1Char('\n');

    const TCodeCouleur &code = document->codeCouleur;
    const LectureDecodage l = LireDecodage(code, pixel);
    if (l.vue == LectureDecodage::Vue::Signature) {
        sortie << QStringLiteral("canaux: %1; %2; %3\n")
                      .arg(l.signature.valeurs[0])
                      .arg(l.signature.valeurs[1])
                      .arg(l.signature.valeurs[2]);
        return 0;
    }
    sortie << QStringLiteral("valeur:");
    if (l.vue == LectureDecodage::Vue::Valeur && l.valeur.decodable) {
        sortie << QLatin1Char(' ') << l.valeur.texte;
        if (!code.UniteCode.isEmpty())
            sortie << QLatin1Char(' ') << code.UniteCode;
    }
    sortie << QLatin1Char('\n');
    return 0;
}
