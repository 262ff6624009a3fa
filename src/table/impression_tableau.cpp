#include "table/impression_tableau.h"

#include "commun/erreur.h"
#include "commun/nombres.h"

#include <QCoreApplication>

#include <QFont>
#include <QFontMetrics>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>

#include <algorithm>

int LargeurImprimee(const std::vector<int> &largeurs, int facteur)
{
    if (largeurs.empty())
        return 0;
    double somme = 0;
    for (std::size_t c = 0; c + 1 < largeurs.size(); ++c)
        somme += largeurs[c] + 1;
    somme += largeurs.back();
    return static_cast<int>(Arrondi(facteur * somme));
}

MiseEnPageTableau CalculerMiseEnPageTableau(const GrilleImpression &g, int largeurPage, int hauteurPage,
                                            int hauteurTitre)
{
    MiseEnPageTableau m;
    double cumul = 0;
    for (int largeur : g.largeurs) {
        m.XColonnes.push_back(static_cast<int>(Arrondi(g.facteur * cumul)));
        cumul += largeur + 1;
    }
    m.W = LargeurImprimee(g.largeurs, g.facteur);
    m.L = std::max(0, (largeurPage - m.W) / 2);
    m.H = std::max<int>(1, static_cast<int>(Arrondi(g.facteur * (g.hauteurLigne + 1.0))));
    m.N = std::max(1, (hauteurPage - (hauteurTitre + m.H + 180)) / m.H);
    const int lignes = std::max(0, g.derniere - g.premiere + 1);
    m.P = std::max(1, (lignes + m.N - 1) / m.N);
    return m;
}

std::vector<std::pair<int, int>> PagesTableau(int premiere, int derniere, int parPage)
{
    std::vector<std::pair<int, int>> pages;
    parPage = std::max(parPage, 1);
    for (int debut = premiere; debut <= derniere; debut += parPage)
        pages.emplace_back(debut, std::min(derniere, debut + parPage - 1));
    if (pages.empty())
        pages.emplace_back(premiere, premiere - 1);
    return pages;
}

QString TitrePageTableau(const QString &titre, int page, int pages)
{
    if (pages <= 1)
        return titre;
    return titre + QStringLiteral(" (p %1 / %2)").arg(page).arg(pages);
}

namespace {

void DessinerPage(QPainter &p, const GrilleImpression &g, const MiseEnPageTableau &m, const QFont &police,
                  const QString &titre, int debut, int fin)
{
    QFont policeTitre = police;
    policeTitre.setPointSize(static_cast<int>(Arrondi(1.5 * police.pointSize())));
    p.setFont(policeTitre);
    const QFontMetrics mt(policeTitre, p.device());
    const int largeurTitre = mt.horizontalAdvance(titre);
    int y = 100;
    p.drawText(QPoint(m.L + (m.W - largeurTitre) / 2, y + mt.ascent()), titre);
    y += mt.height() + 10;

    p.setFont(police);
    const QFontMetrics mp(police, p.device());
    const int d = g.ecartTrait;
    auto ligneTexte = [&](const QStringList &cellules, int yLigne) {
        p.drawLine(m.L, yLigne - d, m.L + m.W, yLigne - d);
        for (int c = 0; c < static_cast<int>(m.XColonnes.size()) && c < cellules.size(); ++c)
            p.drawText(QPoint(m.L + m.XColonnes[static_cast<std::size_t>(c)], yLigne + mp.ascent()), cellules[c]);
    };
    if (!g.lignes.empty())
        ligneTexte(g.lignes.front(), y + m.H);
    for (int r = debut; r <= fin; ++r)
        if (r >= 0 && r < static_cast<int>(g.lignes.size()))
            ligneTexte(g.lignes[static_cast<std::size_t>(r)], y + (r - debut + 2) * m.H);
    const int basTableau = y + (fin - debut + 1 + 2) * m.H;
    p.drawLine(m.L, basTableau - d, m.L + m.W, basTableau - d);
    for (std::size_t c = 1; c < m.XColonnes.size(); ++c) {
        const int x = m.L + m.XColonnes[c] - d;
        p.drawLine(x, y + m.H - d, x, basTableau - d);
    }
}

} // namespace

bool ImprimerGrille(QPagedPaintDevice &appareil, const GrilleImpression &g,
                    const std::function<bool()> &confirmerTropLarge)
{
    appareil.setPageOrientation(QPageLayout::Portrait);
    const int W = LargeurImprimee(g.largeurs, g.facteur);
    if (W > appareil.width()) {
        appareil.setPageOrientation(QPageLayout::Landscape);
        if (W > appareil.width() && !(confirmerTropLarge && confirmerTropLarge())) {
            appareil.setPageOrientation(QPageLayout::Portrait);
            return false;
        }
    }
    QFont police;
    police.setPointSize(std::max(1, g.taillePolice));
    QPainter p;
    if (!p.begin(&appareil)) {
        appareil.setPageOrientation(QPageLayout::Portrait);
        throw ErreurFichier(QCoreApplication::translate("ImpressionTableau", "L'impression du tableau a échoué."));
    }
    const QFontMetrics mesure(police, &appareil);
    const MiseEnPageTableau m
        = CalculerMiseEnPageTableau(g, appareil.width(), appareil.height(), mesure.boundingRect(g.titre + QLatin1Char('p')).height());
    const auto pages = PagesTableau(g.premiere, g.derniere, m.N);
    for (std::size_t i = 0; i < pages.size(); ++i) {
        if (i > 0)
            appareil.newPage();
        DessinerPage(p, g, m, police, TitrePageTableau(g.titre, static_cast<int>(i) + 1, static_cast<int>(pages.size())),
                     pages[i].first, pages[i].second);
    }
    const bool fini = p.end();
    appareil.setPageOrientation(QPageLayout::Portrait);
    if (!fini)
        throw ErreurFichier(QCoreApplication::translate("ImpressionTableau", "L'impression du tableau a échoué."));
    return true;
}
