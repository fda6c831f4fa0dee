#pragma once

#include "korav/core/admin_password_change.h"

#include <QDialog>

struct KoravEnvironment;
class QLabel;
class QLineEdit;

// Changes both administrator passwords together.
class TAdminPassForm : public QDialog {
    Q_OBJECT
public:
    explicit TAdminPassForm(KoravEnvironment& environment, QWidget* parent = nullptr);

public Q_SLOTS:
    void FormShow();
    void SaveBtnClick();
    void InfoImageClick();

protected:
    void showEvent(QShowEvent* event) override;

private:
    QLineEdit* makeEntry(const QString& name);
    QLineEdit* entry(PasswordEntry which) const;
    void buildControls();

    KoravEnvironment& environment_;
    QLineEdit* sPasswE_;
    QLineEdit* sPasswB_;
    QLineEdit* dPasswE_;
    QLineEdit* dPasswB_;
    QLabel* errLabel_;
};
