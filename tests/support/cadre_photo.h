#pragma once
// A frame shown at 1100 × 800 for tests that drive commands with the pointer
// over pictures: the running frame of EssaiCadre (its own current folder,
// message boxes recorded), the program's drawing settings back to their
// defaults, decimal commas, and the sample photo opened on demand.

#include "document/ui/fenetre_document.h"
#include "drawing/reglages_dessin.h"
#include "support/essai_cadre.h"
#include "support/separateur.h"

#include <QApplication>
#include <QPoint>
#include <QPointF>

class CadrePhoto : public EssaiCadre {
protected:
    void SetUp() override
    {
        EssaiCadre::SetUp();
        ReglagesDessinProgramme() = ReglagesDessin{};
        cadre_ = std::make_unique<TMainForm>();
        cadre_->resize(1100, 800);
        cadre_->show();
    }

    // data/photo.jpg (480 × 320, 0,25 mm a pixel) opened in the frame.
    TMDIChild *Photo()
    {
        EXPECT_TRUE(cadre_->OuvrirImage(qEnvironmentVariable("KAPTORI_DATA") + QStringLiteral("/photo.jpg"), 0));
        QApplication::processEvents();
        return cadre_->DocumentActif();
    }

    // The view point over image pixel `pixel` at the document's zoom.
    QPoint Ecran(TMDIChild *f, QPoint pixel)
    {
        const QPointF o = f->vue()->OrigineImage();
        const double z = f->document().zoom;
        return QPoint(static_cast<int>(o.x() + pixel.x() * z), static_cast<int>(o.y() + pixel.y() * z));
    }

    SeparateurTemporaire sep{QLatin1Char(',')};
};
