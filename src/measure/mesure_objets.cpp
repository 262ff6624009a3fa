#include "measure/mesure_objets.h"

#include "commun/nombres.h"
#include "document/dessins_document.h"
#include "document/image_document.h"
#include "drawing/delimiter_objet.h"
#include "drawing/remplissages.h"
#include "measure/chercher_inclus.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <limits>

namespace {

QString tr(const char *texte)
{
    return QCoreApplication::translate("MesurerObjets", texte);
}

constexpr QRgb Transparent = 0x00FFFFFFu;

QRgb *Ligne(QImage &image, int y)
{
    return reinterpret_cast<QRgb *>(image.scanLine(y));
}

// Source-over of colour c on pixel d.
QRgb Melanger(QRgb c, QRgb d)
{
    const int a = qAlpha(c);
    if (a == 255)
        return c;
    if (a == 0)
        return d;
    const int ad = qAlpha(d);
    const int sortie = a + ad * (255 - a) / 255;
    if (sortie == 0)
        return 0;
    auto canal = [&](int s, int t) { return (s * a + t * ad * (255 - a) / 255) / sortie; };
    return qRgba(canal(qRed(c), qRed(d)), canal(qGreen(c), qGreen(d)), canal(qBlue(c), qBlue(d)), sortie);
}

// A straight 1-pixel line, points outside the image skipped.
void Trait(QImage &couche, QPoint a, QPoint b, QRgb couleur)
{
    int x = a.x(), y = a.y();
    const int dx = std::abs(b.x() - x), dy = -std::abs(b.y() - y);
    const int sx = x < b.x() ? 1 : -1, sy = y < b.y() ? 1 : -1;
    int erreur = dx + dy;
    for (;;) {
        if (x >= 0 && y >= 0 && x < couche.width() && y < couche.height())
            Ligne(couche, y)[x] = couleur;
        if (x == b.x() && y == b.y())
            break;
        const int e2 = 2 * erreur;
        if (e2 >= dy) {
            erreur += dy;
            x += sx;
        }
        if (e2 <= dx) {
            erreur += dx;
            y += sy;
        }
    }
}

template <typename Garder>
void Filtrer(std::vector<ObjetMesure> &objets, Garder &&garder)
{
    std::vector<ObjetMesure> restants;
    restants.reserve(objets.size());
    for (std::size_t i = 0; i < objets.size(); ++i)
        if (garder(i))
            restants.push_back(std::move(objets[i]));
    objets.swap(restants);
}

void RemplirTableau(const std::vector<ObjetMesure> &objets, const EchelleObjets &echelle, TableauTailles &tableau)
{
    const int n = static_cast<int>(objets.size());
    for (int c = 1; c < 4; ++c)
        tableau.DefinirCellule(c, 1, echelle.unite);
    tableau.DefinirCellule(4, 1, echelle.unite + QChar(0x00B2));
    if (TableauTailles::LignesFixes + n > tableau.NbLignes())
        tableau.DefinirNbLignes(TableauTailles::LignesFixes + n);
    auto valeurs = [](const ObjetMesure &o) { return std::array<float, 4>{o.perimetre, o.longueur, o.largeur, o.surface}; };
    auto format = [](int colonne, double v) { return FormatGeneral(v, colonne == 3 ? 5 : 4); };
    auto numero = [](int i, const ObjetMesure &o) {
        QString texte = QString::number(i + 1);
        if (o.contourCoupe)
            texte += tr(" (contour coupé)");
        else if (o.contourPerdu)
            texte += tr(" (contour perdu)");
        return texte;
    };
    if (n == 1) {
        tableau.DefinirCellule(0, 2, numero(0, objets[0]));
        const auto v = valeurs(objets[0]);
        for (int c = 0; c < 4; ++c)
            tableau.DefinirCellule(c + 1, 2, format(c, v[static_cast<std::size_t>(c)]));
        for (int ligne = 3; ligne <= 5; ++ligne)
            for (int c = 1; c < 5; ++c)
                tableau.DefinirCellule(c, ligne, QString());
        return;
    }
    tableau.DefinirCellule(0, 2, tr("Moyenne"));
    std::array<float, 4> somme{};
    std::array<double, 4> carres{};
    std::array<float, 4> mini{}, maxi{};
    for (int i = 0; i < n; ++i) {
        const auto v = valeurs(objets[static_cast<std::size_t>(i)]);
        const int ligne = TableauTailles::LignesFixes + i;
        tableau.DefinirCellule(0, ligne, numero(i, objets[static_cast<std::size_t>(i)]));
        for (std::size_t c = 0; c < 4; ++c) {
            tableau.DefinirCellule(static_cast<int>(c) + 1, ligne, format(static_cast<int>(c), v[c]));
            somme[c] += v[c];
            carres[c] += static_cast<double>(v[c]) * v[c];
            mini[c] = i == 0 ? v[c] : std::min(mini[c], v[c]);
            maxi[c] = i == 0 ? v[c] : std::max(maxi[c], v[c]);
        }
    }
    for (std::size_t c = 0; c < 4; ++c) {
        const double moyenne = somme[c] / static_cast<float>(n);
        const double radicande = carres[c] / n - moyenne * moyenne;
        const int colonne = static_cast<int>(c) + 1;
        tableau.DefinirCellule(colonne, 2, format(static_cast<int>(c), moyenne));
        tableau.DefinirCellule(colonne, 3, format(static_cast<int>(c), radicande > 0.0 ? std::sqrt(radicande) : 0.0));
        tableau.DefinirCellule(colonne, 4, format(static_cast<int>(c), mini[c]));
        tableau.DefinirCellule(colonne, 5, format(static_cast<int>(c), maxi[c]));
    }
}

} // namespace

