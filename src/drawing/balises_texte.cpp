#include "drawing/balises_texte.h"

#include "commun/nombres.h"

#include <algorithm>
#include <array>
#include <cmath>

namespace {

struct TexteDeBalise {
    const char *texte;
    Balise balise;
};

constexpr std::array<TexteDeBalise, 10> kBalises{{
    {"<b>", Balise::Gras},
    {"</b>", Balise::FinGras},
    {"<i>", Balise::Italique},
    {"</i>", Balise::FinItalique},
    {"<u>", Balise::Souligne},
    {"</u>", Balise::FinSouligne},
    {"<sup>", Balise::Exposant},
    {"</sup>", Balise::FinExposant},
    {"<sub>", Balise::Indice},
    {"</sub>", Balise::FinIndice},
}};

// The tag starting at position i of the line, with its length.
Balise BaliseEn(const QString &ligne, qsizetype i, qsizetype *longueur)
{
    for (const TexteDeBalise &b : kBalises) {
        const QLatin1StringView texte(b.texte);
        if (QStringView(ligne).mid(i).startsWith(texte)) {
            *longueur = texte.size();
            return b.balise;
        }
    }
    *longueur = 0;
    return Balise::Aucune;
}

// Pixel sizes are kept within what the raster painter can address.
constexpr int kPixelsMax = 32767;

} // namespace

std::vector<MorceauBalise> LireLigneBalisee(const QString &ligne)
{
    std::vector<MorceauBalise> morceaux;
    QString morceau;
    qsizetype debut = 0;
    while (debut < ligne.size()) {
        const qsizetype chevron = ligne.indexOf(QLatin1Char('<'), debut);
        if (chevron < 0)
            break;
        qsizetype longueur = 0;
        const Balise balise = BaliseEn(ligne, chevron, &longueur);
        if (balise == Balise::Aucune) {
            // A "<" that opens no tag ends a piece of its own.
            morceaux.push_back({ligne.mid(debut, chevron + 1 - debut), Balise::Aucune});
            debut = chevron + 1;
        } else {
            morceaux.push_back({ligne.mid(debut, chevron - debut), balise});
            debut = chevron + longueur;
        }
    }
    morceaux.push_back({ligne.mid(debut), Balise::Aucune});
    return morceaux;
}

QString TexteBalise(Balise balise)
{
    for (const TexteDeBalise &b : kBalises)
        if (b.balise == balise)
            return QString::fromLatin1(b.texte);
    return {};
}

double TaillePoints(const QFont &police, double pixelsParPouce)
{
    if (police.pointSizeF() > 0)
        return std::abs(police.pointSizeF());
    if (police.pixelSize() > 0)
        return police.pixelSize() * 72.0 / pixelsParPouce;
    return 0.0;
}

EtatBalises::EtatBalises(const QFont &base, double pixelsParPouce)
    : base_(base), pixelsParPouce_(pixelsParPouce), points_(TaillePoints(base, pixelsParPouce)),
      reduction_(static_cast<double>(Arrondi(points_ / 6.0))), gras_(base.bold()), italique_(base.italic()),
      souligne_(base.underline())
{
    const double q = pixelsParPouce / 72.0;
    montee_ = static_cast<int>(std::clamp<std::int64_t>(Arrondi(reduction_ * q), 0, kPixelsMax));
    descente_ = static_cast<int>(std::clamp<std::int64_t>(Arrondi(reduction_ * q * 2.0), 0, kPixelsMax));
}

void EtatBalises::Appliquer(Balise balise)
{
    switch (balise) {
    case Balise::Aucune:
        break;
    case Balise::Gras:
        gras_ = true;
        break;
    case Balise::FinGras:
        gras_ = false;
        break;
    case Balise::Italique:
        italique_ = true;
        break;
    case Balise::FinItalique:
        italique_ = false;
        break;
    case Balise::Souligne:
        souligne_ = true;
        break;
    case Balise::FinSouligne:
        souligne_ = false;
        break;
    case Balise::Exposant:
        reduit_ = true;
        decalage_ = -montee_;
        break;
    case Balise::Indice:
        reduit_ = true;
        decalage_ = descente_;
        break;
    case Balise::FinExposant:
    case Balise::FinIndice:
        reduit_ = false;
        decalage_ = 0;
        break;
    }
}

QFont EtatBalises::Police() const
{
    QFont police(base_);
    const double points = reduit_ ? PointsReduits() : points_;
    const double pixels = points * pixelsParPouce_ / 72.0;
    police.setPixelSize(static_cast<int>(std::clamp<std::int64_t>(Arrondi(pixels), 1, kPixelsMax)));
    police.setBold(gras_);
    police.setItalic(italique_);
    police.setUnderline(souligne_);
    return police;
}

QFont EtatBalises::PoliceDeBase() const
{
    EtatBalises base(base_, pixelsParPouce_);
    return base.Police();
}
