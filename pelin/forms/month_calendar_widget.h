#pragma once

#include "common/calendar_dates.h"
#include "common/holiday_calendar.h"
#include "common/working_time.h"

#include <QDate>
#include <QWidget>
#include <array>

// The painted month grid: week labels, weekday headings, one cell per day
// with its state colour, and the holiday name of the displayed day above.
class MonthCalendarWidget : public QWidget {
    Q_OBJECT
public:
    explicit MonthCalendarWidget(QWidget* parent = nullptr);

    void setMonth(const MonthLayout& layout, const HolidayCalendar& holidays);
    void setDisplayedDay(int day);
    void setToday(QDate today) { today_ = today; }
    void setDayStates(const std::array<DayState, 32>& states);
    void clearDayStates();

    // The day in the cell under a point, or 0.
    int dayAt(const QPoint& point) const;
    QRect cellRect(int row, int column) const;
    // The holiday name drawn above the grid; empty when none.
    QString holidayNameShown() const;

    QSize sizeHint() const override;

Q_SIGNALS:
    void daySelected(int day);
    // Arrow keys step days (left, right) or weeks (up, down); PageUp and
    // PageDown step months. Whether the step is allowed is for the caller.
    void daysStepped(int days);
    void monthStepped(int months);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void paintHeadings(QPainter& painter) const;
    void paintDay(QPainter& painter, int row, int column, int day) const;

    MonthLayout layout_ { 2000, 1 };
    HolidayCalendar holidays_ { HolidaySettings {}, 2000 };
    int displayedDay_ = 1;
    QDate today_;
    std::array<DayState, 32> states_ {};
};
