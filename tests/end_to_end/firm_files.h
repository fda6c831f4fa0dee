#pragma once

#include "korav/core/target_records_file.h"
#include "tests/support/byte_order_mark.h"

#include <QDate>
#include <QStringList>

// A file of KORAV's data folder: UTF-8 with byte-order mark, CR LF.
inline QByteArray Lines(const QStringList& lines)
{
    return kBom + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
}

// The target record of the firm's employee 4711: 168 hours a month from
// December 2022 on, 8:00 a day.
inline QString TargetLine()
{
    QList<TargetRecordsFile::MonthUnit> units;
    QDate month(2022, 12, 1);
    for (int i = 0; i < TargetRecordsFile::kMonthUnits; ++i, month = month.addMonths(1))
        units.append({ month.month(), month.year(), 168, 0, true });
    return TargetRecordsFile::Line(u"4711", TargetRecordsFile::DayPart(true, u"08", u"00"), units);
}
