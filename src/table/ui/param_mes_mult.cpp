#include "table/ui/param_mes_mult.h"

#include "table/ui/saisie_mult.h"

#include <QButtonGroup>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include <cmath>
#include <limits>

TParamMesMult::TParamMesMult(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("ParamMesMult"));
    setWindowTitle(tr("Paramètres pour les mesures multiples"));

    titreTab = new QLineEdit;
    auto *ligneTitre = new QHBoxLayout;
    ligneTitre->addWidget(new QLabel(tr("Titre du tableau")));
    ligneTitre->addWidget(titreTab);

    auto *groupeX = new QGroupBox(tr("Variable en abscisse (X)"));
    GrandXtab = new QLineEdit;
    UnitXTab = new QLineEdit;
    incrementX = new QDoubleSpinBox;
    incrementX->setRange(-1e9, 1e9);
    incrementX->setDecimals(0);
    incrementX->setValue(1);
    libelleIncrement = new QLabel(tr("Incrément  "));
    entier = new QRadioButton(tr("Entier"));
    reel = new QRadioButton(tr("Réel"));
    entier->setChecked(true);
    auto *groupeNombre = new QButtonGroup(this);
    groupeNombre->addButton(entier);
    groupeNombre->addButton(reel);
    RxSpinEdit2 = new QSpinBox;
    RxSpinEdit2->setRange(0, 6);
    RxSpinEdit2->findChild<QLineEdit *>()->setReadOnly(true);
    libelleDecimales = new QLabel(tr("Nombre de décimales"));
    groupeMode = new QGroupBox(tr(" Mode "));
    auto *gm = new QGridLayout(groupeMode);
    const char *noms[] = {"Ajouter", "Soustraire", "Multiplier", "Diviser"};
    auto *groupeModes = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        modes[static_cast<std::size_t>(i)] = new QRadioButton(tr(noms[i]));
        groupeModes->addButton(modes[static_cast<std::size_t>(i)]);
        gm->addWidget(modes[static_cast<std::size_t>(i)], i % 2, i / 2);
    }
    modes[0]->setChecked(true);
    auto *gx = new QGridLayout(groupeX);
    gx->addWidget(new QLabel(tr("Grandeur")), 0, 0);
    gx->addWidget(GrandXtab, 0, 1);
    gx->addWidget(new QLabel(tr("Unité")), 0, 2);
    gx->addWidget(UnitXTab, 0, 3);
    gx->addWidget(libelleIncrement, 1, 0);
    gx->addWidget(incrementX, 1, 1);
    gx->addWidget(entier, 1, 2);
    gx->addWidget(reel, 1, 3);
    gx->addWidget(libelleDecimales, 2, 0, 1, 2);
    gx->addWidget(RxSpinEdit2, 2, 2);
    gx->addWidget(groupeMode, 3, 0, 1, 4);

    auto *groupeY = new QGroupBox(tr("Variables en ordonnée (Y)"));
    uneVariable = new QRadioButton(tr("une variable"));
    deuxVariables = new QRadioButton(tr("deux variables"));
    uneVariable->setChecked(true);
    auto *groupeNbY = new QButtonGroup(this);
    groupeNbY->addButton(uneVariable);
    groupeNbY->addButton(deuxVariables);
    GrandeurY1 = new QLineEdit;
    GrandeurY2 = new QLineEdit;
    UniteY1 = new QLineEdit;
    UniteY2 = new QLineEdit;
    auto coefficient = [] {
        auto *c = new QDoubleSpinBox;
        c->setRange(-1e9, 1e9);
        c->setDecimals(4);
        c->setValue(1);
        return c;
    };
    coeffY1 = coefficient();
    coeffY2 = coefficient();
    libelleCoeff = new QLabel(tr("coeff. multiplicateur"));
    libelleY2 = new QLabel(tr("Y2"));
    auto *gy = new QGridLayout(groupeY);
    gy->addWidget(uneVariable, 0, 0, 1, 2);
    gy->addWidget(deuxVariables, 0, 2, 1, 2);
    gy->addWidget(new QLabel(tr("Grandeur")), 1, 1);
    gy->addWidget(new QLabel(tr("Unité")), 1, 2);
    gy->addWidget(libelleCoeff, 1, 3);
    gy->addWidget(new QLabel(tr("Y1")), 2, 0);
    gy->addWidget(GrandeurY1, 2, 1);
    gy->addWidget(UniteY1, 2, 2);
    gy->addWidget(coeffY1, 2, 3);
    gy->addWidget(libelleY2, 3, 0);
    gy->addWidget(GrandeurY2, 3, 1);
    gy->addWidget(UniteY2, 3, 2);
    gy->addWidget(coeffY2, 3, 3);

    boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel);
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    auto *v = new QVBoxLayout(this);
    v->addLayout(ligneTitre);
    v->addWidget(groupeX);
    v->addWidget(groupeY);
    v->addWidget(boutons);

    // "Entier": no decimals, arrow step 1; "Réel" and the decimals box: n
    // decimals with an arrow step of 10^-n.
    for (QDoubleSpinBox *n : {incrementX, coeffY1, coeffY2})
        n->setLocale(LocaleNombres());
    connect(entier, &QRadioButton::toggled, this, [this] { MettreAJour(); });
    connect(RxSpinEdit2, &QSpinBox::valueChanged, this, [this] { MettreAJour(); });
    connect(uneVariable, &QRadioButton::toggled, this, [this] { MettreAJour(); });
    connect(modes[3], &QRadioButton::toggled, this, [this] { MettreAJour(); });
    connect(incrementX, &QDoubleSpinBox::valueChanged, this, [this] { MettreAJour(); });
    MettreAJour();
}

