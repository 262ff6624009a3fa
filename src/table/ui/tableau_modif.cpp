#include "table/ui/tableau_modif.h"

#include "commun/nombres.h"
#include "plot/graphe.h"
#include "plot/ui/vue_graphe.h"
#include "table/graphe_tableau.h"
#include "table/impression_tableau.h"
#include "table/texte_grille.h"
#include "table/ui/choix_tableau.h"
#include "table/ui/grille_tableau.h"

#include <QAction>
#include <QActionGroup>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QMimeData>
#include <QMouseEvent>
#include <QPrintDialog>
#include <QPrinter>
#include <QScrollBar>
#include <QSpinBox>

namespace {

constexpr int kHauteurPosition = 28;

} // namespace

TTableauModif::TTableauModif(QWidget *parent) : QMainWindow(parent, Qt::Tool | Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("TTableauModif"));
    setWindowTitle(tr("Résultats"));
    tableau_.Titre = tr("Résultats");

    auto *centre = new QWidget;
    setCentralWidget(centre);
    PanTab = new QWidget(centre);
    StringGrid1 = new GrilleTableau(PanTab);
    modele_ = new ModeleGrilleTableau(tableau_, this);
    StringGrid1->setModel(modele_);
    StringGrid1->AvantTouche = [this](GrilleTableau::Touche t, int c, int l) {
        return AvantTouche(static_cast<int>(t), c, l);
    };
    StringGrid1->viewport()->installEventFilter(this);
    Ediparam = new QLineEdit(StringGrid1->viewport());
    Ediparam->setObjectName(QStringLiteral("Ediparam"));
    Ediparam->hide();
    Ediparam->installEventFilter(this);
    connect(Ediparam, &QLineEdit::returnPressed, this, &TTableauModif::FinirEditionEntete);
    Y_grand = new QLabel(StringGrid1->viewport());
    Y_unit = new QLabel(StringGrid1->viewport());
    for (QLabel *l : {Y_grand, Y_unit}) {
        l->setAlignment(Qt::AlignCenter);
        l->setAutoFillBackground(true);
        l->setBackgroundRole(QPalette::Button);
        l->hide();
    }
    connect(StringGrid1->horizontalScrollBar(), &QScrollBar::valueChanged, this,
            &TTableauModif::PlacerEntetesSeries);
    connect(StringGrid1->verticalScrollBar(), &QScrollBar::valueChanged, this, &TTableauModif::PlacerEntetesSeries);

    xyGraph1 = new TVueGraphe(centre);
    xyGraph1->setObjectName(QStringLiteral("xyGraph1"));
    PreparerGrapheTableau(xyGraph1->graphe());
    connect(xyGraph1, &TVueGraphe::pointeurDeplace, this, &TTableauModif::LirePosition);
    connect(xyGraph1, &TVueGraphe::doubleClic, this, [this] { PresentationGraphique(); });
    position = new QLabel(centre);
    position->setObjectName(QStringLiteral("position"));
    position->setFrameShape(QFrame::Panel);
    position->setFrameShadow(QFrame::Sunken);

    choix_ = new TChoix_T(this);
    CreerMenus();
    resize(900, 520);
    DisposerTableau();
}

TTableauModif::~TTableauModif() = default;

