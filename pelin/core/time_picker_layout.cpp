#include "pelin/core/time_picker_layout.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kCellWidth = 26;
constexpr int kCellHeight = 20;
constexpr int kGap = 10;
constexpr int kHeadHeight = 20;
constexpr int kCaptionHeight = 18;
constexpr int kGridWidth = 4 * kCellWidth;

QRect CellRect(QPoint origin, int column, int row)
{
    return QRect(origin.x() + column * kCellWidth, origin.y() + row * kCellHeight, kCellWidth, kCellHeight);
}

void AddHourGrid(PickerLayout& layout, CellKind kind, QPoint origin, int rows)
{
    layout.captions.append(
        { u"Std."_s, QRect(origin.x(), origin.y() - kCaptionHeight, kGridWidth, kCaptionHeight) });
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < rows; ++row)
            layout.cells.append({ kind, rows * column + row, CellRect(origin, column, row) });
}

void AddMinuteGrid(PickerLayout& layout, CellKind kind, QPoint origin)
{
    layout.captions.append(
        { u"Min."_s, QRect(origin.x(), origin.y() - kCaptionHeight, kGridWidth, kCaptionHeight) });
    for (int column = 0; column < 4; ++column)
        for (int row = 0; row < 3; ++row)
            layout.cells.append({ kind, MinuteOfCell(column, row), CellRect(origin, column, row) });
}

int AddComeGoPanel(PickerLayout& layout, bool going, int left)
{
    const int panelWidth = 2 * kGridWidth + kGap;
    layout.captions.append({ going ? u"bis"_s : u"von"_s, QRect(left, 0, panelWidth, kHeadHeight) });
    const int top = kHeadHeight + kCaptionHeight;
    AddHourGrid(layout, going ? CellKind::GoHour : CellKind::ComeHour, QPoint(left, top), 6);
    const QPoint minutes(left + kGridWidth + kGap, top);
    AddMinuteGrid(layout, going ? CellKind::GoMinute : CellKind::ComeMinute, minutes);
    if (going)
        layout.cells.append({ CellKind::GoHour, 24, CellRect(minutes + QPoint(0, kGap), 0, 3) });
    return left + panelWidth;
}

} // namespace

const PickerCell* PickerLayout::cellAt(QPoint point) const
{
    for (const PickerCell& cell : cells)
        if (cell.rect.contains(point))
            return &cell;
    return nullptr;
}

const PickerCell* PickerLayout::find(CellKind kind, int value) const
{
    for (const PickerCell& cell : cells)
        if (cell.kind == kind && cell.value == value)
            return &cell;
    return nullptr;
}

PickerLayout ComeGoPickerLayout()
{
    PickerLayout layout;
    const int comeRight = AddComeGoPanel(layout, false, 0);
    const int goRight = AddComeGoPanel(layout, true, comeRight + 2 * kGap);
    layout.size = QSize(goRight, kHeadHeight + kCaptionHeight + 6 * kCellHeight);
    return layout;
}

PickerLayout HoursPickerLayout()
{
    PickerLayout layout;
    AddHourGrid(layout, CellKind::Hour, QPoint(0, kCaptionHeight), 4);
    AddMinuteGrid(layout, CellKind::Minute, QPoint(kGridWidth + kGap, kCaptionHeight));
    layout.size = QSize(2 * kGridWidth + kGap, kCaptionHeight + 4 * kCellHeight);
    return layout;
}
