#include "pelin/forms/picker_grid_widget.h"

#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

const QColor kCellFill(255, 255, 255);
const QColor kCellBorder(160, 160, 160);
const QColor kLockedFill(192, 192, 192);
const QColor kPickedFill(0, 0, 128);
const QColor kGreyText(128, 128, 128);

void PaintCell(QPainter& painter, const PickerCell& cell, const CellLook& look)
{
    const QRect box = cell.rect.adjusted(1, 1, -1, -1);
    QColor fill = kCellFill;
    if (!look.pickable)
        fill = kLockedFill;
    else if (look.highlighted)
        fill = kPickedFill;
    painter.fillRect(box, fill);
    painter.setPen(kCellBorder);
    painter.drawRect(box);
    if (!look.showNumber)
        return;
    QColor text = look.grey ? kGreyText : QColor(Qt::black);
    if (look.highlighted)
        text = Qt::white;
    painter.setPen(text);
    const bool minute = cell.kind == CellKind::ComeMinute || cell.kind == CellKind::GoMinute
        || cell.kind == CellKind::Minute;
    const QString number = minute ? u"%1"_s.arg(cell.value, 2, 10, QChar(u'0')) : QString::number(cell.value);
    painter.drawText(box, Qt::AlignCenter, number);
}

} // namespace

PickerGridWidget::PickerGridWidget(PickerLayout layout, LookFunction look, QWidget* parent)
    : QWidget(parent), layout_(std::move(layout)), look_(std::move(look))
{
    setMouseTracking(true);
    setFixedSize(layout_.size);
}

void PickerGridWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    for (const PickerCaption& caption : layout_.captions)
        painter.drawText(caption.rect, Qt::AlignLeft | Qt::AlignVCenter, caption.text);
    for (const PickerCell& cell : layout_.cells)
        PaintCell(painter, cell, look_(cell));
}

const PickerCell* PickerGridWidget::pickableCellAt(QPoint point) const
{
    const PickerCell* cell = layout_.cellAt(point);
    return cell != nullptr && look_(*cell).pickable ? cell : nullptr;
}

void PickerGridWidget::mouseMoveEvent(QMouseEvent* event)
{
    setCursor(
        pickableCellAt(event->position().toPoint()) != nullptr ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void PickerGridWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    if (const PickerCell* cell = pickableCellAt(event->position().toPoint()))
        Q_EMIT cellClicked(*cell);
}
