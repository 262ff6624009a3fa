#include "document/pointeur_dessin.h"

#include "document/dessins_document.h"
#include "drawing/remplissages.h"

#include <algorithm>
#include <cmath>
#include <map>
#include <vector>

namespace {

enum Outil { Crayon = 0, Ligne = 1, Forme = 2, Gomme = 3, Texte = 4, Mesure = 5, Pot = 6, Pipette = 7 };

std::map<int, GestionnaireOutil> &Gestionnaires()
{
    static std::map<int, GestionnaireOutil> g;
    return g;
}

std::vector<InterceptionAppui> &Interceptions()
{
    static std::vector<InterceptionAppui> i;
    return i;
}

const GestionnaireOutil *GestionnaireDe(int outil)
{
    const auto it = Gestionnaires().find(outil);
    return it == Gestionnaires().end() ? nullptr : &it->second;
}

QRect ZonePointe(QPoint p)
{
    return QRect(p.x() - DecalagePointe, p.y() - DecalagePointe, 25, 25);
}

std::int16_t Court(int v)
{
    return static_cast<std::int16_t>(std::clamp(v, -32768, 32767));
}

// A stroke point in 16.16 fixed point, within the pixels that can hold.
TPointFixe Fixe(QPoint p)
{
    return {Court(p.x()) * UnPixelFixe, Court(p.y()) * UnPixelFixe};
}

// The element of the gesture from P0 to P, with the settings of the moment.
std::unique_ptr<TDessin> ElementDuGeste(const ImageDocument &doc, const ReglagesDessin &r, int outil, QPoint p0,
                                        QPoint p)
{
    const QSize taille = doc.image.size();
    auto d = std::make_unique<TDessin>();
    d->Epaisseur = static_cast<std::uint8_t>(std::clamp(r.EpaisseurCrayon, 0, 255));
    d->Couleur = r.CouleurCrayon;
    d->Opacite = static_cast<std::uint8_t>(std::clamp(r.OpaciteDessin, 0, 255));
    const QPoint a = BornerDansImage(p0, taille), b = BornerDansImage(p, taille);
    switch (outil) {
    // A stroke or a line keeps the points it was drawn through, also outside
    // the image (rendering clips): brought into the image, a line would turn
    // and a stroke would run along the image's border.
    case Crayon:
        d->Genre = GenreCrayon;
        d->X1 = Court(p0.x());
        d->Y1 = Court(p0.y());
        d->X2 = Court(p.x());
        d->Y2 = Court(p.y());
        d->Trace.listes.front() = doc.etatDessin.TraceEnCours.listes.front();
        break;
    case Ligne:
        d->Genre = GenreTrait;
        d->X1 = Court(p0.x());
        d->Y1 = Court(p0.y());
        d->X2 = Court(p.x());
        d->Y2 = Court(p.y());
        d->Fleche = static_cast<std::uint8_t>(doc.styleFleche);
        d->Style = static_cast<std::uint8_t>(doc.styleTrait);
        break;
    case Forme:
        d->Style = static_cast<std::uint8_t>(doc.styleTrait);
        d->Motif = static_cast<std::uint8_t>(doc.styleRemplissage);
        if (r.FormeRectangle) {
            d->Genre = GenreRectangle;
            d->X1 = Court(a.x());
            d->Y1 = Court(a.y());
            d->X2 = Court(b.x());
            d->Y2 = Court(b.y());
        } else {
            // The centre stays where the circle was dragged from, as its
            // radius was measured from there.
            d->Genre = GenreCercle;
            d->XAncre = Court(p0.x());
            d->YAncre = Court(p0.y());
            const double dx = p.x() - p0.x(), dy = p.y() - p0.y();
            d->Rayon = static_cast<std::int16_t>(std::clamp<double>(std::nearbyint(std::sqrt(dx * dx + dy * dy)), 0, 32767));
        }
        break;
    default:
        break;
    }
    return d;
}

void RetirerProvisoire(ImageDocument &doc, ResultatPointeur &res)
{
    EtatDessin &e = doc.etatDessin;
    if (!e.ZoneProvisoire.isEmpty()) {
        EffacerZone(doc.coucheProvisoire, e.ZoneProvisoire);
        res.zoneModifiee |= e.ZoneProvisoire;
    }
    e.ZoneProvisoire = QRect();
}

void DessinerProvisoire(ImageDocument &doc, const TDessin &d, const ReglagesDessin &r, ResultatPointeur &res)
{
    Dessiner(d, doc.image, doc.coucheProvisoire, r.Contexte());
    const QRect zone = EtendueElement(d, doc.image.size());
    doc.etatDessin.ZoneProvisoire |= zone;
    res.zoneModifiee |= zone;
}

void PoserPointe(ImageDocument &doc, const ReglagesDessin &r, QPoint p, ResultatPointeur &res)
{
    PoserEmbout(r.Pointe, doc.coucheProvisoire, p.x(), p.y());
    const QRect zone = ZonePointe(p).intersected(doc.image.rect());
    doc.etatDessin.ZoneProvisoire |= zone;
    res.zoneModifiee |= zone;
}

void Gommer(ImageDocument &doc, const ReglagesDessin &r, QPoint p, ResultatPointeur &res)
{
    doc.CreerCoucheDessin();
    GommerAvecEmbout(r.Pointe, doc.coucheDessin, p.x(), p.y());
    res.zoneModifiee |= ZonePointe(p).intersected(doc.image.rect());
}

std::uint16_t Borne8(int v)
{
    return static_cast<std::uint16_t>(std::clamp(v, 0, 255));
}

TTableaudeCondicoul GroupeProche(QRgb c)
{
    TTableaudeCondicoul g;
    const int valeurs[3] = {qBlue(c), qGreen(c), qRed(c)};
    for (int k = 0; k < 3; ++k)
        g.push_back({0, static_cast<std::uint8_t>(k), 0, Borne8(valeurs[k] - 15), Borne8(valeurs[k] + 15)});
    return g;
}

QRgb AvecAlpha(QRgb c, int a)
{
    return (c & 0x00FFFFFFu) | (static_cast<QRgb>(std::clamp(a, 0, 255)) << 24);
}

QRgb PixelImage(const ImageDocument &doc, QPoint p)
{
    if (!doc.image.rect().contains(p))
        return 0;
    const QImage image = doc.image.format() == QImage::Format_ARGB32 ? doc.image
                                                                     : doc.image.convertToFormat(QImage::Format_ARGB32);
    return reinterpret_cast<const QRgb *>(image.constScanLine(p.y()))[p.x()];
}

} // namespace

