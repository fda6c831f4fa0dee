#pragma once

#include <QString>
#include <QTime>

// printf-style fields of the record layouts and report lines, counted in
// characters so that umlauts do not shift the columns.
namespace FixedWidth {

// "%-N.Ns": cut to N characters and left-aligned in a field of N.
QString Left(QStringView text, int width);
// "%N.Ns": cut to N characters and right-aligned in a field of N.
QString Right(QStringView text, int width);
// For the texts built with operator+, which are no views yet.
inline QString Left(const QString& text, int width)
{
    return Left(QStringView(text), width);
}
inline QString Right(const QString& text, int width)
{
    return Right(QStringView(text), width);
}
// "%W.Pi" with C semantics: sign, at least P digits, right-justified to W.
QString Int(int value, int width, int precision = 1);
// "%N.Ni": at least N digits, zeros in front, the sign before them.
QString Digits(int value, int width);
QString TwoDigits(int value);
QString FourDigits(int value);
// "%Wi:%2.2i" of hours and minutes, truncated toward zero as C does.
QString HoursMinutes(int minutes, int hourWidth);
// The sign of a negative value put into the blanks before its hours:
// period style ("%7li:%2.2li", sign directly before the hours) and month
// style ("%6i:%2.2i", one blank between sign and hours).
QString PeriodSigned(int minutes);
QString MonthSigned(int minutes);
// "hh:mm"
QString TimeOfDay(QTime time);

// A blank-padded value read back: the text after the leading blanks, up to
// the first blank.
QString FirstWord(QStringView value);

} // namespace FixedWidth
