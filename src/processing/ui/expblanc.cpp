#include "processing/ui/expblanc.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TExpblanc::TExpblanc(QWidget *parent) : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Ajustement du blanc"));
    auto *l = new QVBoxLayout(this);
    l->addWidget(new QLabel(tr("Délimiter,  avec la souris,") + QLatin1Char('\n') + tr("un rectangle sur une zone") +
                                QLatin1Char('\n') + tr("blanche de l'image,") + QLatin1Char('\n') + tr("Puis cliquer sur OK"),
                            this));
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    l->addWidget(boutons);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    setModal(false);
}
