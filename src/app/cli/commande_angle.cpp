// kaptori-cli angle AX AY BX BY CX CY DX DY: the readout of the angle
// measurement for the segments A->B and C->D in image pixels, the acute
// angle then the oriented one: "30° (150°)".

#include "app/cli/commandes_cli.h"
#include "measure/angle_segments.h"

#include <QCoreApplication>
#include <QPoint>

#include <optional>


int CommandeAngle(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    if (arguments.size() != 8) {
        erreurs << QCoreApplication::translate("CommandeAngle", "Usage : kaptori-cli angle AX AY BX BY CX CY DX DY\n");
        return 1;
    }
    const auto points = PointsDeLigneCommande(arguments, erreurs);
    if (!points)
        return 1;
    const AngleSegments r = AngleEntreSegments(points->at(0), points->at(1), points->at(2), points->at(3));
    sortie << TexteAngle(r.angle) << QLatin1Char('\n');
    return 0;
}
