#include "app/ui/gestimp.h"
#include "app/ui/main_window.h"
#include "document/ui/fenetre_document.h"
#include "document/image_document.h"

#include <QAction>

// "Imprimer" prints the active document with its layers, flattened once the
// layout is chosen; without an active document it does nothing.
void TMainForm::BrancherImpression()
{
    actImprimer->setEnabled(true);
    connect(actImprimer, &QAction::triggered, this, [this] {
        TMDIChild *fenetre = DocumentActif();
        if (!fenetre)
            return;
        const QImage &image = fenetre->document().image;
        if (image.isNull() || image.width() <= 0)
            return;
        const double rapport = static_cast<double>(image.height()) / image.width();
        // The preview shows what is printed: the picture with its drawings.
        const QImage aplatie = fenetre->document().Aplatir();
        ImprimerImage(this, rapport, [aplatie] { return aplatie; }, aplatie);
    });
}
