#include "calibration/ui/fenetre_echelle.h"

#include "calibration/ui/edit_valeur.h"
#include "commun/nombres.h"
#include "calibration/ui/image_echelle.h"

#include <QActionGroup>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QMessageBox>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QRegularExpressionValidator>
#include <QScrollArea>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>

namespace {

// Unit and name edits hold at most 19 characters.
constexpr int kLongueurEdit = 19;

// Unit and name edits. The scale's text form separates its fields with ";"
// and ends at ">": a unit holding either would come back from a saved file
// cut, or with the fields after it shifted and the whole scale lost, so they
// cannot be typed.
QLineEdit *EditTexte(QWidget *parent)
{
    auto *e = new QLineEdit(parent);
    e->setMaxLength(kLongueurEdit);
    e->setValidator(new QRegularExpressionValidator(QRegularExpression(QStringLiteral("[^;>]*")), e));
    return e;
}

QSpinBox *Compteur(QWidget *parent)
{
    auto *s = new QSpinBox(parent);
    s->setRange(0, 100000);
    return s;
}

void Regler(QSpinBox *s, int mini, int maxi, int valeur)
{
    const QSignalBlocker b(s);
    s->setRange(mini, qMax(mini, maxi));
    s->setValue(valeur);
}

void Ecrire(QLineEdit *e, const QString &t)
{
    const QSignalBlocker b(e);
    if (e->text() != t)
        e->setText(t);
}

} // namespace

TCre_ech::TCre_ech(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Création du fichier échelle associé à un fichier image"));
    setModal(true);
    Construire();
    Ouvrir(QImage(), EchelleParDefaut());
}

QGroupBox *TCre_ech::Panneau(const QString &titre)
{
    auto *g = new QGroupBox(titre, this);
    g->setLayout(new QFormLayout);
    return g;
}

