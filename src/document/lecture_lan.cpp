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

// Reads band b of every row into canaux[b]'s plane, zeroed beforehand for a
// file known to be short, whose missing pixels stay 0. Slices of rows
// are read side by side on the processor's cores, each making its part of
// the planes present; a batch of whole rows goes straight into the planes in
// one request. Rows a file no longer holds (it shrank since its size was
// checked) are zeros, never what the memory held.
void LireBandes(FichierBrut &fichier, const FormeLan &forme, std::vector<TCanal> &canaux, bool incomplet)
{
    const int w = forme.largeur;
    const qint64 octetsLigne = forme.octetsLigne();
    std::vector<char *> plans;
    for (TCanal &c : canaux)
        plans.push_back(c.plan.data());
    const auto ligne = [&](std::size_t b, qint64 y) { return plans[b] + y * w; };
    const qint64 lignesParLot = std::max<qint64>(1, OctetsParLot / octetsLigne);
    ParcourirEnParallele(forme.hauteur, fichier.LectureSimultanee() ? PartsParalleles(octetsLigne * forme.hauteur) : 1,
                         [&](int debut, int fin) {
        if (!incomplet)
            for (std::size_t b = 0; b < plans.size(); ++b)
                PreparerGrandesPages(ligne(b, debut), static_cast<std::size_t>(fin - debut) * w);
        std::vector<FichierBrut::Morceau> morceaux;
        // Rows [ya, yb); false when the file ends first.
        const auto lireLignes = [&](qint64 ya, qint64 yb) {
            morceaux.clear();
            for (qint64 y = ya; y < yb; ++y)
                for (std::size_t b = 0; b < plans.size(); ++b)
                    morceaux.push_back({ligne(b, y), w});
            return fichier.LireDisperse(TailleEnTete + ya * octetsLigne, morceaux) == (yb - ya) * octetsLigne;
        };
        for (qint64 y0 = debut; y0 < fin; y0 += lignesParLot) {
            const qint64 y1 = std::min<qint64>(fin, y0 + lignesParLot);
            if (lireLignes(y0, y1))
                continue;
            // The file ends in this batch: its rows are read again one by
            // one, the first one it lacks and all later ones being zeros (a
            // file known to be short was zeroed beforehand and keeps the
            // bytes it holds of that row).
            qint64 y = y0;
            while (y < y1 && lireLignes(y, y + 1))
                ++y;
            if (!incomplet)
                for (std::size_t b = 0; b < plans.size(); ++b)
                    std::memset(ligne(b, y), 0, static_cast<std::size_t>((fin - y) * w));
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

    // The planes' memory is made present by the slice of rows that fills
    // it, so that on several cores the kernel's page clearing is shared too.
    lecture.canaux.reserve(static_cast<std::size_t>(n));
    for (int b = 0; b < n; ++b)
        lecture.canaux.push_back(NouveauCanal(QStringLiteral("TM %1").arg(b + 1), b, w, h, incomplet, false));
    LireBandes(fichier, forme, lecture.canaux, incomplet);
    return lecture;
}
