#include "processing/redimensionnement.h"

#include "commun/erreur.h"
#include "commun/nombres.h"
#include "document/dessins_document.h"
#include "document/formats/lecteur_image.h"
#include "processing/image_resultat.h"

#include <QCoreApplication>
#include <QRgb>

#include <cmath>
#include <vector>

namespace {

int Cote(int cote, double f)
{
    const double v = std::nearbyint(cote * f);
    return v < 1 ? 1 : (v > 1e9 ? 1000000000 : static_cast<int>(v));
}

std::vector<int> IndicesSource(int source, int destination)
{
    // The centre of new pixel i lies at (i + 0.5) × source / destination.
    std::vector<int> indices(static_cast<std::size_t>(destination));
    for (int i = 0; i < destination; ++i)
        indices[static_cast<std::size_t>(i)] = static_cast<int>(
            std::min<std::int64_t>(source - 1, (std::int64_t{2} * i + 1) * source / (std::int64_t{2} * destination)));
    return indices;
}

TPolygone TraceRedimensionnee(const TPolygone &trace, double f)
{
    TPolygone copie = trace;
    for (auto &liste : copie.listes)
        for (TPointFixe &p : liste)
            p = {static_cast<std::int32_t>(std::clamp(std::nearbyint(p.x * f), -2147483648.0, 2147483647.0)),
                 static_cast<std::int32_t>(std::clamp(std::nearbyint(p.y * f), -2147483648.0, 2147483647.0))};
    return copie;
}

} // namespace

QSize TailleRedimensionnee(QSize taille, double p)
{
    if (!(p >= kPourcentageMin && p <= kPourcentageMax))
        throw ErreurKaptori(QCoreApplication::translate("Traitements", "Le pourcentage doit être compris entre 10 et 500."));
    const double f = p / 100.0;
    const QSize resultat(Cote(taille.width(), f), Cote(taille.height(), f));
    if (resultat.width() > kCoteMaxImage || resultat.height() > kCoteMaxImage ||
        static_cast<qint64>(resultat.width()) * resultat.height() > kPixelsMaxImage)
        throw ErreurKaptori(QCoreApplication::translate("Traitements", "L'image obtenue (%1 × %2 pixels) dépasserait la limite "
                                                                       "de %3 pixels de côté et de 400 millions de pixels.")
                                .arg(resultat.width())
                                .arg(resultat.height())
                                .arg(kCoteMaxImage));
    return resultat;
}

QImage Redimensionner(const QImage &image, QSize taille)
{
    const QImage source = image.convertToFormat(QImage::Format_ARGB32);
    if (source.isNull() || taille.isEmpty())
        return {};
    QImage resultat = ImageResultat(taille);
    const std::vector<int> colonnes = IndicesSource(source.width(), taille.width());
    const std::vector<int> rangees = IndicesSource(source.height(), taille.height());
    const int w = taille.width();
    for (int y = 0; y < taille.height(); ++y) {
        auto *d = reinterpret_cast<QRgb *>(resultat.scanLine(y));
        // A row already made from the same source row is copied.
        if (y > 0 && rangees[static_cast<std::size_t>(y)] == rangees[static_cast<std::size_t>(y) - 1]) {
            std::memcpy(d, resultat.constScanLine(y - 1), sizeof(QRgb) * static_cast<std::size_t>(w));
            continue;
        }
        const auto *s = reinterpret_cast<const QRgb *>(source.constScanLine(rangees[static_cast<std::size_t>(y)]));
        for (int x = 0; x < w; ++x)
            d[x] = s[colonnes[static_cast<std::size_t>(x)]];
    }
    return resultat;
}

TEchelle EchelleRedimensionnee(const TEchelle &echelle, double p)
{
    if (!(echelle.Definie && echelle.Mode == TEchelle::Longueur))
        return EchelleParDefaut();
    TEchelle e = echelle;
    if (e.Unite != QLatin1String("pixels"))
        e.Facteur = e.Facteur / (p / 100.0);
    return e;
}

std::unique_ptr<ImageDocument> RedimensionnerDocument(const ImageDocument &source, double p, const ContexteDessin &contexte)
{
    const QSize taille = TailleRedimensionnee(source.image.size(), p);
    const double f = p / 100.0;
    // Elements first: one that cannot be scaled refuses the whole copy.
    TListeDessins elements;
    for (const ElementDessin &e : source.dessins.Elements()) {
        std::unique_ptr<TDessin> copie = CopieRedimensionnee(*e.dessin, f);
        // What the scaled copy leaves behind, without which a rebuild would
        // not draw the element as it was: every traced point (zones, all the
        // lists of a stroke), a fill's conditions and the legend's units.
        copie->Trace = TraceRedimensionnee(e.dessin->Trace, f);
        copie->FormatPoints = e.dessin->FormatPoints;
        copie->Conditions = e.dessin->Conditions;
        copie->SurCalque = e.dessin->SurCalque;
        copie->UniteLegende = e.dessin->UniteLegende;
        copie->UnitesParPixel = static_cast<float>(e.dessin->UnitesParPixel / f);
        elements.AjouterElement(e.nom, std::move(copie));
    }
    auto doc = std::make_unique<ImageDocument>();
    doc->image = Redimensionner(source.image, taille);
    doc->titre = QCoreApplication::translate("Traitements", "Copie");
    doc->codeCouleur = source.codeCouleur;
    doc->echelle = EchelleRedimensionnee(source.echelle, p);
    doc->dessins = std::move(elements);
    doc->etatDessin.CompteurElements = source.etatDessin.CompteurElements;
    if (!doc->dessins.EstVide())
        RedessinerCalque(*doc, contexte);
    return doc;
}
