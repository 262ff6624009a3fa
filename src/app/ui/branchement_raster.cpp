// Multichannel raster files in the frame. Opening one goes through the frame's
// opening (the file is read before any window exists, so a failing reader
// leaves none behind) and the colour-code subsystem shows the decoding panel;
// here the warnings of the reader (a file shorter than its header says, a
// channel file skipped) are shown once the document window is there.

#include "app/ui/boites_message.h"
#include "app/ui/main_window.h"
#include "document/ui/fenetre_document.h"
#include "document/image_document.h"

void TMainForm::BrancherRaster()
{
    connect(this, &TMainForm::DocumentOuvert, this, [this](TMDIChild *fenetre, bool raster) {
        if (!raster || !fenetre)
            return;
        ImageDocument &document = fenetre->document();
        if (document.avertissementsOuverture.isEmpty())
            return;
        const QString texte = document.avertissementsOuverture.join(QLatin1Char('\r'));
        document.avertissementsOuverture.clear();
        MessageAvertissement(this, texte);
    });
}
