#include "korav/reports/core/month_target.h"

#include "common/employee_file_records.h"
#include "common/time_format.h"
#include "common/working_time.h"
#include "korav/reports/core/report_names.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kGroupStart = 5;
constexpr int kGroupWidth = 11;
constexpr int kSearchedGroups = 13;

int FullTimeOfMonth(QStringView value, int month, int year)
{
    const QString wanted = TwoDigits(month) + FourDigits(year);
    for (int i = 0; i < kSearchedGroups; ++i) {
        const QStringView group = value.mid(kGroupStart + i * kGroupWidth, kGroupWidth);
        if (group.size() < 6)
            break;
        if (group.left(6) == wanted)
            return DurationTextMinutes(group.mid(6, 5));
    }
    return 0;
}

QString Percent(double percentage)
{
    return u" %1% von "_s.arg(percentage, 5, 'f', 2);
}

} // namespace

double LeadingDecimal(QStringView text)
{
    qsizetype end = 0;
    bool point = false;
    while (end < text.size() && (text[end].isDigit() || (text[end] == u'.' && !point))) {
        point = point || text[end] == u'.';
        ++end;
    }
    return text.left(end).toDouble();
}

MonthTarget MonthTargetOf(const StringList& employeeFile, const QString& personnelNumber, int month, int year,
    const std::optional<QString>& degreeText)
{
    MonthTarget t;
    const QString value = employeeFile.value(EmployeeFile::TargetRecordKey(personnelNumber)).left(180);
    if (value.isEmpty())
        return t;
    t.hasRecord = true;
    t.percentage = degreeText ? LeadingDecimal(*degreeText) : 100.0;
    t.fullTime = FullTimeOfMonth(value, month, year);
    t.target = PersonalTarget(degreeText.value_or(u"100"_s), t.fullTime);
    t.label = t.target < 1 ? kNoTimeText.toString() : FormatHoursMinutes(t.target);
    t.hint
        = Percent(t.percentage) + (t.fullTime < 1 ? kNoTimeText.toString() : FormatHoursMinutes(t.fullTime));
    return t;
}
