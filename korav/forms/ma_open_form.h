#pragma once

#include "korav/core/data_folder.h"
#include "korav/forms/select_dir.h"

#include <QDialog>

struct KoravEnvironment;
class QLabel;
class QLineEdit;

// Chooses the data folder: takes over a KORAV data folder or sets up a new one.
class TMaOpenForm : public QDialog {
    Q_OBJECT
public:
    explicit TMaOpenForm(KoravEnvironment& environment, QWidget* parent = nullptr);

    TSelectDir& selectDir() { return selectDir_; }

public Q_SLOTS:
    void FormShow();
    void OrdnerBtnClick();
    void UebernehmenBtnClick();

Q_SIGNALS:
    // The data folder has been taken over.
    void dataFolderChanged(const DataFolder& folder);

protected:
    void showEvent(QShowEvent* event) override;

private:
    KoravEnvironment& environment_;
    TSelectDir selectDir_;
    QLabel* label2_;
    QLineEdit* edit1_;
};
