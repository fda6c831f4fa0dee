#include "korav/cli/admin_session.h"

#include "common/clock.h"
#include "common/file_store.h"
#include "common/messenger.h"
#include "korav/core/admin_login.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

AdminSession::AdminSession(Messenger& messenger, const Clock& clock)
    : messenger_(messenger), clock_(clock), startDate_(clock.today()), store_(messenger_)
{
}

bool AdminSession::open(const QString& folder, const QString& password)
{
    const DataFolder data(QFileInfo(folder).absoluteFilePath());
    if (!QFileInfo(data.folder()).isDir() || !FileStore::Exists(data.path(KoravFile::kEmployeeList))) {
        messenger_.show(u"KORAV-Ordner nicht vorhanden, Programm wird beendet !  "_s);
        return false;
    }
    store_.setFolder(data);
    const LoginResult login = LogIn(store_, password);
    if (login.role == AdminPasswords::kNoRole) {
        messenger_.show(login.errorText);
        return false;
    }
    role_ = login.role;
    return true;
}

bool AdminSession::requireSystemAdmin(const QString& action) const
{
    if (role_ == AdminPasswords::kSystemAdmin)
        return true;
    messenger_.show(action + u" ist nur für den System-Administrator freigegeben !  "_s);
    return false;
}
