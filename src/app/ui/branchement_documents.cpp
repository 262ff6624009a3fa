// Opening, new images, pasting as a new image, zoom, renaming and the about
// box, wired to the frame's menus.

#include "app/ui/main_window.h"

#include "app/ui/a_propos.h"
#include "app/ui/boites_message.h"
#include "app/ui/dialogue_ouverture.h"
#include "commun/erreur.h"
#include "app/ui/gestion_erreurs.h"
#include "app/ui/saisie_nom.h"
#include "app/ui/taille_nouvelle_image.h"
#include "document/ui/fenetre_document.h"
#include "document/ouverture_document.h"
#include "processing/ui/choix_canaux.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMimeData>
#include <QPainter>
#include <QSvgRenderer>

void TMainForm::BrancherDocuments()
{
    connect(actNouveau, &QAction::triggered, this, &TMainForm::Nouveau);
    connect(actOuvrir, &QAction::triggered, this, &TMainForm::Ouvrir);
    connect(actCollerNouvelleImage, &QAction::triggered, this, &TMainForm::CollerCommeNouvelleImage);
    connect(actColler, &QAction::triggered, this, &TMainForm::CollerCommeNouvelleImage);
    connect(actZoom11, &QAction::triggered, this, &TMainForm::Zoom11);
    connect(actZoomAugmenter, &QAction::triggered, this, &TMainForm::ZoomAugmenter);
    connect(actZoomDiminuer, &QAction::triggered, this, &TMainForm::ZoomDiminuer);
    connect(actNommerFenetre, &QAction::triggered, this, &TMainForm::NommerFenetre);
    connect(actAPropos, &QAction::triggered, this, &TMainForm::APropos);
    connect(actCalculatrice, &QAction::triggered, this, &TMainForm::Calculatrice);
    connect(actCopier, &QAction::triggered, this, [this] {
        if (TMDIChild *fenetre = DocumentActif())
            fenetre->CopierTout();
    });
    connect(actOuvrirConfiguration, &QAction::triggered, this, [this] {
        QFileDialog dialogue(this, tr("Ouverture d'un fichier de configuration"));
        dialogue.setOption(QFileDialog::DontUseNativeDialog, true);
        dialogue.setOption(QFileDialog::HideNameFilterDetails, true);
        dialogue.setFileMode(QFileDialog::ExistingFile);
        dialogue.setNameFilter(tr("fichier de configuration Kaptori") + QStringLiteral(" (*.cfm)"));
        dialogue.selectFile(QStringLiteral("*.cfm"));
        dialogue.setLabelText(QFileDialog::Accept, tr("&Ouvrir"));
        dialogue.setLabelText(QFileDialog::Reject, tr("Annuler"));
        if (dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty())
            ChargerConfiguration(dialogue.selectedFiles().first());
    });
    connect(actChargerFichier, &QAction::triggered, this, [this] {
        QFileDialog dialogue(this, tr("Ouverture d'un fichier d'aide"));
        dialogue.setOption(QFileDialog::DontUseNativeDialog, true);
        dialogue.setOption(QFileDialog::HideNameFilterDetails, true);
        dialogue.setFileMode(QFileDialog::ExistingFile);
        const QStringList filtres = {tr("tous fichiers") + QStringLiteral(" (*)"),
                                     tr("fichiers HTML") + QStringLiteral(" (*.htm *.html)"),
                                     tr("fichiers texte") + QStringLiteral(" (*.sdw *.txt *.doc)"),
                                     tr("fichiers tableur") + QStringLiteral(" (*.sdc *.xls)"),
                                     tr("fichiers d'aide") + QStringLiteral(" (*.hlp)")};
        dialogue.setNameFilters(filtres);
        dialogue.selectNameFilter(filtres[1]);
        dialogue.setLabelText(QFileDialog::Accept, tr("&Ouvrir"));
        dialogue.setLabelText(QFileDialog::Reject, tr("Annuler"));
        if (dialogue.exec() == QDialog::Accepted && !dialogue.selectedFiles().isEmpty())
            OuvrirDocumentAide(dialogue.selectedFiles().first());
    });
}

void TMainForm::OuvrirFichierOuLever(const QString &chemin, int etirement)
{
    const GenreFichier genre = GenreDeFichier(chemin);
    if (genre == GenreFichier::Animation) {
        if (ouvrirAnimation)
            ouvrirAnimation(chemin);
        return;
    }
    TMDIChild *actif = DocumentActif();
    const Qt::WindowStates etat = actif ? actif->windowState() : Qt::WindowNoState;

    // The file is read before any window exists, so that a failure leaves none behind.
    std::unique_ptr<ImageDocument> document;
    {
        QGuiApplication::setOverrideCursor(Qt::WaitCursor);
        struct Restaurer {
            ~Restaurer() { QGuiApplication::restoreOverrideCursor(); }
        } restaurer;
        document = OuvrirDocument(chemin, etirement);
    }
    TMDIChild *fenetre = CreerDocument(chemin);
    document->titre = chemin;
    document->nomFichier = chemin;
    fenetre->RemplacerDocument(std::move(document));
    if (etat & Qt::WindowMaximized)
        fenetre->showMaximized();
    else if (etat & Qt::WindowMinimized)
        fenetre->showMinimized();
    QCoreApplication::processEvents();
    fenetre->Rafraichir();
    fenetre->document().MarquerEnregistre();
    SynchroniserDocument();
    emit DocumentOuvert(fenetre, genre == GenreFichier::Raster);
    QCoreApplication::processEvents();
}

