#pragma once

#include "korav/core/target_times_editor.h"

#include <QDialog>

struct KoravEnvironment;
class QCheckBox;
class QLineEdit;
class QPushButton;
class QTableWidget;
class QTabWidget;
class TAuswMonatStdForm;
class TZeitUeberForm;

// The target-times dialog: monthly targets of one year, the daily target
// and the minute raster.
class TZeitSollForm : public QDialog {
    Q_OBJECT
public:
    TZeitSollForm(KoravEnvironment& environment, TAuswMonatStdForm& picker, int startYear,
        BaseDataSaved saved, QWidget* parent = nullptr);

    const TargetTimesEditor& editor() const { return editor_; }
    TZeitUeberForm& rowCopyForm() { return *zeitUeberForm_; }
    // The main window calls it before showing; false when the dialog must
    // not open.
    bool FormShow(const QStringList& employees);
    // The grid after the row-copy dialog changed the editor.
    void copyRow(const QString& from, const QString& to, bool allRows);

public Q_SLOTS:
    void VorJahrBtnClick();
    void AktJahrBtnClick();
    void FolJahrBtnClick();
    void MS_ZeileKopBtnClick();
    void TagArbZeitStdEditClick();
    void SaveBtnClick();
    void CancelBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void buildControls(KoravEnvironment& environment);
    QWidget* buildDailyTarget();
    void switchYear(int year, bool nextYearWording);
    void showYear();
    void showYearButtons();
    void showDaily();
    void cellChanged(int row, int column);
    void selectFaultyCell();
    void finish(DialogOutcome outcome);

    KoravEnvironment& environment_;
    TargetTimesEditor editor_;
    TAuswMonatStdForm& picker_;
    TZeitUeberForm* zeitUeberForm_;
    QTabWidget* pageControl1_;
    QWidget* msTabSheet_;
    QTableWidget* zeitSollSGrid_;
    QPushButton* vorJahrBtn_;
    QPushButton* aktJahrBtn_;
    QPushButton* folJahrBtn_;
    QLineEdit* tagArbZeitStdEdit_;
    QLineEdit* tagArbZeitMinEdit_;
    QCheckBox* min5CBox_;
    bool filling_ = false;
};
