#include "pelin/forms/picker_grid_widget.h"

#include "common/cell_steps.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

const QColor kCellFill(255, 255, 255);
const QColor kCellBorder(160, 160, 160);
const QColor kLockedFill(192, 192, 192);
const QColor kPickedFill(0, 0, 128);
const QColor kGreyText(128, 128, 128);
const QColor kCursorFrame(255, 140, 0);

std::optional<CellStep> StepOfKey(int key)
{
    switch (key) {
    case Qt::Key_Left:
        return CellStep::Left;
    case Qt::Key_Right:
        return CellStep::Right;
    case Qt::Key_Up:
        return CellStep::Up;
    case Qt::Key_Down:
        return CellStep::Down;
    default:
        return std::nullopt;
    }
}

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
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(layout_.size);
}

bool PickerGridWidget::pickable(int index) const
{
    return look_(layout_.cells[index]).pickable;
}

bool PickerGridWidget::placeCursor(CellKind kind, std::optional<int> value)
{
    int first = -1;
    int firstPlain = -1;
    for (int i = 0; i < layout_.cells.size(); ++i) {
        const PickerCell& cell = layout_.cells[i];
        if (cell.kind != kind || !pickable(i))
            continue;
        if (value && cell.value == *value)
            first = firstPlain = i;
        if (first < 0)
            first = i;
        if (firstPlain < 0 && !look_(cell).grey)
            firstPlain = i;
    }
    const int chosen = firstPlain >= 0 ? firstPlain : first;
    if (chosen < 0)
        return false;
    cursor_ = chosen;
    update();
    return true;
}

const PickerCell* PickerGridWidget::cursorCell() const
{
    return cursor_ >= 0 && cursor_ < layout_.cells.size() ? &layout_.cells[cursor_] : nullptr;
}

void PickerGridWidget::stepCursor(int key)
{
    const std::optional<CellStep> step = StepOfKey(key);
    if (!step || cursor_ < 0)
        return;
    QList<QRect> rects;
    for (const PickerCell& cell : layout_.cells)
        rects.append(cell.rect);
    cursor_ = StepCell(rects, cursor_, *step, [this](int i) { return pickable(i); });
    update();
}

void PickerGridWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
        stepCursor(event->key());
        return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (const PickerCell* cell = cursorCell(); cell != nullptr && pickable(cursor_))
            Q_EMIT cellClicked(*cell);
        return;
    default:
        QWidget::keyPressEvent(event);
    }
}

void PickerGridWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setPen(Qt::black);
    for (const PickerCaption& caption : layout_.captions)
        painter.drawText(caption.rect, Qt::AlignLeft | Qt::AlignVCenter, caption.text);
    for (const PickerCell& cell : layout_.cells)
        PaintCell(painter, cell, look_(cell));
    if (const PickerCell* cell = cursorCell(); cell != nullptr && hasFocus()) {
        painter.setPen(QPen(kCursorFrame, 2));
        painter.drawRect(cell->rect.adjusted(1, 1, -2, -2));
    }
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
