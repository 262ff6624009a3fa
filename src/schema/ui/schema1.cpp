// The schema window itself: its central area with the two pictures side by
// side, the status line and timers, the picture the frame gives it, and its
// events.

#include "schema/ui/schema1.h"

#include "schema/fichier_schema.h"
#include "schema/styles_fichier.h"
#include "schema/ui/bulle.h"
#include "schema/ui/choix_images.h"
#include "schema/ui/etimer.h"
#include "schema/ui/panneau_amorcage.h"
#include "schema/ui/vue_schema.h"

#include <QAction>
#include <QComboBox>
#include <QEvent>
#include <QFileDialog>
#include <QFrame>
#include <QHBoxLayout>
#include <QHideEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QShowEvent>
#include <QSpinBox>
#include <QStatusBar>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kMarge = 6; // frame of each picture's panel

QFrame *Panneau(QWidget *parent, const char *nom)
{
    auto *p = new QFrame(parent);
    p->setObjectName(QLatin1String(nom));
    p->setFrameStyle(QFrame::Panel | QFrame::Raised);
    p->setLineWidth(kMarge);
    return p;
}

} // namespace

TSchema1::TSchema1(QWidget *parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("Schema1"));
    setWindowTitle(tr("SCHEMA"));
    setWindowFlag(Qt::Window);

    auto *centre = new QWidget(this);
    auto *pile = new QVBoxLayout(centre);
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(2);

    reglages.ChargerStyle(StylesIntegres().front().param);
    CreerPanneauAmorcage();
    auto *ligneAmorcage = new QHBoxLayout;
    ligneAmorcage->addWidget(Choix_Amorc, 1);
    ligneAmorcage->addWidget(ChoixPoints);
    pile->addLayout(ligneAmorcage);

    ScrollBox1 = new QScrollArea(centre);
    ScrollBox1->setObjectName(QStringLiteral("ScrollBox1"));
    ScrollBox1->setWidgetResizable(false);
    ScrollBox1->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    contenu = new QWidget;
    panneau_document = Panneau(contenu, "panneau_document");
    Panneau_schema = Panneau(contenu, "Panneau_schema");
    Document = new VueSchema(panneau_document);
    Document->setObjectName(QStringLiteral("Document"));
    schema = new VueSchema(Panneau_schema);
    schema->setObjectName(QStringLiteral("schema"));
    Document->move(kMarge, kMarge);
    schema->move(kMarge, kMarge);
    ScrollBox1->setWidget(contenu);
    pile->addWidget(ScrollBox1, 0);

    deroul_doc = new QScrollBar(Qt::Horizontal, centre);
    deroul_doc->setObjectName(QStringLiteral("deroul_doc"));
    Bulle(deroul_doc, tr("ascenseur|ascenseur pour accéder à la totalité de l'image"));
    deroul_doc->hide();
    pile->addWidget(deroul_doc);
    connect(deroul_doc, &QScrollBar::valueChanged, this, [this](int x) {
        Document->DefinirDecalage(x);
        schema->DefinirDecalage(x);
    });

    Commentaire = new QPlainTextEdit(centre);
    Commentaire->setObjectName(QStringLiteral("Commentaire"));
    Commentaire->setPlainText(tr("Commentaire :"));
    Commentaire->setMinimumHeight(80);
    Commentaire->hide();
    Commentaire->viewport()->installEventFilter(this);
    pile->addWidget(Commentaire, 1);
    pile->addStretch(0);
    setCentralWidget(centre);

    editexte = new QLineEdit(schema);
    editexte->setObjectName(QStringLiteral("editexte"));
    editexte->setFrame(false);
    editexte->setStyleSheet(QStringLiteral("background: aqua"));
    editexte->hide();
    connect(editexte, &QLineEdit::returnPressed, this, [this] {
        copies.AppuiSurSchema(schema->image);
        EcrireTexte(schema->VersImage(editexte->pos()));
    });

    StatusLine = new QLabel(this);
    StatusLine->setObjectName(QStringLiteral("StatusLine"));
    statusBar()->addWidget(StatusLine, 1);
    progression = new QProgressBar(this);
    progression->setMaximumWidth(200);
    progression->hide();
    statusBar()->addPermanentWidget(progression);
    connect(statusBar(), &QStatusBar::messageChanged, this, [this](const QString &texte) {
        if (!texte.isEmpty())
            StatusLine->setText(texte);
    });

    choixtimer = new QWidget(this);
    choixtimer->setObjectName(QStringLiteral("choixtimer"));
    auto *lt = new QHBoxLayout(choixtimer);
    lt->setContentsMargins(0, 0, 0, 0);
    lt->addWidget(new QLabel(tr("choisir la durée d'attente  (en ms) avant retraçage"), choixtimer));
    periode = new QSpinBox(choixtimer);
    periode->setRange(10, 2000);
    periode->setValue(1000);
    lt->addWidget(periode);
    auto *okTimer = new QPushButton(tr("OK"), choixtimer);
    lt->addWidget(okTimer);
    statusBar()->addPermanentWidget(choixtimer);
    choixtimer->hide();

    minuterie = new TETimer(this);
    minuterie->setInterval(500);
    connect(minuterie, &QTimer::timeout, this, [this] {
        if (TETimer::Inactivite() > 300) {
            minuterie->stop();
            Amorcer();
        }
    });
    connect(okTimer, &QPushButton::clicked, this, [this] {
        minuterie->setInterval(periode->value());
        choixtimer->hide();
    });

    suivi_ = new QTimer(this);
    suivi_->setInterval(50);
    connect(suivi_, &QTimer::timeout, this, [this] {
        progression->setValue(lignes_.load());
        if (termine_)
            suivi_->stop();
    });

    choixImages = new TChoix_images(this);
    fonteSchema = font();

    DemanderFichier = [this](const QString &titre, const QStringList &filtres) {
        QFileDialog dialogue(this, titre);
        dialogue.setOption(QFileDialog::DontUseNativeDialog, true);
        dialogue.setFileMode(QFileDialog::ExistingFile);
        dialogue.setNameFilters(filtres);
        dialogue.setLabelText(QFileDialog::Accept, tr("&Ouvrir"));
        dialogue.setLabelText(QFileDialog::Reject, tr("Annuler"));
        dialogue.setFilter(dialogue.filter() & ~QDir::CaseSensitive);
        return dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty()
                   ? dialogue.selectedFiles().front()
                   : QString();
    };

    CreerMenus();
    CreerBarres();
    CreerBarreAmorcage();
    BrancherOutils();

    Document->image = SchemaBlanc({1, 1});
    schema->image = SchemaBlanc({1, 1});
    schemaConserve_ = schema->image;
    copies.NouveauDocument(Document->image);
    copies.CopieSchema = schema->image;
    ChoisirOutil(0);
    DefinirEpaisseur(2);
    MettreAJourActions();
    resize(1000, 700);
}

