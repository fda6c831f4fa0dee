#pragma once

#include "korav/reports/core/sheet_model.h"

#include <QString>

// Writes a workbook with the one sheet, whole or not at all: libxlsxwriter
// writes into a temporary folder, and the finished file goes into place
// through the file store. Fails with an error text for a name the
// spreadsheet application would refuse.
bool WriteWorkbookFile(const QString& path, const SheetModel& sheet, QString* error = nullptr);

// Empty, longer than 31 characters or holding one of []:*?/\ .
bool IsValidSheetName(const QString& name);
