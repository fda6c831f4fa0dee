#include "korav/forms/admin_pass_form.h"

#include "common/messenger.h"
#include "common/ui/program_icons.h"
#include "korav/core/admin_passwords.h"
#include "korav/core/base_data_store.h"
#include "korav/core/korav_help.h"
#include "korav/forms/form_parts.h"
#include "korav/forms/korav_environment.h"

#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QToolButton>

using namespace Qt::StringLiterals;

namespace {

QString ShownPassword(const QString& stored)
{
    return stored.isEmpty() ? QString::fromUtf16(AdminPasswords::kDefaultPassword) : stored;
}

} // namespace

TAdminPassForm::TAdminPassForm(KoravEnvironment& environment, QWidget* parent)
    : QDialog(parent),
      environment_(environment),
      sPasswE_(makeEntry(u"SPasswEMaskEdit"_s)),
      sPasswB_(makeEntry(u"SPasswBMaskEdit"_s)),
      dPasswE_(makeEntry(u"DPasswEMaskEdit"_s)),
      dPasswB_(makeEntry(u"DPasswBMaskEdit"_s)),
      errLabel_(MakeStatusLabel(this, u"Err_Label"_s))
{
    setObjectName(u"AdminPassForm"_s);
    setWindowTitle(u" Administrator - Passworte ändern"_s);
    buildControls();
}

QLineEdit* TAdminPassForm::makeEntry(const QString& name)
{
    auto* entry = new QLineEdit(this);
    entry->setObjectName(name);
    entry->setEchoMode(QLineEdit::Password);
    entry->setMaxLength(AdminPasswords::kMaxPassword);
    return entry;
}

void TAdminPassForm::buildControls()
{
    auto* saveBtn = MakeButton(this, u"SaveBtn"_s, u"&Speichern"_s);
    auto* cancelBtn = MakeButton(this, u"CancelBtn"_s, u"&Abbrechen"_s);
    saveBtn->setAutoDefault(false);
    saveBtn->setDefault(true);
    cancelBtn->setAutoDefault(false);
    auto* infoImage = new QToolButton(this);
    infoImage->setObjectName(u"InfoImage"_s);
    infoImage->setToolTip(u"Info anzeigen"_s);
    infoImage->setIcon(InfoIcon());
    infoImage->setAutoRaise(true);

    auto* grid = new QGridLayout(this);
    grid->addWidget(new QLabel(u" Neues Passwort eingeben"_s, this), 0, 1);
    grid->addWidget(new QLabel(u"und wiederholen"_s, this), 0, 2);
    grid->addWidget(MakeHelpImage(this, environment_.help, KoravHelp::kAdministrationTopic), 0, 3);
    grid->addWidget(new QLabel(u"System - Administrator"_s, this), 1, 0);
    grid->addWidget(sPasswE_, 1, 1);
    grid->addWidget(sPasswB_, 1, 2);
    grid->addWidget(infoImage, 1, 3);
    grid->addWidget(new QLabel(u"Daten - Administrator"_s, this), 2, 0);
    grid->addWidget(dPasswE_, 2, 1);
    grid->addWidget(dPasswB_, 2, 2);
    grid->addWidget(new QLabel(u"Passwortlänge min.1 Zeichen max. 10 Zeichen  "_s, this), 3, 1, 1, 2);
    grid->addWidget(errLabel_, 4, 0, 1, 4);
    grid->addWidget(saveBtn, 5, 1);
    grid->addWidget(cancelBtn, 5, 2);

    connect(saveBtn, &QPushButton::clicked, this, &TAdminPassForm::SaveBtnClick);
    connect(cancelBtn, &QPushButton::clicked, this, &QDialog::reject);
    connect(infoImage, &QToolButton::clicked, this, &TAdminPassForm::InfoImageClick);
}

void TAdminPassForm::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    FormShow();
}

void TAdminPassForm::FormShow()
{
    for (QLineEdit* e : { sPasswE_, sPasswB_, dPasswE_, dPasswB_ })
        e->clear();
    errLabel_->clear();
    sPasswE_->setFocus();
}

QLineEdit* TAdminPassForm::entry(PasswordEntry which) const
{
    switch (which) {
    case PasswordEntry::SystemNew:
        return sPasswE_;
    case PasswordEntry::SystemRepeat:
        return sPasswB_;
    case PasswordEntry::DataNew:
        return dPasswE_;
    case PasswordEntry::DataRepeat:
        return dPasswB_;
    case PasswordEntry::None:
        break;
    }
    return nullptr;
}

void TAdminPassForm::SaveBtnClick()
{
    const BaseDataStore& store = environment_.store;
    if (store.isBackupFolder()) {
        environment_.messenger.show(QString::fromUtf16(kBackupFolderRefusal));
        reject();
        return;
    }
    const PasswordCheck check
        = CheckNewAdminPasswords({ sPasswE_->text(), sPasswB_->text(), dPasswE_->text(), dPasswB_->text() });
    if (!check.ok()) {
        ShowError(errLabel_, check.errorText);
        if (check.clearSystem) {
            sPasswE_->clear();
            sPasswB_->clear();
        }
        if (check.clearData) {
            dPasswE_->clear();
            dPasswB_->clear();
        }
        entry(check.focus)->setFocus();
        return;
    }
    if (AdminPasswords::Save(store, sPasswE_->text(), dPasswE_->text()))
        accept();
}

void TAdminPassForm::InfoImageClick()
{
    const AdminPasswords::Pair stored = AdminPasswords::Read(environment_.store.load(KoravFile::kPasswords));
    environment_.messenger.show(
        u"  s=%1 | d=%2  "_s.arg(ShownPassword(stored.system), ShownPassword(stored.data)));
}
