#pragma once
// Opening a document file (".kpt") into a document: what the file holds
// replaces the document's free lines, elements, scale, colour code and image,
// and the drawing layer is rebuilt from the elements.

#include "document/fichier_document.h"

#include <QString>

class ImageDocument;

// Puts what a document file held into a document: free lines, elements,
// scale, colour code and image; nomFichier and the caption become chemin;
// the drawing and provisional layers are emptied, for the drawing layer to be
// rebuilt from the elements.
void InstallerContenuDocument(ImageDocument &document, ContenuDocument &&contenu, const QString &chemin);

// Reads the file, then InstallerContenuDocument; for the "non" encoding the
// saved background colour becomes the program's (ReglagesDessinProgramme);
// the drawing layer is rebuilt from the elements. The file is read whole
// before the document is touched: a file that cannot be read throws
// (ErreurFichier, ErreurDecodage) and leaves the document as it was.
void ChargerFichierDocument(ImageDocument &document, const QString &chemin);
