// The colour-code definition window: its kinds, the recolouring boxes and
// OK / Annuler, the values of its controls, the two sub-panels and colour
// picking.

#include "calibration/ui/fenetre_code_couleur.h"

#include "calibration/ui/champs_code_couleur.h"
#include "calibration/ui/panneau_couleur.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QSpinBox>
#include <QStackedWidget>
#include <QTableWidget>
#include <QVBoxLayout>

#include <algorithm>

using namespace champs_code_couleur;

TFenChCodcoul::TFenChCodcoul(QWidget *parent) : QWidget(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(tr("Choix du codage des couleurs"));
    choisirCouleur = [this](CouleurWin depart) -> std::optional<CouleurWin> {
        const QColor c = QColorDialog::getColor(EnQColor(depart), this, tr("Couleur"));
        if (!c.isValid())
            return std::nullopt;
        return DeQColor(c);
    };

    auto *principal = new QHBoxLayout(this);

    // Left: kind, recolouring boxes, OK and Annuler.
    auto *gauche = new QVBoxLayout;
    Typecode = new QGroupBox(tr("Type d'encodage"), this);
    auto *typesLayout = new QVBoxLayout(Typecode);
    groupeTypes = new QButtonGroup(this);
    const QString libelles[4] = {
        tr("3 composantes représentant 3 canaux."),
        tr("1 composante définie par un dégradé \"arc en ciel\""),
        tr("1 composante définie par un dégradé de 2 couleurs"),
        tr("1 composante définie par un tableau de valeurs"),
    };
    for (int i = 0; i < 4; ++i) {
        types[static_cast<std::size_t>(i)] = new QRadioButton(libelles[i], Typecode);
        groupeTypes->addButton(types[static_cast<std::size_t>(i)], i);
        typesLayout->addWidget(types[static_cast<std::size_t>(i)]);
    }
    gauche->addWidget(Typecode);
    Alignteinte = new QCheckBox(tr(" Aligner les teintes de l'image sur le codage choisi"), this);
    Misencouleurs = new QCheckBox(tr("Mettre en couleurs suivant le niveau de gris"), this);
    gauche->addWidget(Alignteinte);
    gauche->addWidget(Misencouleurs);
    gauche->addStretch(1);
    auto *boutons = new QHBoxLayout;
    OK = new QPushButton(tr("OK"), this);
    OK->setDefault(true);
    annule = new QPushButton(tr("Annuler"), this);
    boutons->addStretch(1);
    boutons->addWidget(OK);
    boutons->addWidget(annule);
    gauche->addLayout(boutons);
    principal->addLayout(gauche);

    // Right: one panel per kind, and the two panels opened from them.
    pile = new QStackedWidget(this);
    Troiscan = CreerTroisCanaux();
    Pdegrade3C = CreerArcEnCiel();
    Pdegrade2C = CreerDeuxCouleurs();
    Tablval = CreerTableau();
    chcoeff3C = CreerMiniMaxi();
    PanChval = CreerCouleursValeurs();
    for (QWidget *w : {Troiscan, Pdegrade3C, Pdegrade2C, Tablval, chcoeff3C, PanChval})
        pile->addWidget(w);
    principal->addWidget(pile, 1);

    connect(groupeTypes, &QButtonGroup::idClicked, this, &TFenChCodcoul::ChoisirType);
    connect(Alignteinte, &QCheckBox::toggled, this, [this](bool coche) {
        if (coche)
            Misencouleurs->setChecked(false);
    });
    connect(Misencouleurs, &QCheckBox::toggled, this, [this](bool coche) {
        if (coche)
            Alignteinte->setChecked(false);
        MettreAJourCasesRecoloration();
    });
    connect(OK, &QPushButton::clicked, this, &TFenChCodcoul::Valider);
    connect(annule, &QPushButton::clicked, this, &TFenChCodcoul::Abandonner);

    AppliquerSaisie(SaisieParDefaut());
    ChoisirType(CodageTroisCanaux);
}

// ---- Controls and values ---------------------------------------------------

