#include "document/ui/fenetre_placement.h"

#include <QDialogButtonBox>
#include <QEvent>
#include <QLabel>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace {

// Least heights of the window without and with the instructions; a font
// that needs more gets more, so that no control is cut.
constexpr int kHauteurReduite = 98;
constexpr int kHauteurDepliee = 170;

} // namespace

TContLegEch::TContLegEch(QWidget *parent) : QDialog(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Disposer la légende"));
    setModal(false);

    auto *groupe = new QGroupBox(tr("Transparent "), this);
    boutonOui = new QRadioButton(tr("Oui"), groupe);
    boutonNon = new QRadioButton(tr("Non"), groupe);
    boutonOui->setChecked(true);
    auto *dispositionGroupe = new QHBoxLayout(groupe);
    dispositionGroupe->addWidget(boutonOui);
    dispositionGroupe->addWidget(boutonNon);

    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    boutons->button(QDialogButtonBox::Cancel)->setText(tr("Annuler"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    connect(boutonOui, &QRadioButton::toggled, this, [this](bool oui) { emit TransparenceChangee(oui); });

    voirInstructions = new QLabel(tr("voir instructions"), this);
    voirInstructions->setCursor(Qt::PointingHandCursor);
    QFont lien = voirInstructions->font();
    lien.setUnderline(true);
    voirInstructions->setFont(lien);
    QPalette couleurLien = voirInstructions->palette();
    couleurLien.setColor(QPalette::WindowText, couleurLien.color(QPalette::Link));
    voirInstructions->setPalette(couleurLien);
    voirInstructions->installEventFilter(this);
    instructions = new QLabel(
        tr("Choisir le mode de \r\ntransparence, positionner\r\nla légende avec la souris\r\net Valider (OK).")
            .replace(QStringLiteral("\r\n"), QStringLiteral("\n")),
        this);
    instructions->hide();

    auto *disposition = new QVBoxLayout(this);
    disposition->setContentsMargins(6, 4, 6, 4);
    disposition->setSpacing(2);
    disposition->addWidget(groupe);
    disposition->addWidget(boutons);
    disposition->addWidget(voirInstructions);
    disposition->addWidget(instructions);
    disposition->addStretch();
    disposition->activate();
    hauteurReduite_ = qMax(kHauteurReduite, sizeHint().height());
    instructions->show();
    disposition->activate();
    hauteurDepliee_ = qMax(kHauteurDepliee, sizeHint().height());
    instructions->hide();
    setMinimumWidth(sizeHint().width());
    setFixedHeight(hauteurReduite_);
}

void TContLegEch::BasculerInstructions()
{
    const bool montrer = !instructions->isVisibleTo(this);
    instructions->setVisible(montrer);
    voirInstructions->setText(montrer ? tr("masquer instructions") : tr("voir instructions"));
    setFixedHeight(montrer ? hauteurDepliee_ : hauteurReduite_);
}

bool TContLegEch::eventFilter(QObject *objet, QEvent *event)
{
    if (objet == voirInstructions && event->type() == QEvent::MouseButtonRelease) {
        BasculerInstructions();
        return true;
    }
    return QDialog::eventFilter(objet, event);
}

bool TContLegEch::transparent() const
{
    return boutonOui->isChecked();
}

void TContLegEch::DefinirTransparent(bool oui)
{
    (oui ? boutonOui : boutonNon)->setChecked(true);
}

void TContLegEch::done(int resultat)
{
    const bool etaitVisible = isVisible();
    QDialog::done(resultat);
    if (etaitVisible)
        emit PlacementTermine(resultat == QDialog::Accepted);
}
