#include "korav/forms/hours_cells_widget.h"

#include "common/cell_steps.h"
#include "korav/core/month_hours_picker.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr int kCell = 28;
constexpr int kHeading = 20;
constexpr int kGap = 16;
constexpr int kHourColumns = 4;
constexpr int kMinuteColumns = 3;
constexpr int kRows = 4;
const QColor kCellGrey(216, 216, 216);
const QColor kBorder(160, 160, 160);
const QColor kCursorFrame(255, 140, 0);
constexpr int kDigits = 10;

QRect CellRect(int left, int column, int row)
{
    return QRect(left + column * kCell, kHeading + row * kCell, kCell, kCell);
}

int MinuteLeft()
{
    return kHourColumns * kCell + kGap;
}

void PaintCell(QPainter& painter, const QRect& rect, const QString& text, bool white)
{
    const QRect box = rect.adjusted(1, 1, -1, -1);
    painter.fillRect(box, white ? QColor(Qt::white) : kCellGrey);
    painter.setPen(kBorder);
    painter.drawRect(box);
    painter.setPen(Qt::black);
    painter.drawText(box, Qt::AlignCenter, text);
}

} // namespace

HoursCellsWidget::HoursCellsWidget(const MonthHoursPicker& picker, QWidget* parent)
    : QWidget(parent), picker_(picker)
{
    setObjectName(u"HoursCells"_s);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
}

void HoursCellsWidget::placeCursorOnDigit(int digit)
{
    cursor_ = digit;
    update();
}

QList<QRect> HoursCellsWidget::cursorRects() const
{
    QList<QRect> rects;
    for (int digit = 0; digit < kDigits; ++digit)
        rects.append(digitRect(digit));
    for (int minute = 0; minute < 60; minute += 5)
        rects.append(minuteRect(minute));
    return rects;
}

bool HoursCellsWidget::cursorUsable(int index) const
{
    return index < kDigits || picker_.minuteReacts((index - kDigits) * 5);
}

void HoursCellsWidget::clickCursor()
{
    if (!cursorUsable(cursor_))
        return;
    if (cursor_ < kDigits)
        Q_EMIT digitClicked(cursor_);
    else
        Q_EMIT minuteClicked((cursor_ - kDigits) * 5);
}

void HoursCellsWidget::keyPressEvent(QKeyEvent* event)
{
    static const QList<std::pair<int, CellStep>> steps = { { Qt::Key_Left, CellStep::Left },
        { Qt::Key_Right, CellStep::Right }, { Qt::Key_Up, CellStep::Up }, { Qt::Key_Down, CellStep::Down } };
    for (const auto& [key, step] : steps) {
        if (event->key() == key) {
            cursor_ = StepCell(cursorRects(), cursor_, step, [this](int i) { return cursorUsable(i); });
            update();
            return;
        }
    }
    if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter || event->key() == Qt::Key_Space)
        clickCursor();
    else
        QWidget::keyPressEvent(event);
}

QSize HoursCellsWidget::sizeHint() const
{
    return QSize(MinuteLeft() + kMinuteColumns * kCell + 1, kHeading + kRows * kCell + 1);
}

QRect HoursCellsWidget::digitRect(int digit) const
{
    return CellRect(0, digit % kHourColumns, digit / kHourColumns);
}

QRect HoursCellsWidget::minuteRect(int minute) const
{
    const int cell = minute / 5;
    return CellRect(MinuteLeft(), cell % kMinuteColumns, cell / kMinuteColumns);
}

void HoursCellsWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.drawText(QRect(0, 0, kHourColumns * kCell, kHeading), Qt::AlignCenter, u"Std."_s);
    painter.drawText(QRect(MinuteLeft(), 0, kMinuteColumns * kCell, kHeading), Qt::AlignCenter, u"Min."_s);
    for (int cell = 0; cell < kRows * kHourColumns; ++cell) {
        const bool digit = cell < 10;
        PaintCell(painter, digitRect(cell), digit ? QString::number(cell) : QString(),
            digit && picker_.highlightedDigit() == cell);
    }
    for (int minute = 0; minute < 60; minute += 5) {
        const bool reacts = picker_.minuteReacts(minute);
        PaintCell(painter, minuteRect(minute), reacts ? u"%1"_s.arg(minute, 2, 10, QChar(u'0')) : QString(),
            reacts && picker_.minutes() == minute);
    }
    if (hasFocus()) {
        painter.setPen(QPen(kCursorFrame, 2));
        painter.drawRect(cursorRects()[cursor_].adjusted(1, 1, -2, -2));
    }
}

int HoursCellsWidget::digitAt(QPoint point) const
{
    for (int digit = 0; digit < 10; ++digit) {
        if (digitRect(digit).contains(point))
            return digit;
    }
    return -1;
}

int HoursCellsWidget::minuteAt(QPoint point) const
{
    for (int minute = 0; minute < 60; minute += 5) {
        if (picker_.minuteReacts(minute) && minuteRect(minute).contains(point))
            return minute;
    }
    return -1;
}

void HoursCellsWidget::mouseMoveEvent(QMouseEvent* event)
{
    const QPoint point = event->position().toPoint();
    setCursor(digitAt(point) >= 0 || minuteAt(point) >= 0 ? Qt::PointingHandCursor : Qt::ArrowCursor);
}

void HoursCellsWidget::mousePressEvent(QMouseEvent* event)
{
    if (event->button() != Qt::LeftButton)
        return;
    const QPoint point = event->position().toPoint();
    if (const int digit = digitAt(point); digit >= 0)
        Q_EMIT digitClicked(digit);
    else if (const int minute = minuteAt(point); minute >= 0)
        Q_EMIT minuteClicked(minute);
}
