// kaptori-cli imprimer FICHIER SORTIE.pdf [--lignes L] [--colonnes C]
//   [--marges G,D,H,B] [--espace E] [--paysage] [--a3] [--couleur] [--copies N]
// prints the file (flattened) to a PDF through the print dialog's layout
// computation and drawing. The sheet starts as the dialog does: A4 portrait,
// one picture, margins 10 mm, spacing 5 mm, grey levels, one copy.

#include "app/cli/commandes_cli.h"
#include "app/impression.h"
#include "app/mise_en_page.h"
#include "commun/nombres.h"
#include "document/ouverture_document.h"

#include <QCoreApplication>

#include <array>
#include <optional>

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("CommandesCli", texte);
}

// A whole number within [mini, maxi], or nothing.
std::optional<int> Entier(const QString &texte, int mini, int maxi)
{
    bool ok = false;
    const std::int64_t v = TexteEnEntier(texte, &ok);
    if (!ok || v < mini || v > maxi)
        return std::nullopt;
    return static_cast<int>(v);
}

const QString kUsage = QStringLiteral(
    "Usage : kaptori-cli imprimer FICHIER SORTIE.pdf [--lignes L] [--colonnes C] [--marges G,D,H,B] "
    "[--espace E] [--paysage] [--a3] [--couleur] [--copies N]\n");

} // namespace

int CommandeImprimer(const QStringList &arguments, QTextStream &, QTextStream &erreurs)
{
    QStringList positionnels;
    std::optional<int> lignes, colonnes, espace, copies;
    std::optional<std::array<int, 4>> marges;
    bool paysage = false, a3 = false, couleur = false;

    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        const auto valeur = [&]() -> std::optional<QString> {
            if (i + 1 >= arguments.size())
                return std::nullopt;
            return arguments.at(++i);
        };
        const auto entierOption = [&](int mini, int maxi, std::optional<int> &cible) {
            const auto texte = valeur();
            cible = texte ? Entier(*texte, mini, maxi) : std::nullopt;
            if (!cible)
                erreurs << tr("L'option %1 attend un nombre entier de %2 à %3.\n").arg(a).arg(mini).arg(maxi);
            return cible.has_value();
        };
        if (a == QLatin1String("--lignes")) {
            if (!entierOption(1, 10, lignes))
                return 1;
        } else if (a == QLatin1String("--colonnes")) {
            if (!entierOption(1, 10, colonnes))
                return 1;
        } else if (a == QLatin1String("--espace")) {
            if (!entierOption(0, 200, espace))
                return 1;
        } else if (a == QLatin1String("--copies")) {
            if (!entierOption(1, 100, copies))
                return 1;
        } else if (a == QLatin1String("--marges")) {
            const auto texte = valeur();
            const QStringList parties = texte ? texte->split(QLatin1Char(',')) : QStringList();
            std::array<int, 4> m{};
            bool ok = parties.size() == 4;
            for (int k = 0; ok && k < 4; ++k) {
                const auto v = Entier(parties.at(k), 0, 420);
                ok = v.has_value();
                if (ok)
                    m[static_cast<size_t>(k)] = *v;
            }
            if (!ok) {
                erreurs << tr("L'option --marges attend quatre nombres entiers de 0 à 420 séparés par des "
                              "virgules : gauche,droite,haut,bas.\n");
                return 1;
            }
            marges = m;
        } else if (a == QLatin1String("--paysage")) {
            paysage = true;
        } else if (a == QLatin1String("--a3")) {
            a3 = true;
        } else if (a == QLatin1String("--couleur")) {
            couleur = true;
        } else if (a.startsWith(QLatin1String("--"))) {
            erreurs << tr("Option inconnue : %1\n").arg(a) << kUsage;
            return 1;
        } else {
            positionnels << a;
        }
    }
    if (positionnels.size() != 2) {
        erreurs << kUsage;
        return 1;
    }

    const auto document = OuvrirDocument(positionnels.at(0), 0);
    const QImage image = document->Aplatir();

    TMiseEnPage m;
    ChoisirFormat(m, a3);
    ChoisirOrientation(m, paysage);
    m.NbLignes = lignes.value_or(m.NbLignes);
    m.NbColonnes = colonnes.value_or(m.NbColonnes);
    m.Espace = espace.value_or(m.Espace);
    m.Copies = copies.value_or(m.Copies);
    m.Gris = !couleur;
    if (marges) {
        m.MargeGauche = (*marges)[0];
        m.MargeDroite = (*marges)[1];
        m.MargeHaut = (*marges)[2];
        m.MargeBas = (*marges)[3];
    }
    m.Rapport = static_cast<double>(image.height()) / image.width();
    if (!CalculerMiseEnPage(m)) {
        erreurs << TexteImageTropPetite().replace(QStringLiteral("\r\n"), QStringLiteral("\n")) << QLatin1Char('\n');
        return 1;
    }
    ImprimerEnPdf(positionnels.at(1), m, image);
    return 0;
}
