#pragma once

#include <QString>

// The integer part of degree × full-time target / 100. The degree is read from
// the start of its text as a decimal number with a point ("62.5", "80"); the
// reading stops at the first character that does not belong to the number.
// Computed exactly, so that 62.5 % of 10080 minutes is 6300, not 6299.
int PersonalTarget(QStringView degreeText, int fullTimeMinutes);
