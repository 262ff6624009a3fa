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

FichierLan::FichierLan(const QString &chemin) : fichier_(chemin)
{
    unsigned char entete[TailleEnTete];
    if (fichier_.Lire(0, reinterpret_cast<char *>(entete), TailleEnTete) < TailleEnTete)
        throw ErreurDecodage(tr("Le fichier Landsat « %1 » est trop court pour contenir son en-tête de 128 octets.")
                                 .arg(NomAffiche(chemin)));
    bandes_ = entete[8];
    largeur_ = Mot16(entete + 16);
    hauteur_ = Mot16(entete + 20);
    if (bandes_ == 0 || largeur_ == 0 || hauteur_ == 0)
        throw ErreurDecodage(tr("Le fichier Landsat « %1 » annonce une image vide (%2 bandes de %3 × %4 pixels).")
                                 .arg(NomAffiche(chemin))
                                 .arg(bandes_)
                                 .arg(largeur_)
                                 .arg(hauteur_));
    if (largeur_ > LargeurMaxLan)
        throw ErreurDecodage(tr("Le fichier Landsat « %1 » a des lignes de %2 pixels : "
                                "la limite est de %3 pixels par ligne.")
                                 .arg(NomAffiche(chemin))
                                 .arg(largeur_)
                                 .arg(LargeurMaxLan));
    const qint64 annonces = static_cast<qint64>(bandes_) * largeur_ * hauteur_;
    avertissement_ = ControlerTaillePixels(chemin, annonces, fichier_.taille() - TailleEnTete);
}

LectureRaster FichierLan::Lire()
{
    LectureRaster lecture;
    const bool incomplet = !avertissement_.isEmpty();
    if (incomplet)
        lecture.avertissements << avertissement_;
    lecture.affichage = {1, 2, 3};
    // The planes' memory is made present by the slice of rows that fills
    // it, so that on several cores the kernel's page clearing is shared too.
    lecture.canaux.reserve(static_cast<std::size_t>(bandes_));
    for (int b = 0; b < bandes_; ++b)
        lecture.canaux.push_back(
            NouveauCanal(QStringLiteral("TM %1").arg(b + 1), b, largeur_, hauteur_, incomplet, false));
    LireBandes(fichier_, {bandes_, largeur_, hauteur_}, lecture.canaux, incomplet);
    return lecture;
}

LectureRaster LireLan(const QString &chemin)
{
    return FichierLan(chemin).Lire();
}
