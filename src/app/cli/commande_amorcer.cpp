// kaptori-cli amorcer FICHIER [SORTIE] [--style NOM] [--styles FICHIER.sty]:
// primes the picture of FICHIER with a style, as the schema window does, and
// writes the schema: SORTIE in its extension's format, or without SORTIE the
// BMP schema file beside FICHIER. Prints "style: NOM" and "schema: CHEMIN".
// kaptori-cli styles [FICHIER.sty]: the styles as the schema window reads
// them, in the file's 19-line form.

#include "app/cli/commandes_cli.h"
#include "document/enregistrer_document.h"
#include "document/image_document.h"
#include "document/ouverture_document.h"
#include "schema/amorcer.h"
#include "schema/fichier_schema.h"
#include "schema/noms_schema.h"
#include "schema/styles_fichier.h"

#include <QCoreApplication>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CommandesCli", texte);
}

} // namespace

int CommandeAmorcer(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    QStringList fichiers;
    QString nomStyle;
    bool avecStyle = false;
    QString fichierStyles = QString::fromUtf8(kNomFichierStyles);
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--style") || a == QLatin1String("--styles")) {
            if (i + 1 >= arguments.size()) {
                erreurs << Tr("L'option %1 attend une valeur.").arg(a) << QLatin1Char('\n');
                return 1;
            }
            if (a == QLatin1String("--style")) {
                nomStyle = arguments.at(++i);
                avecStyle = true;
            } else {
                fichierStyles = arguments.at(++i);
            }
        } else if (a.startsWith(QLatin1String("--"))) {
            erreurs << Tr("Option inconnue : %1").arg(a) << QLatin1Char('\n');
            return 1;
        } else {
            fichiers << a;
        }
    }
    if (fichiers.isEmpty() || fichiers.size() > 2) {
        erreurs << Tr("Usage : kaptori-cli amorcer FICHIER [SORTIE] [--style NOM] [--styles FICHIER.sty]")
                << QLatin1Char('\n');
        return 1;
    }
    const LectureStyles lecture = LireStyles(fichierStyles);
    const StyleDes *style = &lecture.styles.front();
    if (avecStyle) {
        style = nullptr;
        for (const StyleDes &s : lecture.styles)
            if (s.nom == nomStyle) {
                style = &s;
                break;
            }
        if (!style) {
            QStringList noms;
            for (const StyleDes &s : lecture.styles)
                noms << QStringLiteral("« %1 »").arg(s.nom);
            erreurs << Tr("Style inconnu : %1 (styles : %2).").arg(nomStyle, noms.join(QStringLiteral(", ")))
                    << QLatin1Char('\n');
            return 1;
        }
    }

    auto document = OuvrirDocument(fichiers.at(0), 0);
    const QImage schema = Amorcer(document->image, style->param);
    QString chemin;
    if (fichiers.size() == 2) {
        chemin = fichiers.at(1);
        ImageDocument resultat;
        resultat.image = schema.convertToFormat(QImage::Format_ARGB32);
        resultat.echelle = document->echelle;
        OptionsEnregistrement options;
        options.annexes = false;
        (void)EnregistrerDocument(resultat, chemin, options);
    } else {
        chemin = NomFichierSchema(fichiers.at(0));
        EcrireSchema(chemin, schema);
    }
    sortie << QStringLiteral("style: ") << style->nom << QLatin1Char('\n');
    sortie << QStringLiteral("schema: ") << chemin << QLatin1Char('\n');
    return 0;
}

int CommandeStyles(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    if (arguments.size() > 1 || (!arguments.isEmpty() && arguments.at(0).startsWith(QLatin1String("--")))) {
        erreurs << Tr("Usage : kaptori-cli styles [FICHIER.sty]") << QLatin1Char('\n');
        return 1;
    }
    const LectureStyles lecture =
        LireStyles(arguments.isEmpty() ? QString::fromUtf8(kNomFichierStyles) : arguments.at(0));
    if (!lecture.raison.isEmpty())
        erreurs << lecture.raison << ' ' << Tr("Les styles intégrés le remplacent.") << QLatin1Char('\n');
    for (const QString &ligne : LignesStyles(lecture.styles))
        sortie << ligne << QLatin1Char('\n');
    return 0;
}
