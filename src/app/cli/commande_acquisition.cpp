// kaptori-cli sources: the scanners and cameras SANE finds, one per line,
// tab-separated: name, vendor, model, type.
//
// kaptori-cli acquerir SOURCE SORTIE [--resolution DPI] [--mode couleur|gris|trait]
// [--option NOM=VALEUR]… [--sans-echelle]: acquires from SOURCE (a device's
// name or its index in `sources`) after setting its options in the order
// given, and saves picture k to SORTIE (k = 1) or to SORTIE with "-k" before
// its extension, as "Enregistrer sous" does, with the scale of the device's
// resolution (25,4 / dpi mm per pixel) unless --sans-echelle or a resolution
// of 0. Prints "fichier\tlargeur\thauteur\tresolution", then one row per
// picture; pictures finished before an error stay and are listed.

#include "app/assembler_trames.h"
#include "app/cli/commandes_cli.h"
#include "app/messages_sane.h"
#include "app/session_sane.h"
#include "calibration/echelle.h"
#include "commun/nombres.h"
#include "document/enregistrer_document.h"
#include "document/image_document.h"
#include "drawing/reglages_dessin.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <utility>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandesCli", texte);
}

// The library SANE is loaded from; tests name one that does not exist.
QString BibliothequeSane()
{
    const QString nom = qEnvironmentVariable("KAPTORI_BIBLIOTHEQUE_SANE");
    return nom.isEmpty() ? QString::fromLatin1(kBibliothequeSane) : nom;
}

} // namespace

QString NomImageAcquise(const QString &sortie, int k)
{
    if (k <= 1)
        return sortie;
    const QFileInfo info(sortie);
    const QString nom = info.fileName();
    const qsizetype point = nom.lastIndexOf(QLatin1Char('.'));
    const QString dossier = sortie.left(sortie.size() - nom.size());
    if (point <= 0)
        return dossier + nom + QStringLiteral("-%1").arg(k);
    return dossier + nom.left(point) + QStringLiteral("-%1").arg(k) + nom.mid(point);
}

int CommandeSources(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    if (!arguments.isEmpty()) {
        erreurs << Tr("Usage : kaptori-cli sources") << QLatin1Char('\n');
        return 1;
    }
    SessionSane session(BibliothequeSane());
    const QList<AppareilSane> appareils = session.Appareils();
    if (appareils.isEmpty()) {
        erreurs << MessageAucunAppareil() << QLatin1Char('\n');
        return 1;
    }
    for (const AppareilSane &a : appareils)
        sortie << a.nom << '\t' << a.fabricant << '\t' << a.modele << '\t' << a.type << '\n';
    return 0;
}

int CommandeAcquerir(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    QStringList positionnels;
    QList<std::pair<QString, QString>> reglages; // in the order given
    bool sansEchelle = false;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--sans-echelle")) {
            sansEchelle = true;
        } else if (a == QLatin1String("--resolution") || a == QLatin1String("--mode")
                   || a == QLatin1String("--option")) {
            if (i + 1 >= arguments.size()) {
                erreurs << Tr("L'option %1 attend une valeur.").arg(a) << QLatin1Char('\n');
                return 1;
            }
            const QString v = arguments.at(++i);
            if (a == QLatin1String("--resolution")) {
                reglages.append({QStringLiteral("resolution"), v});
            } else if (a == QLatin1String("--mode")) {
                static const QList<std::pair<QString, QString>> modes = {{QStringLiteral("couleur"), QStringLiteral("Color")},
                                                                         {QStringLiteral("gris"), QStringLiteral("Gray")},
                                                                         {QStringLiteral("trait"), QStringLiteral("Lineart")}};
                QString mode;
                for (const auto &[nom, sane] : modes)
                    if (v == nom)
                        mode = sane;
                if (mode.isEmpty()) {
                    erreurs << Tr("Mode inconnu : %1 (couleur, gris ou trait).").arg(v) << QLatin1Char('\n');
                    return 1;
                }
                reglages.append({QStringLiteral("mode"), mode});
            } else {
                const qsizetype egal = v.indexOf(QLatin1Char('='));
                if (egal <= 0) {
                    erreurs << Tr("--option attend NOM=VALEUR : %1").arg(v) << QLatin1Char('\n');
                    return 1;
                }
                reglages.append({v.left(egal), v.mid(egal + 1)});
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            erreurs << Tr("Option inconnue : %1").arg(a) << QLatin1Char('\n');
            return 1;
        } else {
            positionnels << a;
        }
    }
    if (positionnels.size() != 2) {
        erreurs << Tr("Usage : kaptori-cli acquerir SOURCE SORTIE [--resolution DPI] [--mode couleur|gris|trait] "
                      "[--option NOM=VALEUR]... [--sans-echelle]")
                << QLatin1Char('\n');
        return 1;
    }

    SessionSane session(BibliothequeSane());
    QString source = positionnels.at(0);
    bool estIndex = false;
    const auto index = TexteEnEntier(source, &estIndex);
    const QList<AppareilSane> appareils = session.Appareils();
    if (estIndex) {
        if (index < 0 || index >= appareils.size()) {
            erreurs << Tr("Source inconnue : %1 (%2 appareils trouvés).").arg(source).arg(appareils.size())
                    << QLatin1Char('\n');
            return 1;
        }
        source = appareils.at(index).nom;
    }
    try {
        session.Ouvrir(source);
    } catch (const ErreurAcquisition &) {
        erreurs << Tr("Source inconnue : %1").arg(source) << QLatin1Char('\n');
        return 1;
    }
    for (const auto &[nom, valeur] : std::as_const(reglages))
        session.Regler(nom, valeur);

    const int dpi = session.Resolution();
    const QString fichier = positionnels.at(1);
    OptionsEnregistrement options;
    options.couleurFond = ReglagesDessinProgramme().CouleurFondDessin;
    sortie << "fichier\tlargeur\thauteur\tresolution\n";
    int k = 0;
    try {
        session.Acquerir([&](QImage image) {
            ++k;
            ImageDocument document;
            document.image = std::move(image);
            document.titre = QStringLiteral("Nouveau%1").arg(k);
            // Without a scale of its own a picture gets no side-file.
            if (!sansEchelle && dpi > 0)
                document.echelle = EchelleDeResolution(dpi);
            const QString chemin = NomImageAcquise(fichier, k);
            (void)EnregistrerDocument(document, chemin, options);
            sortie << chemin << '\t' << document.image.width() << '\t' << document.image.height() << '\t' << dpi
                   << '\n';
            sortie.flush();
        });
    } catch (const ErreurKaptori &) {
        sortie.flush();
        throw;
    }
    return 0;
}
