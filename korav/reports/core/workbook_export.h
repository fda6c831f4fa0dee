#pragma once

#include "common/string_list.h"
#include "korav/reports/core/export_lines.h"
#include "korav/reports/core/report_selection.h"
#include "korav/reports/core/sheet_model.h"

#include <functional>

class Messenger;

// How far the export has come: 0 … maximum, the buffer lines and 30 steps
// for formatting and writing the file.
using ExportProgress = std::function<void(int value, int maximum)>;

// The sheet of an overview's export buffer, built step by step as the
// automation of the export builds it: grey header rows, one bordered row per
// buffer line with an empty row between groups, number formats, alignment,
// fitted widths and the title. `projects` gives the descriptions.
SheetModel BuildReportSheet(const ReportSelection& selection, const ExportBuffer& buffer,
    const StringList& projects, const OutputMoment& moment, const ExportProgress& progress = {});

// Writes the workbook to `path` and tells the user where it went, or shows
// the numbered message of the step that failed.
bool ExportWorkbook(const QString& path, const ReportSelection& selection, const ExportBuffer& buffer,
    const StringList& projects, const OutputMoment& moment, Messenger& messenger,
    const ExportProgress& progress = {});

inline constexpr std::uint32_t kHeaderGrey = 15198183; // red, green and blue 231
inline constexpr int kHeaderColourIndex = 30;
inline constexpr int kBorderColourIndex = 15;
inline constexpr int kContinuousLine = 1;