void EnregistrerGestionnaireOutil(int outil, GestionnaireOutil gestionnaire)
{
    Gestionnaires()[outil] = std::move(gestionnaire);
}

void EnregistrerInterceptionAppui(InterceptionAppui interception)
{
    Interceptions().push_back(std::move(interception));
}

QPoint BornerDansImage(QPoint p, QSize taille)
{
    const int mx = std::clamp(taille.width() - 1, 0, 32767), my = std::clamp(taille.height() - 1, 0, 32767);
    return {std::clamp(p.x(), 0, mx), std::clamp(p.y(), 0, my)};
}

ConditionsPot ConditionsPotDePeinture(const ReglagesDessin &r)
{
    ConditionsPot c;
    if (r.RemplirAvecCrayon) {
        c.couleur = r.CouleurCrayon;
        if (r.RemplirSurImage)
            c.conditions = {GroupeProche(r.CouleurFondDessin)};
        else
            c.conditions = {{{0, 3, 0, 0, 0}}};
    } else {
        c.couleur = r.CouleurFondDessin;
        c.conditions = {{{3, 3, 0, 0, 255}}, GroupeProche(r.CouleurCrayon)};
    }
    return c;
}

ResultatPointeur AppuiPointeur(ImageDocument &doc, ReglagesDessin &r, QPoint p, Qt::MouseButton bouton)
{
    ResultatPointeur res;
    const int outil = doc.outilCourant;
    if (doc.image.isNull() || (bouton == Qt::RightButton && outil != Pipette))
        return res;
    for (const InterceptionAppui &i : Interceptions())
        if (i && i(doc, p, bouton))
            return res;
    EtatDessin &e = doc.etatDessin;
    e.PointDepart = e.DernierPoint = p;
    e.GesteEnCours = bouton == Qt::LeftButton;
    const GestionnaireOutil *g = GestionnaireDe(outil);
    if (g && g->sansCouches) {
        if (g->appui)
            g->appui(doc, p, bouton);
        return res;
    }

    // A drawing left on the provisional layer is merged, creating the
    // drawing layer when a legend was placed before any drawing tool made it.
    if (!e.LigneMesure && (!doc.coucheDessin.isNull() || e.NonFusionne))
        doc.FusionnerProvisoire();
    doc.CreerCoucheProvisoire();
    if (e.ModeZones) {
        e.CouleurZone = r.CouleurCrayon;
        doc.couleurZonation = r.CouleurCrayon | 0xFF000000u;
        doc.alphaProvisoire = 255;
    } else {
        doc.alphaProvisoire = r.OpaciteDessin;
    }
    if (!(g && g->garderProvisoire && g->garderProvisoire(doc)))
        doc.coucheProvisoire.fill(Qt::transparent);
    e.LigneMesure = false;
    e.DernierProvisoire = false;
    e.ZoneProvisoire = QRect();
    e.NonFusionne = outil == Crayon || outil == Ligne || outil == Forme || outil == Texte || outil == Pipette
                    || outil == 10;
    res.zoneModifiee = doc.image.rect();

    switch (outil) {
    case Crayon:
        PoserPointe(doc, r, p, res);
        e.TraceEnCours = TPolygone{};
        e.TraceEnCours.listes.front().push_back(Fixe(p));
        break;
    case Gomme:
        Gommer(doc, r, p, res);
        break;
    case Pot: {
        e.ConditionsRemplissage.clear();
        if (!doc.image.rect().contains(p))
            break;
        const ConditionsPot pot = ConditionsPotDePeinture(r);
        e.ConditionsRemplissage = pot.conditions;
        doc.CreerCoucheDessin();
        RemplirConditionnel(p.x(), p.y(), AvecAlpha(pot.couleur, r.OpaciteDessin), doc.styleRemplissage, pot.conditions,
                            r.RemplirSurImage ? doc.image : doc.coucheDessin, doc.coucheDessin);
        break;
    }
    case Pipette:
        if (doc.image.rect().contains(p)) {
            const QRgb pixel = PixelImage(doc, p);
            if (bouton == Qt::RightButton)
                r.CouleurFondDessin = pixel;
            else
                r.CouleurCrayon = pixel;
            r.RebatirPointe();
            res.couleursChangees = true;
        }
        e.TraceEnCours = TPolygone{};
        break;
    default:
        if (g && g->appui)
            g->appui(doc, p, bouton);
        break;
    }
    return res;
}

