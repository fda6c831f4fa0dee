#pragma once

#include "korav/core/activity_list_editor.h"

#include <QDialog>

struct KoravEnvironment;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;
class TAuswProjekteForm;
class TBezeichnungForm;

// The activity dialog: projects or other activities, by the opener's mode.
class TProjekteForm : public QDialog {
    Q_OBJECT
public:
    TProjekteForm(KoravEnvironment& environment, TAuswProjekteForm& chooser, BaseDataSaved saved,
        QWidget* parent = nullptr);

    const ActivityListEditor& editor() const { return editor_; }
    TBezeichnungForm& designationsForm() { return *bezeichnungForm_; }
    // The main window calls it before showing.
    void FormShow(ActivityListEditor::Mode mode);

public Q_SLOTS:
    void UebernehmenSBtnClick();
    void DelProjektSBtnClick();
    void ChgProjektSBtnClick();
    void CopyProjektSBtnClick();
    void ProjekteListViewClick();
    void LaeStammNrCBoxChange();
    void Chg_BezeichnungBtnClick();
    void SucheProjektBtnClick();
    void SaveBtnClick();
    void CancelBtnClick();

protected:
    void reject() override;

private:
    void buildControls(KoravEnvironment& environment);
    void setCaptions();
    void pull();
    void push();
    void fillList();
    void setRowButtons(bool enabled);
    void updateTakeOver();
    void showEditorState();
    void take(bool copy);
    std::optional<QString> selectedNumber() const;
    void finish(DialogOutcome outcome);

    KoravEnvironment& environment_;
    ActivityListEditor editor_;
    TAuswProjekteForm& chooser_;
    TBezeichnungForm* bezeichnungForm_;
    QLineEdit* projNrEdit_;
    QLineEdit* projBesEdit_;
    QLabel* projNrLabel_;
    QLabel* projBesLabel_;
    QPushButton* uebernehmenSBtn_;
    QTreeWidget* projekteListView_;
    QPushButton* delProjektSBtn_;
    QPushButton* chgProjektSBtn_;
    QPushButton* copyProjektSBtn_;
    QLabel* staticText3_;
    QComboBox* laeStammNrCBox_;
    QLabel* stammNrLabel_;
    QPushButton* chgBezeichnungBtn_;
    QPushButton* sucheProjektBtn_;
    QLabel* staticText7_;
    QLabel* errLabel_;
};
