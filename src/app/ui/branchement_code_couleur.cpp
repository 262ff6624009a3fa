// The colour code in the frame: the definition window on "Définir le
// coda&ge des couleurs", the decoding panel on the right edge, the readout of
// status panels 2 and 3 on every pointer move, colour picking from the image,
// and the copy of the spectral signature into a new document.

#include "app/lecture_document.h"
#include "app/ui/main_window.h"
#include "calibration/couleur_moyenne.h"
#include "calibration/echelle.h"
#include "calibration/ui/fenetre_code_couleur.h"
#include "calibration/ui/panneau_decodage.h"
#include "commun/nombres.h"
#include "document/ui/fenetre_document.h"

#include <QAction>
#include <QDockWidget>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QPointer>
#include <QTimer>

#include <algorithm>

namespace {

constexpr int OutilMesure = ImageDocument::OutilMesure;
constexpr int ModeLumiereRectangle = 2;
constexpr int ModeLumiereColore = 6;
constexpr const char *ProprieteBranche = "kaptoriCodeCouleurBranche";

class BranchementCodeCouleur : public QObject {
public:
    explicit BranchementCodeCouleur(TMainForm *cadre) : QObject(cadre), cadre_(cadre)
    {
        panneau_ = new Decodcoul;
        dock_ = new QDockWidget(cadre);
        dock_->setObjectName(QStringLiteral("DockDecodcoul"));
        dock_->setWidget(panneau_);
        dock_->setTitleBarWidget(new QWidget(dock_));
        dock_->setFeatures(QDockWidget::NoDockWidgetFeatures);
        dock_->setAllowedAreas(Qt::RightDockWidgetArea);
        cadre->addDockWidget(Qt::RightDockWidgetArea, dock_);
        dock_->hide();

        fenetre_ = new TFenChCodcoul(cadre);
        fenetre_->hide();

        cadre->actCodageCouleurs->setEnabled(true);
        cadre->actDecodage->setEnabled(true);
        connect(cadre->actCodageCouleurs, &QAction::triggered, this, &BranchementCodeCouleur::OuvrirDefinition);
        connect(cadre->actDecodage, &QAction::triggered, this, [this] { MontrerPanneau(!dock_->isVisible()); });
        connect(panneau_->copisign, &QAction::triggered, this, &BranchementCodeCouleur::CopierSignature);
        connect(fenetre_, &TFenChCodcoul::CodeValide, this, &BranchementCodeCouleur::CodeValide);
        connect(fenetre_, &TFenChCodcoul::SaisieCouleur, this, &BranchementCodeCouleur::Saisie);
        connect(cadre, &TMainForm::DocumentActifChange, this, &BranchementCodeCouleur::DocumentActif);
        // The two light measurements take the signature over: it starts empty.
        connect(cadre->menuMesures, &QMenu::triggered, this, [this](QAction *a) {
            const int mode = a->data().toInt();
            if (mode == ModeLumiereRectangle || mode == ModeLumiereColore)
                panneau_->ViderSignature();
        });
        connect(cadre, &TMainForm::DocumentOuvert, this, [this](TMDIChild *fenetre, bool raster) {
            Brancher(fenetre);
            if (raster)
                MontrerPanneau(true);
        });
    }

private:
    void Brancher(TMDIChild *doc)
    {
        if (!doc || doc->property(ProprieteBranche).toBool())
            return;
        doc->setProperty(ProprieteBranche, true);
        connect(doc, &TMDIChild::PointeurDeplace, this,
                [this, doc](QPoint p, Qt::MouseButtons, Qt::KeyboardModifiers) { Lecture(doc, p); });
        connect(doc, &TMDIChild::PointeurEnfonce, this,
                [this, doc](QPoint p, Qt::MouseButton b, Qt::MouseButtons, Qt::KeyboardModifiers) {
                    if (b == Qt::LeftButton && doc == docSaisie_ && OutilDeSaisie(doc->document()))
                        appuiSaisie_ = p;
                });
        connect(doc, &TMDIChild::PointeurRelache, this,
                [this, doc](QPoint p, Qt::MouseButton b, Qt::MouseButtons, Qt::KeyboardModifiers) {
                    if (b == Qt::LeftButton && doc == docSaisie_ && appuiSaisie_)
                        Echantillon(doc, *appuiSaisie_, p);
                    appuiSaisie_.reset();
                });
        connect(doc, &TMDIChild::EchantillonCouleur, this, [this](QRgb c) {
            fenetre_->RecevoirEchantillon(CouleurRvb(qRed(c), qGreen(c), qBlue(c)));
        });
        connect(doc, &TMDIChild::CanauxChanges, this, [this, doc] {
            if (doc == cadre_->DocumentActif())
                AfficherCode(doc);
        });
        connect(doc, &TMDIChild::SignatureSpectraleDemandee, this, &BranchementCodeCouleur::CopierSignature);
        doc->actCopierSignature->setEnabled(dock_->isVisible());
    }

