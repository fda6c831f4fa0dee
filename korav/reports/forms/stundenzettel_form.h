#pragma once

#include "korav/reports/core/timesheet.h"
#include "korav/reports/forms/report_output_actions.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QPushButton;

// "Stundenzettel": the timesheets of a month to be signed, of one employee
// or, with "00-Alle", of every employee with working times in the month.
class TStundenzettelForm : public QDialog {
    Q_OBJECT
public:
    // Asks for the folder of all sheets; an empty name cancels.
    using FolderChooser = std::function<QString(const QString& title)>;

    TStundenzettelForm(TimesheetSource source, ReportOutputContext& output, FolderChooser chooseFolder,
        QWidget* parent = nullptr);

    void FormShow();

public Q_SLOTS:
    void DruckenBtnClick();
    void PdfSaveBtnClick();

private:
    bool allChosen() const;
    int year() const;
    int month() const;

    TimesheetSource source_;
    ReportOutputContext& output_;
    FolderChooser chooseFolder_;
    QComboBox* maLCBox_;
    QComboBox* monatCBox_;
    QComboBox* jahrCBox_;
    QPushButton* druckenBtn_;
    QPushButton* pdfSaveBtn_;
    QPushButton* closeBtn_;
};
