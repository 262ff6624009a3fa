#include "commun/couper_champ.h"

ChampCoupe CouperChamp(const QString &texte, QChar separateur)
{
    const qsizetype i = texte.indexOf(separateur);
    if (i < 0)
        return {texte, QString()};
    qsizetype debut = i + 1;
    while (debut < texte.size() && texte[debut] == QLatin1Char(' '))
        ++debut;
    return {texte.left(i), texte.mid(debut)};
}
