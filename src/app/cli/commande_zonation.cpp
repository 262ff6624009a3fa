// kaptori-cli zonation FICHIER PEINTURE SORTIE [--codage rvb|tsv|tsl|av|ssp]
// [--seuil-sigma S] [--seuil-sat T] [--etendre N] [--delta D] [--moyennes]
// [--eliminer] [--fond R,V,B]: the zonation of FICHIER by the reference
// areas of PEINTURE, a picture of the same size painted where its alpha is at
// least 1 and its colour is not the --fond colour (white by default), one
// colour per category. --etendre grows the categories in N iterations,
// --moyennes paints the classes with their mean colours. The "zonation"
// document is written to SORTIE. Prints "categories: N" then, per category,
// tab-separated: number from 1, painted colour R,V,B, mean colour R,V,B,
// threshold, count and the results caption.

#include "app/cli/commandes_cli.h"
#include "app/cli/options_couleurs_cli.h"
#include "commun/ecriture_sortie.h"
#include "commun/erreur.h"
#include "commun/nombres.h"
#include "document/enregistrer_document.h"
#include "document/ouverture_document.h"
#include "processing/zonation.h"

#include <QCoreApplication>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandesCli", texte);
}

QString Rvb(QRgb c)
{
    return QStringLiteral("%1,%2,%3").arg(qRed(c)).arg(qGreen(c)).arg(qBlue(c));
}

} // namespace

int CommandeZonation(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    const QString usage = Tr("Usage : kaptori-cli zonation FICHIER PEINTURE SORTIE [--codage rvb|tsv|tsl|av|ssp] "
                             "[--seuil-sigma S] [--seuil-sat T] [--etendre N] [--delta D] [--moyennes] [--eliminer] "
                             "[--fond R,V,B]");
    QStringList fichiers;
    ParametresZonation p;
    for (int i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--moyennes")) {
            p.peindreMoyennes = true;
        } else if (a == QLatin1String("--eliminer")) {
            p.eliminer = true;
        } else if (a.startsWith(QLatin1String("--")) && i + 1 < arguments.size()) {
            const QString valeur = arguments.at(++i);
            const auto invalide = [&](const QString &attendu) {
                erreurs << Tr("Valeur invalide pour %1 : %2 (%3).").arg(a, valeur, attendu) << '\n';
                return 1;
            };
            if (a == QLatin1String("--codage")) {
                static const char *noms[] = {"rvb", "tsv", "tsl", "av", "ssp"};
                int codage = -1;
                for (int k = 0; k < 5; ++k)
                    if (valeur == QLatin1String(noms[k]))
                        codage = k;
                if (codage < 0)
                    return invalide(QStringLiteral("rvb, tsv, tsl, av ou ssp"));
                p.codage = codage;
            } else if (a == QLatin1String("--fond")) {
                const auto c = CouleurCli(valeur);
                if (!c)
                    return invalide(QStringLiteral("R,V,B de 0 à 255"));
                p.fond = *c;
            } else if (a == QLatin1String("--etendre")) {
                const auto v = EntiersCli(valeur);
                if (!v || v->size() != 1 || (*v)[0] < 1 || (*v)[0] > 50)
                    return invalide(QStringLiteral("itérations de 1 à 50"));
                p.etendre = true;
                p.nbIterations = (*v)[0];
            } else {
                const auto v = ReelCli(valeur);
                if (a == QLatin1String("--seuil-sigma")) {
                    if (!v || *v < 0.1 || *v > 4)
                        return invalide(QStringLiteral("de 0,1 à 4"));
                    p.seuilsigma = *v;
                } else if (a == QLatin1String("--seuil-sat")) {
                    if (!v || *v < 0 || *v > 0.5)
                        return invalide(QStringLiteral("de 0 à 0,5"));
                    p.seuilsat = *v;
                } else if (a == QLatin1String("--delta")) {
                    if (!v || *v < 0 || *v > 450)
                        return invalide(QStringLiteral("de 0 à 450"));
                    p.delta = *v;
                } else {
                    erreurs << usage << '\n';
                    return 1;
                }
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            erreurs << usage << '\n';
            return 1;
        } else {
            fichiers << a;
        }
    }
    if (fichiers.size() != 3) {
        erreurs << usage << '\n';
        return 1;
    }
    const auto source = OuvrirDocument(fichiers.at(0), 0);
    QImage peinture = OuvrirDocument(fichiers.at(1), 0)->image.convertToFormat(QImage::Format_ARGB32);
    const QRgb fond = p.fond & 0x00FFFFFFu;
    for (int y = 0; y < peinture.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(peinture.scanLine(y));
        for (int x = 0; x < peinture.width(); ++x)
            if (qAlpha(ligne[x]) < 1 || (ligne[x] & 0x00FFFFFFu) == fond)
                ligne[x] = 0;
    }
    const ResultatZonation r = CalculerZonation(source->image, peinture, p);
    ImageDocument resultat;
    resultat.titre = QStringLiteral("zonation");
    resultat.image = r.image;
    resultat.echelle = source->echelle.Definie ? source->echelle : EchelleParDefaut();
    OptionsEnregistrement options;
    options.couleurFond = p.fond;
    options.annexes = GenreDeSortie(fichiers.at(2)) == GenreSortie::FichierOrdinaire;
    (void)EnregistrerDocument(resultat, fichiers.at(2), options, EcrireSortie);
    const CategoriesZonation &c = r.categories;
    const std::int64_t total = static_cast<std::int64_t>(r.image.width()) * r.image.height();
    sortie << QStringLiteral("categories: %1\n").arg(std::max(0, c.NbCategories));
    for (int k = 0; k < c.NbCategories; ++k) {
        const auto i = static_cast<std::size_t>(k);
        sortie << QStringLiteral("%1\t%2\t%3\t%4\t%5\t%6\n")
                      .arg(k + 1)
                      .arg(Rvb(c.CouleursPeintes[i]), Rvb(c.CouleursMoyennes[i]), FormatGeneral(c.Seuils[i], 6))
                      .arg(c.Effectifs[i])
                      .arg(LegendeResultatZonation(c.Effectifs[i], total, resultat.echelle));
    }
    if (!r.message.isEmpty())
        erreurs << r.message << '\n';
    return 0;
}
