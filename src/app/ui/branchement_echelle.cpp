// Spatial scale and the measuring tool in the frame: "Créer/modifier
// l'&Echelle" (the assignment dialog, the scale window and the naming
// dialog), the standard scales read from "mesechelles.txt" at start-up,
// "Outil de &mesure" with the measurement menu, and tool 5's pointer steps
// with their readout in status panel 4.

#include "app/dossier_programme.h"
#include "app/ui/boites_message.h"
#include "app/ui/gestion_erreurs.h"
#include "app/ui/main_window.h"
#include "calibration/ui/dialogue_attribution_echelle.h"
#include "calibration/ui/dialogue_nom_echelle.h"
#include "calibration/echelles_standard.h"
#include "calibration/ui/fenetre_echelle.h"
#include "calibration/ui/image_echelle.h"
#include "document/ui/fenetre_document.h"
#include "document/pointeur_dessin.h"
#include "drawing/reglages_dessin.h"
#include "measure/outil_mesure.h"
#include "measure/ui/fenetre_surface.h"
#include "measure/ui/mesu_courbe.h"
#include "table/ui/tableau1.h"

#include <QAction>
#include <QDir>
#include <QLineEdit>
#include <QMenu>
#include <QRadioButton>
#include <QSpinBox>

namespace {

// The scale windows, created once and reused, and the remembered scales.
class GestionEchelle : public QObject {
public:
    explicit GestionEchelle(TMainForm *cadre)
        : QObject(cadre), demande(new Tdemandpi(cadre)), fenetre(new TCre_ech(cadre)), nom(new TNomEch(cadre)),
          surface(new TMesursurf(cadre)),
          profil(new TMesu_Courbe(cadre))
    {
        setObjectName(QStringLiteral("GestionEchelle"));
    }

    Tdemandpi *demande;
    TCre_ech *fenetre;
    TNomEch *nom;
    TMesursurf *surface; // created once, hidden until a surface or object measurement binds it
    TMesu_Courbe *profil; // the intensity profile window of the band mode
    EchellesStandard liste;
    int modeMesureChoisi = MesureCourante; // the measurement mode chosen last
};

} // namespace

