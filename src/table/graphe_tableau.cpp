#include "table/graphe_tableau.h"

#include "calibration/echelle_annexe.h"
#include "commun/ecriture_sure.h"
#include "commun/fichier_texte.h"
#include "commun/nombres.h"
#include "document/formats/ecriture_bmp.h"
#include "document/formats/ecriture_gif.h"
#include "plot/graphe.h"
#include "table/tableau_resultats.h"

#include <QFileInfo>
#include <QImage>
#include <QIODevice>

#include <cmath>
#include <limits>
#include <optional>
#include <vector>

namespace {

void AxesAutomatiques(TGraphe &graphe)
{
    for (AxeId id : {AxeId::X, AxeId::Y, AxeId::Y2})
        graphe.DefinirAutomatique(id, true, true);
    graphe.Axe(AxeId::Y2).visible = false;
}

// Round to a pixel, within 32 bits; nothing for a value beyond.
std::optional<std::int32_t> PixelArrondi(double v)
{
    if (!std::isfinite(v) || std::fabs(v) > std::numeric_limits<std::int32_t>::max())
        return std::nullopt;
    return static_cast<std::int32_t>(Arrondi(v));
}

} // namespace

void PreparerGrapheTableau(TGraphe &graphe)
{
    graphe.BackgroundColor = Qt::white;
    graphe.MarginColor = Qt::white;
    graphe.GraphTitle = QStringLiteral("Titre");
    graphe.Axe(AxeId::X).grille = true;
    graphe.Axe(AxeId::Y).grille = true;
    graphe.Axe(AxeId::Y2).grille = false;
    graphe.BottomMargin = 70;
    graphe.Legende.visible = true;
    graphe.Legende.left = 10;
    graphe.Legende.top = -28;
    AxesAutomatiques(graphe);
}

void GrapheAvantReglage(TGraphe &graphe)
{
    AxesAutomatiques(graphe);
    graphe.RightMargin = 15;
    graphe.CrossAtZero = false;
}

void EffacerGrapheTableau(TGraphe &graphe)
{
    AxesAutomatiques(graphe);
    graphe.SupprimerSeries();
}

QString TitreAxe(const QString &nom, const QString &unite)
{
    if (unite.isEmpty())
        return nom;
    return nom + QStringLiteral(" (") + unite + QLatin1Char(')');
}

void AppliquerAxesTableau(TableauResultats &t, TGraphe &graphe)
{
    if (!t.ModeSeries && t.NbY == 2) {
        graphe.Axe(AxeId::Y2).visible = true;
        graphe.Serie(1).surY2 = false;
        graphe.Serie(2).surY2 = true;
        graphe.RightMargin = 40;
    } else if (!t.ModeSeries || t.XNumerique) {
        graphe.Axe(AxeId::Y2).visible = false;
        graphe.Serie(1).surY2 = false;
        graphe.Serie(2).surY2 = false;
        graphe.RightMargin = 15;
    }
    graphe.Axe(AxeId::X).titre = TitreAxe(t.NomAbscisse, t.UniteAbscisse);
    graphe.Axe(AxeId::Y).titre = TitreAxe(t.NomOrdonnee[1], t.UniteOrdonnee[1]);
    if (!t.ModeSeries && t.NbY == 2)
        graphe.Axe(AxeId::Y2).titre = TitreAxe(t.NomOrdonnee[2], t.UniteOrdonnee[2]);
}

