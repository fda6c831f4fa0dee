#pragma once

#include "pelin/core/time_picker_hours.h"

#include <QDialog>

class Messenger;
class PickerGridWidget;
class QLabel;
class QPushButton;

// The hours picker for the duration of an activity entry. It closes as
// soon as an hour and a minute above 0 are picked; the day sheet then
// takes hourText() and minuteText().
class TAuswStdForm : public QDialog {
    Q_OBJECT

public:
    explicit TAuswStdForm(Messenger& messenger, QWidget* parent = nullptr);

    void start(bool freeMinutes);
    QString hourText() const { return picker_.hourText(); }
    QString minuteText() const { return picker_.minuteText(); }
    // Opens just below the given control.
    void placeBelow(const QWidget* anchor);

private:
    void GridCellClick(const PickerCell& cell);
    void showChoice();

    Messenger& messenger_;
    HoursPicker picker_;
    PickerGridWidget* grid_;
    QLabel* stdLabel_;
    QLabel* minLabel_;
    QPushButton* cancelBtn_;
};
