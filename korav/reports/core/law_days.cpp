#include "korav/reports/core/law_days.h"

#include "common/file_store.h"
#include "common/month_file.h"
#include "common/working_day.h"
#include "korav/reports/core/korav_month_file.h"

std::optional<QList<LawDay>> CollectedLawDays(
    const QString& dataRoot, const QString& personnelNumber, int year, int month)
{
    const QString path = KoravMonthFile::CollectionFolder(dataRoot, year, month)
        + MonthFile::FileName(year, month, personnelNumber);
    const std::optional<TextFile> file = FileStore::ReadText(path);
    if (!file)
        return std::nullopt;
    const MonthFile::MonthRecords records(file->text, year, month, personnelNumber);
    QList<LawDay> days;
    for (int day = 1; day <= records.days(); ++day) {
        days.append({ QDate(year, month, day),
            WorkingDayOf(MonthFile::ParseDayValue(records.dayValue(day)),
                MonthFile::ParseActivityValue(records.activityValue(day).left(960))) });
    }
    return days;
}
