#include "app/ui/a_propos.h"

#include "commun/fichier_texte.h"
#include "document/raster/nom_fichier_cite.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFrame>
#include <QImageReader>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

QPixmap LogoIntegre()
{
    QPixmap logo(360, 80);
    QPainter p(&logo);
    QLinearGradient degrade(0, 0, 360, 80);
    degrade.setColorAt(0, QColor(20, 60, 140));
    degrade.setColorAt(1, QColor(60, 170, 200));
    p.fillRect(logo.rect(), degrade);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(Qt::white, 3));
    p.drawEllipse(QPointF(45, 40), 22, 22);
    p.drawLine(QPointF(61, 56), QPointF(78, 73));
    QFont police = p.font();
    police.setPointSize(26);
    police.setBold(true);
    p.setFont(police);
    p.drawText(QRect(90, 0, 270, 80), Qt::AlignVCenter | Qt::AlignLeft, QStringLiteral("KAPTORI"));
    return logo;
}

} // namespace

TAPropos::TAPropos(QWidget *parent, const QString &dossier) : QDialog(parent)
{
    setWindowFlag(Qt::WindowStaysOnTopHint);
    setModal(true);
    setWindowTitle(tr("A propos de Kaptori"));

    logo = new QLabel(this);
    logo->setPixmap(LogoIntegre());
    logo->setAlignment(Qt::AlignCenter);
    auto *texte = new QLabel(tr("Logiciel de travail \r\nsur les images").replace(QLatin1String("\r\n"), QLatin1String("\n")), this);
    texte->setAlignment(Qt::AlignCenter);
    auto *cadre = new QFrame(this);
    cadre->setFrameShape(QFrame::Box);
    produit = new QLabel(tr("logiciel Kaptori Pro"), cadre);
    version = new QLabel(tr("Version 3.2  pour W9x.. XP"), cadre);
    produit->setAlignment(Qt::AlignCenter);
    version->setAlignment(Qt::AlignCenter);
    QFont gras = produit->font();
    gras.setBold(true);
    gras.setPointSizeF(gras.pointSizeF() * 1.3);
    produit->setFont(gras);
    auto *dispositionCadre = new QVBoxLayout(cadre);
    dispositionCadre->addWidget(produit);
    dispositionCadre->addWidget(version);

    auto *participation = new QLabel(tr("avec la participation de :"), this);
    auto *credits = new QLabel(tr("les professeurs et les élèves qui l'ont essayé en classe"), this);
    credits->setAlignment(Qt::AlignCenter);
    creditSansConfiguration = new QLabel(tr("(version sans fichier de configuration)"), this);
    creditLogo1 = new QLabel(tr("Le logo demandé n'a pas pu être lu :"), this);
    creditLogo2 = new QLabel(this);
    for (QLabel *l : {creditSansConfiguration, creditLogo1, creditLogo2}) {
        l->setAlignment(Qt::AlignCenter);
        l->hide();
    }

    const auto kpr = LireFichierTexte(dossier + QStringLiteral("kpr.cfg"));
    if (!kpr) {
        creditSansConfiguration->show();
    } else {
        auto ligne = [&](int i) { return i < kpr->size() ? kpr->at(i) : QString(); };
        setWindowTitle(tr("A propos de ") + ligne(0));
        produit->setText(ligne(1));
        // The logo named as written, or with Windows separators and another
        // case, as the files made on Windows name it.
        QString cheminLogo = ligne(3).trimmed();
        if (!cheminLogo.isEmpty()) {
            const QString trouve = ResoudreNomCite(cheminLogo, dossier, dossier);
            cheminLogo = !trouve.isEmpty() ? trouve
                         : QFileInfo(cheminLogo).isRelative() ? dossier + cheminLogo
                                                              : cheminLogo;
        }
        if (!cheminLogo.isEmpty() && QFileInfo(cheminLogo).isFile()) {
            QImageReader lecteur(cheminLogo);
            const QSize taille = lecteur.size();
            QImage image;
            if (taille.isValid() && taille.width() <= 4000 && taille.height() <= 4000)
                image = lecteur.read();
            if (image.isNull()) {
                creditLogo1->show();
                creditLogo2->setText(cheminLogo);
                creditLogo2->show();
            } else {
                logo->setPixmap(QPixmap::fromImage(image.width() > 600 ? image.scaledToWidth(600, Qt::SmoothTransformation) : image));
            }
        }
    }

    auto *boutons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
    boutons->button(QDialogButtonBox::Ok)->setText(tr("OK"));
    connect(boutons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto *disposition = new QVBoxLayout(this);
    disposition->addWidget(logo);
    disposition->addWidget(texte);
    disposition->addWidget(cadre);
    disposition->addWidget(participation);
    disposition->addWidget(credits);
    disposition->addWidget(creditSansConfiguration);
    disposition->addWidget(creditLogo1);
    disposition->addWidget(creditLogo2);
    disposition->addWidget(boutons);
    disposition->setSizeConstraint(QLayout::SetFixedSize);
}