void TFenChCodcoul::AppliquerSaisie(const SaisieCodeCouleur &s)
{
    for (std::size_t k = 0; k < 3; ++k) {
        S_C[k]->setText(s.noms[k]);
        ChcoulC[k]->DefinirCouleur(s.couleurs[k]);
        MinC[k]->setText(s.minis[k]);
        MaxC[k]->setText(s.maxis[k]);
    }
    const bool sontVraies = ComposantesVraies(s);
    vraiesCouleurs->setChecked(sontVraies);
    faussesCouleurs->setChecked(!sontVraies);
    for (std::size_t k = 0; k < 3; ++k) {
        S_C[k]->setReadOnly(sontVraies);
        ChcoulC[k]->setEnabled(!sontVraies);
    }

    signif3C->setText(s.grandeurArcEnCiel);
    unite3C->setText(s.uniteArcEnCiel);
    Valmax3c->setText(s.maxArcEnCiel);
    valmin3C->setText(s.minArcEnCiel);
    logar3C->setChecked(s.logArcEnCiel);
    ChoisirOrdre(s.ordre);

    signif2C->setText(s.grandeurDeuxCouleurs);
    unite2C->setText(s.uniteDeuxCouleurs);
    valmax2C->setText(s.maxDeuxCouleurs);
    valmin2C->setText(s.minDeuxCouleurs);
    logar2C->setChecked(s.logDeuxCouleurs);
    couleurMin->DefinirCouleur(s.couleurMin);
    couleurMax->DefinirCouleur(s.couleurMax);
    ChoisirCible(couleurMin);

    signifD->setText(s.grandeurTableau);
    uniteD->setText(s.uniteTableau);
    couleursTableau_ = s.couleursTableau;
    {
        const QSignalBlocker bloque(nombrevals);
        nombrevals->setValue(s.nombre);
    }
    GrilleCouleurs->setRowCount(0);
    AjusterLignesTableau();
    const int n = nombrevals->value();
    for (int i = 0; i < n; ++i)
        GrilleCouleurs->item(n - 1 - i, 1)->setText(s.libelles[static_cast<std::size_t>(i)]);
    RedessinerApercus();
}

SaisieCodeCouleur TFenChCodcoul::LireSaisie() const
{
    SaisieCodeCouleur s;
    s.type = type_;
    for (std::size_t k = 0; k < 3; ++k) {
        s.noms[k] = S_C[k]->text();
        s.couleurs[k] = ChcoulC[k]->couleur();
        s.minis[k] = MinC[k]->text();
        s.maxis[k] = MaxC[k]->text();
    }
    s.ordre = ordre_;
    s.grandeurArcEnCiel = signif3C->text();
    s.uniteArcEnCiel = unite3C->text();
    s.maxArcEnCiel = Valmax3c->text();
    s.minArcEnCiel = valmin3C->text();
    s.logArcEnCiel = logar3C->isChecked();
    s.couleurMin = couleurMin->couleur();
    s.couleurMax = couleurMax->couleur();
    s.grandeurDeuxCouleurs = signif2C->text();
    s.uniteDeuxCouleurs = unite2C->text();
    s.maxDeuxCouleurs = valmax2C->text();
    s.minDeuxCouleurs = valmin2C->text();
    s.logDeuxCouleurs = logar2C->isChecked();
    s.nombre = nombrevals->value();
    s.grandeurTableau = signifD->text();
    s.uniteTableau = uniteD->text();
    s.couleursTableau = couleursTableau_;
    const int n = nombrevals->value();
    for (int i = 0; i < n && n - 1 - i < GrilleCouleurs->rowCount(); ++i)
        if (const QTableWidgetItem *item = GrilleCouleurs->item(n - 1 - i, 1))
            s.libelles[static_cast<std::size_t>(i)] = item->text();
    return s;
}

TCodeCouleur TFenChCodcoul::CodeDesControles() const
{
    return CodeDeSaisie(LireSaisie());
}