void TTableauModif::CreerMenus()
{
    QMenu *fichier = menuBar()->addMenu(tr("&Fichier"));
    QMenu *enregistrer = fichier->addMenu(tr("&Enregistrer"));
    actEnregistrerTableau = enregistrer->addAction(tr("le &Tableau"), this, &TTableauModif::EnregistrerTableau);
    actEnregistrerGraphique = enregistrer->addAction(tr("le &Graphique"), this, &TTableauModif::EnregistrerGraphique);
    QMenu *imprimer = fichier->addMenu(tr("&Imprimer"));
    actImprimerTableau = imprimer->addAction(tr("&Tableau"), this, &TTableauModif::ImprimerTableau);
    actImprimerGraphique = imprimer->addAction(tr("&Graphique"), this, &TTableauModif::ImprimerGraphique);
    actFermer = fichier->addAction(tr("Fe&rmer"), this, &QWidget::hide);

    QMenu *edition = menuBar()->addMenu(tr("&Edition"));
    QMenu *ajouter = edition->addMenu(tr("&Ajouter"));
    actAjouterLigne = ajouter->addAction(tr("une &ligne"), this, &TTableauModif::AjouterLigne);
    actAjouterColonne = ajouter->addAction(tr("une &colonne"), this, &TTableauModif::AjouterColonne);
    actAjouterColonne->setEnabled(false);
    QMenu *supprimer = edition->addMenu(tr("&Supprimer"));
    actSupprimerLigne = supprimer->addAction(tr("la &ligne"), this, &TTableauModif::SupprimerLigne);
    actSupprimerColonne = supprimer->addAction(tr("la &colonne"), this, &TTableauModif::SupprimerColonne);
    QMenu *copier = edition->addMenu(tr("&Copier"));
    actCopierTableau = copier->addAction(tr("&le &Tableau"), this, &TTableauModif::CopierTableau);
    actCopierGraphique = copier->addAction(tr("le &Graphique"), this, &TTableauModif::CopierGraphique);
    actToutEffacer = edition->addAction(tr("Tout &effacer"), this, &TTableauModif::ToutEffacer);

    QMenu *affichage = menuBar()->addMenu(tr("&Affichage"));
    auto *groupe = new QActionGroup(this);
    actTout = affichage->addAction(tr("&Tout"), this, [this] { ChoisirAffichage(0); });
    actTableauSeul = affichage->addAction(tr("T&ableau "), this, [this] { ChoisirAffichage(1); });
    actGrapheSeul = affichage->addAction(tr("&Graphe"), this, [this] { ChoisirAffichage(2); });
    for (QAction *a : {actTout, actTableauSeul, actGrapheSeul}) {
        a->setCheckable(true);
        groupe->addAction(a);
    }
    actTout->setChecked(true);

    QMenu *choixMenu = menuBar()->addMenu(tr("C&hoix"));
    actPresentation = choixMenu->addAction(tr("&Graphique (présentation)"), this,
                                           &TTableauModif::PresentationGraphique);
    actReglage = choixMenu->addAction(tr("&Tableau (grandeurs...)"), this, &TTableauModif::ChoisirReglage);

    QMenu *calculs = menuBar()->addMenu(tr("&Calculs"));
    actTotaux = calculs->addAction(tr("&Totaux et %"), this, &TTableauModif::BasculerTotaux);
    actMoyennes = calculs->addAction(tr("&Moyenne / ligne"), this, &TTableauModif::BasculerMoyennes);
    actTotaux->setCheckable(true);
    actMoyennes->setCheckable(true);
}

void TTableauModif::Montrer(QChar sepDecimal, QChar sepAutre)
{
    tableau_.SepDecimal = sepDecimal;
    tableau_.SepAutre = sepAutre;
    show();
    raise();
    activateWindow();
    if (tableau_.DemanderReglage) {
        GrapheAvantReglage(xyGraph1->graphe());
        Y_grand->hide();
        Y_unit->hide();
        ChoisirReglage();
    }
}

void TTableauModif::DefinirTitre(const QString &titre)
{
    tableau_.Titre = titre;
    setWindowTitle(titre);
    xyGraph1->graphe().GraphTitle = titre;
    xyGraph1->graphe().Redessiner();
}

void TTableauModif::ChoisirReglage()
{
    choix_->Titre->setText(tableau_.Titre == tr("Résultats") ? choix_->Titre->text() : tableau_.Titre);
    if (choix_->exec() != QDialog::Accepted)
        return;
    AppliquerReglage(tableau_, xyGraph1->graphe(), choix_->Choix());
    setWindowTitle(tableau_.Titre);
    actAjouterColonne->setEnabled(tableau_.ModeSeries);
    actTotaux->setChecked(false);
    actMoyennes->setChecked(false);
    EtatGraphe();
    TableauModifie();
}

void TTableauModif::ReglageApplique()
{
    setWindowTitle(tableau_.Titre);
    actAjouterColonne->setEnabled(tableau_.ModeSeries);
    actTotaux->setChecked(tableau_.Totaux());
    actMoyennes->setChecked(tableau_.Moyennes());
    EtatGraphe();
    TableauModifie();
}

