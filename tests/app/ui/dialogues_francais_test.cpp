// Qt's own texts in the program's dialogs are French once the program's
// translation is installed: the open dialog's file list (types, sizes,
// dates), its labels and buttons, the context menu of edit fields and the
// standard buttons of message boxes. No English word may show.

#include "app/ui/dialogue_ouverture.h"
#include "app/ui/modele_fichiers_francais.h"
#include "app/ui/traduction_qt.h"
#include "document/ui/dialogue_enregistrement.h"
#include "support/capture.h"

#include <QAbstractButton>
#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTreeView>

#include <gtest/gtest.h>

#include <ostream>

namespace {

struct CasType {
    const char *nom;
    const char *chemin;
    bool dossier;
    const char *attendu;
};

void PrintTo(const CasType &c, std::ostream *os) { *os << c.nom; }

const CasType kTypes[] = {
    {"a folder", "/tmp/images", true, "Dossier"},
    {"a folder whose name has a dot", "/tmp/photos.jpg", true, "Dossier"},
    {"a JPEG picture", "/tmp/photo.jpg", false, "Image JPEG"},
    {"an extension in capitals", "/tmp/PHOTO.JPEG", false, "Image JPEG"},
    {"a document file", "/tmp/releve.kpt", false, "Document Kaptori"},
    {"an unknown extension", "/tmp/scene.lan", false, "Fichier LAN"},
    {"no extension", "/tmp/LISEZMOI", false, "Fichier"},
};

class TypeFrancais : public ::testing::TestWithParam<CasType> {};

TEST_P(TypeFrancais, names_the_kind_of_file_in_french)
{
    const CasType &c = GetParam();
    EXPECT_EQ(TypeDeFichierFrancais(QString::fromUtf8(c.chemin), c.dossier), QString::fromUtf8(c.attendu));
}

INSTANTIATE_TEST_SUITE_P(Fichiers, TypeFrancais, ::testing::ValuesIn(kTypes));

// English words of Qt's untranslated texts that could show in a dialog.
const QRegularExpression kAnglais(
    QStringLiteral("\\b(Folder|File|Files|Look in|Cancel|Open|Save|Back|Forward|Detail View|List View|Name|Size|"
                   "Date Modified|Computer|Recent Places|Parent Directory|Create New Folder|Show more items|"
                   "Undo|Redo|Cut|Copy|Paste|Delete|Select All|Yes|No|Abort|Dec|KiB|bytes)\\b"));

QStringList TextesVisibles(QWidget &racine)
{
    QStringList textes;
    for (QWidget *w : racine.findChildren<QWidget *>()) {
        if (!w->isVisibleTo(&racine))
            continue;
        textes.append(w->toolTip());
        if (auto *l = qobject_cast<QLabel *>(w))
            textes.append(l->text());
        if (auto *b = qobject_cast<QAbstractButton *>(w))
            textes.append(b->text());
        if (auto *c = qobject_cast<QComboBox *>(w))
            for (int i = 0; i < c->count(); ++i)
                textes.append(c->itemText(i));
        if (auto *vue = qobject_cast<QAbstractItemView *>(w)) {
            QAbstractItemModel *m = vue->model();
            const QModelIndex racineVue = vue->rootIndex();
            for (int r = 0; r < m->rowCount(racineVue); ++r)
                for (int col = 0; col < m->columnCount(racineVue); ++col)
                    textes.append(m->index(r, col, racineVue).data().toString());
            for (int col = 0; col < m->columnCount(racineVue); ++col)
                textes.append(m->headerData(col, Qt::Horizontal).toString());
        }
    }
    textes.removeAll(QString());
    return textes;
}

class TextesDeQt : public ::testing::Test {
protected:
    static void SetUpTestSuite() { InstallerTraductionQt(*QCoreApplication::instance()); }
};

TEST_F(TextesDeQt, OpenDialogListsFoldersAndPicturesInFrench)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(QDir(dossier.path()).mkdir(QStringLiteral("classe")));
    QImage image(30, 20, QImage::Format_ARGB32);
    image.fill(Qt::darkGreen);
    ASSERT_TRUE(image.save(dossier.filePath(QStringLiteral("feuille.png"))));
    QFile texte(dossier.filePath(QStringLiteral("releve.kpt")));
    ASSERT_TRUE(texte.open(QIODevice::WriteOnly));
    texte.write(QByteArray(1536, 'x'));
    texte.close();

    DialogueOuverture dialogue(nullptr, true);
    dialogue.setDirectory(dossier.path());
    dialogue.resize(900, 500);
    dialogue.show();
    auto *vue = dialogue.findChild<QTreeView *>(QStringLiteral("treeView"));
    ASSERT_NE(vue, nullptr);
    ASSERT_NE(qobject_cast<ModeleFichiersFrancais *>(dialogue.proxyModel()), nullptr);
    auto *fichiers = qobject_cast<QFileSystemModel *>(dialogue.proxyModel()->sourceModel());
    ASSERT_NE(fichiers, nullptr);
    QSignalSpy charge(fichiers, &QFileSystemModel::directoryLoaded);
    for (int essai = 0; essai < 50 && vue->model()->rowCount(vue->rootIndex()) < 3; ++essai)
        charge.wait(100);
    QCoreApplication::processEvents();

