#pragma once
// Numbers as the program writes and reads them: rounding, the text of
// measured values, and the decimal separator of the user's locale.

#include <QChar>
#include <QLocale>
#include <QString>

#include <cstdint>

// "Round": nearest integer, halves to the even integer (142.5 gives 142).
[[nodiscard]] std::int64_t Arrondi(double v);

// Same rule, clamped into [mini, maxi] (for pixel and byte values).
[[nodiscard]] int ArrondiBorne(double v, int mini, int maxi);

// Text of a measured value: v rounded to P significant decimal digits, halves
// away from zero; "0" for a rounded zero; fixed notation without trailing
// zeros when 0,0001 <= |v| < 10^P, otherwise "d,dddEx" (0,667; 1,23E3; 5E-5).
// Written with SepDecimal().
[[nodiscard]] QString FormatGeneral(double v, int P = 3);

// The decimal separator of the user's locale and the other one of "," and ".".
[[nodiscard]] QChar SepDecimal();
[[nodiscard]] QChar SepAutre();

// Start-up test: "1,5" converted with the locale's rules gives 1.5 exactly
// when the separator is ",". Sets and returns SepDecimal.
QChar TesterSeparateurDecimal(const QLocale &locale = QLocale());

// Forces the separator (tests, command line options).
void DefinirSepDecimal(QChar sep);

// Replaces the first occurrence of SepAutre() by SepDecimal(), as the parsers
// of scales, colour codes and table cells do before converting a real.
[[nodiscard]] QString RemplacerSepAutre(const QString &texte);

// Strict conversion of a real written with SepDecimal(): optional blanks,
// optional sign, digits with at most one separator, optional exponent "E"
// with sign and digits, nothing after. ok is false on anything else.
[[nodiscard]] double TexteEnReel(const QString &texte, bool *ok);

// Strict conversion of a signed decimal integer (optional blanks and sign).
[[nodiscard]] std::int64_t TexteEnEntier(const QString &texte, bool *ok);
