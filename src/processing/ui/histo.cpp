#include "processing/ui/histo.h"

#include "commun/erreur.h"
#include "commun/ui/boutons_dialogue.h"
#include "drawing/ui/repere_v.h"
#include "processing/repere_limites.h"
#include "processing/ui/graphique_histogramme.h"
#include "processing/ui/signalement.h"

#include <QApplication>
#include <QCheckBox>
#include <QColorDialog>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QEventLoop>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressDialog>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QThread>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <exception>
#include <limits>

namespace {

QWidget *Page(QTabWidget *onglets, const QString &titre)
{
    auto *page = new QWidget;
    auto *disposition = new QVBoxLayout(page);
    disposition->setAlignment(Qt::AlignTop);
    onglets->addTab(page, titre);
    return page;
}

QPushButton *Bouton(QWidget *page, const QString &texte)
{
    auto *b = new QPushButton(texte, page);
    page->layout()->addWidget(b);
    return b;
}

QLabel *Texte(QWidget *page, const QString &texte)
{
    auto *l = new QLabel(texte, page);
    l->setWordWrap(true);
    page->layout()->addWidget(l);
    return l;
}

} // namespace

THisto::THisto(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Histogrammes des trois composantes"));
    setObjectName(QStringLiteral("Histo"));
    auto *principale = new QHBoxLayout(this);
    auto *gauche = new QVBoxLayout;
    principale->addLayout(gauche, 0);

    onglets_ = new QTabWidget(this);
    onglets_->setObjectName(QStringLiteral("onglets"));
    onglets_->setMinimumWidth(380);
    gauche->addWidget(onglets_);

    QWidget *taches = Page(onglets_, tr("Tâches"));
    Texte(taches, tr("Colorer : peindre avec une couleur les points dont les trois composantes sont dans les "
                     "intervalles marqués sur les histogrammes."));
    Texte(taches, tr("Etirer : répartir les valeurs de l'image, ou des intervalles marqués, sur toute l'étendue "
                     "de 0 à 255."));
    Texte(taches, tr("Gamma : éclaircir (gamma supérieur à 1) ou assombrir (gamma inférieur à 1) l'image."));

    QWidget *colorer = Page(onglets_, tr("Colorer"));
    Texte(colorer, tr("Peindre, avec la couleur choisie ci-dessous"));
    Texte(colorer, tr("les zones définies sur les histogrammes"));
    Texte(colorer, tr("par une combinaison de critères."));
    couleur_ = new QToolButton(colorer);
    couleur_->setObjectName(QStringLiteral("Couleur"));
    couleur_->setFixedSize(60, 30);
    colorer->layout()->addWidget(couleur_);
    Texte(colorer, tr("Double-cliquer sur la couleur pour la modifier"));
    QPushButton *peindre = Bouton(colorer, tr("Colorer"));
    QPushButton *annuler = Bouton(colorer, tr("Annuler"));

    QWidget *etirer = Page(onglets_, tr("Etirer"));
    Texte(etirer, tr("Etirer les valeurs"));
    QPushButton *ensemble = Bouton(etirer, tr("de l'ensemble de l'histogramme"));
    QPushButton *portions = Bouton(etirer, tr("les portions choisies sur l'histogramme"));

    QWidget *gamma = Page(onglets_, tr("Gamma"));
    auto *ligneGamma = new QHBoxLayout;
    ligneGamma->addWidget(new QLabel(tr("Correction gamma :"), gamma));
    valcorgamma_ = new QDoubleSpinBox(gamma);
    valcorgamma_->setObjectName(QStringLiteral("valcorgamma"));
    valcorgamma_->setRange(0.1, 4);
    valcorgamma_->setSingleStep(0.2);
    valcorgamma_->setDecimals(1);
    valcorgamma_->setValue(1);
    ligneGamma->addWidget(valcorgamma_);
    qobject_cast<QVBoxLayout *>(gamma->layout())->addLayout(ligneGamma);
    QPushButton *modifier = Bouton(gamma, tr("Modifier"));

    QWidget *filtres = Page(onglets_, tr("filtres"));
    QPushButton *accentuer = Bouton(filtres, tr("Accentuer"));
    QPushButton *flou = Bouton(filtres, tr("flou"));
    QPushButton *gaussien = Bouton(filtres, tr("flou gaussien"));
    QPushButton *sobel = Bouton(filtres, tr("Sobel"));
    QPushButton *contour = Bouton(filtres, tr("contour"));
    QPushButton *litho = Bouton(filtres, tr("lithographie"));
    QPushButton *evide = Bouton(filtres, tr("Evide"));

    QWidget *tsl = Page(onglets_, tr("TSL"));
    auto *formulaire = new QFormLayout;
    saturation_ = new QSpinBox(tsl);
    saturation_->setRange(-100, 100);
    lumiere_ = new QSpinBox(tsl);
    lumiere_->setRange(-100, 100);
    formulaire->addRow(tr("Saturation"), saturation_);
    formulaire->addRow(tr("Lumière"), lumiere_);
    qobject_cast<QVBoxLayout *>(tsl->layout())->addLayout(formulaire);
    QPushButton *tester = Bouton(tsl, tr("Tester"));
    onglets_->setCurrentIndex(4);

    apercu_ = new QCheckBox(tr("Aperçu"), this);
    gauche->addWidget(apercu_);
    auto *boutons = BoutonsOkAnnuler(this, tr("OK"), tr("Annuler"));
    gauche->addWidget(boutons);
    imageApercu_ = new QLabel(this);
    imageApercu_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    imageApercu_->setMinimumHeight(200);
    imageApercu_->setVisible(false);
    gauche->addWidget(imageApercu_);
    gauche->addStretch(1);

    auto *droite = new QVBoxLayout;
    principale->addLayout(droite, 1);
    const QColor couleurs[3] = {Qt::blue, QColor(0, 128, 128), Qt::red};
    for (int k : {2, 1, 0}) {
        auto *g = new TGraphiqueHistogramme(couleurs[k], this);
        g->setMinimumSize(420, 150);
        auto *r = new TRepereV(g);
        graphiques_[static_cast<std::size_t>(k)] = g;
        reperes_[static_cast<std::size_t>(k)] = r;
        droite->addWidget(g);
        connect(r, &TRepereV::OnChange, this, [this, k] { RepereChange(k); });
    }

    connect(apercu_, &QCheckBox::toggled, this, [this] { MettreAJourApercu(); });
    connect(couleur_, &QToolButton::clicked, this, [this] {
        if (!travail_)
            return;
        const QColor c = QColorDialog::getColor(QColor::fromRgb(travail_->Couleur), this, tr("Couleur"));
        if (c.isValid()) {
            travail_->Couleur = c.rgb();
            MettreAJourCouleur();
        }
    });
    connect(peindre, &QPushButton::clicked, this, [this] { Operation([this] { travail_->Colorer(); }); });
    connect(annuler, &QPushButton::clicked, this, [this] { Operation([this] { travail_->Annuler(); }); });
    const auto etirement = [this](bool tout) {
        auto inchangees = std::make_shared<std::array<bool, 3>>();
        Operation([this, tout, inchangees] { *inchangees = tout ? travail_->EtirerEnsemble() : travail_->EtirerPortions(); },
                  [this, tout, inchangees] {
                      if (tout)
                          for (int k = 0; k < 3; ++k)
                              PlacerRepere(k, travail_->limites.basse[static_cast<std::size_t>(k)],
                                           travail_->limites.haute[static_cast<std::size_t>(k)]);
                      QStringList noms;
                      const QString composantes[3] = {tr("bleue"), tr("verte"), tr("rouge")};
                      for (int k = 2; k >= 0; --k)
                          if ((*inchangees)[static_cast<std::size_t>(k)])
                              noms << composantes[k];
                      if (!noms.isEmpty())
                          Signal(this, Signaler, false, tr("Composante constante, laissée telle quelle : %1.")
                                                       .arg(noms.join(QStringLiteral(", "))));
                  });
    };
    connect(ensemble, &QPushButton::clicked, this, [etirement] { etirement(true); });
    connect(portions, &QPushButton::clicked, this, [etirement] { etirement(false); });
    connect(modifier, &QPushButton::clicked, this,
            [this] { Operation([this, g = valcorgamma_->value()] { travail_->Gamma(g); }); });
    connect(tester, &QPushButton::clicked, this,
            [this] {
                Operation([this, s = saturation_->value(), l = lumiere_->value()] { travail_->SaturationLumiere(s, l); });
            });
    const std::pair<QPushButton *, FiltreConvolution> boutonsFiltres[] = {
        {accentuer, FiltreConvolution::Accentuer}, {flou, FiltreConvolution::Flou},
        {gaussien, FiltreConvolution::FlouGaussien}, {contour, FiltreConvolution::Contour},
        {litho, FiltreConvolution::Lithographie}};
    for (const auto &[b, f] : boutonsFiltres)
        connect(b, &QPushButton::clicked, this, [this, f = f] { Operation([this, f] { travail_->Filtrer(f); }); });
    connect(sobel, &QPushButton::clicked, this, [this] { Operation([this] { travail_->Operer(OperationHisto::Sobel); }); });
    connect(evide, &QPushButton::clicked, this, [this] { Operation([this] { travail_->Operer(OperationHisto::Evide); }); });
}

