#include "app/main_window.h"

#include <QMdiArea>
#include <QStatusBar>

TMainForm::TMainForm(QWidget *parent)
    : QMainWindow(parent), zone_(new QMdiArea(this))
{
    setWindowTitle(tr("KAPTORI"));
    zone_->setBackground(palette().brush(QPalette::Dark));
    setCentralWidget(zone_);
    statusBar();

    BrancherDocuments();
    BrancherDessin();
    BrancherTextes();
    BrancherEchelle();
    BrancherCodeCouleur();
    BrancherRaster();
    BrancherImpression();
    BrancherEnregistrement();
}
