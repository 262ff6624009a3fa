#include "measure/courbes_profil.h"

#include "commun/nombres.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

QString Tr(const char *texte)
{
    return QCoreApplication::translate("CourbesProfil", texte);
}

} // namespace

TCourbesProfil::TCourbesProfil()
{
    Graphe.GraphTitle.clear();
    AppliquerFond(true);
}

bool TCourbesProfil::PrendreEchelle(const TEchelle &echelle)
{
    if (echelle.Definie && echelle.Mode == TEchelle::Longueur) {
        if (!(echelle.Facteur > 0) || !std::isfinite(echelle.Facteur))
            return false;
        Facteur = echelle.Facteur;
        Unite = echelle.Unite;
        return true;
    }
    Facteur = 1;
    Unite = QStringLiteral("pixels");
    return true;
}

ModeProfil TCourbesProfil::Mode() const
{
    if (!ModeAbsorption)
        return ModeProfil::Emission;
    return ModeLog ? ModeProfil::DensiteOptique : ModeProfil::Absorption;
}

double TCourbesProfil::Quantite(int canal, int i) const
{
    return QuantiteProfil(Mode(), canal, SommeCanal(SommesCourbe, canal, i), LargeurBande);
}

void TCourbesProfil::AppliquerFond(bool noir)
{
    FondNoir = noir;
    const QColor avant = noir ? Qt::white : Qt::black;
    const QColor fond = noir ? Qt::black : Qt::white;
    Graphe.AxesColor = avant;
    Graphe.BackgroundColor = fond;
    Graphe.MarginColor = fond;
    Graphe.Serie(4).couleur = avant;
    Graphe.Redessiner();
}

void TCourbesProfil::ReconstruireGraphe()
{
    SeriesAffichees = {};
    Graphe.SuspendreTrace();
    const int n = N();
    const int w = LargeurBande;
    Graphe.LeftMargin = MargeGaucheProfil;
    Graphe.TopMargin = MargeHautProfil;
    Graphe.BottomMargin = MargeBasProfil;
    const int largeur = n + Graphe.LeftMargin + Graphe.RightMargin;
    const int hauteur = MargeHautProfil + HauteurTraceProfil + MargeBasProfil;
    Graphe.DefinirTaille(QSize(largeur, hauteur));
    Graphe.GraphTitle = TitreGraphe;

    TEchelle e;
    e.Definie = 1;
    e.Mode = TEchelle::Cartesien;
    e.CadreX1 = MargeGaucheProfil;
    e.CadreY1 = MargeHautProfil;
    e.CadreX2 = largeur - Graphe.RightMargin;
    e.CadreY2 = hauteur - MargeBasProfil;
    e.OrigineX = MargeGaucheProfil;
    e.FacteurX = Facteur;
    e.UniteX = CouperTexteEchelle(Unite);
    e.NbAxesY = 1;
    e.OrigineY[0] = hauteur - MargeBasProfil;

    AxeGraphe &y = Graphe.Axe(AxeId::Y);
    double maxY = 100;
    if (Converti) {
        // A variable calibrated to fall upwards has its top value below its
        // bottom one, and a point given the reference's value gives one value
        // only; the graph draws an axis from its lower bound up, so both are
        // put in order and a single value gets a span around it. The
        // picture's scale follows the axis drawn.
        double bas = std::min(Conversion.ConvMin, Conversion.ConvMax);
        double haut = std::max(Conversion.ConvMin, Conversion.ConvMax);
        if (!(haut > bas)) {
            const double demi = std::max(1.0, std::abs(bas)) / 2;
            bas -= demi;
            haut += demi;
        }
        y.reglage.Min = bas;
        maxY = haut;
        y.titre = Conversion.ConvNom + QStringLiteral(" (") + Conversion.ConvUnite + QStringLiteral(")");
        e.FacteurY[0] = -(haut - bas) / HauteurTraceProfil;
        // The bottom row holds the axis minimum, which a conversion seldom
        // puts at 0: the origin is the row where the variable is 0, as for
        // the graph of the results table, so that the picture's scale reads
        // the values the axis shows.
        e.OrigineY[0] -= ArrondiBorne(bas / e.FacteurY[0], -1000000000, 1000000000);
        e.UniteY[0] = CouperTexteEchelle(Conversion.ConvUnite + QStringLiteral(" (") + Conversion.ConvNom
                                         + QStringLiteral(")"));
    } else if (Mode() == ModeProfil::DensiteOptique) {
        maxY = std::log10(255.0 * w);
        y.reglage.Min = 0;
        y.titre = QStringLiteral("D.O.");
        e.FacteurY[0] = -maxY / HauteurTraceProfil;
        e.UniteY[0] = QStringLiteral("(D.O.)");
    } else {
        y.reglage.Min = 0;
        e.FacteurY[0] = -100.0 / HauteurTraceProfil;
        y.titre = ModeAbsorption ? Tr("absorption") : Tr("intensité");
        e.UniteY[0] = ModeAbsorption ? Tr("% (absorption)") : Tr("% (intensité)");
    }
    y.reglage.Max = maxY;
    y.reglage.AutoEchelle = false;
    y.grille = true;
    EchelleGraphe = e;

    AxeGraphe &x = Graphe.Axe(AxeId::X);
    x.titre = Tr("position (%1)").arg(Unite);
    x.reglage.Min = 0;
    x.reglage.Max = n * Facteur;
    x.reglage.AutoEchelle = false;
    x.grille = true;

    Graphe.SupprimerSeries();
    Graphe.CrossAtZero = false;
    const QColor couleurs[4] = {QColor(255, 0, 0), QColor(0, 255, 0), QColor(0, 255, 255),
                                FondNoir ? QColor(Qt::white) : QColor(Qt::black)};
    const char *noms[4] = {"rouge", "vert", "bleu", "intensité"};
    for (int s = 1; s <= 4; ++s) {
        SerieGraphe &serie = Graphe.Serie(s);
        serie.couleur = couleurs[s - 1];
        serie.nom = Tr(noms[s - 1]);
        serie.ligne = true;
        serie.points = false;
        serie.styleLigne = Qt::SolidLine;
        serie.doublonsX = false;
        serie.visible = false;
        serie.etatLegende = EtatLegende::NonAffiche;
    }
    Graphe.ReprendreTrace();
}

