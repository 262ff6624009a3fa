// Files of the schema window: opening a schema with its document image,
// loading another picture as document image, saving the schema beside it.

#include "schema/fichier_schema.h"
#include "schema/noms_schema.h"
#include "schema/ui/schema1.h"
#include "schema/ui/vue_schema.h"

#include "commun/erreur.h"
#include "document/ouverture_document.h"

#include <QAction>
#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QScrollBar>

void TSchema1::OuvrirSchema(const QString &chemin)
{
    ArreterAmorcage();
    ChargementEnCours = true;
    const bool modeSchema = EstFichierSchema(chemin);
    const QString nomImage = modeSchema ? CompagnonDeSchema(chemin) : chemin;
    // Both pictures are read before anything is replaced: a missing,
    // damaged or cut file leaves the schema in progress and its picture as
    // they were.
    QString fautif = nomImage;
    QImage image;
    QImage nouveau;
    TEchelle echelle;
    try {
        const auto doc = OuvrirDocument(nomImage, 5);
        image = doc->image.convertToFormat(QImage::Format_RGB32);
        echelle = doc->echelle;
        nouveau = SchemaBlanc(image.size());
        if (modeSchema) {
            fautif = chemin;
            nouveau = LireSchema(chemin, image.size());
        }
    } catch (const ErreurKaptori &) {
        if (Avertir)
            Avertir(tr("Fichier %1 non trouvé").arg(fautif));
        return;
    }
    NomImageDocument = nomImage;
    MettreAJourActions();
    Document->image = std::move(image);
    echelleSchema = echelle;
    schema->image = std::move(nouveau);
    copies.NouveauDocument(Document->image);
    deroul_doc->setValue(0);
    DisposerSchema();
    if (!modeSchema)
        schema->image.fill(pinceau.fond);
    ChargementEnCours = false;
    copies.AppuiSurDocument(schema->image, Document->image);
    schema->Actualiser();
    schemaConserve_ = schema->image;
}

void TSchema1::OuvrirFichierImage(const QString &chemin)
{
    if (!QFileInfo::exists(chemin))
        return;
    ArreterAmorcage();
    try {
        const auto doc = OuvrirDocument(chemin, 5);
        setWindowTitle(chemin);
        deroul_doc->setValue(0);
        Document->image = doc->image.convertToFormat(QImage::Format_RGB32);
        if (schema->image.size() != Document->image.size()) {
            // The schema keeps the picture's size, its drawing at the top-left.
            QImage nouveau = SchemaBlanc(Document->image.size());
            QPainter(&nouveau).drawImage(0, 0, schema->image);
            schema->image = nouveau;
        }
        copies.NouveauDocument(Document->image);
        DisposerSchema();
    } catch (const ErreurKaptori &e) {
        if (Avertir)
            Avertir(e.message());
    }
}

bool TSchema1::EnregistrerSchema()
{
    if (NomImageDocument.isEmpty())
        return false;
    const QString chemin = NomFichierSchema(NomImageDocument);
    try {
        EcrireSchema(chemin, schema->image);
        StatusLine->setText(tr("Schéma enregistré dans %1").arg(chemin));
        schemaConserve_ = schema->image;
        return true;
    } catch (const ErreurKaptori &e) {
        if (Avertir)
            Avertir(e.message());
    }
    return false;
}

bool TSchema1::SchemaNonEnregistre() const
{
    return !schema->image.isNull() && schema->image != schemaConserve_;
}

void TSchema1::MarquerSchemaConserve()
{
    schemaConserve_ = schema->image;
}
