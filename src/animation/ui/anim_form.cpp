#include "animation/ui/anim_form.h"

#include "animation/enregistrement_animation.h"
#include "animation/partie_visible.h"
#include "commun/erreur.h"
#include "commun/ui/dialogue_enregistrement_simple.h"

#include <QAction>
#include <QActionGroup>
#include <QCloseEvent>
#include <QLabel>
#include <QMessageBox>
#include <QPaintEvent>
#include <QPainter>
#include <QScrollArea>
#include <QSpinBox>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QVBoxLayout>

// The frame area: paints only the exposed part of the current frame.
class ZoneImage : public QWidget {
public:
    using QWidget::QWidget;
    void Definir(const QImage *image)
    {
        image_ = image;
        const QSize taille = image_ ? image_->size() : QSize(0, 0);
        if (size() != taille)
            setFixedSize(taille);
        update();
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        if (!image_ || image_->isNull())
            return;
        const QRect zone = event->rect();
        const QImage partie = PartieVisible(*image_, zone);
        if (partie.isNull())
            return;
        QPainter p(this);
        p.drawImage(zone.intersected(image_->rect()).topLeft(), partie);
    }

private:
    const QImage *image_ = nullptr;
};

TAnimForm::TAnimForm(QWidget *parent) : QWidget(parent, Qt::Tool)
{
    setWindowTitle(tr("Animation"));
    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(0, 0, 0, 0);
    disposition->setSpacing(0);
    barre = new QToolBar(this);
    barre->setIconSize(QSize(16, 16));
    disposition->addWidget(barre);

    auto ajouter = [this](const QString &texte, const QString &bulle, QStyle::StandardPixmap icone) {
        QAction *a = barre->addAction(style()->standardIcon(icone), texte);
        a->setToolTip(bulle);
        a->setStatusTip(bulle);
        return a;
    };
    actRetourDebut = ajouter(tr("Retour au début"), tr("Retour à la première image"), QStyle::SP_MediaSkipBackward);
    actPrecedente = ajouter(tr("Précédente"), tr("image précédente"), QStyle::SP_MediaSeekBackward);
    actPause = ajouter(tr("Pause/Arrêt"), tr("Pause ou Arrêt"), QStyle::SP_MediaPause);
    actAvance = ajouter(tr("Avance"), tr("lire l'animation"), QStyle::SP_MediaPlay);
    actSuivante = ajouter(tr("Suivante"), tr("image suivante"), QStyle::SP_MediaSeekForward);
    actDerniere = ajouter(tr("Dernière image"), tr("Aller à la dernière image"), QStyle::SP_MediaSkipForward);
    barre->addSeparator();
    actBoucle = ajouter(tr("Boucle"), tr("active/désactive la lecture en boucle"), QStyle::SP_BrowserReload);
    barre->addSeparator();
    actEnregistrer = ajouter(tr("Enregistrer"), tr("Enregistre l'animation"), QStyle::SP_DialogSaveButton);
    intervalle = new QSpinBox(this);
    intervalle->setRange(1, 100);
    intervalle->setValue(2);
    barre->addWidget(intervalle);
    barre->addWidget(new QLabel(tr(" Intervalle (x 50 ms)"), this));

    auto *groupe = new QActionGroup(this);
    for (QAction *a : {actPause, actAvance}) {
        a->setCheckable(true);
        groupe->addAction(a);
    }
    actPause->setChecked(true);
    actBoucle->setCheckable(true);
    actBoucle->setChecked(true);

    defilement_ = new QScrollArea(this);
    defilement_->setFrameShape(QFrame::NoFrame);
    defilement_->setBackgroundRole(QPalette::Dark);
    zone_ = new ZoneImage;
    defilement_->setWidget(zone_);
    disposition->addWidget(defilement_, 1);

    minuterie = new QTimer(this);
    lecteur_.changement = [this] { Actualiser(); };
    connect(minuterie, &QTimer::timeout, this, [this] { lecteur_.Avancer(lecteur_.intervalleMs()); });
    connect(actRetourDebut, &QAction::triggered, this, [this] { lecteur_.RetourAuDebut(); });
    connect(actPrecedente, &QAction::triggered, this, [this] { lecteur_.Precedente(); });
    connect(actSuivante, &QAction::triggered, this, [this] { lecteur_.Suivante(); });
    connect(actDerniere, &QAction::triggered, this, [this] { lecteur_.DerniereImage(); });
    connect(actAvance, &QAction::triggered, this, [this] { lecteur_.Avance(); });
    connect(actPause, &QAction::triggered, this, [this] { lecteur_.PauseArret(); });
    connect(actBoucle, &QAction::toggled, this, [this](bool b) { lecteur_.DefinirBoucle(b); });
    connect(intervalle, &QSpinBox::valueChanged, this, [this](int v) {
        lecteur_.DefinirTemporisation(v);
        minuterie->setInterval(lecteur_.intervalleMs());
    });
    connect(actEnregistrer, &QAction::triggered, this, &TAnimForm::Enregistrer);
    lecteur_.Charger(0);
}

