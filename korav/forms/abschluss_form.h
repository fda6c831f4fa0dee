#pragma once

#include "korav/core/admin_passwords.h"

#include <QDate>
#include <QDialog>

class MonthClosing;
class QComboBox;
class QLabel;
class QPushButton;

// "Monate abschließen bis": the month up to which the months are closed for
// changes. Moving it back opens months again (system administrator only).
class TAbschlussForm : public QDialog {
    Q_OBJECT
public:
    TAbschlussForm(
        const MonthClosing& closing, AdminPasswords::Role role, QDate startDate, QWidget* parent = nullptr);

    void FormShow();
    // The status line of the change, once the dialog was accepted.
    const QString& statusText() const { return statusText_; }

public Q_SLOTS:
    void SaveBtnClick();

private:
    const MonthClosing& closing_;
    AdminPasswords::Role role_;
    QDate startDate_;
    QString statusText_;
    QLabel* abschlussLabel_;
    QComboBox* monatCBox_;
    QComboBox* jahrCBox_;
    QPushButton* saveBtn_;
    QPushButton* cancelBtn_;
};
