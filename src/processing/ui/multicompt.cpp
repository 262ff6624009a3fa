#include "processing/ui/multicompt.h"

#include <QActionGroup>
#include <QApplication>
#include <QColorDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QShowEvent>

namespace {

constexpr int Largeur = 244;

const char *const NomsFormes[NbFormesMarque] = {
    QT_TRANSLATE_NOOP("TMulticompt", "&Rond"),       QT_TRANSLATE_NOOP("TMulticompt", "&Plus"),
    QT_TRANSLATE_NOOP("TMulticompt", "&Etoile"),     QT_TRANSLATE_NOOP("TMulticompt", "Etoile2"),
    QT_TRANSLATE_NOOP("TMulticompt", "&Carré"),      QT_TRANSLATE_NOOP("TMulticompt", "Cerc&le"),
    QT_TRANSLATE_NOOP("TMulticompt", "Triangle &1"), QT_TRANSLATE_NOOP("TMulticompt", "Triangle &2"),
    QT_TRANSLATE_NOOP("TMulticompt", "L&osange"),    QT_TRANSLATE_NOOP("TMulticompt", "Croi&x"),
};

} // namespace

TMulticompt::TMulticompt(QWidget *parent, std::function<int()> epaisseur)
    : QWidget(parent, Qt::Window | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowMinMaxButtonsHint),
      epaisseur_(std::move(epaisseur))
{
    setObjectName(QStringLiteral("Compteur"));
    setWindowTitle(tr("Compteur"));
    menus = new QMenuBar(this);
    actCouleur = menus->addAction(tr("&Couleur"));
    menuNombre = menus->addMenu(tr("&Nombre"));
    auto *groupeNombre = new QActionGroup(this);
    for (int k = 1; k <= TCompteurs::NbMaxiVisibles; ++k) {
        QAction *a = menuNombre->addAction(QString::number(k));
        a->setCheckable(true);
        a->setData(k);
        groupeNombre->addAction(a);
    }
    menuMarque = menus->addMenu(tr("&Marque"));
    auto *groupeForme = new QActionGroup(this);
    for (int f = 0; f < NbFormesMarque; ++f) {
        QAction *a = menuMarque->addAction(tr(NomsFormes[f]));
        a->setCheckable(true);
        a->setData(f);
        groupeForme->addAction(a);
    }
    actFermer = menus->addAction(tr("&Fermer"));

    lignes_ = new QWidget(this);
    for (int i = 0; i < TCompteurs::NbCategories; ++i) {
        const int y = i * 32;
        const int categorie = i + 1;
        Radios[i] = new QRadioButton(lignes_);
        Radios[i]->setGeometry(8, y + 8, 18, 17);
        EditsNom[i] = new QLineEdit(compteurs_.Noms[i], lignes_);
        EditsNom[i]->setGeometry(28, y + 4, 80, 24);
        EditsNom[i]->setStyleSheet(QStringLiteral("QLineEdit { background: palette(window); }"));
        EditsEffectif[i] = new QLineEdit(QStringLiteral("0"), lignes_);
        EditsEffectif[i]->setGeometry(112, y + 4, 49, 24);
        EditsEffectif[i]->setReadOnly(true);
        EditsEffectif[i]->setAlignment(Qt::AlignRight);
        ImagesMarque[i] = new QLabel(lignes_);
        ImagesMarque[i]->setGeometry(165, y + 3, CoteMarque, CoteMarque);
        BoutonsRAZ[i] = new QPushButton(tr("RAZ"), lignes_);
        BoutonsRAZ[i]->setGeometry(194, y + 3, 41, 25);
        connect(Radios[i], &QRadioButton::toggled, this, [this, categorie](bool coche) {
            if (coche)
                ChoisirCategorie(categorie);
        });
        connect(EditsNom[i], &QLineEdit::textEdited, this,
                [this, i](const QString &nom) { compteurs_.Noms[static_cast<std::size_t>(i)] = nom; });
        connect(BoutonsRAZ[i], &QPushButton::clicked, this, [this, categorie] {
            compteurs_.CompteurRAZ = categorie;
            emit OnRAZ();
        });
    }
    Radios[0]->setChecked(true);

    connect(groupeNombre, &QActionGroup::triggered, this, [this](QAction *a) { ChoisirNombre(a->data().toInt()); });
    connect(groupeForme, &QActionGroup::triggered, this, [this](QAction *a) { ChoisirForme(a->data().toInt()); });
    connect(actCouleur, &QAction::triggered, this, [this] {
        const QColor c = QColorDialog::getColor(QColor::fromRgb(compteurs_.Couleur(compteurs_.CompteurCourant)), this,
                                                tr("Couleur des marques"));
        if (c.isValid())
            ChoisirCouleur(c.rgb());
    });
    connect(actFermer, &QAction::triggered, this, [this] {
        emit OnFermer();
        close();
    });

    CocherForme();
    for (QAction *a : menuNombre->actions())
        a->setChecked(a->data().toInt() == compteurs_.NbCompteurs);
    ActualiserCompteur();
    if (QScreen *ecran = QApplication::primaryScreen())
        move(ecran->availableGeometry().center() - rect().center());
}

