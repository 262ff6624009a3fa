#include "processing/ui/choix_limit.h"

#include "commun/nombres.h"

#include <QAction>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QDoubleSpinBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

TChoixLimit::TChoixLimit(QWidget *parent) : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Choix des paramètres de sélection"));
    setModal(false);
    auto *principal = new QVBoxLayout(this);
    auto *barre = new QMenuBar(this);
    menuOK = barre->addAction(tr("OK"));
    QAction *menuAbandon = barre->addAction(tr("&Abandon"));
    menuRefaire = barre->addAction(tr("&Refaire"));
    QAction *menuFermer = barre->addAction(tr("&Fermer"));
    menuDetailler = barre->addAction(tr("&Détailler la configuration"));
    principal->setMenuBar(barre);

    principal->addWidget(new QLabel(tr("Peindre sur l'image les parties repères\navec la souris (1 couleur par "
                                       "catégorie)\nChoisir les paramètres et cliquer sur OK."),
                                    this));
    mode = new QCheckBox(tr("peindre avec les couleurs moyennes des pixels sélectionnés"), this);
    etendu = new QCheckBox(tr("étendre la classification à tous les pixels (s'il y a plusieurs catégories)"), this);
    principal->addWidget(mode);
    principal->addWidget(etendu);
    auto *iterations = new QHBoxLayout;
    iterations->addWidget(new QLabel(tr("Nombre d'itérations :"), this));
    NbIter = new QSpinBox(this);
    NbIter->setRange(1, 50);
    NbIter->setValue(1);
    iterations->addWidget(NbIter);
    iterations->addStretch();
    principal->addLayout(iterations);

    details = new QWidget(this);
    auto *d = new QVBoxLayout(details);
    d->setContentsMargins(0, 0, 0, 0);
    eliminer = new QCheckBox(tr("éliminer les points les plus éloignés des moyennes"), details);
    d->addWidget(eliminer);
    auto *sigma = new QHBoxLayout;
    sigma->addWidget(new QLabel(tr("Seuil"), details));
    seuilsigma = new QDoubleSpinBox(details);
    seuilsigma->setRange(0.1, 4);
    seuilsigma->setSingleStep(0.1);
    seuilsigma->setDecimals(1);
    seuilsigma->setValue(2.0);
    sigma->addWidget(seuilsigma);
    sigma->addWidget(new QLabel(tr("fois l'écart type"), details));
    sigma->addStretch();
    d->addLayout(sigma);
    auto *sat = new QHBoxLayout;
    sat->addWidget(new QLabel(tr("Seuil de saturation (codage non RVB)"), details));
    seuilsat = new QDoubleSpinBox(details);
    seuilsat->setRange(0, 0.5);
    seuilsat->setSingleStep(0.01);
    seuilsat->setDecimals(2);
    seuilsat->setValue(0.1);
    sat->addWidget(seuilsat);
    sat->addStretch();
    d->addLayout(sat);
    codage = new QGroupBox(tr("codage"), details);
    auto *grille = new QGridLayout(codage);
    groupeCodage = new QButtonGroup(this);
    const QString noms[] = {tr("RVB"), tr("TSV"), tr("TSL"), tr("AV"), tr("SSp")};
    for (int k = 0; k < 5; ++k) {
        auto *r = new QRadioButton(noms[k], codage);
        groupeCodage->addButton(r, k);
        grille->addWidget(r, k % 3, k / 3);
    }
    groupeCodage->button(0)->setChecked(true);
    d->addWidget(codage);
    d->addWidget(new QLabel(tr("En cas d'extension des zones, ne pas tenir compte des\npoints dont la différence des "
                               "distances est inférieure à"),
                            details));
    auto *del = new QHBoxLayout;
    delta = new QDoubleSpinBox(details);
    delta->setRange(0, 450);
    delta->setDecimals(1);
    delta->setValue(0);
    del->addWidget(delta);
    del->addWidget(new QLabel(tr("0 = garder\ntous les points"), details));
    del->addStretch();
    d->addLayout(del);
    details->hide();
    principal->addWidget(details);

    auto *boutons = new QHBoxLayout;
    OK = new QPushButton(tr("OK"), this);
    annule = new QPushButton(tr("Abandon"), this);
    refaire = new QPushButton(tr("Refaire"), this);
    fermer = new QPushButton(tr("Fermer"), this);
    for (QPushButton *b : {OK, refaire, annule, fermer})
        boutons->addWidget(b);
    principal->addLayout(boutons);

    // The results panel: its heading, then a message or the categories'
    // panels from 40 pixels down.
    resultat = new QWidget(this);
    resultat->setMinimumSize(360, 73);
    auto *titre = new QLabel(tr("Résultats"), resultat);
    titre->setStyleSheet(QStringLiteral("font-weight: bold"));
    titre->setGeometry(8, 2, 344, 18);
    messageResultat = new QLabel(resultat);
    messageResultat->setWordWrap(true);
    messageResultat->setGeometry(8, 20, 344, 50);
    principal->addWidget(resultat);
    principal->addStretch();

    connect(OK, &QPushButton::clicked, this, &TChoixLimit::Valide);
    connect(menuOK, &QAction::triggered, this, &TChoixLimit::Valide);
    connect(refaire, &QPushButton::clicked, this, &TChoixLimit::Refait);
    connect(menuRefaire, &QAction::triggered, this, &TChoixLimit::Refait);
    for (QPushButton *b : {annule, fermer})
        connect(b, &QPushButton::clicked, this, &TChoixLimit::Terminer);
    for (QAction *a : {menuAbandon, menuFermer})
        connect(a, &QAction::triggered, this, &TChoixLimit::Terminer);
    connect(menuDetailler, &QAction::triggered, this, [this] {
        details->setVisible(!details->isVisible());
        adjustSize();
    });
    AttendrePeinture();
}

