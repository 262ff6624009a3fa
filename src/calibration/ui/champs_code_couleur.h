#pragma once
// The small builders shared by the panels of the colour-code definition
// window: its text and number edits, its notes, and the conversions between
// a code's colours and Qt's.

#include "calibration/code_couleur.h"

#include <QColor>
#include <QStringList>

class QLabel;
class QLineEdit;
class QWidget;

namespace champs_code_couleur {

[[nodiscard]] QColor EnQColor(CouleurWin c);
[[nodiscard]] CouleurWin DeQColor(const QColor &c);

// A text of a code, which may hold neither ";" nor ">": they would break its
// text form.
QLineEdit *EditTexte(QWidget *parent, int longueurMax = LongueurMaxTexteCode);
// A number: optional sign, digits with one separator, optional exponent.
QLineEdit *EditNombre(QWidget *parent);
// A note of several lines, aligned top left.
QLabel *Note(const QStringList &lignes, QWidget *parent);

} // namespace champs_code_couleur
