// The schema window's tool bars: editing, colour and thickness of the pen,
// line style, shape, filling and text, and the column of tools; and how
// the pen shows there.

#include "schema/ui/schema1.h"

#include "schema/ui/bulle.h"

#include <QAction>
#include <QActionGroup>
#include <QIcon>
#include <QLabel>
#include <QMenu>
#include <QPainter>
#include <QPixmap>
#include <QSpinBox>
#include <QToolBar>
#include <QToolButton>

#include <algorithm>

void TSchema1::CreerBarres()
{
    QToolBar *barre2 = addToolBar(tr("Edition"));
    barre2->setObjectName(QStringLiteral("ToolBar2"));
    barre2->addAction(actAnnuler);
    barre2->addAction(actEffacer);
    barre2->addAction(actCopierSchema);
    barre2->addAction(actCopierDocument);

    QToolBar *coul = addToolBar(tr("Couleur et taille"));
    coul->setObjectName(QStringLiteral("Coul_taille"));
    couleur = new QToolButton(coul);
    couleur->setObjectName(QStringLiteral("couleur"));
    Bulle(couleur, tr("couleur|couleur du prochain trait"));
    Couleur_fond = new QToolButton(coul);
    Couleur_fond->setObjectName(QStringLiteral("Couleur_fond"));
    Bulle(Couleur_fond, tr("couleur de la gomme"));
    pan_taille = new QLabel(coul);
    pan_taille->setObjectName(QStringLiteral("pan_taille"));
    pan_taille->setFixedSize(25, 25);
    Bulle(pan_taille, tr("épaisseur du trait"));
    SpinButton1 = new QSpinBox(coul);
    SpinButton1->setObjectName(QStringLiteral("SpinButton1"));
    SpinButton1->setRange(2, 10);
    SpinButton1->setSingleStep(2);
    Bulle(SpinButton1, tr("choix de l'épaisseur|choix de l'épaisseur du trait"));
    connect(SpinButton1, &QSpinBox::valueChanged, this, [this](int w) { DefinirEpaisseur(w); });
    for (QWidget *w : {static_cast<QWidget *>(couleur), static_cast<QWidget *>(Couleur_fond),
                       static_cast<QWidget *>(pan_taille)})
        w->installEventFilter(this);
    coul->addWidget(couleur);
    coul->addWidget(Couleur_fond);
    coul->addWidget(pan_taille);
    coul->addWidget(SpinButton1);

    const auto deroulant = [coul, this](const char *nom, const QString &texte) {
        auto *b = new QToolButton(coul);
        b->setObjectName(QLatin1String(nom));
        b->setText(texte);
        b->setPopupMode(QToolButton::InstantPopup);
        b->setMenu(new QMenu(b));
        coul->addWidget(b);
        return b;
    };
    ChoixStyle = deroulant("ChoixStyle", tr("Style"));
    auto *styleTrait = new QActionGroup(this);
    actTraitsPleins = ChoixStyle->menu()->addAction(tr("traits pleins"));
    actTirets = ChoixStyle->menu()->addAction(tr("tiretés"));
    for (QAction *a : {actTraitsPleins, actTirets}) {
        a->setCheckable(true);
        styleTrait->addAction(a);
    }
    actTraitsPleins->setChecked(true);
    connect(actTirets, &QAction::toggled, this, [this](bool v) { pinceau.tirets = v; });

    ChoixForme = deroulant("ChoixForme", tr("Forme"));
    auto *formes = new QActionGroup(this);
    actRectangle = ChoixForme->menu()->addAction(tr("&Rectangle"));
    actEllipse = ChoixForme->menu()->addAction(tr("&Ellipse"));
    for (QAction *a : {actRectangle, actEllipse}) {
        a->setCheckable(true);
        formes->addAction(a);
    }
    actRectangle->setChecked(true);
    connect(actEllipse, &QAction::toggled, this, [this](bool v) { Ellipse = v; });

    choixRemplis = deroulant("choixRemplis", tr("Remplissage"));
    auto *remplissages = new QActionGroup(this);
    const QString noms[4] = {tr("vide"), tr("plein"), tr("rayure 1"), tr("rayure 2")};
    for (int i = 0; i < 4; ++i) {
        QAction *a = choixRemplis->menu()->addAction(noms[i]);
        a->setCheckable(true);
        a->setChecked(i == 0);
        remplissages->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { Remplissage = i; });
    }

    ChoixFonte = deroulant("ChoixFonte", tr("Texte"));
    connect(ChoixFonte->menu()->addAction(tr("&Fonte")), &QAction::triggered, this, [this] { ChoisirFonte(); });
    auto *fonds = new QActionGroup(this);
    actFondTransparent = ChoixFonte->menu()->addAction(tr("Fond &Transparent"));
    actFondColore = ChoixFonte->menu()->addAction(tr("Fond& Coloré"));
    for (QAction *a : {actFondTransparent, actFondColore}) {
        a->setCheckable(true);
        fonds->addAction(a);
    }
    actFondTransparent->setChecked(true);
    connect(actFondColore, &QAction::toggled, this, [this](bool v) { FondColore = v; });

    QToolBar *panel4 = new QToolBar(tr("Outils"), this);
    addToolBar(Qt::LeftToolBarArea, panel4);
    panel4->setToolButtonStyle(Qt::ToolButtonTextOnly);
    panel4->setObjectName(QStringLiteral("Panel4"));
    struct Outil {
        int tag;
        const char *nom;
        QString bulle;
    };
    const Outil liste[] = {
        {0, "SpeedButton1", tr("crayon|actif  sur le document ou le schéma")},
        {1, "SpeedButton3", tr("ligne|ligne : actif sur le document ou le schéma")},
        {2, "SpeedButton4", tr("forme|forme : actif sur le document ou le schéma")},
        {3, "SpeedButton2", tr("gomme|gomme : actif sur le schéma")},
        {4, "SpeedButton5", tr("texte|texte : actif sur le schéma")},
        {6, "pot_de_peint", tr("pot de peinture|peint une zone du schéma ")},
    };
    outils.assign(7, nullptr);
    for (const Outil &o : liste) {
        auto *b = new QToolButton(panel4);
        b->setObjectName(QLatin1String(o.nom));
        b->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
        b->setCheckable(true);
        b->setAutoExclusive(true);
        b->setText(o.bulle.left(o.bulle.indexOf(QLatin1Char('|'))));
        Bulle(b, o.bulle);
        panel4->addWidget(b);
        outils[static_cast<std::size_t>(o.tag)] = b;
        connect(b, &QToolButton::clicked, this, [this, tag = o.tag] { ChoisirOutil(tag); });
    }
    outils[4]->installEventFilter(this);
}

void TSchema1::AfficherPinceau()
{
    const auto pastille = [](QRgb c) {
        QPixmap p(20, 20);
        p.fill(QColor::fromRgb(c));
        return QIcon(p);
    };
    couleur->setIcon(pastille(pinceau.couleur));
    Couleur_fond->setIcon(pastille(pinceau.fond));
    QPixmap rond(25, 25);
    rond.fill(Qt::transparent);
    QPainter peintre(&rond);
    peintre.setRenderHint(QPainter::Antialiasing);
    peintre.setPen(Qt::NoPen);
    peintre.setBrush(Qt::black);
    const double r = pinceau.epaisseur / 2.0;
    peintre.drawEllipse(QPointF(13, 13), r, r);
    peintre.end();
    pan_taille->setPixmap(rond);
}

void TSchema1::DefinirEpaisseur(int w)
{
    w = std::clamp(w / 2 * 2, 2, 10);
    pinceau.epaisseur = w;
    if (SpinButton1->value() != w)
        SpinButton1->setValue(w);
    AfficherPinceau();
}
