// The panels of the colour-code window for the three channels (with their
// minimum and maximum), the rainbow and the two colours: their controls,
// the colours chosen on them and their previews of the scale.

#include "calibration/ui/fenetre_code_couleur.h"

#include "calibration/decodage_couleur.h"
#include "calibration/rampes_couleurs.h"
#include "calibration/ui/champs_code_couleur.h"
#include "calibration/ui/panneau_couleur.h"

#include <QActionGroup>
#include <QCheckBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

using namespace champs_code_couleur;

namespace {

constexpr int LargeurApercu = 17;
constexpr int HauteurApercu = 145;

} // namespace

QWidget *TFenChCodcoul::CreerTroisCanaux()
{
    auto *w = new QWidget(this);
    auto *v = new QVBoxLayout(w);
    auto *VFCoul = new QGroupBox(tr("Composantes"), w);
    auto *vf = new QHBoxLayout(VFCoul);
    vraiesCouleurs = new QRadioButton(tr("Vraies couleurs"), VFCoul);
    faussesCouleurs = new QRadioButton(tr("Fausses couleurs"), VFCoul);
    vf->addWidget(vraiesCouleurs);
    vf->addWidget(faussesCouleurs);
    v->addWidget(VFCoul);

    auto *grille = new QGridLayout;
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        S_C[i] = EditTexte(w, 12);
        QFont gras = S_C[i]->font();
        gras.setBold(true);
        S_C[i]->setFont(gras);
        ChcoulC[i] = new PanneauCouleur(tr("Couleur Canal %1").arg(k + 1), w);
        grille->addWidget(S_C[i], k, 0);
        grille->addWidget(ChcoulC[i], k, 1);
        connect(ChcoulC[i], &PanneauCouleur::clique, this, [this, i] { DialogueCouleur(ChcoulC[i]); });
    }
    v->addLayout(grille);
    chcoeff = new QPushButton(tr("Mini et Maxi"), w);
    v->addWidget(chcoeff, 0, Qt::AlignLeft);
    v->addStretch(1);

    connect(vraiesCouleurs, &QRadioButton::clicked, this, [this] { VraiesOuFausses(true); });
    connect(faussesCouleurs, &QRadioButton::clicked, this, [this] { VraiesOuFausses(false); });
    connect(chcoeff, &QPushButton::clicked, this, [this] { OuvrirSousPanneau(chcoeff3C); });
    return w;
}

QWidget *TFenChCodcoul::CreerMiniMaxi()
{
    auto *w = new QWidget(this);
    auto *v = new QVBoxLayout(w);
    auto *grille = new QGridLayout;
    grille->addWidget(new QLabel(tr("Valeur minimale"), w), 0, 1);
    grille->addWidget(new QLabel(tr("Valeur maximale"), w), 0, 2);
    for (int k = 0; k < 3; ++k) {
        const auto i = static_cast<std::size_t>(k);
        grille->addWidget(new QLabel(tr("Canal %1").arg(k + 1), w), k + 1, 0);
        MinC[i] = EditNombre(w);
        MaxC[i] = EditNombre(w);
        grille->addWidget(MinC[i], k + 1, 1);
        grille->addWidget(MaxC[i], k + 1, 2);
    }
    v->addLayout(grille);
    v->addStretch(1);
    retourCoeff = new QPushButton(tr("Retour"), w);
    v->addWidget(retourCoeff, 0, Qt::AlignRight);
    connect(retourCoeff, &QPushButton::clicked, this, &TFenChCodcoul::FermerSousPanneau);
    return w;
}

QWidget *TFenChCodcoul::CreerArcEnCiel()
{
    auto *w = new QWidget(this);
    auto *h = new QHBoxLayout(w);
    auto *champs = new QFormLayout;
    signif3C = EditTexte(w);
    unite3C = EditTexte(w);
    Valmax3c = EditNombre(w);
    valmin3C = EditNombre(w);
    logar3C = new QCheckBox(tr("échelle logarithmique"), w);
    champs->addRow(tr("Grandeur représentée"), signif3C);
    champs->addRow(tr("Unité"), unite3C);
    champs->addRow(tr("Valeur maximale"), Valmax3c);
    champs->addRow(tr("Valeur minimale"), valmin3C);
    champs->addRow(logar3C);
    choixOrdre = new QPushButton(tr("Choix"), w);
    menuOrdres = new QMenu(choixOrdre);
    groupeOrdres = new QActionGroup(this);
    groupeOrdres->setExclusive(true);
    for (int o = 0; o < NombreOrdresArcEnCiel; ++o) {
        QAction *a = menuOrdres->addAction(LibelleOrdre(o));
        a->setCheckable(true);
        groupeOrdres->addAction(a);
        ordres[static_cast<std::size_t>(o)] = a;
        connect(a, &QAction::triggered, this, [this, o] { ChoisirOrdre(o); });
    }
    choixOrdre->setMenu(menuOrdres);
    champs->addRow(choixOrdre);
    h->addLayout(champs, 1);

    auto *cles = new QVBoxLayout;
    couleurFin = new PanneauCouleur(tr("Fin"), w);
    couleurMil = new PanneauCouleur(tr("Milieu"), w);
    couleurDeb = new PanneauCouleur(tr("Début"), w);
    cles->addWidget(couleurFin);
    cles->addStretch(1);
    cles->addWidget(couleurMil);
    cles->addStretch(1);
    cles->addWidget(couleurDeb);
    h->addLayout(cles);
    apercu3C = new QLabel(w);
    apercu3C->setFixedSize(LargeurApercu, HauteurApercu);
    apercu3C->setFrameShape(QFrame::Box);
    h->addWidget(apercu3C);
    return w;
}

