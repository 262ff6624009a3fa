#include "processing/ui/combilog.h"
#include "commun/ui/boutons_dialogue.h"

#include <QCheckBox>
#include <QComboBox>
#include <QCoreApplication>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

TCombilog::TCombilog(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Composer une image"));
    auto *l = new QVBoxLayout(this);
    l->addWidget(new QLabel(tr("Combiner logiquement les images :"), this));
    auto *g1 = new QGroupBox(tr(" Image 1 "), this);
    auto *l1 = new QVBoxLayout(g1);
    image1 = new QComboBox(g1);
    image1->setMinimumWidth(260);
    l1->addWidget(image1);
    l->addWidget(g1);
    auto *g2 = new QGroupBox(tr(" Image 2 "), this);
    auto *l2 = new QVBoxLayout(g2);
    image2 = new QComboBox(g2);
    transparente = new QCheckBox(tr("transparente"), g2);
    l2->addWidget(image2);
    l2->addWidget(transparente);
    l->addWidget(g2);
    l->addWidget(new QLabel(tr("méthode :"), this));
    modecopie = new QComboBox(this);
    for (const DescriptionMethode &m : MethodesLogiques())
        modecopie->addItem(QCoreApplication::translate("TCombilog", m.item));
    l->addWidget(modecopie);
    description = new QLabel(this);
    description->setFrameShape(QFrame::Box);
    description->setWordWrap(true);
    description->setMinimumHeight(64);
    description->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    description->setMargin(4);
    l->addWidget(description);
    auto *boutons = BoutonsOkAnnuler(this, tr("OK"), tr("Abandonner"));
    l->addWidget(boutons);
    auto montrer = [this](int i) {
        if (i >= 0 && i < NbMethodesLogiques)
            description->setText(QCoreApplication::translate("TCombilog", MethodesLogiques()[static_cast<std::size_t>(i)].description));
    };
    connect(modecopie, &QComboBox::currentIndexChanged, this, montrer);
    modecopie->setCurrentIndex(0);
    montrer(0);
    setFixedWidth(360);
}

void TCombilog::Preparer(const QStringList &titres)
{
    image1->clear();
    image2->clear();
    image1->addItems(titres);
    image2->addItems(titres);
    image1->setCurrentIndex(titres.isEmpty() ? -1 : 0);
    image2->setCurrentIndex(titres.size() >= 2 ? 1 : -1);
}

MethodeLogique TCombilog::Methode() const
{
    const int i = std::clamp(modecopie->currentIndex(), 0, NbMethodesLogiques - 1);
    return MethodesLogiques()[static_cast<std::size_t>(i)].methode;
}