void TMulticompt::ActualiserCompteur()
{
    const int s = DemiTailleMarque(epaisseur_ ? epaisseur_() : 0);
    for (int i = 0; i < TCompteurs::NbCategories; ++i) {
        const bool visible = i < compteurs_.NbCompteurs;
        for (QWidget *w : std::initializer_list<QWidget *>{Radios[i], EditsNom[i], EditsEffectif[i], ImagesMarque[i],
                                                             BoutonsRAZ[i]})
            w->setVisible(visible);
        // The mark blended over the window's colour.
        QImage fond(CoteMarque, CoteMarque, QImage::Format_ARGB32);
        fond.fill(palette().color(QPalette::Window));
        QPainter p(&fond);
        p.drawImage(0, 0, ImageMarque(s, compteurs_.CouleursMarque[i] | 0xFF000000u, compteurs_.FormesMarque[i]));
        p.end();
        ImagesMarque[i]->setPixmap(QPixmap::fromImage(fond));
    }
    const int haut = menus->sizeHint().height();
    menus->setGeometry(0, 0, Largeur, haut);
    lignes_->setGeometry(0, haut, Largeur, compteurs_.NbCompteurs * 32);
    setFixedSize(Largeur, std::max(Hauteur(compteurs_.NbCompteurs), haut + compteurs_.NbCompteurs * 32 + 6));
}

void TMulticompt::AfficherEffectif(int categorie, int n)
{
    EditsEffectif[static_cast<std::size_t>(TCompteurs::Indice(categorie))]->setText(QString::number(n));
}

void TMulticompt::ChoisirNombre(int k)
{
    if (k < 1 || k > TCompteurs::NbMaxiVisibles)
        return;
    compteurs_.NbCompteurs = k;
    for (QAction *a : menuNombre->actions())
        a->setChecked(a->data().toInt() == k);
    ActualiserCompteur();
}

void TMulticompt::ChoisirForme(int forme)
{
    if (forme < 0 || forme >= NbFormesMarque)
        return;
    compteurs_.FormesMarque[static_cast<std::size_t>(TCompteurs::Indice(compteurs_.CompteurCourant))] = forme;
    CocherForme();
    ActualiserCompteur();
    emit OnStyleMarque();
}

void TMulticompt::ChoisirCategorie(int categorie)
{
    compteurs_.CompteurCourant = TCompteurs::Indice(categorie) + 1;
    if (!Radios[static_cast<std::size_t>(compteurs_.CompteurCourant - 1)]->isChecked())
        Radios[static_cast<std::size_t>(compteurs_.CompteurCourant - 1)]->setChecked(true);
    CocherForme();
}

void TMulticompt::ChoisirCouleur(QRgb couleur)
{
    compteurs_.CouleursMarque[static_cast<std::size_t>(TCompteurs::Indice(compteurs_.CompteurCourant))] =
        couleur | 0xFF000000u;
    ActualiserCompteur();
    emit OnStyleMarque();
}

void TMulticompt::CocherForme()
{
    const int forme = compteurs_.Forme(compteurs_.CompteurCourant);
    for (QAction *a : menuMarque->actions())
        a->setChecked(a->data().toInt() == forme);
}

void TMulticompt::showEvent(QShowEvent *event)
{
    ActualiserCompteur();
    QWidget::showEvent(event);
}
