#include "processing/ui/fen_f_c.h"

#include "commun/erreur.h"
#include "commun/ui/boutons_dialogue.h"
#include "document/formats/lecteur_image.h"
#include "processing/ui/signalement.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QVBoxLayout>

TPlaceImage::TPlaceImage(QWidget *parent) : QLabel(parent)
{
    setFixedSize(LargeurExercice, HauteurExercice);
    setFrameShape(QFrame::Box);
}

void TPlaceImage::Montrer(const QImage &image)
{
    image_ = image;
    glisse_ = false;
    setVisible(!image.isNull());
    update();
}

void TPlaceImage::mousePressEvent(QMouseEvent *event)
{
    if (!rectangleActif || event->button() != Qt::LeftButton)
        return;
    coin1 = coin2 = event->position().toPoint();
    glisse_ = true;
    update();
}

void TPlaceImage::mouseMoveEvent(QMouseEvent *event)
{
    if (!rectangleActif || !(event->buttons() & Qt::LeftButton))
        return;
    coin2 = event->position().toPoint();
    update();
}

void TPlaceImage::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    QPainter p(this);
    if (!image_.isNull())
        p.drawImage(0, 0, image_);
    if (glisse_ && rectangleActif) {
        p.setCompositionMode(QPainter::RasterOp_SourceXorDestination);
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(QRect(coin1, coin2).normalized());
    }
}

namespace {

QWidget *PageTexte(const QString &texte)
{
    auto *page = new QWidget;
    auto *d = new QVBoxLayout(page);
    auto *l = new QLabel(texte, page);
    l->setWordWrap(true);
    d->addWidget(l);
    d->addStretch(1);
    return page;
}

} // namespace