void TCre_ech::Construire()
{
    auto *racine = new QVBoxLayout(this);
    barreMenus_ = new QMenuBar(this);
    racine->setMenuBar(barreMenus_);
    actTransferer = barreMenus_->addAction(tr("&Transférer l'échelle"));
    actAbandonner = barreMenus_->addAction(tr("&Abandonner"));
    connect(actTransferer, &QAction::triggered, this, &TCre_ech::Transferer);
    connect(actAbandonner, &QAction::triggered, this, &QDialog::reject);

    const char *reperages[3][5] = {
        {QT_TR_NOOP("Cadre actif"), QT_TR_NOOP("Abscisse"), QT_TR_NOOP("Ordonnée 1"), QT_TR_NOOP("Ordonnée 2"),
         QT_TR_NOOP("Ordonnée 3")},
        {QT_TR_NOOP("&Position"), QT_TR_NOOP("&Signification des côtés"), nullptr, nullptr, nullptr},
        {QT_TR_NOOP("&Centre"), QT_TR_NOOP("&Rayon"), QT_TR_NOOP("&Angle nul"), nullptr, nullptr},
    };
    for (int m = 0; m < 3; ++m) {
        menusReperage[m] = barreMenus_->addMenu(tr("&Repérage"));
        for (int i = 0; i < 5 && reperages[m][i]; ++i) {
            QAction *a = menusReperage[m]->addAction(tr(reperages[m][i]));
            connect(a, &QAction::triggered, this, [this, i] { ChoisirReperage(i); });
            if (m == 0)
                actReperageCartesien[i] = a;
        }
        if (m == 0) {
            menuNbAxes = barreMenus_->addMenu(tr("&Nombre d'axes Y"));
            auto *groupe = new QActionGroup(this);
            const char *axes[] = {QT_TR_NOOP("1 axe"), QT_TR_NOOP("2 axes"), QT_TR_NOOP("3 axes")};
            for (int n = 0; n < 3; ++n) {
                actNbAxes[n] = menuNbAxes->addAction(tr(axes[n]));
                actNbAxes[n]->setCheckable(true);
                groupe->addAction(actNbAxes[n]);
                connect(actNbAxes[n], &QAction::triggered, this, [this, n] { ChoisirNbAxes(n + 1); });
            }
        }
    }

    Image_ = new TImageEch;
    defilement_ = new QScrollArea(this);
    defilement_->setWidget(Image_);
    defilement_->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    racine->addWidget(defilement_, 1);
    connect(Image_, &TImageEch::Appui, this, &TCre_ech::AppuiImage);
    connect(Image_, &TImageEch::Deplacement, this, &TCre_ech::DeplacementImage);
    connect(Image_, &TImageEch::Relachement, this, &TCre_ech::DeplacementImage);

    auto *bas = new QHBoxLayout;
    racine->addLayout(bas);
    auto *modes = new QGroupBox(this);
    auto *colonneModes = new QVBoxLayout(modes);
    groupeModes_ = new QButtonGroup(this);
    Longu = new QRadioButton(tr("Longueur"), modes);
    Rep_cart = new QRadioButton(tr("Repère cartésien"), modes);
    diagtri = new QRadioButton(tr("Diagramme triangulaire"), modes);
    Coord_pol = new QRadioButton(tr("Coordonnées polaires"), modes);
    int id = 0;
    for (QRadioButton *b : {Longu, Rep_cart, diagtri, Coord_pol}) {
        colonneModes->addWidget(b);
        groupeModes_->addButton(b, id++);
    }
    Longu->setChecked(true);
    connect(groupeModes_, &QButtonGroup::idClicked, this, &TCre_ech::ChoisirMode);
    bas->addWidget(modes);

    // Length.
    panneauLongueur_ = Panneau(tr("longueur"));
    auto *f = static_cast<QFormLayout *>(panneauLongueur_->layout());
    unite_long = EditTexte(panneauLongueur_);
    val_long = new EditValeur(panneauLongueur_);
    seg_X0 = Compteur(panneauLongueur_);
    seg_Y0 = Compteur(panneauLongueur_);
    seg_X1 = Compteur(panneauLongueur_);
    Seg_Y1 = Compteur(panneauLongueur_);
    f->addRow(tr("unité"), unite_long);
    f->addRow(tr("valeur :"), val_long);
    auto paire = [this](QWidget *parent, const QString &a, QSpinBox *x, const QString &b, QSpinBox *y) {
        auto *w = new QWidget(parent);
        auto *l = new QHBoxLayout(w);
        l->setContentsMargins(0, 0, 0, 0);
        l->addWidget(new QLabel(a, w));
        l->addWidget(x);
        l->addWidget(new QLabel(b, w));
        l->addWidget(y);
        return w;
    };
    f->addRow(tr("début du segment :"), paire(panneauLongueur_, tr("X1"), seg_X0, tr("Y1"), seg_Y0));
    f->addRow(tr("fin du segment :"), paire(panneauLongueur_, tr("X2"), seg_X1, tr("Y2"), Seg_Y1));
    connect(unite_long, &QLineEdit::textChanged, this, [this](const QString &t) { travail_.uniteLongueur = t; });
    connect(val_long, &QLineEdit::textChanged, this, [this](const QString &t) { travail_.valeurLongueur = t; });
    for (QSpinBox *s : {seg_X0, seg_Y0, seg_X1, Seg_Y1})
        connect(s, &QSpinBox::valueChanged, this, [this] {
            travail_.segmentDebut = QPoint(seg_X0->value(), seg_Y0->value());
            travail_.segmentFin = QPoint(seg_X1->value(), Seg_Y1->value());
            RedessinerFormes();
        });

    // Cartesian frame and axes.
    panneauCadre_ = Panneau(tr("Cadre actif"));
    f = static_cast<QFormLayout *>(panneauCadre_->layout());
    c_X1 = Compteur(panneauCadre_);
    C_Y1 = Compteur(panneauCadre_);
    C_X2 = Compteur(panneauCadre_);
    C_Y2 = Compteur(panneauCadre_);
    f->addRow(QString(), paire(panneauCadre_, tr("X1"), c_X1, tr("Y1"), C_Y1));
    f->addRow(QString(), paire(panneauCadre_, tr("X2"), C_X2, tr("Y2"), C_Y2));
    int bord = 0;
    for (QSpinBox *s : {c_X1, C_Y1, C_X2, C_Y2})
        connect(s, &QSpinBox::valueChanged, this, [this, b = bord++](int v) {
            if (chargement_)
                return;
            travail_.DefinirCadre(b, v);
            ChargerControles();
            RedessinerFormes();
        });

    panneauAxe_ = Panneau(QString());
    f = static_cast<QFormLayout *>(panneauAxe_->layout());
    Nom_axe = new QLabel(panneauAxe_);
    QFont gras = Nom_axe->font();
    gras.setBold(true);
    Nom_axe->setFont(gras);
    unite = EditTexte(panneauAxe_);
    ppoint = new QRadioButton(tr(" premier point :"), panneauAxe_);
    dpoint = new QRadioButton(tr(" deuxième point :"), panneauAxe_);
    ppoint->setChecked(true);
    valeur_P1 = new EditValeur(panneauAxe_);
    Pos_P1 = Compteur(panneauAxe_);
    // The position is set by the pointer or the arrows, not by typing.
    Pos_P1->findChild<QLineEdit *>()->setReadOnly(true);
    f->addRow(Nom_axe);
    f->addRow(tr("unité"), unite);
    auto *points = new QWidget(panneauAxe_);
    auto *lp = new QHBoxLayout(points);
    lp->setContentsMargins(0, 0, 0, 0);
    lp->addWidget(ppoint);
    lp->addWidget(dpoint);
    f->addRow(points);
    f->addRow(tr("valeur"), valeur_P1);
    f->addRow(tr("position :"), Pos_P1);
    connect(unite, &QLineEdit::textChanged, this,
            [this](const QString &t) { travail_.axes[travail_.axeCourant].unite = t; });
    connect(valeur_P1, &QLineEdit::textChanged, this, [this](const QString &t) {
        travail_.axes[travail_.axeCourant].points[travail_.pointCourant].valeur = t;
    });
    connect(Pos_P1, &QSpinBox::valueChanged, this, [this](int v) {
        if (chargement_)
            return;
        travail_.axes[travail_.axeCourant].points[travail_.pointCourant].position = v;
        RedessinerFormes();
    });
    connect(ppoint, &QRadioButton::toggled, this, [this](bool premier) {
        if (chargement_)
            return;
        travail_.pointCourant = premier ? 0 : 1;
        MontrerAxe(travail_.axeCourant);
    });

    // Triangle.
    panneauCoin_ = Panneau(tr("Angle inf G."));
    f = static_cast<QFormLayout *>(panneauCoin_->layout());
    X_G = Compteur(panneauCoin_);
    Y_G = Compteur(panneauCoin_);
    cote = Compteur(panneauCoin_);
    f->addRow(QString(), paire(panneauCoin_, tr("X"), X_G, tr("Y"), Y_G));
    f->addRow(tr("côté"), cote);
    auto *boutonsSens = new QWidget(panneauCoin_);
    auto *ls = new QHBoxLayout(boutonsSens);
    ls->setContentsMargins(0, 0, 0, 0);
    auto *groupeSens = new QButtonGroup(this);
    const char *textesSens[] = {QT_TR_NOOP("X au sommet"), QT_TR_NOOP("Z au sommet")};
    for (int i = 0; i < 2; ++i) {
        sens[i] = new QPushButton(tr(textesSens[i]), boutonsSens);
        sens[i]->setCheckable(true);
        groupeSens->addButton(sens[i], i);
        ls->addWidget(sens[i]);
    }
    f->addRow(tr("sens"), boutonsSens);
    connect(groupeSens, &QButtonGroup::idClicked, this, [this](int i) {
        travail_.sens = i;
        RedessinerFormes();
    });
    for (QSpinBox *s : {X_G, Y_G, cote})
        connect(s, &QSpinBox::valueChanged, this, [this] {
            if (chargement_)
                return;
            travail_.coinX = X_G->value();
            travail_.coinY = Y_G->value();
            travail_.cote = cote->value();
            RedessinerFormes();
        });

    panneauNoms_ = Panneau(tr("Signification des axes"));
    f = static_cast<QFormLayout *>(panneauNoms_->layout());
    nom_X = EditTexte(panneauNoms_);
    Nom_Y = EditTexte(panneauNoms_);
    Nom_Z = EditTexte(panneauNoms_);
    f->addRow(tr("X ( / )"), nom_X);
    f->addRow(tr("Y ( _ )"), Nom_Y);
    f->addRow(tr("Z ( \\ )"), Nom_Z);
    connect(nom_X, &QLineEdit::textChanged, this, [this](const QString &t) { travail_.nomX = t; });
    connect(Nom_Y, &QLineEdit::textChanged, this, [this](const QString &t) { travail_.nomY = t; });
    connect(Nom_Z, &QLineEdit::textChanged, this, [this](const QString &t) { travail_.nomZ = t; });

    // Polar.
    panneauCentre_ = Panneau(tr("Centre"));
    f = static_cast<QFormLayout *>(panneauCentre_->layout());
    X_C = Compteur(panneauCentre_);
    Y_C = Compteur(panneauCentre_);
    f->addRow(QString(), paire(panneauCentre_, tr("X"), X_C, tr("Y"), Y_C));
    for (QSpinBox *s : {X_C, Y_C})
        connect(s, &QSpinBox::valueChanged, this, [this] {
            if (chargement_)
                return;
            travail_.centreX = X_C->value();
            travail_.centreY = Y_C->value();
            RedessinerFormes();
        });

    panneauRayon_ = Panneau(tr("Rayon"));
    f = static_cast<QFormLayout *>(panneauRayon_->layout());
    Val_rayon = new EditValeur(panneauRayon_);
    long_rayon = Compteur(panneauRayon_);
    long_rayon->setRange(TravailEchelle::RayonMin, TravailEchelle::RayonMax);
    unite_r = EditTexte(panneauRayon_);
    f->addRow(tr("valeur :"), Val_rayon);
    f->addRow(tr("en pixels :"), long_rayon);
    f->addRow(tr("unité"), unite_r);
    connect(Val_rayon, &QLineEdit::textChanged, this, [this](const QString &t) { travail_.valeurRayon = t; });
    connect(unite_r, &QLineEdit::textChanged, this, [this](const QString &t) { travail_.uniteRayon = t; });
    connect(long_rayon, &QSpinBox::valueChanged, this, [this](int v) {
        if (chargement_)
            return;
        travail_.rayonPixels = v;
        RedessinerFormes();
    });

    panneauAngle_ = Panneau(tr("Axe de référence des angles"));
    f = static_cast<QFormLayout *>(panneauAngle_->layout());
    ScrollBar1 = new QScrollBar(Qt::Horizontal, panneauAngle_);
    ScrollBar1->setRange(-179, 180);
    ScrollBar1->setMinimumWidth(180);
    Angle_zero = new QLineEdit(panneauAngle_);
    Angle_zero->setReadOnly(true);
    degre = new QRadioButton(tr("degrés"), panneauAngle_);
    radians = new QRadioButton(tr("Radians"), panneauAngle_);
    degre->setChecked(true);
    f->addRow(ScrollBar1);
    f->addRow(Angle_zero);
    auto *unites = new QWidget(panneauAngle_);
    auto *lu = new QHBoxLayout(unites);
    lu->setContentsMargins(0, 0, 0, 0);
    lu->addWidget(degre);
    lu->addWidget(radians);
    f->addRow(unites);
    connect(ScrollBar1, &QScrollBar::valueChanged, this, [this](int v) {
        travail_.curseurAngle = v;
        Ecrire(Angle_zero, travail_.TexteAngleZero());
        RedessinerFormes();
    });
    connect(radians, &QRadioButton::toggled, this, [this](bool rd) {
        travail_.uniteAngle = rd ? QStringLiteral("Rd") : QStringLiteral("de");
        Ecrire(Angle_zero, travail_.TexteAngleZero());
    });

    for (QGroupBox *g : {panneauLongueur_, panneauCadre_, panneauAxe_, panneauCoin_, panneauNoms_, panneauCentre_,
                         panneauRayon_, panneauAngle_})
        bas->addWidget(g, 0, Qt::AlignTop);
    bas->addStretch(1);
}

