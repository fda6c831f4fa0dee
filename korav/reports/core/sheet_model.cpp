#include "korav/reports/core/sheet_model.h"

#include <algorithm>
#include <cmath>

using namespace Qt::StringLiterals;

namespace {

constexpr std::uint32_t kStandardGrey = 0xC0C0C0;
// Room the spreadsheet leaves beside the longest text of a fitted column.
constexpr double kFitMargin = 1.0;

bool IsDigit(QChar c)
{
    return c >= u'0' && c <= u'9';
}

// Digits from `i` on; returns the index after them, or -1 without any.
qsizetype AfterDigits(QStringView text, qsizetype i)
{
    const qsizetype start = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    return i > start ? i : -1;
}

// A sign, digits and optionally a point with more digits; a final line
// break is allowed, as the pattern's end anchor allowed it. Checked by
// hand: a pattern match on every cell was the sheet's slowest step.
std::optional<double> NumberOf(const QString& text)
{
    QStringView rest(text);
    if (rest.endsWith(u'\n'))
        rest.chop(1);
    qsizetype i = AfterDigits(rest, rest.startsWith(u'-') ? 1 : 0);
    if (i >= 0 && i < rest.size() && rest[i] == u'.')
        i = AfterDigits(rest, i + 1);
    if (i != rest.size())
        return std::nullopt;
    return text.toDouble();
}

QString Grouped(const QString& digits)
{
    QString grouped;
    for (qsizetype i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += u',';
        grouped += digits.at(i);
    }
    return grouped;
}

QString FormattedNumber(double value, const QString& format)
{
    if (format.isEmpty())
        return QString::number(value, 'g', 15);
    QString text = QString::number(std::abs(value), 'f', format.contains(u".00"_s) ? 2 : 0);
    if (format.contains(u"#,##"_s)) {
        const qsizetype point = text.indexOf(u'.');
        text = Grouped(text.left(point)) + text.mid(point);
    }
    if (value < 0)
        text.prepend(u'-');
    if (format.endsWith(u" €"_s))
        text += u" €"_s;
    return text;
}

} // namespace

SheetModel::SheetModel(QString name) : name_(std::move(name))
{
    palette_.insert(15, kStandardGrey);
}

void SheetModel::SetPaletteColor(int index, std::uint32_t rgb)
{
    palette_.insert(index, rgb);
}

std::uint32_t SheetModel::paletteColour(int index) const
{
    return palette_.value(index, 0);
}

SheetCell& SheetModel::at(int row, int column)
{
    return cells_[{ row, column }];
}

const SheetCell* SheetModel::cell(int row, int column) const
{
    const auto it = cells_.constFind({ row, column });
    return it == cells_.cend() ? nullptr : &it.value();
}

template <typename F> void SheetModel::forEach(const CellRange& range, F change)
{
    for (int row = range.firstRow; row <= range.lastRow; ++row)
        for (int column = range.firstColumn; column <= range.lastColumn; ++column)
            change(at(row, column).style);
}

void SheetModel::SetCellValue(int row, int column, const QString& text)
{
    SheetCell& c = at(row, column);
    c.text = text;
    c.number = NumberOf(text);
}

void SheetModel::SetCellText(int row, int column, const QString& text)
{
    SheetCell& c = at(row, column);
    c.text = text;
    c.number.reset();
}

void SheetModel::SetRangeColorIndex(const CellRange& range, int index)
{
    forEach(range, [index](CellStyle& s) { s.fillIndex = index; });
}

void SheetModel::SetRangeBorders(const CellRange& range, int colourIndex, int lineStyle, int mask)
{
    const CellBorder border { true, colourIndex, lineStyle };
    forEach(range, [&](CellStyle& s) {
        if (mask & kBorderLeftMask)
            s.left = border;
        if (mask & kBorderRightMask)
            s.right = border;
        if (mask & kBorderTopMask)
            s.top = border;
        if (mask & kBorderBottomMask)
            s.bottom = border;
    });
}

void SheetModel::AlignRangeCenter(const CellRange& range)
{
    forEach(range, [](CellStyle& s) { s.align = HorizontalAlign::Center; });
}

void SheetModel::AlignRangeRight(const CellRange& range)
{
    forEach(range, [](CellStyle& s) { s.align = HorizontalAlign::Right; });
}

void SheetModel::SetRangeNumberFormat(const CellRange& range, const QString& germanFormat)
{
    const QString format = NeutralNumberFormat(germanFormat);
    forEach(range, [&](CellStyle& s) { s.numberFormat = format; });
}

void SheetModel::SetRangeFontSize(const CellRange& range, double size)
{
    forEach(range, [size](CellStyle& s) { s.fontSize = size; });
}

void SheetModel::SetRangeBold(const CellRange& range)
{
    forEach(range, [](CellStyle& s) { s.bold = true; });
}

void SheetModel::AutoFitColumns(int firstColumn, int lastColumn)
{
    // One pass over the cells for all columns.
    QMap<int, qsizetype> longest;
    for (auto it = cells_.cbegin(); it != cells_.cend(); ++it) {
        const int column = it.key().second;
        if (column < firstColumn || column > lastColumn)
            continue;
        qsizetype& width = longest[column];
        width = std::max(width, ShownText(it.value()).size());
    }
    for (auto it = longest.cbegin(); it != longest.cend(); ++it)
        if (it.value() > 0)
            widths_.insert(it.key(), double(it.value()) + kFitMargin);
}

QString NeutralNumberFormat(const QString& germanFormat)
{
    QString format = germanFormat;
    for (QChar& c : format) {
        if (c == u',')
            c = u'.';
        else if (c == u'.')
            c = u',';
    }
    return format;
}

QString ShownText(const SheetCell& cell)
{
    if (cell.number)
        return FormattedNumber(*cell.number, cell.style.numberFormat);
    return cell.text;
}

QString ColumnLetter(int column)
{
    QString letters;
    for (int n = column; n > 0; n = (n - 1) / 26)
        letters.prepend(QChar(u'A' + (n - 1) % 26));
    return letters;
}
