#include "document/raster/lecture_inf.h"

#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "commun/nombres.h"
#include "document/raster/nom_fichier_cite.h"

#include <QCoreApplication>
#include <QFileInfo>
#include <QRegularExpression>

namespace {

// A channel list names at most 21 files: anything larger is not one.
constexpr qint64 TailleMaxListe = 64 * 1024;

QString tr(const char *texte)
{
    return QCoreApplication::translate("LectureRaster", texte);
}

} // namespace

LectureRaster LireInf(const QString &chemin)
{
    const QString nomListe = NomAffiche(chemin);
    QByteArray octets;
    {
        FichierBrut fichier(chemin);
        if (fichier.taille() > TailleMaxListe)
            throw ErreurDecodage(tr("Le fichier « %1 » est trop grand pour une liste de canaux.").arg(nomListe));
        octets.resize(static_cast<qsizetype>(fichier.taille()));
        octets.resize(static_cast<qsizetype>(fichier.Lire(0, octets.data(), fichier.taille())));
    }
    const QStringList lignes = DecouperLignes(DecoderTexte(octets));

    const QStringList nombres = lignes.isEmpty() ? QStringList()
                                                 : lignes.first().split(QRegularExpression(QStringLiteral("\\s+")),
                                                                        Qt::SkipEmptyParts);
    bool ok[3] = {false, false, false};
    std::int64_t valeurs[3] = {0, 0, 0};
    for (int i = 0; i < 3 && i < nombres.size(); ++i)
        valeurs[i] = TexteEnEntier(nombres[i], &ok[i]);
    if (!ok[0] || !ok[1] || !ok[2])
        throw ErreurDecodage(tr("La première ligne du fichier « %1 » doit donner trois entiers : "
                                "le nombre de canaux, de lignes et de colonnes.")
                                 .arg(nomListe));
    const std::int64_t n = valeurs[0];
    const std::int64_t h = valeurs[1];
    const std::int64_t w = valeurs[2];
    if (n <= 0 || h <= 0 || w <= 0 || h > 1000000)
        throw ErreurDecodage(tr("Le fichier « %1 » annonce une image vide ou invalide "
                                "(%2 canaux de %3 lignes et %4 colonnes).")
                                 .arg(nomListe)
                                 .arg(n)
                                 .arg(h)
                                 .arg(w));
    if (n > MaxCanauxInf)
        throw ErreurDecodage(tr("Le fichier « %1 » annonce %2 canaux : la limite est de %3 canaux.")
                                 .arg(nomListe)
                                 .arg(n)
                                 .arg(MaxCanauxInf));
    if (w > LargeurMaxInf)
        throw ErreurDecodage(tr("Le fichier « %1 » annonce des lignes de %2 pixels : "
                                "la limite est de %3 pixels par ligne.")
                                 .arg(nomListe)
                                 .arg(w)
                                 .arg(LargeurMaxInf));
    if (lignes.size() - 1 < n)
        throw ErreurDecodage(tr("Le fichier « %1 » annonce %2 canaux mais ne nomme que %3 fichiers.")
                                 .arg(nomListe)
                                 .arg(n)
                                 .arg(lignes.size() - 1));

    // Every named file is found and checked before any pixel is read.
    const QString dossierListe = QFileInfo(chemin).path();
    const QString soiMeme = QFileInfo(chemin).canonicalFilePath();
    QStringList chemins;
    for (int k = 1; k <= n; ++k) {
        const QString nom = lignes[k].trimmed();
        if (nom.isEmpty())
            throw ErreurDecodage(tr("La ligne %1 du fichier « %2 » ne nomme aucun fichier.").arg(k + 1).arg(nomListe));
        const QString trouve = ResoudreNomCite(nom, QString(), dossierListe);
        if (trouve.isEmpty())
            throw ErreurFichier(tr("Le fichier « %1 », nommé à la ligne %2 de « %3 », est introuvable.")
                                    .arg(nom)
                                    .arg(k + 1)
                                    .arg(nomListe));
        if (QFileInfo(trouve).isDir())
            throw ErreurFichier(tr("« %1 », nommé à la ligne %2 de « %3 », est un dossier, pas un fichier.")
                                    .arg(nom)
                                    .arg(k + 1)
                                    .arg(nomListe));
        if (QFileInfo(trouve).canonicalFilePath() == soiMeme)
            throw ErreurDecodage(tr("La ligne %1 du fichier « %2 » le nomme lui-même comme canal.")
                                     .arg(k + 1)
                                     .arg(nomListe));
        chemins << trouve;
    }

    LectureRaster lecture;
    const qint64 annonces = w * h;
    for (int k = 0; k < n; ++k) {
        FichierBrut plan(chemins[k]);
        const QString avertissement = ControlerTaillePixels(chemins[k], annonces, plan.taille());
        if (!avertissement.isEmpty())
            lecture.avertissements << avertissement;
        TCanal canal = NouveauCanal(QStringLiteral("Canal %1").arg(k + 1), k, static_cast<int>(w),
                                    static_cast<int>(h), !avertissement.isEmpty());
        // A file giving fewer bytes than its size said is short all the same.
        const QString lecturePartielle = LirePixels(plan, 0, canal.plan.data(), annonces);
        if (avertissement.isEmpty() && !lecturePartielle.isEmpty())
            lecture.avertissements << lecturePartielle;
        lecture.canaux.push_back(std::move(canal));
    }
    lecture.affichage = {0, 1, 2};
    return lecture;
}