TSchema1::~TSchema1()
{
    ArreterAmorcage();
}

const QImage &TSchema1::imageDocument() const
{
    return Document->image;
}

const QImage &TSchema1::imageSchema() const
{
    return schema->image;
}

void TSchema1::DefinirSchema(const QImage &image)
{
    schema->image = image.convertToFormat(QImage::Format_RGB32);
    schema->Actualiser();
}

void TSchema1::MettreAJourActions()
{
    actCommeFichierSchema->setEnabled(!NomImageDocument.isEmpty());
}

void TSchema1::DisposerSchema()
{
    const QSize taille = Document->image.size();
    const int w = taille.width(), h = taille.height();
    const int cw = ScrollBox1->viewport()->width();
    const int panneauH = h + 2 * kMarge;
    if (cw < 2 * (w + 2 * kMarge)) {
        const int moitie = cw / 2;
        panneau_document->setGeometry(0, 0, moitie, panneauH);
        Panneau_schema->setGeometry(moitie, 0, moitie, panneauH);
        const int visible = std::max(0, moitie - 2 * kMarge);
        Document->resize(visible, h);
        schema->resize(visible, h);
        deroul_doc->setRange(0, std::max(0, w - visible));
        deroul_doc->setPageStep(std::max(1, visible));
        deroul_doc->show();
    } else {
        const int gauche = (cw / 2 - (w + 2 * kMarge)) / 2;
        panneau_document->setGeometry(gauche, 0, w + 2 * kMarge, panneauH);
        Panneau_schema->setGeometry(cw / 2 + gauche, 0, w + 2 * kMarge, panneauH);
        Document->resize(w, h);
        schema->resize(w, h);
        deroul_doc->setValue(0);
        deroul_doc->hide();
    }
    contenu->resize(cw, panneauH);
    // The scroll box is as high as the panels when the window has room; the
    // memo, when shown, takes what is left below it.
    const int cadre = 2 * ScrollBox1->frameWidth();
    int reste = centralWidget()->height() - 8;
    if (Choix_Amorc->isVisible() || ChoixPoints->isVisible())
        reste -= std::max(Choix_Amorc->sizeHint().height(), ChoixPoints->isVisible() ? ChoixPoints->sizeHint().height() : 0);
    if (deroul_doc->isVisible())
        reste -= deroul_doc->sizeHint().height();
    if (Commentaire->isVisible())
        reste -= 80;
    ScrollBox1->setMaximumHeight(panneauH + cadre);
    ScrollBox1->setMinimumHeight(std::clamp(reste, std::min(60, panneauH + cadre), panneauH + cadre));
    Document->Actualiser();
    schema->Actualiser();
}