void TCourbesProfil::TracerCourbes()
{
    Graphe.SuspendreTrace();
    const int canal = std::clamp(CanalProfil, 0, 3);
    SeriesAffichees[std::size_t(canal)] = true;
    SerieGraphe &serie = Graphe.Serie(canal + 1);
    const ModeProfil mode = Mode();
    for (int i = 0; i <= N(); ++i) {
        const std::uint32_t somme = SommeCanal(SommesCourbe, canal, i);
        double y = 0;
        if (Converti) {
            const double brut = ModeAbsorption && Conversion.ConvLog
                                    ? QuantiteProfil(ModeProfil::DensiteOptique, canal, somme, LargeurBande)
                                    : double(somme);
            y = Conversion.ConvA * brut + Conversion.ConvB;
        } else {
            y = ValeurAvecZero(QuantiteProfil(mode, canal, somme, LargeurBande), Zeros[std::size_t(canal)]);
        }
        serie.AjouterPoint(i * Facteur, y);
    }
    serie.visible = true;
    Graphe.ReprendreTrace();
}

void TCourbesProfil::Redessiner()
{
    ReconstruireGraphe();
    TracerCourbes();
}

bool TCourbesProfil::DefinirMaximum(double valeur)
{
    AxeGraphe &y = Graphe.Axe(AxeId::Y);
    if (!(valeur > y.reglage.Min))
        return false;
    y.reglage.Max = valeur;
    EchelleGraphe.FacteurY[0] = -(valeur - y.reglage.Min) / HauteurTraceProfil;
    // The bottom row keeps the axis minimum (0 unless a conversion is in force).
    EchelleGraphe.OrigineY[0] = LigneBasProfil
                                - ArrondiBorne(y.reglage.Min / EchelleGraphe.FacteurY[0], -1000000000, 1000000000);
    Graphe.Redessiner();
    return true;
}

