#include "calibration/echelle.h"

#include "commun/nombres.h"
#include "commun/couper_champ.h"

#include <QStringList>

#include <limits>

TEchelle EchelleParDefaut()
{
    TEchelle e;
    e.Definie = 1;
    e.Mode = TEchelle::Longueur;
    e.Facteur = 1.0;
    e.Unite = QStringLiteral("pixels");
    return e;
}

TEchelle EchelleDeResolution(int dpi)
{
    if (dpi <= 0)
        return EchelleParDefaut();
    TEchelle e = EchelleParDefaut();
    e.Facteur = 25.4 / dpi;
    e.Unite = QStringLiteral("mm");
    return e;
}

QString CouperTexteEchelle(const QString &texte, int longueurMax)
{
    if (texte.size() <= longueurMax)
        return texte;
    qsizetype n = longueurMax;
    // Never leave half of a surrogate pair at the end.
    if (n > 0 && texte.at(n - 1).isHighSurrogate())
        --n;
    return texte.left(n);
}

namespace {

QString Reel(double v)
{
    return FormatGeneral(v, 4);
}

QString Entier(std::int64_t v)
{
    return QString::number(v);
}

// Reads the fields of a text form one at a time; the first failure sticks.
class LecteurChamps {
public:
    explicit LecteurChamps(QString texte) : reste_(std::move(texte)) {}

    [[nodiscard]] bool ok() const { return ok_; }

    QString texte(int longueurMax = TEchelle::LongueurTexteMax)
    {
        return CouperTexteEchelle(suivant(), longueurMax);
    }

    std::int64_t entier64()
    {
        const QString champ = suivant();
        if (!ok_)
            return 0;
        bool bon = false;
        const std::int64_t v = TexteEnEntier(champ, &bon);
        ok_ = bon;
        return bon ? v : 0;
    }

    std::int32_t entier()
    {
        const std::int64_t v = entier64();
        if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max()) {
            ok_ = false;
            return 0;
        }
        return static_cast<std::int32_t>(v);
    }

    double reel()
    {
        const QString champ = suivant();
        if (!ok_)
            return 0;
        bool bon = false;
        const double v = TexteEnReel(RemplacerSepAutre(champ), &bon);
        ok_ = bon;
        return bon ? v : 0;
    }

private:
    QString suivant()
    {
        if (!ok_)
            return {};
        ChampCoupe c = CouperChamp(reste_, QLatin1Char(';'));
        reste_ = std::move(c.reste);
        return std::move(c.champ);
    }

    QString reste_;
    bool ok_ = true;
};

} // namespace

QString EchelleEnTexte(const TEchelle &e)
{
    QStringList champs;
    champs << Entier(e.Mode);
    switch (e.Mode) {
    case TEchelle::Longueur:
        champs << Reel(e.Facteur) << e.Unite;
        break;
    case TEchelle::Cartesien: {
        champs << Entier(e.CadreX1) << Entier(e.CadreY1) << Entier(e.CadreX2) << Entier(e.CadreY2)
               << Entier(e.OrigineX) << Reel(e.FacteurX) << e.UniteX << Entier(e.NbAxesY);
        // The first Y axis is always written; the others as far as NbAxesY.
        const int axes = qBound(1, int(e.NbAxesY), TEchelle::NbAxesYMax);
        for (int k = 0; k < axes; ++k)
            champs << Reel(e.FacteurY[k]) << e.UniteY[k] << Entier(e.OrigineY[k]);
        break;
    }
    case TEchelle::Triangle:
        champs << Entier(e.CoinX) << Entier(e.CoinY) << Entier(e.CoteTriangle) << Entier(e.Sens) << e.NomX
               << e.NomY << e.NomZ;
        break;
    case TEchelle::Polaire:
        champs << Entier(e.CentreX) << Entier(e.CentreY) << e.UniteAngle << Reel(e.AngleZero)
               << Reel(e.FacteurRayon) << e.UniteRayon;
        break;
    default:
        break;
    }
    return QStringLiteral("<SCALE=") + champs.join(QLatin1Char(';')) + QStringLiteral(";>");
}

TEchelle TexteEnEchelle(const QString &texte)
{
    QString corps = texte;
    if (corps.toUpper().contains(QLatin1String("<SCALE"))) {
        const qsizetype egal = corps.indexOf(QLatin1Char('='));
        corps = egal >= 0 ? corps.mid(egal + 1) : QString();
    }
    const qsizetype fin = corps.indexOf(QLatin1Char('>'));
    if (fin >= 0)
        corps.truncate(fin);

    TEchelle e;
    e.Definie = 0;
    e.Mode = 0;
    LecteurChamps champs(corps);
    const std::int64_t mode = champs.entier64() & 0xFF; // only the low byte of the mode counts
    if (!champs.ok() || mode > TEchelle::Polaire)
        return e;
    e.Mode = static_cast<std::uint8_t>(mode);

    switch (e.Mode) {
    case TEchelle::Longueur:
        e.Facteur = champs.reel();
        e.Unite = champs.texte();
        break;
    case TEchelle::Cartesien: {
        e.CadreX1 = champs.entier();
        e.CadreY1 = champs.entier();
        e.CadreX2 = champs.entier();
        e.CadreY2 = champs.entier();
        e.OrigineX = champs.entier();
        e.FacteurX = champs.reel();
        e.UniteX = champs.texte();
        const std::int32_t axes = champs.entier();
        // More axes than the record holds would make every reader run past it.
        if (!champs.ok() || axes < 0 || axes > TEchelle::NbAxesYMax)
            return e;
        e.NbAxesY = static_cast<std::uint8_t>(axes);
        const int groupes = qMax(1, int(axes));
        for (int k = 0; k < groupes; ++k) {
            e.FacteurY[k] = champs.reel();
            e.UniteY[k] = champs.texte();
            e.OrigineY[k] = champs.entier();
        }
        break;
    }
    case TEchelle::Triangle:
        e.CoinX = champs.entier();
        e.CoinY = champs.entier();
        e.CoteTriangle = champs.entier();
        e.Sens = champs.entier();
        e.NomX = champs.texte();
        e.NomY = champs.texte();
        e.NomZ = champs.texte();
        break;
    case TEchelle::Polaire:
        e.CentreX = champs.entier();
        e.CentreY = champs.entier();
        e.UniteAngle = champs.texte(2);
        e.AngleZero = champs.reel();
        e.FacteurRayon = champs.reel();
        e.UniteRayon = champs.texte();
        break;
    default:
        break;
    }
    e.Definie = champs.ok() ? 1 : 0;
    return e;
}
