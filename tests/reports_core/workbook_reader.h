#pragma once

#include <QJsonObject>
#include <QString>

// Reads a workbook back with python3-openpyxl: the sheet's title, every
// cell's value, fill, borders, number format, alignment and font, and the
// column widths.
QJsonObject ReadWorkbook(const QString& path);
