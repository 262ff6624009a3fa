#pragma once
// The undo copies of the schema window. A press on the schema keeps a copy of
// the schema; a press on the document image keeps both pictures; "Annuler"
// brings back what the last press kept. DocumentIntact is the document image
// as it was loaded, without tracings.

#include <QImage>

struct CopiesAnnulation {
    QImage CopieSchema;
    QImage CopieDocument;
    QImage DocumentIntact;

    void AppuiSurSchema(const QImage &schema) { CopieSchema = schema; }
    void AppuiSurDocument(const QImage &schema, const QImage &document)
    {
        CopieSchema = schema;
        CopieDocument = document;
    }
    // A new document image: it is both the undo copy and the intact one.
    void NouveauDocument(const QImage &document) { CopieDocument = DocumentIntact = document; }
    void Annuler(QImage &schema, QImage &document) const
    {
        schema = CopieSchema;
        document = CopieDocument;
    }
};