    // Without any document the panel is hidden; it stays so when a picture
    // is opened again, until it is asked for or a raster file shows it.
    // Only the measuring tool on a rectangle picks: a stroke of another tool
    // chosen meanwhile draws, it does not replace the picked colour.
    [[nodiscard]] static bool OutilDeSaisie(const ImageDocument &d)
    {
        return d.outilCourant == OutilMesure && d.modeMesure == ModeLumiereRectangle;
    }

    void DocumentActif(TMDIChild *doc)
    {
        // The readouts described the pixel of another document, or of none,
        // and the measurement shown was made on it.
        ViderLectures();
        cadre_->EcrirePanneau(4, QString());
        if (!doc && dock_->isVisible()) {
            MontrerPanneau(false);
            return;
        }
        Brancher(doc);
        AfficherCode(doc);
    }

    void AfficherCode(TMDIChild *doc)
    {
        docAffiche_ = doc;
        if (doc)
            panneau_->AfficherCode(doc->document().codeCouleur);
        else
            panneau_->AfficherPasDEchelle();
    }

    // Status panels 2 and 3 back to their captions, the decoding panel's
    // readout emptied.
    void ViderLectures()
    {
        cadre_->EcrirePanneau(2, TMainForm::tr("RVBLS"));
        cadre_->EcrirePanneau(3, TMainForm::tr("mesure"));
        panneau_->ViderLecture();
    }

    // Status panels 2 and 3, then the decoding panel; outside the image they
    // are emptied.
    void Lecture(TMDIChild *doc, QPoint p)
    {
        const ImageDocument &d = doc->document();
        PixelLu pixel;
        if (!LirePixelDocument(d, p.x(), p.y(), &pixel)) {
            ViderLectures();
            return;
        }
        cadre_->EcrirePanneau(2, TexteRVBLS(pixel.r, pixel.g, pixel.b));
        cadre_->EcrirePanneau(3, TexteXY(p.x(), p.y()));
        if (!dock_->isVisible())
            return;
        if (!d.codeCouleur.Definie) {
            panneau_->AfficherPasDEchelle();
            return;
        }
        // The measuring tool on a rectangle shows light values in the panel.
        if (d.outilCourant == OutilMesure && d.modeMesure == ModeLumiereRectangle) {
            panneau_->copisign->setEnabled(true);
            return;
        }
        if (doc != docAffiche_)
            AfficherCode(doc);
        panneau_->AfficherLecture(LireDecodage(d.codeCouleur, pixel), pixel);
    }

    void MontrerPanneau(bool visible)
    {
        dock_->setVisible(visible);
        const QList<TMDIChild *> documents = cadre_->Documents();
        for (TMDIChild *doc : documents)
            doc->actCopierSignature->setEnabled(visible);
        AfficherCode(cadre_->DocumentActif());
        // The client area changes size once the dock is laid out.
        QTimer::singleShot(0, this, [this] {
            const QList<TMDIChild *> docs = cadre_->Documents();
            for (TMDIChild *doc : docs)
                doc->Ajuster();
        });
    }

    void OuvrirDefinition()
    {
        TMDIChild *doc = cadre_->DocumentActif();
        if (!doc)
            return;
        // Reopened on another document while picking: the first one gets its
        // tool back and picking goes on, if the window still asks for it, on
        // the new one.
        if (docSaisie_ && docSaisie_ != doc)
            Saisie(false);
        docDefinition_ = doc;
        fenetre_->Ouvrir(doc->document().codeCouleur);
        if (fenetre_->saisieActive() && !docSaisie_)
            Saisie(true);
    }

