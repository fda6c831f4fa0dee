#pragma once

#include "korav/reports/core/pelin_month_viewer.h"

#include <QDialog>

#include <functional>

class QComboBox;
class QPlainTextEdit;
class QPushButton;

// "PELIN - Monatsübersicht": an employee's collected PELIN month as the
// employee sees it, to be saved as a text file.
class TPelUeMonatForm : public QDialog {
    Q_OBJECT
public:
    TPelUeMonatForm(PelinMonthViewer& viewer, PelinMonthViewer::FileChooser chooseFile,
        std::function<void()> openHelp, QDate startDate, QWidget* parent = nullptr);

    void FormShow();
    void MaLCBoxChange();
    void AnzeigenBtnClick();
    void SaveUeBtnClick();
    void HilfeImageClick();
    void CloseBtnClick();

private:
    void buildControls();
    void showReport();

    PelinMonthViewer& viewer_;
    PelinMonthViewer::FileChooser chooseFile_;
    std::function<void()> openHelp_;
    QDate startDate_;

    QComboBox* maLCBox_;
    QComboBox* monatCBox_;
    QComboBox* jahrCBox_;
    QPushButton* anzeigenBtn_;
    QPlainTextEdit* headUeMonatREdit_;
    QPlainTextEdit* pelUeMonatREdit_;
    QPushButton* saveUeBtn_;
    QPushButton* closeBtn_;
};
