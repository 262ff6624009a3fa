#include "document/lecture_lan.h"

#include "app/erreur.h"
#include "document/grandes_pages.h"
#include "document/travail_parallele.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr qint64 TailleEnTete = 128;
// Rows of all bands read in one go: large reads, a buffer of a few megabytes.
constexpr qint64 OctetsParLot = 4 << 20;

QString tr(const char *texte)
{
    return QCoreApplication::translate("LectureRaster", texte);
}

int Mot16(const unsigned char *p)
{
    return p[0] | (p[1] << 8);
}

// The bands' layout in the file.
struct FormeLan {
    int bandes = 0;
    int largeur = 0;
    int hauteur = 0;
    [[nodiscard]] qint64 octetsLigne() const { return static_cast<qint64>(bandes) * largeur; }
};

// Reads the channels' bands (TCanal::index is the band) into their planes,
// allocated here: zeroed for a file known to be short, whose missing pixels
// stay 0. Slices of rows are read side by side on the processor's cores,
// each making its part of the planes present; in a slice, bytes that follow
// each other in the file are read in one request (a batch of whole rows of
// every band goes straight into the planes). Rows a file no longer holds (it
// shrank since its size was checked) are zeros, never what the memory held.
void LireBandes(FichierBrut &fichier, const FormeLan &forme, std::vector<TCanal> &canaux, bool incomplet)
{
    const int w = forme.largeur;
    const qint64 octetsLigne = forme.octetsLigne();
    std::vector<char *> plans;
    for (TCanal &c : canaux) {
        c.plan = NouveauCanal(c.nom, c.index, w, forme.hauteur, incomplet, false).plan;
        plans.push_back(c.plan.data());
    }
    const auto ligne = [&](std::size_t i, qint64 y) { return plans[i] + y * w; };
    const auto total = static_cast<std::int64_t>(canaux.size()) * w * forme.hauteur;
    const qint64 lignesParLot = std::max<qint64>(1, OctetsParLot / octetsLigne);
    ParcourirEnParallele(forme.hauteur, fichier.LectureSimultanee() ? PartsParalleles(total) : 1, [&](int debut, int fin) {
        if (!incomplet)
            for (std::size_t i = 0; i < plans.size(); ++i)
                PreparerGrandesPages(ligne(i, debut), static_cast<std::size_t>(fin - debut) * w);
        std::vector<FichierBrut::Morceau> morceaux;
        qint64 depart = 0;
        qint64 suite = -1;
        const auto lire = [&] {
            const bool complet = morceaux.empty() || fichier.LireDisperse(depart, morceaux) == suite - depart;
            morceaux.clear();
            depart = suite;
            return complet;
        };
        // Rows [ya, yb) of the chosen bands; false when the file ends first.
        const auto lireLignes = [&](qint64 ya, qint64 yb) {
            for (qint64 y = ya; y < yb; ++y)
                for (std::size_t i = 0; i < plans.size(); ++i) {
                    const qint64 position = TailleEnTete + y * octetsLigne + static_cast<qint64>(canaux[i].index) * w;
                    if (position != suite) {
                        if (!lire())
                            return false;
                        depart = position;
                    }
                    morceaux.push_back({ligne(i, y), w});
                    suite = position + w;
                }
            return lire();
        };
        for (qint64 y0 = debut; y0 < fin; y0 += lignesParLot) {
            const qint64 y1 = std::min<qint64>(fin, y0 + lignesParLot);
            if (lireLignes(y0, y1))
                continue;
            // The file ends in this batch: its rows are read again one by
            // one, the first one it lacks and all later ones being zeros (a
            // file known to be short was zeroed beforehand and keeps the
            // bytes it holds of that row).
            morceaux.clear();
            suite = -1;
            qint64 y = y0;
            while (y < y1 && lireLignes(y, y + 1))
                ++y;
            if (!incomplet)
                for (std::size_t i = 0; i < plans.size(); ++i)
                    std::memset(ligne(i, y), 0, static_cast<std::size_t>((fin - y) * w));
            return;
        }
    });
}

} // namespace

LectureRaster LireLan(const QString &chemin, const SurTailleRaster &surTaille)
{
    FichierBrut fichier(chemin);
    unsigned char entete[TailleEnTete];
    if (fichier.Lire(0, reinterpret_cast<char *>(entete), TailleEnTete) < TailleEnTete)
        throw ErreurDecodage(tr("Le fichier Landsat « %1 » est trop court pour contenir son en-tête de 128 octets.")
                                 .arg(NomAffiche(chemin)));
    FormeLan forme;
    forme.bandes = entete[8];
    forme.largeur = Mot16(entete + 16);
    forme.hauteur = Mot16(entete + 20);
    const int n = forme.bandes;
    const int w = forme.largeur;
    const int h = forme.hauteur;
    if (n == 0 || w == 0 || h == 0)
        throw ErreurDecodage(tr("Le fichier Landsat « %1 » annonce une image vide (%2 bandes de %3 × %4 pixels).")
                                 .arg(NomAffiche(chemin))
                                 .arg(n)
                                 .arg(w)
                                 .arg(h));
    if (w > LargeurMaxLan)
        throw ErreurDecodage(tr("Le fichier Landsat « %1 » a des lignes de %2 pixels : "
                                "la limite est de %3 pixels par ligne.")
                                 .arg(NomAffiche(chemin))
                                 .arg(w)
                                 .arg(LargeurMaxLan));

    const qint64 annonces = forme.octetsLigne() * h;
    const qint64 presents = fichier.taille() - TailleEnTete;
    LectureRaster lecture;
    const QString avertissement = ControlerTaillePixels(chemin, annonces, presents);
    const bool incomplet = !avertissement.isEmpty();
    if (incomplet)
        lecture.avertissements << avertissement;
    lecture.affichage = {1, 2, 3};
    if (surTaille)
        surTaille(w, h);

    for (int b = 0; b < n; ++b) {
        TCanal canal;
        canal.nom = QStringLiteral("TM %1").arg(b + 1);
        canal.index = b;
        canal.largeur = w;
        canal.hauteur = h;
        lecture.canaux.push_back(std::move(canal));
    }
    LireBandes(fichier, forme, lecture.canaux, incomplet);
    return lecture;
}