bool TMainForm::OuvrirImage(const QString &chemin, int etirement)
{
    return ExecuterCommande(this, [&] { OuvrirFichierOuLever(chemin, etirement); });
}

bool TMainForm::OuvrirFichier(const QString &chemin, int etirement)
{
    return OuvrirImage(chemin, etirement);
}

void TMainForm::Ouvrir()
{
    DialogueOuverture dialogue(this, avecGif_);
    if (!dossierOuverture_.isEmpty() && QFileInfo(dossierOuverture_).isDir())
        dialogue.setDirectory(dossierOuverture_);
    if (dialogue.exec() != QDialog::Accepted)
        return;
    if (!dialogue.selectedFiles().isEmpty())
        dossierOuverture_ = QFileInfo(dialogue.selectedFiles().front()).absolutePath();
    // Raster files are stretched as the channel dialog's stretch list (and
    // its box "Ne pas étirer") stands, unless "Image sat. brute" is checked.
    int etirement = EtirementCanaux;
    if (const auto *canaux = findChild<TChoix_canaux *>())
        etirement = canaux->Choix().etirement;
    if (dialogue.imageBrute())
        etirement = 0;
    for (const QString &chemin : dialogue.selectedFiles()) {
        if (!QFileInfo(chemin).isFile())
            return;
        if (GenreDeFichier(chemin) == GenreFichier::Animation) {
            OuvrirFichier(chemin, etirement);
            return;
        }
        if (!OuvrirFichier(chemin, etirement))
            return;
    }
}

void TMainForm::Nouveau()
{
    auto *dialogue = findChild<TTaillIm *>();
    if (!dialogue)
        dialogue = new TTaillIm(this);
    if (dialogue->exec() != QDialog::Accepted)
        return;
    const QString titre = tr("Nouveau") + QString::number(zoneDocuments()->subWindowList().size() + 1);
    QImage image(dialogue->largeur(), dialogue->hauteur(), QImage::Format_ARGB32);
    image.fill(CouleurFondDessin);
    TMDIChild *fenetre = CreerDocument(titre);
    fenetre->document().image = std::move(image);
    fenetre->Rafraichir();
    // A blank picture holds no work yet; a pasted one is in no file.
    fenetre->document().MarquerEnregistre();
    SynchroniserDocument();
}

void TMainForm::CollerCommeNouvelleImage()
{
    const QMimeData *donnees = QGuiApplication::clipboard()->mimeData();
    if (!donnees)
        return;
    QImage image;
    if (donnees->hasImage()) {
        image = qvariant_cast<QImage>(donnees->imageData()).convertToFormat(QImage::Format_ARGB32);
    } else if (donnees->hasFormat(QStringLiteral("image/svg+xml"))) {
        // A drawing in another picture format: one pixel less than the
        // picture in each direction, the picture drawn at the top-left.
        QSvgRenderer rendu(donnees->data(QStringLiteral("image/svg+xml")));
        const QSize taille = rendu.defaultSize();
        if (!rendu.isValid() || taille.width() < 2 || taille.height() < 2 || taille.width() > 32768 ||
            taille.height() > 32768)
            return;
        image = QImage(taille.width() - 1, taille.height() - 1, QImage::Format_ARGB32);
        image.fill(CouleurFondDessin);
        QPainter p(&image);
        rendu.render(&p, QRectF(QPointF(0, 0), QSizeF(taille)));
    }
    if (image.isNull())
        return;
    const QString titre = tr("Nouveau") + QString::number(zoneDocuments()->subWindowList().size() + 1);
    TMDIChild *fenetre = CreerDocument(titre);
    fenetre->document().image = std::move(image);
    fenetre->Rafraichir();
    SynchroniserDocument();
}

void TMainForm::NommerFenetre()
{
    TMDIChild *fenetre = DocumentActif();
    if (!fenetre)
        return;
    auto *dialogue = findChild<TSaisieNom *>();
    if (!dialogue)
        dialogue = new TSaisieNom(this);
    dialogue->champ->setText(fenetre->windowTitle());
    if (dialogue->exec() == QDialog::Accepted)
        fenetre->DefinirTitre(dialogue->champ->text());
}

void TMainForm::APropos()
{
    TAPropos boite(this, DossierProgramme);
    boite.exec();
}
