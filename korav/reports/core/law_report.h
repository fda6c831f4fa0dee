#pragma once

#include "common/holiday_calendar.h"
#include "common/string_list.h"
#include "common/working_time_law.h"
#include "korav/reports/core/employee_directory.h"
#include "korav/reports/core/export_lines.h"
#include "korav/reports/core/report_selection.h"

#include <QStringList>

#include <optional>

class Messenger;

// The report "Arbeitszeitgesetz": per employee and period every day with a
// finding of the working-time law checks, and the findings counted per
// rule. It reads the collected PELIN time files; a month completed in KORAV
// holds no times of day and is named as not checked.

struct LawReportRequest {
    PeriodMode mode = PeriodMode::Month;
    QStringList employees; // the list entries, "00-Alle" first
    QString employee; // the selected entry, empty without a selection
    QString period; // month number or quarter text; empty in year mode
    QString year;
};

struct LawReportContext {
    QString dataRoot; // with its trailing separator
    EmployeeDirectory directory;
    StringList activities; // the project list, "dprojekte.kvd"
    HolidaySettings holidays;
    Messenger& messenger;
};

struct LawReport {
    QStringList lines;
    ExportBuffer exportLines; // one line per finding and per rule count
};

// Nothing when the selection is incomplete, after the message.
std::optional<LawReport> RunLawReport(const LawReportContext& context, const LawReportRequest& request);

// "Höchstarbeitszeit", "Ruhepausen", "Ruhezeit", "Sonn- und Feiertagsarbeit"
QString LawRuleTitle(LawRule rule);
