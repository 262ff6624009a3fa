#include "measure/ui/dialogue_etal.h"

#include "commun/nombres.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

bool LireEntier(const QLineEdit *e, int &v)
{
    bool ok = false;
    const std::int64_t n = TexteEnEntier(e->text().trimmed(), &ok);
    if (!ok || n < -1000000 || n > 1000000)
        return false;
    v = int(n);
    return true;
}

bool LireReel(const QLineEdit *e, double &v)
{
    bool ok = false;
    const double x = TexteEnReel(RemplacerSepAutre(e->text().trimmed()), &ok);
    if (!ok || !std::isfinite(x))
        return false;
    v = x;
    return true;
}

} // namespace

TEtal::TEtal(QWidget *parent) : QDialog(parent, Qt::Dialog | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Conversion de l'ordonnée"));
    setModal(false);
    auto *grille = new QGridLayout;
    NomVar = new QLineEdit;
    UnitVar = new QLineEdit;
    grille->addWidget(new QLabel(tr("Nom de la variable :")), 0, 0);
    grille->addWidget(NomVar, 0, 1);
    grille->addWidget(new QLabel(tr("Unité de la variable :")), 1, 0);
    grille->addWidget(UnitVar, 1, 1);

    zerorepere = new QRadioButton(tr("le zéro de la nouvelle variable\ncorrespond au zéro de l'ancienne"));
    deuxPoints = new QRadioButton(tr("étalonnage par 2 points "));
    zerorepere->setChecked(true);

    Choixpoint = new QGroupBox(tr("Point"));
    point1 = new QRadioButton(tr(" 1"));
    point2 = new QRadioButton(tr(" 2"));
    auto *lp = new QHBoxLayout(Choixpoint);
    lp->addWidget(point1);
    lp->addWidget(point2);
    point1->setChecked(true);

    Nompoint = new QLabel(tr("Point repère"));
    Nompoint->setFrameShape(QFrame::Panel);
    Nompoint->setAlignment(Qt::AlignCenter);
    YPoint = new QLineEdit;
    YPoint->setReadOnly(true);
    VPoint = new QLineEdit;
    auto *saisie = new QGridLayout;
    saisie->addWidget(new QLabel(tr("Position dans le graphique\n(en pixels)")), 0, 0);
    saisie->addWidget(YPoint, 1, 0);
    saisie->addWidget(new QLabel(tr("Valeur de la variable")), 0, 1);
    saisie->addWidget(VPoint, 1, 1);

    ok = new QPushButton(tr("OK"));
    annuler = new QPushButton(tr("Annuler"));
    ok->setEnabled(false);
    auto *boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(ok);
    boutons->addWidget(annuler);

    auto *bas = new QLabel(tr("Cliquer sur l'emplacement du graphique"));
    bas->setFrameShape(QFrame::Panel);
    bas->setAlignment(Qt::AlignCenter);

    auto *l = new QVBoxLayout(this);
    l->addLayout(grille);
    l->addWidget(zerorepere);
    l->addWidget(deuxPoints);
    l->addWidget(Choixpoint);
    l->addWidget(Nompoint);
    l->addLayout(saisie);
    l->addLayout(boutons);
    l->addWidget(bas);

    connect(zerorepere, &QRadioButton::toggled, this, [this](bool coche) {
        if (!coche)
            return;
        Choixpoint->hide();
        Nompoint->setText(tr("Point repère"));
    });
    connect(deuxPoints, &QRadioButton::toggled, this, [this](bool coche) {
        if (!coche)
            return;
        Choixpoint->show();
        if (!point2->isChecked())
            point2->setChecked(true);
        else
            ChoisirDeuxiemePoint();
        Nompoint->setText(tr("Premier point"));
    });
    connect(point2, &QRadioButton::toggled, this, [this](bool coche) {
        if (coche)
            ChoisirDeuxiemePoint();
    });
    connect(YPoint, &QLineEdit::textChanged, this, &TEtal::VerifierLigne);
    connect(VPoint, &QLineEdit::textChanged, this, &TEtal::VerifierValeur);
    connect(ok, &QPushButton::clicked, this, &TEtal::Valider);
    connect(annuler, &QPushButton::clicked, this, [this] {
        Accepte = false;
        close();
    });
    Reinitialiser();
}

void TEtal::Reinitialiser()
{
    Accepte = false;
    {
        const QSignalBlocker b1(point1);
        const QSignalBlocker b2(point2);
        point1->setChecked(true);
    }
    Choixpoint->hide();
    Nompoint->setText(tr("Point repère"));
    {
        const QSignalBlocker b(zerorepere);
        const QSignalBlocker b2(deuxPoints);
        zerorepere->setChecked(true);
    }
    YPoint->clear();
    VPoint->clear();
    PremierPixel = 0;
    PremiereValeur = 0;
    PixelPoint = 0;
    ValeurPoint = 0;
    ok->setEnabled(false);
}

void TEtal::PrendreLigne(int ligne)
{
    YPoint->setText(QString::number(ligne));
}

void TEtal::Avertir(const QString &texte)
{
    QMessageBox::warning(this, windowTitle(), texte, QMessageBox::Ok);
}

void TEtal::ChoisirDeuxiemePoint()
{
    const auto revenir = [this] {
        const QSignalBlocker b(point2);
        point1->setChecked(true);
    };
    if (!LireEntier(YPoint, PremierPixel)) {
        Avertir(tr("La première valeurs n'est pas correcte (valeur entière nécessaire)"));
        revenir();
        YPoint->clear();
        return;
    }
    if (!LireReel(VPoint, PremiereValeur)) {
        Avertir(tr("La deuxième valeur n'est pas correcte (attention au séparateur décimal)"));
        revenir();
        VPoint->clear();
        return;
    }
    YPoint->clear();
    VPoint->clear();
}

void TEtal::VerifierLigne()
{
    if ((point2->isChecked() || zerorepere->isChecked()) && !LireEntier(YPoint, PixelPoint)) {
        ok->setEnabled(false);
        return;
    }
    ok->setEnabled(LireReel(VPoint, ValeurPoint));
}

void TEtal::VerifierValeur()
{
    if (point1->isChecked() && !zerorepere->isChecked()) {
        ok->setEnabled(true);
        return;
    }
    ok->setEnabled(LireReel(VPoint, ValeurPoint) && LireEntier(YPoint, PixelPoint));
}

void TEtal::Valider()
{
    if (!LireEntier(YPoint, PixelPoint)) {
        Avertir(tr("La première valeurs n'est pas correcte (valeur entière nécessaire)"));
        ok->setEnabled(false);
        return;
    }
    if (!LireReel(VPoint, ValeurPoint)) {
        Avertir(tr("La deuxième valeur n'est pas correcte (attention au séparateur décimal)"));
        ok->setEnabled(false);
        return;
    }
    Accepte = true;
    close();
}

void TEtal::showEvent(QShowEvent *event)
{
    Accepte = false;
    QDialog::showEvent(event);
}

void TEtal::done(int resultat)
{
    QDialog::done(resultat);
    emit Ferme();
}
