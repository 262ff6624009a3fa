#include "document/lecture_lan.h"

#include "app/erreur.h"
#include "document/grandes_pages.h"
#include "document/travail_parallele.h"

#include <QCoreApplication>

#include <algorithm>
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

} // namespace

LectureRaster LireLan(const QString &chemin)
{
    FichierBrut fichier(chemin);
    unsigned char entete[TailleEnTete];
    if (fichier.Lire(0, reinterpret_cast<char *>(entete), TailleEnTete) < TailleEnTete)
        throw ErreurDecodage(tr("Le fichier Landsat « %1 » est trop court pour contenir son en-tête de 128 octets.")
                                 .arg(NomAffiche(chemin)));
    const int n = entete[8];
    const int w = Mot16(entete + 16);
    const int h = Mot16(entete + 20);
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

    const qint64 octetsLigne = static_cast<qint64>(n) * w; // one row of every band
    const qint64 annonces = octetsLigne * h;
    const qint64 presents = fichier.taille() - TailleEnTete;
    LectureRaster lecture;
    const QString avertissement = ControlerTaillePixels(chemin, annonces, presents);
    const bool incomplet = !avertissement.isEmpty();
    if (incomplet)
        lecture.avertissements << avertissement;

    // The planes' memory is made present by the part of the reading that
    // fills it, so that on several cores the kernel's page clearing is shared too.
    lecture.canaux.reserve(static_cast<std::size_t>(n));
    for (int b = 0; b < n; ++b)
        lecture.canaux.push_back(NouveauCanal(QStringLiteral("TM %1").arg(b + 1), b, w, h, incomplet, false));
    std::vector<char *> plans;
    for (TCanal &c : lecture.canaux)
        plans.push_back(c.plan.data());

    // Rows of every band go straight into their planes, a batch of rows per
    // read; a short file leaves the zeros of the missing pixels. Slices of
    // rows are read side by side on the processor's cores.
    const qint64 lignesParLot = std::max<qint64>(1, OctetsParLot / octetsLigne);
    ParcourirEnParallele(h, fichier.LectureSimultanee() ? PartsParalleles(annonces) : 1, [&](int debut, int fin) {
        if (!incomplet)
            for (char *plan : plans)
                PreparerGrandesPages(plan + static_cast<qint64>(debut) * w, static_cast<std::size_t>(fin - debut) * w);
        std::vector<FichierBrut::Morceau> morceaux;
        for (qint64 y0 = debut; y0 < fin; y0 += lignesParLot) {
            const qint64 lignes = std::min<qint64>(lignesParLot, fin - y0);
            morceaux.clear();
            for (qint64 l = 0; l < lignes; ++l)
                for (char *plan : plans)
                    morceaux.push_back({plan + (y0 + l) * w, w});
            if (fichier.LireDisperse(TailleEnTete + y0 * octetsLigne, morceaux) < lignes * octetsLigne)
                break;
        }
    });
    lecture.affichage = {1, 2, 3};
    return lecture;
}
