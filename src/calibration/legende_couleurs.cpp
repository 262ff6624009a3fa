#include "calibration/legende_couleurs.h"

#include "calibration/rampes_couleurs.h"
#include "commun/nombres.h"

#include <QCoreApplication>
#include <QFontMetrics>
#include <QPainter>

#include <algorithm>
#include <cmath>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("LegendeCouleurs", texte);
}

QColor Couleur(CouleurWin c)
{
    return QColor(RougeWin(c), VertWin(c), BleuWin(c));
}

int Y(double v)
{
    return static_cast<int>(Arrondi(v));
}

// Texts are placed by their top-left corner.
void Texte(QPainter &p, int x, int y, const QString &texte)
{
    p.drawText(QRect(x, y, 10000, 1000), Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, texte);
}

void TexteCentre(QPainter &p, int W, int y, const QString &texte)
{
    Texte(p, (W - p.fontMetrics().horizontalAdvance(texte)) / 2, y, texte);
}

// A rectangle from (x1, y1) to (x2, y2), the right and bottom edges excluded.
QRect Rectangle(int x1, int y1, int x2, int y2)
{
    return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1);
}

void LegendeTroisCanaux(QPainter &p, const TCodeCouleur &code, int W, double f)
{
    static constexpr CouleurWin fins[3] = {CouleurRvb(0, 0, 255), CouleurRvb(0, 255, 0), CouleurRvb(255, 0, 0)};
    const QFont gras = p.font();
    QFont normal = gras;
    normal.setBold(false);
    for (int k = 0; k < 3; ++k) {
        const int yk = Y((44 + 64 * k) * f);
        p.setFont(gras);
        TexteCentre(p, W, yk, Tr("Canal %1").arg(k + 1));
        p.setFont(normal);
        TexteCentre(p, W, yk + 12, code.NomC[static_cast<std::size_t>(k)]);
        Texte(p, 4, yk + 44, FormatGeneral(code.MiniC[static_cast<std::size_t>(k)], 4));
        const QString maxi = FormatGeneral(code.MaxiC[static_cast<std::size_t>(k)], 4);
        Texte(p, W - p.fontMetrics().horizontalAdvance(maxi) - 4, yk + 44, maxi);
        QImage rampe(W - 18, 17, QImage::Format_ARGB32);
        RampeDeuxCouleurs(rampe, 0, fins[k], true);
        p.drawImage(8, yk + 28, rampe);
    }
    p.setFont(gras);
}

void LegendeEchelle(QPainter &p, const TCodeCouleur &code, int W, double f, LegendeCouleurs &l)
{
    const int y = Y(48 * f);
    l.yGrandeur = y;
    TexteCentre(p, W, y, code.Grandeur);
    TexteCentre(p, W, y + 14, code.UniteCode);
    const int z = Y(88 * f);
    l.yRampe = z;
    QImage rampe(17, 145, QImage::Format_ARGB32);
    if (code.TypeCodage == CodageArcEnCiel)
        RampeArcEnCiel(rampe, code.CouleurDebut, code.CouleurMilieu, code.CouleurFin, false);
    else
        RampeDeuxCouleurs(rampe, code.CouleurMin, code.CouleurMax, false);
    p.drawImage(8, z, rampe);
    for (int k = 0; k <= 4; ++k)
        p.drawLine(25, z + 36 * k, 27, z + 36 * k);
    const std::array<QString, 5> textes = TextesGraduations(code);
    for (int k = 0; k <= 4; ++k)
        Texte(p, 30, z + 136 - 36 * k, textes[static_cast<std::size_t>(k)]);
}

void LegendeTableau(QPainter &p, const TCodeCouleur &code, int n, int W, double f, LegendeCouleurs &l)
{
    const int y = Y(48 * f);
    l.yGrandeur = y;
    TexteCentre(p, W, y, code.Grandeur);
    TexteCentre(p, W, y + 14, code.UniteCode);
    const int z = Y(84 * f);
    l.yRampe = z;
    const int h = l.hauteurLigne;
    for (int i = 0; i < n; ++i) {
        const auto e = static_cast<std::size_t>(n - 1 - i);
        const QRect r = Rectangle(8, z + i * h, 25, z + (i + 1) * h);
        p.setBrush(Couleur(code.CouleurTable[e]));
        p.drawRect(r);
        p.setBrush(Qt::NoBrush);
        Texte(p, 27, z + i * h, code.Libelle[e]);
    }
}

} // namespace

std::array<QString, 5> TextesGraduations(const TCodeCouleur &code)
{
    std::array<QString, 5> textes;
    for (int k = 0; k <= 4; ++k) {
        const double q = k / 4.0;
        const double v = code.Logarithmique ? code.ValeurMin * std::pow(code.ValeurMax / code.ValeurMin, q)
                                            : code.ValeurMin + (code.ValeurMax - code.ValeurMin) * q;
        // A logarithmic scale with a bound at 0 or below has no value there:
        // its tick stays without a label.
        if (std::isfinite(v))
            textes[static_cast<std::size_t>(k)] = FormatGeneral(v, 4);
    }
    return textes;
}

QFont PoliceLegendeCouleurs()
{
    QFont police(QStringLiteral("Liberation Sans Narrow"));
    police.setPixelSize(11);
    police.setBold(true);
    return police;
}

LegendeCouleurs ComposerLegendeCouleurs(const TCodeCouleur &code, int hauteurImage)
{
    LegendeCouleurs l;
    const QFont police = PoliceLegendeCouleurs();
    QImage mesure(1, 1, QImage::Format_ARGB32);
    const QFontMetrics fm(police, &mesure);
    int W = LargeurLegendeCouleurs;
    int a = 240;
    const int n = std::clamp(code.NbCouleurs, 0, MaxEntreesTableau);
    if (code.TypeCodage == CodageTableau) {
        for (int h : {16, 15, 14}) {
            l.hauteurLigne = h;
            a = h * n + 92;
            if (hauteurImage >= a)
                break;
        }
        for (int e = 0; e < n; ++e)
            W = std::max(W, fm.horizontalAdvance(code.Libelle[static_cast<std::size_t>(e)]) + 30);
    }
    const int H = std::max(a, hauteurImage);
    l.hauteurNominale = a;
    l.f = static_cast<double>(H) / a;
    l.image = QImage(W, H, QImage::Format_ARGB32);
    l.image.fill(0xFFFFFFFFu);

    QPainter p(&l.image);
    p.setFont(police);
    p.setPen(Qt::black);
    p.setBrush(Qt::white);
    const int y0 = Y(8 * l.f);
    l.yTitre = y0;
    Texte(p, 24, y0, Tr("Code"));
    Texte(p, 8, y0 + 14, Tr("des couleurs"));
    p.setBrush(Qt::NoBrush);
    p.drawRect(Rectangle(4, y0 - 2, 70, y0 + 33));
    switch (code.TypeCodage) {
    case CodageTroisCanaux:
        LegendeTroisCanaux(p, code, W, l.f);
        break;
    case CodageArcEnCiel:
    case CodageDeuxCouleurs:
        LegendeEchelle(p, code, W, l.f, l);
        break;
    default:
        LegendeTableau(p, code, n, W, l.f, l);
        break;
    }
    return l;
}