void TCre_ech::Ouvrir(const QImage &image, const TEchelle &echelle)
{
    Image_->DefinirImage(image.isNull() ? QImage(1, 1, QImage::Format_RGB32) : image);
    Image_->DefinirEchelle(echelle);
    travail_.Ouvrir(Image_->image().size(), echelle);
    // Every axis's fields in the window follow the working values.
    ChoisirNbAxes(travail_.nbAxesY);
    {
        const QSignalBlocker b(groupeModes_);
        groupeModes_->button(travail_.mode)->setChecked(true);
    }
    ChoisirMode(travail_.mode);
}

void TCre_ech::ChoisirMode(int mode)
{
    travail_.ChangerMode(mode);
    if (QAbstractButton *b = groupeModes_->button(travail_.mode); b && !b->isChecked()) {
        const QSignalBlocker bloque(groupeModes_);
        b->setChecked(true);
    }
    for (int m = 0; m < 3; ++m)
        menusReperage[m]->menuAction()->setVisible(travail_.mode == m + 1);
    menuNbAxes->menuAction()->setVisible(travail_.mode == TEchelle::Cartesien);
    switch (travail_.mode) {
    case TEchelle::Longueur:
        AfficherPanneaux({panneauLongueur_});
        break;
    case TEchelle::Cartesien:
        AfficherPanneaux({panneauCadre_});
        break;
    case TEchelle::Triangle:
        AfficherPanneaux({panneauCoin_});
        break;
    case TEchelle::Polaire:
        AfficherPanneaux({panneauCentre_});
        break;
    default:
        break;
    }
    ChargerControles();
    RedessinerFormes();
}

