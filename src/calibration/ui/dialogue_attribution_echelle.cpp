#include "calibration/ui/dialogue_attribution_echelle.h"

#include "calibration/echelles_standard.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

Tdemandpi::Tdemandpi(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Attribution d'une échelle"));
    setModal(true);
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto *l = new QVBoxLayout(this);
    Scan = new QRadioButton(tr("d'après la résolution du scanner"), this);
    titreResolution_ = new QLabel(tr("Résolution (dpi)"), this);
    QFont gras = titreResolution_->font();
    gras.setBold(true);
    titreResolution_->setFont(gras);
    resolution = new QSpinBox(this);
    resolution->setRange(0, 100000);
    resolution->setValue(300);
    rappel = new QRadioButton(tr("Echelle déjà mémorisée (à choisir)"), this);
    Listechelle = new QComboBox(this);
    adefinir = new QRadioButton(tr("Echelle à définir"), this);
    adefinir->setChecked(true);
    l->addWidget(Scan);
    l->addWidget(titreResolution_);
    l->addWidget(resolution);
    l->addSpacing(8);
    l->addWidget(rappel);
    l->addWidget(Listechelle);
    l->addSpacing(8);
    l->addWidget(adefinir);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    l->addWidget(boutons);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    for (QRadioButton *b : {Scan, rappel, adefinir})
        connect(b, &QRadioButton::toggled, this, &Tdemandpi::MettreAJour);
    // Clicking the list chooses a remembered scale.
    connect(Listechelle, QOverload<int>::of(&QComboBox::activated), this, [this] { rappel->setChecked(true); });
    MettreAJour();
}

void Tdemandpi::Preparer(const EchellesStandard &liste)
{
    Listechelle->clear();
    Listechelle->addItems(liste.noms);
    if (!liste.noms.isEmpty())
        Listechelle->setCurrentIndex(qBound(0, liste.DerniereEchelleChoisie, int(liste.noms.size()) - 1));
    adefinir->setChecked(true);
    MettreAJour();
}

void Tdemandpi::PreparerAcquisition(const EchellesStandard &liste, int dpi)
{
    Preparer(liste);
    resolution->setValue(std::max(dpi, 0));
    if (!liste.noms.isEmpty())
        Scan->setChecked(true);
    MettreAJour();
}

void Tdemandpi::MettreAJour()
{
    resolution->setEnabled(Scan->isChecked());
    titreResolution_->setEnabled(Scan->isChecked());
    rappel->setEnabled(Listechelle->count() > 0);
    // The list stays clickable while it holds names, so that a click can choose it.
    Listechelle->setEnabled(Listechelle->count() > 0);
}

Tdemandpi::Choix Tdemandpi::choix() const
{
    if (Scan->isChecked())
        return Choix::Scanner;
    if (rappel->isChecked() && Listechelle->count() > 0)
        return Choix::Rappel;
    return Choix::ADefinir;
}

int Tdemandpi::indexChoisi() const
{
    return Listechelle->currentIndex();
}

ResultatAttribution AppliquerAttribution(bool accepte, Tdemandpi::Choix choix, int dpi, int index,
                                         EchellesStandard &liste)
{
    ResultatAttribution r;
    r.echelle = EchelleParDefaut();
    r.annulee = !accepte;
    if (!accepte)
        return r;
    switch (choix) {
    case Tdemandpi::Choix::Scanner:
        r.echelle = EchelleDeResolution(dpi);
        break;
    case Tdemandpi::Choix::Rappel:
        if (index >= 0 && index < liste.taille()) {
            r.echelle = liste.echelles[std::size_t(index)];
            liste.DerniereEchelleChoisie = index;
        }
        break;
    case Tdemandpi::Choix::ADefinir:
        r.ouvrirFenetre = true;
        break;
    }
    return r;
}
