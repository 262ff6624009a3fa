#include "app/ui/modele_fichiers_francais.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QFileDialog>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QFontMetrics>
#include <QHeaderView>
#include <QListView>
#include <QLocale>
#include <QSplitter>
#include <QTreeView>

namespace {

enum Colonne { Nom = 0, Taille = 1, Type = 2, Date = 3 };

const QLocale &Francais()
{
    static const QLocale francais(QLocale::French, QLocale::France);
    return francais;
}

} // namespace

QString TypeDeFichierFrancais(const QString &chemin, bool dossier)
{
    if (dossier)
        return QCoreApplication::translate("ModeleFichiersFrancais", "Dossier");
    struct Genre {
        const char *extension;
        const char *nom;
    };
    static const Genre genres[] = {
        {"JPG", QT_TRANSLATE_NOOP("ModeleFichiersFrancais", "Image JPEG")},
        {"JPEG", QT_TRANSLATE_NOOP("ModeleFichiersFrancais", "Image JPEG")},
        {"PNG", QT_TRANSLATE_NOOP("ModeleFichiersFrancais", "Image PNG")},
        {"BMP", QT_TRANSLATE_NOOP("ModeleFichiersFrancais", "Image BMP")},
        {"GIF", QT_TRANSLATE_NOOP("ModeleFichiersFrancais", "Image GIF")},
        {"TIF", QT_TRANSLATE_NOOP("ModeleFichiersFrancais", "Image TIFF")},
        {"TIFF", QT_TRANSLATE_NOOP("ModeleFichiersFrancais", "Image TIFF")},
        {"ICO", QT_TRANSLATE_NOOP("ModeleFichiersFrancais", "Icône")},
        {"KPT", QT_TRANSLATE_NOOP("ModeleFichiersFrancais", "Document Kaptori")},
        {"TXT", QT_TRANSLATE_NOOP("ModeleFichiersFrancais", "Texte")},
    };
    const QString extension = QFileInfo(chemin).suffix().toUpper();
    for (const Genre &g : genres)
        if (extension == QLatin1String(g.extension))
            return QCoreApplication::translate("ModeleFichiersFrancais", g.nom);
    if (extension.isEmpty())
        return QCoreApplication::translate("ModeleFichiersFrancais", "Fichier");
    return QCoreApplication::translate("ModeleFichiersFrancais", "Fichier %1").arg(extension);
}

QVariant ModeleFichiersFrancais::data(const QModelIndex &index, int role) const
{
    auto *fichiers = qobject_cast<QFileSystemModel *>(sourceModel());
    if (!fichiers || !index.isValid() || role != Qt::DisplayRole || index.column() == Nom)
        return QIdentityProxyModel::data(index, role);
    const QModelIndex source = mapToSource(index);
    const QFileInfo info = fichiers->fileInfo(source);
    switch (index.column()) {
    case Taille:
        return info.isDir() ? QString() : Francais().formattedDataSize(info.size(), 1, QLocale::DataSizeTraditionalFormat);
    case Type:
        return TypeDeFichierFrancais(info.fileName(), info.isDir());
    case Date:
        return Francais().toString(info.lastModified(), QLocale::ShortFormat);
    default:
        return QIdentityProxyModel::data(index, role);
    }
}

QVariant ModeleFichiersFrancais::headerData(int section, Qt::Orientation orientation, int role) const
{
    // Qt's translation names the columns already; only the date column is
    // shortened so that it fits its width.
    if (orientation == Qt::Horizontal && role == Qt::DisplayRole && section == Date)
        return QCoreApplication::translate("ModeleFichiersFrancais", "Modifié le");
    return QIdentityProxyModel::headerData(section, orientation, role);
}

void FranciserDialogueFichiers(QFileDialog &dialogue)
{
    if (dialogue.proxyModel() || !dialogue.findChild<QListView *>(QStringLiteral("listView")))
        return;
    dialogue.setProxyModel(new ModeleFichiersFrancais(&dialogue));
    // Room for "116 octets", "Document Kaptori" and "10/12/2026 06:59" in full.
    if (auto *vue = dialogue.findChild<QTreeView *>(QStringLiteral("treeView"))) {
        const QFontMetrics mesure(vue->font());
        const int marge = 16;
        vue->header()->resizeSection(Taille, mesure.horizontalAdvance(QStringLiteral("999 octets")) + marge);
        vue->header()->resizeSection(Type, mesure.horizontalAdvance(QStringLiteral("Document Kaptori")) + marge);
        vue->header()->resizeSection(Date, mesure.horizontalAdvance(QStringLiteral("00/00/0000 00:00")) + marge);
        // The name takes what the three others leave.
        vue->header()->setSectionResizeMode(Nom, QHeaderView::Stretch);
    }
    if (auto *partage = dialogue.findChild<QSplitter *>(QStringLiteral("splitter"));
        partage && partage->count() == 2) {
        const int total = partage->sizes().value(0) + partage->sizes().value(1);
        if (total > 260)
            partage->setSizes({130, total - 130});
    }
}
