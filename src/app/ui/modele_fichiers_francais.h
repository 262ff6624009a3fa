#pragma once
// The file list of the program's file dialogs in French.
//
// Qt's file model writes the size and date columns in the system locale's
// form ("10 Dec 2026", "1.5 KiB" under a C or English locale) and the type
// column from the file-type database in the default locale's language
// ("Folder", "JPEG image"). This proxy writes all three in French, whatever
// the system locale, as the rest of the interface is.

#include <QIdentityProxyModel>

class QFileDialog;

class ModeleFichiersFrancais : public QIdentityProxyModel {
    Q_OBJECT
public:
    using QIdentityProxyModel::QIdentityProxyModel;

    // Columns of Qt's file model: name, size, type, date.
    [[nodiscard]] QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    [[nodiscard]] QVariant headerData(int section, Qt::Orientation orientation,
                                      int role = Qt::DisplayRole) const override;
};

// French type name of a file: "Dossier", a few picture kinds by name
// ("Image JPEG"), otherwise "Fichier" and the extension in capitals.
[[nodiscard]] QString TypeDeFichierFrancais(const QString &chemin, bool dossier);

// Gives a non-native file dialog the French file list and a side bar wide
// enough for its place names. Does nothing to a dialog that already has a
// proxy model or has no widgets of its own.
void FranciserDialogueFichiers(QFileDialog &dialogue);
