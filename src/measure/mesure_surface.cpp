#include "measure/mesure_surface.h"

#include "commun/nombres.h"
#include "document/dessins_document.h"
#include "document/image_document.h"

#include <QCoreApplication>

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("MesurerSurface", texte);
}

} // namespace

QString TexteResultatSurface(std::int64_t pixels, std::int64_t total)
{
    const double pourcent = total > 0 ? 100.0 * static_cast<double>(pixels) / static_cast<double>(total) : 0.0;
    return QString::number(pixels) + tr(" pixels sur ") + QString::number(total) + tr(" soit ")
           + FormatGeneral(pourcent, 3) + tr(" %");
}

ResultatSurface MesurerSurface(const QImage &imageSource, const PlansCanaux *canaux,
                               const TTableaudeTableaudeCondicoul &groupes, QRgb couleur, double facteur,
                               const QString &unite, QImage &provisoire)
{
    const QImage image = imageSource.format() == QImage::Format_ARGB32
                             ? imageSource
                             : imageSource.convertToFormat(QImage::Format_ARGB32);
    if (provisoire.size() != image.size() || provisoire.format() != QImage::Format_ARGB32)
        provisoire = QImage(image.size(), QImage::Format_ARGB32);
    provisoire.fill(0x00FFFFFFu);
    const TesteurConditions testeur(groupes, canaux);
    ResultatSurface r;
    for (int y = 0; y < image.height(); ++y) {
        const auto *source = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        auto *couche = reinterpret_cast<QRgb *>(provisoire.scanLine(y));
        for (int x = 0; x < image.width(); ++x)
            if (testeur.Tester(source[x], x, y)) {
                couche[x] = couleur;
                ++r.pixels;
            }
    }
    r.total = static_cast<std::int64_t>(image.width()) * image.height();
    r.resultat = TexteResultatSurface(r.pixels, r.total);
    r.surface = facteur * (static_cast<double>(r.pixels) * facteur);
    if (!unite.isEmpty() && unite != QLatin1String("pixels"))
        r.resusurf = tr("surface : ") + FormatGeneral(r.surface, 4) + QLatin1Char(' ') + unite
                     + QStringLiteral("<sup>2</sup>");
    return r;
}

ResultatSurface MesurerSurface(ImageDocument &document, const TTableaudeTableaudeCondicoul &groupes, QRgb couleur)
{
    document.CreerCoucheProvisoire(document.alphaProvisoire);
    const PlansCanaux plans = PlansDuDocument(document);
    // The coloured surface is a measurement: the next press discards it
    // instead of merging it into the drawing.
    document.etatDessin.LigneMesure = true;
    return MesurerSurface(document.image, &plans, groupes, couleur, document.echelle.Facteur, document.echelle.Unite,
                          document.coucheProvisoire);
}

void EffacerMesure(ImageDocument &document)
{
    if (document.coucheProvisoire.isNull())
        document.CreerCoucheProvisoire(document.alphaProvisoire);
    document.coucheProvisoire.fill(0x00FFFFFFu);
}
