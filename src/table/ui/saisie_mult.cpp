#include "table/ui/saisie_mult.h"

#include "commun/nombres.h"

#include <QDoubleSpinBox>
#include <QFrame>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QStackedWidget>
#include <QVBoxLayout>

#include <cmath>

QLocale LocaleNombres()
{
    QLocale l = SepDecimal() == QLatin1Char(',') ? QLocale(QLocale::French, QLocale::France) : QLocale::c();
    l.setNumberOptions(QLocale::OmitGroupSeparator);
    return l;
}

namespace {

QDoubleSpinBox *Nombre(QWidget *parent, double valeur)
{
    auto *n = new QDoubleSpinBox(parent);
    n->setLocale(LocaleNombres());
    n->setRange(-1e12, 1e12);
    n->setDecimals(0);
    n->setValue(valeur);
    return n;
}

QLabel *Valeur(QWidget *parent)
{
    auto *l = new QLabel(QStringLiteral("0"), parent);
    l->setFrameShape(QFrame::Panel);
    l->setFrameShadow(QFrame::Sunken);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setMinimumWidth(70);
    return l;
}

} // namespace

Saisie_Mult::Saisie_Mult(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Saisie_Mult"));
    pile = new QStackedWidget(this);

    // ---- Measurement panel
    panneauMesure = new QWidget;
    auto *gm = new QGridLayout(panneauMesure);
    Button1 = new QPushButton(tr("Paramètres"));
    gm->addWidget(Button1, 0, 0, 1, 2);
    gm->addWidget(new QLabel(tr("Incrément  X")), 1, 0);
    incrementX = Nombre(panneauMesure, 1);
    gm->addWidget(incrementX, 1, 1);
    MesureX = new QLabel(tr("Valeur X"));
    MesureX->setWordWrap(true);
    gm->addWidget(MesureX, 2, 0, 1, 2);
    ValXSM = Nombre(panneauMesure, 0);
    gm->addWidget(ValXSM, 3, 0, 1, 2);
    MesureY1 = new QRadioButton(tr("longueur"));
    MesureY1->setChecked(true);
    gm->addWidget(MesureY1, 4, 0, 1, 2);
    valeurY1Transf = Valeur(panneauMesure);
    gm->addWidget(valeurY1Transf, 5, 0, 1, 2);
    mesureY2 = new QRadioButton(tr("valeur Y2"));
    gm->addWidget(mesureY2, 6, 0, 1, 2);
    valeurY2Transf = Valeur(panneauMesure);
    gm->addWidget(valeurY2Transf, 7, 0, 1, 2);
    envoyer = new QPushButton(tr("Envoyer"));
    gm->addWidget(envoyer, 8, 0, 1, 2);
    effacer = new QPushButton(tr("Effacer le tableau"));
    gm->addWidget(effacer, 9, 0, 1, 2);
    gm->setRowStretch(10, 1);
    mesureY2->hide();
    valeurY2Transf->hide();

    // ---- Curve-capture panel
    PanValeurCourbe = new QWidget;
    auto *gc = new QGridLayout(PanValeurCourbe);
    auto *titre = new QLabel(tr("Capture Courbe"));
    titre->setAlignment(Qt::AlignCenter);
    gc->addWidget(titre, 0, 0, 1, 2);
    gc->addWidget(new QLabel(tr("valeur X")), 1, 0, 1, 2);
    ValCX = Valeur(PanValeurCourbe);
    gc->addWidget(ValCX, 2, 0, 1, 2);
    gc->addWidget(new QLabel(tr("valeur Y")), 3, 0, 1, 2);
    ValCY1 = Valeur(PanValeurCourbe);
    gc->addWidget(ValCY1, 4, 0, 1, 2);
    Button2 = new QPushButton(tr("Envoyer"));
    Button4 = new QPushButton(tr("Effacer le tableau"));
    Button3 = new QPushButton(tr("Paramètres"));
    gc->addWidget(Button2, 5, 0, 1, 2);
    gc->addWidget(Button4, 6, 0, 1, 2);
    gc->addWidget(Button3, 7, 0, 1, 2);
    gc->setRowStretch(8, 1);

    pile->addWidget(panneauMesure);
    pile->addWidget(PanValeurCourbe);

    auto *pied = new QLabel(tr("Mesures\nà envoyer\nau tableau"));
    pied->setAlignment(Qt::AlignCenter);
    pied->setFrameShape(QFrame::Panel);
    pied->setFrameShadow(QFrame::Raised);
    auto *v = new QVBoxLayout(this);
    v->setContentsMargins(4, 4, 4, 4);
    v->addWidget(pile, 1);
    v->addWidget(pied);
    setMinimumWidth(150);

    connect(Button1, &QPushButton::clicked, this, &Saisie_Mult::ParametresDemandes);
    connect(Button3, &QPushButton::clicked, this, &Saisie_Mult::ParametresDemandes);
    connect(envoyer, &QPushButton::clicked, this, &Saisie_Mult::EnvoiDemande);
    connect(Button2, &QPushButton::clicked, this, &Saisie_Mult::EnvoiCourbeDemande);
    connect(effacer, &QPushButton::clicked, this, &Saisie_Mult::EffacementDemande);
    connect(Button4, &QPushButton::clicked, this, &Saisie_Mult::EffacementDemande);
    // What the user types is the state at once: a measurement shown before
    // the next send keeps it.
    connect(incrementX, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        if (!affichage_)
            etat.PasXMulti = v;
    });
    connect(ValXSM, &QDoubleSpinBox::valueChanged, this, [this](double v) {
        if (!affichage_)
            etat.DefinirX(v);
    });
    connect(MesureY1, &QRadioButton::toggled, this, [this](bool coche) { etat.Y2Coche = !coche; });
    connect(mesureY2, &QRadioButton::toggled, this, [this](bool coche) { etat.Y2Coche = coche; });
}

void Saisie_Mult::MontrerCourbe(bool courbe)
{
    pile->setCurrentWidget(courbe ? PanValeurCourbe : panneauMesure);
}

bool Saisie_Mult::Courbe() const
{
    return pile->currentWidget() == PanValeurCourbe;
}

void Saisie_Mult::Afficher()
{
    const QScopedValueRollback<bool> garde(affichage_, true);
    incrementX->setLocale(LocaleNombres());
    ValXSM->setLocale(LocaleNombres());
    const int n = etat.DecimalesPas;
    incrementX->setDecimals(n);
    incrementX->setSingleStep(std::pow(10.0, -n));
    incrementX->setValue(etat.PasXMulti);
    ValXSM->setDecimals(etat.DecimalesX());
    ValXSM->setSingleStep(std::pow(10.0, -n));
    ValXSM->setValue(etat.ValX);
    MesureX->setText(etat.LibelleX());
    MesureY1->setText(etat.LibelleY(1));
    mesureY2->setText(etat.LibelleY(2));
    const bool deux = etat.NbYMulti == 2;
    mesureY2->setVisible(deux);
    valeurY2Transf->setVisible(deux);
    const bool y2 = etat.Y2Coche && deux;
    (y2 ? mesureY2 : MesureY1)->setChecked(true);
    valeurY1Transf->setText(etat.TexteY(1));
    valeurY2Transf->setText(etat.TexteY(2));
}

void Saisie_Mult::LireSaisie()
{
    etat.PasXMulti = incrementX->value();
    etat.DefinirX(ValXSM->value());
}