THisto::~THisto() = default;

void THisto::Preparer(const ImageDocument &document, bool codeConservable)
{
    // The painting colour stays as last chosen; only the picture, the limits
    // and the change mark start again.
    const QRgb couleur = travail_ ? travail_->Couleur : QRgb{0xFF000000};
    travail_ = std::make_unique<TravailHisto>(document.image, codeConservable);
    travail_->Couleur = couleur;
    source_ = std::make_unique<ImageDocument>();
    source_->echelle = document.echelle;
    source_->codeCouleur = document.codeCouleur;
    const HistogrammesImage &h = travail_->histogrammes();
    for (int k = 0; k < 3; ++k) {
        std::array<double, 256> valeurs{};
        for (int v = 0; v < 256; ++v)
            valeurs[static_cast<std::size_t>(v)] = h.pourcentage(k, v);
        graphiques_[static_cast<std::size_t>(k)]->DefinirValeurs(valeurs);
    }
    MettreAJourCouleur();
    ReinitialiserLimites();
}

std::unique_ptr<ImageDocument> THisto::DocumentResultat() const
{
    if (!travail_ || !source_)
        return nullptr;
    return travail_->DocumentModifie(*source_);
}

void THisto::ReinitialiserLimites()
{
    if (!travail_)
        return;
    travail_->ReinitialiserLimites();
    for (int k = 0; k < 3; ++k)
        PlacerRepere(k, 0, 255);
    MettreAJourApercu();
}

