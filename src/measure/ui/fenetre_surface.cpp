// The surface window's controls, menus and connections, its binding to a
// document, and its compact form.

#include "measure/ui/fenetre_surface.h"

#include "commun/nombres.h"
#include "document/image_document.h"
#include "drawing/ui/etiquette2.h"
#include "measure/mesure_surface.h"
#include "measure/outil_mesure.h"

#include <QAction>
#include <QActionGroup>
#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

QStringList ComposantesDeBase()
{
    return {QObject::tr("Bleue"), QObject::tr("Verte"), QObject::tr("Rouge"), QObject::tr("Teinte"),
            QObject::tr("Saturation"), QObject::tr("Luminosité")};
}

QMessageBox::StandardButton BoiteMessage(QWidget *parent, QMessageBox::Icon icone, const QString &texte,
                                         QMessageBox::StandardButtons boutons)
{
    QMessageBox boite(icone, QStringLiteral("Kaptori"), QString(texte).replace(QLatin1Char('\r'), QLatin1Char('\n')),
                      boutons, parent);
    return static_cast<QMessageBox::StandardButton>(boite.exec());
}

} // namespace

TMesursurf::TMesursurf(QWidget *parent) : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TMesursurf"));
    setWindowTitle(tr("Mesure de surface"));
    demander = [this](QMessageBox::Icon icone, const QString &texte, QMessageBox::StandardButtons boutons) {
        return BoiteMessage(this, icone, texte, boutons);
    };

    menus = new QMenuBar(this);
    menuMesurer = menus->addMenu(tr("&Mesurer"));
    menuMesurer->addAction(tr("&Mesurer"), this, &TMesursurf::Mesurer);
    menuNombre = menus->addMenu(tr("&Nombre de critères"));
    actAjouter = menuNombre->addAction(tr("&Ajouter une condition"));
    actInserer = menuNombre->addAction(tr("&Insérer une condition"));
    actSupprimer = menuNombre->addAction(tr("&Supprimer la condition sélectionnée"));
    menuChoix = menus->addMenu(tr("&Choix"));
    actCouleur = menuChoix->addAction(tr("&Couleur de la surface mesurée"));
    actChoixDivers = menuChoix->addAction(tr("&Choix divers"));
    actMasquerChoix = menuChoix->addAction(tr("Afficher / &Masquer les choix"));
    auto *actMasquerConditions = menuChoix->addAction(tr("Afficher / Masquer les conditions"));
    actCopier = menuChoix->addAction(tr("C&opier le tableau"));
    actReduire = menus->addAction(tr("&Réduire"));

    Labinstruct = new QLabel(tr("Mesurer la surface des points"));
    Labinstruct2 = new QLabel(tr("qui répondent à la série de conditions :"));
    resultat = new QLabel(tr("Choisir les critères ") + QLatin1Char('\n') + tr("puis cliquer sur Mesurer"));
    resultat->setObjectName(QStringLiteral("resultat"));
    Resusurf = new TEtiquette2;
    Resusurf->setObjectName(QStringLiteral("Resusurf"));
    Resusurf->hide();

    onglets = new QTabBar;
    onglets->setExpanding(false);
    onglets->setUsesScrollButtons(true);
    onglets->setContextMenuPolicy(Qt::ActionsContextMenu);
    auto *popInserer = new QAction(tr("&Insérer une condition"), onglets);
    auto *popSupprimer = new QAction(tr("&Supprimer la condition"), onglets);
    onglets->addAction(popInserer);
    onglets->addAction(popSupprimer);

    ChoixLien = new QComboBox;
    ChoixLien->addItems({tr("et"), tr("ou"), tr("xor"), tr("et non")});
    ChoixComposante = new QComboBox;
    ChoixComposante->addItems(ComposantesDeBase());
    ChoixValMin = new QSpinBox;
    ChoixValmax = new QSpinBox;
    ChoixValMin->setRange(0, 255);
    ChoixValmax->setRange(0, 255);
    ChoixPar = new QComboBox;
    ChoixPar->addItems({QString(), QStringLiteral("("), QStringLiteral(")")});

    panneauConditions = new QWidget;
    auto *grille = new QGridLayout(panneauConditions);
    grille->setContentsMargins(4, 0, 4, 4);
    grille->addWidget(ChoixPar, 0, 0);
    grille->addWidget(ChoixComposante, 0, 1);
    grille->addWidget(new QLabel(tr("est comprise entre")), 1, 0, 1, 2);
    grille->addWidget(ChoixValMin, 2, 0);
    grille->addWidget(new QLabel(tr("et")), 2, 1, Qt::AlignCenter);
    grille->addWidget(ChoixValmax, 2, 2);
    grille->addWidget(new QLabel(tr("lien logique avec la condition suivante")), 3, 0, 1, 2);
    grille->addWidget(ChoixLien, 3, 2);

    ChoixMode = new QComboBox;
    ChoixMode->addItems({tr("Manuel"), tr("Alignement sur la couleur de la zone cliquée"),
                         tr("..... les valeurs TSL de la zone cliquée")});
    ChoixAuto = new QComboBox;
    ChoixAuto->addItems({tr("... remplace les conditions"), tr("...étend les conditions"),
                         tr("...crée des condition supplémentaires")});
    ChoixAuto->setCurrentIndex(1);
    panneauModes = new QWidget;
    auto *modes = new QVBoxLayout(panneauModes);
    modes->setContentsMargins(0, 0, 0, 0);
    auto *boiteMode = new QGroupBox(tr(" Mode de remplissage des conditions "));
    (new QVBoxLayout(boiteMode))->addWidget(ChoixMode);
    auto *boiteAuto = new QGroupBox(tr("  Chaque click sur l'image... "));
    (new QVBoxLayout(boiteAuto))->addWidget(ChoixAuto);
    modes->addWidget(boiteMode);
    modes->addWidget(boiteAuto);

    TableauTailles = new QTableWidget(::TableauTailles::LignesFixes + 1, ::TableauTailles::NbColonnes);
    TableauTailles->setObjectName(QStringLiteral("TableauTailles"));
    TableauTailles->horizontalHeader()->hide();
    TableauTailles->verticalHeader()->hide();
    TableauTailles->horizontalHeader()->setDefaultSectionSize(76);
    TableauTailles->verticalHeader()->setDefaultSectionSize(20);
    TableauTailles->setEditTriggers(QAbstractItemView::NoEditTriggers);
    TableauTailles->setColumnWidth(0, 90);
    TableauTailles->setMinimumWidth(90 + 4 * 76 + 2 * TableauTailles->frameWidth() + 2);
    TableauTailles->hide();
    BCopier = new QPushButton(tr("C&opier le tableau"));
    BCopier->hide();

    // Options of the object measurement.
    boiteChoix = new QGroupBox(tr(" Choix de limitation et de tracé "));
    boiteChoix->setObjectName(QStringLiteral("boiteChoix"));
    auto *choix = new QGridLayout(boiteChoix);
    TailleMin = new QSpinBox;
    TailleMin->setRange(0, TailleMinMaxi);
    TailleMiniE = new QLabel;
    TailleMiniE->hide();
    ResuStat = new QCheckBox(tr("Résultats détaillés (taille...)"));
    TraceLargeur = new QCheckBox(tr("Tracer les repères de mesure"));
    Marquer = new QCheckBox(tr("Colorer la surface mesurée"));
    Marquer->setChecked(true);
    RegroupEmboites = new QCheckBox(tr("Regrouper les structures emboîtées"));
    RegroupEmboites->setChecked(true);
    CompteIncomplets = new QCheckBox(tr("Compter les objets incomplets"));
    auto *BCouleurTrace = new QPushButton(tr("Couleur du tracé"));
    auto *BCouleurSurface = new QPushButton(tr("Couleur de la surface mesurée"));
    auto *BCouleurReperes = new QPushButton(tr("Couleur des repères"));
    BChoixOK = new QPushButton(tr("OK"));
    choix->addWidget(new QLabel(tr("Taille minimale (en pixels) ")), 0, 0);
    choix->addWidget(TailleMin, 0, 1);
    choix->addWidget(TailleMiniE, 1, 0, 1, 2);
    choix->addWidget(ResuStat, 2, 0, 1, 2);
    choix->addWidget(TraceLargeur, 3, 0, 1, 2);
    choix->addWidget(Marquer, 4, 0, 1, 2);
    choix->addWidget(RegroupEmboites, 5, 0, 1, 2);
    choix->addWidget(CompteIncomplets, 6, 0, 1, 2);
    choix->addWidget(BCouleurTrace, 7, 0, 1, 2);
    choix->addWidget(BCouleurSurface, 8, 0, 1, 2);
    choix->addWidget(BCouleurReperes, 9, 0, 1, 2);
    choix->addWidget(BChoixOK, 10, 1);
    boiteChoix->hide();

    // The column of buttons, the only part of the compact form.
    colonne = new QWidget;
    auto *boutons = new QVBoxLayout(colonne);
    boutons->setContentsMargins(0, 0, 0, 0);
    BAnnule = new QPushButton(tr("Annule"));
    BAnnule->setEnabled(false);
    BInclure = new QPushButton(tr("Inclure"));
    BExclure = new QPushButton(tr("Exclure"));
    BInclure->setCheckable(true);
    BExclure->setCheckable(true);
    BInclure->setChecked(true);
    BRAZ = new QPushButton(tr("RAZ"));
    BAgrandir = new QPushButton(tr("Agrandir les Intervalles "));
    BRetrecir = new QPushButton(tr("Rétrécir les Intervalles "));
    BPas = new QPushButton(tr("Pas..."));
    auto *menuPas = new QMenu(BPas);
    auto *groupePas = new QActionGroup(menuPas);
    const QStringList pas{tr("&de 2 unités"), tr("de &10 unités"), tr("de 5 %"), tr("de 10 %"), tr("de 20 %")};
    for (int i = 0; i < pas.size(); ++i) {
        QAction *a = menuPas->addAction(pas[i]);
        a->setCheckable(true);
        a->setChecked(i == 0);
        groupePas->addAction(a);
        connect(a, &QAction::triggered, this, [this, i] { conditions.pas = static_cast<PasIntervalle>(i); });
    }
    BPas->setMenu(menuPas);
    BMesurer = new QPushButton(tr("Mesurer"));
    BMesurer->setDefault(true);
    for (QPushButton *b : {BAnnule, BInclure, BExclure, BRAZ, BAgrandir, BRetrecir, BPas, BMesurer})
        boutons->addWidget(b);
    boutons->addStretch();

    auto *gauche = new QWidget;
    gauche->setObjectName(QStringLiteral("panneauComplet"));
    auto *g = new QVBoxLayout(gauche);
    g->setContentsMargins(0, 0, 0, 0);
    g->addWidget(Labinstruct);
    g->addWidget(Labinstruct2);
    g->addWidget(onglets);
    g->addWidget(panneauConditions);
    g->addWidget(panneauModes);
    g->addWidget(resultat);
    g->addWidget(Resusurf);
    g->addWidget(TableauTailles, 1);
    g->addWidget(BCopier);
    g->addWidget(boiteChoix);
    auto *corps = new QHBoxLayout;
    corps->addWidget(gauche, 1);
    corps->addWidget(colonne);
    auto *principal = new QVBoxLayout(this);
    principal->setMenuBar(menus);
    principal->addLayout(corps);

    ReconstruireOnglets(0);
    resize(371, 321);

    connect(onglets, &QTabBar::currentChanged, this, [this](int n) {
        if (!changementInterne_)
            ChangerOnglet(n);
    });
    connect(ChoixComposante, &QComboBox::currentIndexChanged, this, [this](int p) {
        const int haut = MaxiComposante(CodeComposante(std::max(0, p)));
        ChoixValMin->setRange(0, haut);
        ChoixValmax->setRange(0, haut);
    });
    auto inserer = [this](int position) {
        if (!EnregistrerOngletCourant())
            return;
        if (const auto refus = conditions.InsererCondition(position)) {
            demander(QMessageBox::Warning, *refus, QMessageBox::Ok);
            return;
        }
        ReconstruireOnglets(position);
    };
    connect(actAjouter, &QAction::triggered, this, [this, inserer] { inserer(conditions.NbConditions()); });
    connect(actInserer, &QAction::triggered, this, [this, inserer] { inserer(ongletAffiche_); });
    connect(popInserer, &QAction::triggered, this, [this, inserer] { inserer(ongletAffiche_); });
    auto supprimer = [this] {
        if (const auto refus = conditions.SupprimerCondition(ongletAffiche_)) {
            demander(QMessageBox::Warning, *refus, QMessageBox::Ok);
            return;
        }
        ReconstruireOnglets(std::max(0, ongletAffiche_ - 1));
    };
    connect(actSupprimer, &QAction::triggered, this, supprimer);
    connect(popSupprimer, &QAction::triggered, this, supprimer);
    connect(BMesurer, &QPushButton::clicked, this, &TMesursurf::Mesurer);
    connect(BInclure, &QPushButton::clicked, this, [this] {
        conditions.modeInclure = true;
        BInclure->setChecked(true);
        BExclure->setChecked(false);
    });
    connect(BExclure, &QPushButton::clicked, this, [this] {
        conditions.modeInclure = false;
        BInclure->setChecked(false);
        BExclure->setChecked(true);
    });
    connect(BRAZ, &QPushButton::clicked, this, [this] {
        conditions.RAZ();
        BInclure->setChecked(true);
        BExclure->setChecked(false);
        // Emptied in the table and in what "C&opier le tableau" copies.
        tableau_.DefinirCellule(1, 2, QString());
        if (TableauTailles->item(2, 1))
            TableauTailles->item(2, 1)->setText(QString());
        ReconstruireOnglets(0);
        if (document_) {
            EffacerMesure(*document_);
            if (redessiner_)
                redessiner_();
        }
    });
    connect(BAnnule, &QPushButton::clicked, this, [this] {
        conditions.Annule();
        ReconstruireOnglets(std::min(ongletAffiche_, conditions.NbConditions() - 1));
    });
    auto pas2 = [this](bool agrandir) {
        if (!EnregistrerOngletCourant())
            return;
        agrandir ? conditions.Agrandir() : conditions.Retrecir();
        BAnnule->setEnabled(true);
        AfficherCondition(ongletAffiche_);
    };
    connect(BAgrandir, &QPushButton::clicked, this, [pas2] { pas2(true); });
    connect(BRetrecir, &QPushButton::clicked, this, [pas2] { pas2(false); });
    connect(actCouleur, &QAction::triggered, this, [this] {
        const QColor c = QColorDialog::getColor(QColor::fromRgba(options.CouleurSurface), this);
        if (c.isValid())
            options.CouleurSurface = c.rgb() | 0xFF000000u;
    });
    auto couleur = [this](QRgb &cible) {
        const QColor c = QColorDialog::getColor(QColor::fromRgba(cible), this);
        if (c.isValid())
            cible = c.rgb() | 0xFF000000u;
    };
    connect(BCouleurTrace, &QPushButton::clicked, this, [this, couleur] { couleur(options.CouleurTrace); });
    connect(BCouleurSurface, &QPushButton::clicked, this, [this, couleur] { couleur(options.CouleurSurface); });
    connect(BCouleurReperes, &QPushButton::clicked, this, [this, couleur] { couleur(options.CouleurReperes); });
    connect(actChoixDivers, &QAction::triggered, this, [this] {
        boiteChoix->show();
        panneauModes->hide();
    });
    connect(BChoixOK, &QPushButton::clicked, this, [this] {
        LireOptions();
        boiteChoix->hide();
        panneauModes->show();
        BCopier->setVisible(typeMesure_ == MesureDelimitation && options.ResuStat);
    });
    connect(TailleMin, &QSpinBox::valueChanged, this, [this] { MettreAJourTailleMin(); });
    // Both switch the filling-mode panel and close the options box.
    for (QAction *a : {actMasquerChoix, actMasquerConditions})
        connect(a, &QAction::triggered, this, [this] {
            panneauModes->setVisible(!panneauModes->isVisible());
            boiteChoix->hide();
        });
    connect(actReduire, &QAction::triggered, this, [this] { Reduire(!tailleReduite_); });
    connect(actCopier, &QAction::triggered, this, &TMesursurf::CopierTableau);
    connect(BCopier, &QPushButton::clicked, this, &TMesursurf::CopierTableau);
}

