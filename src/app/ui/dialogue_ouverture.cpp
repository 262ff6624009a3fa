#include "app/ui/dialogue_ouverture.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QGridLayout>
#include <QImageReader>
#include <QPainter>
#include <QVBoxLayout>

ApercuImage::ApercuImage(QWidget *parent) : QWidget(parent)
{
    setMinimumSize(150, 150);
    setAutoFillBackground(true);
    setBackgroundRole(QPalette::Base);
}

void ApercuImage::Charger(const QString &chemin)
{
    image_ = QImage();
    if (!chemin.isEmpty() && QFileInfo(chemin).isFile()) {
        QImageReader lecteur(chemin);
        // A preview never decodes a huge picture in full.
        const QSize taille = lecteur.size();
        if (taille.isValid() && static_cast<qint64>(taille.width()) * taille.height() > 4'000'000)
            lecteur.setScaledSize(taille.scaled(1000, 1000, Qt::KeepAspectRatio));
        image_ = lecteur.read();
    }
    update();
}

void ApercuImage::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    const QRect cadre = rect();
    if (image_.isNull()) {
        p.drawText(cadre, Qt::AlignCenter, tr("(vide)"));
        return;
    }
    if (image_.width() <= cadre.width() && image_.height() <= cadre.height()) {
        p.drawImage((cadre.width() - image_.width()) / 2, (cadre.height() - image_.height()) / 2, image_);
        return;
    }
    const QSize reduite = image_.size().scaled(cadre.size(), Qt::KeepAspectRatio);
    p.setRenderHint(QPainter::SmoothPixmapTransform);
    p.drawImage(QRect(QPoint(0, 0), reduite), image_);
}

QStringList FiltresOuverture(bool avecGif)
{
    struct Filtre {
        const char *libelle;
        const char *motifs;
        bool gif;
    };
    static const Filtre filtres[] = {
        {nullptr, nullptr, false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "Fichiers Kaptori"), "*.kpt", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "Fichiers PNG"), "*.png", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "Fichier image JPEG (*.jpg)"), "*.jpg", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "Fichier image JPEG (*.jpeg)"), "*.jpeg", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "Bitmaps (*.bmp)"), "*.bmp", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "Icônes (*.ico)"), "*.ico", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "MétaFichiers améliorés (*.emf)"), "*.emf", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "MetaFichiers (*.wmf)"), "*.wmf", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "ancien fichier Orvane (1 canal)"), "*.ima", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "fichier global Orvane"), "*.img", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "1 canal appelé par .img"), "*.per", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "Fichiers Paint Shop Pro"), "*.psp", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "fichier anim Kaptori"), "*.anm", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "fichier Landsat"), "*.lan", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "fichier Tessim"), "*.inf", false},
        {QT_TRANSLATE_NOOP("DialogueOuverture", "Image GIF (*.gif)"), "*.gif", true},
    };
    const QString tous = avecGif ? QStringLiteral("*.kpt;*.jpg;*.png;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.img;*.ima;*.per;*.anm;*.lan;*.inf;*.gif;*.tif;*.psp;*.pcd")
                                 : QStringLiteral("*.kpt;*.jpg;*.png;*.jpeg;*.bmp;*.ico;*.emf;*.wmf;*.img;*.ima;*.per;*.anm;*.lan;*.inf;*.tif;*.psp;*.pcd");
    QStringList liste;
    liste.append(QCoreApplication::translate("DialogueOuverture", "Tout (%1)").arg(tous) + QStringLiteral(" (") +
                 QString(tous).replace(QLatin1Char(';'), QLatin1Char(' ')) + QLatin1Char(')'));
    for (const Filtre &f : filtres) {
        if (!f.libelle || (f.gif && !avecGif))
            continue;
        liste.append(QCoreApplication::translate("DialogueOuverture", f.libelle) + QStringLiteral(" (") +
                     QLatin1String(f.motifs) + QLatin1Char(')'));
    }
    return liste;
}

DialogueOuverture::DialogueOuverture(QWidget *parent, bool avecGif) : QFileDialog(parent)
{
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::HideNameFilterDetails, true);
    setOption(QFileDialog::ReadOnly, true);
    setFileMode(QFileDialog::ExistingFiles);
    setAcceptMode(QFileDialog::AcceptOpen);
    setWindowTitle(tr("Ouvrir"));
    setNameFilters(FiltresOuverture(avecGif));
    setLabelText(QFileDialog::Accept, tr("&Ouvrir"));
    setLabelText(QFileDialog::Reject, tr("Annuler"));
    setLabelText(QFileDialog::LookIn, tr("Regarder dans :"));
    setLabelText(QFileDialog::FileName, tr("Nom du fichier :"));
    setLabelText(QFileDialog::FileType, tr("Type de fichier :"));
    setSizeGripEnabled(true);

    auto *panneau = new QWidget(this);
    auto *disposition = new QVBoxLayout(panneau);
    disposition->setContentsMargins(0, 0, 0, 0);
    caseBrute = new QCheckBox(tr("Image sat. brute (.ima ; .img)"), panneau);
    caseBrute->setToolTip(tr("Image IMG brute"));
    apercu = new ApercuImage(panneau);
    disposition->addWidget(caseBrute);
    disposition->addWidget(apercu, 1);
    if (auto *grille = qobject_cast<QGridLayout *>(layout()))
        grille->addWidget(panneau, 0, grille->columnCount(), grille->rowCount(), 1);
    connect(this, &QFileDialog::currentChanged, apercu, &ApercuImage::Charger);
    resize(900, 500);
}

bool DialogueOuverture::imageBrute() const
{
    return caseBrute->isChecked();
}
