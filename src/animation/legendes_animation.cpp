#include "animation/legendes_animation.h"

#include "animation/animation.h"

QString LegendeDecomposition(const QString &cheminAnimation, int i)
{
    const QString chiffres = QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0'));
    const qsizetype debutNom = cheminAnimation.size() - PartieNomFichier(cheminAnimation).size();
    const qsizetype point = cheminAnimation.lastIndexOf(QLatin1Char('.'));
    if (point < debutNom)
        return cheminAnimation + chiffres;
    return cheminAnimation.left(point) + chiffres + cheminAnimation.mid(point);
}

QString LigneChoixDocument(int numero, const QString &legende)
{
    return (numero < 10 ? QStringLiteral(" ") : QString()) + QString::number(numero) + QLatin1Char(' ')
           + PartieNomFichier(legende);
}
