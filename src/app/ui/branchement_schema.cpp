// Wiring of the schema window: "&Schéma" gives it the active document's
// picture, "&Choisir l'image" another document's, and its "&Transférer"
// brings its schema back as a new document "Schéma".

#include "app/ui/boites_message.h"
#include "app/ui/dialogue_ouverture.h"
#include "app/ui/main_window.h"
#include "document/ui/fenetre_document.h"
#include "schema/noms_schema.h"
#include "schema/ui/choix_images.h"
#include "schema/ui/schema1.h"

#include <QAction>
#include <QCoreApplication>
#include <QFileInfo>
#include <QMdiArea>
#include <QPointer>

void TMainForm::BrancherSchema()
{
    Schema1 = new TSchema1(this);
    Schema1->hide();
    Schema1->Avertir = [this](const QString &texte) { MessageAvertissement(Schema1, texte); };
    Schema1->Confirmer = [this](const QString &texte) {
        return AfficherMessage(Schema1, TypeMessage::Avertissement, texte, BoutonsMessage::OuiNon) == QMessageBox::Yes;
    };
    // The picture dialog's filters, without the document files.
    QStringList filtres;
    const QString documents = QCoreApplication::translate("DialogueOuverture", "Fichiers Kaptori") + QStringLiteral(" (");
    for (const QString &f : FiltresOuverture(true))
        if (!f.startsWith(documents))
            filtres << QString(f).remove(QStringLiteral("*.kpt;")).remove(QStringLiteral("*.kpt "));
    Schema1->FiltresImages = filtres;
    Schema1->ChoisirImage = [this](QObject *fenetre) {
        auto *f = qobject_cast<TMDIChild *>(fenetre);
        if (!f || !Documents().contains(f)) {
            MessageAvertissement(Schema1, tr("Cette fenêtre a été fermée depuis : choisissez une autre image."));
            return false;
        }
        Schema1->DefinirImageDocument(f->document().image, f->document().nomFichier);
        return true;
    };

    auto etat = [this] { actSchema->setEnabled(DocumentActif() != nullptr); };
    connect(this, &TMainForm::DocumentActifChange, this, etat);
    etat();

    connect(actSchema, &QAction::triggered, this, [this] {
        TMDIChild *actif = DocumentActif();
        if (!actif)
            return;
        // The schema in progress (the window hidden by its title bar or
        // "Abandonner") is replaced by a blank one: the user says first what
        // becomes of it.
        if (!ConfirmerFermetureSchema() || !Documents().contains(actif))
            return;
        QList<QPair<QString, QPointer<QObject>>> entrees;
        const QList<TMDIChild *> documents = Documents();
        for (int i = 0; i < documents.size(); ++i)
            entrees.append({EntreeChoixImage(i + 1, documents.at(i)->windowTitle()), documents.at(i)});
        Schema1->choixImages->Remplir(entrees);
        const ImageDocument &doc = actif->document();
        if (doc.nomFichier.isEmpty()
            && !MessageConfirmation(this, tr("Il vaut mieux enregistrer l'image avant.\n\nContinuer quand même ?")))
            return;
        Schema1->OuvrirDepuisDocument(doc.image, doc.nomFichier, doc.echelle);
    });

    connect(Schema1, &TSchema1::Cache, this, [this] {
        if (Schema1->Tag != 1)
            return;
        Schema1->Tag = 0;
        TransfererSchema();
    });
}

void TMainForm::TransfererSchema()
{
    const TMDIChild *actif = DocumentActif();
    const TEchelle echelle = actif ? actif->document().echelle : Schema1->echelleSchema;
    auto doc = std::make_unique<ImageDocument>();
    doc->titre = tr("Schéma");
    doc->image = Schema1->imageSchema().convertToFormat(QImage::Format_ARGB32);
    doc->echelle = echelle;
    MontrerNouveauDocument(std::move(doc));
    Schema1->MarquerSchemaConserve();
}

bool TMainForm::ConfirmerFermetureSchema()
{
    if (Schema1 == nullptr || !Schema1->SchemaNonEnregistre())
        return true;
    const bool avecFichier = !Schema1->NomImageDocument.isEmpty();
    const QString question =
        avecFichier ? tr("Enregistrer le schéma dans %1 ?")
                          .arg(QFileInfo(NomFichierSchema(Schema1->NomImageDocument)).fileName())
                    : tr("Le schéma n'est enregistré dans aucun fichier.\r"
                         "Le transférer dans une nouvelle image, pour l'enregistrer ?");
    switch (AfficherMessage(Schema1->isVisible() ? static_cast<QWidget *>(Schema1) : this, TypeMessage::Confirmation,
                            question, BoutonsMessage::OuiNonAnnuler)) {
    case QMessageBox::Yes:
        if (avecFichier)
            return Schema1->EnregistrerSchema();
        TransfererSchema();
        return true;
    case QMessageBox::No: return true;
    default: return false;
    }
}