void TTableauModif::EtatGraphe()
{
    // Series by classes have no graph.
    const bool graphe = !(tableau_.ModeSeries && !tableau_.XNumerique);
    for (QAction *a : {actTout, actTableauSeul, actGrapheSeul, actCopierGraphique, actEnregistrerGraphique,
                       actImprimerGraphique, actPresentation})
        a->setEnabled(graphe);
    if (!graphe) {
        position->clear();
        xyGraph1->hide();
        // The graph alone would leave an empty window whose display menu
        // is disabled: the table comes back.
        if (affichage_ == 2) {
            affichage_ = 0;
            actTout->setChecked(true);
        }
    } else {
        xyGraph1->setVisible(affichage_ != 1);
    }
}

void TTableauModif::TableauModifie()
{
    modele_->Recharger();
    DisposerTableau();
}

void TTableauModif::DisposerTableau()
{
    for (int c = 0; c < tableau_.NbColonnes(); ++c)
        StringGrid1->setColumnWidth(c, tableau_.LargeurColonne);
    Disposer();
}

void TTableauModif::resizeEvent(QResizeEvent *event)
{
    QMainWindow::resizeEvent(event);
    Disposer();
}

void TTableauModif::Disposer()
{
    QWidget *centre = centralWidget();
    if (!centre)
        return;
    const int largeur = centre->width();
    const int hauteur = std::max(0, centre->height() - kHauteurPosition);
    const bool grapheVisible = xyGraph1->isVisibleTo(this) || (!isVisible() && affichage_ != 1);
    const bool tableauVisible = affichage_ != 2;
    const int cadre = 2 * StringGrid1->frameWidth();
    const int largeurGrille = (tableau_.LargeurColonne + 1) * tableau_.NbColonnes() + cadre
                              + StringGrid1->verticalScrollBar()->sizeHint().width();
    const int hauteurGrille = StringGrid1->verticalHeader()->defaultSectionSize() * tableau_.NbLignes() + cadre
                              + StringGrid1->horizontalScrollBar()->sizeHint().height();
    int largeurPanneau = 0;
    if (tableauVisible) {
        const int limite = affichage_ == 0 && grapheVisible ? largeur / 2 : largeur;
        largeurPanneau = affichage_ == 1 || !grapheVisible ? largeur : std::min(largeurGrille, limite);
    }
    PanTab->setVisible(tableauVisible);
    PanTab->setGeometry(0, 0, largeurPanneau, hauteur);
    StringGrid1->setGeometry(0, 0, std::min(largeurGrille, largeurPanneau), std::min(hauteurGrille, hauteur));
    if (affichage_ == 1 || !xyGraph1->isVisibleTo(this))
        xyGraph1->setGeometry(largeurPanneau, 0, 0, 0);
    else
        xyGraph1->setGeometry(largeurPanneau, 0, std::max(0, largeur - largeurPanneau), hauteur);
    position->setGeometry(0, hauteur, largeur, kHauteurPosition);
    PlacerEntetesSeries();
}

void TTableauModif::PlacerEntetesSeries()
{
    if (!tableau_.ModeSeries || tableau_.NbSeries < 2) {
        Y_grand->hide();
        Y_unit->hide();
        return;
    }
    // The Y name and unit read once across all series columns.
    const int x = StringGrid1->columnViewportPosition(1);
    const int largeur = tableau_.NbSeries * (tableau_.LargeurColonne) - 1;
    Y_grand->setText(tableau_.NomOrdonnee[1]);
    Y_grand->setGeometry(x, StringGrid1->rowViewportPosition(0), largeur, StringGrid1->rowHeight(0) - 1);
    Y_grand->show();
    if (tableau_.XNumerique) {
        Y_unit->setText(tableau_.UniteOrdonnee[1]);
        Y_unit->setGeometry(x, StringGrid1->rowViewportPosition(1), largeur, StringGrid1->rowHeight(1) - 1);
        Y_unit->show();
    } else {
        Y_unit->hide();
    }
}

void TTableauModif::RafraichirGraphe()
{
    ::RafraichirGraphe(tableau_, xyGraph1->graphe());
    modele_->CellulesChangees();
}

