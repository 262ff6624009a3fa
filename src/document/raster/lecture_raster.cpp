#include "document/raster/lecture_raster.h"

#include "commun/erreur.h"
#include "commun/grandes_pages.h"

#include <QCoreApplication>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>

#if defined(__linux__)
#include <unistd.h>
#endif

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("LectureRaster", texte);
}

} // namespace

QString NomAffiche(const QString &chemin)
{
    const QString nom = QFileInfo(chemin).fileName();
    return nom.isEmpty() ? chemin : nom;
}

FichierBrut::FichierBrut(const QString &chemin) : chemin_(chemin), fichier_(chemin)
{
    const QFileInfo info(chemin);
    if (!info.exists())
        throw ErreurFichier(tr("Le fichier « %1 » est introuvable.").arg(chemin));
    if (info.isDir())
        throw ErreurFichier(tr("« %1 » est un dossier, pas un fichier.").arg(chemin));
    // Devices and pipes could block or never end: only ordinary files are read.
    if (!info.isFile())
        throw ErreurFichier(tr("« %1 » n'est pas un fichier ordinaire.").arg(chemin));
    if (!fichier_.open(QIODevice::ReadOnly))
        throw ErreurFichier(tr("Impossible d'ouvrir le fichier « %1 ».").arg(chemin));
    taille_ = fichier_.size();
}

qint64 FichierBrut::Lire(qint64 offset, char *dest, qint64 n)
{
    if (n <= 0 || offset >= taille_)
        return 0;
    if (!fichier_.seek(offset))
        throw ErreurFichier(tr("Impossible de lire le fichier « %1 ».").arg(chemin_));
    qint64 total = 0;
    while (total < n) {
        const qint64 lu = fichier_.read(dest + total, n - total);
        if (lu < 0)
            throw ErreurFichier(tr("Impossible de lire le fichier « %1 ».").arg(chemin_));
        if (lu == 0)
            break;
        total += lu;
    }
    return total;
}

qint64 FichierBrut::LireA(qint64 offset, char *dest, qint64 n)
{
#if defined(__linux__)
    // Explicit offsets: no shared file position, so threads may read at once.
    const int fd = fichier_.handle();
    if (fd >= 0) {
        qint64 total = 0;
        while (total < n) {
            const ssize_t lu = pread(fd, dest + total, static_cast<std::size_t>(n - total),
                                     static_cast<off_t>(offset + total));
            if (lu < 0 && errno == EINTR)
                continue;
            if (lu < 0)
                throw ErreurFichier(tr("Impossible de lire le fichier « %1 ».").arg(chemin_));
            if (lu == 0)
                break;
            total += lu;
        }
        return total;
    }
#endif
    return Lire(offset, dest, n);
}

QString ControlerTaillePixels(const QString &chemin, qint64 annonces, qint64 presents)
{
    if (presents < 0)
        presents = 0;
    if (presents >= annonces)
        return {};
    if (presents < annonces - presents)
        throw ErreurDecodage(tr("Le fichier « %1 » annonce %2 octets de pixels mais n'en contient que %3 : "
                                "son en-tête ne correspond pas à son contenu.")
                                 .arg(NomAffiche(chemin))
                                 .arg(annonces)
                                 .arg(presents));
    return tr("Le fichier « %1 » est incomplet : il manque %2 des %3 octets de pixels annoncés. "
              "Les pixels absents valent 0.")
        .arg(NomAffiche(chemin))
        .arg(annonces - presents)
        .arg(annonces);
}

QString LirePixels(FichierBrut &fichier, qint64 offset, char *dest, qint64 n)
{
    const qint64 lus = std::max<qint64>(fichier.Lire(offset, dest, n), 0);
    if (lus < n)
        std::fill(dest + lus, dest + n, '\0');
    return ControlerTaillePixels(fichier.chemin(), n, lus);
}

TCanal NouveauCanal(const QString &nom, int index, int largeur, int hauteur, bool aZero)
{
    TCanal canal;
    canal.nom = nom;
    canal.index = index;
    canal.largeur = largeur;
    canal.hauteur = hauteur;
    const qsizetype taille = static_cast<qsizetype>(largeur) * static_cast<qsizetype>(hauteur);
    canal.plan = QByteArray(taille, Qt::Uninitialized);
    PreparerGrandesPages(canal.plan.data(), static_cast<std::size_t>(taille));
    if (aZero)
        canal.plan.fill('\0');
    return canal;
}
