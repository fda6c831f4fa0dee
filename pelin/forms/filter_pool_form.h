#pragma once

#include "pelin/core/filter_pool_editor.h"

#include <QDialog>

class ActivityListView;
class Messenger;
class QLabel;
class QLineEdit;
class QListWidget;

// "Tätigkeiten-Filter bearbeiten": builds the pool from the activity list.
class TFilterPoolForm : public QDialog {
    Q_OBJECT
public:
    TFilterPoolForm(Messenger& messenger, QWidget* parent = nullptr);

    // Fills the dialog for the editor's pool; shows nothing.
    void prepare(FilterPoolEditor& editor, const StringList& activities, int masterLength);
    // Result of the last close through "Schließen" (Unchanged after "Abbrechen").
    FilterPoolEditor::CloseResult closeResult() const { return closeResult_; }

    void SuchEditKeyUp();
    void DelT1BtnClick();
    void MaPoolPlusBtnClick();
    void DelMarkZeileBtnClick();
    void DelAlleZeilenBtnClick();
    void CloseBtnClick();
    void CancelBtnClick();

private:
    void fillPool();

    Messenger& messenger_;
    FilterPoolEditor* editor_ = nullptr;
    int masterLength_ = 5;
    FilterPoolEditor::CloseResult closeResult_ = FilterPoolEditor::CloseResult::Unchanged;
    ActivityListView* filterListView_;
    QLineEdit* suchEdit_;
    QLabel* stammNrLabel_;
    QListWidget* filterMaPoolLBox_;
};
