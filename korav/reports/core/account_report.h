#pragma once

#include "korav/reports/core/export_lines.h"

#include <QDate>
#include <QStringList>

#include <array>
#include <functional>
#include <optional>

class Clock;
class DataFileCodec;
class Messenger;

// Report "Arbeitszeitkonto": per employee and month of a year the working
// time, the target, the month's difference and the running balance from the
// opening balance, the holiday days taken, and the holiday account of the
// year.
struct AccountReportRequest {
    QStringList employees; // the list entries, "00-Alle" first
    QString employee; // the selected entry, empty without a selection
    QString year;
};

struct AccountReportContext {
    QString dataRoot; // with its trailing separator
    const Clock& clock;
    QDate startDate;
    DataFileCodec& codec;
    Messenger& messenger;
    std::function<void(int value, int maximum)> progress;
};

struct AccountReport {
    enum class Outcome { DateChanged, Incomplete, Built };
    Outcome outcome = Outcome::Built;
    QStringList lines;
    ExportBuffer exportLines;
};

AccountReport RunAccountReport(const AccountReportContext& context, const AccountReportRequest& request);

// "Konto %-30.30s %4.4i %-9.9s" and five "%10.2f" values (working time,
// target, difference, balance, holiday days; "---" where a month does not
// count), then "  (%s)" with the month's marker where there is one.
QString AccountExportLine(const QString& name, int year, const QString& period,
    const std::array<std::optional<double>, 5>& values, const QString& marker);
