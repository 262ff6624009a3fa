#include "calibration/echelle_annexe.h"

#include "commun/erreur.h"
#include "commun/fichier_texte.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>

namespace {

// Longest first line worth reading: a scale's text form holds a few hundred bytes.
constexpr qint64 kLectureMax = 64 * 1024;

} // namespace

QString NomFichierEchelle(const QString &nomImage)
{
    return nomImage.left(qMax<qsizetype>(0, nomImage.size() - 4)) + QStringLiteral(".sca");
}

TEchelle LireEchelleAnnexe(const QString &nomImage)
{
    QFile f(NomFichierEchelle(nomImage));
    if (!f.open(QIODevice::ReadOnly))
        return EchelleParDefaut();
    const QByteArray octets = f.read(kLectureMax);
    if (octets.isEmpty())
        return EchelleParDefaut();
    const QStringList lignes = DecouperLignes(DecoderTexte(octets));
    if (lignes.isEmpty())
        return EchelleParDefaut();
    const TEchelle e = TexteEnEchelle(lignes.first());
    return e.Definie ? e : EchelleParDefaut();
}

void EcrireEchelleAnnexe(const QString &nomImage, const TEchelle &echelle)
{
    const QString nom = NomFichierEchelle(nomImage);
    if (!EcrireFichierTexte(nom, {EchelleEnTexte(echelle)}))
        throw ErreurFichier(QCoreApplication::translate("Echelle", "Impossible d'écrire le fichier d'échelle %1")
                                .arg(QDir::toNativeSeparators(nom)));
}
