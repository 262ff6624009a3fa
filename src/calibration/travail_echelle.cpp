#include "calibration/travail_echelle.h"

#include "commun/nombres.h"

#include <cmath>
#include <limits>
#include <numbers>

namespace {

bool Reel(const QString &texte, double &v)
{
    bool ok = false;
    v = TexteEnReel(RemplacerSepAutre(texte), &ok);
    return ok;
}

int Borne(int v, int mini, int maxi)
{
    return v < mini ? mini : (v > maxi ? maxi : v);
}

} // namespace

int TravailEchelle::CoteMax() const
{
    const int parHauteur = int(Arrondi(2.0 * image.height() / std::numbers::sqrt3)) - 1;
    return qMax(CoteMin(), qMin(parHauteur, image.width()));
}

void TravailEchelle::Ouvrir(QSize tailleImage, const TEchelle &e)
{
    image = QSize(qMax(1, tailleImage.width()), qMax(1, tailleImage.height()));
    const int w = image.width();
    const int h = image.height();
    const bool definie = e.Definie != 0;

    uniteLongueur = definie && e.Mode == TEchelle::Longueur ? e.Unite : QString();
    segmentDebut = segmentFin = QPoint(0, 0);

    // The axis points kept from an earlier picture come inside this one, as
    // the position edits show them: a point left beyond a smaller picture
    // would be used where the window shows another position.
    for (std::size_t a = 0; a < axes.size(); ++a)
        for (PointAxe &point : axes[a].points)
            point.position = Borne(point.position, 0, (a == AxeX ? w : h) - 1);

    if (definie && e.Mode == TEchelle::Cartesien) {
        cadreX1 = 0;
        cadreY1 = 0;
        cadreX2 = w;
        cadreY2 = h;
        DefinirCadre(2, e.CadreX2);
        DefinirCadre(3, e.CadreY2);
        DefinirCadre(0, e.CadreX1);
        DefinirCadre(1, e.CadreY1);
        nbAxesY = Borne(e.NbAxesY, 1, TEchelle::NbAxesYMax);
        axes[AxeX].unite = e.UniteX;
        axes[AxeX].points[0] = {qMax(0, int(e.OrigineX)), QStringLiteral("0")};
        for (int k = 0; k < TEchelle::NbAxesYMax; ++k) {
            axes[k + 1].unite = e.UniteY[k];
            if (k < nbAxesY)
                axes[k + 1].points[0] = {qMax(0, int(e.OrigineY[k])), QStringLiteral("0")};
        }
    } else {
        cadreX1 = 0;
        cadreY1 = 0;
        cadreX2 = w;
        cadreY2 = h;
        nbAxesY = 1;
    }
    axeCourant = AxeX;
    pointCourant = 0;

    if (definie && e.Mode == TEchelle::Triangle) {
        coinX = Borne(e.CoinX, 0, w - 1);
        coinY = Borne(e.CoinY, 1, h);
        cote = Borne(e.CoteTriangle, CoteMin(), CoteMax());
        sens = e.Sens == 0 ? 0 : 1;
        nomX = e.NomX;
        nomY = e.NomY;
        nomZ = e.NomZ;
    } else {
        coinX = Borne(1, 0, w - 1);
        coinY = Borne(h - 1, 1, h);
        cote = Borne(40, CoteMin(), CoteMax());
        sens = 0;
    }

    if (definie && e.Mode == TEchelle::Polaire) {
        centreX = e.CentreX;
        centreY = e.CentreY;
        uniteRayon = e.UniteRayon;
        uniteAngle = e.UniteAngle == QLatin1String("Rd") ? QStringLiteral("Rd") : QStringLiteral("de");
        const double degres = uniteAngle == QLatin1String("Rd") ? e.AngleZero * 180.0 / std::numbers::pi : e.AngleZero;
        curseurAngle = int(qBound<double>(-179, std::isfinite(degres) ? Arrondi(degres) : 0, 180));
        // The radius value shown for the 30 pixels of the window's circle, so
        // that transferring the scale again keeps its factor.
        valeurRayon = FormatGeneral(e.FacteurRayon * 30, 4);
    } else {
        centreX = w / 2;
        centreY = h / 2;
        curseurAngle = 0;
        uniteAngle = QStringLiteral("de");
    }

    ChangerMode(e.Mode <= TEchelle::Polaire && definie ? e.Mode : TEchelle::Longueur);
}

