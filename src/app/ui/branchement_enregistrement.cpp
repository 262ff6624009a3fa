// "Enregistrer sous...": the save dialog, the extension rules, and the save
// itself, written through a temporary file so that a failure leaves the
// previous file intact and the document with its former name and caption.

#include "app/ui/boites_message.h"
#include "app/ui/gestion_erreurs.h"
#include "app/ui/main_window.h"
#include "app/ui/travail_en_fond.h"
#include "document/ui/dialogue_enregistrement.h"
#include "document/enregistrer_document.h"
#include "document/ui/fenetre_document.h"
#include "drawing/dessin_fichier.h"
#include "drawing/reglages_dessin.h"
#include "processing/ui/multicompt.h"

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QMdiArea>
#include <QStatusBar>

namespace {

const char *const kNomDialogue = "dialogueEnregistrement";

} // namespace

void TMainForm::BrancherEnregistrement()
{
    // Always offered, as on the window tool bar; without a document it does nothing.
    actEnregistrerSous->setEnabled(true);
    connect(actEnregistrerSous, &QAction::triggered, this, [this] {
        if (TMDIChild *fenetre = DocumentActif())
            EnregistrerSous(fenetre);
    });

    // A document file saved without background ("sans fond") brings its
    // background colour back as the program's: the frame's panel follows.
    connect(this, &TMainForm::DocumentOuvert, this, [this](TMDIChild *fenetre, bool) {
        if (fenetre == nullptr || QFileInfo(fenetre->document().nomFichier).suffix().toUpper() != QLatin1String("KPT"))
            return;
        const QRgb fond = ReglagesDessinProgramme().CouleurFondDessin;
        if (fond != CouleurFondDessin) {
            CouleurFondDessin = fond;
            emit fenetre->CouleursChangees();
        }
    });
}

bool TMainForm::EnregistrerSous(TMDIChild *fenetre)
{
    ImageDocument &document = fenetre->document();

    // One dialog for the whole session: it keeps the encoding and quality last chosen.
    auto *dialogue = findChild<TSavePictureDialogsg *>(QLatin1String(kNomDialogue));
    if (dialogue == nullptr) {
        dialogue = new TSavePictureDialogsg(avecGif_, this);
        dialogue->setObjectName(QLatin1String(kNomDialogue));
    }
    // GIF is offered from the frame's first activation on.
    dialogue->DefinirAvecGif(avecGif_);
    dialogue->DefinirCodage(CodageDeTexte(CodageDocument).value_or(CodageImage::Png));
    if (!document.nomFichier.isEmpty())
        dialogue->setDirectory(QFileInfo(document.nomFichier).absolutePath());
    dialogue->selectFile(NomPropose(document.nomFichier));

    QString chemin;
    for (;;) {
        if (dialogue->exec() != QDialog::Accepted) {
            dialogue->selectFile(QString());
            return false;
        }
        chemin = dialogue->CheminChoisi();
        if (chemin.isEmpty())
            return false;
        if (!QFileInfo::exists(chemin)
            || MessageConfirmation(this, tr("Le fichier %1 existe déjà.\rVoulez-vous le remplacer ?")
                                             .arg(QDir::toNativeSeparators(chemin))))
            break;
    }

    CodageDocument = TexteCodage(dialogue->Codage());
    OptionsEnregistrement options;
    options.codage = dialogue->Codage();
    options.qualite = dialogue->Qualite();
    options.couleurFond = CouleurFondDessin;
    // Elements still on the provisional layer are part of what is saved;
    // a measured line is not an element and stays provisional.
    if (!document.image.isNull() && document.ProvisoireNonVide() && !document.etatDessin.LigneMesure)
        document.FusionnerProvisoire();
    // The file is written on another thread: a large picture takes a
    // second or more, during which the frame keeps painting and shows the
    // save in its status bar.
    const bool ecrit = ExecuterCommande(this, [&] {
        int omis = 0;
        ExecuterEnFond(statusBar(), tr("Enregistrement de %1…").arg(QFileInfo(chemin).fileName()),
                       [&] { omis = EcrireEnregistrement(document, chemin, options); });
        TerminerEnregistrement(document, chemin, options);
        if (omis > 0)
            MessageAvertissement(this, MessageRemplissagesCanaux());
    });
    // The caption follows the document's name, which changes only once
    // the file is written.
    fenetre->DefinirTitre(document.titre);
    // The document's counting window is captioned with the file's name, without its folders.
    if (ecrit)
        if (auto *compteur = fenetre->findChild<TMulticompt *>(QStringLiteral("Compteur"), Qt::FindDirectChildrenOnly))
            compteur->setWindowTitle(QFileInfo(chemin).fileName());
    return ecrit;
}

bool TMainForm::ConfirmerFermeture(TMDIChild *fenetre)
{
    if (!fenetre->document().Modifie())
        return true;
    const ImageDocument &document = fenetre->document();
    const QString nom = !document.nomFichier.isEmpty() && fenetre->windowTitle() == document.nomFichier
                            ? QFileInfo(document.nomFichier).fileName()
                            : fenetre->windowTitle();
    zoneDocuments()->setActiveSubWindow(fenetre);
    switch (AfficherMessage(this, TypeMessage::Confirmation,
                            tr("Enregistrer les modifications de « %1 » ?").arg(nom),
                            BoutonsMessage::OuiNonAnnuler)) {
    case QMessageBox::Yes: return EnregistrerSous(fenetre);
    case QMessageBox::No: return true;
    default: return false;
    }
}
