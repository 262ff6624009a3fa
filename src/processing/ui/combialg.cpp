#include "processing/ui/combialg.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDoubleSpinBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include <cmath>

namespace {

constexpr int kLargeur = 440;
// Largest side of the reduced copies the preview combines: a little more
// than the preview panel shows.
constexpr int kCoteReduit = 480;

QDoubleSpinBox *Coefficient(QWidget *parent, double valeur)
{
    auto *c = new QDoubleSpinBox(parent);
    c->setRange(0, 3);
    c->setDecimals(5);
    c->setSingleStep(0.1);
    c->setValue(valeur);
    return c;
}

} // namespace

TCombialg::TCombialg(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Composer une image"));
    panneauHaut = new QWidget(this);
    auto *haut = new QVBoxLayout(panneauHaut);
    // The upper panel has fixed heights (185 or 290 pixels): compact groups.
    haut->setContentsMargins(8, 4, 8, 2);
    haut->setSpacing(2);
    haut->addWidget(new QLabel(tr("Combiner algébriquement les images :"), panneauHaut));

    auto *groupe1 = new QGroupBox(tr(" Image 1 "), panneauHaut);
    auto *l1 = new QHBoxLayout(groupe1);
    l1->setContentsMargins(6, 2, 6, 2);
    Image1 = new QComboBox(groupe1);
    Image1->setMinimumWidth(170);
    coefim1 = Coefficient(groupe1, 0.5);
    l1->addWidget(Image1, 1);
    l1->addWidget(new QLabel(tr("Coefficient :"), groupe1));
    l1->addWidget(coefim1);
    haut->addWidget(groupe1);

    auto *groupe2 = new QGroupBox(tr(" Image 2 "), panneauHaut);
    auto *l2 = new QGridLayout(groupe2);
    l2->setContentsMargins(6, 2, 6, 2);
    l2->setVerticalSpacing(0);
    Image2 = new QComboBox(groupe2);
    coefim2 = Coefficient(groupe2, 0.5);
    ajouter2 = new QRadioButton(tr("ajouter"), groupe2);
    soustraire2 = new QRadioButton(tr("soustraire"), groupe2);
    multiplier2 = new QRadioButton(tr("multiplier"), groupe2);
    ajouter2->setChecked(true);
    l2->addWidget(Image2, 0, 0, 1, 2);
    l2->addWidget(new QLabel(tr("Coefficient :"), groupe2), 0, 2);
    l2->addWidget(coefim2, 0, 3);
    l2->addWidget(ajouter2, 1, 0);
    l2->addWidget(soustraire2, 1, 1);
    l2->addWidget(multiplier2, 1, 2);
    haut->addWidget(groupe2);

    groupe3_ = new QGroupBox(tr(" Image 3 "), panneauHaut);
    auto *l3 = new QGridLayout(groupe3_);
    l3->setContentsMargins(6, 2, 6, 2);
    l3->setVerticalSpacing(0);
    Image3 = new QComboBox(groupe3_);
    coefim3 = Coefficient(groupe3_, 1.0);
    ajouter3 = new QRadioButton(tr("ajouter"), groupe3_);
    soustraire3 = new QRadioButton(tr("soustraire"), groupe3_);
    ajouter3->setChecked(true);
    active3 = new QCheckBox(tr("Activé"), groupe3_);
    active3->setChecked(true);
    l3->addWidget(Image3, 0, 0, 1, 2);
    l3->addWidget(new QLabel(tr("Coefficient :"), groupe3_), 0, 2);
    l3->addWidget(coefim3, 0, 3);
    l3->addWidget(ajouter3, 1, 0);
    l3->addWidget(soustraire3, 1, 1);
    l3->addWidget(active3, 1, 2);
    haut->addWidget(groupe3_);

    CRVB = new QCheckBox(tr(" Utiliser les images comme canaux Rouge, Vert et Bleu"), panneauHaut);
    haut->addWidget(CRVB);
    auto *options = new QHBoxLayout;
    caseApercu = new QCheckBox(tr("Aperçu"), panneauHaut);
    caseApercu->setChecked(true);
    etaler = new QCheckBox(tr("etaler"), panneauHaut);
    etaler->setChecked(true);
    options->addWidget(caseApercu);
    options->addWidget(etaler);
    options->addStretch(1);
    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, panneauHaut);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    options->addWidget(boutons);
    haut->addLayout(options);
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    panneauApercu = new QWidget(this);
    panneauApercu->setObjectName(QStringLiteral("panneauApercu"));
    panneauApercu->setAutoFillBackground(true);
    QPalette fond = panneauApercu->palette();
    fond.setColor(QPalette::Window, QColor(96, 96, 96));
    panneauApercu->setPalette(fond);
    vignette_ = new QLabel(panneauApercu);

    for (QComboBox *liste : {Image1, Image2, Image3})
        connect(liste, &QComboBox::currentIndexChanged, this, [this] { ChoixChange(); });
    connect(active3, &QCheckBox::toggled, this, [this] { ChoixChange(); });
    for (QDoubleSpinBox *c : {coefim1, coefim2, coefim3})
        connect(c, &QDoubleSpinBox::valueChanged, this, [this] { ReglageChange(); });
    for (QAbstractButton *b : std::initializer_list<QAbstractButton *>{ajouter2, soustraire2, multiplier2, ajouter3, soustraire3, CRVB, etaler})
        connect(b, &QAbstractButton::toggled, this, [this] { ReglageChange(); });
    connect(caseApercu, &QCheckBox::toggled, this, [this] {
        Disposer();
        ReglageChange();
    });
}