void TAnimForm::Installer(Animation animation)
{
    minuterie->stop();
    zone_->Definir(nullptr);
    animation_ = std::move(animation);
    lecteur_.Charger(animation_.nombre());
}

void TAnimForm::Actualiser()
{
    const int i = lecteur_.index();
    zone_->Definir(i < animation_.nombre() ? &animation_.images[i].image : nullptr);
    actRetourDebut->setEnabled(lecteur_.retourActif());
    actPrecedente->setEnabled(lecteur_.precedenteActive());
    actSuivante->setEnabled(lecteur_.suivanteActive());
    actDerniere->setEnabled(lecteur_.derniereActive());
    actEnregistrer->setEnabled(!animation_.vide());
    (lecteur_.enLecture() ? actAvance : actPause)->setChecked(true);
    minuterie->setInterval(lecteur_.intervalleMs());
    if (lecteur_.enLecture() && !minuterie->isActive())
        minuterie->start();
    else if (!lecteur_.enLecture())
        minuterie->stop();
}

void TAnimForm::Montrer(QPoint origine, QSize espaceLibre)
{
    if (isMaximized()) {
        show();
        raise();
        return;
    }
    const QSize image = animation_.vide() ? QSize(200, 100) : animation_.images[lecteur_.index()].image.size();
    // The frame's area plus the tool bar's height: the window's own rule
    // counts a 32-pixel bar; a taller bar of this platform is added.
    const int barreEnPlus = std::max(0, barre->sizeHint().height() - 31);
    const int largeur = std::max(barre->sizeHint().width() / 2, std::min(image.width() + 1, espaceLibre.width() - 180));
    const int hauteur = std::max(80, std::min(image.height() + 32 + barreEnPlus, espaceLibre.height() - 180));
    resize(largeur, hauteur);
    move(origine);
    show();
    raise();
}

void TAnimForm::closeEvent(QCloseEvent *event)
{
    hide();
    event->ignore();
}

QString TAnimForm::DemanderFichierParDialogue()
{
    return DemanderFichierAEnregistrer(this, tr("Enregistrement de l'animation"),
                                       tr("Fichier anim Kaptori") + QStringLiteral(" (*.anm)"), QStringLiteral("anm"),
                                       animation_.CheminAnimation);
}

void TAnimForm::Enregistrer()
{
    if (animation_.vide())
        return;
    const QString chemin = demanderFichier ? demanderFichier() : DemanderFichierParDialogue();
    if (chemin.isEmpty())
        return;
    try {
        (void)EnregistrerAnimation(animation_, chemin);
        animation_.CheminAnimation = chemin;
    } catch (const ErreurKaptori &e) {
        if (signalerErreur)
            signalerErreur(e.message());
        else
            QMessageBox::warning(this, tr("Erreur"), e.message());
    }
}