void TSchema1::OuvrirDepuisDocument(const QImage &image, const QString &nomFichier, const TEchelle &echelle)
{
    ArreterAmorcage();
    Document->image = image.convertToFormat(QImage::Format_RGB32);
    NomImageDocument = nomFichier;
    echelleSchema = echelle;
    setWindowTitle(tr("Schéma ") + NomImageDocument);
    Tag = 0;
    showMaximized();
    raise();
    activateWindow();
    schema->image = SchemaBlanc(Document->image.size());
    schemaConserve_ = schema->image;
    copies.CopieSchema = schema->image;
    copies.NouveauDocument(Document->image);
    actParametres->setChecked(false);
    Choix_Amorc->hide();
    deroul_doc->setValue(0);
    MettreAJourActions();
    DisposerSchema();
}

void TSchema1::DefinirImageDocument(const QImage &image, const QString &nomFichier)
{
    ArreterAmorcage();
    Document->image = image.convertToFormat(QImage::Format_RGB32);
    NomImageDocument = nomFichier;
    MettreAJourActions();
    DisposerSchema();
}

void TSchema1::Annuler()
{
    copies.Annuler(schema->image, Document->image);
    schema->Actualiser();
    Document->Actualiser();
}

void TSchema1::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    MettreAJourActions();
    if (!PremiereOuverture)
        return;
    PremiereOuverture = false;
    DisposerSchema();
    const LectureStyles lecture = LireStyles(QString::fromUtf8(kNomFichierStyles));
    styles = lecture.styles;
    stylesRefuses_ = !lecture.raison.isEmpty();
    ListeStyles->clear();
    for (const StyleDes &s : styles)
        ListeStyles->addItem(s.nom);
    ListeStyles->setCurrentIndex(0);
    ChargerStyle();
}

void TSchema1::hideEvent(QHideEvent *event)
{
    QMainWindow::hideEvent(event);
    if (!event->spontaneous()) {
        minuterie->stop();
        emit Cache();
    }
}

void TSchema1::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    DisposerSchema();
    // Once the layout has given the central area its new size.
    QTimer::singleShot(0, this, [this] { DisposerSchema(); });
}

void TSchema1::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        MettreAJourActions();
}

bool TSchema1::eventFilter(QObject *objet, QEvent *event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (objet == couleur || objet == pan_taille) {
            ChoisirCouleur(false);
            return true;
        }
        if (objet == Couleur_fond) {
            ChoisirCouleur(true);
            return true;
        }
        if (objet == outils[4]) {
            ChoisirFonte();
            return true;
        }
        if (objet == Commentaire->viewport()) {
            actFonteCommentaire->trigger();
            return true;
        }
    }
    return QMainWindow::eventFilter(objet, event);
}