bool TTableauModif::AvantTouche(int touche, int colonne, int ligne)
{
    const auto t = static_cast<GrilleTableau::Touche>(touche);
    if (t == GrilleTableau::Touche::Autre)
        return false;
    const auto effet = tableau_.ToucheGrille(
        t == GrilleTableau::Touche::Entree ? TableauResultats::Touche::Entree : TableauResultats::Touche::RetourArriere,
        colonne, ligne);
    if (effet.disposer)
        TableauModifie();
    else
        modele_->CellulesChangees();
    if (effet.ecartee)
        return true;
    if (t == GrilleTableau::Touche::Entree) {
        int c = effet.colonne;
        int l = effet.ligne;
        if (!effet.ligneAjoutee) {
            // Enter goes on to the next data cell, as in a spreadsheet.
            if (c < tableau_.DerniereColonneDonnees()) {
                ++c;
            } else if (l < tableau_.DerniereLigneDonnees()) {
                c = 0;
                ++l;
            }
        }
        StringGrid1->setCurrentIndex(modele_->index(l, c));
        if (effet.rafraichir)
            RafraichirGraphe();
        return true;
    }
    if (effet.ligneRetiree) {
        StringGrid1->setCurrentIndex(modele_->index(effet.ligne, 0));
        return true;
    }
    return false;
}

void TTableauModif::LirePosition(QPoint pixel)
{
    const TGraphe &g = xyGraph1->graphe();
    if (!xyGraph1->isVisible() || !g.DansZoneTrace(pixel)) {
        position->clear();
        return;
    }
    const TableauResultats &t = tableau_;
    QString texte = t.NomAbscisse + QStringLiteral(" : ") + FormatGeneral(g.ValeurX(pixel.x())) + QLatin1Char(' ')
                    + t.UniteAbscisse + QStringLiteral("  ") + t.NomOrdonnee[1] + QStringLiteral(" : ")
                    + FormatGeneral(g.ValeurY(pixel.y())) + QLatin1Char(' ') + t.UniteOrdonnee[1];
    if (!t.ModeSeries && t.NbY == 2)
        texte += QStringLiteral("  ") + t.NomOrdonnee[2] + QStringLiteral(" : ")
                 + FormatGeneral(g.ValeurY(pixel.y(), AxeId::Y2)) + QLatin1Char(' ') + t.UniteOrdonnee[2];
    position->setText(texte);
}

QString TTableauModif::NomFichier(const QString &titre, const QString &filtres, const QString &filtre,
                                  const QString &suffixe)
{
    if (DemanderNomFichier)
        return DemanderNomFichier(titre, filtres, filtre, suffixe);
    QFileDialog dialogue(this, titre);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.setOption(QFileDialog::DontConfirmOverwrite);
    dialogue.setNameFilters(filtres.split(QStringLiteral(";;")));
    dialogue.selectNameFilter(filtre);
    dialogue.setDefaultSuffix(suffixe);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return {};
    return dialogue.selectedFiles().first();
}

bool TTableauModif::DonneesNonEnregistrees() const
{
    return tableau_.ContientDesValeurs() && tableau_.TexteTableau() != texteEnregistre_;
}

bool TTableauModif::EnregistrerTableau()
{
    const QString chemin = NomFichier(tr("Enregistrer le tableau"), tr("texte (*.TXT);;autre (*.*)"),
                                      tr("texte (*.TXT)"), QStringLiteral("Txt"));
    if (chemin.isEmpty())
        return false;
    const QString texte = tableau_.TexteTableau();
    if (!services.Executer(this, [&] { EnregistrerTexteTableau(chemin, tableau_); }))
        return false;
    texteEnregistre_ = texte;
    return true;
}

void TTableauModif::EnregistrerGraphique()
{
    const QString chemin = NomFichier(tr("Enregistrement du schéma"), tr("Fichier BMP (*.bmp);;Fichier Gif (*.Gif)"),
                                      tr("Fichier Gif (*.Gif)"), QStringLiteral("Gif"));
    if (chemin.isEmpty())
        return;
    const TEchelle echelle = EchelleDuGraphe(xyGraph1->graphe(), tableau_);
    if (QFileInfo::exists(chemin)
        && !services.PoserQuestion(this, tr("Voulez-vous remplacer le fichier %1 ?").arg(QDir::toNativeSeparators(chemin)), false))
        return;
    services.Executer(this, [&] { EnregistrerGraphe(chemin, xyGraph1->Rendre(), echelle); });
}

