// The conditions of the surface window: one tab per condition, its values
// shown and stored as the tabs change, and the conditions filled from a
// press of the measuring tool on the image.

#include "measure/ui/fenetre_surface.h"

#include "document/dessins_document.h"
#include "document/image_document.h"
#include "drawing/rendu_dessin.h"
#include "drawing/tester_pixel.h"

#include <QComboBox>
#include <QPainter>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>

namespace {

constexpr int ModeManuel = 0;

} // namespace

void TMesursurf::ReconstruireOnglets(int afficher)
{
    changementInterne_ = true;
    while (onglets->count() > conditions.NbConditions())
        onglets->removeTab(onglets->count() - 1);
    while (onglets->count() < conditions.NbConditions())
        onglets->addTab(NomOnglet(onglets->count() + 1));
    afficher = std::clamp(afficher, 0, conditions.NbConditions() - 1);
    onglets->setCurrentIndex(afficher);
    changementInterne_ = false;
    AfficherCondition(afficher);
}

void TMesursurf::AfficherCondition(int n)
{
    if (n < 0 || n >= conditions.NbConditions())
        return;
    ongletAffiche_ = n;
    const TCondicoul &c = conditions.Conditions()[static_cast<std::size_t>(n)];
    const bool avant = changementInterne_;
    changementInterne_ = true;
    ChoixLien->setCurrentIndex(std::min<int>(c.Liaison, 3));
    const int position = PositionComposante(c.Composante);
    ChoixComposante->setCurrentIndex(position < ChoixComposante->count() ? position : 0);
    const int haut = MaxiComposante(c.Composante);
    ChoixValMin->setRange(0, haut);
    ChoixValmax->setRange(0, haut);
    ChoixValMin->setValue(c.Mini);
    ChoixValmax->setValue(c.Maxi);
    ChoixPar->setCurrentIndex(conditions.Parentheses()[static_cast<std::size_t>(n)]);
    changementInterne_ = avant;
    BAnnule->setEnabled(conditions.AnnulePossible());
}

bool TMesursurf::EnregistrerOngletCourant()
{
    TCondicoul c;
    c.Liaison = static_cast<std::uint8_t>(ChoixLien->currentIndex());
    c.Composante = static_cast<std::uint8_t>(CodeComposante(std::max(0, ChoixComposante->currentIndex())));
    c.Mini = static_cast<std::uint16_t>(ChoixValMin->value());
    c.Maxi = static_cast<std::uint16_t>(ChoixValmax->value());
    if (ConditionImpossible(c)) {
        demander(QMessageBox::Warning, tr("Condition impossible !"), QMessageBox::Ok);
        return false;
    }
    if (c != conditions.Conditions()[static_cast<std::size_t>(ongletAffiche_)] && ConditionToujoursVraie(c)
        && demander(QMessageBox::Warning, tr("Condition toujours vraie !") + QLatin1Char('\r') + tr("La maintenir ?"),
                    QMessageBox::Yes | QMessageBox::Abort)
               != QMessageBox::Yes)
        return false;
    conditions.DefinirCondition(ongletAffiche_, c, ChoixPar->currentIndex());
    return true;
}

void TMesursurf::ChangerOnglet(int n)
{
    if (!EnregistrerOngletCourant()) {
        changementInterne_ = true;
        onglets->setCurrentIndex(ongletAffiche_);
        changementInterne_ = false;
        return;
    }
    AfficherCondition(n);
}

void TMesursurf::ClicImage(int x, int y, const QImage &pointe)
{
    if (!document_ || ChoixMode->currentIndex() == ModeManuel || document_->image.isNull())
        return;
    ImageDocument &doc = *document_;
    conditions.SauverAnnulation();
    doc.CreerCoucheProvisoire(doc.alphaProvisoire);
    {
        QPainter p(&doc.coucheProvisoire);
        p.drawImage(x - DecalagePointe, y - DecalagePointe, pointe);
    }
    const std::vector<QRgb> zone = PixelsZone(doc.image, doc.coucheProvisoire, x, y);
    if (zone.empty())
        return;
    conditions.effet = static_cast<EffetClic>(ChoixAuto->currentIndex());
    std::optional<QString> refus;
    switch (ChoixMode->currentIndex()) {
    case 1: {
        const auto [mini, maxi] = BornesRVB(zone);
        refus = conditions.AjouterConditionsRVB(mini, maxi);
        break;
    }
    case 2: {
        const BornesTsl b = BornesTSL(zone);
        refus = conditions.AjouterConditionsTSL(b.teinteMin, b.saturationMin, b.luminositeMin, b.teinteMax,
                                                b.saturationMax, b.luminositeMax);
        break;
    }
    default: {
        // Channel modes: the bytes of the planes over the zone's pixels.
        const PlansCanaux plans = PlansDuDocument(doc);
        std::vector<int> indices;
        if (ChoixMode->currentIndex() == 3) {
            for (const int c : {doc.canalBleu, doc.canalVert, doc.canalRouge})
                if (c >= 0 && c < static_cast<int>(plans.plans.size()))
                    indices.push_back(c);
        } else {
            for (int c = 0; c < static_cast<int>(plans.plans.size()); ++c)
                indices.push_back(c);
        }
        if (indices.empty())
            return;
        const BornesCanaux b = BornesCanauxZone(plans, indices, doc.coucheProvisoire, x, y);
        refus = ChoixMode->currentIndex() == 3 ? conditions.AjouterConditionsCanauxAffiches(indices, b.minis, b.maxis)
                                               : conditions.AjouterConditionsCanaux(b.minis, b.maxis);
    }
    }
    if (redessiner_)
        redessiner_();
    if (refus) {
        demander(QMessageBox::Warning, *refus, QMessageBox::Ok);
        return;
    }
    BAnnule->setEnabled(true);
    ReconstruireOnglets(conditions.modeInclure ? 0 : conditions.NbConditions() - 1);
}
