#pragma once

#include "common/string_list.h"
#include "korav/reports/core/report_selection.h"

#include <QString>
#include <QStringList>

class Messenger;

// What the month-completion dialog shows, as its text export lists it.
struct MonthExportInput {
    QString name;
    QString monthText;
    QString yearText;
    QString hoursText;
    QString minutesText;
    QString remark;
    QStringList entries;
    StringList descriptions; // key=description
    QString workingLabel; // MonArbLabel
    QString targetLabel; // SollZeitLabel
    QString targetHint; // its tooltip
    QString differenceLabel;
    QString workingLabel2;
    QString assignedLabel;
    QString openLabel;
};

// "korav_monwerte_%s_%s%s_%.2i%.2i%.4i_%.2ih%.2i.txt", every blank an "_".
QString MonthExportFileName(
    const QString& name, const QString& monthText, const QString& yearText, const OutputMoment& moment);
StringList MonthExportLines(const MonthExportInput& input, const OutputMoment& moment);
// UTF-8 with byte-order mark; names the file to the user.
bool SaveMonthExport(const QString& path, const StringList& lines, Messenger& messenger);