void TParamMesMult::MettreAJour()
{
    if (entier->isChecked() && RxSpinEdit2->value() != 0)
        RxSpinEdit2->setValue(0);
    const int n = entier->isChecked() ? 0 : RxSpinEdit2->value();
    RxSpinEdit2->setEnabled(reel->isChecked());
    incrementX->setDecimals(n);
    incrementX->setSingleStep(std::pow(10.0, -n));
    const bool deux = deuxVariables->isChecked();
    for (QWidget *w : std::initializer_list<QWidget *>{GrandeurY2, UniteY2, coeffY2, libelleY2})
        w->setVisible(deux);
    // Dividing by nothing would send X to infinity at the first line.
    boutons->button(QDialogButtonBox::Ok)->setEnabled(!(modes[3]->isChecked() && incrementX->value() == 0));
}

void TParamMesMult::ModeComplet(bool complet)
{
    for (QWidget *w : std::initializer_list<QWidget *>{libelleIncrement, incrementX, groupeMode, libelleCoeff, coeffY1,
                                                       coeffY2, deuxVariables, libelleDecimales, RxSpinEdit2, entier,
                                                       reel})
        w->setVisible(complet);
    if (!complet) {
        // A graph read keeps X as read: the hidden " Mode " must not divide
        // it nor give it the 4 decimals of "Diviser".
        modes[0]->setChecked(true);
        uneVariable->setChecked(true);
        reel->setChecked(true);
        RxSpinEdit2->setValue(3);
        coeffY1->setValue(1);
        coeffY2->setValue(1);
    }
    MettreAJour();
    if (!complet)
        coeffY2->hide();
}

ParametresMesMult TParamMesMult::Parametres() const
{
    ParametresMesMult p;
    p.titre = titreTab->text();
    p.nomX = GrandXtab->text();
    p.uniteX = UnitXTab->text();
    p.pas = incrementX->value();
    p.reel = reel->isChecked();
    p.decimales = RxSpinEdit2->value();
    for (int i = 0; i < 4; ++i)
        if (modes[static_cast<std::size_t>(i)]->isChecked())
            p.mode = static_cast<AvanceX>(i);
    p.nbY = deuxVariables->isChecked() ? 2 : 1;
    p.nomY = {QString(), GrandeurY1->text(), GrandeurY2->text()};
    p.uniteY = {QString(), UniteY1->text(), UniteY2->text()};
    p.coeff = {1, coeffY1->value(), coeffY2->value()};
    return p;
}