void AppliquerReglage(TableauResultats &t, TGraphe &graphe, const ChoixTableau &choix)
{
    t.DemanderReglage = false;
    t.Titre = choix.titre;
    graphe.GraphTitle = choix.titre;
    const bool seriesGardees = t.ModeSeries && choix.series;
    t.NbY = choix.series ? 1 : std::clamp(choix.nbY, 1, 2);
    t.LargeurColonne = std::clamp(choix.largeurColonne, 40, 300);

    // The computed columns go with the new column count: their states too.
    if (t.Totaux())
        t.BasculerTotaux();
    if (t.Moyennes())
        t.BasculerMoyennes();
    // The header rows follow the new layout; data rows stay data rows.
    t.ChangerDisposition(choix.series, choix.xNumerique);
    // A table that stays in series mode keeps its series (the setup is
    // reopened to correct a name or a unit); otherwise one column per Y.
    if (seriesGardees) {
        t.NbSeries = std::clamp(t.NbSeries, 1, std::max(1, t.NbColonnes() - 1));
        t.DefinirTaille(t.NbSeries + 1, t.NbLignes());
    } else {
        t.DefinirTaille(t.NbY + 1, t.NbLignes());
        if (t.ModeSeries)
            t.NbSeries = 1;
    }

    const bool parClasses = t.ModeSeries && !t.XNumerique;
    t.NomAbscisse = choix.noms[0];
    if (!parClasses)
        t.UniteAbscisse = choix.unites[0];

    if (t.ModeSeries) {
        t.DefinirTaille(t.NbColonnes(), std::max(t.NbLignes(), 4));
        t.SeriesParParametre = choix.parParametre;
        if (t.SeriesParParametre) {
            t.NomParametre = choix.nomParametre;
            t.UniteParametre = choix.uniteParametre;
        }
        t.DefinirCellule(0, t.LigneSeries(), t.LibelleSeries());
    }

    t.DefinirCellule(0, 0, t.NomAbscisse);
    if (!parClasses)
        t.DefinirCellule(0, 1, t.UniteAbscisse);
    for (int i = 1; i <= t.NbY; ++i) {
        t.NomOrdonnee[i] = choix.noms[i];
        t.UniteOrdonnee[i] = choix.unites[i];
        t.DefinirCellule(i, 0, t.NomOrdonnee[i]);
        // By classes row 1 holds the series names.
        if (!parClasses)
            t.DefinirCellule(i, 1, t.UniteOrdonnee[i]);
    }
    AppliquerAxesTableau(t, graphe);
}

void RafraichirGraphe(TableauResultats &t, TGraphe &graphe)
{
    graphe.SuspendreTrace();
    const int nbSeries = t.ModeSeries ? t.NbSeries : t.NbY;
    int derniere = t.NbLignes() - 1;
    if (t.ModeSeries && t.Moyennes())
        --derniere;
    const int ligneSeries = t.LigneSeries();
    // Column 0 is read once for all series, as far as the longest needs.
    std::vector<std::optional<double>> xs;
    auto x = [&](int r) {
        const auto i = static_cast<std::size_t>(r - t.PremiereLigneDonnees());
        while (xs.size() <= i)
            xs.push_back(t.NombreCellule(0, t.PremiereLigneDonnees() + static_cast<int>(xs.size())));
        return xs[i];
    };
    for (int k = 1; k <= nbSeries; ++k) {
        SerieGraphe &s = graphe.Serie(k);
        s.doublonsX = true;
        s.visible = true;
        s.EffacerPoints();
        s.zeroAuto = false;
        s.ligne = true;
        s.points = true;
        s.taillePoint = 6;
        if (s.etatLegende == EtatLegende::NonAffiche)
            s.etatLegende = EtatLegende::PointEtLigne;
        // The legend names a series after its header.
        QString nom = t.ModeSeries ? t.Cellule(k, ligneSeries) : t.NomOrdonnee[std::min(k, 2)];
        if (t.ModeSeries && t.SeriesParParametre && !nom.isEmpty() && !t.UniteParametre.isEmpty())
            nom += QLatin1Char(' ') + t.UniteParametre;
        s.nom = nom.isEmpty() ? QStringLiteral("Série %1").arg(k) : nom;
        if (k >= t.NbColonnes())
            continue;
        for (int r = t.PremiereLigneDonnees(); r <= derniere; ++r) {
            const std::optional<double> vx = x(r);
            if (!vx)
                break;
            const std::optional<double> y = t.NombreCellule(k, r);
            if (!y)
                break;
            s.AjouterPoint(*vx, *y);
        }
    }
    // Series beyond the table's columns (a Y variable or a series column
    // taken away) keep no points and are not shown.
    for (const auto &[numero, serie] : graphe.Series())
        if (numero > nbSeries && (serie.visible || serie.NombrePoints() > 0)) {
            SerieGraphe &s = graphe.Serie(numero);
            s.EffacerPoints();
            s.visible = false;
        }
    graphe.DefinirAutomatique(AxeId::X, graphe.Axe(AxeId::X).reglage.AutoEchelle, true);
    graphe.DefinirAutomatique(AxeId::Y, graphe.Axe(AxeId::Y).reglage.AutoEchelle, true);
    graphe.DefinirAutomatique(AxeId::Y2, true, true);
    graphe.ReprendreTrace();
}