void TCre_ech::ChoisirReperage(int item)
{
    switch (travail_.mode) {
    case TEchelle::Cartesien:
        if (item == 0) {
            travail_.cible = CibleEchelle::Cadre;
            AfficherPanneaux({panneauCadre_});
        } else if (item - 1 <= travail_.nbAxesY) {
            travail_.cible = CibleEchelle::Axe;
            AfficherPanneaux({panneauAxe_});
            MontrerAxe(item - 1);
        }
        break;
    case TEchelle::Triangle:
        travail_.cible = item == 0 ? CibleEchelle::Coin : CibleEchelle::Noms;
        AfficherPanneaux({item == 0 ? panneauCoin_ : panneauNoms_});
        break;
    case TEchelle::Polaire: {
        const CibleEchelle cibles[] = {CibleEchelle::Centre, CibleEchelle::Rayon, CibleEchelle::Angle};
        QGroupBox *panneaux[] = {panneauCentre_, panneauRayon_, panneauAngle_};
        const int i = qBound(0, item, 2);
        travail_.cible = cibles[i];
        AfficherPanneaux({panneaux[i]});
        break;
    }
    default:
        break;
    }
    RedessinerFormes();
}

void TCre_ech::ChoisirNbAxes(int n)
{
    travail_.nbAxesY = qBound(1, n, TEchelle::NbAxesYMax);
    actNbAxes[travail_.nbAxesY - 1]->setChecked(true);
    actReperageCartesien[3]->setVisible(travail_.nbAxesY >= 2);
    actReperageCartesien[4]->setVisible(travail_.nbAxesY >= 3);
    if (travail_.cible == CibleEchelle::Axe && travail_.axeCourant > travail_.nbAxesY)
        MontrerAxe(travail_.nbAxesY);
}

