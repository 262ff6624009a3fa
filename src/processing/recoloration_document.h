#pragma once
// The "Couleurs" document that the colour-code window's OK makes when one of
// its two recolouring boxes is checked: a copy of the active document with
// the new code and the source's scale, whose picture is put in line with the
// code. The source is left as it was.

#include "document/image_document.h"
#include "processing/classes_couleurs.h"

#include <memory>

// The copy: the source's picture and scale, the code given.
[[nodiscard]] std::unique_ptr<ImageDocument> DocumentCouleurs(const ImageDocument &source, const TCodeCouleur &code);

// True when the grey levels of a table code are to be cut into classes
// through the classes window rather than painted directly.
[[nodiscard]] bool RecolorationParClasses(const TCodeCouleur &code, bool niveauxGris);

// Every other case: AlignerTeintes, or the picture turned to grey levels and
// ColorerNiveauxGris. Throws ErreurKaptori (the picture as far as it got: the
// grey copy for niveauxGris) when the code cannot be used.
void RecolorerDocument(ImageDocument &couleurs, bool aligner, bool niveauxGris);

// A table code with niveauxGris: the classes get the histogram of the
// picture's grey levels, one class per entry in the entry's colour, the
// surface factor of its scale and equal widths. The picture itself is left as
// it is, so that a cancelled choice keeps the plain copy.
[[nodiscard]] ClassesCouleurs PreparerClassesDocument(const ImageDocument &couleurs);

// The classes chosen: the picture is turned to grey levels and painted, and
// the code's labels become the intervals, vmin and vmax being the values of
// levels 0 and 255.
void AppliquerClassesDocument(ImageDocument &couleurs, const ClassesCouleurs &classes, double vmin, double vmax);