void TMesursurf::Lier(ImageDocument *document, int typeMesure, std::function<void()> redessiner)
{
    document_ = document;
    typeMesure_ = typeMesure;
    redessiner_ = std::move(redessiner);
    const bool objets = typeMesure == MesureDelimitation;
    setWindowTitle(objets ? tr("Délimitation d'objets") : tr("Mesure de surface"));
    Labinstruct->setText(objets ? tr("Délimiter les zones") : tr("Mesurer la surface des points"));
    actChoixDivers->setVisible(objets);
    BCopier->setVisible(objets && options.ResuStat && !tailleReduite_);
    actCopier->setVisible(objets && options.ResuStat);
    TableauTailles->setVisible(objets && options.ResuStat && !tailleReduite_);
    if (!objets)
        boiteChoix->hide();

    // PreparerMesureSurface: the components and filling modes of the document.
    const int nbCanaux = document ? static_cast<int>(document->canaux.size()) : 0;
    conditions.DefinirNbCanaux(nbCanaux);
    changementInterne_ = true;
    ChoixComposante->clear();
    QStringList items = ComposantesDeBase();
    for (int k = 0; k < nbCanaux; ++k)
        items << document->canaux[static_cast<std::size_t>(k)].nom;
    ChoixComposante->addItems(items);
    while (ChoixMode->count() > 3)
        ChoixMode->removeItem(3);
    if (nbCanaux > 0) {
        ChoixMode->addItems({tr("..... les valeurs des canaux affichés de la zone..."),
                             tr("..... les valeurs de tous les canaux de la zone...")});
        ChoixMode->setCurrentIndex(3);
    } else {
        ChoixMode->setCurrentIndex(1);
    }
    changementInterne_ = false;
    facteurMesure_ = document ? document->echelle.Facteur : 1.0;
    uniteMesure_ = document && document->echelle.Unite != QLatin1String("pixels") ? document->echelle.Unite : QString();
    MettreAJourTailleMin();
    AfficherCondition(ongletAffiche_);
    show();
    raise();
}

