#pragma once

#include "korav/core/hourly_rates_editor.h"

#include <QDialog>

struct KoravEnvironment;
class QTableWidget;
class QTabWidget;

// The hourly rates of the current year.
class TStdSatzForm : public QDialog {
    Q_OBJECT
public:
    TStdSatzForm(KoravEnvironment& environment, int year, QWidget* parent = nullptr);

    const HourlyRatesEditor& editor() const { return editor_; }
    // The main window calls it before showing.
    void FormShow(const QStringList& employees);

public Q_SLOTS:
    void SaveBtnClick();
    void CancelBtnClick();

protected:
    void reject() override;

private:
    void showRows();
    void cellChanged(int row, int column);
    void finish(DialogOutcome outcome);

    HourlyRatesEditor editor_;
    QTabWidget* pageControl1_;
    QWidget* msTabSheet_;
    QTableWidget* stdSatzSGrid_;
    bool filling_ = false;
};
