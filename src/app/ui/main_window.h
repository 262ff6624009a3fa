#pragma once
// The frame of the program (TMainForm): a multiple-document window holding
// one document window (TMDIChild) per open picture, the menus, the tool bars
// on the control bar at the top, and the five-panel status bar.
//
// Every menu item and tool-bar button is a public QAction so that each
// subsystem enables and connects its own from its app/branchement_*.cpp
// file. Items whose feature is not there are present and disabled.

#include <QMainWindow>
#include <QPoint>
#include <QRgb>
#include <QStringList>

#include "calibration/code_couleur.h"

#include <array>
#include <functional>
#include <memory>

class QAction;
class TCh_grille;
class QActionGroup;
class QFrame;
class QLabel;
class QMdiArea;
class QMdiSubWindow;
class QMenu;
class QSpinBox;
class QToolBar;
class QToolButton;
class TMDIChild;
class TSchema1;
class TTableau1;
class TTableauModif;
class ImageDocument;

class TMainForm : public QMainWindow {
    Q_OBJECT
public:
    explicit TMainForm(QWidget *parent = nullptr);
    ~TMainForm() override;

    [[nodiscard]] QMdiArea *zoneDocuments() const { return zone_; }

    // ---- Documents
    // Creates an empty document window with this caption, connects its
    // notifications, enables "Copier" and makes it the active document.
    TMDIChild *CreerDocument(const QString &titre);
    // A new document window over a document the program made, refreshed and
    // made the active document; captioned with the document's title, or
    // with `titreSiVide` when it has none.
    TMDIChild *MontrerNouveauDocument(std::unique_ptr<ImageDocument> document, const QString &titreSiVide = {});
    // The active document window (the current one even while the frame is
    // not the active application window), or nullptr.
    [[nodiscard]] TMDIChild *DocumentActif() const;
    [[nodiscard]] QList<TMDIChild *> Documents() const;
    // Brings menus and tool bars in line with the active document.
    void SynchroniserDocument();
    // The "Couleurs" document after the colour-code window's OK with a
    // recolouring box checked: a copy of the source put in line with the code.
    void RecolorerSelonCode(TMDIChild *source, const TCodeCouleur &code, bool aligner, bool niveauxGris,
                            double vmin = 0, double vmax = 255);
    // A press at p on a visible counting mark of the document: asks whether
    // to delete it; true when it was deleted (the press is then taken).
    bool SupprimerMarqueSous(ImageDocument &doc, QPoint p);
    // Client area left free for document windows.
    [[nodiscard]] int LargeurDispo() const;
    [[nodiscard]] int HauteurDispo() const;

    // Opens a file by its extension: animation lists go to ouvrirAnimation,
    // raster files and pictures to OuvrirImage. Returns false when the file
    // could not be opened (the error box has been shown).
    bool OuvrirFichier(const QString &chemin, int etirement);
    // Opens a picture, document file or raster file into a new document
    // window in the active document's window state. A file that fails leaves
    // no window behind; the error is shown in an error box.
    bool OuvrirImage(const QString &chemin, int etirement);
    // Opens each argument in order; an argument that names no existing file
    // is told in a warning box and the following ones still open; empty
    // arguments are passed over.
    void TraiterLigneCommande(const QStringList &arguments);
    // The command line kept for the first activation.
    void DefinirLigneCommande(const QStringList &arguments) { ligneCommande_ = arguments; }
    // Stretch parameter handed to raster files opened by "&Ouvrir" when the
    // raw-image box is not checked and there is no channel dialog, whose
    // stretch list says it otherwise.
    int EtirementCanaux = 5;

    // One-time part of the first activation: caption from "kpr.cfg", command
    // line, pending configuration file. Runs on the first activation of the
    // window; calling it again does nothing.
    void PremiereActivation();

    // ---- Help menu and configuration files
    void ChargerConfiguration(const QString &chemin);
    // Opens a help document: inside the program when its extension is in
    // ListeExtImg, otherwise through the desktop ("Fichier non trouvé" when
    // that fails). Other errors are silent.
    void OuvrirDocumentAide(const QString &chemin);

    // ---- Status bar: panels 0..4
    void EcrirePanneau(int panneau, const QString &texte);
    [[nodiscard]] QString TextePanneau(int panneau) const;

