#pragma once

#include "korav/core/admin_passwords.h"
#include "korav/core/base_data_store.h"

#include <QDate>

class Clock;

// A data folder opened and an administrator logged in, as the main window
// does it before any of its buttons can be used.
class AdminSession {
public:
    AdminSession(Messenger& messenger, const Clock& clock);

    // Shows why the folder or the password was refused and returns false.
    bool open(const QString& folder, const QString& password);

    const BaseDataStore& store() const { return store_; }
    Messenger& messenger() const { return messenger_; }
    const Clock& clock() const { return clock_; }
    QDate startDate() const { return startDate_; }
    AdminPasswords::Role role() const { return role_; }
    // The buttons a data administrator cannot use refuse with this text.
    bool requireSystemAdmin(const QString& action) const;

private:
    Messenger& messenger_;
    const Clock& clock_;
    QDate startDate_;
    BaseDataStore store_;
    AdminPasswords::Role role_ = AdminPasswords::kNoRole;
};
