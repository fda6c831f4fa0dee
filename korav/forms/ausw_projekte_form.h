#pragma once

#include "common/string_list.h"

#include <QDialog>

class ActivityListEditor;
class BaseDataStore;
class QLineEdit;
class QPushButton;
class QTreeWidget;

// What the activity chooser hands to its caller's two fields.
struct ChosenActivity {
    QString number;
    QString description; // preceded by one blank; both empty when nothing was chosen
};

// The activity chooser. With result Accepted the caller puts chosen() into
// its fields; with Rejected its fields stay as they are.
class TAuswProjekteForm : public QDialog {
    Q_OBJECT
public:
    explicit TAuswProjekteForm(const BaseDataStore& store, QWidget* parent = nullptr);

    // Before showing: the caller's tag selects caption and list; an open
    // activity dialog passes its editor so that its unsaved rows are listed.
    void FormShow(int tag, const ActivityListEditor* open = nullptr);
    int tag() const { return tag_; }
    // The list built last; callers look descriptions up in it.
    const StringList& descriptionList() const { return list_; }
    const ChosenActivity& chosen() const { return chosen_; }

public Q_SLOTS:
    void SuchEditKeyUp();
    void FilterListViewClick();
    void UebernehmenSBtnClick();
    void CancelSBtnClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    void showRows();

    const BaseDataStore& store_;
    int tag_ = 0;
    StringList list_;
    ChosenActivity chosen_;
    QLineEdit* suchEdit_;
    QTreeWidget* filterListView_;
    QPushButton* uebernehmenSBtn_;
};
