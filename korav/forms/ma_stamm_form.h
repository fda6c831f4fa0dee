#pragma once

#include "korav/core/master_data_editor.h"

#include <QDialog>

struct KoravEnvironment;
class QLabel;
class QLineEdit;
class QListWidget;

// The master-data dialog: the four fields of one employee at a time, and
// the employee's own daily target.
class TMaStammForm : public QDialog {
    Q_OBJECT
public:
    TMaStammForm(KoravEnvironment& environment, BaseDataSaved saved, QWidget* parent = nullptr);

    const MasterDataEditor& editor() const { return editor_; }
    // Loads the list and the file; the main window calls it before showing.
    void FormShow(const QStringList& employees);

public Q_SLOTS:
    void MaLBoxClick();
    void SaveBtnClick();
    void CancelBtnClick();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void reject() override;

private:
    void buildControls(KoravEnvironment& environment);
    QLineEdit* makeEntry(const QString& name, int maxLength);
    void pullEntries();
    void pushEntries();
    void finish(DialogOutcome outcome);

    MasterDataEditor editor_;
    QListWidget* maLBox_;
    QLabel* maLabel_;
    QLineEdit* maLBezEdit_;
    QLineEdit* personalNrEdit_;
    QLineEdit* passwortEdit_;
    QLineEdit* bGradEdit_;
    QLineEdit* tagSollStdEdit_;
    QLineEdit* tagSollMinEdit_;
    QLabel* errLabel_;
};