void TCre_ech::AfficherPanneaux(std::initializer_list<QGroupBox *> visibles)
{
    for (QGroupBox *g : {panneauLongueur_, panneauCadre_, panneauAxe_, panneauCoin_, panneauNoms_, panneauCentre_,
                         panneauRayon_, panneauAngle_})
        g->setVisible(std::find(visibles.begin(), visibles.end(), g) != visibles.end());
}

void TCre_ech::MontrerAxe(int axe)
{
    travail_.axeCourant = qBound(0, axe, travail_.nbAxesY);
    const int a = travail_.axeCourant;
    Nom_axe->setText(a == TravailEchelle::AxeX ? tr("X (ou t)") : tr("Y%1").arg(a));
    chargement_ = true;
    Ecrire(unite, travail_.axes[a].unite);
    {
        const QSignalBlocker b1(ppoint);
        const QSignalBlocker b2(dpoint);
        (travail_.pointCourant == 0 ? ppoint : dpoint)->setChecked(true);
    }
    const PointAxe &p = travail_.axes[a].points[travail_.pointCourant];
    Ecrire(valeur_P1, p.valeur);
    const int limite = a == TravailEchelle::AxeX ? travail_.image.width() - 1 : travail_.image.height() - 1;
    Regler(Pos_P1, 0, limite, p.position);
    chargement_ = false;
    RedessinerFormes();
}

