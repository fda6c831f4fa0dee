#pragma once

#include "common/data_file_codec.h"
#include "korav/reports/core/export_lines.h"
#include "korav/reports/forms/report_output_actions.h"

#include <QDialog>

#include <functional>

class Clock;
class Messenger;
class QComboBox;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// The report "Arbeitszeitkonto" of a year; the text comes from the core and
// goes out as text file, printout, PDF or workbook.
class TKontoUeForm : public QDialog {
    Q_OBJECT
public:
    using DataRoot = std::function<QString()>; // the data folder with its separator

    TKontoUeForm(DataRoot dataRoot, Messenger& messenger, const Clock& clock, QDate startDate,
        std::function<void()> openHelp, QWidget* parent = nullptr);

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
    ExportBuffer exportBuffer_;
    std::function<void()> openHelp_;

    QComboBox* maLCBox_;
    QComboBox* jahrCBox_;
    QPushButton* anzeigenBtn_;
    QPlainTextEdit* kontoREdit_;
    QPushButton* saveUeBtn_;
    QPushButton* druckenUeBtn_;
    QPushButton* pdfSaveBtn_;
    QPushButton* excelSaveBtn_;
    QPushButton* csvSaveBtn_;
    QProgressBar* progressBar2_;
    QProgressBar* progressBar1_;
};
