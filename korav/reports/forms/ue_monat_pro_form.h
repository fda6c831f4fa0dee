#pragma once

#include "korav/reports/core/project_overview.h"
#include "korav/reports/forms/report_output_actions.h"

#include <QDialog>

#include <functional>
#include <optional>
#include <utility>

class DataFileCodec;
class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;

// The project overview of a month, a quarter or a year: hours and costs by
// activity and employee.
class TUeMonatProForm : public QDialog {
    Q_OBJECT
public:
    // Key and description (preceded by a blank), both empty when nothing
    // was chosen; nothing when the chooser was cancelled.
    using ActivityChooser = std::function<std::optional<std::pair<QString, QString>>()>;

    TUeMonatProForm(QString dataRoot, DataFileCodec& codec, ReportOutputContext output,
        ActivityChooser chooseActivity, std::function<void()> openHelp, QWidget* parent = nullptr);

    // Before showing: the opening command's mode sets caption and selectors.
    void SetMode(PeriodMode mode);
    void FormShow();
    void ProjektNrEditClick();
    void ProjektNrEditChange();
    void AnzeigenBtnClick();
    void SaveUeBtnClick();
    void DruckenUeBtnClick();
    void PdfSaveBtnClick();
    void ExcelSaveBtnClick();
    void CsvSaveBtnClick();
    void HilfeImageClick();

    const ExportBuffer& exportBuffer() const { return overview_.exportLines; }

private:
    void buildControls();
    void setOutputEnabled(bool enabled);
    ReportSelection selection() const;

    QString dataRoot_;
    DataFileCodec& codec_;
    ReportOutputContext output_;
    ActivityChooser chooseActivity_;
    std::function<void()> openHelp_;
    PeriodMode mode_ = PeriodMode::Month;
    ProjectOverviewData data_;
    ProjectOverview overview_;

    QLineEdit* projektNrEdit_;
    QLabel* projektBeschreibungLabel_;
    QLabel* label2_;
    QComboBox* monatCBox_;
    QComboBox* jahrCBox_;
    QCheckBox* prognoseCBox_;
    QPushButton* anzeigenBtn_;
    QPlainTextEdit* ueMonatREdit_;
    QPushButton* saveUeBtn_;
    QPushButton* druckenUeBtn_;
    QPushButton* pdfSaveBtn_;
    QPushButton* excelSaveBtn_;
    QPushButton* csvSaveBtn_;
    QProgressBar* progressBar2_;
    QProgressBar* progressBar1_;
};
