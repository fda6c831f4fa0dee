#pragma once

#include "korav/core/account_settings_editor.h"

#include <QDialog>

#include <array>

struct KoravEnvironment;
class QPushButton;
class QTableWidget;

// The account settings: per employee and year the opening balance of the
// working-time account, the holiday entitlement and the days carried over.
class TKontoForm : public QDialog {
    Q_OBJECT
public:
    TKontoForm(
        KoravEnvironment& environment, QDate startDate, BaseDataSaved saved, QWidget* parent = nullptr);

    const AccountSettingsEditor& editor() const { return editor_; }
    // The main window calls it before showing.
    void FormShow(const QStringList& employees);
    void YearBtnClick(int year);

public Q_SLOTS:
    void SaveBtnClick();
    void CancelBtnClick();

protected:
    void reject() override;

private:
    void showRows();
    void showYearButtons();
    void cellChanged(int row, int column);
    void pointToFault();
    void finish(DialogOutcome outcome);

    AccountSettingsEditor editor_;
    QTableWidget* kontoSGrid_;
    std::array<QPushButton*, 3> yearBtns_ {};
    bool filling_ = false;
};
