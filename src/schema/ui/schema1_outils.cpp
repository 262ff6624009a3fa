// The schema window's tools: the choice of a tool, and each tool under the
// pointer. On the schema: pencil, line, shape, eraser, text and fill. On the
// document image: pencil (drawn there too while "Tracer sur le document" is
// checked), line and shape (drawn on both pictures); the other tools do
// nothing there.

#include "schema/ui/schema1.h"
#include "schema/ui/vue_schema.h"

#include <QAction>
#include <QColorDialog>
#include <QFontDialog>
#include <QLineEdit>
#include <QPainter>
#include <QToolBar>
#include <QToolButton>

namespace {

VueSchema::Elastique GenreElastique(int outil, bool ellipse)
{
    if (outil == 1)
        return VueSchema::Elastique::Ligne;
    if (outil == 2)
        return ellipse ? VueSchema::Elastique::Ellipse : VueSchema::Elastique::Rectangle;
    return VueSchema::Elastique::Aucun;
}

} // namespace

void TSchema1::ChoisirOutil(int outil)
{
    if (outil < 0 || outil >= static_cast<int>(outils.size()) || !outils[static_cast<std::size_t>(outil)])
        return;
    OutilSchema = outil;
    outils[static_cast<std::size_t>(outil)]->setChecked(true);
    // A widget of a tool bar shows or hides through its action there.
    const auto montrer = [](QWidget *w, bool visible) {
        if (auto *barre = qobject_cast<QToolBar *>(w->parentWidget()))
            for (QAction *a : barre->actions())
                if (barre->widgetForAction(a) == w)
                    a->setVisible(visible);
    };
    montrer(ChoixFonte, outil == 4);
    montrer(ChoixForme, outil == 2);
    montrer(choixRemplis, outil == 2);
    if (outil == 4) {
        editexte->setFont(fonteSchema);
        editexte->setFixedHeight(QFontMetrics(fonteSchema).height() + 2);
        TexteEnAttente = true;
    } else {
        editexte->hide();
    }
}

void TSchema1::BrancherOutils()
{
    connect(schema, &VueSchema::Appui, this, &TSchema1::AppuiSchema);
    connect(schema, &VueSchema::Deplacement, this, &TSchema1::DeplacementSchema);
    connect(schema, &VueSchema::Relachement, this, &TSchema1::RelachementSchema);
    connect(Document, &VueSchema::Appui, this, &TSchema1::AppuiDocument);
    connect(Document, &VueSchema::Deplacement, this, &TSchema1::DeplacementDocument);
    connect(Document, &VueSchema::Relachement, this, &TSchema1::RelachementDocument);
}

void TSchema1::AppuiSchema(QPoint p, Qt::MouseButton bouton)
{
    if (ChargementEnCours)
        return;
    copies.AppuiSurSchema(schema->image);
    PointAppui = PointFin = p;
    glisse_ = bouton == Qt::LeftButton;
    switch (OutilSchema) {
    case 0:
        PointCrayon(schema->image, p, pinceau.couleur, pinceau.epaisseur);
        break;
    case 3:
        PointCrayon(schema->image, p, pinceau.fond, pinceau.epaisseur);
        break;
    case 4:
        if (TexteEnAttente) {
            TexteEnAttente = false;
            editexte->show();
        } else {
            EcrireTexte(schema->VersImage(editexte->pos()));
        }
        editexte->move(schema->VersWidget(p));
        editexte->setFocus();
        break;
    case 6:
        RemplirZone(schema->image, p, bouton == Qt::LeftButton ? pinceau.couleur : pinceau.fond);
        break;
    default:
        break;
    }
    schema->Actualiser();
}

void TSchema1::DeplacementSchema(QPoint p, Qt::MouseButtons boutons)
{
    if (ChargementEnCours || !glisse_ || !(boutons & Qt::LeftButton))
        return;
    switch (OutilSchema) {
    case 0:
    case 3:
        SegmentCrayon(schema->image, PointAppui, p, OutilSchema == 0 ? pinceau.couleur : pinceau.fond,
                      pinceau.epaisseur);
        PointAppui = p;
        break;
    case 1:
    case 2:
        schema->DefinirElastique(GenreElastique(OutilSchema, Ellipse), PointAppui, p);
        break;
    case 4:
        editexte->move(schema->VersWidget(p));
        break;
    default:
        break;
    }
    PointFin = p;
    schema->Actualiser();
}

