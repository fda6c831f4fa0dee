#pragma once

#include <QDialog>

class QLineEdit;
class QRadioButton;
class TZeitSollForm;

// The row-copy dialog of the target times.
class TZeitUeberForm : public QDialog {
    Q_OBJECT
public:
    explicit TZeitUeberForm(TZeitSollForm& targets);

    void FormShow();

public Q_SLOTS:
    void DoBtnClick();

private:
    TZeitSollForm& targets_;
    QLineEdit* vonEdit_;
    QLineEdit* nachEdit_;
    QRadioButton* eineZeileRBtn_;
    QRadioButton* alleZeilenRBtn_;
};