QString TexteResultatObjets(int n, int incomplets, bool incompletsExclus)
{
    QString texte = QString::number(n) + tr(" objet");
    if (n >= 2)
        texte += QStringLiteral("s");
    if (incompletsExclus && incomplets >= 1)
        texte += tr(" (+") + QString::number(incomplets) + tr(" incomplet")
                 + (incomplets == 1 ? QStringLiteral(")") : QStringLiteral("s)"));
    return texte;
}

ResultatObjets MesurerObjets(const QImage &imageSource, const PlansCanaux *canaux,
                             const TTableaudeTableaudeCondicoul &groupes, const OptionsObjets &options,
                             const EchelleObjets &echelle, QImage &provisoire, TableauTailles &tableau,
                             const ProgressionMesure &progression)
{
    ResultatObjets resultat;
    QElapsedTimer chrono;
    chrono.start();
    int dernierPourcent = -1;
    const QImage image = imageSource.format() == QImage::Format_ARGB32
                             ? imageSource
                             : imageSource.convertToFormat(QImage::Format_ARGB32);
    const int l = image.width(), h = image.height();
    const int T = std::clamp(options.TailleMin, 0, TailleMinMaxi);
    const float facteur = static_cast<float>(echelle.facteur);

    tableau.DefinirNbLignes(TableauTailles::LignesFixes + 1);
    tableau.ViderLigne(TableauTailles::LignesFixes);
    if (provisoire.size() != image.size() || provisoire.format() != QImage::Format_ARGB32)
        provisoire = QImage(image.size(), QImage::Format_ARGB32);
    provisoire.fill(Transparent);

    const TesteurConditions testeur(groupes, canaux);
    std::vector<std::uint8_t> visite(static_cast<std::size_t>(l) * static_cast<std::size_t>(h), 0);
    QImage travail(image.size(), QImage::Format_ARGB32);
    travail.fill(0u);
    ImageEtiquettes etiquettes;
    if (options.RegroupEmboites) {
        etiquettes.largeur = l;
        etiquettes.hauteur = h;
        etiquettes.pixels.assign(visite.size(), 0u);
    }
    int abandonnes = 0;
    std::vector<ObjetMesure> &objets = resultat.objets;

    for (int y = 1; y < h - 1; ++y) {
        if (progression && (y & 63) == 0 && chrono.elapsed() >= 500) {
            const int pourcent = static_cast<int>(100LL * y / h);
            if (pourcent != dernierPourcent)
                progression(dernierPourcent = pourcent);
        }
        const QRgb *ligne = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 1; x < l - 1; ++x) {
            std::uint8_t &v = visite[static_cast<std::size_t>(y) * static_cast<std::size_t>(l) + static_cast<std::size_t>(x)];
            if (v != Visite::Inconnu)
                continue;
            if (!testeur.Tester(ligne[x], x, y)) {
                v = Visite::Echoue;
                continue;
            }
            ObjetDelimite objet = DelimiterObjet(x, y, testeur, options.CouleurSurface, image, travail, visite);
            const QRect boite = objet.boite;
            abandonnes += objet.abandonne ? 1 : 0;
            bool accepte = !objet.contour.empty() && objet.largeur >= T && objet.hauteur >= T;
            ObjetMesure mesure;
            if (accepte && options.ResuStat) {
                const MesureContour m = MesurerContour(objet.contour);
                if (T >= m.largeur) {
                    accepte = false;
                } else {
                    mesure.perimetre = m.perimetre * facteur;
                    mesure.longueur = m.longueur * facteur;
                    mesure.largeur = m.largeur * facteur;
                    mesure.surface = static_cast<float>(objet.pixels) * facteur * facteur;
                    if (options.TraceLargeur)
                        mesure.reperes = m.reperes;
                }
            }
            if (accepte) {
                resultat.pixelsTotal += objet.pixels;
                const std::uint32_t numero = static_cast<std::uint32_t>(objets.size() + 1);
                for (int yy = boite.top(); yy <= boite.bottom(); ++yy) {
                    const QRgb *t = reinterpret_cast<const QRgb *>(travail.constScanLine(yy));
                    QRgb *p = Ligne(provisoire, yy);
                    for (int xx = boite.left(); xx <= boite.right(); ++xx) {
                        if (t[xx] == 0)
                            continue;
                        if (options.RegroupEmboites)
                            etiquettes.at(xx, yy) = numero;
                        if (options.Marquer)
                            p[xx] = Melanger(t[xx], p[xx]);
                    }
                }
                mesure.pixels = objet.pixels;
                mesure.germe = QPoint(x, y);
                mesure.boite = boite;
                mesure.pointsTraces = static_cast<int>(objet.contour.size());
                mesure.contourFerme = objet.ContourFerme();
                mesure.contourCoupe = objet.contourCoupe;
                mesure.contourPerdu = objet.contourPerdu;
                mesure.contour = std::move(objet.contour);
                mesure.etiquettes = {numero};
                objets.push_back(std::move(mesure));
            }
            for (int yy = boite.top(); yy <= boite.bottom() && !boite.isEmpty(); ++yy)
                std::fill(Ligne(travail, yy) + boite.left(), Ligne(travail, yy) + boite.right() + 1, 0u);
            // An object given up as too extended may leave its seed outside
            // the box it had reached: the seed's pixel must not pass on to
            // the next object.
            Ligne(travail, y)[x] = 0u;
        }
    }

    // Nested objects merge into the object whose contour holds them.
    if (options.RegroupEmboites && objets.size() >= 2) {
        std::vector<bool> retirer(objets.size(), false);
        for (std::size_t i = 0; i < objets.size(); ++i) {
            ObjetMesure &o = objets[i];
            if (!o.contourFerme || retirer[i])
                continue;
            const ObjetsInclus inclus = ChercherInclus(o.germe, o.contour, etiquettes);
            if (inclus.nouveauGerme && inclus.nouveauGerme->x() >= 1 && inclus.nouveauGerme->y() >= 1)
                o.germe = *inclus.nouveauGerme;
            for (const int j : inclus.numeros) {
                const auto k = static_cast<std::size_t>(j - 1);
                if (k >= objets.size() || k == i || retirer[k])
                    continue;
                if (options.ResuStat)
                    o.surface += objets[k].surface;
                o.pixelsInclus += objets[k].pixels + objets[k].pixelsInclus;
                o.etiquettes.insert(o.etiquettes.end(), objets[k].etiquettes.begin(), objets[k].etiquettes.end());
                o.boite |= objets[k].boite;
                retirer[k] = true;
            }
        }
        Filtrer(objets, [&](std::size_t i) { return !retirer[i]; });
    }

    // Objects cut by the image edge.
    if (!options.CompteIncomplets) {
        std::vector<bool> incomplet(objets.size(), false);
        for (std::size_t i = 0; i < objets.size(); ++i) {
            if (EstComplet(objets[i].contour, l, h))
                continue;
            incomplet[i] = true;
            ++resultat.incomplets;
            // The nested objects merged into it are left out with it.
            resultat.pixelsTotal -= objets[i].pixels + objets[i].pixelsInclus;
            const ObjetMesure &o = objets[i];
            // Erased to fully transparent white, so that nothing reading the
            // layer's alpha (light values) counts them. With the label image
            // the object's pixels and those of the objects merged into it are
            // known exactly (a fill bounded by the contour would miss the
            // parts beyond a one-pixel pinch).
            if (options.RegroupEmboites) {
                std::vector<bool> siens;
                std::uint32_t plusGrand = 0;
                for (const std::uint32_t e : o.etiquettes)
                    plusGrand = std::max(plusGrand, e);
                siens.assign(plusGrand + 1, false);
                for (const std::uint32_t e : o.etiquettes)
                    siens[e] = true;
                for (int yy = o.boite.top(); yy <= o.boite.bottom(); ++yy) {
                    QRgb *p = Ligne(provisoire, yy);
                    for (int xx = o.boite.left(); xx <= o.boite.right(); ++xx) {
                        const std::uint32_t e = etiquettes.at(xx, yy) & 0x00FFFFFFu;
                        if (e != 0 && e <= plusGrand && siens[e])
                            p[xx] = Transparent;
                    }
                }
            } else {
                RemplirConditionnel(o.germe.x(), o.germe.y(), Transparent, 1, groupes, image, provisoire, canaux);
            }
        }
        Filtrer(objets, [&](std::size_t i) { return !incomplet[i]; });
    }

    const int n = static_cast<int>(objets.size());
    if (options.ResuStat && n >= 1) {
        for (ObjetMesure &o : objets)
            if (o.contour.size() >= 9)
                o.perimetre = PerimetreParSegments(o.contour) * facteur;
        RemplirTableau(objets, echelle, tableau);
    } else {
        for (int ligne = 2; ligne <= 5; ++ligne)
            for (int c = 1; c < 5; ++c)
                tableau.DefinirCellule(c, ligne, QString());
    }

    if (options.ResuStat && options.TraceLargeur)
        for (const ObjetMesure &o : objets) {
            if (o.reperes[0].x() < 0)
                continue;
            Trait(provisoire, o.reperes[0], o.reperes[1], options.CouleurReperes);
            Trait(provisoire, o.reperes[2], o.reperes[3], options.CouleurReperes);
            Trait(provisoire, o.reperes[4], o.reperes[5], options.CouleurReperes);
        }
    for (const ObjetMesure &o : objets)
        for (std::size_t k = 0; k < o.contour.size(); ++k)
            Trait(provisoire, o.contour[k], o.contour[k + 1 < o.contour.size() ? k + 1 : k], options.CouleurTrace);

    const bool exclus = !options.CompteIncomplets;
    resultat.resultat = TexteResultatObjets(n, resultat.incomplets, exclus);
    resultat.resusurf = tr("Surface totale : ")
                        + FormatGeneral(static_cast<double>(resultat.pixelsTotal) * echelle.facteur * echelle.facteur, 5)
                        + QLatin1Char(' ') + echelle.unite + QStringLiteral("<sup>2</sup>");
    if (exclus && resultat.incomplets >= 1)
        resultat.resusurf += tr(" (sans les objets incomplets)");
    resultat.resusurfVisible = options.ResuStat;

    // One message per kind of trouble, counting the objects concerned.
    if (abandonnes > 0)
        resultat.messages << MessageTropComplique() + QLatin1Char('\r')
                                 + tr("%1 objet(s) trop étendu(s) ni mesuré(s) ni compté(s)").arg(abandonnes);
    const auto coupes = std::count_if(objets.begin(), objets.end(), [](const ObjetMesure &o) { return o.contourCoupe; });
    if (coupes > 0)
        resultat.messages << tr("%1 contour(s) coupé(s) à %2 points : périmètre, longueur et largeur incomplets")
                                 .arg(coupes)
                                 .arg(LimitePointsContour);
    const auto perdus = std::count_if(objets.begin(), objets.end(), [](const ObjetMesure &o) { return o.contourPerdu; });
    if (perdus > 0)
        resultat.messages << MessageContourPerdu() + tr(" (%1 objet(s))").arg(perdus);
    return resultat;
}

ResultatObjets MesurerObjets(ImageDocument &document, const TTableaudeTableaudeCondicoul &groupes,
                             const OptionsObjets &options, TableauTailles &tableau,
                             const ProgressionMesure &progression)
{
    document.CreerCoucheProvisoire(document.alphaProvisoire);
    const PlansCanaux plans = PlansDuDocument(document);
    // The objects coloured and outlined are a measurement: the next press
    // discards them instead of merging them into the drawing.
    document.etatDessin.LigneMesure = true;
    EchelleObjets echelle{document.echelle.Facteur, document.echelle.Unite};
    return MesurerObjets(document.image, &plans, groupes, options, echelle, document.coucheProvisoire, tableau,
                         progression);
}