    // ---- Commands of the frame
    // "&Enregistrer sous..." for this document; true once the file is written.
    bool EnregistrerSous(TMDIChild *fenetre);
    // Before a document closes: a document whose work is not in a file asks
    // "Enregistrer les modifications de « nom » ?" (Oui / Non / Annuler); Oui
    // runs "Enregistrer sous". True when the document may close.
    bool ConfirmerFermeture(TMDIChild *fenetre);
    // Before quitting, for the work held outside documents. The results
    // table whose values are in no file asks "Enregistrer les valeurs du
    // tableau « titre » ?"; Oui runs its "le &Tableau". A schema that changed
    // since it was last saved asks to be saved beside its picture or, without
    // a picture file, to be handed over as a new document "Schéma", which is
    // then asked about with the others. True when quitting may go on.
    bool ConfirmerFermetureTableau();
    bool ConfirmerFermetureSchema();
    // "&Transférer": the schema becomes a new document "Schéma" with the
    // active document's scale.
    void TransfererSchema();
    void Nouveau();
    void Ouvrir();
    void CollerCommeNouvelleImage();
    // Zoom of the active document: 1, twice, half. A step that would show
    // the picture with a side past 2^20 pixels or below one pixel does nothing.
    void Zoom11();
    void ZoomAugmenter();
    void ZoomDiminuer();
    void NommerFenetre();
    void APropos();
    void Calculatrice();

    // ---- Shared drawing settings (0xAARRGGBB)
    QRgb CouleurCrayon = 0xFF000000;
    QRgb CouleurFondDessin = 0xFFFFFFFF;
    int OpaciteDessin = 255;
    int EpaisseurCrayon = 0;

    // ---- Start-up state
    // Where the start-up files are read (the current directory at start-up,
    // or the installed data folder) and where "mesechelles.txt" is written;
    // both end with the separator.
    QString DossierProgramme;
    QString DossierEcriture;
    QStringList ListeExtAide;       // extensions of help documents on the command line
    QStringList ListeExtImg;        // help documents opened inside the program
    QStringList ListeFichAide;      // documents of the dynamic help items, in menu order
    int NbItemsAideFixes = 4;
    QString FichierConfigEnAttente;
    QString CodageDocument = QStringLiteral("png");

    // Hands a document to the desktop to be opened by its associated program;
    // false when that fails. Tests replace it.
    std::function<bool(const QString &chemin)> ouvrirParLeBureau;
    // Starts a program detached; false when it cannot start. Tests replace it.
    std::function<bool(const QString &programme)> lancerProgramme;

    // The results table windows, created once and hidden (app/ui/branchement_tableau.cpp).
    TTableauModif *TableauModif = nullptr;
    TTableau1 *Tableau1 = nullptr;

    // After an acquisition: asks how the new document gets its scale, the
    // device's resolution preset (branchement_echelle.cpp).
    std::function<void(TMDIChild *fenetre, int dpi)> AttribuerEchelleAcquisition;
    // The acquisition source chosen, by its device name; empty until one is.
    QString SourceChoisie;
    // ---- Light values and multiple measurements (app/ui/branchement_lumiere.cpp),
    // called by the measuring tool's steps.
    // A measurement mode chosen in the measurement menu for this document:
    // modes 2 and 6 set up the light window (6 measures at once), the others
    // hide it.
    void LumiereModeChoisi(TMDIChild *fenetre, int mode);
    // Mode 2: the rectangle from the press point follows the pointer; at the
    // release it is measured, unless colour picking or the white capture
    // waits for it.
    void LumiereGlisser(ImageDocument &doc, QPoint p);
    void LumiereRelacher(ImageDocument &doc, QPoint p);
    // While "Mesures multiples" is on: a length measured in mode 0 on an
    // ordinary document, and a press in mode 0 on a cartesian one.
    void MesureMultipleLongueur(const ImageDocument &doc, double longueur);
    void MesureMultipleAppui(const ImageDocument &doc);

    // Opens an animation list; set by the animation subsystem (nothing happens otherwise).
    std::function<void(const QString &)> ouvrirAnimation;

    // ---- Menus and actions
    QMenu *menuFichier = nullptr;
    QAction *actNouveau = nullptr;
    QAction *actOuvrir = nullptr;
    QAction *actFermer = nullptr;
    QAction *actEnregistrerSous = nullptr;
    QAction *actOuvrirConfiguration = nullptr;
    QAction *actImprimer = nullptr;
    QAction *actChoixSource = nullptr;
    QAction *actAcquerir = nullptr;
    QAction *actQuitter = nullptr;

