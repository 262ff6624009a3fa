#include "schema/ui/panneau_amorcage.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

QSpinBox *Spin(QWidget *parent, int mini, int maxi)
{
    auto *s = new QSpinBox(parent);
    s->setRange(mini, maxi);
    s->setKeyboardTracking(false);
    return s;
}

} // namespace

PanneauAmorcage::PanneauAmorcage(ReglagesAmorcage &reglages, QWidget *parent)
    : QGroupBox(tr("Choix de configuration de l'amorce de schéma"), parent), reglages_(reglages)
{
    setObjectName(QStringLiteral("Choix_Amorc"));
    auto *ligne = new QHBoxLayout(this);
    const QString titres[6] = {tr("Bleu"), tr("Vert"), tr("Rouge"), tr("Teinte"), tr("Sat."), tr("Lum.")};
    for (int k = 0; k < 6; ++k) {
        auto *groupe = new QGroupBox(titres[k], this);
        auto *g = new QGridLayout(groupe);
        auto *lSeuil = new QLabel(k < 3 ? tr("Seuil") : tr("S."), groupe);
        auto *lDegrad = new QLabel(k < 3 ? tr("Dégradé") : tr("Dégr."), groupe);
        if (k < 3) {
            lSeuil->setStyleSheet(QStringLiteral("color: red"));
            lDegrad->setStyleSheet(QStringLiteral("color: red"));
        }
        SeuilS[k] = Spin(groupe, 1, 250);
        DegradS[k] = Spin(groupe, 1, 255);
        Dr[k] = new QCheckBox(groupe);
        g->addWidget(Dr[k], 0, 0, 1, 2);
        g->addWidget(lSeuil, 1, 0);
        g->addWidget(SeuilS[k], 1, 1);
        g->addWidget(lDegrad, 2, 0);
        g->addWidget(DegradS[k], 2, 1);
        ligne->addWidget(groupe);
        connect(SeuilS[k], &QSpinBox::valueChanged, this, [this, k](int v) {
            if (!miseAJourEnCours_)
                Appliquer(reglages_.DefinirSeuil(k, v));
        });
        connect(DegradS[k], &QSpinBox::valueChanged, this, [this, k](int v) {
            if (!miseAJourEnCours_)
                Appliquer(reglages_.DefinirDegrad(k, v));
        });
        connect(Dr[k], &QCheckBox::toggled, this, [this, k](bool v) {
            if (!miseAJourEnCours_)
                Appliquer(reglages_.DefinirActif(k, v));
        });
    }

    auto *divers = new QVBoxLayout;
    grouper = new QCheckBox(tr("grouper RVB"), this);
    divers->addWidget(grouper);
    auto *lTs = new QHBoxLayout;
    lTs->addWidget(new QLabel(tr("Seuil de sat."), this));
    SeuilTeinteSat = Spin(this, 0, 250);
    lTs->addWidget(SeuilTeinteSat);
    divers->addLayout(lTs);
    auto *mode = new QGroupBox(tr("mode TLS"), this);
    auto *lMode = new QHBoxLayout(mode);
    for (int i = 0; i < 3; ++i) {
        ModeTLS[i] = new QRadioButton(QString::number(i + 1), mode);
        lMode->addWidget(ModeTLS[i]);
        connect(ModeTLS[i], &QRadioButton::toggled, this, [this, i](bool coche) {
            if (coche && !miseAJourEnCours_)
                Appliquer(reglages_.DefinirModeLum(i));
        });
    }
    divers->addWidget(mode);
    ligne->addLayout(divers);

    auto *marques = new QGridLayout;
    DrNoir = new QCheckBox(tr("Marquer le noir"), this);
    SeuilNoirS = Spin(this, 0, 250);
    DegradNoirS = Spin(this, 0, 250);
    Drblanc = new QCheckBox(tr("Marquer le blanc"), this);
    SeuilBlancS = Spin(this, 0, 128);
    marques->addWidget(DrNoir, 0, 0, 1, 2);
    marques->addWidget(new QLabel(tr("Seuil"), this), 1, 0);
    marques->addWidget(SeuilNoirS, 1, 1);
    marques->addWidget(new QLabel(tr("Dégrad."), this), 2, 0);
    marques->addWidget(DegradNoirS, 2, 1);
    marques->addWidget(Drblanc, 3, 0, 1, 2);
    marques->addWidget(new QLabel(tr("Seuil"), this), 4, 0);
    marques->addWidget(SeuilBlancS, 4, 1);
    ligne->addLayout(marques);
    Button1 = new QPushButton(tr("test"), this);
    ligne->addWidget(Button1, 0, Qt::AlignBottom);

    const auto relier = [this](QSpinBox *s, SuiteReglage (ReglagesAmorcage::*regle)(int)) {
        connect(s, &QSpinBox::valueChanged, this, [this, regle](int v) {
            if (!miseAJourEnCours_)
                Appliquer((reglages_.*regle)(v));
        });
    };
    relier(SeuilTeinteSat, &ReglagesAmorcage::DefinirSeuilTeinteSat);
    relier(SeuilNoirS, &ReglagesAmorcage::DefinirSeuilNoir);
    relier(DegradNoirS, &ReglagesAmorcage::DefinirDegradNoir);
    relier(SeuilBlancS, &ReglagesAmorcage::DefinirSeuilBlanc);
    connect(grouper, &QCheckBox::toggled, this, [this](bool v) {
        if (!miseAJourEnCours_)
            Appliquer(reglages_.DefinirGrouper(v));
    });
    connect(DrNoir, &QCheckBox::toggled, this, [this](bool v) {
        if (!miseAJourEnCours_)
            Appliquer(reglages_.DefinirMarquerNoir(v));
    });
    connect(Drblanc, &QCheckBox::toggled, this, [this](bool v) {
        if (!miseAJourEnCours_)
            Appliquer(reglages_.DefinirMarquerBlanc(v));
    });
    connect(Button1, &QPushButton::clicked, this, &PanneauAmorcage::Tester);
    Afficher();
}

