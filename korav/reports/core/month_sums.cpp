#include "korav/reports/core/month_sums.h"

#include "common/month_overview.h"
#include "common/number_parse.h"
#include "common/time_format.h"
#include "common/working_time.h"
#include "korav/reports/core/korav_month_file.h"

#include <cstdlib>

using namespace Qt::StringLiterals;

namespace {

// The fields as the hours picker fills them: hours right-aligned in three
// places, minutes in two.
int WorkingMinutes(const QString& hoursText, const QString& minutesText)
{
    return ParseDecimalInt(hoursText) * 60 + ParseDecimalInt(minutesText);
}

int AssignedMinutes(const QStringList& entries)
{
    int sum = 0;
    for (const QString& entry : entries)
        sum += DurationTextMinutes(KoravMonthFile::EntryDuration(entry));
    return sum;
}

QString PositiveOrNone(int minutes)
{
    return minutes > 0 ? FormatHoursMinutes(minutes) : kNoTimeText.toString();
}

void SetOpen(MonthSums& s)
{
    if (s.open >= kMonthOpenLimit) {
        s.openLimitExceeded = true;
    } else if (s.open > 0) {
        s.openText = FormatHoursMinutes(s.open);
        s.openColour = kOpenSalmon;
    } else if (s.open < 0) {
        s.openText = u'-' + u"%1:%2 "_s.arg(-s.open / 60, 2).arg(-s.open % 60, 2, 10, QChar(u'0'));
        s.openColour = kOpenGreen;
        s.openBarShown = true;
    } else if (s.working > 0) {
        s.openText = kNoTimeText.toString();
        s.openColour = kOpenGreen;
    } else {
        s.openText = QString();
        s.openColour = kOpenGrey;
    }
    if (s.workingText == kNoTimeText) {
        s.openText = kNoTimeText.toString();
        s.openColour = kOpenGrey;
    }
}

void SetDifference(MonthSums& s)
{
    if (s.working == 0) {
        s.differenceText = kNoTimeText.toString();
        s.differenceColour = kOpenGrey;
        return;
    }
    s.differenceText = MonthDifferenceText(s.difference);
    s.differenceColour = s.difference < 0 ? kOpenSalmon : kOpenGreen;
}

} // namespace

QString MonthDifferenceText(int minutes)
{
    return SignedFourWide(minutes) + u' ';
}

QString EntryDurationText(QStringView hhhmm)
{
    QString text = hhhmm.left(3) + u':' + hhhmm.mid(3, 2);
    if (text.startsWith(u'0')) {
        text[0] = u' ';
        if (text.at(1) == u'0')
            text[1] = u' ';
    }
    return text;
}

MonthSums ComputeMonthSums(
    const QString& hoursText, const QString& minutesText, const QStringList& entries, int targetMinutes)
{
    MonthSums s;
    s.working = WorkingMinutes(hoursText, minutesText);
    s.workingText = PositiveOrNone(s.working);
    s.assigned = AssignedMinutes(entries);
    s.assignedText = PositiveOrNone(s.assigned);
    s.open = s.working - s.assigned;
    SetOpen(s);
    s.difference = s.working - targetMinutes;
    SetDifference(s);
    return s;
}

KoravMonthTotals KoravMonthSums(
    const StringList& fileLines, const QString& personnelNumber, int year, int month, int targetMinutes)
{
    KoravMonthTotals totals;
    totals.record = KoravMonthFile::ReadMonth(fileLines, year, month, personnelNumber);
    totals.sums = ComputeMonthSums(
        totals.record.hoursText, totals.record.minutesText, totals.record.entries, targetMinutes);
    return totals;
}
