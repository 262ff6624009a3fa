#include "measure/texte_conditions.h"

#include "measure/conditions_surface.h"

#include <QCoreApplication>
#include <QRegularExpression>

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("LireConditions", texte);
}

QString SansAccents(const QString &mot)
{
    QString sortie;
    for (const QChar c : mot.normalized(QString::NormalizationForm_D))
        if (c.category() != QChar::Mark_NonSpacing)
            sortie += c.toLower();
    return sortie;
}

QString UneLigne(QString texte)
{
    return texte.replace(QLatin1Char('\r'), QLatin1Char(' ')).simplified();
}

const char *const NomsComposantes[] = {"Bleue", "Verte", "Rouge", "Teinte", "Saturation", "Luminosité"};

} // namespace

ConditionsLues LireConditions(const QString &texte, int nbCanaux)
{
    ConditionsLues r;
    QString prepare = texte;
    prepare.replace(QLatin1Char('('), QStringLiteral(" ( "))
        .replace(QLatin1Char(')'), QStringLiteral(" ) "))
        .replace(QStringLiteral(".."), QStringLiteral(" .. "));
    const QStringList mots = prepare.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts);
    qsizetype i = 0;
    auto mot = [&]() { return i < mots.size() ? SansAccents(mots[i]) : QString(); };
    auto illisible = [&](const QString &attendu) {
        r.erreur = i < mots.size() ? tr("Conditions illisibles : « %1 » trouvé où %2 est attendu").arg(mots[i], attendu)
                                   : tr("Conditions illisibles : %1 est attendu à la fin").arg(attendu);
        return r;
    };
    if (mots.isEmpty()) {
        r.erreur = tr("Aucune condition");
        return r;
    }
    for (;;) {
        if (static_cast<int>(r.conditions.size()) >= NbConditionsMaxi) {
            r.erreur = MessageMaximumAtteint();
            return r;
        }
        int parenthese = SansParenthese;
        if (mot() == QLatin1String("(")) {
            parenthese = Ouvrante;
            ++i;
        }
        TCondicoul c;
        const QString nom = mot();
        QString nomAffiche;
        int position = -1;
        for (int p = 0; p < 6; ++p)
            if (nom == SansAccents(QString::fromUtf8(NomsComposantes[p]))) {
                position = p;
                nomAffiche = QString::fromUtf8(NomsComposantes[p]);
            }
        if (position < 0 && nom == QLatin1String("canal")) {
            ++i;
            bool ok = false;
            const int n = i < mots.size() ? mots[i].toInt(&ok) : 0;
            if (!ok || n < 1)
                return illisible(tr("un numéro de canal à partir de 1"));
            if (n > nbCanaux) {
                r.erreur = nbCanaux == 0 ? tr("Le canal %1 n'existe pas : le document n'a pas de canaux").arg(n)
                                         : tr("Le canal %1 n'existe pas : le document a %2 canaux").arg(n).arg(nbCanaux);
                return r;
            }
            position = 5 + n;
            nomAffiche = tr("canal %1").arg(n);
        } else if (position < 0) {
            return illisible(tr("une composante (Bleue, Verte, Rouge, Teinte, Saturation, Luminosité ou canal N)"));
        }
        ++i;
        c.Composante = static_cast<std::uint8_t>(CodeComposante(position));
        const int haut = MaxiComposante(c.Composante);
        int bornes[2] = {0, 0};
        for (int b = 0; b < 2; ++b) {
            if (b == 1) {
                if (mot() != QLatin1String(".."))
                    return illisible(QStringLiteral("« .. »"));
                ++i;
            }
            bool ok = false;
            const int v = i < mots.size() ? mots[i].toInt(&ok) : 0;
            if (!ok)
                return illisible(tr("un nombre entier"));
            if (v < 0 || v > haut) {
                r.erreur = tr("Valeur hors limites : %1 (de 0 à %2 pour %3)").arg(mots[i]).arg(haut).arg(nomAffiche);
                return r;
            }
            bornes[b] = v;
            ++i;
        }
        c.Mini = static_cast<std::uint16_t>(bornes[0]);
        c.Maxi = static_cast<std::uint16_t>(bornes[1]);
        if (mot() == QLatin1String(")")) {
            // "(" and ")" on one condition group nothing.
            parenthese = parenthese == Ouvrante ? SansParenthese : Fermante;
            ++i;
        }
        const int n = static_cast<int>(r.conditions.size()) + 1;
        if (ConditionImpossible(c)) {
            r.erreur = tr("Condition C%1 impossible !").arg(n);
            return r;
        }
        if (ConditionToujoursVraie(c))
            r.avertissements << tr("Condition C%1 inutile (toujours vraie) !").arg(n);
        r.conditions.push_back(c);
        r.parentheses.push_back(parenthese);
        if (i >= mots.size())
            break;
        const QString lien = mot();
        ++i;
        if (lien == QLatin1String("et")) {
            if (mot() == QLatin1String("non")) {
                r.conditions.back().Liaison = 3;
                ++i;
            }
        } else if (lien == QLatin1String("ou")) {
            r.conditions.back().Liaison = 1;
        } else if (lien == QLatin1String("xor")) {
            r.conditions.back().Liaison = 2;
        } else {
            --i;
            return illisible(tr("un lien (et, ou, xor, et non)"));
        }
        if (i >= mots.size())
            return illisible(tr("une condition après le lien"));
    }
    const VerificationParentheses v = VerifierParentheses(r.parentheses);
    if (v.etat != VerificationParentheses::Correct) {
        // The window's question (add the ")" at the end?) has no answer here.
        r.erreur = v.etat == VerificationParentheses::OuvranteNonFermee ? v.Message().section(QLatin1Char('\r'), 0, 0)
                                                                         : UneLigne(v.Message());
        return r;
    }
    r.groupes = ConstruireGroupes(r.conditions, r.parentheses);
    return r;
}