TEchelle EchelleDuGraphe(const TGraphe &graphe, const TableauResultats &t)
{
    TEchelle e = EchelleParDefaut();
    e.Definie = 0;
    e.Mode = TEchelle::Cartesien;
    const QSize taille = graphe.Taille();
    e.CadreX1 = graphe.LeftMargin;
    e.CadreY1 = graphe.TopMargin;
    e.CadreX2 = taille.width() - graphe.RightMargin;
    e.CadreY2 = taille.height() - graphe.BottomMargin;
    if (e.CadreX2 == e.CadreX1 || e.CadreY2 == e.CadreY1)
        return e;

    const AxeCalcule &x = graphe.Axe(AxeId::X).affiche;
    e.FacteurX = (x.Max - x.Min) / (e.CadreX2 - e.CadreX1);
    if (!std::isfinite(e.FacteurX) || e.FacteurX == 0)
        return e;
    const auto origineX = PixelArrondi(x.Min / e.FacteurX);
    if (!origineX)
        return e;
    const auto ox = PixelArrondi(static_cast<double>(e.CadreX1) - *origineX);
    if (!ox)
        return e;
    e.OrigineX = *ox;
    e.UniteX = CouperTexteEchelle(t.UniteAbscisse + QStringLiteral(" (") + t.NomAbscisse + QLatin1Char(')'));

    const int nbAxes = t.ModeSeries ? 1 : std::clamp(t.NbY, 1, 2);
    e.NbAxesY = static_cast<std::uint8_t>(nbAxes);
    for (int i = 0; i < nbAxes; ++i) {
        const AxeCalcule &y = graphe.Axe(i == 0 ? AxeId::Y : AxeId::Y2).affiche;
        const double facteur = (y.Max - y.Min) / (e.CadreY1 - e.CadreY2);
        if (!std::isfinite(facteur) || facteur == 0)
            return e;
        const auto origine = PixelArrondi(y.Min / facteur);
        if (!origine)
            return e;
        const auto oy = PixelArrondi(static_cast<double>(e.CadreY2) - *origine);
        if (!oy)
            return e;
        e.FacteurY[static_cast<std::size_t>(i)] = facteur;
        e.OrigineY[static_cast<std::size_t>(i)] = *oy;
        e.UniteY[static_cast<std::size_t>(i)] = CouperTexteEchelle(t.UniteOrdonnee[i + 1] + QStringLiteral(" (")
                                                                   + t.NomOrdonnee[i + 1] + QLatin1Char(')'));
    }
    e.Definie = 1;
    return e;
}

void EnregistrerGraphe(const QString &chemin, const QImage &image, const TEchelle &echelle)
{
    const bool gif = QFileInfo(chemin).suffix().toUpper() == QLatin1String("GIF");
    if (gif) {
        const QByteArray commentaire = echelle.Definie == 1 ? EncoderWindows1252(EchelleEnTexte(echelle)) : QByteArray();
        EcrireFichierSurFlux(chemin, [&](QIODevice &sortie) { EcrireGif(image, sortie, commentaire); });
        return;
    }
    EcrireFichierSurFlux(chemin, [&](QIODevice &sortie) { EcrireBmp(image, 24, sortie); });
    if (echelle.Definie == 1)
        EcrireEchelleAnnexe(chemin, echelle);
}

void EnregistrerTexteTableau(const QString &chemin, const TableauResultats &tableau)
{
    QByteArray octets;
    for (const QString &ligne : tableau.LignesTexte()) {
        octets += EncoderWindows1252(ligne);
        octets += "\r\n";
    }
    EcrireFichierSurFlux(chemin, [&](QIODevice &sortie) { EcrireOctets(sortie, octets.constData(), octets.size()); });
}
