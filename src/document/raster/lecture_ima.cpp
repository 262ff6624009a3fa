#include "document/raster/lecture_ima.h"

#include "commun/erreur.h"
#include "commun/nombres.h"

#include <QCoreApplication>

namespace {

constexpr qint64 TailleEnTete = 512;

QString tr(const char *texte)
{
    return QCoreApplication::translate("LectureRaster", texte);
}

// The number after `mot`; 0 when it cannot be read.
int NombreApres(const QByteArray &texte, const char *mot)
{
    const qsizetype pos = texte.indexOf(mot);
    if (pos < 0)
        return 0;
    const QByteArray suite = texte.mid(pos + static_cast<qsizetype>(qstrlen(mot)), 7);
    const qsizetype etoile = suite.indexOf('*'); // 0-based: p - 1
    if (etoile < 2)
        return 0;
    bool ok = false;
    const std::int64_t n = TexteEnEntier(QString::fromLatin1(suite.left(etoile - 1)), &ok);
    if (!ok || n <= 0 || n > 65535)
        return 0;
    return static_cast<int>(n);
}

} // namespace

DimensionsIma DimensionsEnteteIma(const QByteArray &texte, const QString &chemin)
{
    DimensionsIma d;
    d.lignes = NombreApres(texte, "lignes");
    if (d.lignes == 0)
        throw ErreurDecodage(tr("L'en-tête du fichier « %1 » n'indique pas son nombre de lignes "
                                "(« lignes », le nombre, puis « * »).")
                                 .arg(NomAffiche(chemin)));
    d.colonnes = NombreApres(texte, "colonnes");
    if (d.colonnes == 0)
        throw ErreurDecodage(tr("L'en-tête du fichier « %1 » n'indique pas son nombre de colonnes "
                                "(« colonnes », le nombre, puis « * »).")
                                 .arg(NomAffiche(chemin)));
    return d;
}

LectureRaster LireIma(const QString &chemin)
{
    FichierBrut fichier(chemin);
    QByteArray entete(TailleEnTete, '\0');
    if (fichier.Lire(0, entete.data(), TailleEnTete) < TailleEnTete)
        throw ErreurDecodage(
            tr("Le fichier « %1 » est trop court pour contenir son en-tête de 512 octets.").arg(NomAffiche(chemin)));
    entete.replace(QByteArray(1, '\0'), QByteArray());
    const DimensionsIma d = DimensionsEnteteIma(entete, chemin);
    if (d.colonnes > LargeurMaxIma)
        throw ErreurDecodage(tr("Le fichier « %1 » a des lignes de %2 pixels : la limite est de %3 pixels par ligne.")
                                 .arg(NomAffiche(chemin))
                                 .arg(d.colonnes)
                                 .arg(LargeurMaxIma));

    LectureRaster lecture;
    const qint64 annonces = static_cast<qint64>(d.colonnes) * d.lignes;
    const QString avertissement = ControlerTaillePixels(chemin, annonces, fichier.taille() - TailleEnTete);
    if (!avertissement.isEmpty())
        lecture.avertissements << avertissement;
    TCanal canal = NouveauCanal(QStringLiteral("Canal"), 0, d.colonnes, d.lignes, !avertissement.isEmpty());
    // A file giving fewer bytes than its size said is short all the same.
    const QString lecturePartielle = LirePixels(fichier, TailleEnTete, canal.plan.data(), annonces);
    if (avertissement.isEmpty() && !lecturePartielle.isEmpty())
        lecture.avertissements << lecturePartielle;
    lecture.canaux.push_back(std::move(canal));
    lecture.affichage = {0, -1, -1};
    return lecture;
}