void TCourbesProfil::FixerZero(int ligne)
{
    Zeros[std::size_t(std::clamp(CanalProfil, 0, 3))] = Graphe.ValeurY(ligne);
    Redessiner();
}

bool TCourbesProfil::Convertir(int P, double V, int R, double Z, const QString &nom, const QString &unite)
{
    auto c = CalculerConversion(P, V, R, Z, Mode(), ModeLog, CanalProfil, LargeurBande);
    if (!c)
        return false;
    c->ConvNom = nom;
    c->ConvUnite = unite;
    Conversion = *c;
    Converti = true;
    Redessiner();
    return true;
}

void TCourbesProfil::AnnulerConversion()
{
    Converti = false;
    Redessiner();
}

std::vector<int> TCourbesProfil::SeriesDeGrille() const
{
    std::vector<int> s;
    if (Converti) {
        s.push_back(std::clamp(CanalProfil, 0, 3) + 1);
        return s;
    }
    for (int c = 0; c < 4; ++c)
        if (SeriesAffichees[std::size_t(c)])
            s.push_back(c + 1);
    return s;
}

void TCourbesProfil::PoserEnTetes()
{
    const std::vector<int> series = SeriesDeGrille();
    const int colonnes = 1 + int(series.size());
    for (QStringList &ligne : Grille) {
        while (ligne.size() < colonnes)
            ligne << QString();
        while (ligne.size() > colonnes)
            ligne.removeLast();
    }
    while (Grille.size() < 2)
        Grille.push_back(QStringList(colonnes, QString()));
    Grille[0][0] = Tr("position");
    Grille[1][0] = Unite;
    static const char *const emission[4] = {"émiss. (R)", "émiss. (V)", "émiss. (B)", "émission"};
    static const char *const absorption[4] = {"absorp. (R)", "absorp. (V)", "absorp. (B)", "absorption"};
    static const char *const densite[4] = {"D.O. (R)", "D.O. (V)", "D.O. (B)", "D.O."};
    for (int k = 0; k < int(series.size()); ++k) {
        const int c = series[std::size_t(k)] - 1;
        if (Converti) {
            Grille[0][k + 1] = Conversion.ConvNom;
            Grille[1][k + 1] = Conversion.ConvUnite;
        } else if (Mode() == ModeProfil::DensiteOptique) {
            Grille[0][k + 1] = QString::fromUtf8(densite[c]);
            Grille[1][k + 1].clear();
        } else {
            Grille[0][k + 1] = Tr(Mode() == ModeProfil::Emission ? emission[c] : absorption[c]);
            Grille[1][k + 1] = QStringLiteral("%");
        }
    }
}

void TCourbesProfil::GrilleComplete()
{
    ValeursChoisies = false;
    echantillonsChoisis_.clear();
    const std::vector<int> series = SeriesDeGrille();
    const int n = N();
    Grille.assign(std::size_t(n) + 3, QStringList(int(series.size()) + 1, QString()));
    PoserEnTetes();
    for (int i = 0; i <= n; ++i) {
        QStringList &ligne = Grille[std::size_t(i) + 2];
        ligne[0] = FormatGeneral(i * Facteur, 3);
        for (int k = 0; k < int(series.size()); ++k) {
            const SerieGraphe *s = Graphe.TrouverSerie(series[std::size_t(k)]);
            ligne[k + 1] = FormatGeneral(s ? s->YDuPoint(i) : 0.0, 3);
        }
    }
}

void TCourbesProfil::CommencerValeursChoisies()
{
    ValeursChoisies = true;
    echantillonsChoisis_.clear();
    Grille.assign(3, QStringList(int(SeriesDeGrille().size()) + 1, QString()));
    PoserEnTetes();
}

