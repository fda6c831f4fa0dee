#pragma once

#include <QDate>
#include <QString>
#include <QTime>

// The report forms that put their text out.
enum class ReportForm { Employee, Project, Check, Account, Law };

// The period mode codes of the overviews; the annual check always covers a
// year.
enum class PeriodMode : int { Month = 30, Quarter = 4, Year = 360 };

// What a report was run for, as the form's selectors show it.
struct ReportSelection {
    ReportForm form = ReportForm::Employee;
    PeriodMode mode = PeriodMode::Month;
    QString subject; // employee text, or project text of the project overview
    QString period; // month or quarter text; empty in year mode
    QString year; // year text
};

// The program's start date and the time of the output action.
struct OutputMoment {
    QDate startDate;
    QTime now;
};

// Named apart from the main window's title constant: two inline variables of
// one name and different types would share one symbol in the program.
inline constexpr QStringView kReportApplicationTitle = u"KORAV";
