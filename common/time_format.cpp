#include "common/time_format.h"

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

QString HoursMinutes(int minutes, int hourWidth)
{
    const int absolute = std::abs(minutes);
    return u"%1:%2 "_s.arg(absolute / 60, hourWidth).arg(absolute % 60, 2, 10, QChar(u'0'));
}

// "-%2i:%.2i ": a minus sign, then hours two wide.
QString MinusHoursMinutes(int minutes)
{
    return u'-' + HoursMinutes(minutes, 2);
}

// The minus sign takes the first place when that is a blank; when the hours
// fill it, the sign goes in front, so that no digit is ever lost.
QString WithLeadingMinus(QString text)
{
    if (text.at(0) == u' ')
        text[0] = u'-';
    else
        text.prepend(u'-');
    return text;
}

QString SignedThreeWide(int minutes)
{
    const QString text = HoursMinutes(minutes, 3);
    return minutes < 0 ? WithLeadingMinus(text) : text;
}

QString DayOpenText(const DayValues& values)
{
    const int open = values.open();
    if (values.attendance <= 0 || open == 0)
        return kNoTimeText.toString();
    return open > 0 ? FormatHoursMinutes(open) : MinusHoursMinutes(open);
}

QString DayWorkingText(const DayValues& values)
{
    if (values.attendance <= 0)
        return kNoTimeText.toString();
    const int working = values.working();
    return working >= 0 ? FormatHoursMinutes(working) : MinusHoursMinutes(working);
}

QString PositiveOrNone(int minutes)
{
    return minutes > 0 ? FormatHoursMinutes(minutes) : kNoTimeText.toString();
}

// Below 100 hours the minus sign goes in after the first blank, so that
// -330 minutes read " -  5:30 "; from 100 hours on it takes the first place.
QString MonthDifferenceText(const MonthValues& values)
{
    if (values.target < 1)
        return kNoTimeText.toString();
    const int difference = values.difference();
    QString text = HoursMinutes(difference, 4);
    if (difference >= 0)
        return text;
    if (text.at(1) == u' ')
        return text.insert(1, u'-');
    return WithLeadingMinus(text);
}

QString MonthOpenText(const MonthValues& values)
{
    if (values.open() != 0)
        return SignedThreeWide(values.open());
    return values.actual() >= 1 ? kNoTimeText.toString() : QString();
}

} // namespace

QString FormatHoursMinutes(int minutes)
{
    return HoursMinutes(minutes, 3);
}

DayTexts FormatDayValues(const DayValues& values)
{
    DayTexts texts;
    texts.attendance = values.hasCome ? FormatHoursMinutes(values.attendance) : kNoTimeText.toString();
    texts.pause = PositiveOrNone(values.pause);
    texts.working = DayWorkingText(values);
    texts.assigned = PositiveOrNone(values.assigned);
    texts.open = DayOpenText(values);
    return texts;
}

MonthTexts FormatMonthValues(const MonthValues& values)
{
    MonthTexts texts;
    texts.actual = SignedThreeWide(values.actual());
    texts.target = values.target >= 1 ? FormatHoursMinutes(values.target) : kNoTimeText.toString();
    texts.difference = MonthDifferenceText(values);
    texts.assigned = SignedThreeWide(values.assigned);
    texts.open = MonthOpenText(values);
    return texts;
}

QString TargetHint(QStringView degree, int fullTimeTarget, bool currentMonth)
{
    QString degreeText = degree + u'%';
    if (!currentMonth)
        degreeText.prepend(u' ');
    const QString target = fullTimeTarget >= 1 ? FormatHoursMinutes(fullTimeTarget) : kNoTimeText.toString();
    return u' ' + degreeText + u" von "_s + target;
}
