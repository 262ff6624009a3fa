// Priming in the schema window: styles, the panel, the tool bar with its
// sliders, the idle timer, and the priming itself on a thread of its own,
// restarted when a parameter changes so that the window keeps answering.

#include "schema/amorcer.h"
#include "schema/styles_fichier.h"
#include "schema/ui/etimer.h"
#include "schema/ui/panneau_amorcage.h"
#include "schema/ui/schema1.h"
#include "schema/ui/vue_schema.h"

#include "commun/erreur.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSlider>
#include <QToolBar>

void TSchema1::CreerPanneauAmorcage()
{
    Choix_Amorc = new PanneauAmorcage(reglages, this);
    Choix_Amorc->hide();
    ChoixPoints = new PanneauPoints(reglages, this);
    ChoixPoints->hide();
    connect(Choix_Amorc, &PanneauAmorcage::Suite, this, [this](SuiteReglage s) { Suite(s); });
    connect(Choix_Amorc, &PanneauAmorcage::Tester, this, [this] { Amorcer(); });
    connect(ChoixPoints->Fermer, &QPushButton::clicked, this, [this] { actPointsTest->toggle(); });
}

void TSchema1::CreerBarreAmorcage()
{
    addToolBarBreak();
    QToolBar *amorce = addToolBar(tr("Amorçage"));
    amorce->setObjectName(QStringLiteral("BarreAmorcage"));
    PanStyleDes = new QWidget(amorce);
    PanStyleDes->setObjectName(QStringLiteral("PanStyleDes"));
    PanStyleDes->setMinimumWidth(137);
    auto *ls = new QHBoxLayout(PanStyleDes);
    ls->setContentsMargins(0, 0, 0, 0);
    ListeStyles = new QComboBox(PanStyleDes);
    ListeStyles->setObjectName(QStringLiteral("ListeStyles"));
    ListeStyles->setEditable(false);
    nomstyle = new QLineEdit(tr("Nouveau"), PanStyleDes);
    nomstyle->setObjectName(QStringLiteral("nomstyle"));
    nomstyle->hide();
    NvStyle = new QPushButton(tr("Enregistrer"), PanStyleDes);
    NvStyle->setObjectName(QStringLiteral("NvStyle"));
    ls->addWidget(ListeStyles, 1);
    ls->addWidget(nomstyle, 1);
    ls->addWidget(NvStyle);
    amorce->addWidget(PanStyleDes);
    connect(ListeStyles, &QComboBox::activated, this, [this] {
        ChargerStyle();
        Amorcer();
    });
    connect(NvStyle, &QPushButton::clicked, this, [this] { EnregistrerStyle(); });

    amorce->addSeparator();
    amorce->addWidget(new QLabel(tr(" clair "), amorce));
    Reglaglob = new QSlider(Qt::Horizontal, amorce);
    Reglaglob->setObjectName(QStringLiteral("Reglaglob"));
    Reglaglob->setMinimumWidth(120);
    Reglaglob->setToolTip(tr("Réglage global\nplus clair à gauche\nplus foncé à droite"));
    amorce->addWidget(Reglaglob);
    amorce->addWidget(new QLabel(tr(" foncé   contraste "), amorce));
    Reglacontrast = new QSlider(Qt::Horizontal, amorce);
    Reglacontrast->setObjectName(QStringLiteral("Reglacontrast"));
    Reglacontrast->setRange(0, 250);
    Reglacontrast->setMinimumWidth(120);
    Reglacontrast->setToolTip(tr("Réglage du contraste"));
    amorce->addWidget(Reglacontrast);
    amorce->addAction(actAmorcer);
    connect(Reglaglob, &QSlider::valueChanged, this, [this](int position) {
        const SuiteReglage s = reglages.DeplacerGlobal(position);
        Choix_Amorc->Afficher();
        Suite(s);
    });
    connect(Reglacontrast, &QSlider::valueChanged, this, [this](int position) {
        const SuiteReglage s = reglages.DeplacerContraste(position);
        Choix_Amorc->Afficher();
        Suite(s);
    });
}

void TSchema1::ChargerStyle()
{
    PanStyleDes->setMinimumWidth(137);
    nomstyle->hide();
    const int i = ListeStyles->currentIndex();
    if (i >= 0 && i < static_cast<int>(styles.size()))
        reglages.ChargerStyle(styles[static_cast<std::size_t>(i)].param);
    Choix_Amorc->Afficher();
    ChoixPoints->Afficher();
    AfficherCurseurs();
}

