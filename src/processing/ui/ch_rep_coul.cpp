#include "processing/ui/ch_rep_coul.h"

#include "plot/ui/vue_graphe.h"
#include "processing/ui/zones_v.h"

#include <QApplication>
#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QTimer>

#include <algorithm>
#include <cmath>

namespace {

constexpr int GaucheBoites = 488;
constexpr int GaucheEtiquettes = 560;

QFont PoliceGrasse11()
{
    QFont f;
    f.setPixelSize(11);
    f.setBold(true);
    return f;
}

// The look of the histogram: black bars over levels 0 to 255, no title, no
// legend, small margins.
void PreparerGraphe(TGraphe &g)
{
    g.GraphTitle.clear();
    g.Legende.visible = false;
    g.TopMargin = 6;
    g.BottomMargin = 20;
    g.LeftMargin = 44;
    g.RightMargin = 12;
    QFont petite;
    petite.setPixelSize(10);
    g.LabelFont = petite;
    g.TickLength = 3;
    g.DefinirMinSteps(3); // a few percentage ticks on the low chart
    g.Axe(AxeId::X).reglage = EntreeAxe{0, 255, 0, false, true};
    SerieGraphe &s = g.Serie(1);
    s.couleur = Qt::black;
    s.barres = true;
    s.etatLegende = EtatLegende::NonAffiche;
}

} // namespace

TChRepCoul::TChRepCoul(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Choix des limites des couleurs"));
    setFixedSize(660, 470);

    Chart = new TVueGraphe(this);
    Chart->setGeometry(8, 6, 644, 112);
    PreparerGraphe(Chart->graphe());
    // The strip is laid over the chart, not inside it: it reaches 2 pixels
    // beyond its top and bottom edges.
    BandeZones = new TZonesV(this);
    BandeZones->raise();
    connect(BandeZones, &TZonesV::Changement, this, &TChRepCoul::LimiteDeplaceeBande);

    Apercu = new QCheckBox(tr(" Aperçu"), this);
    Apercu->setGeometry(8, 126, 120, 20);
    connect(Apercu, &QCheckBox::toggled, this, [this](bool coche) {
        if (coche)
            Previsualiser();
        else
            Imaper->hide();
    });
    Panel2 = new QFrame(this);
    Panel2->setFrameShape(QFrame::Panel);
    Panel2->setFrameShadow(QFrame::Sunken);
    Panel2->setGeometry(8, 150, 326, 246);
    Imaper = new QLabel(Panel2);
    Imaper->hide();

    auto *groupe = new QGroupBox(tr(" Classes de :"), this);
    groupe->setGeometry(344, 150, 130, 84);
    Equilarg = new QPushButton(tr("même largeur"), groupe);
    Equilarg->setGeometry(8, 22, 114, 24);
    Equipop = new QPushButton(tr("même effectif"), groupe);
    Equipop->setGeometry(8, 52, 114, 24);
    connect(Equilarg, &QPushButton::clicked, this, &TChRepCoul::MemeLargeurClic);
    connect(Equipop, &QPushButton::clicked, this, &TChRepCoul::MemeEffectifClic);

    OK = new QPushButton(tr("OK"), this);
    OK->setGeometry(344, 400, 60, 26);
    OK->setDefault(true);
    BitBtn1 = new QPushButton(tr("Annuler"), this);
    BitBtn1->setGeometry(410, 400, 64, 26);
    connect(OK, &QPushButton::clicked, this, &TChRepCoul::Valider);
    connect(BitBtn1, &QPushButton::clicked, this, &QDialog::reject);

    Label1 = new QLabel(tr("Limites\ndes couleurs"), this);
    Label1->setGeometry(GaucheBoites, 116, 160, 34);
    Titreffect = new QLabel(this);
    Titreffect->setFont(PoliceGrasse11());
    for (int i = 0; i <= MaxClassesCouleurs; ++i) {
        auto *b = new QSpinBox(this);
        b->setFont(PoliceGrasse11());
        b->setRange(0, 255);
        b->setGeometry(GaucheBoites, 0, 65, 18);
        b->setButtonSymbols(QAbstractSpinBox::UpDownArrows);
        b->hide();
        connect(b, &QSpinBox::valueChanged, this, [this, i] { LimiteChangeeBoite(i); });
        EditsLimites[static_cast<std::size_t>(i)] = b;
    }
    for (int j = 0; j < MaxClassesCouleurs; ++j) {
        auto *l = new QLabel(QStringLiteral("eff%1").arg(j), this);
        l->setFont(PoliceGrasse11());
        l->setGeometry(GaucheEtiquettes, 0, 95, 18);
        l->hide();
        EtiquettesEffectifs[static_cast<std::size_t>(j)] = l;
    }
    Timer1 = new QTimer(this);
    Timer1->setSingleShot(true);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &TChRepCoul::MemeLargeurClic);
}