    QMenu *menuEdition = nullptr;
    QAction *actAnnuler = nullptr;
    QAction *actEffacerTraces = nullptr;
    QAction *actSupprimerElement = nullptr;
    QAction *actCopier = nullptr;
    QAction *actCollerNouvelleImage = nullptr;
    QAction *actCopierSelection = nullptr;
    QAction *actRecadrer = nullptr;
    QAction *actColler = nullptr;  // tool-bar "Coller", same command as actCollerNouvelleImage

    QMenu *menuOutils = nullptr;
    QAction *actCalculatrice = nullptr;
    QAction *actTableau = nullptr;
    QAction *actSchema = nullptr;
    TSchema1 *Schema1 = nullptr; // the schema window, created once, hidden
    QAction *actComptage = nullptr;
    QAction *actCopierPoints = nullptr;
    QAction *actCreerAnimation = nullptr;
    QAction *actDecomposerAnimation = nullptr;
    QMenu *menuCombinaison = nullptr;
    QAction *actCombiAlgebrique = nullptr;
    QAction *actCombiLogique = nullptr;
    QAction *actPixellisation = nullptr;
    QAction *actFaussesCouleurs = nullptr;

    QMenu *menuFenetre = nullptr;
    QAction *actAnimation = nullptr;
    QAction *actCascade = nullptr;
    QAction *actMosaiqueHorizontale = nullptr;
    QAction *actMosaiqueVerticale = nullptr;
    QAction *actToutReduire = nullptr;
    QAction *actToutReorganiser = nullptr;

    QMenu *menuImage = nullptr;
    QMenu *menuZoom = nullptr;
    QAction *actZoom11 = nullptr;
    QAction *actZoomAugmenter = nullptr;
    QAction *actZoomDiminuer = nullptr;
    QAction *actEchelle = nullptr;
    QAction *actCodageCouleurs = nullptr;
    QAction *actLegendeEchelle = nullptr;
    QAction *actLegendeCouleurs = nullptr;
    QAction *actRedimensionner = nullptr;
    QAction *actAgrandirCanevas = nullptr;
    QAction *actNiveauxGris = nullptr;
    QAction *actInverser = nullptr;
    QAction *actFaireBlanc = nullptr;
    QAction *actDelimiterZones = nullptr;
    QAction *actHistogrammes = nullptr;
    QMenu *menuDecomposition = nullptr;
    QAction *actDecompositionColorees = nullptr;
    QAction *actDecompositionGrises = nullptr;
    QAction *actNommerFenetre = nullptr;
    QAction *actQuadrillage = nullptr;
    QMenu *menuTransformation = nullptr;
    QAction *actSymetrieHorizontale = nullptr;
    QAction *actSymetrieVerticale = nullptr;
    QAction *actRotation90 = nullptr;
    QAction *actRotation180 = nullptr;
    QAction *actRotation270 = nullptr;

    QMenu *menuChoix = nullptr;
    QMenu *menuCouleur = nullptr;
    QAction *actCouleurCrayon = nullptr;
    QAction *actCouleurFond = nullptr;
    QAction *actOutilMesure = nullptr;
    QAction *actDecodage = nullptr;
    QAction *actCanauxAffiches = nullptr;

    QMenu *menuAide = nullptr;
    QAction *actAPropos = nullptr;
    QAction *actChargerFichier = nullptr;
    QAction *separateurAide = nullptr;  // hidden until the first help document item

