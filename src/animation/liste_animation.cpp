#include "animation/liste_animation.h"

#include "commun/erreur.h"
#include "commun/fichier_texte.h"
#include "document/formats/reduction_palette.h"
#include "document/image_document.h"
#include "document/ouverture_document.h"
#include "document/raster/nom_fichier_cite.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImageReader>
#include <QRegularExpression>

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("Animation", texte);
}

QString EnTete(const LigneAnimation &ligne)
{
    return tr("Ligne %1 du fichier d'animation (« %2 ») : ").arg(ligne.numero).arg(ligne.nom);
}

QString MessageTotal()
{
    return tr("Animation trop grande : le programme accepte au plus %1 millions de pixels pour toutes les images "
              "ensemble.")
        .arg(kPixelsMaxAnimation / 1'000'000);
}

void VerifierTailleImageAnimation(const LigneAnimation &ligne, QSize taille, qint64 &total)
{
    const qint64 pixels = static_cast<qint64>(taille.width()) * taille.height();
    if (pixels > kPixelsMaxImageAnimation)
        throw ErreurDecodage(EnTete(ligne)
                             + tr("image trop grande (%1 x %2 pixels) ; une image d'animation a au plus %3 millions "
                                  "de pixels.")
                                   .arg(taille.width())
                                   .arg(taille.height())
                                   .arg(kPixelsMaxImageAnimation / 1'000'000));
    total += pixels;
    if (total > kPixelsMaxAnimation)
        throw ErreurDecodage(MessageTotal());
}

bool NomValide(const QString &nom)
{
    for (QChar c : nom)
        if (c.unicode() < 0x20 || c.unicode() == 0x7F)
            return false;
    return true;
}

} // namespace

std::vector<LigneAnimation> AnalyserListeAnimation(const QByteArray &octets)
{
    const QStringList lignes = DecouperLignes(DecoderTexte(octets));
    int nonVides = 0;
    std::vector<LigneAnimation> images;
    for (qsizetype i = 0; i < lignes.size(); ++i) {
        const QString &nom = lignes[i];
        if (nom.trimmed().isEmpty())
            continue;
        ++nonVides;
        if (EstRasterAnimation(nom))
            continue;
        if (static_cast<int>(images.size()) == kImagesMaxAnimation)
            throw ErreurDecodage(tr("Le fichier d'animation nomme plus de %1 images, la limite du programme.")
                                     .arg(kImagesMaxAnimation));
        LigneAnimation ligne;
        ligne.numero = static_cast<int>(i) + 1;
        ligne.nom = nom.left(kLongueurMaxNomAnimation);
        if (nom.size() > kLongueurMaxNomAnimation)
            throw ErreurDecodage(EnTete(ligne) + tr("nom de fichier de plus de %1 caractères.")
                                                     .arg(kLongueurMaxNomAnimation));
        if (!NomValide(nom)) {
            ligne.nom = QString(nom).replace(QRegularExpression(QStringLiteral("[\\x00-\\x1F\\x7F]")),
                                             QStringLiteral("?"));
            throw ErreurDecodage(EnTete(ligne) + tr("ce n'est pas un nom de fichier."));
        }
        images.push_back(std::move(ligne));
    }
    if (nonVides < 2)
        throw ErreurDecodage(tr("Le fichier d'animation doit nommer au moins deux images, une par ligne."));
    if (images.empty())
        throw ErreurDecodage(tr("Le fichier d'animation ne nomme que des fichiers raster (.img, .ima, .per, .lan), "
                                "qu'une animation n'utilise pas."));
    return images;
}

void ResoudreLignesAnimation(std::vector<LigneAnimation> &lignes, const QString &dossier, const QString &cheminListe)
{
    const QString liste = QFileInfo(cheminListe).absoluteFilePath();
    qint64 total = 0;
    for (LigneAnimation &ligne : lignes) {
        ligne.chemin = ResoudreNomCite(ligne.nom, dossier, dossier);
        if (ligne.chemin.isEmpty())
            throw ErreurFichier(EnTete(ligne) + tr("fichier introuvable dans le dossier de la liste."));
        const QFileInfo info(ligne.chemin);
        if (!info.isFile())
            throw ErreurDecodage(EnTete(ligne) + tr("ce n'est pas un fichier d'image."));
        ligne.chemin = info.absoluteFilePath();
        if (!liste.isEmpty() && (ligne.chemin == liste || info.canonicalFilePath() == QFileInfo(liste).canonicalFilePath()))
            throw ErreurDecodage(EnTete(ligne) + tr("c'est le fichier d'animation lui-même."));
        QImageReader lecteur(ligne.chemin);
        ligne.taille = lecteur.size();
        if (ligne.taille.isValid())
            VerifierTailleImageAnimation(ligne, ligne.taille, total);
    }
}

std::vector<LigneAnimation> LireListeAnimation(const QString &chemin)
{
    const QFileInfo info(chemin);
    if (!info.exists())
        throw ErreurFichier(tr("Fichier d'animation introuvable : « %1 ».").arg(chemin));
    if (!info.isFile())
        throw ErreurFichier(tr("« %1 » n'est pas un fichier d'animation.").arg(chemin));
    if (info.size() > kOctetsMaxListeAnimation)
        throw ErreurDecodage(tr("Fichier d'animation trop grand : « %1 » (au plus %2 Mo pour %3 images).")
                                 .arg(chemin)
                                 .arg(kOctetsMaxListeAnimation / (1024 * 1024))
                                 .arg(kImagesMaxAnimation));
    QFile fichier(chemin);
    if (!fichier.open(QIODevice::ReadOnly))
        throw ErreurFichier(tr("Lecture du fichier d'animation « %1 » impossible : %2")
                                .arg(chemin, fichier.errorString()));
    // The size may have grown since it was checked: never read past the limit.
    const QByteArray octets = fichier.read(kOctetsMaxListeAnimation + 1);
    if (octets.size() > kOctetsMaxListeAnimation)
        throw ErreurDecodage(tr("Fichier d'animation trop grand : « %1 ».").arg(chemin));
    std::vector<LigneAnimation> lignes = AnalyserListeAnimation(octets);
    ResoudreLignesAnimation(lignes, info.absolutePath(), chemin);
    return lignes;
}

Animation ChargerAnimation(const QString &chemin, const ProgressionAnimation &progression)
{
    const std::vector<LigneAnimation> lignes = LireListeAnimation(chemin);
    Animation animation;
    animation.CheminAnimation = chemin;
    animation.images.reserve(static_cast<qsizetype>(lignes.size()));
    qint64 total = 0;
    const int nombre = static_cast<int>(lignes.size());
    for (int i = 0; i < nombre; ++i) {
        const LigneAnimation &ligne = lignes[static_cast<std::size_t>(i)];
        if (progression && !progression(i, nombre))
            throw ErreurDecodage(tr("Chargement de l'animation interrompu."));
        QImage plate;
        try {
            const std::unique_ptr<ImageDocument> document = OuvrirDocument(ligne.chemin, 5);
            VerifierTailleImageAnimation(ligne, document->image.size(), total);
            plate = document->Aplatir();
        } catch (const ErreurFichier &e) {
            throw ErreurFichier(EnTete(ligne) + e.message());
        } catch (const ErreurDecodage &e) {
            throw ErreurDecodage(EnTete(ligne) + e.message());
        }
        ImageAnimation image;
        image.image = ReduireEnPalette(plate);
        image.fichier = ligne.nom;
        image.source = ligne.chemin;
        animation.images.append(std::move(image));
    }
    if (progression)
        progression(nombre, nombre);
    return animation;
}