TFen_f_c::TFen_f_c(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Combinaison de canaux de mesure pour composer une image en \"fausses couleurs\""));
    auto *principale = new QHBoxLayout(this);
    auto *gauche = new QVBoxLayout;
    principale->addLayout(gauche);

    auto *mode = new QGroupBox(tr(" Choisir le mode de travail "), this);
    auto *m = new QVBoxLayout(mode);
    modeCamera = new QRadioButton(tr("avec une mini-caméra"), mode);
    modeFichiers = new QRadioButton(tr("à partir de fichiers"), mode);
    modeCamera->setEnabled(false); // until the frame gives its acquisition
    modeFichiers->setChecked(true);
    m->addWidget(modeCamera);
    m->addWidget(modeFichiers);
    gauche->addWidget(mode);

    guide = new QTabWidget(this);
    guide->setFixedWidth(360);
    gauche->addWidget(guide, 1);
    guide->addTab(PageTexte(tr("Préparer la scène : une feuille blanche (la carte de blanc) à côté des objets "
                               "à photographier, éclairés par la lumière du jour ou une lampe à incandescence. "
                               "Prendre une photo infrarouge puis une photo couleur de la même scène, sans "
                               "bouger.")),
                  tr("Préparation"));
    const QString titres[2] = {tr("Image IR"), tr("Image Couleur")};
    for (int i = 0; i < 2; ++i) {
        auto *sous = new QTabWidget;
        auto *pageFichier = new QWidget;
        auto *df = new QVBoxLayout(pageFichier);
        const auto u = static_cast<std::size_t>(i);
        source[u] = new QPushButton(tr("Source"), pageFichier);
        priseDeVue[u] = new QPushButton(tr("Prise de vue"), pageFichier);
        df->addWidget(source[u]);
        df->addWidget(priseDeVue[u]);
        fichier[u] = new QPushButton(tr("Choix du fichier"), pageFichier);
        df->addWidget(fichier[u]);
        df->addStretch(1);
        sous->addTab(pageFichier, tr("&Fichier"));
        sousOnglets_[u] = sous;
        connect(source[u], &QPushButton::clicked, this, [this] {
            if (choisirSource)
                choisirSource();
        });
        connect(priseDeVue[u], &QPushButton::clicked, this, [this, i, sous] {
            if (!prendreVue)
                return;
            const QImage prise = prendreVue();
            if (prise.isNull())
                return;
            ChargerImage(i == 0, prise);
            sous->setCurrentIndex(1);
        });
        auto *pageCalibrer = new QWidget;
        auto *dc = new QVBoxLayout(pageCalibrer);
        auto *aide = new QLabel(tr("Tracer sur l'image un rectangle sur la carte blanche, puis cliquer sur « Blanc »."),
                                pageCalibrer);
        aide->setWordWrap(true);
        dc->addWidget(aide);
        blanc[static_cast<std::size_t>(i)] = new QPushButton(tr("Blanc"), pageCalibrer);
        blanc[static_cast<std::size_t>(i)]->setEnabled(false);
        dc->addWidget(blanc[static_cast<std::size_t>(i)]);
        if (i == 1) {
            decomposer = new QPushButton(tr("Décomposer"), pageCalibrer);
            decomposer->setEnabled(false);
            dc->addWidget(decomposer);
            suite = new QPushButton(tr("Suite"), pageCalibrer);
            suite->setEnabled(false);
            dc->addWidget(suite);
        }
        dc->addStretch(1);
        sous->addTab(pageCalibrer, tr("&Calibrer"));
        guide->addTab(sous, titres[i]);
        connect(sous, &QTabWidget::currentChanged, this, [this, i](int onglet) {
            places[0]->rectangleActif = onglet == 1 && blanc[static_cast<std::size_t>(i)]->isEnabled();
        });
        connect(fichier[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i, sous] {
            const QString chemin = QFileDialog::getOpenFileName(
                this, tr("Choix du fichier"), QString(),
                tr("Images (*.gif *.jpg *.jpeg *.bmp *.ico *.wmf *.emf *.png)"), nullptr, QFileDialog::DontUseNativeDialog);
            if (chemin.isEmpty())
                return;
            try {
                ChargerImage(i == 0, LireImage(chemin));
                sous->setCurrentIndex(1);
            } catch (const ErreurKaptori &e) {
                Signal(this, Signaler, true, e.message());
            }
        });
        connect(blanc[static_cast<std::size_t>(i)], &QPushButton::clicked, this, [this, i] { Calibrer(i == 0); });
    }

    // Pages shown later belong to the window until the guide takes them.
    pageCombinaison_ = new QTabWidget(this);
    pageCombinaison_->hide();
    auto *combinaison = static_cast<QTabWidget *>(pageCombinaison_);
    const QString canaux[3] = {tr("Canal 1 : radiations vertes, affichées en nuances de bleu"),
                               tr("Canal 2 : radiations rouges, affichées en nuances de vert"),
                               tr("Canal 3 : radiations IR, affichées en nuances de rouge")};
    for (int k = 0; k < 3; ++k) {
        auto *page = PageTexte(canaux[k]);
        operer[static_cast<std::size_t>(k)] = new QPushButton(tr("Opérer le changement"), page);
        operer[static_cast<std::size_t>(k)]->setEnabled(k == 0);
        static_cast<QVBoxLayout *>(page->layout())->insertWidget(1, operer[static_cast<std::size_t>(k)]);
        combinaison->addTab(page, tr("Canal %1").arg(k + 1));
    }
    auto *pageCombiner = PageTexte(tr("Les trois canaux forment l'image en fausses couleurs."));
    combiner = new QPushButton(tr("Combiner"), pageCombiner);
    combiner->setEnabled(false);
    fin = new QPushButton(tr("Fin"), pageCombiner);
    fin->setVisible(false);
    static_cast<QVBoxLayout *>(pageCombiner->layout())->insertWidget(1, combiner);
    static_cast<QVBoxLayout *>(pageCombiner->layout())->insertWidget(2, fin);
    combinaison->addTab(pageCombiner, tr("Combinaison"));

    pageFin_ = new QWidget(this);
    pageFin_->hide();
    auto *df = new QVBoxLayout(pageFin_);
    auto *groupe = new QGroupBox(tr(" Conserver les images "), pageFin_);
    auto *dg = new QVBoxLayout(groupe);
    const QString libelles[5] = {tr("\"vraies\" couleurs"), tr(" Infra-Rouge (canal 3)"), tr(" \"fausses\" couleurs"),
                                 tr(" Canal 1 (composante verte)"), tr(" Canal 2 (composante rouge)")};
    for (int k = 0; k < 5; ++k) {
        conserver[static_cast<std::size_t>(k)] = new QCheckBox(libelles[k], groupe);
        dg->addWidget(conserver[static_cast<std::size_t>(k)]);
    }
    df->addWidget(groupe);
    df->addStretch(1);

    auto *boutons = BoutonsOkAnnuler(this, tr("OK"), tr("Annuler"));
    gauche->addWidget(boutons);

    auto *grille = new QGridLayout;
    principale->addLayout(grille);
    for (int k = 0; k < 4; ++k) {
        places[static_cast<std::size_t>(k)] = new TPlaceImage(this);
        grille->addWidget(places[static_cast<std::size_t>(k)], k / 2, k % 2);
    }

    connect(decomposer, &QPushButton::clicked, this, [this] {
        for (int k = 0; k < 3; ++k)
            composantes_[static_cast<std::size_t>(k)] = ComposanteSeule(couleur_, k);
        places[0]->Montrer(couleur_);
        places[1]->Montrer(composantes_[0]);
        places[2]->Montrer(composantes_[1]);
        places[3]->Montrer(composantes_[2]);
        suite->setEnabled(!infraRouge_.isNull());
        suite->setText(tr("Cliquer sur Suite"));
    });
    connect(suite, &QPushButton::clicked, this, [this] {
        if (guide->indexOf(pageCombinaison_) < 0)
            guide->addTab(pageCombinaison_, tr("Combinaison"));
        guide->setCurrentWidget(pageCombinaison_);
    });
    connect(operer[0], &QPushButton::clicked, this, [this] {
        canaux_[0] = Canal1(composantes_[1]);
        places[1]->Montrer(canaux_[0]);
        operer[1]->setEnabled(true);
    });
    connect(operer[1], &QPushButton::clicked, this, [this] {
        canaux_[1] = Canal2(composantes_[2]);
        places[2]->Montrer(canaux_[1]);
        operer[2]->setEnabled(true);
    });
    connect(operer[2], &QPushButton::clicked, this, [this] {
        canaux_[2] = Canal3(infraRouge_);
        places[3]->Montrer(canaux_[2]);
        combiner->setEnabled(true);
    });
    connect(combiner, &QPushButton::clicked, this, [this] {
        resultat_ = CombinerCanaux(canaux_[0], canaux_[1], canaux_[2]);
        places[0]->Montrer(resultat_);
        combiner->setText(tr("Cliquer sur Fin"));
        fin->setVisible(true);
    });
    connect(fin, &QPushButton::clicked, this, [this] {
        if (guide->indexOf(pageFin_) < 0)
            guide->addTab(pageFin_, tr("Fin"));
        guide->setCurrentWidget(pageFin_);
        places[0]->Montrer(couleur_);
        places[1]->Montrer(infraRouge_);
        places[2]->Montrer(resultat_);
        places[3]->Montrer({});
    });
    connect(modeCamera, &QRadioButton::toggled, this, &TFen_f_c::MontrerMode);
    Recommencer();
}