    // ---- Tool bars on the control bar
    QToolBar *BarreFenetre = nullptr;
    QToolBar *BarreOutils = nullptr;
    QToolBar *Coul_taille = nullptr;
    QToolBar *BarreChoix = nullptr;
    // Ten tool buttons, index = tool number (0 crayon … 9 comptage), exclusive.
    std::array<QAction *, 10> boutonsOutils{};
    QActionGroup *groupeOutils = nullptr;
    QFrame *panneauCouleurCrayon = nullptr;
    QFrame *panneauCouleurFond = nullptr;
    QLabel *apercuEpaisseur = nullptr;   // 25 × 25 pen-width preview
    QSpinBox *choixEpaisseur = nullptr;
    // Option menus of BarreChoix, each behind a drop-down button. Items carry
    // their tag as data().
    QMenu *menuStyleTrait = nullptr;
    QMenu *menuRemplissage = nullptr;
    QMenu *menuForme = nullptr;
    QMenu *menuMesures = nullptr;        // the seven measurement types (ModeMesure)
    QAction *actMesuresMultiples = nullptr; // "Mesures multiples", at the menu's foot
    QMenu *menuPolice = nullptr;         // "&Fonte", "Fond &Transparent", "Fond& Coloré"
    QMenu *menuFleche = nullptr;
    QMenu *menuModeRemplissage = nullptr;
    QToolButton *boutonStyleTrait = nullptr;
    QToolButton *boutonRemplissage = nullptr;
    QToolButton *boutonForme = nullptr;
    QToolButton *boutonMesures = nullptr;
    QToolButton *boutonPolice = nullptr;
    QToolButton *boutonFleche = nullptr;
    QToolButton *boutonModeRemplissage = nullptr;

signals:
    // A document was opened from a file into a new window (raster files: the
    // colour-code subsystem shows its decoding panel on this).
    void DocumentOuvert(TMDIChild *fenetre, bool raster);
    // The document windows changed: one opened, closed or became active.
    void DocumentActifChange(TMDIChild *fenetre);

protected:
    bool event(QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // Each subsystem connects its menu items, tool-bar buttons and windows to
    // the frame in a file of its own (app/branchement_*.cpp); all run once at
    // the end of construction, in this order.
    void BrancherDocuments();      // opening, new, paste, zoom, rename, about
    void BrancherDessin();         // drawing layer and drawing tools
    void BrancherTextes();         // texts with markup and their placement
    void BrancherEchelle();        // spatial scale and the measuring tool
    void BrancherCodeCouleur();    // colour code and the decoding panel
    void BrancherRaster();         // multichannel raster files
    void BrancherImpression();     // printing
    void BrancherEnregistrement(); // document file and export
    void BrancherTraitements();    // point and geometric operations, combination of images
    void BrancherTableau();        // results table
    void BrancherComptage();       // counting tool, its window and the copy with the marks
    void BrancherCalques();        // grid and merging of the layers
    void BrancherSchema();         // the schema window
    void BrancherLegendes();       // scale and colour legends
    void BrancherZonation();       // zone delimitation and its dialog
    void BrancherHistogrammes();   // histograms and filters, decomposition, channels shown
    void BrancherAnimation();      // animation player, building and decomposing
    void BrancherAcquisition();    // scanners and cameras, and the false-colour exercise's camera
    void BrancherLumiere();        // light values, multiple measurements, light series
    // The multiple-measurement panel and menu item follow the active document.
    void SynchroniserLumiere();

    // Reads the file into a new document window; throws ErreurFichier or
    // ErreurDecodage and then leaves no window behind.
    void OuvrirFichierOuLever(const QString &chemin, int etirement);
    void CreerMenus();
    void CreerBarres();
    void CreerBarreEtat();
    void LireFichiersDemarrage();
    void AjouterItemAide(const QString &titre, const QString &fichier, bool coche);
    void CliquerItemAide(QAction *item);
    void EtatSansDocument(bool applicationActivee);
    void DocumentChange();
    void MettreAJourListeFenetres();
    // Window arrangement of the "Fe&nêtre" menu (app/disposition_fenetres.h).
    void Mosaique(bool horizontale);
    void Cascade();
    void ToutReorganiser();
    [[nodiscard]] QList<QMdiSubWindow *> FenetresReduites() const;
    [[nodiscard]] QList<QMdiSubWindow *> FenetresAArranger();
    [[nodiscard]] QRect ZoneAuDessusDesIcones() const;
    void ReajusterDocuments();
    void ModifierZoom(const std::function<float(float)> &modification);

    QMdiArea *zone_ = nullptr;
    class GestionLumiere *lumiere_ = nullptr; // branchement_lumiere.cpp
    TCh_grille *grille_ = nullptr; // "Choix du quadrillage", made on first use
    // The press on a counting mark: the deletion question (branchement_comptage).
    std::function<bool(ImageDocument &, QPoint)> supprimerMarque_;
    std::array<QLabel *, 5> panneaux_{};
    QList<QAction *> actionsFenetres_;
    QStringList ligneCommande_;
    bool premiereActivation_ = true;
    bool avecGif_ = false;             // the open dialog offers GIF from the first activation on
    bool fermetureConfirmee_ = false;  // quitting: every document has been asked about
    QString dossierOuverture_;         // the open dialog starts where the last file was opened from
};