void TCre_ech::ChargerControles()
{
    const TravailEchelle &t = travail_;
    const int w = t.image.width();
    const int h = t.image.height();
    chargement_ = true;
    Ecrire(unite_long, t.uniteLongueur);
    Ecrire(val_long, t.valeurLongueur);
    Regler(seg_X0, 0, w, t.segmentDebut.x());
    Regler(seg_Y0, 0, h, t.segmentDebut.y());
    Regler(seg_X1, 0, w, t.segmentFin.x());
    Regler(Seg_Y1, 0, h, t.segmentFin.y());

    Regler(c_X1, 0, w - 1, t.cadreX1);
    Regler(C_Y1, 0, h - 1, t.cadreY1);
    Regler(C_X2, 1, w, t.cadreX2);
    Regler(C_Y2, 1, h, t.cadreY2);
    if (t.cible == CibleEchelle::Axe) {
        const PointAxe &p = t.axes[t.axeCourant].points[t.pointCourant];
        Regler(Pos_P1, 0, t.axeCourant == TravailEchelle::AxeX ? w - 1 : h - 1, p.position);
    }

    Regler(X_G, 0, w - 1, t.coinX);
    Regler(Y_G, 1, h, t.coinY);
    Regler(cote, t.CoteMin(), t.CoteMax(), t.cote);
    sens[t.sens == 0 ? 0 : 1]->setChecked(true);
    Ecrire(nom_X, t.nomX);
    Ecrire(Nom_Y, t.nomY);
    Ecrire(Nom_Z, t.nomZ);

    Regler(X_C, 0, w, t.centreX);
    Regler(Y_C, 0, h, t.centreY);
    Ecrire(Val_rayon, t.valeurRayon);
    Regler(long_rayon, TravailEchelle::RayonMin, TravailEchelle::RayonMax, t.rayonPixels);
    Ecrire(unite_r, t.uniteRayon);
    {
        const QSignalBlocker b1(radians);
        const QSignalBlocker b2(degre);
        (t.uniteAngle == QLatin1String("Rd") ? radians : degre)->setChecked(true);
        const QSignalBlocker b3(ScrollBar1);
        ScrollBar1->setValue(t.curseurAngle);
    }
    Ecrire(Angle_zero, t.TexteAngleZero());
    chargement_ = false;
}

