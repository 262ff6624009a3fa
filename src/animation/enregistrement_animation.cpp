#include "animation/enregistrement_animation.h"

#include "commun/ecriture_sure.h"
#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "document/formats/ecriture_png.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

// The folder of a path, as the file system knows it when it exists.
QString Dossier(const QString &chemin)
{
    const QFileInfo info(chemin);
    const QString canonique = QFileInfo(info.absolutePath()).canonicalFilePath();
    return canonique.isEmpty() ? QDir::cleanPath(info.absolutePath()) : canonique;
}

bool NomFidele(const ImageAnimation &image, const QString &dossierListe)
{
    if (image.source.isEmpty())
        return false;
    const QFileInfo info(image.source);
    const QString nom = info.fileName();
    if (nom.isEmpty() || EstRasterAnimation(nom) || !info.isFile() || Dossier(image.source) != dossierListe)
        return false;
    // The name comes back the same from the list's bytes.
    return DecoderTexte(EncoderWindows1252(nom)) == nom && nom.trimmed() == nom;
}

} // namespace

QString NomImagePng(const QString &cheminListe, int i)
{
    return QFileInfo(cheminListe).completeBaseName() + QString::number(i) + QStringLiteral(".PNG");
}

std::vector<LigneEnregistree> LignesEnregistrement(const Animation &animation, const QString &cheminListe)
{
    const QString dossier = Dossier(cheminListe);
    std::vector<LigneEnregistree> lignes;
    lignes.reserve(static_cast<std::size_t>(animation.images.size()));
    for (int i = 0; i < animation.nombre(); ++i) {
        const ImageAnimation &image = animation.images[i];
        if (NomFidele(image, dossier))
            lignes.push_back({QFileInfo(image.source).fileName(), false});
        else
            lignes.push_back({NomImagePng(cheminListe, i), true});
    }
    // The picture written for one frame never takes the place of the file
    // another frame is named by (film1.PNG opened again and saved into
    // film.anm beside a new frame 1): that frame is written as well.
    for (bool change = true; change;) {
        change = false;
        for (std::size_t i = 0; i < lignes.size() && !change; ++i) {
            if (lignes[i].png)
                continue;
            for (const LigneEnregistree &autre : lignes)
                if (autre.png && autre.nom.compare(lignes[i].nom, Qt::CaseInsensitive) == 0) {
                    lignes[i] = {NomImagePng(cheminListe, static_cast<int>(i)), true};
                    change = true;
                    break;
                }
        }
    }
    return lignes;
}

QStringList EnregistrerAnimation(const Animation &animation, const QString &cheminListe)
{
    if (animation.vide())
        throw ErreurDecodage(QCoreApplication::translate("Animation", "Aucune animation à enregistrer."));
    const std::vector<LigneEnregistree> lignes = LignesEnregistrement(animation, cheminListe);
    const QDir dossier = QFileInfo(cheminListe).absoluteDir();
    QStringList crees;
    QStringList texte;
    try {
        for (int i = 0; i < animation.nombre(); ++i) {
            const LigneEnregistree &ligne = lignes[static_cast<std::size_t>(i)];
            texte.append(ligne.nom);
            if (!ligne.png)
                continue;
            const QString chemin = dossier.filePath(ligne.nom);
            const bool existait = QFileInfo::exists(chemin);
            EcrireFichierSurFlux(chemin, [&](QIODevice &sortie) { EcrirePng(animation.images[i].image, sortie); });
            if (!existait)
                crees.append(chemin);
        }
        QByteArray octets;
        for (const QString &ligne : texte)
            octets += EncoderWindows1252(ligne) + "\r\n";
        EcrireFichierSurFlux(cheminListe, [&](QIODevice &sortie) { EcrireOctets(sortie, octets.constData(), octets.size()); });
    } catch (...) {
        for (const QString &chemin : crees)
            QFile::remove(chemin);
        throw;
    }
    return texte;
}
