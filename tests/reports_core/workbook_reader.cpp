#include "workbook_reader.h"

#include <QJsonDocument>
#include <QProcess>

using namespace Qt::StringLiterals;

namespace {

const char* const kScript = R"PY(
import json, sys, openpyxl
wb = openpyxl.load_workbook(sys.argv[1])
ws = wb.worksheets[0]
def side(s):
    return None if s is None or s.style is None else {"style": s.style, "colour": s.color.rgb if s.color else None}
cells = {}
for row in ws.iter_rows():
    for c in row:
        fill = c.fill.fgColor.rgb if c.fill is not None and c.fill.fill_type == "solid" else None
        cells[c.coordinate] = {
            "value": c.value, "type": c.data_type, "fill": fill,
            "left": side(c.border.left), "right": side(c.border.right),
            "top": side(c.border.top), "bottom": side(c.border.bottom),
            "format": c.number_format, "align": c.alignment.horizontal,
            "bold": bool(c.font.b), "size": c.font.sz}
widths = {k: v.width for k, v in ws.column_dimensions.items() if v.customWidth}
print(json.dumps({"sheets": wb.sheetnames, "title": ws.title, "cells": cells, "widths": widths,
                  "maxRow": ws.max_row}))
)PY";

} // namespace

QJsonObject ReadWorkbook(const QString& path)
{
    QProcess python;
    python.start(u"/usr/bin/python3"_s, { u"-c"_s, QString::fromUtf8(kScript), path });
    if (!python.waitForFinished(30000))
        return {};
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}
