#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

// The painted grids of the two time pickers: where each cell lies and what
// it holds. The forms paint and hit-test through this, so that the cell
// arrangement is tested without a window.

enum class CellKind { ComeHour, ComeMinute, GoHour, GoMinute, Hour, Minute };

struct PickerCell {
    CellKind kind = CellKind::Hour;
    int value = 0;
    QRect rect;
};

struct PickerCaption {
    QString text;
    QRect rect;
};

struct PickerLayout {
    QList<PickerCell> cells;
    QList<PickerCaption> captions;
    QSize size;

    // The cell under a point, or nullptr.
    const PickerCell* cellAt(QPoint point) const;
    const PickerCell* find(CellKind kind, int value) const;
};

// The minute in column c (0 to 3) and row r (0 to 2) of a minute grid.
constexpr int MinuteOfCell(int column, int row)
{
    return 15 * column + 5 * row;
}

// Panels "von" and "bis", each with 24 hour cells (hour 6c + r) and twelve
// minute cells; "bis" also has the cell "24" below its minutes.
PickerLayout ComeGoPickerLayout();
// Sixteen hour cells (hour 4c + r) and twelve minute cells.
PickerLayout HoursPickerLayout();
