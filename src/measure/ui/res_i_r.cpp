#include "measure/ui/res_i_r.h"

#include "measure/outil_mesure.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QEvent>
#include <QFrame>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QVBoxLayout>

namespace {

QLineEdit *CaseLecture(QWidget *parent, const QColor &fond)
{
    auto *e = new QLineEdit(parent);
    e->setReadOnly(true);
    e->setFixedWidth(80);
    e->setAlignment(Qt::AlignRight);
    if (fond.isValid())
        e->setStyleSheet(QStringLiteral("QLineEdit { background: %1; color: black; }").arg(fond.name()));
    return e;
}

// The caption of a column of four read-only boxes, with a hint under it.
QWidget *Colonne(QWidget *parent, const QString &titre, QLabel **indication)
{
    auto *panneau = new QWidget(parent);
    auto *v = new QVBoxLayout(panneau);
    v->setContentsMargins(0, 0, 0, 0);
    auto *t = new QLabel(titre, panneau);
    t->setAlignment(Qt::AlignCenter);
    v->addWidget(t);
    if (indication) {
        *indication = new QLabel(panneau);
        (*indication)->setAlignment(Qt::AlignCenter);
        v->addWidget(*indication);
    }
    return panneau;
}

} // namespace

TRes_I_r::TRes_I_r(QWidget *parent) : QMainWindow(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("Res_I_r"));
    setWindowTitle(tr("Mesure de lumière dans un rectangle"));

    // ---- Menus
    actFermer = menuBar()->addAction(tr("&Fermer"), this, &QWidget::hide);
    QMenu *unite = menuBar()->addMenu(tr("&Unité"));
    actUnite = unite->menuAction();
    auto *groupe = new QActionGroup(this);
    actPourcent = unite->addAction(tr("&Pourcent"));
    actValeursRvb = unite->addAction(tr("&Valeurs RVB"));
    for (QAction *a : {actPourcent, actValeursRvb}) {
        a->setCheckable(true);
        groupe->addAction(a);
    }
    actPourcent->setChecked(true);
    connect(actPourcent, &QAction::triggered, this, [this] { ChoisirPourcent(true); });
    connect(actValeursRvb, &QAction::triggered, this, [this] { ChoisirPourcent(false); });
    QMenu *zero = menuBar()->addMenu(tr("&Zéro"));
    // The menu item does what the button of the same caption does.
    actPrendreZero = zero->addAction(tr("&Prendre comme zéro"), this, &TRes_I_r::PrendreZero);
    actEffacerZero = zero->addAction(tr("&Effacer le zéro"), this, &TRes_I_r::EffacerZero);
    actSeries = menuBar()->addAction(tr("&Séries de mesures"));
    actSeries->setToolTip(tr("Prendre une série de mesures avec le même cadrage"));
    actSeries->setStatusTip(actSeries->toolTip());
    actSeries->setEnabled(false);
    actVoirZero = menuBar()->addAction(tr("&Voir zéro/valeurs brutes"), this, &TRes_I_r::BasculerZeroBrut);

    // ---- Body
    auto *centre = new QWidget(this);
    setCentralWidget(centre);
    auto *h = new QHBoxLayout(centre);
    h->setContentsMargins(6, 4, 6, 6);
    auto *principal = new QWidget(centre);
    auto *g = new QGridLayout(principal);
    g->setContentsMargins(0, 0, 0, 0);
    entete = new QLabel(tr("Valeurs moyennes dans le rectangle"), principal);
    entete->setAlignment(Qt::AlignCenter);
    entete->setFrameShape(QFrame::Panel);
    entete->setFrameShadow(QFrame::Raised);
    g->addWidget(entete, 0, 0, 1, 4);

    Choix = new QGroupBox(tr("Choix"), principal);
    auto *hc = new QHBoxLayout(Choix);
    const char *noms[] = {"intensité", "absorption", "D.O."};
    auto *groupeChoix = new QButtonGroup(this);
    for (int i = 0; i < 3; ++i) {
        choix[static_cast<std::size_t>(i)] = new QRadioButton(tr(noms[i]), Choix);
        groupeChoix->addButton(choix[static_cast<std::size_t>(i)], i);
        hc->addWidget(choix[static_cast<std::size_t>(i)]);
    }
    choix[LumiereAbsorption]->setChecked(true);
    connect(groupeChoix, &QButtonGroup::idClicked, this, &TRes_I_r::ChoisirGrandeur);
    g->addWidget(Choix, 1, 0, 1, 4);

    const char *libelles[] = {"dans le rouge : ", "dans le vert : ", "dans le bleu : ", "globale : "};
    const QColor fonds[] = {QColor(255, 162, 162), QColor(196, 255, 196), QColor(200, 200, 255),
                            palette().color(QPalette::Window)};
    auto *groupeLignes = new QButtonGroup(this);
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        auto *l = new QLabel(tr(libelles[i]), principal);
        l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        g->addWidget(l, 2 + i, 0);
        nettes[k] = CaseLecture(principal, fonds[i]);
        nettes[k]->setText(QStringLiteral("0"));
        g->addWidget(nettes[k], 2 + i, 1);
        lignes[k] = new QRadioButton(principal);
        groupeLignes->addButton(lignes[k], i);
        g->addWidget(lignes[k], 2 + i, 2);
    }
    lignes[0]->setObjectName(QStringLiteral("btR"));
    lignes[1]->setObjectName(QStringLiteral("btV"));
    lignes[2]->setObjectName(QStringLiteral("btB"));
    lignes[3]->setObjectName(QStringLiteral("btT"));
    lignes[0]->setChecked(true);
    connect(groupeLignes, &QButtonGroup::idClicked, this, &TRes_I_r::ChoisirLigne);
    PC = new QLabel(tr("en %"), principal);
    g->addWidget(PC, 2, 3);
    ref_glob = new QLabel(tr("sur 765"), principal);
    ref_glob->hide();
    g->addWidget(ref_glob, 5, 3);

    ref = new QPushButton(tr("Prendre comme zéro"), principal);
    g->addWidget(ref, 6, 0, 1, 3);
    connect(ref, &QPushButton::clicked, this, &TRes_I_r::PrendreZero);
    instruction = new QLabel(tr("Délimiter, avec la souris,\nle rectangle de mesure \nsur l'image"), principal);
    instruction->setAlignment(Qt::AlignCenter);
    g->addWidget(instruction, 7, 0, 1, 4);
    g->setRowStretch(8, 1);

    // The zero and raw columns beside the lines, beyond the narrow width.
    panneauZero = Colonne(principal, tr("Valeurs du\nzéro"), &noir_blanc);
    noir_blanc->setText(tr("(blanc)"));
    panneauBrut = Colonne(principal, tr("Valeurs\nbrutes"), nullptr);
    g->addWidget(panneauZero, 1, 4, Qt::AlignBottom);
    g->addWidget(panneauBrut, 1, 5, Qt::AlignBottom);
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        zeros[k] = CaseLecture(principal, QColor());
        zeros[k]->setText(QStringLiteral("0"));
        brutes[k] = CaseLecture(principal, QColor());
        g->addWidget(zeros[k], 2 + i, 4);
        g->addWidget(brutes[k], 2 + i, 5);
    }
    g->setColumnMinimumWidth(3, 60);
    h->addWidget(principal);
    AfficherColonnes(false);

    // The overlay over the whole window, until a click or a measurement.
    recouvrement = new QFrame(centre);
    recouvrement->setAutoFillBackground(true);
    recouvrement->setFrameShape(QFrame::Box);
    auto *vr = new QVBoxLayout(recouvrement);
    auto *l1 = new QLabel(tr("Délimiter avec la souris\nle rectangle de mesure sur l'image"), recouvrement);
    auto *l2 = new QLabel(tr("Ne pas oublier de faire le zéro."), recouvrement);
    for (QLabel *l : {l1, l2}) {
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        vr->addWidget(l);
    }
    l2->setStyleSheet(QStringLiteral("color: #b00000; font-weight: bold;"));
    recouvrement->installEventFilter(this);
    centre->installEventFilter(this);
    recouvrement->hide();

    setFixedWidth(LargeurEtroite);
    adjustSize();
    if (QScreen *ecran = screen())
        move(ecran->availableGeometry().center() - rect().center());
    AppliquerGrandeur();
}

