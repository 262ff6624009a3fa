#include "app/impression.h"

#include "commun/ecriture_sortie.h"
#include "commun/erreur.h"
#include "commun/nombres.h"

#include <QCoreApplication>
#include <QPageLayout>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>

QImage ImageEnGris(const QImage &image)
{
    QImage gris = image.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < gris.height(); ++y) {
        auto *ligne = reinterpret_cast<QRgb *>(gris.scanLine(y));
        for (int x = 0; x < gris.width(); ++x) {
            const QRgb p = ligne[x];
            const int g = (61 * qRed(p) + 174 * qGreen(p) + 21 * qBlue(p)) / 256;
            ligne[x] = qRgba(g, g, g, qAlpha(p));
        }
    }
    return gris;
}

std::vector<QRect> CellulesImpression(const TMiseEnPage &m, double s)
{
    const int h = static_cast<int>(Arrondi(m.ImageHauteur * s));
    const int l = static_cast<int>(Arrondi(m.ImageLargeur * s));
    const int pasVertical = static_cast<int>(Arrondi(s * (m.ImageHauteur + m.Espace)));
    const int pasHorizontal = static_cast<int>(Arrondi((m.Espace + m.ImageLargeur) * s));
    const int haut = static_cast<int>(Arrondi(m.MargeHaut * s));
    const int gauche = static_cast<int>(Arrondi(m.MargeGauche * s));
    std::vector<QRect> cellules;
    for (int u = 0; u < m.NbLignes; ++u)
        for (int v = 0; v < m.NbColonnes; ++v)
            cellules.emplace_back(gauche + v * pasHorizontal, haut + u * pasVertical, l, h);
    return cellules;
}

void PreparerAppareil(QPagedPaintDevice &appareil, const TMiseEnPage &m)
{
    const bool a3 = m.FormatLargeur == 297 && m.FormatHauteur == 420;
    appareil.setPageLayout(QPageLayout(QPageSize(a3 ? QPageSize::A3 : QPageSize::A4),
                                       m.Paysage ? QPageLayout::Landscape : QPageLayout::Portrait,
                                       QMarginsF(0, 0, 0, 0), QPageLayout::Millimeter));
}

bool DessinerFeuilles(QPagedPaintDevice &appareil, const TMiseEnPage &m, const QImage &image, int feuilles)
{
    QPainter peintre;
    if (!peintre.begin(&appareil))
        return false;
    // Pixels per millimetre, from the width of the sheet as the device sees it.
    const double s = static_cast<double>(appareil.width()) / m.PageLargeur;
    const std::vector<QRect> cellules = CellulesImpression(m, s);
    for (int feuille = 0; feuille < feuilles; ++feuille) {
        if (feuille > 0)
            appareil.newPage();
        if (m.ImageLargeur <= 0 || m.ImageHauteur <= 0)
            continue;
        for (const QRect &cellule : cellules)
            peintre.drawImage(cellule, image);
    }
    return peintre.end();
}

void ImprimerEnPdf(QIODevice &sortie, const TMiseEnPage &m, const QImage &image)
{
    QPdfWriter pdf(&sortie);
    pdf.setResolution(600);
    pdf.setCreator(QStringLiteral("Kaptori"));
    PreparerAppareil(pdf, m);
    if (!DessinerFeuilles(pdf, m, m.Gris ? ImageEnGris(image) : image, qMax(1, m.Copies)))
        throw ErreurFichier(QCoreApplication::translate("Impression", "Impossible d'écrire le document PDF."));
}

void ImprimerEnPdf(const QString &chemin, const TMiseEnPage &m, const QImage &image)
{
    // "-" is the standard output, a device or FIFO is written in place; a
    // file goes through a temporary file renamed over the target, so that a
    // failure leaves a previous file of that name intact.
    EcrireSortie(chemin, [&](QIODevice &sortie) { ImprimerEnPdf(sortie, m, image); });
}
