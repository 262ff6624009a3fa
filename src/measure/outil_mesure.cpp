#include "measure/outil_mesure.h"

#include "calibration/echelle.h"
#include "document/image_document.h"
#include "drawing/dessin.h"
#include "drawing/rendu_dessin.h"
#include "measure/angle_segments.h"
#include "measure/lecture_position.h"

#include <cstdlib>
#include <cstring>
#include <limits>

namespace {

bool EchelleDeLongueur(const ImageDocument &doc)
{
    return doc.echelle.Mode == TEchelle::Longueur;
}

// Modes whose segment is drawn here; the rectangle of the light measurement
// is drawn by its own window's code.
bool TraceUnSegment(int mode)
{
    return mode != MesureLumiereRectangle;
}

// The band of the intensity profile takes its line whatever the scale.
bool SuitLaLigne(const ImageDocument &doc)
{
    return EchelleDeLongueur(doc) || doc.modeMesure == MesureLumiereBande;
}

std::int16_t Coord(int v)
{
    return static_cast<std::int16_t>(qBound(int(std::numeric_limits<std::int16_t>::min()), v,
                                            int(std::numeric_limits<std::int16_t>::max())));
}

void DessinerSegment(ImageDocument &doc, QPoint a, QPoint b, bool fleche, const PlumeMesure &plume)
{
    TDessin trait;
    trait.Genre = GenreTrait;
    trait.X1 = Coord(a.x());
    trait.Y1 = Coord(a.y());
    trait.X2 = Coord(b.x());
    trait.Y2 = Coord(b.y());
    trait.Epaisseur = static_cast<std::uint8_t>(qBound(0, plume.epaisseur, 255));
    trait.Couleur = plume.couleur;
    trait.Style = static_cast<std::uint8_t>(plume.style == 0 ? 0 : 1);
    trait.Fleche = fleche ? 1 : 0;
    Dessiner(trait, doc.image, doc.coucheProvisoire);
    // Thick strokes are drawn as parallel lines up to the width away, and the
    // arrow heads reach 2 × width + 7 further with a pen of 2 × width + 1.
    const int marge = 4 * int(trait.Epaisseur) + 16;
    doc.mesure.zoneTracee |= QRect(a, b).normalized().adjusted(-marge, -marge, marge, marge);
}

// Clears the part of the layer the tool drew on, or the whole layer at the
// start of a gesture: on a large picture a full clear on every pointer move
// would rewrite hundreds of megabytes per second.
void EffacerTrace(ImageDocument &doc)
{
    QImage &couche = doc.coucheProvisoire;
    QRect &zone = doc.mesure.zoneTracee;
    if (zone.isEmpty()) {
        couche.fill(Qt::transparent);
    } else {
        const QRect r = zone & couche.rect();
        if (!r.isEmpty()) {
            const std::size_t octets = std::size_t(r.width()) * sizeof(QRgb);
            for (int y = r.top(); y <= r.bottom(); ++y)
                std::memset(couche.scanLine(y) + std::size_t(r.left()) * sizeof(QRgb), 0, octets);
        }
    }
    zone = QRect();
}

// The measured segments are all the provisional layer holds while the tool
// works, so it is cleared and they are drawn again.
void RedessinerSegments(ImageDocument &doc, QPoint p, const PlumeMesure &plume)
{
    if (doc.CreerCoucheProvisoire(doc.alphaProvisoire))
        doc.mesure.zoneTracee = QRect();
    EffacerTrace(doc);
    EtatMesure &m = doc.mesure;
    if (doc.modeMesure == MesureAngle) {
        if (m.premierSegmentFait) {
            DessinerSegment(doc, m.a, m.b, true, plume);
            DessinerSegment(doc, m.c, p, true, plume);
        } else {
            DessinerSegment(doc, m.a, p, true, plume);
        }
    } else {
        DessinerSegment(doc, m.pointAppui, p, false, plume);
    }
}

void LireAngle(ImageDocument &doc, QPoint d, ReactionMesure &r)
{
    EtatMesure &m = doc.mesure;
    m.d = d;
    const AngleSegments angle = AngleEntreSegments(m.a, m.b, m.c, m.d);
    m.dernierAngle = angle.angle;
    m.intersection = angle.intersection;
    m.texteMesure = TexteAngle(angle.angle);
    r.afficherTexte = true;
}

void LirePositionDans(ImageDocument &doc, QPoint p, ReactionMesure &r)
{
    const LecturePosition l = LirePosition(doc, p.x(), p.y());
    r.afficherTexte = true;
    r.erreurRayon = l.erreurRayon;
    r.erreurAngle = l.erreurAngle;
    r.repereLu = l.valeursRepere.has_value();
}

} // namespace

