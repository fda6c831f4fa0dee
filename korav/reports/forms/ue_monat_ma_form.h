#pragma once

#include "common/data_file_codec.h"
#include "korav/reports/core/employee_overview.h"
#include "korav/reports/forms/report_output_actions.h"

#include <QDialog>

#include <functional>

class Clock;
class Messenger;
class QComboBox;
class QLabel;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// The employee overview of a month, a quarter or a year; the text comes
// from the core and goes out as text file, printout, PDF or workbook.
class TUeMonatMaForm : public QDialog {
    Q_OBJECT
public:
    using DataRoot = std::function<QString()>; // the data folder with its separator

    TUeMonatMaForm(DataRoot dataRoot, Messenger& messenger, const Clock& clock, QDate startDate,
        QWidget* parent = nullptr);

    // What HilfeImage opens: the help at the reports' topic.
    void setHelpHandler(std::function<void()> openHelp) { openHelp_ = std::move(openHelp); }
    // What the opening command of the main window sets before showing.
    void Prepare(PeriodMode mode);
    PeriodMode mode() const { return mode_; }
    ReportOutputContext& output() { return output_; }
    QStringList reportLines() const;
    const ExportBuffer& exportBuffer() const { return exportBuffer_; }

    void FormShow();
    void MaLCBoxChange();
    void AnzeigenBtnClick();
    void SaveUeBtnClick();
    void DruckenUeBtnClick();
    void PdfSaveBtnClick();
    void ExcelSaveBtnClick();
    void CsvSaveBtnClick();
    void CloseBtnClick();
    void HilfeImageClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void setOutputEnabled(bool enabled);
    ReportSelection selection() const;

    DataRoot dataRoot_;
    Messenger& messenger_;
    const Clock& clock_;
    QDate startDate_;
    DataFileCodec codec_;
    ReportOutputContext output_;
    PeriodMode mode_ = PeriodMode::Month;
    EmployeeDirectory directory_;
    ExportBuffer exportBuffer_;
    std::function<void()> openHelp_;

    QComboBox* maLCBox_;
    QLabel* label2_;
    QComboBox* monatCBox_;
    QComboBox* jahrCBox_;
    QPushButton* anzeigenBtn_;
    QPlainTextEdit* ueMonatREdit_;
    QPushButton* saveUeBtn_;
    QPushButton* druckenUeBtn_;
    QPushButton* pdfSaveBtn_;
    QPushButton* excelSaveBtn_;
    QPushButton* csvSaveBtn_;
    QPushButton* closeBtn_;
    QProgressBar* progressBar2_;
    QProgressBar* progressBar1_;
};
