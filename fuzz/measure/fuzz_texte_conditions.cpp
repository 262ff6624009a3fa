// Conditions written as text on arbitrary bytes: no crash, no hang; what is
// accepted holds 1 to 30 conditions within their ranges, grouped with the
// parentheses balanced.

#include "measure/conditions_surface.h"
#include "measure/texte_conditions.h"

#include <cstddef>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    if (size == 0)
        return 0;
    const int nbCanaux = data[0] % 8;
    const QString texte = QString::fromUtf8(reinterpret_cast<const char *>(data + 1), static_cast<qsizetype>(size - 1));
    const ConditionsLues lues = LireConditions(texte, nbCanaux);
    if (!lues.erreur.isEmpty())
        return 0;
    if (lues.conditions.empty() || lues.conditions.size() > static_cast<std::size_t>(NbConditionsMaxi)
        || lues.parentheses.size() != lues.conditions.size() || lues.groupes.empty())
        std::abort();
    std::size_t total = 0;
    for (const auto &groupe : lues.groupes)
        total += groupe.size();
    if (total != lues.conditions.size())
        std::abort();
    for (const TCondicoul &c : lues.conditions) {
        if (c.Maxi > MaxiComposante(c.Composante) || ConditionImpossible(c))
            std::abort();
        if (c.Composante >= 10 && c.Composante - 10 >= nbCanaux)
            std::abort();
    }
    std::vector<int> parentheses = lues.parentheses;
    if (VerifierParentheses(parentheses).etat != VerificationParentheses::Correct)
        std::abort();
    return 0;
}
