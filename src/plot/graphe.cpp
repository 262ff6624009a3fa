#include "plot/graphe.h"

#include <algorithm>
#include <cmath>
#include <limits>

TGraphe::TGraphe()
{
    CaptionFont.setPointSize(12);
    CaptionFont.setBold(true);
    TitleFont.setPointSize(9);
    TitleFont.setBold(true);
    LabelFont.setPointSize(8);
    Legende.font.setPointSize(8);
    axes_[0].grille = true;
    axes_[1].grille = true;
    axes_[2].visible = false;
}

bool TGraphe::DefinirMinSteps(int valeur)
{
    if (valeur == 0 || !(valeur < maxSteps_ / 2.5))
        return false;
    minSteps_ = valeur;
    return true;
}

bool TGraphe::DefinirMaxSteps(int valeur)
{
    if (!(valeur > 2.5 * minSteps_) || valeur > 90)
        return false;
    maxSteps_ = valeur;
    return true;
}

QRect TGraphe::ZoneTrace() const
{
    return QRect(QPoint(LeftMargin, TopMargin),
                 QPoint(taille_.width() - RightMargin, taille_.height() - BottomMargin));
}

void TGraphe::DefinirAutomatique(AxeId id, bool echelle, bool pas)
{
    Axe(id).reglage.AutoEchelle = echelle;
    Axe(id).reglage.AutoPas = pas;
}

QStringList TGraphe::MettreAJourAxes()
{
    struct Etendue {
        double mini = std::numeric_limits<double>::infinity();
        double maxi = -std::numeric_limits<double>::infinity();
        bool donnees = false;
        void Ajouter(double v)
        {
            if (!std::isfinite(v))
                return;
            mini = std::min(mini, v);
            maxi = std::max(maxi, v);
            donnees = true;
        }
    };
    Etendue etendues[3];
    for (const auto &[numero, serie] : series_) {
        if (!serie.visible || serie.NombrePoints() == 0)
            continue;
        Etendue &y = etendues[serie.surY2 ? 2 : 1];
        for (const QPointF &p : serie.PointsAjoutes()) {
            etendues[0].Ajouter(p.x());
            y.Ajouter(p.y());
        }
        if (serie.zeroAuto && y.donnees)
            y.Ajouter(0);
    }
    QStringList messages;
    for (int i = 0; i < 3; ++i) {
        AxeGraphe &axe = axes_[i];
        const Etendue &e = etendues[i];
        const AxeCalcule r = CalculerAxe(axe.reglage, e.donnees, e.mini, e.maxi, minSteps_, maxSteps_);
        if (r.ok())
            axe.affiche = r;
        else
            messages << r.erreur;
    }
    return messages;
}

SerieGraphe &TGraphe::Serie(int numero)
{
    auto it = series_.find(numero);
    if (it != series_.end())
        return it->second;
    SerieGraphe &s = series_[numero];
    static const QColor kCouleurs[] = {Qt::blue, Qt::red, QColor(0, 128, 0), QColor(255, 128, 0),
                                       Qt::magenta, QColor(0, 128, 128), QColor(128, 0, 128), Qt::darkYellow};
    s.couleur = kCouleurs[(std::max(numero, 1) - 1) % 8];
    s.nom = QStringLiteral("Série %1").arg(numero);
    return s;
}

const SerieGraphe *TGraphe::TrouverSerie(int numero) const
{
    const auto it = series_.find(numero);
    return it == series_.end() ? nullptr : &it->second;
}

double TGraphe::ValeurX(double colonne) const
{
    const QRect z = ZoneTrace();
    const AxeCalcule &a = axes_[0].affiche;
    return a.Min + (colonne - z.left()) / (z.right() - z.left()) * (a.Max - a.Min);
}

double TGraphe::ValeurY(double ligne, AxeId axe) const
{
    const QRect z = ZoneTrace();
    const AxeCalcule &a = Axe(axe).affiche;
    return a.Min + (z.bottom() - ligne) / (z.bottom() - z.top()) * (a.Max - a.Min);
}

double TGraphe::ColonneDeX(double x) const
{
    const QRect z = ZoneTrace();
    const AxeCalcule &a = axes_[0].affiche;
    return z.left() + (x - a.Min) / (a.Max - a.Min) * (z.right() - z.left());
}

double TGraphe::LigneDeY(double y, AxeId axe) const
{
    const QRect z = ZoneTrace();
    const AxeCalcule &a = Axe(axe).affiche;
    return z.bottom() - (y - a.Min) / (a.Max - a.Min) * (z.bottom() - z.top());
}

bool TGraphe::DansZoneTrace(QPoint pixel) const
{
    return pixel.x() >= LeftMargin && pixel.x() <= taille_.width() - RightMargin && pixel.y() >= TopMargin
           && pixel.y() <= taille_.height() - BottomMargin;
}

void TGraphe::ReprendreTrace()
{
    if (suspensions_ > 0)
        --suspensions_;
    if (suspensions_ == 0)
        Redessiner();
}

void TGraphe::Redessiner()
{
    if (suspensions_ > 0)
        return;
    messagesAxes_ = MettreAJourAxes();
    if (AuRedessin)
        AuRedessin();
}

void TGraphe::CopierDe(const TGraphe &autre, bool garderTaille)
{
    const QSize taille = taille_;
    auto auRedessin = std::move(AuRedessin);
    const int suspensions = suspensions_;
    *this = autre;
    if (garderTaille)
        taille_ = taille;
    AuRedessin = std::move(auRedessin);
    suspensions_ = suspensions;
}

Qt::PenStyle StyleDeGrille(int gridStyle)
{
    switch (gridStyle) {
    case 1: return Qt::DashLine;
    case 2: return Qt::DotLine;
    case 3: return Qt::DashDotLine;
    case 4: return Qt::DashDotDotLine;
    default: return Qt::SolidLine;
    }
}
