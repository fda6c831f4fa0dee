#pragma once

#include "korav/reports/core/employee_directory.h"
#include "korav/reports/forms/report_output_actions.h"

#include <QDialog>

#include <functional>

class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QPushButton;

// "  Vorhandene Arbeitszeit-Dateien anzeigen": which months of a year have
// time files, put out as text file, printout or PDF.
class TPruefenForm : public QDialog {
    Q_OBJECT
public:
    using DataRoot = std::function<QString()>; // the data folder with its separator

    TPruefenForm(DataRoot dataRoot, Messenger& messenger, const Clock& clock, QDate startDate,
        QWidget* parent = nullptr);

    // What HilfeImage opens: the help at the check's topic.
    void setHelpHandler(std::function<void()> openHelp) { openHelp_ = std::move(openHelp); }
    ReportOutputContext& output() { return output_; }
    QStringList reportLines() const;

    void FormShow();
    void MaLCBoxChange();
    void AnzeigenBtnClick();
    void SaveUeBtnClick();
    void DruckenUeBtnClick();
    void PdfSaveBtnClick();
    void HilfeImageClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void buildControls();
    void setOutputEnabled(bool enabled);
    ReportSelection selection() const;

    DataRoot dataRoot_;
    Messenger& messenger_;
    QDate startDate_;
    ReportOutputContext output_;
    EmployeeDirectory directory_;
    std::function<void()> openHelp_;

    QComboBox* maLCBox_;
    QComboBox* jahrCBox_;
    QCheckBox* fehlendMonCBox_;
    QPushButton* anzeigenBtn_;
    QPlainTextEdit* ueMonatREdit_;
    QPushButton* saveUeBtn_;
    QPushButton* druckenUeBtn_;
    QPushButton* pdfSaveBtn_;
};