ReactionMesure AppuyerMesure(ImageDocument &doc, QPoint p, const PlumeMesure &)
{
    ReactionMesure r;
    EtatMesure &m = doc.mesure;
    m.pointAppui = p;
    m.pointCourant = p;
    // Other tools may have drawn on the provisional layer since the last
    // gesture: the first redraw of this one clears it whole.
    m.zoneTracee = QRect();
    if (doc.modeMesure != MesureAngle) {
        LirePositionDans(doc, p, r);
        return r;
    }
    if (m.premierSegmentFait)
        m.c = p;
    else
        m.a = p;
    return r;
}

ReactionMesure DeplacerMesure(ImageDocument &doc, QPoint p, bool boutonGauche, const PlumeMesure &plume)
{
    ReactionMesure r;
    EtatMesure &m = doc.mesure;
    if (!SuitLaLigne(doc)) {
        if (doc.modeMesure != MesureAngle)
            LirePositionDans(doc, p, r);
        return r;
    }
    if (!boutonGauche) {
        if (!EchelleDeLongueur(doc))
            LirePositionDans(doc, p, r);
        return r;
    }
    m.pointCourant = p;
    if (doc.modeMesure == MesureAngle) {
        RedessinerSegments(doc, p, plume);
        r.coucheModifiee = true;
        if (m.premierSegmentFait)
            LireAngle(doc, p, r);
        return r;
    }
    if (EchelleDeLongueur(doc)) {
        m.texteMesure = TexteLongueur(doc.echelle, m.pointAppui, p);
        r.afficherTexte = true;
        r.longueur = LongueurMesuree(doc.echelle, m.pointAppui, p);
    } else {
        // The band's line follows the pointer; the readout stays the position.
        LirePositionDans(doc, p, r);
    }
    if (TraceUnSegment(doc.modeMesure)) {
        RedessinerSegments(doc, p, plume);
        r.coucheModifiee = true;
    }
    return r;
}

ReactionMesure RelacherMesure(ImageDocument &doc, QPoint p, const PlumeMesure &plume)
{
    ReactionMesure r;
    if (!SuitLaLigne(doc))
        return r;
    EtatMesure &m = doc.mesure;
    m.pointCourant = p;
    if (doc.modeMesure != MesureAngle) {
        if (TraceUnSegment(doc.modeMesure)) {
            RedessinerSegments(doc, p, plume);
            r.coucheModifiee = true;
        }
        if (EchelleDeLongueur(doc))
            r.longueur = LongueurMesuree(doc.echelle, m.pointAppui, p);
        return r;
    }

    RedessinerSegments(doc, p, plume);
    r.coucheModifiee = true;
    if (!m.premierSegmentFait) {
        m.b = p;
        m.premierSegmentFait = std::abs(m.b.x() - m.a.x()) > 9 || std::abs(m.b.y() - m.a.y()) > 9;
        return r;
    }
    LireAngle(doc, p, r);
    m.premierSegmentFait = false;
    const QPoint i = m.intersection;
    if (i != EtatMesure::SansIntersection && i.x() >= 0 && i.y() >= 0 && i.x() <= doc.largeur()
        && i.y() <= doc.hauteur())
        PoserEmbout(CreerEmbout(qBound(0, plume.epaisseur, 11), plume.couleur), doc.coucheProvisoire, i.x(), i.y());
    return r;
}

bool AttendSecondSegment(const ImageDocument &doc)
{
    return doc.modeMesure == MesureAngle && doc.mesure.premierSegmentFait;
}
