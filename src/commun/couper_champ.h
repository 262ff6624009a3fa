#pragma once
// Field cutting shared by the scale and colour-code text forms.

#include <QChar>
#include <QString>

struct ChampCoupe {
    QString champ; // text before the first separator, or the whole text when there is none
    QString reste; // text after that separator, leading spaces removed; empty when there is none
};

[[nodiscard]] ChampCoupe CouperChamp(const QString &texte, QChar separateur);