void TFen_f_c::MontrerMode()
{
    const bool camera = modeCamera->isChecked();
    for (std::size_t i = 0; i < 2; ++i) {
        source[i]->setVisible(camera);
        priseDeVue[i]->setVisible(camera);
        fichier[i]->setVisible(!camera);
        sousOnglets_[i]->setTabText(0, camera ? tr("&Photographier") : tr("&Fichier"));
    }
}

void TFen_f_c::Recommencer()
{
    const bool acquisition = static_cast<bool>(prendreVue);
    modeCamera->setEnabled(acquisition);
    (acquisition ? modeCamera : modeFichiers)->setChecked(true);
    MontrerMode();
    guide->setCurrentIndex(0);
    for (QWidget *page : {pageCombinaison_, pageFin_}) {
        const int i = guide->indexOf(page);
        if (i >= 0)
            guide->removeTab(i);
    }
    for (TPlaceImage *p : places) {
        p->Montrer({});
        p->rectangleActif = false;
        p->coin1 = p->coin2 = QPoint(); // no white-card rectangle drawn yet
    }
    infraRouge_ = couleur_ = resultat_ = {};
    composantes_ = {};
    canaux_ = {};
    for (QPushButton *b : blanc)
        b->setEnabled(false);
    decomposer->setEnabled(false);
    suite->setEnabled(false);
    suite->setText(tr("Suite"));
    for (int k = 0; k < 3; ++k)
        operer[static_cast<std::size_t>(k)]->setEnabled(k == 0);
    combiner->setEnabled(false);
    combiner->setText(tr("Combiner"));
    fin->setVisible(false);
    const bool coches[5] = {true, true, true, false, false};
    for (int k = 0; k < 5; ++k)
        conserver[static_cast<std::size_t>(k)]->setChecked(coches[k]);
}

void TFen_f_c::ChargerImage(bool infraRouge, const QImage &image)
{
    (infraRouge ? infraRouge_ : couleur_) = ImageExercice(image);
    places[0]->Montrer(infraRouge ? infraRouge_ : couleur_);
    places[0]->rectangleActif = true;
    blanc[infraRouge ? 0 : 1]->setEnabled(true);
    if (!infraRouge) {
        // The components of the picture replaced no longer stand.
        decomposer->setEnabled(false);
        suite->setEnabled(false);
        suite->setText(tr("Suite"));
    } else if (!canaux_[2].isNull()) {
        // Nor does channel 3 of the infrared picture replaced, nor the
        // combination made with it.
        canaux_[2] = resultat_ = {};
        operer[2]->setEnabled(!canaux_[1].isNull());
        combiner->setEnabled(false);
        combiner->setText(tr("Combiner"));
        fin->setVisible(false);
    }
}

void TFen_f_c::Calibrer(bool infraRouge)
{
    QImage &image = infraRouge ? infraRouge_ : couleur_;
    try {
        if (!CalibrerBlanc(image, places[0]->coin1, places[0]->coin2))
            return;
    } catch (const ErreurKaptori &e) {
        Signal(this, Signaler, true, e.message());
        return;
    }
    places[0]->Montrer(image);
    places[0]->rectangleActif = false;
    blanc[infraRouge ? 0 : 1]->setEnabled(false);
    if (!infraRouge)
        decomposer->setEnabled(true);
}

std::vector<std::unique_ptr<ImageDocument>> TFen_f_c::Documents() const
{
    ImagesFaussesCouleurs images;
    const auto garder = [this](int k, const QImage &image) {
        return conserver[static_cast<std::size_t>(k)]->isChecked() ? image : QImage();
    };
    images.couleur = garder(0, couleur_);
    images.infraRouge = garder(1, infraRouge_);
    images.resultat = garder(2, resultat_);
    images.canal1 = garder(3, canaux_[0]);
    images.canal2 = garder(4, canaux_[1]);
    return DocumentsFaussesCouleurs(images);
}
