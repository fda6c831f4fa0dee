#pragma once

#include "common/string_list.h"
#include "common/working_time.h"

#include <QDate>
#include <QList>
#include <QStringList>
#include <QTime>

// The fixed-width monthly overview of one employee: a head and a body of
// lines, built from plain values so that PELIN and the administration's month
// viewer produce the same text.
struct OverviewDay {
    DayWork record; // record.times.hasCome is false for a day without record
    QString remark;
};

// The administration's month viewer shows a collected month with its own
// head line, one empty line fewer around week ends, day lines cut shorter,
// and entries whose key is not in the list counted as neither pause nor
// assigned time.
enum class OverviewLayout { Pelin, Viewer };

struct MonthOverviewInput {
    OverviewLayout layout = OverviewLayout::Pelin;
    int year = 0;
    int month = 0;
    QString employeeName;
    QDate standDate; // the date the program started
    QTime standTime; // the time the overview is made
    QString standText; // Viewer: when the collected file was last written
    QList<OverviewDay> days; // day 1 first; missing days count as empty
    StringList activities; // "number=description"
    QString degree;
    int fullTimeTarget = 0;
    int personalTarget = 0;
};

struct MonthOverview {
    QStringList head;
    QStringList body;
    int monthDifference = 0; // working time − personal target
};

MonthOverview BuildMonthOverview(const MonthOverviewInput& input);

// "%4i:%.2i" of the absolute value; a negative value gets its minus sign in
// the second place when that is blank, else in the first, and in front of
// the text when the hours fill both, so that no digit is lost.
QString SignedFourWide(int minutes);

// "pelin_%.13s_%2.2i_%4.4i__%2.2i%2.2i%4.4i_%2.2ih%2.2i.txt"
QString OverviewFileName(
    const QString& personnelNumber, int month, int year, QDate standDate, QTime standTime);
// Head and body, every line ended by CR LF.
QString OverviewFileText(const MonthOverview& overview);
