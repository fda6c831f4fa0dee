#pragma once

#include <QString>

// printf-style fields of the record layouts.
namespace FixedWidth {

// "%N.Ns": cut to N characters and right-aligned in a field of N.
QString Right(QStringView text, int width);
// "%N.Ni": at least N digits, zeros in front.
QString Digits(int number, int width);

} // namespace FixedWidth

// A value of a year-target or hourly-rate file: the text after the leading
// blanks, up to the first blank.
QString FirstWord(QStringView value);
