#pragma once

#include "korav/core/holiday_settings_editor.h"

#include <QDialog>

struct KoravEnvironment;
class QCheckBox;
class QLabel;
class QRadioButton;

// The public-holiday settings: country and Germany's regional holidays.
class TFeiertagForm : public QDialog {
    Q_OBJECT
public:
    TFeiertagForm(KoravEnvironment& environment, BaseDataSaved saved, QWidget* parent = nullptr);

    const HolidaySettingsEditor& editor() const { return editor_; }

public Q_SLOTS:
    void FormShow();
    void SaveBtnClick();
    void CancelBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void reject() override;

private:
    void buildControls(KoravEnvironment& environment);
    void countryClicked(int code);
    void showSwitches();
    void pull();
    void finish(DialogOutcome outcome);

    HolidaySettingsEditor editor_;
    QList<std::pair<QRadioButton*, int>> countries_;
    QList<QCheckBox*> checkBoxes_;
    QList<QLabel*> notes_;
};
