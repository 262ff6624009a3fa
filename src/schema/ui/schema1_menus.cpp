// The schema window's menus: files, editing, choices and priming, each item
// with what it does.

#include "schema/ui/schema1.h"

#include "schema/ui/choix_images.h"
#include "schema/ui/panneau_amorcage.h"
#include "schema/ui/vue_schema.h"

#include <QAction>
#include <QClipboard>
#include <QFileInfo>
#include <QFontDialog>
#include <QGuiApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QWidget>

void TSchema1::CreerMenus()
{
    auto action = [this](QMenu *menu, const QString &texte, auto &&faire) {
        QAction *a = menu->addAction(texte);
        connect(a, &QAction::triggered, this, faire);
        return a;
    };
    QMenu *fichier = menuBar()->addMenu(tr("&Fichier"));
    actOuvrirSchema = action(fichier, tr("&Ouvrir un schéma"), [this] {
        const QString chemin = DemanderFichier(tr("Ouvrir un schéma"),
                                               {tr("Fichiers schéma (*.spg *.smp *.scx *.sng *.sif)")});
        if (chemin.isEmpty())
            return;
        // The opened file takes the place of the schema in progress.
        if (SchemaNonEnregistre() && Confirmer
            && !Confirmer(tr("Le schéma en cours n'est pas enregistré.\rL'abandonner pour ouvrir %1 ?")
                              .arg(QFileInfo(chemin).fileName())))
            return;
        OuvrirSchema(chemin);
    });
    QMenu *enregistrer = fichier->addMenu(tr("&Enregistrer le schéma"));
    actCommeFichierSchema = action(enregistrer, tr("comme fichier &Schéma"), [this] { EnregistrerSchema(); });
    QMenu *changer = fichier->addMenu(tr("&Changer de document"));
    actChoisirImage = action(changer, tr("&Choisir l'image"), [this] {
        if (choixImages->exec() != QDialog::Accepted || !choixImages->avecChoix())
            return;
        if (ChoisirImage && ChoisirImage(choixImages->fenetreChoisie()))
            copies.NouveauDocument(Document->image);
    });
    actOuvrirFichierImage = action(changer, tr("&Ouvrir un fichier d'image"), [this] {
        const QString chemin = DemanderFichier(tr("Ouvrir un fichier d'image"), FiltresImages);
        if (!chemin.isEmpty())
            OuvrirFichierImage(chemin);
    });
    actAbandonner = action(fichier, tr("&Abandonner"), [this] {
        Tag = 0;
        hide();
    });
    actTransferer = action(fichier, tr("&Transférer"), [this] {
        Tag = 1;
        hide();
    });

    QMenu *edition = menuBar()->addMenu(tr("&Edition"));
    actAnnuler = action(edition, tr("&Annuler"), [this] { Annuler(); });
    actAnnuler->setStatusTip(tr("Annuler"));
    actEffacer = action(edition, tr("&Effacer le schéma"), [this] {
        if (Confirmer && !Confirmer(tr("Voulez vous tout effacer ?")))
            return;
        copies.AppuiSurDocument(schema->image, Document->image);
        schema->image.fill(pinceau.fond);
        Document->image = copies.DocumentIntact;
        schema->Actualiser();
        Document->Actualiser();
    });
    actEffacer->setStatusTip(tr("tout effacer"));
    actCopierSchema = action(edition, tr("&Copier le schéma"),
                             [this] { QGuiApplication::clipboard()->setImage(schema->image); });
    actCopierDocument = action(edition, tr("Copier le &document"),
                               [this] { QGuiApplication::clipboard()->setImage(Document->image); });

    QMenu *choix = menuBar()->addMenu(tr("&Choix"));
    actTracer = choix->addAction(tr("&Tracer sur le document"));
    actTracer->setCheckable(true);
    actTracer->setChecked(true);
    connect(actTracer, &QAction::toggled, this, [this](bool coche) {
        if (!coche) {
            Document->image = copies.DocumentIntact;
            Document->Actualiser();
        }
    });
    actParametres = choix->addAction(tr("Afficher les paramètres d'amorçage"));
    actParametres->setCheckable(true);
    connect(actParametres, &QAction::toggled, this, [this](bool coche) {
        Choix_Amorc->setVisible(coche);
        DisposerSchema();
    });
    actPointsTest = choix->addAction(tr("Choix des points de test"));
    actPointsTest->setCheckable(true);
    connect(actPointsTest, &QAction::toggled, this, [this](bool coche) {
        ChoixPoints->setVisible(coche);
        DisposerSchema();
    });
    actEnregistrerParametres = action(choix, tr("Enregistrer les paramètres d'amorçage"), [this] {
        PanStyleDes->setMinimumWidth(225);
        nomstyle->show();
        nomstyle->setFocus();
    });
    actCouleur = action(choix, tr("&Couleur "), [this] { ChoisirCouleur(false); });
    actCouleurFond = action(choix, tr("C&ouleur du fond"), [this] { ChoisirCouleur(true); });
    actFonteSchema = action(choix, tr("&Fonte du schéma"), [this] { ChoisirFonte(); });
    actFonteCommentaire = action(choix, tr("Fonte du &Commentaire"), [this] {
        bool ok = false;
        const QFont f = QFontDialog::getFont(&ok, Commentaire->font(), this, tr("Fonte du commentaire"));
        if (ok)
            Commentaire->setFont(f);
    });
    actCommentaire = choix->addAction(tr("Afficher un commentaire"));
    actCommentaire->setCheckable(true);
    connect(actCommentaire, &QAction::toggled, this, [this](bool coche) {
        Commentaire->setVisible(coche);
        DisposerSchema();
    });
    actParDefaut = action(choix, tr("Paramètres par défaut"), [this] {
        ChargerStyle();
        Amorcer();
    });
    actTimer = action(choix, tr("Timer"), [this] { choixtimer->show(); });

    actAmorcer = menuBar()->addAction(tr("A&morcer le schéma"));
    connect(actAmorcer, &QAction::triggered, this, [this] { Amorcer(); });
}
