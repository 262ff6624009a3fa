#include "processing/fausses_couleurs.h"

#include "calibration/echelle.h"
#include "processing/balance_blanc.h"
#include "processing/histogrammes.h"
#include "processing/tables_composantes.h"

#include <QCoreApplication>
#include <QPainter>

#include <cstdlib>

namespace {

QImage Transformer(const QImage &image, QRgb (*pixel)(QRgb))
{
    QImage r = ImageVingtQuatreBits(image);
    const int w = r.width();
    for (int y = 0; y < r.height(); ++y) {
        auto *p = reinterpret_cast<QRgb *>(r.scanLine(y));
        for (int x = 0; x < w; ++x)
            p[x] = 0xFF000000u | pixel(p[x]);
    }
    return r;
}

QString Tr(const char *texte)
{
    return QCoreApplication::translate("Traitements", texte);
}

std::unique_ptr<ImageDocument> Document(const QImage &image, const char *titre, const TCodeCouleur &code)
{
    auto doc = std::make_unique<ImageDocument>();
    doc->image = image.convertToFormat(QImage::Format_ARGB32);
    doc->titre = Tr(titre);
    doc->echelle = EchelleParDefaut();
    doc->echelle.Definie = 1;
    doc->echelle.Facteur = 1.0;
    doc->echelle.Unite = QStringLiteral("pixels");
    doc->codeCouleur = code;
    return doc;
}

TCodeCouleur CodeTroisCanaux(const char *n1, const char *n2, const char *n3, CouleurWin c1, CouleurWin c2, CouleurWin c3)
{
    TCodeCouleur code;
    code.Definie = 1;
    code.TypeCodage = CodageTroisCanaux;
    code.MiniC = {0, 0, 0};
    code.MaxiC = {255, 255, 255};
    code.NomC = {Tr(n1), Tr(n2), Tr(n3)};
    code.CouleurC = {c1, c2, c3};
    return code;
}

TCodeCouleur CodeDeuxCouleurs(CouleurWin maxi, const char *grandeur)
{
    TCodeCouleur code;
    code.Definie = 1;
    code.TypeCodage = CodageDeuxCouleurs;
    code.CouleurMin = 0;
    code.CouleurMax = maxi;
    code.ValeurMin = 0;
    code.ValeurMax = 255;
    code.Logarithmique = false;
    code.Grandeur = Tr(grandeur);
    return code;
}

} // namespace

QImage ImageExercice(const QImage &image)
{
    QImage r(LargeurExercice, HauteurExercice, QImage::Format_ARGB32);
    r.fill(Qt::black);
    if (image.isNull())
        return r;
    QPainter p(&r);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(r.rect(), ImageVingtQuatreBits(image));
    return r;
}

bool CalibrerBlanc(QImage &image, QPoint coin1, QPoint coin2)
{
    if (std::abs(coin2.x() - coin1.x()) < 2 || std::abs(coin2.y() - coin1.y()) < 2)
        return false;
    FaireBlanc(image, coin1, coin2);
    return true;
}

QImage ComposanteSeule(const QImage &image, int composante)
{
    switch (composante) {
    case 0: return Transformer(image, [](QRgb c) -> QRgb { return c & 0xFFu; });
    case 1: return Transformer(image, [](QRgb c) -> QRgb { return c & 0xFF00u; });
    default: return Transformer(image, [](QRgb c) -> QRgb { return c & 0xFF0000u; });
    }
}

QImage Canal1(const QImage &imageVerte)
{
    return Transformer(imageVerte, [](QRgb c) -> QRgb { return (c >> 8) & 0xFFu; });
}

QImage Canal2(const QImage &imageRouge)
{
    return Transformer(imageRouge, [](QRgb c) -> QRgb { return ((c >> 16) & 0xFFu) << 8; });
}

QImage Canal3(const QImage &imageInfraRouge)
{
    return Transformer(imageInfraRouge, [](QRgb c) -> QRgb {
        const auto somme = static_cast<std::int64_t>((c & 0xFF) + ((c >> 8) & 0xFF) + ((c >> 16) & 0xFF));
        return static_cast<QRgb>(QuotientArrondi(somme, 3)) << 16;
    });
}

QImage CombinerCanaux(const QImage &c1, const QImage &c2, const QImage &c3)
{
    const QImage a = ImageExercice(c1);
    const QImage b = ImageExercice(c2);
    const QImage c = ImageExercice(c3);
    QImage r = a;
    for (int y = 0; y < HauteurExercice; ++y) {
        auto *p = reinterpret_cast<QRgb *>(r.scanLine(y));
        const auto *pb = reinterpret_cast<const QRgb *>(b.constScanLine(y));
        const auto *pc = reinterpret_cast<const QRgb *>(c.constScanLine(y));
        for (int x = 0; x < LargeurExercice; ++x)
            p[x] |= pb[x] | pc[x];
    }
    return r;
}

std::vector<std::unique_ptr<ImageDocument>> DocumentsFaussesCouleurs(const ImagesFaussesCouleurs &images)
{
    constexpr CouleurWin Bleu = 0xFF0000;
    constexpr CouleurWin Vert = 0x00FF00;
    constexpr CouleurWin Rouge = 0x0000FF;
    constexpr CouleurWin Blanc = 0xFFFFFF;
    std::vector<std::unique_ptr<ImageDocument>> docs;
    if (!images.couleur.isNull())
        docs.push_back(Document(images.couleur, QT_TRANSLATE_NOOP("Traitements", "couleur"),
                                CodeTroisCanaux(QT_TRANSLATE_NOOP("Traitements", "Bleu"), QT_TRANSLATE_NOOP("Traitements", "Vert"),
                                                QT_TRANSLATE_NOOP("Traitements", "Rouge"), Bleu, Vert, Rouge)));
    if (!images.infraRouge.isNull())
        docs.push_back(Document(images.infraRouge, QT_TRANSLATE_NOOP("Traitements", "IR"),
                                CodeDeuxCouleurs(Blanc, QT_TRANSLATE_NOOP("Traitements", "Infra-Rouge"))));
    if (!images.resultat.isNull())
        docs.push_back(Document(images.resultat, QT_TRANSLATE_NOOP("Traitements", "fausses couleurs"),
                                CodeTroisCanaux(QT_TRANSLATE_NOOP("Traitements", "Vert"), QT_TRANSLATE_NOOP("Traitements", "Rouge"),
                                                QT_TRANSLATE_NOOP("Traitements", "Infra-Rouge"), Vert, Rouge, 0)));
    if (!images.canal1.isNull())
        docs.push_back(Document(images.canal1, QT_TRANSLATE_NOOP("Traitements", "canal 1"),
                                CodeDeuxCouleurs(Vert, QT_TRANSLATE_NOOP("Traitements", "Vert"))));
    if (!images.canal2.isNull())
        docs.push_back(Document(images.canal2, QT_TRANSLATE_NOOP("Traitements", "canal 2"),
                                CodeDeuxCouleurs(Rouge, QT_TRANSLATE_NOOP("Traitements", "Rouge"))));
    return docs;
}