bool TRes_I_r::eventFilter(QObject *objet, QEvent *event)
{
    if (objet == recouvrement && event->type() == QEvent::MouseButtonPress) {
        recouvrement->hide();
        return true;
    }
    if (objet == centralWidget() && event->type() == QEvent::Resize)
        recouvrement->setGeometry(centralWidget()->rect());
    return QMainWindow::eventFilter(objet, event);
}

void TRes_I_r::PreparerMode(int mode)
{
    const bool rectangle = mode == MesureLumiereRectangle;
    setWindowTitle(rectangle ? tr("Mesure de lumière dans un rectangle") : tr("Mesure de lumière sous la surface colorée"));
    entete->setText(rectangle ? tr("Valeurs moyennes dans le rectangle") : tr("Valeurs moyennes dans la zone de mesure"));
    instruction->setVisible(rectangle);
    recouvrement->setGeometry(centralWidget()->rect());
    recouvrement->setVisible(rectangle);
    if (rectangle)
        recouvrement->raise();
    if (rectangle) {
        show();
        raise();
    }
}

void TRes_I_r::CalculerLumiere(int r, int g, int b)
{
    valeurs_.Calculer(r, g, b);
    Rafraichir();
    recouvrement->hide();
    show();
    raise();
    emit ValeurMesuree(valeurs_.ValeurCourante);
}