void TCre_ech::RedessinerFormes()
{
    const TravailEchelle &t = travail_;
    std::vector<FormeXor> formes;
    auto ligne = [&formes](QPoint a, QPoint b) {
        FormeXor f;
        f.genre = FormeXor::Ligne;
        f.points = QPolygon({a, b});
        formes.push_back(f);
    };
    const int w = t.image.width();
    const int h = t.image.height();
    switch (t.mode) {
    case TEchelle::Longueur:
        ligne(t.segmentDebut, t.segmentFin);
        break;
    case TEchelle::Cartesien:
        if (t.cible == CibleEchelle::Cadre) {
            FormeXor f;
            f.genre = FormeXor::RectanglePointille;
            f.rect = QRect(QPoint(t.cadreX1, t.cadreY1), QPoint(t.cadreX2, t.cadreY2));
            formes.push_back(f);
        } else if (t.cible == CibleEchelle::Axe) {
            const AxeTravail &axe = t.axes[t.axeCourant];
            const int pos = axe.points[t.pointCourant].position;
            if (t.axeCourant == TravailEchelle::AxeX) {
                ligne(QPoint(pos, 0), QPoint(pos, h - 1));
                const int autre = axe.points[1 - t.pointCourant].position;
                if (autre != pos)
                    ligne(QPoint(autre, 0), QPoint(autre, h - 1));
            } else {
                ligne(QPoint(0, pos), QPoint(w - 1, pos));
            }
        }
        break;
    case TEchelle::Triangle: {
        FormeXor f;
        f.genre = FormeXor::Polygone;
        const auto s = t.SommetsTriangle();
        f.points = QPolygon({s[0], s[1], s[2]});
        formes.push_back(f);
        break;
    }
    case TEchelle::Polaire: {
        FormeXor c;
        c.genre = FormeXor::Cercle;
        c.rect = QRect(t.centreX - t.rayonPixels, t.centreY - t.rayonPixels, 2 * t.rayonPixels, 2 * t.rayonPixels);
        formes.push_back(c);
        ligne(QPoint(t.centreX, t.centreY), t.BoutRayon());
        break;
    }
    default:
        break;
    }
    Image_->DefinirFormes(std::move(formes));
}

void TCre_ech::AppuiImage(QPoint p)
{
    travail_.Appuyer(p);
    ChargerControles();
    RedessinerFormes();
}

void TCre_ech::DeplacementImage(QPoint p)
{
    travail_.Deplacer(p);
    ChargerControles();
    RedessinerFormes();
}

void TCre_ech::Transferer()
{
    // A length or a radius is never zero or negative: every measurement
    // would then read 0 or a negative length.
    const QString *valeur = travail_.mode == TEchelle::Longueur ? &travail_.valeurLongueur
                            : travail_.mode == TEchelle::Polaire ? &travail_.valeurRayon
                                                                  : nullptr;
    bool ok = false;
    if (valeur != nullptr) {
        const double v = TexteEnReel(RemplacerSepAutre(*valeur), &ok);
        if (ok && v <= 0) {
            const QString texte = tr("La valeur %1 n'est pas possible : une longueur est supérieure à 0.\r"
                                     "Tapez une valeur positive.")
                                      .arg(*valeur);
            if (avertir)
                avertir(texte);
            else
                QMessageBox::warning(this, tr("Avertissement"), QString(texte).replace(QLatin1Char('\r'), QLatin1Char('\n')));
            return;
        }
    }
    transferee_ = travail_.Transferer();
    calculee_ = transferee_.Definie && (travail_.mode != TEchelle::Longueur || travail_.LongueurCalculable());
    if (calculee_)
        Image_->DefinirEchelle(transferee_);
    accept();
}
