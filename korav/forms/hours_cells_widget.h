#pragma once

#include <QWidget>

class MonthHoursPicker;

// The painted cells of the hours picker: a block of 4 × 4 hour cells whose
// first ten carry the digits, and 4 × 3 minute cells.
class HoursCellsWidget : public QWidget {
    Q_OBJECT
public:
    explicit HoursCellsWidget(const MonthHoursPicker& picker, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // Where the cell of a digit or a minute lies, for clicks in tests.
    QRect digitRect(int digit) const;
    QRect minuteRect(int minute) const;

Q_SIGNALS:
    void digitClicked(int digit);
    void minuteClicked(int minute);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    int digitAt(QPoint point) const;
    int minuteAt(QPoint point) const;

    const MonthHoursPicker& picker_;
};