void TravailEchelle::ChangerMode(int nouveauMode)
{
    mode = Borne(nouveauMode, TEchelle::Longueur, TEchelle::Polaire);
    switch (mode) {
    case TEchelle::Longueur:
        segmentDebut = segmentFin = QPoint(0, 0);
        break;
    case TEchelle::Cartesien:
        cible = CibleEchelle::Cadre;
        break;
    case TEchelle::Triangle:
        cible = CibleEchelle::Coin;
        break;
    case TEchelle::Polaire:
        cible = CibleEchelle::Centre;
        rayonPixels = 30;
        if (uniteAngle != QLatin1String("Rd"))
            uniteAngle = QStringLiteral("de");
        break;
    default:
        break;
    }
}

void TravailEchelle::DefinirCadre(int bord, int v)
{
    const int w = image.width();
    const int h = image.height();
    switch (bord) {
    case 0:
        cadreX1 = Borne(v, 0, cadreX2 - 1);
        break;
    case 1:
        cadreY1 = Borne(v, 0, cadreY2 - 1);
        break;
    case 2:
        cadreX2 = Borne(v, cadreX1 + 1, w);
        break;
    case 3:
        cadreY2 = Borne(v, cadreY1 + 1, h);
        break;
    default:
        break;
    }
}

void TravailEchelle::Appuyer(QPoint p)
{
    AppliquerPointeur(p, true);
}

void TravailEchelle::Deplacer(QPoint p)
{
    AppliquerPointeur(p, false);
}

void TravailEchelle::AppliquerPointeur(QPoint p, bool appui)
{
    const int w = image.width();
    const int h = image.height();
    const QPoint dans(Borne(p.x(), 0, w), Borne(p.y(), 0, h));
    switch (mode) {
    case TEchelle::Longueur:
        if (appui)
            segmentDebut = dans;
        segmentFin = dans;
        break;
    case TEchelle::Cartesien:
        if (cible == CibleEchelle::Cadre) {
            if (appui) {
                cadreX1 = Borne(dans.x(), 0, w - 1);
                cadreY1 = Borne(dans.y(), 0, h - 1);
                cadreX2 = cadreX1 + 1;
                cadreY2 = cadreY1 + 1;
            } else {
                DefinirCadre(2, dans.x());
                DefinirCadre(3, dans.y());
            }
        } else if (cible == CibleEchelle::Axe) {
            axes[axeCourant].points[pointCourant].position =
                axeCourant == AxeX ? Borne(dans.x(), 0, w - 1) : Borne(dans.y(), 0, h - 1);
        }
        break;
    case TEchelle::Triangle:
        if (cible != CibleEchelle::Coin)
            break;
        if (appui) {
            coinX = Borne(p.x(), 0, w - 1);
            coinY = Borne(p.y(), 1, h);
        } else if (p.x() > coinX + 1) {
            cote = Borne(p.x() - coinX, CoteMin(), CoteMax());
        }
        break;
    case TEchelle::Polaire:
        if (cible == CibleEchelle::Centre) {
            centreX = dans.x();
            centreY = dans.y();
        } else if (cible == CibleEchelle::Rayon) {
            const double dx = double(p.x()) - centreX;
            const double dy = double(p.y()) - centreY;
            rayonPixels = Borne(int(qMin<double>(Arrondi(std::sqrt(dx * dx + dy * dy)), RayonMax)), RayonMin, RayonMax);
        }
        break;
    default:
        break;
    }
}

std::array<QPoint, 3> TravailEchelle::SommetsTriangle() const
{
    const int hauteur = int(Arrondi(cote * std::numbers::sqrt3 / 2));
    return {QPoint(coinX, coinY), QPoint(coinX + cote, coinY), QPoint(coinX + cote / 2, coinY - hauteur)};
}

QString TravailEchelle::TexteAngleZero() const
{
    if (uniteAngle == QLatin1String("Rd"))
        return FormatGeneral(curseurAngle * std::numbers::pi / 180.0, 3);
    return QString::number(curseurAngle);
}

