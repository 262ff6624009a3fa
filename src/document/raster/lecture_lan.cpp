#include "document/raster/lecture_lan.h"

#include "commun/erreur.h"
#include "commun/grandes_pages.h"
#include "commun/travail_parallele.h"

#include <QCoreApplication>

#include <algorithm>
#include <cstdint>
#include <cstring>

namespace {

constexpr qint64 TailleEnTete = 128;
// Bytes asked of the system per read.
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

// The file's pixel bytes as they lie in it, rows of all bands one after the
// other, each band's channel reading its rows in place. One large read per
// batch from the file's cache into one block is about twice as fast as
// sorting each band's rows into a plane of its own. The block's bytes sit at
// the same place within a memory page as the file's bytes within the file's
// pages, the copy's fastest case.
struct BlocLan {
    QByteArray octets;
    qint64 debut = 0; // where the first row starts in octets
};

BlocLan NouveauBloc(qint64 taille, bool aZero)
{
    constexpr qint64 Page = 4096;
    BlocLan bloc;
    bloc.octets = QByteArray(taille + Page, Qt::Uninitialized);
    const auto adresse = static_cast<qint64>(reinterpret_cast<std::uintptr_t>(bloc.octets.constData()) % Page);
    bloc.debut = ((TailleEnTete - adresse) % Page + Page) % Page;
    // The pages come on first write, cleared by the system just before the
    // reading fills them, while they are still in the processor's cache.
    ConseillerGrandesPages(bloc.octets.data(), static_cast<std::size_t>(bloc.octets.size()));
    if (aZero)
        bloc.octets.fill('\0');
    return bloc;
}

// Reads the pixel bytes into the block, zeroed beforehand for a file known
// to be short, whose missing pixels stay 0. Slices of rows are read side by
// side on the processor's cores. Bytes a file no longer holds (it shrank
// since its size was checked) are zeros, never what the memory held.
void LireBloc(FichierBrut &fichier, const FormeLan &forme, BlocLan &bloc, bool incomplet)
{
    const qint64 octetsLigne = forme.octetsLigne();
    char *pixels = bloc.octets.data() + bloc.debut;
    const int parts = fichier.LectureSimultanee() ? PartsParalleles(octetsLigne * forme.hauteur) : 1;
    ParcourirEnParallele(forme.hauteur, parts, [&](int debut, int fin) {
        const qint64 a = debut * octetsLigne;
        const qint64 b = fin * octetsLigne;
        for (qint64 o = a; o < b; o += OctetsParLot) {
            const qint64 n = std::min(OctetsParLot, b - o);
            const qint64 lu = fichier.LireA(TailleEnTete + o, pixels + o, n);
            if (lu == n)
                continue;
            if (!incomplet)
                std::memset(pixels + o + lu, 0, static_cast<std::size_t>(b - o - lu));
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
    // Bands 2, 3 and 4 are the usual false-colour composite; a single-band
    // scene has none of them and shows its only band in grey, instead of
    // an empty picture.
    lecture.affichage = bandes_ > 1 ? std::array<int, 3>{1, 2, 3} : std::array<int, 3>{0, -1, -1};
    const FormeLan forme{bandes_, largeur_, hauteur_};
    BlocLan bloc = NouveauBloc(forme.octetsLigne() * hauteur_, incomplet);
    LireBloc(fichier_, forme, bloc, incomplet);
    lecture.canaux.reserve(static_cast<std::size_t>(bandes_));
    for (int b = 0; b < bandes_; ++b) {
        TCanal canal;
        canal.nom = QStringLiteral("TM %1").arg(b + 1);
        canal.index = b;
        canal.largeur = largeur_;
        canal.hauteur = hauteur_;
        canal.plan = bloc.octets;
        canal.debut = bloc.debut + static_cast<qint64>(b) * largeur_;
        canal.pas = forme.octetsLigne();
        lecture.canaux.push_back(std::move(canal));
    }
    return lecture;
}

LectureRaster LireLan(const QString &chemin)
{
    return FichierLan(chemin).Lire();
}