bool TCourbesProfil::AjouterValeurChoisie(QPoint pixel)
{
    if (!ValeursChoisies)
        return false;
    const QRect cadre(QPoint(EchelleGraphe.CadreX1, EchelleGraphe.CadreY1),
                      QPoint(EchelleGraphe.CadreX2, EchelleGraphe.CadreY2));
    if (!cadre.contains(pixel))
        return false;
    const double p = Graphe.ValeurX(pixel.x());
    const int i = pixel.x() - MargeGaucheProfil;
    int r = int(Grille.size()) - 1;
    // The rows' own samples order them where the position texts, at 3
    // digits, cannot (1231 and 1234 both read "1,23E3").
    const bool echantillonsConnus = echantillonsChoisis_.size() + 3 == Grille.size();
    while (r > 2 && echantillonsConnus) {
        if (echantillonsChoisis_[std::size_t(r) - 3] <= i)
            break;
        --r;
    }
    while (r > 2 && !echantillonsConnus) {
        bool ok = false;
        const double v = TexteEnReel(Grille[std::size_t(r) - 1][0], &ok);
        if (!ok) {
            r = 2;
            break;
        }
        if (v <= p)
            break;
        --r;
    }
    const std::vector<int> series = SeriesDeGrille();
    QStringList ligne(int(series.size()) + 1, QString());
    ligne[0] = FormatGeneral(p, 3);
    for (int k = 0; k < int(series.size()); ++k) {
        const SerieGraphe *s = Graphe.TrouverSerie(series[std::size_t(k)]);
        ligne[k + 1] = FormatGeneral(s ? s->YDuPoint(i) : 0.0, 3);
    }
    Grille.insert(Grille.begin() + r, ligne);
    echantillonsChoisis_.insert(echantillonsChoisis_.begin()
                                    + std::min<std::ptrdiff_t>(r - 2, std::ptrdiff_t(echantillonsChoisis_.size())),
                                i);
    return true;
}

void TCourbesProfil::RafraichirGrille()
{
    if (Grille.size() < 3)
        return;
    if (!Grille.back().value(0).isEmpty()) {
        GrilleComplete();
        return;
    }
    PoserEnTetes();
    const std::vector<int> series = SeriesDeGrille();
    const bool echantillonsConnus = echantillonsChoisis_.size() + 3 == Grille.size();
    for (std::size_t r = 2; r + 1 < Grille.size(); ++r) {
        int i = 0;
        if (echantillonsConnus) {
            i = echantillonsChoisis_[r - 2];
        } else {
            bool ok = false;
            const double x = TexteEnReel(Grille[r][0], &ok);
            i = ok ? int(std::nearbyint(x / Facteur)) : 0;
        }
        for (int k = 0; k < int(series.size()); ++k)
            Grille[r][k + 1] = FormatGeneral(Quantite(series[std::size_t(k)] - 1, i), 3);
    }
}

double TCourbesProfil::Surface(int a, int b) const
{
    const SerieGraphe *s = Graphe.TrouverSerie(std::clamp(CanalProfil, 0, 3) + 1);
    if (!s)
        return 0;
    std::vector<double> valeurs(std::size_t(N()) + 1);
    for (int i = 0; i <= N(); ++i)
        valeurs[std::size_t(i)] = s->YEnX(i * Facteur);
    return SurfaceEntreLimites(valeurs, a, b);
}

QString TCourbesProfil::TexteSurface(int a, int b) const
{
    static const char *const etiquettes[4] = {"(rouge): ", "(vert): ", "(bleu): ", "(intensité): "};
    return Tr("surface dans le canal ") + Tr(etiquettes[std::clamp(CanalProfil, 0, 3)])
           + FormatGeneral(Surface(a, b), 5);
}

QString TCourbesProfil::TextePosition(QPoint pixel) const
{
    if (!Graphe.DansZoneTrace(pixel))
        return {};
    return Tr("Position (mm) : ") + FormatGeneral(Graphe.ValeurX(pixel.x()), 3) + QStringLiteral("  ")
           + Graphe.Axe(AxeId::Y).titre + QStringLiteral(" : ") + FormatGeneral(Graphe.ValeurY(pixel.y()), 3);
}