QWidget *TFenChCodcoul::CreerDeuxCouleurs()
{
    auto *w = new QWidget(this);
    auto *h = new QHBoxLayout(w);
    auto *champs = new QFormLayout;
    signif2C = EditTexte(w);
    unite2C = EditTexte(w);
    valmax2C = EditNombre(w);
    valmin2C = EditNombre(w);
    logar2C = new QCheckBox(tr("échelle logarithmique"), w);
    champs->addRow(tr("Grandeur représentée"), signif2C);
    champs->addRow(tr("Unité"), unite2C);
    champs->addRow(tr("Valeur maximale"), valmax2C);
    champs->addRow(tr("Valeur minimale"), valmin2C);
    champs->addRow(logar2C);
    champs->addRow(Note({tr("Choix de la couleur:"), tr("double cliquer"), tr("sur les boutons"),
                         tr("ou cliquer sur les boutons"), tr("puis cliquer sur l'image.")},
                        w));
    h->addLayout(champs, 1);

    auto *cles = new QVBoxLayout;
    couleurMax = new PanneauCouleur(tr("Maximum"), w);
    couleurMin = new PanneauCouleur(tr("Minimum"), w);
    cles->addWidget(couleurMax);
    cles->addStretch(1);
    cles->addWidget(couleurMin);
    h->addLayout(cles);
    apercu2C = new QLabel(w);
    apercu2C->setFixedSize(LargeurApercu, HauteurApercu);
    apercu2C->setFrameShape(QFrame::Box);
    h->addWidget(apercu2C);

    for (PanneauCouleur *p : {couleurMin, couleurMax}) {
        connect(p, &PanneauCouleur::clique, this, [this, p] { ChoisirCible(p); });
        connect(p, &PanneauCouleur::doubleClique, this, [this, p] { DialogueCouleur(p); });
    }
    return w;
}

void TFenChCodcoul::VraiesOuFausses(bool vraies)
{
    SaisieCodeCouleur s = LireSaisie();
    DefinirComposantes(s, vraies);
    for (std::size_t k = 0; k < 3; ++k) {
        S_C[k]->setText(s.noms[k]);
        S_C[k]->setReadOnly(vraies);
        ChcoulC[k]->DefinirCouleur(s.couleurs[k]);
        ChcoulC[k]->setEnabled(!vraies);
    }
}

void TFenChCodcoul::ChoisirOrdre(int ordre)
{
    ordre_ = std::clamp(ordre, 0, NombreOrdresArcEnCiel - 1);
    ordres[static_cast<std::size_t>(ordre_)]->setChecked(true);
    const CouleursOrdre k = CouleursDeOrdre(ordre_);
    couleurDeb->DefinirCouleur(k.debut);
    couleurMil->DefinirCouleur(k.milieu);
    couleurFin->DefinirCouleur(k.fin);
    RedessinerApercus();
}

void TFenChCodcoul::RedessinerApercus()
{
    QImage arc(LargeurApercu, HauteurApercu, QImage::Format_ARGB32);
    RampeArcEnCiel(arc, couleurDeb->couleur(), couleurMil->couleur(), couleurFin->couleur(), false);
    apercu3C->setPixmap(QPixmap::fromImage(arc));
    QImage deux(LargeurApercu, HauteurApercu, QImage::Format_ARGB32);
    RampeDeuxCouleurs(deux, couleurMin->couleur(), couleurMax->couleur(), false);
    apercu2C->setPixmap(QPixmap::fromImage(deux));
}

void TFenChCodcoul::ChoisirCible(PanneauCouleur *cible)
{
    couleurMin->DefinirEnfonce(cible == couleurMin);
    couleurMax->DefinirEnfonce(cible == couleurMax);
}

void TFenChCodcoul::DialogueCouleur(PanneauCouleur *panneau)
{
    if (const auto c = choisirCouleur(panneau->couleur())) {
        panneau->DefinirCouleur(*c);
        RedessinerApercus();
    }
}
