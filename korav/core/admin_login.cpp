#include "korav/core/admin_login.h"

#include "korav/core/base_data_store.h"

using namespace Qt::StringLiterals;

LoginResult LogIn(const BaseDataStore& store, const QString& entry)
{
    if (entry.isEmpty())
        return { AdminPasswords::kNoRole, u"Kein Administrator-Passwort eingegeben"_s };
    const AdminPasswords::Pair stored = AdminPasswords::Read(store.load(KoravFile::kPasswords));
    const AdminPasswords::Role role = AdminPasswords::RoleFor(stored, entry);
    if (role == AdminPasswords::kNoRole)
        return { role, u"Administrator-Passwort ist nicht richtig"_s };
    return { role, {} };
}
