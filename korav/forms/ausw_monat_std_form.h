#pragma once

#include "korav/core/month_hours_picker.h"

#include <QDialog>

class Messenger;
class QLabel;
class HoursCellsWidget;

// The hours picker: digit cells for up to three hour digits and the minute
// cells. It closes as soon as the pick is complete; with result Accepted the
// caller takes hourText() and minuteText().
class TAuswMonatStdForm : public QDialog {
    Q_OBJECT
public:
    explicit TAuswMonatStdForm(Messenger& messenger, QWidget* parent = nullptr);

    // Before showing: the caller's tag and the minute precision (5 or 15).
    void start(int tag, int precision);
    int tag() const { return picker_.tag(); }
    const MonthHoursPicker& picker() const { return picker_; }
    QString hourText() const { return picker_.hourText(); }
    QString minuteText() const { return picker_.minuteText(); }
    // Opens just below the clicked field.
    void placeBelow(const QWidget* anchor);

public Q_SLOTS:
    void DigitClick(int digit);
    void MinuteClick(int minute);
    void DelT1SBtnClick();

private:
    void finish(MonthHoursPicker::Outcome outcome);
    void refresh();

    MonthHoursPicker picker_;
    HoursCellsWidget* cells_;
    QLabel* stundenLabel_;
};
