#pragma once
// Conditions written as text, for the command line: each condition
// "COMPOSANTE MINI..MAXI" followed by its connector "et", "ou", "xor" or
// "et non", with one level of parentheses:
//   (Rouge 129..255 et Verte 129..255) et non Bleue 128..255
// COMPOSANTE is Bleue, Verte, Rouge, Teinte, Saturation, Luminosité (case
// and accents optional) or "canal N" (from 1).

#include "drawing/dessin.h"

#include <QString>
#include <QStringList>

#include <vector>

struct ConditionsLues {
    std::vector<TCondicoul> conditions;
    std::vector<int> parentheses;
    TTableaudeTableaudeCondicoul groupes;
    QString erreur;          // French, on one line; empty on success
    QStringList avertissements; // always-true conditions, kept
};

// Reads, checks and groups the conditions as "Mesurer" does, for a document
// with nbCanaux channels. Any refusal leaves `erreur` set.
[[nodiscard]] ConditionsLues LireConditions(const QString &texte, int nbCanaux);
