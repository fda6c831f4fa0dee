#include "korav/core/fixed_width.h"

#include <cstdlib>

namespace FixedWidth {

QString Right(QStringView text, int width)
{
    return text.left(width).toString().rightJustified(width, u' ');
}

QString Digits(int number, int width)
{
    const QString digits = QString::number(std::abs(qint64(number))).rightJustified(width, u'0');
    return number < 0 ? u'-' + digits : digits;
}

} // namespace FixedWidth

QString FirstWord(QStringView value)
{
    qsizetype start = 0;
    while (start < value.size() && value[start] == u' ')
        ++start;
    qsizetype end = start;
    while (end < value.size() && value[end] != u' ')
        ++end;
    return value.sliced(start, end - start).toString();
}
