#pragma once
// The acquisition dialog, in place of a device's own: its resolution, mode,
// scan area in millimetres and source, then its other options under the
// device's titles. "Numériser" acquires with the values shown, "Fermer"
// closes the device. The dialog only reads and shows values; the frame sets
// them on the device (Modifications) on its acquisition thread.

#include "app/option_sane.h"

#include <QDialog>
#include <QHash>

#include <utility>

class QFormLayout;
class QGroupBox;
class QPushButton;
class QWidget;

class TDialogueAcquisition : public QDialog {
    Q_OBJECT
public:
    explicit TDialogueAcquisition(QWidget *parent = nullptr);

    // Shows the device's options; `appareil` names it in the caption.
    void Construire(const QList<OptionSane> &options, const QString &appareil);
    // The options whose value the user changed, in the device's order, with
    // their new values; a button pressed since counts as changed.
    [[nodiscard]] QList<std::pair<QString, QVariant>> Modifications() const;
    // The editor of an option, or nullptr (tests drive it).
    [[nodiscard]] QWidget *Editeur(const QString &nom) const { return editeurs_.value(nom); }

    QPushButton *numeriser = nullptr;
    QPushButton *fermer = nullptr;

signals:
    void Numeriser();

private:
    [[nodiscard]] QWidget *CreerEditeur(const OptionSane &o, QWidget *parent);
    [[nodiscard]] QVariant Valeur(const OptionSane &o) const;

    QList<OptionSane> options_;
    QHash<QString, QWidget *> editeurs_;
    QHash<QString, bool> boutonsPresses_;
    // What each editor showed once built: a value outside the option's
    // constraint shows clamped, and that is no change of the user's.
    QHash<QString, QVariant> initiales_;
    QWidget *contenu_ = nullptr;
};
