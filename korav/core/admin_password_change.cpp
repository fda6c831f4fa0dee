#include "korav/core/admin_password_change.h"

#include "common/data_file_codec.h"

using namespace Qt::StringLiterals;

namespace {

// A character whose complement is a lone surrogate or a line break cannot be
// stored inverted; it would be lost and lock the administrator out.
PasswordCheck CheckStorable(const QString& password, const QString& who, PasswordEntry focus, bool system)
{
    const QChar bad = DataFileFormat::FirstUnscramblableChar(password);
    if (bad.isNull())
        return {};
    return { u"%1 : Das Zeichen '%2' kann im Passwort nicht verwendet werden"_s.arg(who, QString(bad)), focus,
        system, !system };
}

PasswordCheck CheckPair(const QString& entry, const QString& repeat, bool system)
{
    const QString who = system ? u"System-Admin"_s : u"Daten-Admin"_s;
    const PasswordEntry newEntry = system ? PasswordEntry::SystemNew : PasswordEntry::DataNew;
    const PasswordEntry repeatEntry = system ? PasswordEntry::SystemRepeat : PasswordEntry::DataRepeat;
    if (entry.isEmpty())
        return { who + u" : Eingabe Passwort fehlt"_s, repeatEntry };
    if (repeat.isEmpty())
        return { system ? u"System-Admin : Bestätigung Passwort fehlt"_s
                        : u"Daten-Admin : Bestätigung neues Passwort Daten-Admin fehlt"_s,
            repeatEntry };
    if (entry != repeat)
        return { who + u" : Passwort und Bestätigung sind nicht gleich"_s, newEntry, system, !system };
    return CheckStorable(entry, who, newEntry, system);
}

} // namespace

PasswordCheck CheckNewAdminPasswords(const NewAdminPasswords& entries)
{
    const PasswordCheck system = CheckPair(entries.systemNew, entries.systemRepeat, true);
    if (!system.ok())
        return system;
    return CheckPair(entries.dataNew, entries.dataRepeat, false);
}
