#include "app/option_sane.h"

#include "app/assembler_trames.h"
#include "commun/nombres.h"

#include <QCoreApplication>

#include <cmath>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("Acquisition", texte);
}

QString Unite(int unite)
{
    switch (unite) {
    case 1:
        return Tr("pixels");
    case 2:
        return Tr("bits");
    case 3:
        return QStringLiteral("mm");
    case 4:
        return QStringLiteral("dpi");
    case 5:
        return QStringLiteral("%");
    case 6:
        return QStringLiteral("µs");
    default:
        return {};
    }
}

QString Nombre(double v)
{
    return FormatGeneral(v, 6);
}

[[noreturn]] void Refuser(const OptionSane &o, const QString &texte)
{
    const QString permises = ValeursPermises(o);
    if (permises.isEmpty())
        throw ErreurAcquisition(Tr("Valeur « %1 » refusée pour l'option « %2 ».").arg(texte, o.nom));
    throw ErreurAcquisition(
        Tr("Valeur « %1 » refusée pour l'option « %2 » : valeurs permises %3.").arg(texte, o.nom, permises));
}

} // namespace

QString ValeursPermises(const OptionSane &o)
{
    const QString unite = Unite(o.unite);
    const QString suffixe = unite.isEmpty() ? QString() : QLatin1Char(' ') + unite;
    switch (o.genre) {
    case OptionSane::Genre::Booleen:
        return Tr("oui ou non");
    case OptionSane::Genre::Bouton:
    case OptionSane::Genre::Groupe:
        return {};
    default:
        break;
    }
    switch (o.contrainte) {
    case OptionSane::Contrainte::Intervalle:
        return Tr("de %1 à %2").arg(Nombre(o.minimum), Nombre(o.maximum)) + suffixe;
    case OptionSane::Contrainte::ListeNombres: {
        QStringList l;
        for (double v : o.nombres)
            l << Nombre(v);
        return l.join(QStringLiteral(", ")) + suffixe;
    }
    case OptionSane::Contrainte::ListeTextes:
        return o.textes.join(QStringLiteral(", "));
    case OptionSane::Contrainte::Aucune:
        break;
    }
    if (o.genre == OptionSane::Genre::Entier)
        return Tr("un nombre entier") + suffixe;
    if (o.genre == OptionSane::Genre::Fixe)
        return Tr("un nombre") + suffixe;
    return {};
}

QVariant ValeurDeTexte(const OptionSane &o, const QString &texte)
{
    const QString t = texte.trimmed();
    switch (o.genre) {
    case OptionSane::Genre::Booleen: {
        const QString b = t.toLower();
        if (b == QLatin1String("oui") || b == QLatin1String("1") || b == QLatin1String("true")
            || b == QLatin1String("yes") || b == QLatin1String("vrai"))
            return true;
        if (b == QLatin1String("non") || b == QLatin1String("0") || b == QLatin1String("false")
            || b == QLatin1String("no") || b == QLatin1String("faux"))
            return false;
        Refuser(o, texte);
    }
    case OptionSane::Genre::Entier:
    case OptionSane::Genre::Fixe: {
        bool ok = false;
        const double v = TexteEnReel(RemplacerSepAutre(t), &ok);
        if (!ok || !std::isfinite(v) || (o.genre == OptionSane::Genre::Entier && v != std::trunc(v))
            || std::fabs(v) > 2147483647.0 || (o.genre == OptionSane::Genre::Fixe && std::fabs(v) >= 32768.0))
            Refuser(o, texte);
        if (o.contrainte == OptionSane::Contrainte::Intervalle && (v < o.minimum || v > o.maximum))
            Refuser(o, texte);
        if (o.contrainte == OptionSane::Contrainte::ListeNombres) {
            // Fixed-point values of the list are 1/65536 steps: compare within one.
            bool trouve = false;
            for (double permis : o.nombres)
                trouve = trouve || std::fabs(permis - v) <= 1.0 / 65536.0;
            if (!trouve)
                Refuser(o, texte);
        }
        return v;
    }
    case OptionSane::Genre::Texte:
        if (o.contrainte == OptionSane::Contrainte::ListeTextes) {
            for (const QString &permis : o.textes)
                if (permis.compare(t, Qt::CaseInsensitive) == 0)
                    return permis;
            Refuser(o, texte);
        }
        return t;
    case OptionSane::Genre::Bouton:
        return true;
    case OptionSane::Genre::Groupe:
        break;
    }
    Refuser(o, texte);
}

QString TexteDeValeur(const OptionSane &o)
{
    if (!o.valeur.isValid())
        return {};
    switch (o.genre) {
    case OptionSane::Genre::Booleen:
        return o.valeur.toBool() ? Tr("oui") : Tr("non");
    case OptionSane::Genre::Entier:
    case OptionSane::Genre::Fixe:
        return Nombre(o.valeur.toDouble());
    case OptionSane::Genre::Texte:
        return o.valeur.toString();
    default:
        return {};
    }
}

const OptionSane *OptionNommee(const QList<OptionSane> &options, const QString &nom)
{
    for (const OptionSane &o : options)
        if (o.nom == nom && o.genre != OptionSane::Genre::Groupe)
            return &o;
    return nullptr;
}