void TCombialg::Preparer(const QList<ImageProposee> &images)
{
    pret_ = false;
    images_ = images;
    const bool trois = images_.size() >= 3;
    for (QComboBox *liste : {Image1, Image2, Image3}) {
        liste->blockSignals(true);
        liste->clear();
    }
    for (const ImageProposee &i : images_) {
        Image1->addItem(i.titre);
        Image2->addItem(i.titre);
        if (trois)
            Image3->addItem(i.titre);
    }
    Image1->setCurrentIndex(images_.isEmpty() ? -1 : 0);
    Image2->setCurrentIndex(images_.size() >= 2 ? 1 : -1);
    Image3->setCurrentIndex(trois ? 2 : -1);
    for (QComboBox *liste : {Image1, Image2, Image3})
        liste->blockSignals(false);
    if (!trois)
        active3->setChecked(false);
    Disposer();
    pret_ = true;
    ChoixChange();
}

void TCombialg::Disposer()
{
    const bool trois = images_.size() >= 3;
    groupe3_->setVisible(trois);
    CRVB->setVisible(trois);
    const int hautPanneau = trois ? 290 : 185;
    const int debutApercu = trois ? 296 : 192;
    const int hautApercu = trois ? 225 : 329;
    panneauHaut->setGeometry(0, 0, kLargeur, hautPanneau);
    panneauApercu->setGeometry(6, debutApercu, kLargeur - 12, hautApercu);
    panneauApercu->setVisible(caseApercu->isChecked());
    setFixedSize(kLargeur, caseApercu->isChecked() ? 554 : hautPanneau);
}

ParametresCombinaison TCombialg::Parametres() const
{
    ParametresCombinaison p;
    p.coef1 = coefim1->value();
    p.coef2 = coefim2->value();
    p.coef3 = coefim3->value();
    p.operation2 = multiplier2->isChecked()   ? OperationImage2::Multiplier
                   : soustraire2->isChecked() ? OperationImage2::Soustraire
                                              : OperationImage2::Ajouter;
    p.soustraire3 = soustraire3->isChecked();
    p.canauxRVB = images_.size() >= 3 && CRVB->isChecked();
    p.etaler = etaler->isChecked();
    return p;
}

int TCombialg::ChoixImage1() const { return Image1->currentIndex(); }
int TCombialg::ChoixImage2() const { return Image2->currentIndex(); }
int TCombialg::ChoixImage3() const
{
    return images_.size() >= 3 && active3->isChecked() ? Image3->currentIndex() : -1;
}

QSize TCombialg::TailleResultat() const
{
    const int a = ChoixImage1(), b = ChoixImage2(), c = ChoixImage3();
    if (a < 0 || b < 0)
        return {};
    return TailleCommune(images_[a].image, images_[b].image, c >= 0 ? &images_[c].image : nullptr);
}

ResultatCombinaison TCombialg::Calculer() const
{
    const int a = ChoixImage1(), b = ChoixImage2(), c = ChoixImage3();
    if (a < 0 || b < 0)
        return {};
    return CombinerAlgebrique(images_[a].image, images_[b].image, c >= 0 ? &images_[c].image : nullptr, Parametres());
}

void TCombialg::ChoixChange()
{
    if (!pret_)
        return;
    reduites_.clear();
    const QSize taille = TailleResultat();
    if (!taille.isEmpty()) {
        // Each picture cut to the common area, then reduced by the same
        // factor, so the reduced copies stay pixel for pixel aligned.
        const double f = std::min(1.0, static_cast<double>(kCoteReduit) / std::max(taille.width(), taille.height()));
        const QSize petite(std::max(1, static_cast<int>(std::lround(taille.width() * f))),
                           std::max(1, static_cast<int>(std::lround(taille.height() * f))));
        for (int i : {ChoixImage1(), ChoixImage2(), ChoixImage3()}) {
            if (i < 0)
                continue;
            const QImage &image = images_[i].image;
            // A picture of the common size is reduced as it is, without a copy.
            const QImage partie = image.size() == taille ? image : image.copy(QRect(QPoint(0, 0), taille));
            reduites_.append(partie.scaled(petite, Qt::IgnoreAspectRatio, Qt::FastTransformation)
                                 .convertToFormat(QImage::Format_ARGB32));
        }
    }
    Previsualiser();
}

void TCombialg::ReglageChange()
{
    if (pret_)
        Previsualiser();
}

void TCombialg::Previsualiser()
{
    apercu_ = QImage();
    vignette_->clear();
    if (!caseApercu->isChecked() || reduites_.size() < 2)
        return;
    const ResultatCombinaison r =
        CombinerAlgebrique(reduites_[0], reduites_[1], reduites_.size() > 2 ? &reduites_[2] : nullptr, Parametres());
    if (r.image.isNull() || r.image.width() == 0 || r.image.height() == 0)
        return;
    const QSize panneau = panneauApercu->size();
    const QSize exacte = TailleResultat();
    const double echelle = std::min((panneau.height() - 6.0) / exacte.height(), (panneau.width() - 6.0) / exacte.width());
    const QSize affichee(std::max(1, static_cast<int>(std::nearbyint(exacte.width() * echelle))),
                         std::max(1, static_cast<int>(std::nearbyint(exacte.height() * echelle))));
    apercu_ = r.image.scaled(affichee, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    vignette_->setPixmap(QPixmap::fromImage(apercu_));
    vignette_->setGeometry((panneau.width() - affichee.width()) / 2, (panneau.height() - affichee.height()) / 2,
                           affichee.width(), affichee.height());
}
