#include "schema/ui/choix_images.h"
#include "commun/ui/boutons_dialogue.h"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileInfo>
#include <QPushButton>
#include <QVBoxLayout>

QString EntreeChoixImage(int numero, const QString &titre)
{
    QString nom = titre;
    nom.replace(QLatin1Char('\\'), QLatin1Char('/'));
    nom = QFileInfo(nom).fileName();
    return (numero < 10 ? QStringLiteral(" ") : QString()) + QString::number(numero) + QLatin1Char(' ') + nom;
}

TChoix_images::TChoix_images(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Choix de l'image"));
    setWindowFlag(Qt::WindowStaysOnTopHint);
    auto *disposition = new QVBoxLayout(this);
    Liste_images = new QComboBox(this);
    Liste_images->setObjectName(QStringLiteral("Liste_images"));
    Liste_images->setMinimumWidth(260);
    disposition->addWidget(Liste_images);
    auto *boutons = BoutonsOkAnnuler(this, tr("OK"), tr("Abandonner"));
    disposition->addWidget(boutons);
}

void TChoix_images::Remplir(const QList<QPair<QString, QPointer<QObject>>> &fenetres)
{
    Liste_images->clear();
    fenetres_.clear();
    for (const auto &[texte, fenetre] : fenetres) {
        Liste_images->addItem(texte);
        fenetres_.append(fenetre);
    }
    Liste_images->setCurrentIndex(-1);
}

void TChoix_images::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    if (Liste_images->currentIndex() < 0 && Liste_images->count() > 0)
        Liste_images->setCurrentIndex(0);
}

bool TChoix_images::avecChoix() const
{
    return Liste_images->currentIndex() >= 0;
}

QObject *TChoix_images::fenetreChoisie() const
{
    const int i = Liste_images->currentIndex();
    return i >= 0 && i < fenetres_.size() ? fenetres_.at(i).data() : nullptr;
}
