#pragma once

#include "korav/core/employee_list_editor.h"

#include <QDialog>

struct KoravEnvironment;
class QLabel;
class QLineEdit;
class QListWidget;

// The employee list dialog.
class TMListeForm : public QDialog {
    Q_OBJECT
public:
    TMListeForm(KoravEnvironment& environment, BaseDataSaved saved, QWidget* parent = nullptr);

    const EmployeeListEditor& editor() const { return editor_; }

public Q_SLOTS:
    void FormShow();
    void MaNeuBtnClick();
    void Zeile_hoch_SBtnClick();
    void Zeile_runt_SBtnClick();
    void DelRowBtnClick();
    void SaveBtnClick();
    void CancelBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void buildControls(KoravEnvironment& environment);
    void refresh();
    void finish(DialogOutcome outcome);

    EmployeeListEditor editor_;
    QLineEdit* maNeuEdit_;
    QListWidget* maListeLBox_;
    QLabel* staticText3_;
    QLabel* errLabel_;
};
