#include "calibration/echelle_binaire.h"

#include "commun/fichier_texte.h"

#include <QFile>
#include <QtEndian>

#include <cmath>
#include <cstring>

namespace {

// Slots of the record; the four modes overlay the bytes from offset 8.
namespace Pos {
constexpr int Definie = 0;
constexpr int Mode = 4;
// Mode 0
constexpr int Facteur = 8;
constexpr int Unite = 16;
// Mode 1
constexpr int CadreX1 = 8;
constexpr int CadreY1 = 12;
constexpr int CadreX2 = 16;
constexpr int CadreY2 = 20;
constexpr int OrigineX = 24;
constexpr int FacteurX = 28;
constexpr int UniteX = 36;
constexpr int NbAxesY = 57;
constexpr int FacteurY[3] = {60, 96, 132};
constexpr int UniteY[3] = {68, 104, 140};
constexpr int OrigineY[3] = {92, 128, 164};
// Mode 2
constexpr int CoinX = 8;
constexpr int CoinY = 12;
constexpr int CoteTriangle = 16;
constexpr int Sens = 20;
constexpr int NomX = 24;
constexpr int NomY = 45;
constexpr int NomZ = 66;
// Mode 3
constexpr int CentreX = 8;
constexpr int CentreY = 12;
constexpr int UniteAngle = 16;
constexpr int AngleZero = 20;
constexpr int FacteurRayon = 28;
constexpr int UniteRayon = 36;
} // namespace Pos

class Ecrivain {
public:
    Ecrivain() : octets_(TailleEchelleBinaire, '\0') {}

    void champ(int pos, std::uint8_t v) { octets_[pos] = static_cast<char>(v); }
    void champ(int pos, std::int32_t v) { qToLittleEndian<std::int32_t>(v, donnees() + pos); }
    void champ(int pos, double v)
    {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        qToLittleEndian<std::uint64_t>(bits, donnees() + pos);
    }
    void champ(int pos, const QString &t, int longueurMax = TEchelle::LongueurTexteMax)
    {
        const QByteArray b = EncoderWindows1252(t).left(longueurMax);
        octets_[pos] = static_cast<char>(b.size());
        std::memcpy(donnees() + pos + 1, b.constData(), static_cast<std::size_t>(b.size()));
    }
    [[nodiscard]] QByteArray resultat() const { return octets_; }

private:
    unsigned char *donnees() { return reinterpret_cast<unsigned char *>(octets_.data()); }
    QByteArray octets_;
};

class Lecteur {
public:
    explicit Lecteur(const QByteArray &octets) : p_(reinterpret_cast<const unsigned char *>(octets.constData())) {}