ResultatPointeur DeplacementPointeur(ImageDocument &doc, ReglagesDessin &r, QPoint p, Qt::MouseButtons boutons)
{
    ResultatPointeur res;
    const int outil = doc.outilCourant;
    EtatDessin &e = doc.etatDessin;
    const GestionnaireOutil *g = GestionnaireDe(outil);
    if (doc.image.isNull() || !(boutons & Qt::LeftButton) || !e.GesteEnCours) {
        if (g && g->deplacement)
            g->deplacement(doc, p, boutons);
        return res;
    }
    switch (outil) {
    case Crayon:
    case Pipette:
        if (p != e.DernierPoint) {
            PoserPointe(doc, r, p, res);
            e.TraceEnCours.listes.front().push_back(Fixe(p));
        }
        break;
    case Ligne:
    case Forme: {
        RetirerProvisoire(doc, res);
        TDessin d;
        d.Couleur = r.CouleurCrayon;
        d.Style = static_cast<std::uint8_t>(doc.styleTrait);
        const QPoint p0 = e.PointDepart;
        if (outil == Ligne) {
            d.Genre = GenreTrait;
            d.X1 = Court(p0.x());
            d.Y1 = Court(p0.y());
            d.X2 = Court(p.x());
            d.Y2 = Court(p.y());
        } else if (r.FormeRectangle) {
            d.Genre = GenreRectangle;
            d.X1 = Court(p0.x());
            d.Y1 = Court(p0.y());
            d.X2 = Court(p.x());
            d.Y2 = Court(p.y());
        } else {
            d.Genre = GenreCercle;
            d.XAncre = Court(p0.x());
            d.YAncre = Court(p0.y());
            d.Rayon = Court(static_cast<int>(std::nearbyint(std::hypot(p.x() - p0.x(), p.y() - p0.y()))));
        }
        DessinerProvisoire(doc, d, r, res);
        break;
    }
    case Gomme:
        if (p != e.DernierPoint)
            Gommer(doc, r, p, res);
        break;
    default:
        if (g && g->deplacement)
            g->deplacement(doc, p, boutons);
        break;
    }
    e.DernierPoint = p;
    return res;
}

ResultatPointeur RelachementPointeur(ImageDocument &doc, ReglagesDessin &r, QPoint p, Qt::MouseButton bouton)
{
    ResultatPointeur res;
    const int outil = doc.outilCourant;
    EtatDessin &e = doc.etatDessin;
    if (doc.image.isNull() || bouton == Qt::RightButton)
        return res;
    const bool geste = e.GesteEnCours;
    e.GesteEnCours = false;
    switch (outil) {
    case Crayon:
    case Ligne:
    case Forme: {
        if (!geste)
            break;
        if (outil == Crayon)
            e.TraceEnCours.listes.front().push_back(Fixe(p));
        RetirerProvisoire(doc, res);
        std::unique_ptr<TDessin> d = ElementDuGeste(doc, r, outil, e.PointDepart, p);
        DessinerProvisoire(doc, *d, r, res);
        if (!e.ModeZones) {
            AjouterElementNomme(doc, std::move(d));
            e.DernierProvisoire = true;
        }
        break;
    }
    case Pot:
        if (geste && !e.ModeZones && doc.image.rect().contains(e.PointDepart)) {
            auto d = std::make_unique<TDessin>();
            d->Genre = GenreRemplissage;
            d->XAncre = Court(e.PointDepart.x());
            d->YAncre = Court(e.PointDepart.y());
            d->Couleur = r.RemplirAvecCrayon ? r.CouleurCrayon : r.CouleurFondDessin;
            d->SurCalque = !r.RemplirSurImage;
            d->Motif = static_cast<std::uint8_t>(doc.styleRemplissage);
            d->Conditions = e.ConditionsRemplissage;
            AjouterElementNomme(doc, std::move(d));
        }
        break;
    default:
        if (const GestionnaireOutil *g = GestionnaireDe(outil); g && g->relachement)
            g->relachement(doc, p, bouton);
        break;
    }
    e.DernierPoint = p;
    res.annulerDisponible = true;
    return res;
}
