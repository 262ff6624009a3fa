#include "processing/points_comptage.h"

#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "commun/nombres.h"

#include <QCoreApplication>
#include <QRegularExpression>
#include <algorithm>
#include <limits>
#include <QStringList>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("PointsComptage", texte);
}

[[noreturn]] void Refuser(int ligne, const QString &raison)
{
    throw ErreurDecodage(Tr("Fichier de points, ligne %1 : %2").arg(ligne).arg(raison));
}

} // namespace

std::vector<PointComptage> LirePointsComptage(const QByteArray &octets, QSize image)
{
    static const QRegularExpression separateurs(QStringLiteral("[ \\t;]+"));
    const QStringList lignes = DecouperLignes(DecoderTexte(octets));
    std::vector<PointComptage> points;
    for (qsizetype n = 0; n < lignes.size(); ++n) {
        const int numero = static_cast<int>(std::min<qsizetype>(n + 1, std::numeric_limits<int>::max()));
        const QString ligne = lignes[n].trimmed();
        if (ligne.isEmpty() || ligne.startsWith(QLatin1Char('#')))
            continue;
        if (static_cast<int>(points.size()) >= NbMaxiPointsComptage)
            Refuser(numero, Tr("plus de %1 marques, la limite").arg(NbMaxiPointsComptage));
        QStringList champs = ligne.split(separateurs, Qt::SkipEmptyParts);
        if (champs.size() != 3)
            Refuser(numero, Tr("trois nombres entiers attendus (catégorie, x, y)"));
        std::int64_t v[3];
        for (int i = 0; i < 3; ++i) {
            bool ok = false;
            v[i] = TexteEnEntier(champs[i], &ok);
            if (!ok)
                Refuser(numero, Tr("« %1 » n'est pas un nombre entier").arg(champs[i].left(40)));
        }
        if (v[0] < 1 || v[0] > 10)
            Refuser(numero, Tr("la catégorie %1 n'est pas entre 1 et 10").arg(v[0]));
        if (v[1] < 0 || v[2] < 0 || v[1] >= image.width() || v[2] >= image.height())
            Refuser(numero, Tr("le point (%1, %2) est hors de l'image (%3 × %4)")
                                .arg(v[1])
                                .arg(v[2])
                                .arg(image.width())
                                .arg(image.height()));
        points.push_back({static_cast<int>(v[0]), QPoint(static_cast<int>(v[1]), static_cast<int>(v[2]))});
    }
    return points;
}