ParametresZonation TChoixLimit::Parametres() const
{
    ParametresZonation p;
    p.peindreMoyennes = mode->isChecked();
    p.etendre = etendu->isChecked();
    p.nbIterations = NbIter->value();
    p.eliminer = eliminer->isChecked();
    p.seuilsigma = seuilsigma->value();
    p.seuilsat = seuilsat->value();
    p.codage = std::max(0, groupeCodage->checkedId());
    p.delta = delta->value();
    return p;
}

void TChoixLimit::AttendrePeinture()
{
    OK->show();
    menuOK->setVisible(true);
    refaire->hide();
    menuRefaire->setVisible(false);
}

void TChoixLimit::ApresCalcul()
{
    OK->hide();
    menuOK->setVisible(false);
    refaire->show();
    menuRefaire->setVisible(true);
}

void TChoixLimit::AfficherResultats(const CategoriesZonation &categories, const std::vector<QRgb> &couleurs,
                                    const TEchelle &echelle, std::int64_t total, const QString &message)
{
    const int n = std::max(0, categories.NbCategories);
    while (static_cast<int>(panneaux.size()) > n) {
        delete panneaux.back();
        panneaux.pop_back();
    }
    while (static_cast<int>(panneaux.size()) < n) {
        auto *p = new QLabel(resultat);
        p->setFrameShape(QFrame::Box);
        p->setAlignment(Qt::AlignCenter);
        p->setAutoFillBackground(true);
        panneaux.push_back(p);
    }
    messageResultat->setText(message);
    messageResultat->setVisible(!message.isEmpty());
    for (int k = 0; k < n; ++k) {
        const auto i = static_cast<std::size_t>(k);
        QLabel *p = panneaux[i];
        const QRgb c = couleurs[i];
        const bool clair = qRed(c) + qGreen(c) + qBlue(c) >= 382;
        p->setStyleSheet(QStringLiteral("QLabel { background: %1; color: %2; border: 1px solid black; }")
                             .arg(QColor::fromRgb(c).name(), clair ? QStringLiteral("black") : QStringLiteral("white")));
        p->setText(LegendeResultatZonation(categories.Effectifs[i], total, echelle));
        p->setGeometry((k % 2) * 174 + 8, (k / 2) * 32 + 40, 170, 25);
        p->show();
    }
    const int hauteur = n > 0 ? ((n - 1) / 2) * 32 + 73 : 73;
    resultat->setMinimumHeight(hauteur);
    adjustSize();
}

void TChoixLimit::Terminer()
{
    hide();
    emit Termine();
}

void TChoixLimit::closeEvent(QCloseEvent *event)
{
    QDialog::closeEvent(event);
    emit Termine();
}
