// kaptori-cli compter FICHIER POINTS SORTIE [--epaisseur E]
// [--marque K=FORME[,R,V,B]]…: puts a counting mark on each point of the
// points file (one "K X Y" a line) with the counting tool's rules, writes
// what "Copier avec les points" gives (with the scale side-file) and prints
// "categorie\teffectif" followed by one row per category holding marks.

#include "app/cli/commandes_cli.h"
#include "commun/erreur.h"
#include "commun/nombres.h"
#include "document/enregistrer_document.h"
#include "document/ouverture_document.h"
#include "drawing/reglages_dessin.h"
#include "processing/comptage_document.h"
#include "processing/points_comptage.h"

#include <QCoreApplication>
#include <QFile>

#include <algorithm>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandesCli", texte);
}

// Points files beyond this size are refused before being read.
constexpr qint64 TailleMaxiPoints = 32 * 1024 * 1024;

bool Entier(const QString &texte, int mini, int maxi, int &v)
{
    bool ok = false;
    const std::int64_t e = TexteEnEntier(texte, &ok);
    if (!ok || e < mini || e > maxi)
        return false;
    v = static_cast<int>(e);
    return true;
}

// "K=FORME[,R,V,B]" into the categories' settings.
bool LireMarque(const QString &texte, TCompteurs &compteurs)
{
    const qsizetype egal = texte.indexOf(QLatin1Char('='));
    if (egal < 0)
        return false;
    int k = 0;
    if (!Entier(texte.left(egal), 1, TCompteurs::NbCategories, k))
        return false;
    const QStringList champs = texte.mid(egal + 1).split(QLatin1Char(','));
    if (champs.size() != 1 && champs.size() != 4)
        return false;
    const auto forme = FormeDeNom(champs.at(0));
    if (!forme)
        return false;
    compteurs.FormesMarque[static_cast<std::size_t>(k - 1)] = *forme;
    if (champs.size() == 4) {
        int c[3];
        for (int i = 0; i < 3; ++i)
            if (!Entier(champs.at(i + 1), 0, 255, c[i]))
                return false;
        compteurs.CouleursMarque[static_cast<std::size_t>(k - 1)] = qRgb(c[0], c[1], c[2]);
    }
    return true;
}

} // namespace

int CommandeCompter(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    QStringList fichiers;
    TCompteurs compteurs;
    int epaisseur = 0;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--epaisseur") || a == QLatin1String("--marque")) {
            if (i + 1 >= arguments.size()) {
                erreurs << Tr("L'option %1 attend une valeur.").arg(a) << QLatin1Char('\n');
                return 1;
            }
            const QString valeur = arguments.at(++i);
            if (a == QLatin1String("--epaisseur")) {
                if (!Entier(valeur, 0, ReglagesDessin::EpaisseurMaxi, epaisseur)) {
                    erreurs << Tr("Épaisseur invalide : %1 (de 0 à 11).").arg(valeur) << QLatin1Char('\n');
                    return 1;
                }
            } else if (!LireMarque(valeur, compteurs)) {
                erreurs << Tr("Marque invalide : %1 (K=FORME[,R,V,B], K de 1 à 10, FORME de 0 à 9 ou rond, plus, "
                              "etoile, etoile2, carre, cercle, triangle1, triangle2, losange, croix).")
                               .arg(valeur)
                        << QLatin1Char('\n');
                return 1;
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            erreurs << Tr("Option inconnue : %1").arg(a) << QLatin1Char('\n');
            return 1;
        } else {
            fichiers << a;
        }
    }
    if (fichiers.size() != 3) {
        erreurs << Tr("Usage : kaptori-cli compter FICHIER POINTS SORTIE [--epaisseur E] [--marque K=FORME[,R,V,B]]...")
                << QLatin1Char('\n');
        return 1;
    }

    auto doc = OuvrirDocument(fichiers.at(0), 0);
    if (!doc->echelle.Definie)
        doc->echelle = EchelleParDefaut();
    QFile fichierPoints(fichiers.at(1));
    if (!fichierPoints.open(QIODevice::ReadOnly)) {
        erreurs << Tr("Impossible de lire le fichier de points %1.").arg(fichiers.at(1)) << QLatin1Char('\n');
        return 1;
    }
    if (fichierPoints.size() > TailleMaxiPoints) {
        erreurs << Tr("Le fichier de points %1 dépasse %2 Mo.").arg(fichiers.at(1)).arg(TailleMaxiPoints >> 20)
                << QLatin1Char('\n');
        return 1;
    }
    const std::vector<PointComptage> points = LirePointsComptage(fichierPoints.readAll(), doc->image.size());

    OuvrirComptage(*doc);
    for (const PointComptage &p : points) {
        compteurs.CompteurCourant = p.categorie;
        AjouterMarque(*doc, compteurs, epaisseur, p.pixel);
    }
    ImageDocument copie;
    copie.image = CopierAvecLesPoints(*doc);
    copie.echelle = doc->echelle;
    copie.titre = TitreComptage(1);
    OptionsEnregistrement options;
    options.couleurFond = ReglagesDessinProgramme().CouleurFondDessin;
    (void)EnregistrerDocument(copie, fichiers.at(2), options);

    sortie << QStringLiteral("categorie\teffectif\n");
    for (int c = 1; c <= TCompteurs::NbCategories; ++c)
        if (const int n = EffectifCategorie(*doc, c); n > 0)
            sortie << c << QLatin1Char('\t') << n << QLatin1Char('\n');
    return 0;
}
