#pragma once

#include "korav/core/admin_passwords.h"

class BaseDataStore;

struct LoginResult {
    AdminPasswords::Role role = AdminPasswords::kNoRole;
    QString errorText; // for the status line when the log-in failed
};

// Checks an entry against the passwords of "zamino.kvd".
LoginResult LogIn(const BaseDataStore& store, const QString& entry);
