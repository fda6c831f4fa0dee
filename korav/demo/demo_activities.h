#pragma once

#include <QString>
#include <QStringList>

// The projects and other activities of the demo firm, an architects' office.
namespace DemoActivities {

struct Activity {
    QString number;
    QString description;
};

// Master numbers are the first three digits of a project number.
inline constexpr int kMasterPrefixLength = 3;

QList<Activity> Projects();
// Pause, the absences, the two quick-entry designations and a few more.
QList<Activity> OtherActivities();

QString PauseNumber();
QString SickNumber();
QString HolidayNumber();
QString FlexiDayNumber();
// Activities besides projects that fill an ordinary working day.
QStringList OfficeNumbers();

} // namespace DemoActivities
