#pragma once

#include "korav/reports/core/employee_directory.h"
#include "korav/reports/core/export_lines.h"
#include "korav/reports/core/report_selection.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>
#include <utility>

class Clock;
class DataFileCodec;
class Messenger;

inline constexpr QStringView kAllEmployees = u"00-Alle";

// The employee list of the overview: the directory's names with "00-Alle"
// in front once there is one.
QStringList EmployeeOverviewEntries(const EmployeeDirectory& directory);

// The period of a quarter selector text: "1" to "4", "1-2", "1-3", "1-4".
std::pair<int, int> QuarterMonths(const QString& quarter);

struct EmployeeOverviewRequest {
    PeriodMode mode = PeriodMode::Month;
    QStringList employees; // the list entries, "00-Alle" first
    QString employee; // the selected entry, empty without a selection
    QString period; // month number or quarter text
    QString year;
};

struct EmployeeOverviewContext {
    QString dataRoot; // with its trailing separator
    EmployeeDirectory directory;
    const Clock& clock;
    QDate startDate;
    DataFileCodec& codec;
    Messenger& messenger;
    std::function<void(int value, int maximum)> progress;
};

struct EmployeeOverviewReport {
    enum class Outcome { DateChanged, Incomplete, Built };
    Outcome outcome = Outcome::Built;
    QStringList lines;
    ExportBuffer exportLines;
};

EmployeeOverviewReport RunEmployeeOverview(
    const EmployeeOverviewContext& context, const EmployeeOverviewRequest& request);

// The quarter selected when the quarter overview opens in a month of the
// start date: the quarters up to that month.
QString InitialQuarter(int month);
// The quarter selector's items.
QStringList QuarterItems();