void TMainForm::BrancherEchelle()
{
    auto *g = new GestionEchelle(this);
    g->fenetre->avertir = [this](const QString &texte) { MessageAvertissement(this, texte); };
    // The user's own list when there is one, otherwise the program's.
    g->liste = LireEchellesStandard(FichierALire({DossierProgramme, DossierEcriture}, NomFichierEchellesStandard));

    // The scale window, then the naming of the new scale: after "Echelle à définir".
    auto ouvrirFenetre = [this, g](ImageDocument &doc) {
        g->fenetre->Ouvrir(doc.image, doc.echelle);
        g->fenetre->setWindowState(g->fenetre->windowState() | Qt::WindowMaximized);
        if (g->fenetre->exec() != QDialog::Accepted)
            return;
        // A scale that could not be computed is not installed: the document
        // keeps the scale it had rather than silently falling back to pixels.
        if (!g->fenetre->EchelleCalculee()) {
            MessageInformation(this, tr("L'échelle n'a pas pu être calculée : une valeur n'est pas un nombre ou "
                                        "deux points sont à la même position.\rL'échelle du document reste inchangée."));
            return;
        }
        doc.echelle = g->fenetre->imageEch()->echelle;
        g->nom->Preparer();
        if (g->nom->exec() != QDialog::Accepted || g->nom->non->isChecked())
            return;
        const QString nomEchelle = g->nom->NomEchelle->text().trimmed();
        if (nomEchelle.isEmpty())
            return;
        const bool ajoutee = ExecuterCommande(this, [g, &nomEchelle, &doc] { g->liste.ajouter(nomEchelle, doc.echelle); });
        if (ajoutee && g->nom->Enregistre->isChecked()) {
            // The user asked for the file: a failure is told, and the scale
            // stays in the list in memory (the former file stays whole).
            QDir().mkpath(DossierEcriture);
            const QString chemin = DossierEcriture + NomFichierEchellesStandard;
            if (!EcrireEchellesStandard(chemin, g->liste))
                MessageAvertissement(this, tr("Impossible d'enregistrer la liste des échelles dans le fichier %1."
                                              "\rL'échelle reste dans la liste jusqu'à la fin du programme.")
                                               .arg(QDir::toNativeSeparators(chemin)));
        }
    };

    actEchelle->setEnabled(true);
    connect(actEchelle, &QAction::triggered, this, [this, g, ouvrirFenetre] {
        TMDIChild *f = DocumentActif();
        if (!f)
            return;
        ImageDocument &doc = f->document();
        g->demande->Preparer(g->liste);
        const bool accepte = g->demande->exec() == QDialog::Accepted;
        const ResultatAttribution r = AppliquerAttribution(accepte, g->demande->choix(), g->demande->resolution->value(),
                                                           g->demande->indexChoisi(), g->liste);
        if (r.annulee)
            return;
        if (r.ouvrirFenetre)
            ouvrirFenetre(doc);
        else
            doc.echelle = r.echelle;
        // What follows the scale (the length unit of the multiple measurements) follows the new one.
        SynchroniserDocument();
    });

    // After an acquisition, the same dialog with the device's resolution: the
    // scale of the resolution, a remembered one, the scale window once the
    // picture is in place, or on Cancel the default scale in pixels.
    AttribuerEchelleAcquisition = [this, g, ouvrirFenetre](TMDIChild *f, int dpi) {
        ImageDocument &doc = f->document();
        g->demande->PreparerAcquisition(g->liste, dpi);
        const bool accepte = g->demande->exec() == QDialog::Accepted;
        const ResultatAttribution r = AppliquerAttribution(accepte, g->demande->choix(), g->demande->resolution->value(),
                                                           g->demande->indexChoisi(), g->liste);
        doc.echelle = r.echelle;
        if (r.ouvrirFenetre)
            ouvrirFenetre(doc);
        SynchroniserDocument();
    };

    // "Outil de &mesure": the measuring tool, then the choice of what it measures.
    actOutilMesure->setEnabled(true);
    connect(actOutilMesure, &QAction::triggered, this, [this] {
        if (QAction *bouton = boutonsOutils[ImageDocument::OutilMesure]) {
            bouton->setChecked(true);
            bouton->trigger();
        }
        menuMesures->popup(QPoint(300, 80));
    });
    connect(menuMesures, &QMenu::triggered, this, [this, g](QAction *a) {
        if (a == actMesuresMultiples)
            return;
        a->setChecked(true);
        TMDIChild *f = DocumentActif();
        if (!f || f->document().outilCourant != ImageDocument::OutilMesure)
            return;
        const int mode = a->data().toInt();
        if (mode < 0 || mode >= NbModesMesure)
            return;
        g->modeMesureChoisi = mode;
        f->document().modeMesure = mode;
        if (mode == MesureSurface || mode == MesureDelimitation) {
            ImageDocument *doc = &f->document();
            g->surface->Lier(doc, mode, [f] { f->Redessiner(); });
            connect(f, &QObject::destroyed, g->surface, [g, doc] { g->surface->Delier(doc); });
        } else {
            // Only the surface and object modes work in the surface window.
            g->surface->hide();
        }
        // The band mode shows the profile window on the active document; the
        // profile and surface windows never show together.
        if (mode == MesureLumiereBande) {
            if (Tableau1) {
                g->profil->tableau = Tableau1;
                g->profil->services = Tableau1->services;
            }
            g->profil->DefinirSource(&f->document(), f);
            g->profil->show();
            g->profil->raise();
        } else {
            g->profil->hide();
        }
        LumiereModeChoisi(f, mode);
    });
    g->profil->DocumentActif = [this]() -> std::pair<ImageDocument *, QObject *> {
        TMDIChild *f = DocumentActif();
        if (!f)
            return {nullptr, nullptr};
        return {&f->document(), f};
    };

    // Tool 5: the measuring tool's steps, then the readout and the repaint.
    auto fenetreDe = [this](const ImageDocument &doc) -> TMDIChild * {
        for (TMDIChild *f : Documents())
            if (&f->document() == &doc)
                return f;
        return nullptr;
    };
    auto plume = [](const ImageDocument &doc) {
        const ReglagesDessin &r = ReglagesDessinProgramme();
        return PlumeMesure{r.CouleurCrayon, r.EpaisseurCrayon, doc.styleTrait};
    };
    auto apres = [this, fenetreDe](ImageDocument &doc, const ReactionMesure &r) {
        if (r.afficherTexte)
            EcrirePanneau(4, doc.mesure.texteMesure);
        if (r.coucheModifiee) {
            // A measurement line is discarded at the next press, never merged.
            doc.etatDessin.LigneMesure = true;
            if (TMDIChild *f = fenetreDe(doc))
                f->Redessiner();
        }
        if (r.erreurRayon)
            MessageInformation(this, tr("erreur de calcul du rayon"));
        if (r.erreurAngle)
            MessageInformation(this, tr("erreur de calcul d'angle"));
    };
    GestionnaireOutil outil;
    outil.appui = [this, apres, plume, g](ImageDocument &doc, QPoint p, Qt::MouseButton bouton) {
        if (bouton != Qt::LeftButton)
            return;
        const ReactionMesure r = AppuyerMesure(doc, p, plume(doc));
        apres(doc, r);
        // Outside a graph's frame nothing is read, and the values of the
        // last point read inside it are not the point pressed.
        if (r.repereLu)
            MesureMultipleAppui(doc);
        // A click on the bound document fills conditions from the zone under the pen tip.
        if ((doc.modeMesure == MesureSurface || doc.modeMesure == MesureDelimitation) && g->surface->Document() == &doc
            && g->surface->isVisible())
            g->surface->ClicImage(p.x(), p.y(), ReglagesDessinProgramme().Pointe);
    };
    outil.deplacement = [this, apres, plume](ImageDocument &doc, QPoint p, Qt::MouseButtons boutons) {
        const ReactionMesure r = DeplacerMesure(doc, p, boutons.testFlag(Qt::LeftButton), plume(doc));
        apres(doc, r);
        // The multiple-measurement panel follows the length as the status bar does.
        if (r.longueur)
            MesureMultipleLongueur(doc, *r.longueur);
        // The light rectangle follows the pointer whatever the scale.
        if (doc.modeMesure == MesureLumiereRectangle && boutons.testFlag(Qt::LeftButton))
            LumiereGlisser(doc, p);
    };
    outil.relachement = [this, apres, plume](ImageDocument &doc, QPoint p, Qt::MouseButton bouton) {
        if (bouton != Qt::LeftButton)
            return;
        const ReactionMesure r = RelacherMesure(doc, p, plume(doc));
        apres(doc, r);
        if (doc.modeMesure == MesureLumiereRectangle)
            LumiereRelacher(doc, p);
        else if (r.longueur)
            MesureMultipleLongueur(doc, *r.longueur);
    };
    outil.garderProvisoire = [](const ImageDocument &doc) { return AttendSecondSegment(doc); };
    EnregistrerGestionnaireOutil(ImageDocument::OutilMesure, std::move(outil));
}
