#pragma once

#include <QDialog>

class ActivityListEditor;
class QLineEdit;
class QPushButton;

// The captions of PELIN's fourth and fifth quick-entry buttons; a change
// lives in the activity dialog until that dialog saves.
class TBezeichnungForm : public QDialog {
    Q_OBJECT
public:
    TBezeichnungForm(ActivityListEditor& editor, QWidget* parent = nullptr);

    void FormShow();

public Q_SLOTS:
    void CloseBtnClick();

protected:
    void reject() override;

private:
    ActivityListEditor& editor_;
    QLineEdit* bezeichnung4Edit_;
    QLineEdit* bezeichnung5Edit_;
    QPushButton* closeBtn_;
};
