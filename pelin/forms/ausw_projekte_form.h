#pragma once

#include "common/string_list.h"

#include <QDialog>

class ActivityListView;
class QLineEdit;
class QPushButton;

// "Tätigkeit auswählen": picks one activity for the day sheet.
class TAuswProjekteForm : public QDialog {
    Q_OBJECT
public:
    struct Choice {
        QString number;
        QString description;
    };

    explicit TAuswProjekteForm(QWidget* parent = nullptr);

    // Fills the rows; the search is cleared and taking over is disabled.
    void prepare(const StringList& activities);
    // The activity taken over; empty after "Abbrechen" or without a choice.
    const Choice& choice() const { return choice_; }

    void SuchEditKeyUp();
    void UebernehmenBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void selectionChanged();

    ActivityListView* filterListView_;
    QLineEdit* suchEdit_;
    QPushButton* uebernehmenBtn_;
    Choice choice_;
};