QPoint TravailEchelle::BoutRayon() const
{
    const double theta = curseurAngle * std::numbers::pi / 180.0;
    return {centreX + int(Arrondi(rayonPixels * std::cos(theta))), centreY - int(Arrondi(rayonPixels * std::sin(theta)))};
}

bool TravailEchelle::LongueurCalculable() const
{
    double valeur = 0;
    return Reel(valeurLongueur, valeur) && segmentFin != segmentDebut;
}

TEchelle TravailEchelle::Transferer() const
{
    TEchelle e;
    e.Definie = 0;
    e.Mode = static_cast<std::uint8_t>(mode);
    switch (mode) {
    case TEchelle::Longueur: {
        if (!LongueurCalculable())
            return EchelleParDefaut();
        double valeur = 0;
        (void)Reel(valeurLongueur, valeur);
        const double dx = double(segmentFin.x()) - segmentDebut.x();
        const double dy = double(segmentFin.y()) - segmentDebut.y();
        e.Facteur = valeur / std::sqrt(dx * dx + dy * dy);
        e.Unite = CouperTexteEchelle(uniteLongueur);
        e.Definie = 1;
        return e;
    }
    case TEchelle::Cartesien: {
        e.CadreX1 = cadreX1;
        e.CadreY1 = cadreY1;
        e.CadreX2 = cadreX2;
        e.CadreY2 = cadreY2;
        e.NbAxesY = static_cast<std::uint8_t>(nbAxesY);
        for (int i = 0; i <= nbAxesY; ++i) {
            const AxeTravail &axe = axes[i];
            double wA = 0;
            double wB = 0;
            if (!Reel(axe.points[0].valeur, wA) || !Reel(axe.points[1].valeur, wB))
                return e;
            const int pA = axe.points[0].position;
            const int pB = axe.points[1].position;
            if (pA == pB)
                return e;
            const double facteur = (wB - wA) / (double(pB) - pA);
            if (facteur == 0 || !std::isfinite(facteur))
                return e;
            const double decalage = std::nearbyint(wA / facteur);
            const double origine = pA - decalage;
            if (!std::isfinite(origine) || origine < std::numeric_limits<std::int32_t>::min()
                || origine > std::numeric_limits<std::int32_t>::max())
                return e;
            if (i == AxeX) {
                e.FacteurX = facteur;
                e.OrigineX = static_cast<std::int32_t>(origine);
                e.UniteX = CouperTexteEchelle(axe.unite);
            } else {
                e.FacteurY[i - 1] = facteur;
                e.OrigineY[i - 1] = static_cast<std::int32_t>(origine);
                e.UniteY[i - 1] = CouperTexteEchelle(axe.unite);
            }
        }
        e.Definie = 1;
        return e;
    }
    case TEchelle::Triangle:
        e.CoinX = coinX;
        e.CoinY = coinY;
        e.CoteTriangle = cote;
        e.Sens = sens;
        e.NomX = CouperTexteEchelle(nomX);
        e.NomY = CouperTexteEchelle(nomY);
        e.NomZ = CouperTexteEchelle(nomZ);
        e.Definie = 1;
        return e;
    case TEchelle::Polaire: {
        double valeur = 0;
        e.CentreX = centreX;
        e.CentreY = centreY;
        e.UniteAngle = uniteAngle;
        bool ok = false;
        e.AngleZero = TexteEnReel(TexteAngleZero(), &ok);
        if (!ok)
            e.AngleZero = 0;
        e.UniteRayon = CouperTexteEchelle(uniteRayon);
        if (!Reel(valeurRayon, valeur) || rayonPixels <= 0)
            return e;
        e.FacteurRayon = valeur / rayonPixels;
        e.Definie = 1;
        return e;
    }
    default:
        return e;
    }
}

QChar FiltrerCaractereValeur(const QString &texte, QChar c)
{
    if (c >= QLatin1Char('0') && c <= QLatin1Char('9'))
        return c;
    if (c == QLatin1Char('-'))
        return texte.contains(c) ? QChar() : c;
    if (c == QLatin1Char(',') || c == QLatin1Char('.')) {
        const QChar sep = SepDecimal();
        return texte.contains(sep) ? QChar() : sep;
    }
    return {};
}