void TTableauModif::ImprimerTableau()
{
    QPrinter imprimante;
    const bool pret = PreparerImprimante ? PreparerImprimante(imprimante)
                                         : QPrintDialog(&imprimante, this).exec() == QDialog::Accepted;
    if (!pret)
        return;
    GrilleImpression g;
    g.titre = tableau_.Titre;
    g.lignes = tableau_.Lignes();
    g.largeurs.assign(static_cast<std::size_t>(tableau_.NbColonnes()), tableau_.LargeurColonne);
    g.hauteurLigne = StringGrid1->verticalHeader()->defaultSectionSize() - 1;
    g.taillePolice = std::max(1, StringGrid1->font().pointSize());
    g.facteur = 2;
    g.ecartTrait = 1;
    g.premiere = 1;
    g.derniere = tableau_.NbLignes() - 1;
    services.Executer(this, [&] {
        ImprimerGrille(imprimante, g, [this] {
            return services.PoserQuestion(this, tr("Le tableau sélectionné est trop large, imprimer tout de même ?"), false);
        });
    });
}

void TTableauModif::ImprimerGraphique()
{
    const QImage image = xyGraph1->Rendre();
    if (image.width() <= 0)
        return;
    services.ImprimerImage(this, static_cast<double>(image.height()) / image.width(), image);
}

void TTableauModif::AjouterLigne()
{
    const QModelIndex c = StringGrid1->currentIndex();
    const int ligne = tableau_.InsererLigne(c.isValid() ? c.row() : tableau_.DerniereLigneDonnees());
    TableauModifie();
    StringGrid1->setCurrentIndex(modele_->index(ligne, c.isValid() ? c.column() : 0));
}

void TTableauModif::AjouterColonne()
{
    const QModelIndex c = StringGrid1->currentIndex();
    const int colonne = tableau_.InsererColonneSerie(c.isValid() ? c.column() : 0);
    if (colonne < 0)
        return;
    SerieGraphe &s = xyGraph1->graphe().Serie(tableau_.NbSeries);
    if (s.etatLegende == EtatLegende::NonAffiche)
        s.etatLegende = EtatLegende::PointEtLigne;
    TableauModifie();
    StringGrid1->setCurrentIndex(modele_->index(c.isValid() ? c.row() : tableau_.LignesFixes(), colonne));
}

void TTableauModif::SupprimerLigne()
{
    const QModelIndex c = StringGrid1->currentIndex();
    if (!c.isValid() || !tableau_.LigneSupprimable(c.row()))
        return;
    if (!services.PoserQuestion(this, tr("Voulez-vous supprimer la ligne ?"), false))
        return;
    tableau_.SupprimerLigne(c.row());
    TableauModifie();
    RafraichirGraphe();
}

void TTableauModif::SupprimerColonne()
{
    const QModelIndex c = StringGrid1->currentIndex();
    if (!c.isValid() || !tableau_.ColonneSupprimable(c.column()))
        return;
    if (!services.PoserQuestion(this, tr("Voulez-vous supprimer la colonne ?"), false))
        return;
    const int nbY = tableau_.NbY;
    const int serie = tableau_.SupprimerColonne(c.column());
    if (nbY == 2 && tableau_.NbY == 1) {
        // The setup dialog shows the one Y variable left.
        choix_->nombre_Y->setValue(1);
        choix_->DefinirNom(1, 1, tableau_.NomOrdonnee[1]);
        choix_->DefinirNom(1, 2, tableau_.UniteOrdonnee[1]);
    }
    if (serie > 0) {
        SerieGraphe &s = xyGraph1->graphe().Serie(serie);
        s.EffacerPoints();
        s.visible = false;
        s.etatLegende = EtatLegende::NonAffiche;
    }
    if (!tableau_.ModeSeries && tableau_.NbY == 1)
        AppliquerAxesTableau(tableau_, xyGraph1->graphe());
    TableauModifie();
    RafraichirGraphe();
}

