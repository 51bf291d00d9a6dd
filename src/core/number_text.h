#pragma once
// Numbers as the windows show them, and numbers read back from text.
#include <QString>

// General text: at most 7 (float) or 15 (double) significant digits, no trailing
// zeros, no leading blank; scientific form (1.5E-05, 1.234568E+07) when the
// decimal exponent is below -4 or reaches the digit count. Infinities read
// "Infinity" / "-Infinity", a NaN reads "NaN".
QString general_text(float v);
QString general_text(double v);

// The general text with a blank before a non-negative value and without the
// "0" before the point of a value below 1: " .5", "-.5", " 0", " 12".
QString signed_text(float v);
QString signed_text(double v);

// Reads a number the way classic BASIC's Val does: leading blanks skipped, an
// optional sign, digits, one point, an optional exponent (E or D, optional
// sign); reading stops at the first character that cannot continue the number.
// No number, or one beyond the range of a double, gives 0.
double text_to_number(const QString& text);