void TMesursurf::Delier(const ImageDocument *document)
{
    if (document_ == document) {
        document_ = nullptr;
        redessiner_ = nullptr;
    }
}

void TMesursurf::MettreAJourTailleMin()
{
    TailleMiniE->setVisible(!uniteMesure_.isEmpty());
    TailleMiniE->setText(tr("Taille minimale : ") + FormatGeneral(TailleMin->value() * facteurMesure_, 4)
                         + QLatin1Char(' ') + uniteMesure_);
}

void TMesursurf::LireOptions()
{
    options.TailleMin = TailleMin->value();
    options.ResuStat = ResuStat->isChecked();
    options.TraceLargeur = TraceLargeur->isChecked();
    options.Marquer = Marquer->isChecked();
    options.RegroupEmboites = RegroupEmboites->isChecked();
    options.CompteIncomplets = CompteIncomplets->isChecked();
}

void TMesursurf::Reduire(bool reduite)
{
    tailleReduite_ = reduite;
    findChild<QWidget *>(QStringLiteral("panneauComplet"))->setVisible(!reduite);
    menuMesurer->menuAction()->setVisible(!reduite);
    menuNombre->menuAction()->setVisible(!reduite);
    menuChoix->menuAction()->setVisible(!reduite);
    actReduire->setText(reduite ? tr("Restaurer") : tr("&Réduire"));
    if (reduite) {
        boiteChoix->hide();
        setMinimumSize(0, 0);
        resize(125, 263);
    } else {
        resize(371, 321);
    }
}