    void CodeValide(const TCodeCouleur &code, bool alignerTeintes, bool mettreEnCouleurs)
    {
        TMDIChild *doc = docDefinition_;
        if (!doc)
            return;
        doc->document().modeMesure = 0;
        if (!mettreEnCouleurs)
            doc->document().codeCouleur = code;
        cadre_->SynchroniserDocument();
        if (doc == cadre_->DocumentActif())
            AfficherCode(doc);
        bool okMini = false, okMaxi = false;
        const double vmin = TexteEnReel(RemplacerSepAutre(fenetre_->miniD->text().trimmed()), &okMini);
        const double vmax = TexteEnReel(RemplacerSepAutre(fenetre_->MaxiD->text().trimmed()), &okMaxi);
        cadre_->RecolorerSelonCode(doc, code, alignerTeintes, mettreEnCouleurs, okMini ? vmin : 0, okMaxi ? vmax : 255);
    }

    // Picking: the document switches to the measuring tool on a rectangle and
    // each rectangle (or click) drawn on it gives the window its mean colour.
    void Saisie(bool active)
    {
        if (active) {
            TMDIChild *doc = docDefinition_;
            if (!doc || doc == docSaisie_)
                return;
            ImageDocument &d = doc->document();
            docSaisie_ = doc;
            outilAvantSaisie_ = d.outilCourant;
            d.outilCourant = OutilMesure;
            d.modeMesure = ModeLumiereRectangle;
            d.saisieCouleur = true;
        } else {
            if (TMDIChild *doc = docSaisie_) {
                doc->document().outilCourant = outilAvantSaisie_;
                doc->document().modeMesure = 0;
                doc->document().saisieCouleur = false;
                EffacerRectangle(doc);
            }
            docSaisie_ = nullptr;
            appuiSaisie_.reset();
        }
        cadre_->SynchroniserDocument();
    }

    void Echantillon(TMDIChild *doc, QPoint a, QPoint b)
    {
        const auto c = CouleurMoyenne(doc->document().image, a, b);
        if (!c)
            return;
        MontrerRectangle(doc, QRect(QPoint(std::min(a.x(), b.x()), std::min(a.y(), b.y())),
                                    QPoint(std::max(a.x(), b.x()), std::max(a.y(), b.y()))));
        fenetre_->RecevoirEchantillon(*c);
    }

    // The picked rectangle stays on the provisional layer, as the measuring
    // tool leaves its rectangle, in the pen colour; corners included.
    void MontrerRectangle(TMDIChild *doc, const QRect &zone)
    {
        ImageDocument &d = doc->document();
        d.CreerCoucheProvisoire(d.alphaProvisoire);
        if (d.coucheProvisoire.isNull())
            return;
        d.coucheProvisoire.fill(Qt::transparent);
        QPainter p(&d.coucheProvisoire);
        p.setPen(QPen(QColor::fromRgba(cadre_->CouleurCrayon | 0xFF000000u), 1));
        p.setBrush(Qt::NoBrush);
        if (zone.width() == 1 || zone.height() == 1)
            p.fillRect(zone, QColor::fromRgba(cadre_->CouleurCrayon | 0xFF000000u));
        else
            p.drawRect(zone.adjusted(0, 0, -1, -1));
        p.end();
        rectangleMontre_ = true;
        doc->Redessiner();
    }

    void EffacerRectangle(TMDIChild *doc)
    {
        if (!rectangleMontre_)
            return;
        rectangleMontre_ = false;
        ImageDocument &d = doc->document();
        if (!d.coucheProvisoire.isNull()) {
            d.coucheProvisoire.fill(Qt::transparent);
            doc->Redessiner();
        }
    }

    // A new document "Sig" n of 81 x 102 pixels holding the signature.
    void CopierSignature()
    {
        const QImage image = panneau_->signature()->Image();
        TMDIChild *doc = cadre_->CreerDocument(QStringLiteral("Sig%1").arg(cadre_->Documents().size() + 1));
        doc->document().image = image.convertToFormat(QImage::Format_ARGB32);
        doc->document().echelle = EchelleParDefaut();
        doc->Rafraichir();
    }

    TMainForm *cadre_;
    Decodcoul *panneau_ = nullptr;
    QDockWidget *dock_ = nullptr;
    TFenChCodcoul *fenetre_ = nullptr;
    QPointer<TMDIChild> docAffiche_;
    QPointer<TMDIChild> docDefinition_;
    QPointer<TMDIChild> docSaisie_;
    int outilAvantSaisie_ = OutilMesure;
    std::optional<QPoint> appuiSaisie_;
    bool rectangleMontre_ = false; // a picked rectangle is on docSaisie_'s provisional layer
};

} // namespace

void TMainForm::BrancherCodeCouleur()
{
    new BranchementCodeCouleur(this);
}
