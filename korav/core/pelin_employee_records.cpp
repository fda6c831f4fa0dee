#include "korav/core/pelin_employee_records.h"

#include "common/data_file_codec.h"
#include "common/messenger.h"
#include "korav/core/master_data_record.h"
#include "korav/core/pelin_base_files.h"

#include <QHash>

using namespace Qt::StringLiterals;

namespace {

// Earlier employees by personnel number and by password, compared without
// regard to case.
struct Seen {
    QHash<QString, QString> numbers;
    QHash<QString, QString> passwords;
};

// The number names PELIN's month files: no folder, no parent, nothing a
// file name cannot hold.
bool UsableInFileName(const QString& number)
{
    static const QString kForbidden = u"/\\:*?\"<>|"_s;
    if (number.contains(u".."_s))
        return false;
    for (const QChar c : number) {
        if (kForbidden.contains(c) || c.unicode() < 0x20)
            return false;
    }
    return true;
}

std::optional<QString> DegreeError(const QString& degree, const QString& name)
{
    if (degree.startsWith(u'-'))
        return u"Der Beschäftigungsgrad von %1 darf nicht negativ sein !\n\n( Mitarbeiter-Stammdaten  )"_s
            .arg(name);
    for (const QChar c : degree) {
        if (!c.isDigit() && c != u'.')
            return u"Der Beschäftigungsgrad von %1 ist nicht nummerisch !\n\n( Mitarbeiter-Stammdaten  )"_s
                .arg(name);
    }
    if (degree.toDouble() > 100.0)
        return u"Der Beschäftigungsgrad von %1 darf nicht größer als 100.0 sein !\n\n( Mitarbeiter-Stammdaten  )"_s
            .arg(name);
    return std::nullopt;
}

std::optional<QString> FieldError(const MasterDataRecord& r, const QString& name, Seen& seen)
{
    if (r.longName.isEmpty())
        return u"Es fehlt der lange Mitarbeitername von %1 !\n\n( Mitarbeiter-Stammdaten  )"_s.arg(name);
    if (r.personnelNumber.isEmpty())
        return u"Es fehlt die Personalnummer von %1  "_s.arg(name);
    if (!UsableInFileName(r.personnelNumber))
        return u"Die Personalnummer von %1 enthält unzulässige Zeichen !\n\n( Mitarbeiter-Stammdaten  )"_s
            .arg(name);
    if (const QString other = seen.numbers.value(r.personnelNumber.toCaseFolded()); !other.isEmpty())
        return u"Die Personalnummer ist doppelt vorhanden : %1 = %2 !  \n\n( Mitarbeiter-Stammdaten )"_s.arg(
            name, other);
    if (r.password.isEmpty())
        return u"Es fehlt das Passwort von %1 !\n\n( Mitarbeiter-Stammdaten  )"_s.arg(name);
    if (const QString other = seen.passwords.value(r.password.toCaseFolded()); !other.isEmpty())
        return u"Das Passwort ist doppelt vorhanden : %1 = %2 !  \n\n( Mitarbeiter-Stammdaten )"_s.arg(
            name, other);
    if (r.degree.isEmpty())
        return u"Es fehlt der Beschäftigungsgrad von %1 !\n\n( Mitarbeiter-Stammdaten )"_s.arg(name);
    return DegreeError(r.degree, name);
}

// Characters the scrambled employee file cannot carry would make the whole
// file unwritable; name the employee instead of the file.
std::optional<QString> CharacterError(const QString& record, const QString& name)
{
    const QChar c = DataFileFormat::FirstUnscramblableChar(record);
    if (c.isNull())
        return std::nullopt;
    return u"Die Stammdaten von %1 enthalten ein Zeichen, das nicht gespeichert werden kann (U+%2) !\n\n"
           u"( Mitarbeiter-Stammdaten  )"_s.arg(name)
               .arg(c.unicode(), 4, 16, QChar(u'0'));
}

} // namespace

std::optional<QStringList> PelinEmployeeRecords(
    const QStringList& employees, const StringList& masterData, Messenger& messenger)
{
    Seen seen;
    QStringList records;
    for (const QString& employee : employees) {
        const QString name = employee.left(10);
        if (!masterData.hasKey(employee)) {
            messenger.show(u"Es fehlen die Stammdaten von %1 !\n\n( Mitarbeiter-Stammdaten  )"_s.arg(name));
            return std::nullopt;
        }
        MasterDataRecord r = MasterDataRecord::FromValue(masterData.value(employee).left(64));
        r.degree.replace(u',', u'.');
        const QString record
            = PelinBaseFiles::EmployeeRecord(r.password, r.personnelNumber, r.longName, r.degree);
        std::optional<QString> error = FieldError(r, name, seen);
        if (!error)
            error = CharacterError(record, name);
        if (error) {
            messenger.show(*error);
            return std::nullopt;
        }
        seen.numbers.insert(r.personnelNumber.toCaseFolded(), name);
        seen.passwords.insert(r.password.toCaseFolded(), name);
        records.append(record);
    }
    return records;
}