void TChRepCoul::Preparer(const ClassesCouleurs &classes, const QImage &image, const TitreEffectifs &titre)
{
    classes_ = classes;
    classes_.NbClasses = std::clamp(classes_.NbClasses, 1, MaxClassesCouleurs);
    image_ = image.convertToFormat(QImage::Format_ARGB32);
    reduite_ = QImage();
    {
        // The vertical axis runs from 0 to the largest percentage.
        TGraphe &g = Chart->graphe();
        g.SuspendreTrace();
        SerieGraphe &s = g.Serie(1);
        s.EffacerPoints();
        double maxi = 0;
        for (int v = 0; v < 256; ++v) {
            const double pourcent = classes_.histogramme[static_cast<std::size_t>(v)];
            s.AjouterPoint(v, pourcent);
            maxi = std::max(maxi, pourcent);
        }
        g.Axe(AxeId::Y).reglage = EntreeAxe{0, maxi > 0 ? maxi : 1, 0, false, true};
        g.ReprendreTrace();
    }
    Titreffect->setText(titre.ligne1 + QLatin1Char('\n') + titre.ligne2);
    const int n = classes_.NbClasses;
    BandeZones->modele().DefinirNombre(n);
    BandeZones->modele().DefinirAmplitude(255);
    PoserBande();
    for (int i = 0; i < n; ++i) {
        const QRgb c = classes_.CouleursClasses[static_cast<std::size_t>(i)];
        QSpinBox *b = EditsLimites[static_cast<std::size_t>(i + 1)];
        const bool clair = qRed(c) + qGreen(c) + qBlue(c) >= 250;
        b->setStyleSheet(QStringLiteral("QSpinBox { background: %1; color: %2; }")
                             .arg(QColor::fromRgb(c).name(), clair ? QStringLiteral("black") : QStringLiteral("white")));
        b->move(GaucheBoites, (n - i) * 17 + 127);
        b->show();
        BandeZones->modele().DefinirTeinte(i, c);
    }
    EditsLimites[0]->setStyleSheet(QStringLiteral("QSpinBox { background: black; color: white; }"));
    EditsLimites[0]->move(GaucheBoites, n * 17 + 144);
    EditsLimites[0]->show();
    Titreffect->setGeometry(GaucheEtiquettes, n * 17 + 148, 95, 30);
    for (int j = 0; j < MaxClassesCouleurs; ++j) {
        QLabel *l = EtiquettesEffectifs[static_cast<std::size_t>(j)];
        l->move(GaucheEtiquettes, (n - j) * 17 + 131);
        l->setVisible(j < n);
    }
    for (int i = n + 1; i <= MaxClassesCouleurs; ++i)
        EditsLimites[static_cast<std::size_t>(i)]->hide();
    BandeZones->show();
    MemeLargeurClic();
}

void TChRepCoul::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    Timer1->start();
}

void TChRepCoul::PoserBande()
{
    // The chart's size is taken now: a hidden chart hears of its size only
    // once shown.
    Chart->graphe().DefinirTaille(Chart->size());
    const QRect zone = Chart->graphe().ZoneTrace();
    BandeZones->modele().DefinirLargeur(zone.right() - zone.left());
    BandeZones->setGeometry(Chart->x() + zone.left(), Chart->y() - 2, BandeZones->modele().largeur() + 1,
                            Chart->height() + 4);
}

void TChRepCoul::AfficherLimites()
{
    miseAJour_ = true;
    for (int i = 0; i <= classes_.NbClasses; ++i) {
        const auto k = static_cast<std::size_t>(i);
        QSignalBlocker bloque(EditsLimites[k]);
        EditsLimites[k]->setRange(classes_.bornesBasses[k], classes_.bornesHautes[k]);
        EditsLimites[k]->setValue(classes_.limites[k]);
    }
    miseAJour_ = false;
}

void TChRepCoul::MemeLargeurClic()
{
    Timer1->stop();
    MemeLargeur(classes_);
    AfficherLimites();
    CompterClasses();
}

void TChRepCoul::MemeEffectifClic()
{
    MemeEffectif(classes_);
    AfficherLimites();
    CompterClasses();
}

void TChRepCoul::LimiteChangeeBoite(int b)
{
    if (miseAJour_)
        return;
    LimiteChangee(classes_, b, EditsLimites[static_cast<std::size_t>(b)]->value());
    AfficherLimites();
    CompterClasses();
}

void TChRepCoul::LimiteDeplaceeBande(int k)
{
    (void)LimiteDeplacee(classes_, k, BandeZones->modele().Valeur(k));
    AfficherLimites();
    CompterClasses();
}

void TChRepCoul::CompterClasses()
{
    BandeZones->hide();
    PoserBande();
    const int n = classes_.NbClasses;
    for (int p = 0; p < n; ++p)
        EtiquettesEffectifs[static_cast<std::size_t>(p)]->setText(EtiquetteEffectif(classes_, p));
    for (int k = 0; k <= n; ++k)
        BandeZones->modele().DefinirValeur(k, classes_.limites[static_cast<std::size_t>(k)]);
    BandeZones->show();
    BandeZones->update();
    if (Apercu->isChecked())
        Previsualiser();
}

void TChRepCoul::Previsualiser()
{
    if (image_.isNull())
        return;
    const int W = image_.width(), H = image_.height();
    const double f = std::min((Panel2->width() - 6.0) / W, (Panel2->height() - 6.0) / H);
    const int w = std::max(1, static_cast<int>(std::nearbyint(W * f)));
    const int h = std::max(1, static_cast<int>(std::nearbyint(H * f)));
    // The reduced picture is made once; each limit change paints a copy.
    if (reduite_.size() != QSize(w, h))
        reduite_ = image_.scaled(w, h, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    QImage reduite = reduite_.copy();
    Colorier(classes_, reduite);
    Imaper->setGeometry((Panel2->width() - w) / 2, (Panel2->height() - h) / 2, w, h);
    Imaper->setPixmap(QPixmap::fromImage(reduite));
    Imaper->show();
}

void TChRepCoul::Valider()
{
    Colorier(classes_, image_);
    accept();
}
