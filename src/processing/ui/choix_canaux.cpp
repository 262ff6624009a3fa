#include "processing/ui/choix_canaux.h"
#include "processing/ui/signalement.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// The stretch list, in its order, and the parameter of each item.
constexpr int Etirements[4] = {50, 20, 5, 2};

QColor CouleurQt(CouleurWin c)
{
    return QColor(RougeWin(c), VertWin(c), BleuWin(c));
}

} // namespace

TChoix_canaux::TChoix_canaux(QWidget *parent) : QDialog(parent)
{
    setWindowTitle(tr("Choix des canaux affichés"));
    auto *principale = new QVBoxLayout(this);
    auto *grille = new QGridLayout;
    principale->addLayout(grille);
    grille->addWidget(new QLabel(tr("Désignation\ndans les légendes"), this), 0, 1);
    grille->addWidget(new QLabel(tr("Couleur\nsymbole"), this), 0, 2);
    const QString titres[3] = {tr("Codage en nuances de bleu"), tr("Codage en nuances de vert"),
                               tr("Codage en nuances de rouge")};
    for (int k = 0; k < 3; ++k) {
        auto *colonne = new QVBoxLayout;
        colonne->addWidget(new QLabel(titres[k], this));
        listes[static_cast<std::size_t>(k)] = new QListWidget(this);
        listes[static_cast<std::size_t>(k)]->setFixedHeight(80);
        colonne->addWidget(listes[static_cast<std::size_t>(k)]);
        if (k > 0) {
            utilises[static_cast<std::size_t>(k)] = new QCheckBox(tr("Plan de couleur utilisé"), this);
            utilises[static_cast<std::size_t>(k)]->setChecked(true);
            colonne->addWidget(utilises[static_cast<std::size_t>(k)]);
        }
        grille->addLayout(colonne, k + 1, 0);
        designations[static_cast<std::size_t>(k)] = new QLineEdit(tr("Canal %1").arg(k + 1), this);
        designations[static_cast<std::size_t>(k)]->setMaxLength(20);
        grille->addWidget(designations[static_cast<std::size_t>(k)], k + 1, 1);
        symboles[static_cast<std::size_t>(k)] = new QToolButton(this);
        symboles[static_cast<std::size_t>(k)]->setFixedSize(40, 24);
        symboles[static_cast<std::size_t>(k)]->setToolTip(tr("Cliquer pour changer la couleur du symbole"));
        grille->addWidget(symboles[static_cast<std::size_t>(k)], k + 1, 2);
        DefinirSymbole(k, couleurs_[static_cast<std::size_t>(k)]);
        connect(listes[static_cast<std::size_t>(k)], &QListWidget::currentTextChanged, this, [this, k](const QString &nom) {
            if (!nom.isEmpty())
                designations[static_cast<std::size_t>(k)]->setText(nom.left(20));
        });
        connect(symboles[static_cast<std::size_t>(k)], &QToolButton::clicked, this, [this, k] {
            const QColor c = QColorDialog::getColor(CouleurQt(couleurs_[static_cast<std::size_t>(k)]), this);
            if (c.isValid())
                DefinirSymbole(k, CouleurRvb(c.red(), c.green(), c.blue()));
        });
    }
    principale->addWidget(new QLabel(tr("S'il n'y a qu'un plan de couleur\nl'affichage est en nuances de gris"), this));

    auto *groupe = new QGroupBox(tr("Choix de l'étirement pour l'affichage des canaux"), this);
    auto *g = new QVBoxLayout(groupe);
    g->addWidget(new QLabel(tr("L'étirement améliore le rendu\nde l'image sans affecter les \nvaleurs des signatures "
                               "spectrales"),
                            groupe));
    nePasEtirer = new QCheckBox(tr("Ne pas étirer"), groupe);
    g->addWidget(nePasEtirer);
    g->addWidget(new QLabel(tr("Etirer en tenant compte de :"), groupe));
    etirements = new QComboBox(groupe);
    etirements->addItems({tr("95 % des points"), tr("98 % des points"), tr("99,5 % des points"), tr("99,8 % des points")});
    etirements->setCurrentIndex(2);
    g->addWidget(etirements);
    g->addWidget(new QLabel(tr("Plus le % est faible, plus l'étirement est important"), groupe));
    connect(nePasEtirer, &QCheckBox::toggled, etirements, &QWidget::setDisabled);
    principale->addWidget(groupe);

    auto *boutons = new QDialogButtonBox(this);
    boutons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    boutons->addButton(tr("Annuler"), QDialogButtonBox::RejectRole);
    principale->addWidget(boutons);
    connect(boutons, &QDialogButtonBox::accepted, this, [this] {
        if (Choix().emplacements[0] < 0 && Choix().emplacements[1] < 0 && Choix().emplacements[2] < 0) {
            Signal(this, Signaler, true, tr("Choisissez au moins un canal à afficher."));
            return;
        }
        confirmees_ = true;
        accept();
    });
    connect(boutons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}

void TChoix_canaux::DefinirSymbole(int k, CouleurWin couleur)
{
    couleurs_[static_cast<std::size_t>(k)] = couleur;
    symboles[static_cast<std::size_t>(k)]->setStyleSheet(
        QStringLiteral("background-color: %1; border: 1px solid black;").arg(CouleurQt(couleur).name()));
}

void TChoix_canaux::Preparer(const ImageDocument &document)
{
    const int places[3] = {document.canalBleu, document.canalVert, document.canalRouge};
    for (int k = 0; k < 3; ++k) {
        QListWidget *liste = listes[static_cast<std::size_t>(k)];
        const QSignalBlocker bloque(liste);
        liste->clear();
        for (const TCanal &c : document.canaux)
            liste->addItem(c.nom);
        liste->setCurrentRow(places[k]);
        if (places[k] < 0)
            liste->clearSelection();
        if (k > 0)
            utilises[static_cast<std::size_t>(k)]->setChecked(places[k] >= 0);
    }
    const TCodeCouleur &code = document.codeCouleur;
    if (code.Definie && code.TypeCodage == CodageTroisCanaux) {
        for (int k = 0; k < 3; ++k) {
            DefinirSymbole(k, code.CouleurC[static_cast<std::size_t>(k)]);
            designations[static_cast<std::size_t>(k)]->setText(code.NomC[static_cast<std::size_t>(k)]);
        }
    } else {
        // A one-component code over a single channel (shown in grey) names it
        // by its quantity; otherwise each shown channel's own name stands.
        // The field of a shown slot never keeps a designation typed for
        // another document, which OK would otherwise give to this one.
        const int montres = (places[0] >= 0) + (places[1] >= 0) + (places[2] >= 0);
        for (int k = 0; k < 3; ++k)
            if (places[k] >= 0 && places[k] < static_cast<int>(document.canaux.size()))
                designations[static_cast<std::size_t>(k)]->setText(
                    code.Definie && montres == 1 ? code.Grandeur
                                                 : document.canaux[static_cast<std::size_t>(places[k])].nom.left(20));
    }
    nePasEtirer->setChecked(document.etirement == 0);
    for (int i = 0; i < 4; ++i)
        if (Etirements[i] == document.etirement)
            etirements->setCurrentIndex(i);
}

ChoixCanaux TChoix_canaux::Choix() const
{
    ChoixCanaux c;
    for (int k = 0; k < 3; ++k) {
        QListWidget *liste = listes[static_cast<std::size_t>(k)];
        const bool utilise = k == 0 || utilises[static_cast<std::size_t>(k)]->isChecked();
        const bool choisi = liste->currentRow() >= 0 && !liste->selectedItems().isEmpty();
        c.emplacements[static_cast<std::size_t>(k)] = utilise && choisi ? liste->currentRow() : -1;
        c.designations.noms[static_cast<std::size_t>(k)] = designations[static_cast<std::size_t>(k)]->text();
        c.designations.couleurs[static_cast<std::size_t>(k)] = couleurs_[static_cast<std::size_t>(k)];
    }
    c.etirement = nePasEtirer->isChecked() ? 0 : Etirements[std::max(0, etirements->currentIndex())];
    return c;
}