void PanneauAmorcage::Appliquer(SuiteReglage suite)
{
    Afficher();
    emit Suite(suite);
}

void PanneauAmorcage::Afficher()
{
    miseAJourEnCours_ = true;
    const TParamStyleDes &p = reglages_.ParamCourant;
    for (std::size_t k = 0; k < 6; ++k) {
        SeuilS[k]->setValue(p.Seuil[k]);
        DegradS[k]->setMinimum(p.Seuil[k]);
        DegradS[k]->setValue(p.Degrad[k]);
        Dr[k]->setChecked(p.Actif[k]);
    }
    grouper->setChecked(p.GrouperRVB);
    SeuilTeinteSat->setValue(p.SeuilTeinteSat);
    ModeTLS[std::min<std::size_t>(p.ModeLum, 2)]->setChecked(true);
    DrNoir->setChecked(p.MarquerNoir);
    SeuilNoirS->setValue(p.SeuilNoir);
    DegradNoirS->setMinimum(p.SeuilNoir);
    DegradNoirS->setValue(p.DegradNoir);
    Drblanc->setChecked(p.MarquerBlanc);
    SeuilBlancS->setValue(255 - p.LimiteBlanc);
    miseAJourEnCours_ = false;
}

PanneauPoints::PanneauPoints(ReglagesAmorcage &reglages, QWidget *parent)
    : QGroupBox(tr("Points  voisins\nà tester"), parent), reglages_(reglages)
{
    setObjectName(QStringLiteral("ChoixPoints"));
    auto *v = new QVBoxLayout(this);
    auto *grille = new QGridLayout;
    for (int t = 0; t < 49; ++t) {
        if (t == 24) {
            auto *centre = new QLabel(QStringLiteral("●"), this);
            centre->setAlignment(Qt::AlignCenter);
            grille->addWidget(centre, 3, 3);
            continue;
        }
        Cases[t] = new QCheckBox(this);
        grille->addWidget(Cases[t], t / 7, t % 7);
        connect(Cases[t], &QCheckBox::toggled, this, [this, t](bool coche) {
            if (!miseAJourEnCours_)
                reglages_.DefinirPoint(t % 7 - 3, t / 7 - 3, coche);
        });
    }
    v->addLayout(grille);
    Fermer = new QPushButton(tr("&Fermer"), this);
    v->addWidget(Fermer);
    Afficher();
}

void PanneauPoints::Afficher()
{
    miseAJourEnCours_ = true;
    for (int t = 0; t < 49; ++t)
        if (Cases[t])
            Cases[t]->setChecked(reglages_.ParamCourant.Point(t % 7 - 3, t / 7 - 3));
    miseAJourEnCours_ = false;
}
