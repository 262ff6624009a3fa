// kaptori-cli animation LISTE.anm [SORTIE.gif] [--intervalle N] [--sans-boucle]
// loads an animation list as the player does and describes its frames; with
// SORTIE it writes them as an animated GIF.
// kaptori-cli creer-animation LISTE.anm FICHIER FICHIER... builds an
// animation from files, in that order, and saves it as the player's
// "Enregistrer" does.

#include "animation/construction_animation.h"
#include "animation/enregistrement_animation.h"
#include "animation/liste_animation.h"
#include "app/cli/commandes_cli.h"
#include "commun/ecriture_sortie.h"
#include "document/formats/ecriture_gif_anime.h"
#include "document/image_document.h"
#include "document/ouverture_document.h"

#include <array>

namespace {

// The number of distinct colours a palette frame shows.
int CouleursImage(const QImage &image)
{
    std::array<bool, 256> utilise{};
    for (int y = 0; y < image.height(); ++y) {
        const uchar *ligne = image.constScanLine(y);
        for (int x = 0; x < image.width(); ++x)
            utilise[ligne[x]] = true;
    }
    const QList<QRgb> table = image.colorTable();
    QList<QRgb> couleurs;
    for (qsizetype i = 0; i < table.size() && i < 256; ++i)
        if (utilise[static_cast<std::size_t>(i)] && !couleurs.contains(table[i] & 0x00FFFFFFu))
            couleurs.append(table[i] & 0x00FFFFFFu);
    return static_cast<int>(couleurs.size());
}

} // namespace

int CommandeAnimation(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    int intervalle = 2;
    bool boucle = true;
    QStringList fichiers;
    for (qsizetype i = 0; i < arguments.size(); ++i) {
        const QString &a = arguments.at(i);
        if (a == QLatin1String("--sans-boucle")) {
            boucle = false;
        } else if (a == QLatin1String("--intervalle")) {
            bool ok = false;
            intervalle = i + 1 < arguments.size() ? arguments.at(++i).toInt(&ok) : 0;
            if (!ok || intervalle < 1 || intervalle > 100) {
                erreurs << QStringLiteral("L'intervalle doit être un entier de 1 à 100 (en pas de 50 ms).\n");
                return 1;
            }
        } else {
            fichiers.append(a);
        }
    }
    if (fichiers.isEmpty() || fichiers.size() > 2) {
        erreurs << QStringLiteral("Usage : kaptori-cli animation LISTE.anm [SORTIE.gif] [--intervalle N] "
                                  "[--sans-boucle]\n");
        return 1;
    }
    const Animation animation = ChargerAnimation(fichiers.at(0));
    if (fichiers.size() == 2) {
        QList<QImage> images;
        for (const ImageAnimation &image : animation.images)
            images.append(image.image);
        // One step of the interval is 50 ms, five hundredths of a second.
        EcrireSortie(fichiers.at(1), [&](QIODevice &flux) { EcrireGifAnime(images, flux, intervalle * 5, boucle); });
    }
    sortie << QStringLiteral("images: %1\n").arg(animation.nombre());
    sortie << QStringLiteral("image\tfichier\tl\th\tcouleurs\n");
    for (int i = 0; i < animation.nombre(); ++i) {
        const ImageAnimation &image = animation.images[i];
        sortie << QStringLiteral("%1\t%2\t%3\t%4\t%5\n")
                      .arg(i)
                      .arg(image.fichier)
                      .arg(image.image.width())
                      .arg(image.image.height())
                      .arg(CouleursImage(image.image));
    }
    return 0;
}

int CommandeCreerAnimation(const QStringList &arguments, QTextStream &sortie, QTextStream &erreurs)
{
    if (arguments.size() < 3) {
        erreurs << QStringLiteral("Usage : kaptori-cli creer-animation LISTE.anm FICHIER FICHIER...\n");
        return 1;
    }
    std::vector<std::unique_ptr<ImageDocument>> documents;
    std::vector<const ImageDocument *> ordre;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        documents.push_back(OuvrirDocument(arguments.at(i), 5));
        documents.back()->MarquerEnregistre();
        ordre.push_back(documents.back().get());
    }
    const Animation animation = ConstruireAnimation(ordre);
    documents.clear();
    for (const QString &ligne : EnregistrerAnimation(animation, arguments.at(0)))
        sortie << ligne << QLatin1Char('\n');
    return 0;
}
