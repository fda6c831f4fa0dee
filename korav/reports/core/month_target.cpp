#include "korav/reports/core/month_target.h"

#include "common/employee_file_records.h"
#include "common/fixed_width.h"
#include "common/time_format.h"
#include "common/working_time.h"
#include "korav/reports/core/report_names.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kGroupStart = 5;
constexpr int kGroupWidth = 11;
// The month completion and the viewer never look at the record's last unit.
constexpr int kSearchedGroups = 13;

QString Percent(double percentage)
{
    return u" %1% von "_s.arg(percentage, 5, 'f', 2);
}

} // namespace

std::optional<int> UnitFullTime(QStringView recordValue, int month, int year, int searchedUnits)
{
    const QString wanted = FixedWidth::TwoDigits(month) + FixedWidth::FourDigits(year);
    for (int i = 0; i < searchedUnits; ++i) {
        const QStringView group = recordValue.mid(kGroupStart + i * kGroupWidth, kGroupWidth);
        if (group.size() < 6)
            break;
        if (group.left(6) == wanted)
            return DurationTextMinutes(group.mid(6, 5));
    }
    return std::nullopt;
}

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
    const std::optional<QString>& degreeText, std::optional<int> yearFileFullTime)
{
    MonthTarget t;
    const QString value = employeeFile.value(EmployeeFile::TargetRecordKey(personnelNumber)).left(180);
    if (value.isEmpty() && !yearFileFullTime)
        return t;
    t.hasRecord = true;
    t.percentage = degreeText ? LeadingDecimal(*degreeText) : 100.0;
    t.fullTime = UnitFullTime(value, month, year, kSearchedGroups).value_or(yearFileFullTime.value_or(0));
    t.target = PersonalTarget(degreeText.value_or(u"100"_s), t.fullTime);
    t.label = t.target < 1 ? kNoTimeText.toString() : FormatHoursMinutes(t.target);
    t.hint
        = Percent(t.percentage) + (t.fullTime < 1 ? kNoTimeText.toString() : FormatHoursMinutes(t.fullTime));
    return t;
}
