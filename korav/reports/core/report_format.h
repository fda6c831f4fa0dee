#pragma once

#include <QString>

// printf-style fields of the fixed-width report lines, counted in
// characters so that umlauts do not shift the columns.
namespace ReportFormat {

// "%-N.Ns"
QString Left(const QString& text, int width);
// "%N.Ns"
QString Right(const QString& text, int width);
// "%W.Pi" with C semantics: sign, at least P digits, right-justified to W.
QString Int(int value, int width, int precision = 1);
// "%Wi:%2.2i" of hours and minutes, truncated toward zero as C does.
QString HoursMinutes(int minutes, int hourWidth);
// The sign of a negative value put into the blanks before its hours:
// period style ("%7li:%2.2li", sign directly before the hours) and month
// style ("%6i:%2.2i", one blank between sign and hours).
QString PeriodSigned(int minutes);
QString MonthSigned(int minutes);

} // namespace ReportFormat
