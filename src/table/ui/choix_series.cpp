#include "table/ui/choix_series.h"

#include "table/ui/saisie_mult.h"

#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

TChoix_series::TChoix_series(QWidget *parent) : QDialog(parent)
{
    setObjectName(QStringLiteral("Choix_series"));
    setWindowTitle(tr("Choix avant de lancer la série de mesures"));
    setModal(true);

    auto *groupeComposante = new QGroupBox(tr(" Composante à mesurer "));
    auto *gc = new QVBoxLayout(groupeComposante);
    const char *noms[] = {"Rouge", "Verte", "Bleue", "Luminosité"};
    for (int i = 0; i < 4; ++i) {
        composantes[static_cast<std::size_t>(i)] = new QRadioButton(tr(noms[i]));
        gc->addWidget(composantes[static_cast<std::size_t>(i)]);
    }
    composantes[0]->setChecked(true);

    auto *groupeX = new QGroupBox(tr(" Variable X (abscisse) "));
    auto *gx = new QGridLayout(groupeX);
    auto *note = new QLabel(tr("C'est la variable attribuée à chaque fichier"));
    note->setWordWrap(true);
    gx->addWidget(note, 0, 0, 1, 2);
    grandeur = new QLineEdit(tr("temps"));
    unite = new QLineEdit(tr("min"));
    auto nombre = [] {
        auto *n = new QDoubleSpinBox;
        n->setRange(-1e9, 1e9);
        n->setDecimals(3);
        n->setLocale(LocaleNombres());
        n->setValue(0);
        return n;
    };
    premier = nombre();
    ecart = nombre();
    gx->addWidget(new QLabel(tr("Grandeur :")), 1, 0);
    gx->addWidget(grandeur, 1, 1);
    gx->addWidget(new QLabel(tr("unité :")), 2, 0);
    gx->addWidget(unite, 2, 1);
    gx->addWidget(new QLabel(tr("Valeur correspondant au premier\nfichier")), 3, 0);
    gx->addWidget(premier, 3, 1);
    gx->addWidget(new QLabel(tr("Ecart de valeur entre deux fichiers\n(si cet écart est régulier)")), 4, 0);
    gx->addWidget(ecart, 4, 1);

    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *v = new QVBoxLayout(this);
    auto *h = new QHBoxLayout;
    h->addWidget(groupeComposante);
    h->addWidget(groupeX, 1);
    v->addLayout(h);
    v->addWidget(boutons);
}

void TChoix_series::Completer(ParametresSerie &p) const
{
    for (int i = 0; i < 4; ++i)
        if (composantes[static_cast<std::size_t>(i)]->isChecked())
            p.composante = i;
    p.grandeurX = grandeur->text();
    p.uniteX = unite->text();
    p.premier = premier->value();
    p.ecart = ecart->value();
}
