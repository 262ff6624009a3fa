#include "document/ui/dialogue_enregistrement.h"

#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QRadioButton>
#include <QVBoxLayout>

#include <algorithm>

namespace {

constexpr int kQualiteInitiale = 90;

// Qt takes the patterns from the last parenthesis of an entry, separated by
// blanks; the label before it is what the list shows.
QStringList LibellesQt(const std::vector<FiltreEnregistrement> &filtres)
{
    QStringList libelles;
    for (const FiltreEnregistrement &f : filtres)
        libelles << f.libelle + QStringLiteral(" (")
                        + QString(f.motifs).replace(QLatin1Char(';'), QLatin1Char(' ')).trimmed() + QLatin1Char(')');
    return libelles;
}

} // namespace

TSavePictureDialogsg::TSavePictureDialogsg(bool avecGif, QWidget *parent)
    : QFileDialog(parent), avecGif_(avecGif), filtres_(FiltresEnregistrement(avecGif))
{
    // Qt's own dialog, so that the option groups can sit on its right.
    setOption(QFileDialog::DontUseNativeDialog, true);
    setOption(QFileDialog::DontConfirmOverwrite, true);
    setOption(QFileDialog::HideNameFilterDetails, true);
    setAcceptMode(QFileDialog::AcceptSave);
    setFileMode(QFileDialog::AnyFile);
    setWindowTitle(tr("Enregistrer sous"));
    // Qt's French translation may not be installed: the dialog names its own parts.
    setLabelText(QFileDialog::Accept, tr("&Enregistrer"));
    setLabelText(QFileDialog::Reject, tr("Annuler"));
    setLabelText(QFileDialog::LookIn, tr("Enregistrer dans :"));
    setLabelText(QFileDialog::FileName, tr("Nom du fichier :"));
    setLabelText(QFileDialog::FileType, tr("Type :"));
    setSizeGripEnabled(true);

    libellesQt_ = LibellesQt(filtres_);
    setNameFilters(libellesQt_);
    selectNameFilter(libellesQt_.at(kFiltreInitial));

    groupeCodage = new QGroupBox(tr(" Codage des fichiers .kpt "), this);
    groupeCodage->setToolTip(tr("Codage des images .kpt"));
    auto *grilleCodage = new QGridLayout(groupeCodage);
    boutonsCodage_ = new QButtonGroup(this);
    const std::array<std::pair<const char *, CodageImage>, 4> codages = {{
        {QT_TR_NOOP("jpg"), CodageImage::Jpg},
        {QT_TR_NOOP("png"), CodageImage::Png},
        {QT_TR_NOOP("bmp"), CodageImage::Bmp},
        {QT_TR_NOOP("sans fond"), CodageImage::Non},
    }};
    for (int i = 0; i < 4; ++i) {
        auto *bouton = new QRadioButton(tr(codages[i].first), groupeCodage);
        boutonsCodage_->addButton(bouton, static_cast<int>(codages[i].second));
        grilleCodage->addWidget(bouton, i / 2, i % 2);
    }

    groupeQualite = new QGroupBox(tr(" Facteur de qualité Jpg "), this);
    groupeQualite->setToolTip(tr("Facteur de qualité Jpg"));
    auto *grilleQualite = new QGridLayout(groupeQualite);
    boutonsQualite_ = new QButtonGroup(this);
    for (int i = 0; i < 6; ++i) {
        const int q = 50 + 10 * i;
        auto *bouton = new QRadioButton(QString::number(q), groupeQualite);
        boutonsQualite_->addButton(bouton, q);
        grilleQualite->addWidget(bouton, i / 2, i % 2);
    }
    boutonsQualite_->button(kQualiteInitiale)->setChecked(true);
    DefinirCodage(CodageImage::Png);

    auto *panneau = new QWidget(this);
    auto *colonne = new QVBoxLayout(panneau);
    colonne->setContentsMargins(0, 0, 0, 0);
    colonne->addWidget(groupeCodage);
    colonne->addWidget(groupeQualite);
    colonne->addStretch();
    if (auto *grille = qobject_cast<QGridLayout *>(layout()))
        grille->addWidget(panneau, 0, grille->columnCount(), grille->rowCount(), 1);
    // Room for the file list's name and size columns beside the two groups.
    resize(sizeHint().expandedTo(QSize(780, 460)));
}

void TSavePictureDialogsg::DefinirAvecGif(bool avecGif)
{
    if (avecGif == avecGif_)
        return;
    const qsizetype choisi = std::max<qsizetype>(0, IndexFiltreChoisi());
    avecGif_ = avecGif;
    filtres_ = FiltresEnregistrement(avecGif);
    libellesQt_ = LibellesQt(filtres_);
    setNameFilters(libellesQt_);
    selectNameFilter(libellesQt_.at(std::min(choisi, libellesQt_.size() - 1)));
}

void TSavePictureDialogsg::DefinirCodage(CodageImage codage)
{
    boutonsCodage_->button(static_cast<int>(codage))->setChecked(true);
}

CodageImage TSavePictureDialogsg::Codage() const
{
    return static_cast<CodageImage>(boutonsCodage_->checkedId());
}

int TSavePictureDialogsg::Qualite() const
{
    return boutonsQualite_->checkedId();
}

qsizetype TSavePictureDialogsg::IndexFiltreChoisi() const
{
    // With the details hidden, Qt may give the entry as the list shows it,
    // without its patterns: the list's own position is the reliable answer.
    if (const auto *types = findChild<QComboBox *>(QStringLiteral("fileTypeCombo"));
        types != nullptr && types->currentIndex() >= 0 && types->currentIndex() < libellesQt_.size())
        return types->currentIndex();
    return libellesQt_.indexOf(selectedNameFilter());
}

QString TSavePictureDialogsg::MotifsChoisis() const
{
    const qsizetype i = IndexFiltreChoisi();
    return i >= 0 ? filtres_[static_cast<std::size_t>(i)].motifs : filtres_[kFiltreInitial].motifs;
}

QString TSavePictureDialogsg::CheminChoisi() const
{
    const QStringList choisis = selectedFiles();
    return choisis.isEmpty() ? QString() : NomAvecExtension(choisis.first(), MotifsChoisis());
}