void TTableauModif::CopierTableau()
{
    auto *donnees = new QMimeData;
    donnees->setText(tableau_.TexteTableau());
    donnees->setHtml(HtmlGrille(tableau_.Titre, tableau_.Lignes()));
    QApplication::clipboard()->setMimeData(donnees);
}

void TTableauModif::CopierGraphique()
{
    QApplication::clipboard()->setImage(xyGraph1->Rendre());
}

void TTableauModif::ToutEffacer()
{
    if (!services.PoserQuestion(this, tr("Etes-vous sûr de vouloir effacer les données ?"), true))
        return;
    tableau_.ToutEffacer();
    EffacerGrapheTableau(xyGraph1->graphe());
    xyGraph1->graphe().Redessiner();
    // The empty grid is a variables-mode one, even if the setup is cancelled.
    ReglageApplique();
    ChoisirReglage();
}

void TTableauModif::BasculerTotaux()
{
    tableau_.BasculerTotaux();
    actTotaux->setChecked(tableau_.Totaux());
    actMoyennes->setChecked(tableau_.Moyennes());
    TableauModifie();
}

void TTableauModif::BasculerMoyennes()
{
    tableau_.BasculerMoyennes();
    actTotaux->setChecked(tableau_.Totaux());
    actMoyennes->setChecked(tableau_.Moyennes());
    TableauModifie();
}

void TTableauModif::PresentationGraphique()
{
    if (!actPresentation->isEnabled())
        return;
    xyGraph1->EditerPresentation();
}

void TTableauModif::ChoisirAffichage(int mode)
{
    affichage_ = std::clamp(mode, 0, 2);
    QAction *actions[] = {actTout, actTableauSeul, actGrapheSeul};
    actions[affichage_]->setChecked(true);
    xyGraph1->setVisible(affichage_ != 1 && !(tableau_.ModeSeries && !tableau_.XNumerique));
    if (affichage_ == 1)
        position->clear();
    DisposerTableau();
}

bool TTableauModif::eventFilter(QObject *objet, QEvent *event)
{
    if (objet == StringGrid1->viewport() && event->type() == QEvent::MouseButtonPress) {
        EditerEnteteSerie(static_cast<QMouseEvent *>(event)->position().toPoint());
    } else if (objet == Ediparam && event->type() == QEvent::FocusOut && Ediparam->isVisible()) {
        FinirEditionEntete();
    }
    return QMainWindow::eventFilter(objet, event);
}

void TTableauModif::EditerEnteteSerie(QPoint pixel)
{
    const int ligneSeries = tableau_.LigneSeries();
    if (ligneSeries < 0)
        return;
    const int ligne = StringGrid1->rowAt(pixel.y());
    const int colonne = StringGrid1->columnAt(pixel.x());
    if (ligne != ligneSeries || colonne < 0 || tableau_.ColonneCalculee(colonne))
        return;
    ColonneEdition = colonne;
    LigneEdition = ligne;
    const QRect cellule = StringGrid1->visualRect(modele_->index(ligne, colonne));
    Ediparam->setGeometry(cellule.adjusted(1, 1, -1, -1));
    Ediparam->setText(tableau_.Cellule(colonne, ligne));
    Ediparam->show();
    Ediparam->setFocus();
    Ediparam->selectAll();
}

void TTableauModif::FinirEditionEntete()
{
    if (ColonneEdition < 0)
        return;
    const int colonne = ColonneEdition;
    const int ligne = LigneEdition;
    ColonneEdition = -1;
    LigneEdition = -1;
    const QString texte = Ediparam->text();
    Ediparam->hide();
    tableau_.DefinirCellule(colonne, ligne, texte);
    if (colonne != 0) {
        QString nom = texte;
        if (tableau_.SeriesParParametre)
            nom += QLatin1Char(' ') + tableau_.UniteParametre;
        xyGraph1->graphe().Serie(colonne).nom = nom;
        xyGraph1->graphe().Redessiner();
    }
    modele_->CellulesChangees();
}
