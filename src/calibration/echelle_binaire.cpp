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

    void octet(int pos, std::uint8_t v) { octets_[pos] = static_cast<char>(v); }
    void entier(int pos, std::int32_t v) { qToLittleEndian<std::int32_t>(v, donnees() + pos); }
    void reel(int pos, double v)
    {
        std::uint64_t bits = 0;
        std::memcpy(&bits, &v, sizeof bits);
        qToLittleEndian<std::uint64_t>(bits, donnees() + pos);
    }
    void texte(int pos, const QString &t, int longueurMax = TEchelle::LongueurTexteMax)
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
    [[nodiscard]] std::int32_t entier(int pos) const { return qFromLittleEndian<std::int32_t>(p_ + pos); }
    [[nodiscard]] double reel(int pos) const
    {
        const std::uint64_t bits = qFromLittleEndian<std::uint64_t>(p_ + pos);
        double v = 0;
        std::memcpy(&v, &bits, sizeof v);
        return v;
    }
    [[nodiscard]] QString texte(int pos, int longueurMax = TEchelle::LongueurTexteMax) const
    {
        const int n = qMin(int(p_[pos]), longueurMax);
        return DecoderTexte(QByteArray(reinterpret_cast<const char *>(p_ + pos + 1), n));
    }

private:
    const unsigned char *p_;
};

} // namespace

QByteArray EchelleEnBinaire(const TEchelle &e)
{
    Ecrivain w;
    w.octet(Pos::Definie, e.Definie);
    w.octet(Pos::Mode, e.Mode);
    switch (e.Mode) {
    case TEchelle::Longueur:
        w.reel(Pos::Facteur, e.Facteur);
        w.texte(Pos::Unite, e.Unite);
        break;
    case TEchelle::Cartesien:
        w.entier(Pos::CadreX1, e.CadreX1);
        w.entier(Pos::CadreY1, e.CadreY1);
        w.entier(Pos::CadreX2, e.CadreX2);
        w.entier(Pos::CadreY2, e.CadreY2);
        w.entier(Pos::OrigineX, e.OrigineX);
        w.reel(Pos::FacteurX, e.FacteurX);
        w.texte(Pos::UniteX, e.UniteX);
        w.octet(Pos::NbAxesY, e.NbAxesY);
        for (int k = 0; k < TEchelle::NbAxesYMax; ++k) {
            w.reel(Pos::FacteurY[k], e.FacteurY[k]);
            w.texte(Pos::UniteY[k], e.UniteY[k]);
            w.entier(Pos::OrigineY[k], e.OrigineY[k]);
        }
        break;
    case TEchelle::Triangle:
        w.entier(Pos::CoinX, e.CoinX);
        w.entier(Pos::CoinY, e.CoinY);
        w.entier(Pos::CoteTriangle, e.CoteTriangle);
        w.entier(Pos::Sens, e.Sens);
        w.texte(Pos::NomX, e.NomX);
        w.texte(Pos::NomY, e.NomY);
        w.texte(Pos::NomZ, e.NomZ);
        break;
    case TEchelle::Polaire:
        w.entier(Pos::CentreX, e.CentreX);
        w.entier(Pos::CentreY, e.CentreY);
        w.texte(Pos::UniteAngle, e.UniteAngle, 2);
        w.reel(Pos::AngleZero, e.AngleZero);
        w.reel(Pos::FacteurRayon, e.FacteurRayon);
        w.texte(Pos::UniteRayon, e.UniteRayon);
        break;
    default:
        break;
    }
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
    bool bon = true;
    switch (e.Mode) {
    case TEchelle::Longueur:
        e.Facteur = r.reel(Pos::Facteur);
        e.Unite = r.texte(Pos::Unite);
        bon = std::isfinite(e.Facteur);
        break;
    case TEchelle::Cartesien: {
        e.CadreX1 = r.entier(Pos::CadreX1);
        e.CadreY1 = r.entier(Pos::CadreY1);
        e.CadreX2 = r.entier(Pos::CadreX2);
        e.CadreY2 = r.entier(Pos::CadreY2);
        e.OrigineX = r.entier(Pos::OrigineX);
        e.FacteurX = r.reel(Pos::FacteurX);
        e.UniteX = r.texte(Pos::UniteX);
        e.NbAxesY = r.octet(Pos::NbAxesY);
        bon = e.NbAxesY <= TEchelle::NbAxesYMax && std::isfinite(e.FacteurX);
        const int axes = qMax(1, int(e.NbAxesY));
        for (int k = 0; k < TEchelle::NbAxesYMax; ++k) {
            e.FacteurY[k] = r.reel(Pos::FacteurY[k]);
            e.UniteY[k] = r.texte(Pos::UniteY[k]);
            e.OrigineY[k] = r.entier(Pos::OrigineY[k]);
            if (!std::isfinite(e.FacteurY[k])) {
                // An unused axis keeps whatever the slot held; a used one must be a number.
                bon = bon && k >= axes;
                e.FacteurY[k] = 1.0;
            }
        }
        break;
    }
    case TEchelle::Triangle:
        e.CoinX = r.entier(Pos::CoinX);
        e.CoinY = r.entier(Pos::CoinY);
        e.CoteTriangle = r.entier(Pos::CoteTriangle);
        e.Sens = r.entier(Pos::Sens);
        e.NomX = r.texte(Pos::NomX);
        e.NomY = r.texte(Pos::NomY);
        e.NomZ = r.texte(Pos::NomZ);
        break;
    case TEchelle::Polaire:
        e.CentreX = r.entier(Pos::CentreX);
        e.CentreY = r.entier(Pos::CentreY);
        e.UniteAngle = r.texte(Pos::UniteAngle, 2);
        e.AngleZero = r.reel(Pos::AngleZero);
        e.FacteurRayon = r.reel(Pos::FacteurRayon);
        e.UniteRayon = r.texte(Pos::UniteRayon);
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