void TSchema1::RelachementSchema(QPoint p, Qt::MouseButton bouton)
{
    if (ChargementEnCours || !glisse_ || bouton != Qt::LeftButton)
        return;
    glisse_ = false;
    PointFin = p;
    schema->DefinirElastique(VueSchema::Elastique::Aucun);
    if (OutilSchema == 1)
        LigneSchema(schema->image, PointAppui, PointFin, pinceau);
    else if (OutilSchema == 2)
        FormeSchema(schema->image, PointAppui, PointFin, Ellipse, Remplissage, pinceau);
    schema->Actualiser();
}

void TSchema1::AppuiDocument(QPoint p, Qt::MouseButton bouton)
{
    ChargementEnCours = false;
    copies.AppuiSurDocument(schema->image, Document->image);
    PointAppui = PointFin = p;
    glisse_ = bouton == Qt::LeftButton;
    if (OutilSchema == 0) {
        PointCrayon(schema->image, p, pinceau.couleur, pinceau.epaisseur);
        if (actTracer->isChecked())
            PointCrayon(Document->image, p, pinceau.couleur, pinceau.epaisseur);
    }
    schema->Actualiser();
    Document->Actualiser();
}

void TSchema1::DeplacementDocument(QPoint p, Qt::MouseButtons boutons)
{
    if (ChargementEnCours || !glisse_ || !(boutons & Qt::LeftButton))
        return;
    if (OutilSchema == 0) {
        SegmentCrayon(schema->image, PointAppui, p, pinceau.couleur, pinceau.epaisseur);
        if (actTracer->isChecked())
            SegmentCrayon(Document->image, PointAppui, p, pinceau.couleur, pinceau.epaisseur);
        PointAppui = p;
    } else if (OutilSchema == 1 || OutilSchema == 2) {
        Document->DefinirElastique(GenreElastique(OutilSchema, Ellipse), PointAppui, p);
    }
    PointFin = p;
    schema->Actualiser();
    Document->Actualiser();
}

void TSchema1::RelachementDocument(QPoint p, Qt::MouseButton bouton)
{
    if (!glisse_ || bouton != Qt::LeftButton)
        return;
    glisse_ = false;
    PointFin = p;
    Document->DefinirElastique(VueSchema::Elastique::Aucun);
    if (OutilSchema == 1) {
        LigneSchema(Document->image, PointAppui, PointFin, pinceau);
        LigneSchema(schema->image, PointAppui, PointFin, pinceau);
    } else if (OutilSchema == 2) {
        // A hatched shape drawn from the document image has a solid outline.
        PinceauSchema p2 = pinceau;
        if (Remplissage == Rayure1 || Remplissage == Rayure2)
            p2.tirets = false;
        FormeSchema(Document->image, PointAppui, PointFin, Ellipse, Remplissage, p2);
        FormeSchema(schema->image, PointAppui, PointFin, Ellipse, Remplissage, p2);
    }
    schema->Actualiser();
    Document->Actualiser();
}

void TSchema1::EcrireTexte(QPoint position)
{
    const QString texte = editexte->text();
    if (texte.isEmpty())
        return;
    QPainter peintre(&schema->image);
    peintre.setFont(editexte->font());
    const QFontMetrics mesures(editexte->font());
    const QRect cadre(position, QSize(mesures.horizontalAdvance(texte), mesures.height()));
    if (FondColore)
        peintre.fillRect(cadre, QColor::fromRgb(pinceau.fond));
    peintre.setPen(QColor::fromRgb(pinceau.couleur));
    peintre.drawText(cadre, Qt::AlignLeft | Qt::AlignTop | Qt::TextSingleLine, texte);
    peintre.end();
    schema->Actualiser();
}

void TSchema1::ChoisirCouleur(bool fond)
{
    const QColor c = QColorDialog::getColor(QColor::fromRgb(fond ? pinceau.fond : pinceau.couleur), this,
                                            fond ? tr("Couleur du fond") : tr("Couleur"),
                                            QColorDialog::DontUseNativeDialog);
    if (!c.isValid())
        return;
    (fond ? pinceau.fond : pinceau.couleur) = c.rgb() | 0xFF000000u;
    AfficherPinceau();
}

void TSchema1::ChoisirFonte()
{
    bool ok = false;
    const QFont f = QFontDialog::getFont(&ok, fonteSchema, this, tr("Fonte du schéma"),
                                         QFontDialog::DontUseNativeDialog);
    if (!ok)
        return;
    fonteSchema = f;
    editexte->setFont(f);
    editexte->setFixedHeight(QFontMetrics(f).height() + 2);
}
