#pragma once

#include "pelin/core/time_picker_come_go.h"

#include <QDialog>

class Messenger;
class PickerGridWidget;
class QLabel;
class QPushButton;

// The come/go picker: two painted panels "von" and "bis" of hour and minute
// cells. The day sheet starts it with its four time fields and, when it is
// accepted, takes the four texts of times().
class TAuswZeitForm : public QDialog {
    Q_OBJECT

public:
    explicit TAuswZeitForm(Messenger& messenger, QWidget* parent = nullptr);

    void start(const ComeGoTexts& fields, bool freeMinutes);
    ComeGoTexts times() const { return picker_.result(); }
    // Opens just below the given control.
    void placeBelow(const QWidget* anchor);

private:
    void GridCellClick(const PickerCell& cell);
    void SaveBtnClick();
    void moveOnFrom(CellKind picked);
    void showChoice();

    Messenger& messenger_;
    ComeGoPicker picker_;
    PickerGridWidget* grid_;
    QLabel* zeitraumLabel_;
    QLabel* dauerLabel_;
    QPushButton* saveBtn_;
    QPushButton* cancelBtn_;
};
