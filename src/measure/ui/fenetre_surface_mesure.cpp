// The measurement of the surface window: the conditions checked and
// grouped, the surface or the objects measured, and the object table shown
// and copied.

#include "measure/ui/fenetre_surface.h"

#include "document/image_document.h"
#include "drawing/ui/etiquette2.h"
#include "measure/mesure_surface.h"
#include "measure/outil_mesure.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QTableWidget>

#include <memory>

void TMesursurf::Mesurer()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Curseur {
        ~Curseur() { QApplication::restoreOverrideCursor(); }
    } curseur;
    if (!EnregistrerOngletCourant())
        return;
    for (int n = 0; n < conditions.NbConditions();) {
        const TCondicoul c = conditions.Conditions()[static_cast<std::size_t>(n)];
        QString question;
        QMessageBox::Icon icone = QMessageBox::Critical;
        if (ConditionImpossible(c)) {
            question = MessageConditionImpossible(n + 1);
        } else if (ConditionToujoursVraie(c)) {
            question = MessageConditionInutile(n + 1);
            icone = QMessageBox::Question;
        }
        if (question.isEmpty()) {
            ++n;
            continue;
        }
        if (demander(icone, question, QMessageBox::Yes | QMessageBox::Abort) != QMessageBox::Yes)
            return;
        if (const auto refus = conditions.SupprimerCondition(n)) {
            demander(QMessageBox::Warning, *refus, QMessageBox::Ok);
            ++n;
        } else {
            // The tabs follow at once: an Abort further on must not leave a
            // tab showing the deleted condition, whose values the next
            // storing would write over the condition that took its place.
            ReconstruireOnglets(std::min(ongletAffiche_, conditions.NbConditions() - 1));
        }
    }
    VerificationParentheses v = conditions.VerifierParenthesesCourantes();
    bool ajouter = false;
    if (v.etat == VerificationParentheses::OuvranteNonFermee) {
        if (demander(QMessageBox::Question, v.Message(), QMessageBox::Yes | QMessageBox::Abort) != QMessageBox::Yes)
            return;
        ajouter = true;
    } else if (v.etat != VerificationParentheses::Correct) {
        demander(QMessageBox::Critical, v.Message(), QMessageBox::Abort);
        return;
    }
    if (const auto refus = conditions.PreparerGroupes(ajouter)) {
        demander(QMessageBox::Critical, *refus, QMessageBox::Abort);
        return;
    }
    AfficherCondition(ongletAffiche_);
    if (!document_ || document_->image.isNull())
        return;
    Labinstruct->hide();
    Labinstruct2->hide();
    if (typeMesure_ == MesureDelimitation) {
        // The options as they are ticked, also while their box is still open.
        LireOptions();
        // A long measurement shows its progress (the progress is only
        // reported after half a second).
        std::unique_ptr<QProgressDialog> avancement;
        const ResultatObjets r = MesurerObjets(*document_, conditions.Groupes(), options, tableau_, [&](int pourcent) {
            if (!avancement) {
                avancement = std::make_unique<QProgressDialog>(tr("Délimitation des objets..."), QString(), 0, 100, this);
                avancement->setWindowModality(Qt::WindowModal);
                avancement->setMinimumDuration(0);
            }
            avancement->setValue(pourcent);
        });
        avancement.reset();
        resultat->setText(r.resultat);
        Resusurf->setCaption(r.resusurf);
        Resusurf->setVisible(r.resusurfVisible);
        AfficherTableau(tableau_);
        TableauTailles->setVisible(options.ResuStat);
        BCopier->setVisible(options.ResuStat);
        actCopier->setVisible(options.ResuStat);
        for (const QString &message : r.messages)
            demander(QMessageBox::Information, message, QMessageBox::Ok);
    } else {
        const ResultatSurface r = MesurerSurface(*document_, conditions.Groupes(), options.CouleurSurface);
        resultat->setText(r.resultat);
        Resusurf->setCaption(r.resusurf);
        Resusurf->setVisible(!r.resusurf.isEmpty());
    }
    if (redessiner_)
        redessiner_();
    if (tailleReduite_)
        Reduire(false);
}

void TMesursurf::AfficherTableau(const ::TableauTailles &tableau)
{
    TableauTailles->setRowCount(tableau.NbLignes());
    for (int ligne = 0; ligne < tableau.NbLignes(); ++ligne)
        for (int c = 0; c < ::TableauTailles::NbColonnes; ++c) {
            auto *cellule = TableauTailles->item(ligne, c);
            if (!cellule) {
                cellule = new QTableWidgetItem;
                TableauTailles->setItem(ligne, c, cellule);
            }
            cellule->setText(tableau.Cellule(c, ligne));
        }
    if (options.ResuStat && tableau.NbLignes() > ::TableauTailles::LignesFixes + 1)
        resize(std::max(width(), 424), std::max(height(), 484));
    else if (options.ResuStat)
        resize(std::max(width(), 410), std::max(height(), 379));
}

void TMesursurf::CopierTableau()
{
    QGuiApplication::clipboard()->setText(tableau_.Texte(windowTitle()));
}
