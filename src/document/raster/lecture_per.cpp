#include "document/raster/lecture_per.h"

#include "commun/erreur.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstring>
#include <vector>

namespace {

constexpr qint64 TailleEnTete = 1280;
constexpr int Tuile = 16;
constexpr qint64 OctetsTuile = Tuile * Tuile;

QString tr(const char *texte)
{
    return QCoreApplication::translate("LectureRaster", texte);
}

int Mot16(const unsigned char *p)
{
    return p[0] | (p[1] << 8);
}

} // namespace

TCanal LireCanalPer(const QString &chemin, const QString &nom, int index, QStringList &avertissements)
{
    FichierBrut fichier(chemin);
    unsigned char entete[20];
    if (fichier.Lire(0, reinterpret_cast<char *>(entete), sizeof entete) < static_cast<qint64>(sizeof entete))
        throw ErreurDecodage(
            tr("Le fichier canal « %1 » est trop court pour contenir son en-tête.").arg(NomAffiche(chemin)));
    const int h = Mot16(entete + 14);
    const int w = Mot16(entete + 18);
    if (w == 0 || h == 0)
        throw ErreurDecodage(tr("Le fichier canal « %1 » annonce une image vide (%2 × %3 pixels).")
                                 .arg(NomAffiche(chemin))
                                 .arg(w)
                                 .arg(h));

    const int tuilesX = (w + Tuile - 1) / Tuile;
    const int tuilesY = (h + Tuile - 1) / Tuile;
    const qint64 octetsRangee = tuilesX * OctetsTuile;
    const QString avertissement =
        ControlerTaillePixels(chemin, octetsRangee * tuilesY, fichier.taille() - TailleEnTete);
    if (!avertissement.isEmpty())
        avertissements << avertissement;

    TCanal canal = NouveauCanal(nom, index, w, h, false);
    std::vector<char> rangee(static_cast<std::size_t>(octetsRangee));
    for (int t = 0; t < tuilesY; ++t) {
        const qint64 lus = fichier.Lire(TailleEnTete + t * octetsRangee, rangee.data(), octetsRangee);
        // Bytes the file does not hold read as 0.
        std::fill(rangee.begin() + static_cast<std::ptrdiff_t>(std::max<qint64>(lus, 0)), rangee.end(), '\0');
        const int lignes = std::min(Tuile, h - t * Tuile);
        for (int u = 0; u < tuilesX; ++u) {
            const int colonnes = std::min(Tuile, w - u * Tuile);
            const char *tuile = rangee.data() + u * OctetsTuile;
            for (int r = 0; r < lignes; ++r)
                std::memcpy(canal.ligneAEcrire(t * Tuile + r) + u * Tuile, tuile + r * Tuile,
                            static_cast<std::size_t>(colonnes));
        }
    }
    return canal;
}

LectureRaster LirePer(const QString &chemin)
{
    LectureRaster lecture;
    lecture.canaux.push_back(LireCanalPer(chemin, QStringLiteral("Canal"), 0, lecture.avertissements));
    lecture.affichage = {0, -1, -1};
    return lecture;
}
