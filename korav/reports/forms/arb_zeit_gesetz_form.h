#pragma once

#include "common/holiday_calendar.h"
#include "korav/reports/core/employee_directory.h"
#include "korav/reports/core/law_report.h"
#include "korav/reports/forms/report_output_actions.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

// "  Arbeitszeitgesetz prüfen": the days of an employee or of all employees
// in a month, a quarter or a year that break the working-time law, put out
// as text file, printout, PDF, workbook or CSV file.
class TArbZeitGesetzForm : public QDialog {
    Q_OBJECT
public:
    using DataRoot = std::function<QString()>; // the data folder with its separator
    using Holidays = std::function<HolidaySettings()>;

    TArbZeitGesetzForm(DataRoot dataRoot, Holidays holidays, Messenger& messenger, const Clock& clock,
        QDate startDate, QWidget* parent = nullptr);

    void setHelpHandler(std::function<void()> openHelp) { openHelp_ = std::move(openHelp); }
    ReportOutputContext& output() { return output_; }
    QStringList reportLines() const { return report_.lines; }

    void FormShow();
    void ZeitraumCBoxChange();
    void MaLCBoxChange();
    void AnzeigenBtnClick();
    void SaveUeBtnClick();
    void DruckenUeBtnClick();
    void PdfSaveBtnClick();
    void ExcelSaveBtnClick();
    void CsvSaveBtnClick();
    void HilfeImageClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void setOutputEnabled(bool enabled);
    PeriodMode mode() const;
    ReportSelection selection() const;
    StringList projects() const;

    DataRoot dataRoot_;
    Holidays holidays_;
    Messenger& messenger_;
    QDate startDate_;
    ReportOutputContext output_;
    EmployeeDirectory directory_;
    LawReport report_;
    std::function<void()> openHelp_;

    QComboBox* maLCBox_;
    QComboBox* zeitraumCBox_;
    QComboBox* monatCBox_;
    QComboBox* jahrCBox_;
    QPlainTextEdit* ueMonatREdit_;
    QList<QPushButton*> outputButtons_;
};
