#pragma once

#include "common/string_list.h"
#include "korav/reports/core/sheet_model.h"

#include <QMap>
#include <QString>
#include <QStringList>

// How an overview's export lines become the rows of its sheet: the header
// texts from column C on, what groups the lines, how one line fills its row
// and the number formats of the data columns.
struct SheetLayout {
    int lastColumn;
    QStringList row4; // from column C on
    QStringList row5;
    QMap<int, QString> row6;
    QString (*groupKey)(const QString& line);
    void (*writeRow)(SheetModel& sheet, int row, const QString& line, const StringList& projects);
    void (*formatColumns)(SheetModel& sheet, int lastRow);
};

inline constexpr int kFirstSheetDataRow = 7;

// The sheet of the report "Arbeitszeitgesetz", columns C to N.
SheetLayout LawSheetLayout();