    [[nodiscard]] std::uint8_t octet(int pos) const { return p_[pos]; }
    void champ(int pos, std::uint8_t &v) const { v = octet(pos); }
    void champ(int pos, std::int32_t &v) const { v = qFromLittleEndian<std::int32_t>(p_ + pos); }
    void champ(int pos, double &v) const
    {
        const std::uint64_t bits = qFromLittleEndian<std::uint64_t>(p_ + pos);
        std::memcpy(&v, &bits, sizeof v);
    }
    void champ(int pos, QString &t, int longueurMax = TEchelle::LongueurTexteMax) const
    {
        const int n = qMin(int(p_[pos]), longueurMax);
        t = DecoderTexte(QByteArray(reinterpret_cast<const char *>(p_ + pos + 1), n));
    }

private:
    const unsigned char *p_;
};

// The slots of the record's mode, each given to the writer (from a const
// record) or to the reader (into the record), so both walk the one layout.
template <typename Acces, typename Echelle>
void ParcourirChamps(Acces &a, Echelle &e)
{
    switch (e.Mode) {
    case TEchelle::Longueur:
        a.champ(Pos::Facteur, e.Facteur);
        a.champ(Pos::Unite, e.Unite);
        break;
    case TEchelle::Cartesien:
        a.champ(Pos::CadreX1, e.CadreX1);
        a.champ(Pos::CadreY1, e.CadreY1);
        a.champ(Pos::CadreX2, e.CadreX2);
        a.champ(Pos::CadreY2, e.CadreY2);
        a.champ(Pos::OrigineX, e.OrigineX);
        a.champ(Pos::FacteurX, e.FacteurX);
        a.champ(Pos::UniteX, e.UniteX);
        a.champ(Pos::NbAxesY, e.NbAxesY);
        for (int k = 0; k < TEchelle::NbAxesYMax; ++k) {
            a.champ(Pos::FacteurY[k], e.FacteurY[k]);
            a.champ(Pos::UniteY[k], e.UniteY[k]);
            a.champ(Pos::OrigineY[k], e.OrigineY[k]);
        }
        break;
    case TEchelle::Triangle:
        a.champ(Pos::CoinX, e.CoinX);
        a.champ(Pos::CoinY, e.CoinY);
        a.champ(Pos::CoteTriangle, e.CoteTriangle);
        a.champ(Pos::Sens, e.Sens);
        a.champ(Pos::NomX, e.NomX);
        a.champ(Pos::NomY, e.NomY);
        a.champ(Pos::NomZ, e.NomZ);
        break;
    case TEchelle::Polaire:
        a.champ(Pos::CentreX, e.CentreX);
        a.champ(Pos::CentreY, e.CentreY);
        a.champ(Pos::UniteAngle, e.UniteAngle, 2);
        a.champ(Pos::AngleZero, e.AngleZero);
        a.champ(Pos::FacteurRayon, e.FacteurRayon);
        a.champ(Pos::UniteRayon, e.UniteRayon);
        break;
    default:
        break;
    }
}

} // namespace

QByteArray EchelleEnBinaire(const TEchelle &e)
{
    Ecrivain w;
    w.champ(Pos::Definie, e.Definie);
    w.champ(Pos::Mode, e.Mode);
    ParcourirChamps(w, e);
    return w.resultat();
}

TEchelle BinaireEnEchelle(const QByteArray &octets)
{
    TEchelle e;
    if (octets.size() < TailleEchelleBinaire)
        return e;
    const Lecteur r(octets);
    const std::uint8_t mode = r.octet(Pos::Mode);
    if (mode > TEchelle::Polaire)
        return e;
    e.Mode = mode;
    ParcourirChamps(r, e);
    bool bon = true;
    switch (e.Mode) {
    case TEchelle::Longueur:
        bon = std::isfinite(e.Facteur);
        break;
    case TEchelle::Cartesien: {
        bon = e.NbAxesY <= TEchelle::NbAxesYMax && std::isfinite(e.FacteurX);
        const int axes = qMax(1, int(e.NbAxesY));
        for (int k = 0; k < TEchelle::NbAxesYMax; ++k)
            if (!std::isfinite(e.FacteurY[k])) {
                // An unused axis keeps whatever the slot held; a used one must be a number.
                bon = bon && k >= axes;
                e.FacteurY[k] = 1.0;
            }
        break;
    }
    case TEchelle::Polaire:
        bon = std::isfinite(e.AngleZero) && std::isfinite(e.FacteurRayon);
        break;
    default:
        break;
    }
    e.Definie = bon && r.octet(Pos::Definie) != 0 ? 1 : 0;
    return e;
}

QString NomFichierEchelleBinaire(const QString &nomImage)
{
    return nomImage.left(qMax<qsizetype>(0, nomImage.size() - 4)) + QStringLiteral(".ech");
}

std::optional<TEchelle> LireEchelleBinaireAnnexe(const QString &nomImage)
{
    QFile f(NomFichierEchelleBinaire(nomImage));
    if (!f.open(QIODevice::ReadOnly))
        return std::nullopt;
    const TEchelle e = BinaireEnEchelle(f.read(TailleEchelleBinaire));
    if (e.Definie != 1)
        return std::nullopt;
    return e;
}

bool EcrireEchelleBinaireAnnexe(const QString &nomImage, const TEchelle &echelle)
{
    // Through a temporary file: a failed write keeps the former scale whole.
    return EcrireFichierSur(NomFichierEchelleBinaire(nomImage), EchelleEnBinaire(echelle));
}