    QAbstractItemModel *m = vue->model();
    const QModelIndex racine = vue->rootIndex();
    ASSERT_EQ(m->rowCount(racine), 3);
    QMap<QString, QStringList> lignes;
    for (int r = 0; r < 3; ++r)
        lignes[m->index(r, 0, racine).data().toString()] = {m->index(r, 1, racine).data().toString(),
                                                              m->index(r, 2, racine).data().toString(),
                                                              m->index(r, 3, racine).data().toString()};
    EXPECT_EQ(lignes[QStringLiteral("classe")].value(1), QStringLiteral("Dossier"));
    EXPECT_EQ(lignes[QStringLiteral("feuille.png")].value(1), QStringLiteral("Image PNG"));
    EXPECT_EQ(lignes[QStringLiteral("releve.kpt")].value(0), QStringLiteral("1,5 ko"));
    EXPECT_EQ(lignes[QStringLiteral("releve.kpt")].value(1), QStringLiteral("Document Kaptori"));
    const QRegularExpression dateFrancaise(QStringLiteral("^\\d\\d/\\d\\d/\\d{4} \\d\\d:\\d\\d$"));
    EXPECT_TRUE(dateFrancaise.match(lignes[QStringLiteral("releve.kpt")].value(2)).hasMatch())
        << lignes[QStringLiteral("releve.kpt")].value(2).toStdString();

    for (const QString &t : TextesVisibles(dialogue))
        EXPECT_FALSE(kAnglais.match(t).hasMatch()) << "English in the open dialog: " << t.toStdString();
    Capturer(dialogue, QStringLiteral("ouvrir_francais.png"));
}

TEST_F(TextesDeQt, AnyFileDialogOfTheProgramGetsTheFrenchFileList)
{
    QTemporaryDir dossier;
    QFileDialog dialogue(nullptr, QStringLiteral("Enregistrer sous"), dossier.path());
    dialogue.setOption(QFileDialog::DontUseNativeDialog, true);
    dialogue.setAcceptMode(QFileDialog::AcceptSave);
    dialogue.show();
    QCoreApplication::processEvents();
    EXPECT_NE(qobject_cast<ModeleFichiersFrancais *>(dialogue.proxyModel()), nullptr);
    for (const QString &t : TextesVisibles(dialogue))
        EXPECT_FALSE(kAnglais.match(t).hasMatch()) << "English in the save dialog: " << t.toStdString();
}

TEST_F(TextesDeQt, SaveDialogOfTheDocumentsIsFrenchToo)
{
    QTemporaryDir dossier;
    ASSERT_TRUE(QDir(dossier.path()).mkdir(QStringLiteral("classe")));
    TSavePictureDialogsg dialogue(true);
    dialogue.setDirectory(dossier.path());
    dialogue.show();
    auto *fichiers = qobject_cast<QFileSystemModel *>(dialogue.proxyModel() ? dialogue.proxyModel()->sourceModel() : nullptr);
    ASSERT_NE(fichiers, nullptr);
    QSignalSpy charge(fichiers, &QFileSystemModel::directoryLoaded);
    auto *vue = dialogue.findChild<QTreeView *>(QStringLiteral("treeView"));
    ASSERT_NE(vue, nullptr);
    for (int essai = 0; essai < 50 && vue->model()->rowCount(vue->rootIndex()) < 1; ++essai)
        charge.wait(100);
    QCoreApplication::processEvents();
    for (const QString &t : TextesVisibles(dialogue))
        EXPECT_FALSE(kAnglais.match(t).hasMatch()) << "English in the save dialog: " << t.toStdString();
    Capturer(dialogue, QStringLiteral("enregistrer_francais.png"));
}

TEST_F(TextesDeQt, EditFieldContextMenuIsFrench)
{
    QLineEdit champ(QStringLiteral("texte"));
    std::unique_ptr<QMenu> menu(champ.createStandardContextMenu());
    QStringList textes;
    for (QAction *a : menu->actions())
        if (!a->isSeparator())
            textes.append(a->text().section(QLatin1Char('\t'), 0, 0));
    EXPECT_EQ(textes, (QStringList{"&Annuler", "&Rétablir", "Co&uper", "Cop&ier", "Co&ller", "Supprimer",
                                   "Tout sélectionner"}));
}

TEST_F(TextesDeQt, MessageBoxStandardButtonsAreFrench)
{
    QMessageBox boite;
    boite.setStandardButtons(QMessageBox::Ok | QMessageBox::Cancel | QMessageBox::Yes | QMessageBox::No |
                             QMessageBox::Abort);
    QStringList textes;
    for (QAbstractButton *b : boite.buttons())
        textes.append(b->text());
    textes.sort();
    EXPECT_EQ(textes, (QStringList{"&Non", "&Oui", "Abandonner", "Annuler", "OK"}));
}

} // namespace
