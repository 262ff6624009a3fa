#pragma once
// TSchema1: the "SCHEMA" window. The document image stands on the left and
// the schema, a drawing of the same size, on the right. Pencil, line and
// shape strokes on the document image are drawn at the same place on the
// schema; the schema is also drawn on, erased, filled and annotated
// directly, and primed from the picture's contrasts. It is saved as a BMP
// beside the document image's file, or handed back to the frame as a new
// document ("&Transférer").
//
// The frame gives the window its picture (OuvrirDepuisDocument,
// DefinirImageDocument) and takes its schema when it hides with Tag 1. The
// window shows no message box itself: Avertir and Confirmer are the frame's.

#include "calibration/echelle.h"
#include "schema/copies_annulation.h"
#include "schema/param_style_des.h"
#include "schema/reglages_amorcage.h"
#include "schema/trace_schema.h"

#include <QFont>
#include <QImage>
#include <QMainWindow>
#include <QPoint>

#include <atomic>
#include <functional>
#include <thread>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QScrollArea;
class QScrollBar;
class QSlider;
class QSpinBox;
class QToolButton;
class QWidget;
class PanneauAmorcage;
class PanneauPoints;
class TChoix_images;
class TETimer;
class VueSchema;

class TSchema1 : public QMainWindow {
    Q_OBJECT
public:
    explicit TSchema1(QWidget *parent = nullptr);
    ~TSchema1() override;

    // ---- The frame's side
    // "&Schéma": the picture becomes the document image, the window shows
    // maximised, the schema is reset to white and the priming panel hidden.
    void OuvrirDepuisDocument(const QImage &image, const QString &nomFichier, const TEchelle &echelle);
    // "&Choisir l'image": another document's picture; the schema stays.
    void DefinirImageDocument(const QImage &image, const QString &nomFichier);
    std::function<void(const QString &)> Avertir;  // warning box with OK
    std::function<bool(const QString &)> Confirmer; // warning box with Yes and No: true for Yes
    // A file to open, or an empty text when the dialog is cancelled.
    std::function<QString(const QString &titre, const QStringList &filtres)> DemanderFichier;
    // The frame gives the picture of the chosen window; false when it has closed.
    std::function<bool(QObject *fenetre)> ChoisirImage;
    QStringList FiltresImages; // the picture-open dialog's filters
    int Tag = 0;               // 1 when hidden by "&Transférer"
    TEchelle echelleSchema;    // the scale the schema took from its picture

    // ---- State
    int OutilSchema = 0; // 0 crayon, 1 ligne, 2 forme, 3 gomme, 4 texte, 6 pot de peinture
    QPoint PointAppui, PointFin;
    CopiesAnnulation copies;
    QString NomImageDocument;
    int Remplissage = Vide;
    bool TexteEnAttente = false;
    bool ChargementEnCours = false;
    bool PremiereOuverture = true;
    bool FondColore = false; // texts written on the background colour
    bool Ellipse = false;
    PinceauSchema pinceau;
    QFont fonteSchema;
    ReglagesAmorcage reglages;
    std::vector<StyleDes> styles;
    // The styles file was refused at reading: its bytes are kept aside
    // before the first style saved replaces it.
    bool stylesRefuses_ = false;

    [[nodiscard]] const QImage &imageDocument() const;
    [[nodiscard]] const QImage &imageSchema() const;
    void DefinirSchema(const QImage &schema);

    // ---- Operations
    void DisposerSchema();
    void ChoisirOutil(int outil);
    void DefinirEpaisseur(int w);
    void ChargerStyle();
    // Starts priming off the interface thread; a priming under way is
    // stopped first. The result replaces the schema when it is done.
    void Amorcer();
    [[nodiscard]] bool AmorcageEnCours() const { return enAttente_; }
    // "&Ouvrir un schéma": a file that cannot be read is told and changes
    // neither picture.
    void OuvrirSchema(const QString &chemin);
    void OuvrirFichierImage(const QString &chemin);
    // "comme fichier &Schéma": true once the file is written.
    bool EnregistrerSchema();
    // The schema differs from the one last opened, saved, reset or handed
    // to the frame: quitting would lose it.
    [[nodiscard]] bool SchemaNonEnregistre() const;
    // The schema as it is now is kept elsewhere (handed to the frame).
    void MarquerSchemaConserve();
    void Annuler();

