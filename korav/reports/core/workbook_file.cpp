#include "korav/reports/core/workbook_file.h"

#include "common/file_store.h"

#include <QFile>
#include <QTemporaryDir>

#include <xlsxwriter.h>

#include <vector>

using namespace Qt::StringLiterals;

namespace {

lxw_format* NewFormat(lxw_workbook* workbook, const SheetModel& sheet, const CellStyle& style)
{
    lxw_format* f = workbook_add_format(workbook);
    if (style.fillIndex) {
        format_set_pattern(f, LXW_PATTERN_SOLID);
        format_set_bg_color(f, sheet.paletteColour(*style.fillIndex));
    }
    const auto border = [&](const CellBorder& b, auto setStyle, auto setColour) {
        if (!b.set)
            return;
        setStyle(f, b.lineStyle == 1 ? LXW_BORDER_THIN : LXW_BORDER_MEDIUM);
        setColour(f, sheet.paletteColour(b.colourIndex));
    };
    border(style.left, format_set_left, format_set_left_color);
    border(style.right, format_set_right, format_set_right_color);
    border(style.top, format_set_top, format_set_top_color);
    border(style.bottom, format_set_bottom, format_set_bottom_color);
    if (style.align == HorizontalAlign::Center)
        format_set_align(f, LXW_ALIGN_CENTER);
    else if (style.align == HorizontalAlign::Right)
        format_set_align(f, LXW_ALIGN_RIGHT);
    if (!style.numberFormat.isEmpty())
        format_set_num_format(f, style.numberFormat.toUtf8().constData());
    if (style.fontSize > 0)
        format_set_font_size(f, style.fontSize);
    if (style.bold)
        format_set_bold(f);
    return f;
}

// One format per distinct style, as the spreadsheet keeps them.
class FormatCache {
public:
    FormatCache(lxw_workbook* workbook, const SheetModel& sheet) : workbook_(workbook), sheet_(sheet) { }

    lxw_format* formatFor(const CellStyle& style)
    {
        if (style == CellStyle {})
            return nullptr;
        // Neighbouring cells mostly share their style.
        if (last_ < formats_.size() && formats_[last_].first == style)
            return formats_[last_].second;
        for (last_ = 0; last_ < formats_.size(); ++last_)
            if (formats_[last_].first == style)
                return formats_[last_].second;
        formats_.emplace_back(style, NewFormat(workbook_, sheet_, style));
        return formats_.back().second;
    }

private:
    lxw_workbook* workbook_;
    const SheetModel& sheet_;
    std::vector<std::pair<CellStyle, lxw_format*>> formats_;
    std::size_t last_ = 0;
};

void WriteCells(lxw_worksheet* ws, const SheetModel& sheet, FormatCache& formats)
{
    for (auto it = sheet.cells().cbegin(); it != sheet.cells().cend(); ++it) {
        const auto row = lxw_row_t(it.key().first - 1);
        const auto column = lxw_col_t(it.key().second - 1);
        const SheetCell& c = it.value();
        lxw_format* format = formats.formatFor(c.style);
        if (c.number)
            worksheet_write_number(ws, row, column, *c.number, format);
        else if (!c.text.isEmpty())
            worksheet_write_string(ws, row, column, c.text.toUtf8().constData(), format);
        else
            worksheet_write_blank(ws, row, column, format);
    }
    for (auto it = sheet.columnWidths().cbegin(); it != sheet.columnWidths().cend(); ++it) {
        const auto column = lxw_col_t(it.key() - 1);
        worksheet_set_column(ws, column, column, it.value(), nullptr);
    }
}

} // namespace

bool IsValidSheetName(const QString& name)
{
    if (name.isEmpty() || name.size() > 31)
        return false;
    for (const QChar c : name)
        if (QStringView(u"[]:*?/\\").contains(c))
            return false;
    return true;
}

bool WriteWorkbookFile(const QString& path, const SheetModel& sheet, QString* error)
{
    if (!IsValidSheetName(sheet.name())) {
        if (error)
            *error = sheet.name();
        return false;
    }
    QTemporaryDir scratch;
    if (!scratch.isValid()) {
        if (error)
            *error = scratch.errorString();
        return false;
    }
    const QString draft = scratch.filePath(u"workbook.xlsx"_s);
    // Rows go to the file as they are written, not held in memory until the
    // end: the cells come in row order, as this mode needs them.
    QByteArray scratchPath = QFile::encodeName(scratch.path());
    lxw_workbook_options options {};
    options.constant_memory = LXW_TRUE;
    options.tmpdir = scratchPath.data();
    lxw_workbook* workbook = workbook_new_opt(draft.toLocal8Bit().constData(), &options);
    if (!workbook) {
        if (error)
            *error = draft;
        return false;
    }
    lxw_worksheet* ws = workbook_add_worksheet(workbook, sheet.name().toUtf8().constData());
    if (ws) {
        FormatCache formats(workbook, sheet);
        WriteCells(ws, sheet, formats);
    }
    const lxw_error closed = workbook_close(workbook);
    if (!ws || closed != LXW_NO_ERROR) {
        if (error)
            *error = QString::fromUtf8(lxw_strerror(closed));
        return false;
    }
    const std::optional<QByteArray> bytes = FileStore::ReadBytes(draft, error);
    return bytes && FileStore::WriteBytes(path, *bytes, error);
}
