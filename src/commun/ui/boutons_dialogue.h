#pragma once
// The OK and cancel buttons at the foot of a dialog.

#include <QString>

class QDialog;
class QDialogButtonBox;

// A button box of the dialog holding OK (accepts the dialog) and a cancel
// button of the given caption (rejects it), both captions as the dialog's
// own translations give them. The caller places the box.
QDialogButtonBox *BoutonsOkAnnuler(QDialog *dialogue, const QString &ok, const QString &annuler);