void TFenChCodcoul::Ouvrir(const TCodeCouleur &code)
{
    if (pile->currentWidget() == chcoeff3C || pile->currentWidget() == PanChval)
        FermerSousPanneau();
    SaisieCodeCouleur s = SaisieParDefaut();
    if (code.Definie)
        RemplirSaisie(s, code);
    AppliquerSaisie(s);
    Alignteinte->setChecked(false);
    Misencouleurs->setChecked(false);
    ChoisirType(code.Definie ? int{code.TypeCodage} : int{CodageTroisCanaux});
    // Opened centred on the frame, not over its menus; once open, it stays
    // where the user put it.
    if (!isVisible()) {
        adjustSize();
        if (const QWidget *cadre = parentWidget() ? parentWidget()->window() : nullptr) {
            QRect zone = QRect(cadre->geometry().center() - QPoint(width() / 2, height() / 2), size());
            if (const QScreen *ecran = cadre->screen()) {
                const QRect libre = ecran->availableGeometry();
                zone.moveLeft(qBound(libre.left(), zone.left(), qMax(libre.left(), libre.right() - zone.width())));
                zone.moveTop(qBound(libre.top(), zone.top(), qMax(libre.top(), libre.bottom() - zone.height())));
            }
            move(zone.topLeft());
        }
    }
    show();
    raise();
    activateWindow();
}

void TFenChCodcoul::ChoisirType(int type)
{
    type_ = std::clamp(type, 0, 3);
    types[static_cast<std::size_t>(type_)]->setChecked(true);
    QWidget *pages[4] = {Troiscan, Pdegrade3C, Pdegrade2C, Tablval};
    pile->setCurrentWidget(pages[type_]);
    MettreAJourCasesRecoloration();
    DefinirSaisie(type_ == CodageDeuxCouleurs);
}

void TFenChCodcoul::MettreAJourCasesRecoloration()
{
    const bool visibles = type_ != CodageTroisCanaux;
    Alignteinte->setVisible(visibles);
    Misencouleurs->setVisible(visibles);
    const bool minimaxi = Misencouleurs->isChecked();
    PanDminimaxi->setVisible(minimaxi);
    ecrireval->setVisible(!minimaxi);
    GrilleCouleurs->setColumnHidden(1, minimaxi);
}

void TFenChCodcoul::OuvrirSousPanneau(QWidget *sousPanneau)
{
    pile->setCurrentWidget(sousPanneau);
    Typecode->setEnabled(false);
    OK->setEnabled(false);
    annule->setEnabled(false);
}

void TFenChCodcoul::FermerSousPanneau()
{
    Typecode->setEnabled(true);
    OK->setEnabled(true);
    annule->setEnabled(true);
    QWidget *pages[4] = {Troiscan, Pdegrade3C, Pdegrade2C, Tablval};
    pile->setCurrentWidget(pages[type_]);
}

void TFenChCodcoul::RecevoirEchantillon(CouleurWin couleur)
{
    if (!saisieActive_)
        return;
    if (pile->currentWidget() == Pdegrade2C) {
        PanneauCouleur *cible = couleurMax->enfonce() ? couleurMax : couleurMin;
        cible->DefinirCouleur(couleur);
        RedessinerApercus();
    } else if (pile->currentWidget() == PanChval) {
        ColorerCase(GrilleCouleurs->currentRow(), couleur);
    }
}

void TFenChCodcoul::DefinirSaisie(bool active)
{
    if (active == saisieActive_)
        return;
    saisieActive_ = active;
    emit SaisieCouleur(active);
}

void TFenChCodcoul::Valider()
{
    const TCodeCouleur code = CodeDesControles();
    DefinirSaisie(false);
    hide();
    emit CodeValide(code, Alignteinte->isChecked(), Misencouleurs->isChecked());
    emit Fermee();
}

void TFenChCodcoul::Abandonner()
{
    DefinirSaisie(false);
    hide();
    emit Fermee();
}

void TFenChCodcoul::closeEvent(QCloseEvent *event)
{
    DefinirSaisie(false);
    QWidget::closeEvent(event);
    emit Fermee();
}
