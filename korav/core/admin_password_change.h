#pragma once

#include <QString>

// The four entries of the password dialog.
struct NewAdminPasswords {
    QString systemNew;
    QString systemRepeat;
    QString dataNew;
    QString dataRepeat;
};

enum class PasswordEntry { None, SystemNew, SystemRepeat, DataNew, DataRepeat };

struct PasswordCheck {
    QString errorText; // empty when the entries can be saved
    PasswordEntry focus = PasswordEntry::None; // where the cursor goes
    bool clearSystem = false; // both system entries are emptied
    bool clearData = false; // both data entries are emptied

    bool ok() const { return errorText.isEmpty(); }
};

// The checks of the password dialog, in the order the user meets them.
PasswordCheck CheckNewAdminPasswords(const NewAdminPasswords& entries);
