#pragma once

#include <QWidget>

class MonthHoursPicker;

// The painted cells of the hours picker: a block of 4 × 4 hour cells whose
// first ten carry the digits, and 4 × 3 minute cells. With the focus, the
// arrow keys move a framed cell and Enter or Space clicks it.
class HoursCellsWidget : public QWidget {
    Q_OBJECT
public:
    explicit HoursCellsWidget(const MonthHoursPicker& picker, QWidget* parent = nullptr);

    QSize sizeHint() const override;
    // Where the cell of a digit or a minute lies, for clicks in tests.
    QRect digitRect(int digit) const;
    QRect minuteRect(int minute) const;
    // Frames the digit cell of the given digit.
    void placeCursorOnDigit(int digit);

Q_SIGNALS:
    void digitClicked(int digit);
    void minuteClicked(int minute);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    int digitAt(QPoint point) const;
    int minuteAt(QPoint point) const;
    // Cursor positions: the ten digits first, then the twelve minutes.
    QList<QRect> cursorRects() const;
    bool cursorUsable(int index) const;
    void clickCursor();

    const MonthHoursPicker& picker_;
    int cursor_ = 0;
};