void TSchema1::AfficherCurseurs()
{
    const QSignalBlocker b1(Reglaglob), b2(Reglacontrast);
    Reglaglob->setRange(0, reglages.MaximumGlobal());
    Reglaglob->setValue(reglages.PositionGlobale());
    Reglacontrast->setValue(reglages.PositionContraste());
}

void TSchema1::Suite(SuiteReglage suite)
{
    switch (suite) {
    case SuiteReglage::RelancerMinuterie:
        minuterie->start();
        break;
    case SuiteReglage::AmorcerMaintenant:
        AfficherCurseurs();
        Amorcer();
        break;
    case SuiteReglage::Rien:
        break;
    }
}

void TSchema1::ArreterAmorcage()
{
    if (travail_.joinable()) {
        annuler_ = true;
        travail_.join();
    }
    annuler_ = false;
    // A result already on its way belongs to the former picture or parameters.
    ++generation_;
    if (enAttente_) {
        enAttente_ = false;
        QApplication::restoreOverrideCursor();
        progression->hide();
    }
}

void TSchema1::Amorcer()
{
    ArreterAmorcage();
    const QImage image = Document->image;
    const TParamStyleDes param = reglages.ParamCourant;
    const int generation = ++generation_;
    lignes_ = 0;
    termine_ = false;
    progression->setRange(0, std::max(1, image.height()));
    progression->setValue(0);
    progression->show();
    suivi_->start();
    if (!enAttente_)
        QApplication::setOverrideCursor(Qt::BusyCursor);
    enAttente_ = true;
    travail_ = std::thread([this, image, param, generation] {
        OptionsAmorcage options;
        options.annuler = &annuler_;
        options.lignesFaites = &lignes_;
        QImage resultat;
        try {
            resultat = ::Amorcer(image, param, options);
        } catch (const std::exception &) {
            resultat = QImage();
        }
        termine_ = true;
        QMetaObject::invokeMethod(
            this, [this, resultat, generation] { AmorcageTermine(resultat, generation); }, Qt::QueuedConnection);
    });
}

void TSchema1::AmorcageTermine(QImage resultat, int generation)
{
    if (generation != generation_ || !enAttente_)
        return;
    enAttente_ = false;
    QApplication::restoreOverrideCursor();
    progression->hide();
    if (travail_.joinable())
        travail_.join();
    if (!resultat.isNull())
        DefinirSchema(resultat);
    else if (!annuler_)
        StatusLine->setText(tr("Mémoire insuffisante pour amorcer le schéma."));
}

void TSchema1::EnregistrerStyle()
{
    PanStyleDes->setMinimumWidth(137);
    const QString nom = NomStyleSurUneLigne(nomstyle->text());
    nomstyle->hide();
    // One more would make a file that is refused whole at the next start.
    if (styles.size() >= static_cast<std::size_t>(kStylesMax)) {
        if (Avertir)
            Avertir(tr("La liste a déjà %1 styles, le plus que le fichier de styles accepte : le style n'est pas "
                       "enregistré.")
                        .arg(kStylesMax));
        return;
    }
    styles.push_back({nom, reglages.ParamCourant});
    ListeStyles->addItem(nom);
    ListeStyles->setCurrentIndex(ListeStyles->count() - 1);
    const QString fichier = QString::fromUtf8(kNomFichierStyles);
    if (stylesRefuses_) {
        // The styles of a file that could not be read are not lost to the
        // built-in ones the list shows.
        if (!ConserverStylesRefuses(fichier)) {
            if (Avertir)
                Avertir(tr("Le fichier de styles %1 n'a pas pu être lu ni mis de côté : il n'est pas remplacé.")
                            .arg(fichier)
                        + tr("\nLe style reste dans la liste jusqu'à la fin du programme."));
            return;
        }
        stylesRefuses_ = false;
        StatusLine->setText(tr("Le fichier de styles illisible est conservé dans %1.bak.").arg(fichier));
    }
    try {
        EcrireStyles(fichier, styles);
    } catch (const ErreurKaptori &e) {
        if (Avertir)
            Avertir(e.message() + tr("\nLe style reste dans la liste jusqu'à la fin du programme."));
    }
}
