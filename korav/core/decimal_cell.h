#pragma once

#include <QString>

// A decimal value typed into a grid cell of the target-time or the rate
// dialog: at most six characters, digits and one point, below 1000, at most
// two decimals.
namespace DecimalCell {

enum class Fault { None, TooLong, NotNumeric, TooLarge, TooManyDecimals, NotInFiveHundredths };

// The text as stored: every "," turned into ".".
QString Normalized(QStringView text);
// Checks a normalized text in the order of the faults; the step of 0.05 only
// when asked for.
Fault Check(QStringView text, bool fiveHundredthsSteps);

// Whole hours and minutes of a stored decimal value: the integer before the
// point, and the two digits after it (one digit counting as tens) × 60 / 100.
int WholeHours(QStringView value);
int Minutes(QStringView value);

} // namespace DecimalCell