void TRes_I_r::Rafraichir()
{
    valeurs_.MettreAJourValeurCourante();
    for (int i = 0; i < 4; ++i) {
        const auto k = static_cast<std::size_t>(i);
        nettes[k]->setText(valeurs_.TexteNet(i));
        zeros[k]->setText(valeurs_.TexteZero(i));
        brutes[k]->setText(valeurs_.TexteBrut(i));
    }
}

void TRes_I_r::AppliquerGrandeur()
{
    const int q = valeurs_.Choix;
    const bool densite = q == LumiereDO;
    noir_blanc->setText(q == LumiereIntensite ? tr("(noir)") : tr("(blanc)"));
    PC->setVisible(!densite);
    ref_glob->setVisible(!densite && !valeurs_.Pourcent());
    actUnite->setVisible(!densite);
    PC->setText(valeurs_.Pourcent() ? tr("en %") : tr("sur 255"));
    Rafraichir();
}

void TRes_I_r::ChoisirGrandeur(int grandeur)
{
    valeurs_.ChoisirGrandeur(grandeur);
    choix[static_cast<std::size_t>(valeurs_.Choix)]->setChecked(true);
    AppliquerGrandeur();
    emit Notification();
}

void TRes_I_r::ChoisirPourcent(bool pourcent)
{
    valeurs_.ChoisirPourcent(pourcent);
    actPourcent->setChecked(pourcent);
    actValeursRvb->setChecked(!pourcent);
    AppliquerGrandeur();
    emit Notification();
}

void TRes_I_r::ChoisirLigne(int ligne)
{
    valeurs_.ChoisirLigne(ligne);
    lignes[static_cast<std::size_t>(valeurs_.LigneChoisie)]->setChecked(true);
    Rafraichir();
    emit LigneChangee();
}

void TRes_I_r::PrendreZero()
{
    valeurs_.PrendreZero();
    Rafraichir();
    emit ZeroPris();
}

void TRes_I_r::EffacerZero()
{
    valeurs_.EffacerZero();
    Rafraichir();
}

void TRes_I_r::BasculerZeroBrut()
{
    large_ = !large_;
    AfficherColonnes(large_);
    setFixedWidth(large_ ? LargeurLarge : LargeurEtroite);
    actVoirZero->setText(large_ ? tr("&Masquer zéro/valeurs brutes") : tr("&Voir zéro/valeurs brutes"));
}

void TRes_I_r::AfficherColonnes(bool visibles)
{
    panneauZero->setVisible(visibles);
    panneauBrut->setVisible(visibles);
    for (int i = 0; i < 4; ++i) {
        zeros[static_cast<std::size_t>(i)]->setVisible(visibles);
        brutes[static_cast<std::size_t>(i)]->setVisible(visibles);
    }
}
