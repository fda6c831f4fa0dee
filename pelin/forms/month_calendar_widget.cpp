#include "pelin/forms/month_calendar_widget.h"

#include "common/calendar_names.h"
#include "pelin/core/calendar_cell_style.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

using namespace Qt::StringLiterals;

namespace {

constexpr int kCellWidth = 36;
constexpr int kCellHeight = 24;
constexpr int kNameHeight = 22; // holiday name above the grid
constexpr int kHeadingHeight = 20;

QColor ToColor(const Rgb& rgb)
{
    return QColor(rgb.red, rgb.green, rgb.blue);
}

} // namespace

MonthCalendarWidget::MonthCalendarWidget(QWidget* parent) : QWidget(parent)
{
    setObjectName(u"MonatKalender"_s);
    setCursor(Qt::PointingHandCursor);
    setFocusPolicy(Qt::StrongFocus);
}

void MonthCalendarWidget::setMonth(const MonthLayout& layout, const HolidayCalendar& holidays)
{
    layout_ = layout;
    holidays_ = holidays;
    holidays_.setYear(layout.year());
    update();
}

void MonthCalendarWidget::setDisplayedDay(int day)
{
    displayedDay_ = day;
    update();
}

void MonthCalendarWidget::setDayStates(const std::array<DayState, 32>& states)
{
    states_ = states;
    update();
}

void MonthCalendarWidget::clearDayStates()
{
    setDayStates({});
}

QSize MonthCalendarWidget::sizeHint() const
{
    return { kCellWidth * (MonthLayout::kColumns + 1) + 1,
        kNameHeight + kHeadingHeight + kCellHeight * MonthLayout::kRows + 1 };
}

// Column 0 holds the week labels, columns 1 to 7 the days.
QRect MonthCalendarWidget::cellRect(int row, int column) const
{
    return { kCellWidth * (column + 1), kNameHeight + kHeadingHeight + kCellHeight * row, kCellWidth,
        kCellHeight };
}

int MonthCalendarWidget::dayAt(const QPoint& point) const
{
    for (int row = 0; row < MonthLayout::kRows; ++row)
        for (int column = 0; column < MonthLayout::kColumns; ++column)
            if (cellRect(row, column).contains(point))
                return layout_.dayAt(row, column);
    return 0;
}

QString MonthCalendarWidget::holidayNameShown() const
{
    return holidays_.holidayName(displayedDay_, layout_.month());
}

void MonthCalendarWidget::mousePressEvent(QMouseEvent* event)
{
    const int day = dayAt(event->position().toPoint());
    if (day > 0)
        Q_EMIT daySelected(day);
}

void MonthCalendarWidget::keyPressEvent(QKeyEvent* event)
{
    switch (event->key()) {
    case Qt::Key_Left:
        Q_EMIT daysStepped(-1);
        break;
    case Qt::Key_Right:
        Q_EMIT daysStepped(1);
        break;
    case Qt::Key_Up:
        Q_EMIT daysStepped(-7);
        break;
    case Qt::Key_Down:
        Q_EMIT daysStepped(7);
        break;
    case Qt::Key_PageUp:
        Q_EMIT monthStepped(-1);
        break;
    case Qt::Key_PageDown:
        Q_EMIT monthStepped(1);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void MonthCalendarWidget::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, 0, width(), kNameHeight), Qt::AlignCenter, holidayNameShown().trimmed());
    paintHeadings(painter);
    for (int row = 0; row < MonthLayout::kRows; ++row) {
        for (int column = 0; column < MonthLayout::kColumns; ++column) {
            if (column >= 5)
                painter.fillRect(cellRect(row, column), ToColor(kCalendarWeekendBackdrop));
            if (const int day = layout_.dayAt(row, column))
                paintDay(painter, row, column, day);
        }
    }
}

void MonthCalendarWidget::paintHeadings(QPainter& painter) const
{
    const int top = kNameHeight;
    painter.setPen(Qt::black);
    painter.drawText(QRect(0, top, kCellWidth, kHeadingHeight), Qt::AlignCenter, u"KW"_s);
    for (int column = 0; column < MonthLayout::kColumns; ++column)
        painter.drawText(QRect(kCellWidth * (column + 1), top, kCellWidth, kHeadingHeight), Qt::AlignCenter,
            WeekdayHeading(column + 1));
    for (int row = 0; row < MonthLayout::kRows; ++row) {
        painter.setPen(layout_.rowAfterMonthEnd(row) ? ToColor(kCalendarSilver) : QColor(Qt::black));
        const QRect label = cellRect(row, -1);
        painter.drawText(label, Qt::AlignCenter, u"%1"_s.arg(layout_.weekLabel(row), 2, 10, QChar(u'0')));
    }
}

void MonthCalendarWidget::paintDay(QPainter& painter, int row, int column, int day) const
{
    const QDate date(layout_.year(), layout_.month(), day);
    CalendarCellFacts facts;
    facts.weekend = column >= 5;
    facts.holiday = holidays_.isHoliday(day, layout_.month());
    facts.displayed = day == displayedDay_;
    facts.today = date == today_;
    facts.state = states_.at(day);
    const CalendarCellStyle style = StyleOfCalendarCell(facts);

    const QRect cell = cellRect(row, column).adjusted(1, 1, -1, -1);
    if (style.background)
        painter.fillRect(cell, ToColor(*style.background));
    if (style.orangeFrame) {
        painter.setPen(QPen(ToColor(kCalendarOrangeFrame), 2));
        painter.drawRect(cell.adjusted(1, 1, -1, -1));
    }
    if (style.todayFrame) {
        QPainterPath frame;
        frame.addRoundedRect(cell, 3, 3);
        painter.setPen(QPen(ToColor(kCalendarTodayFrame), 1));
        painter.drawPath(frame);
    }
    painter.setPen(ToColor(style.text));
    painter.drawText(cell, Qt::AlignCenter, u"%1"_s.arg(day, 3));
}
