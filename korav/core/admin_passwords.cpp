#include "korav/core/admin_passwords.h"

#include "korav/core/base_data_store.h"

void InvertPassword(QString& text)
{
    for (QChar& c : text)
        c = QChar(char16_t(~c.unicode()));
}

namespace AdminPasswords {

namespace {

QString Stored(const StringList& file, QStringView key)
{
    QString password = file.value(key).left(kMaxPassword);
    InvertPassword(password);
    return password;
}

QString Inverted(QString password)
{
    InvertPassword(password);
    return password;
}

} // namespace

Pair Read(const StringList& file)
{
    return { Stored(file, kSystemKey), Stored(file, kDataKey) };
}

Role RoleFor(const Pair& stored, QStringView entry)
{
    const QStringView e = entry.left(kMaxPassword);
    if (stored.system.isEmpty() && stored.data.isEmpty() && e == kDefaultPassword)
        return kSystemAdmin;
    if (e.isEmpty())
        return kNoRole;
    if (e == stored.system)
        return kSystemAdmin;
    if (e == stored.data)
        return kDataAdmin;
    return kNoRole;
}

void Set(StringList& file, const QString& system, const QString& data)
{
    file.setValue(QString::fromUtf16(kSystemKey), Inverted(system.left(kMaxPassword)));
    file.setValue(QString::fromUtf16(kDataKey), Inverted(data.left(kMaxPassword)));
}

bool Save(const BaseDataStore& store, const QString& system, const QString& data)
{
    StringList file = store.load(KoravFile::kPasswords);
    Set(file, system, data);
    return store.save(KoravFile::kPasswords, file);
}

} // namespace AdminPasswords