    // ---- Controls
    VueSchema *Document = nullptr;
    VueSchema *schema = nullptr;
    QFrame *panneau_document = nullptr;
    QFrame *Panneau_schema = nullptr;
    QWidget *contenu = nullptr;
    QScrollArea *ScrollBox1 = nullptr;
    QScrollBar *deroul_doc = nullptr;
    QPlainTextEdit *Commentaire = nullptr;
    QLabel *StatusLine = nullptr;
    QProgressBar *progression = nullptr;
    QLineEdit *editexte = nullptr;
    QToolButton *couleur = nullptr;
    QToolButton *Couleur_fond = nullptr;
    QLabel *pan_taille = nullptr;
    QSpinBox *SpinButton1 = nullptr;
    QToolButton *ChoixStyle = nullptr;
    QToolButton *ChoixForme = nullptr;
    QToolButton *choixRemplis = nullptr;
    QToolButton *ChoixFonte = nullptr;
    std::vector<QToolButton *> outils; // by tag; index 5 is unused
    PanneauAmorcage *Choix_Amorc = nullptr;
    PanneauPoints *ChoixPoints = nullptr;
    QWidget *PanStyleDes = nullptr;
    QComboBox *ListeStyles = nullptr;
    QPushButton *NvStyle = nullptr;
    QLineEdit *nomstyle = nullptr;
    QSlider *Reglaglob = nullptr;
    QSlider *Reglacontrast = nullptr;
    QWidget *choixtimer = nullptr;
    QSpinBox *periode = nullptr;
    TETimer *minuterie = nullptr;
    TChoix_images *choixImages = nullptr;

    QAction *actOuvrirSchema = nullptr;
    QAction *actCommeFichierSchema = nullptr;
    QAction *actChoisirImage = nullptr;
    QAction *actOuvrirFichierImage = nullptr;
    QAction *actAbandonner = nullptr;
    QAction *actTransferer = nullptr;
    QAction *actAnnuler = nullptr;
    QAction *actEffacer = nullptr;
    QAction *actCopierSchema = nullptr;
    QAction *actCopierDocument = nullptr;
    QAction *actTracer = nullptr;
    QAction *actParametres = nullptr;
    QAction *actPointsTest = nullptr;
    QAction *actEnregistrerParametres = nullptr;
    QAction *actCouleur = nullptr;
    QAction *actCouleurFond = nullptr;
    QAction *actFonteSchema = nullptr;
    QAction *actFonteCommentaire = nullptr;
    QAction *actCommentaire = nullptr;
    QAction *actParDefaut = nullptr;
    QAction *actTimer = nullptr;
    QAction *actAmorcer = nullptr;
    QAction *actTraitsPleins = nullptr;
    QAction *actTirets = nullptr;
    QAction *actRectangle = nullptr;
    QAction *actEllipse = nullptr;
    QAction *actFondTransparent = nullptr;
    QAction *actFondColore = nullptr;

signals:
    // The window was hidden (by "&Abandonner", "&Transférer" or its title bar).
    void Cache();

protected:
    void showEvent(QShowEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *objet, QEvent *event) override;

private:
    void CreerMenus();
    void CreerBarres();
    void CreerBarreAmorcage();
    void CreerPanneauAmorcage();
    void BrancherOutils();
    void MettreAJourActions();
    void AfficherPinceau();
    void AfficherCurseurs();
    void Suite(SuiteReglage suite);
    void AmorcageTermine(QImage resultat, int generation);
    void ArreterAmorcage();
    void EcrireTexte(QPoint position);
    void ChoisirCouleur(bool fond);
    void ChoisirFonte();
    void EnregistrerStyle();

    // Pointer input on each picture.
    void AppuiSchema(QPoint p, Qt::MouseButton bouton);
    void DeplacementSchema(QPoint p, Qt::MouseButtons boutons);
    void RelachementSchema(QPoint p, Qt::MouseButton bouton);
    void AppuiDocument(QPoint p, Qt::MouseButton bouton);
    void DeplacementDocument(QPoint p, Qt::MouseButtons boutons);
    void RelachementDocument(QPoint p, Qt::MouseButton bouton);
    bool glisse_ = false; // a press started on this picture and is held
    QImage schemaConserve_; // the schema as last opened, saved, reset or handed over

    std::thread travail_;
    std::atomic<bool> annuler_{false};
    std::atomic<bool> termine_{true};
    std::atomic<int> lignes_{0};
    int generation_ = 0;
    bool enAttente_ = false; // a priming's result is awaited
    QTimer *suivi_ = nullptr;
};
