// kaptori-cli mesure FICHIER X Y [X2 Y2]: the readout that the measuring tool
// in the mode "&Courante" shows in status panel 4 for the file with its scale
// (side-file of a picture, or the scale inside a document file). One point:
// the position through a cartesian, triangular or polar scale (an empty line
// with a length scale). Two points: the length of the segment with a length
// scale ("2,5 mm"), the position of the second point with the other scales.

#include "app/cli/commandes_cli.h"
#include "commun/nombres.h"
#include "calibration/echelle.h"
#include "document/ouverture_document.h"
#include "measure/lecture_position.h"

#include <QCoreApplication>
#include <QPoint>
#include <QRect>

#include <limits>
#include <optional>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandeMesure", texte);
}

std::optional<int> Coordonnee(const QString &texte)
{
    bool ok = false;
    const std::int64_t v = TexteEnEntier(texte, &ok);
    if (!ok || v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max())
        return std::nullopt;
    return int(v);
}

} // namespace

std::optional<QList<QPoint>> PointsDeLigneCommande(const QStringList &arguments, QTextStream &erreurs)
{
    QList<QPoint> points;
    for (qsizetype i = 0; i + 1 < arguments.size(); i += 2) {
        const auto x = Coordonnee(arguments[i]);
        const auto y = Coordonnee(arguments[i + 1]);
        if (!x || !y) {
            erreurs << Tr("Coordonnée invalide : « %1 » (un nombre entier de pixels est attendu)\n")
                           .arg(!x ? arguments[i] : arguments[i + 1]);
            return std::nullopt;
        }
        points << QPoint(*x, *y);
    }
    return points;
}

int CommandeMesure(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    if (arguments.size() != 3 && arguments.size() != 5) {
        erreurs << Tr("Usage : kaptori-cli mesure FICHIER X Y [X2 Y2]\n");
        return 1;
    }
    const auto points = PointsDeLigneCommande(arguments.mid(1), erreurs);
    if (!points)
        return 1;
    const auto document = OuvrirDocument(arguments.first(), 0);
    const QRect image(QPoint(0, 0), document->image.size());
    for (const QPoint &p : *points) {
        if (!image.contains(p)) {
            erreurs << QCoreApplication::translate("CommandeValeur",
                                                   "Le point (%1 ; %2) est hors de l'image, qui mesure %3 x %4 "
                                                   "pixels.\n")
                           .arg(p.x())
                           .arg(p.y())
                           .arg(image.width())
                           .arg(image.height());
            return 1;
        }
    }
    TEchelle echelle = document->echelle;
    if (!echelle.Definie)
        echelle = EchelleParDefaut();

    const QPoint premier = points->at(0);
    const QPoint dernier = points->last();
    QString texte;
    if (points->size() == 2 && echelle.Mode == TEchelle::Longueur) {
        texte = TexteLongueur(echelle, premier, dernier);
    } else {
        const LecturePosition l = LirePosition(echelle, dernier.x(), dernier.y());
        if (l.erreurRayon)
            erreurs << Tr("erreur de calcul du rayon") << QLatin1Char('\n');
        if (l.erreurAngle)
            erreurs << Tr("erreur de calcul d'angle") << QLatin1Char('\n');
        texte = l.texte;
    }
    sortie << texte << QLatin1Char('\n');
    return 0;
}