void THisto::PlacerRepere(int composante, int basse, int haute)
{
    TGraphiqueHistogramme *g = graphiques_[static_cast<std::size_t>(composante)];
    const PositionRepere p = RepereDeLimites(basse, haute, g->GaucheTrace(), g->DroiteTrace());
    placement_ = true;
    reperes_[static_cast<std::size_t>(composante)]->setGeometry(
        p.gauche, TGraphiqueHistogramme::MargeHaut, p.largeur,
        g->height() - TGraphiqueHistogramme::MargeHaut - TGraphiqueHistogramme::MargeBas);
    placement_ = false;
}

void THisto::RepereChange(int composante)
{
    if (placement_ || !travail_)
        return;
    TRepereV *r = reperes_[static_cast<std::size_t>(composante)];
    TGraphiqueHistogramme *g = graphiques_[static_cast<std::size_t>(composante)];
    const LimitesRepere l = LimitesDeRepere({r->x(), r->width()}, g->GaucheTrace(), g->DroiteTrace());
    if (l.position != PositionRepere{r->x(), r->width()}) {
        placement_ = true;
        r->setGeometry(l.position.gauche, r->y(), l.position.largeur, r->height());
        placement_ = false;
    }
    travail_->limites.basse[static_cast<std::size_t>(composante)] = l.basse;
    travail_->limites.haute[static_cast<std::size_t>(composante)] = l.haute;
}

void THisto::Operation(const std::function<void()> &calcul, const std::function<void()> &ensuite)
{
    if (!travail_)
        return;
    // The pass over the picture runs beside the interface, which keeps
    // repainting and, past half a second, shows that it is working; the
    // user's input waits until it ends.
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QProgressDialog progression(tr("Traitement de l'image en cours..."), QString(), 0, 0, this);
    progression.setWindowTitle(tr("Patienter..."));
    progression.setWindowModality(Qt::WindowModal);
    progression.setMinimumDuration(std::numeric_limits<int>::max()); // shown by the timer below only
    QTimer montre;
    montre.setSingleShot(true);
    connect(&montre, &QTimer::timeout, &progression, &QProgressDialog::show);
    montre.start(500);
    std::exception_ptr erreur;
    QEventLoop boucle;
    const std::unique_ptr<QThread> fil(QThread::create([&calcul, &erreur] {
        try {
            calcul();
        } catch (...) {
            erreur = std::current_exception();
        }
    }));
    connect(fil.get(), &QThread::finished, &boucle, &QEventLoop::quit);
    fil->start();
    boucle.exec(QEventLoop::ExcludeUserInputEvents);
    fil->wait();
    progression.reset();
    QApplication::restoreOverrideCursor();
    try {
        if (erreur)
            std::rethrow_exception(erreur);
    } catch (const ErreurKaptori &e) {
        Signal(this, Signaler, true, e.message());
        return;
    }
    if (ensuite)
        ensuite();
    MettreAJourApercu();
}

void THisto::MettreAJourApercu()
{
    imageApercu_->setVisible(apercu_->isChecked());
    if (!apercu_->isChecked() || !travail_ || travail_->ImageTravail().isNull())
        return;
    const QImage &image = travail_->ImageTravail();
    const double facteur = std::min((onglets_->width() - 6.0) / image.width(), 200.0 / image.height());
    const QSize taille(std::max(1, static_cast<int>(image.width() * facteur)),
                       std::max(1, static_cast<int>(image.height() * facteur)));
    imageApercu_->setPixmap(QPixmap::fromImage(image.scaled(taille, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)));
}

void THisto::MettreAJourCouleur()
{
    if (!travail_)
        return;
    couleur_->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid black;")
                                .arg(QColor::fromRgb(travail_->Couleur).name()));
}

void THisto::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    if (!travail_)
        return;
    for (int k = 0; k < 3; ++k)
        PlacerRepere(k, travail_->limites.basse[static_cast<std::size_t>(k)],
                     travail_->limites.haute[static_cast<std::size_t>(k)]);
}
