#include "korav/core/backup_schedule.h"

namespace {

int DateNumber(QDate day)
{
    return day.year() * 10000 + day.month() * 100 + day.day();
}

} // namespace

int MinutesSinceBackup(const QDateTime& now, const LastBackup& last)
{
    const int today = DateNumber(now.date());
    const int days = today > last.date ? 1 : (today < last.date ? -1 : 0);
    return now.time().hour() * 60 + now.time().minute() + days * 1440 - last.hour * 60 - last.minute;
}

bool AutomaticBackupDue(const QDateTime& now, const LastBackup& last, int intervalHours)
{
    return intervalHours * 60 < MinutesSinceBackup(now, last);
}
