#pragma once

#include <QHash>
#include <QMap>
#include <QString>

#include <cstdint>
#include <optional>

// A worksheet built by the same calls, in the same order, as the
// spreadsheet automation of the export; the workbook file is written from it
// afterwards. Rows and columns count from 1, as the automation counts them.

enum class HorizontalAlign { General, Center, Right };

struct CellBorder {
    bool set = false;
    int colourIndex = 0;
    int lineStyle = 0;

    bool operator==(const CellBorder&) const = default;
};

struct CellStyle {
    std::optional<int> fillIndex;
    CellBorder left;
    CellBorder right;
    CellBorder top;
    CellBorder bottom;
    HorizontalAlign align = HorizontalAlign::General;
    QString numberFormat; // neutral notation, for example "0.00"
    double fontSize = 0; // 0: the sheet's default
    bool bold = false;

    bool operator==(const CellStyle&) const = default;
};

struct SheetCell {
    QString text;
    std::optional<double> number; // a text the spreadsheet would read as a number
    CellStyle style;
};

struct CellRange {
    int firstRow = 1;
    int firstColumn = 1;
    int lastRow = 1;
    int lastColumn = 1;
};

// Border items of the automation's border collection, as mask bits 2^i.
inline constexpr int kBorderLeftMask = 2;
inline constexpr int kBorderRightMask = 4;
inline constexpr int kBorderTopMask = 8;
inline constexpr int kBorderBottomMask = 16;

class SheetModel {
public:
    explicit SheetModel(QString name);

    const QString& name() const { return name_; }

    // Palette entries the sheet uses, as 0xRRGGBB; 15 is the standard grey.
    void SetPaletteColor(int index, std::uint32_t rgb);
    std::uint32_t paletteColour(int index) const;

    // Cell values are given as text; a plain decimal number (sign, digits,
    // point) becomes a numeric cell, as the spreadsheet application would
    // turn it into one.
    void SetCellValue(int row, int column, const QString& text);
    // A text cell whatever it holds: keys and names keep their leading
    // zeros ("0815").
    void SetCellText(int row, int column, const QString& text);
    void SetRangeColorIndex(const CellRange& range, int index);
    void SetRangeBorders(const CellRange& range, int colourIndex, int lineStyle, int mask);
    void AlignRangeCenter(const CellRange& range);
    void AlignRangeRight(const CellRange& range);
    void SetRangeNumberFormat(const CellRange& range, const QString& germanFormat);
    void SetRangeFontSize(const CellRange& range, double size);
    void SetRangeBold(const CellRange& range);
    // Widths from the longest shown text of each column at this moment.
    void AutoFitColumns(int firstColumn, int lastColumn);

    // Cells in row-major order, keyed by (row, column).
    const QMap<std::pair<int, int>, SheetCell>& cells() const { return cells_; }
    const QMap<int, double>& columnWidths() const { return widths_; }
    const SheetCell* cell(int row, int column) const;

private:
    SheetCell& at(int row, int column);
    template <typename F> void forEach(const CellRange& range, F change);

    QString name_;
    QMap<std::pair<int, int>, SheetCell> cells_;
    QMap<int, double> widths_;
    QHash<int, std::uint32_t> palette_;
};

// The number format as the file stores it: the German notation's decimal
// comma and thousands point swapped ("####0,00" becomes "####0.00").
QString NeutralNumberFormat(const QString& germanFormat);
// The text a cell shows, with its number format applied.
QString ShownText(const SheetCell& cell);
// "A" for 1, "N" for 14.
QString ColumnLetter(int column);
