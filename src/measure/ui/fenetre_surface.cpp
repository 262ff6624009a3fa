#include "measure/ui/fenetre_surface.h"

#include "commun/nombres.h"
#include "document/dessins_document.h"
#include "document/image_document.h"
#include "drawing/rendu_dessin.h"
#include "drawing/ui/etiquette2.h"
#include "measure/mesure_surface.h"
#include "measure/outil_mesure.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTabBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include <memory>

namespace {

constexpr int ModeManuel = 0;

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
        options.TailleMin = TailleMin->value();
        options.ResuStat = ResuStat->isChecked();
        options.TraceLargeur = TraceLargeur->isChecked();
        options.Marquer = Marquer->isChecked();
        options.RegroupEmboites = RegroupEmboites->isChecked();
        options.CompteIncomplets = CompteIncomplets->isChecked();
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

void TMesursurf::ReconstruireOnglets(int afficher)
{
    changementInterne_ = true;
    while (onglets->count() > conditions.NbConditions())
        onglets->removeTab(onglets->count() - 1);
    while (onglets->count() < conditions.NbConditions())
        onglets->addTab(NomOnglet(onglets->count() + 1));
    afficher = std::clamp(afficher, 0, conditions.NbConditions() - 1);
    onglets->setCurrentIndex(afficher);
    changementInterne_ = false;
    AfficherCondition(afficher);
}

void TMesursurf::AfficherCondition(int n)
{
    if (n < 0 || n >= conditions.NbConditions())
        return;
    ongletAffiche_ = n;
    const TCondicoul &c = conditions.Conditions()[static_cast<std::size_t>(n)];
    const bool avant = changementInterne_;
    changementInterne_ = true;
    ChoixLien->setCurrentIndex(std::min<int>(c.Liaison, 3));
    const int position = PositionComposante(c.Composante);
    ChoixComposante->setCurrentIndex(position < ChoixComposante->count() ? position : 0);
    const int haut = MaxiComposante(c.Composante);
    ChoixValMin->setRange(0, haut);
    ChoixValmax->setRange(0, haut);
    ChoixValMin->setValue(c.Mini);
    ChoixValmax->setValue(c.Maxi);
    ChoixPar->setCurrentIndex(conditions.Parentheses()[static_cast<std::size_t>(n)]);
    changementInterne_ = avant;
    BAnnule->setEnabled(conditions.AnnulePossible());
}

bool TMesursurf::EnregistrerOngletCourant()
{
    TCondicoul c;
    c.Liaison = static_cast<std::uint8_t>(ChoixLien->currentIndex());
    c.Composante = static_cast<std::uint8_t>(CodeComposante(std::max(0, ChoixComposante->currentIndex())));
    c.Mini = static_cast<std::uint16_t>(ChoixValMin->value());
    c.Maxi = static_cast<std::uint16_t>(ChoixValmax->value());
    if (ConditionImpossible(c)) {
        demander(QMessageBox::Warning, tr("Condition impossible !"), QMessageBox::Ok);
        return false;
    }
    if (c != conditions.Conditions()[static_cast<std::size_t>(ongletAffiche_)] && ConditionToujoursVraie(c)
        && demander(QMessageBox::Warning, tr("Condition toujours vraie !") + QLatin1Char('\r') + tr("La maintenir ?"),
                    QMessageBox::Yes | QMessageBox::Abort)
               != QMessageBox::Yes)
        return false;
    conditions.DefinirCondition(ongletAffiche_, c, ChoixPar->currentIndex());
    return true;
}

void TMesursurf::ChangerOnglet(int n)
{
    if (!EnregistrerOngletCourant()) {
        changementInterne_ = true;
        onglets->setCurrentIndex(ongletAffiche_);
        changementInterne_ = false;
        return;
    }
    AfficherCondition(n);
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

void TMesursurf::ClicImage(int x, int y, const QImage &pointe)
{
    if (!document_ || ChoixMode->currentIndex() == ModeManuel || document_->image.isNull())
        return;
    ImageDocument &doc = *document_;
    conditions.SauverAnnulation();
    doc.CreerCoucheProvisoire(doc.alphaProvisoire);
    {
        QPainter p(&doc.coucheProvisoire);
        p.drawImage(x - DecalagePointe, y - DecalagePointe, pointe);
    }
    const std::vector<QRgb> zone = PixelsZone(doc.image, doc.coucheProvisoire, x, y);
    if (zone.empty())
        return;
    conditions.effet = static_cast<EffetClic>(ChoixAuto->currentIndex());
    std::optional<QString> refus;
    switch (ChoixMode->currentIndex()) {
    case 1: {
        const auto [mini, maxi] = BornesRVB(zone);
        refus = conditions.AjouterConditionsRVB(mini, maxi);
        break;
    }
    case 2: {
        const BornesTsl b = BornesTSL(zone);
        refus = conditions.AjouterConditionsTSL(b.teinteMin, b.saturationMin, b.luminositeMin, b.teinteMax,
                                                b.saturationMax, b.luminositeMax);
        break;
    }
    default: {
        // Channel modes: the bytes of the planes over the zone's pixels.
        const PlansCanaux plans = PlansDuDocument(doc);
        std::vector<int> indices;
        if (ChoixMode->currentIndex() == 3) {
            for (const int c : {doc.canalBleu, doc.canalVert, doc.canalRouge})
                if (c >= 0 && c < static_cast<int>(plans.plans.size()))
                    indices.push_back(c);
        } else {
            for (int c = 0; c < static_cast<int>(plans.plans.size()); ++c)
                indices.push_back(c);
        }
        if (indices.empty())
            return;
        std::vector<int> minis(indices.size(), 255), maxis(indices.size(), 0);
        for (int yy = std::max(0, y - 13); yy <= std::min(doc.hauteur() - 1, y + 12); ++yy) {
            const auto *couche = reinterpret_cast<const QRgb *>(doc.coucheProvisoire.constScanLine(yy));
            for (int xx = std::max(0, x - 13); xx <= std::min(doc.largeur() - 1, x + 12); ++xx) {
                if (qAlpha(couche[xx]) == 0)
                    continue;
                for (std::size_t j = 0; j < indices.size(); ++j) {
                    const PlanCanal &plan = plans.plans[static_cast<std::size_t>(indices[j])];
                    const int v = plan.debut[static_cast<std::ptrdiff_t>(yy) * plan.pas + xx];
                    minis[j] = std::min(minis[j], v);
                    maxis[j] = std::max(maxis[j], v);
                }
            }
        }
        refus = ChoixMode->currentIndex() == 3 ? conditions.AjouterConditionsCanauxAffiches(indices, minis, maxis)
                                               : conditions.AjouterConditionsCanaux(minis, maxis);
    }
    }
    if (redessiner_)
        redessiner_();
    if (refus) {
        demander(QMessageBox::Warning, *refus, QMessageBox::Ok);
        return;
    }
    BAnnule->setEnabled(true);
    ReconstruireOnglets(conditions.modeInclure ? 0 : conditions.NbConditions() - 1);
}

void TMesursurf::Mesurer()
{
    QApplication::setOverrideCursor(Qt::WaitCursor);
    struct Curseur {
        ~Curseur() { QApplication::restoreOverrideCursor(); }
    } curseur;
    if (!EnregistrerOngletCourant())
        return;
    for (int n = 0; n < conditions.NbConditions();) {
        const TCondicoul c = conditions.Conditions()[static_cast<std::size_t>(n)];
        QString question;
        QMessageBox::Icon icone = QMessageBox::Critical;
        if (ConditionImpossible(c)) {
            question = MessageConditionImpossible(n + 1);
        } else if (ConditionToujoursVraie(c)) {
            question = MessageConditionInutile(n + 1);
            icone = QMessageBox::Question;
        }
        if (question.isEmpty()) {
            ++n;
            continue;
        }
        if (demander(icone, question, QMessageBox::Yes | QMessageBox::Abort) != QMessageBox::Yes)
            return;
        if (const auto refus = conditions.SupprimerCondition(n)) {
            demander(QMessageBox::Warning, *refus, QMessageBox::Ok);
            ++n;
        }
    }
    ReconstruireOnglets(std::min(ongletAffiche_, conditions.NbConditions() - 1));
    VerificationParentheses v = conditions.VerifierParenthesesCourantes();
    bool ajouter = false;
    if (v.etat == VerificationParentheses::OuvranteNonFermee) {
        if (demander(QMessageBox::Question, v.Message(), QMessageBox::Yes | QMessageBox::Abort) != QMessageBox::Yes)
            return;
        ajouter = true;
    } else if (v.etat != VerificationParentheses::Correct) {
        demander(QMessageBox::Critical, v.Message(), QMessageBox::Abort);
        return;
    }
    if (const auto refus = conditions.PreparerGroupes(ajouter)) {
        demander(QMessageBox::Critical, *refus, QMessageBox::Abort);
        return;
    }
    AfficherCondition(ongletAffiche_);
    if (!document_ || document_->image.isNull())
        return;
    Labinstruct->hide();
    Labinstruct2->hide();
    if (typeMesure_ == MesureDelimitation) {
        // A long measurement shows its progress (the progress is only
        // reported after half a second).
        std::unique_ptr<QProgressDialog> avancement;
        const ResultatObjets r = MesurerObjets(*document_, conditions.Groupes(), options, tableau_, [&](int pourcent) {
            if (!avancement) {
                avancement = std::make_unique<QProgressDialog>(tr("Délimitation des objets..."), QString(), 0, 100, this);
                avancement->setWindowModality(Qt::WindowModal);
                avancement->setMinimumDuration(0);
            }
            avancement->setValue(pourcent);
        });
        avancement.reset();
        resultat->setText(r.resultat);
        Resusurf->setCaption(r.resusurf);
        Resusurf->setVisible(r.resusurfVisible);
        AfficherTableau(tableau_);
        TableauTailles->setVisible(options.ResuStat);
        BCopier->setVisible(options.ResuStat);
        actCopier->setVisible(options.ResuStat);
        for (const QString &message : r.messages)
            demander(QMessageBox::Information, message, QMessageBox::Ok);
    } else {
        const ResultatSurface r = MesurerSurface(*document_, conditions.Groupes(), options.CouleurSurface);
        resultat->setText(r.resultat);
        Resusurf->setCaption(r.resusurf);
        Resusurf->setVisible(!r.resusurf.isEmpty());
    }
    if (redessiner_)
        redessiner_();
    if (tailleReduite_)
        Reduire(false);
}

void TMesursurf::AfficherTableau(const ::TableauTailles &tableau)
{
    TableauTailles->setRowCount(tableau.NbLignes());
    for (int ligne = 0; ligne < tableau.NbLignes(); ++ligne)
        for (int c = 0; c < ::TableauTailles::NbColonnes; ++c) {
            auto *cellule = TableauTailles->item(ligne, c);
            if (!cellule) {
                cellule = new QTableWidgetItem;
                TableauTailles->setItem(ligne, c, cellule);
            }
            cellule->setText(tableau.Cellule(c, ligne));
        }
    if (options.ResuStat && tableau.NbLignes() > ::TableauTailles::LignesFixes + 1)
        resize(std::max(width(), 424), std::max(height(), 484));
    else if (options.ResuStat)
        resize(std::max(width(), 410), std::max(height(), 379));
}

void TMesursurf::CopierTableau()
{
    QGuiApplication::clipboard()->setText(tableau_.Texte(windowTitle()));
}
