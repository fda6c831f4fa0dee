#include "korav/core/pelin_employee_records.h"

#include "common/data_file_codec.h"
#include "common/messenger.h"
#include "korav/core/master_data_record.h"
#include "korav/core/pelin_base_files.h"

#include <QHash>
#include <QSet>

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
            return u"Der Beschäftigungsgrad von %1 ist nicht numerisch !\n\n( Mitarbeiter-Stammdaten  )"_s
                .arg(name);
    }
    if (degree.toDouble() > 100.0)
        return u"Der Beschäftigungsgrad von %1 darf nicht größer als 100.0 sein !\n\n( Mitarbeiter-Stammdaten  )"_s
            .arg(name);
    return std::nullopt;
}

// Every check of one record, so that all its faults are named at once.
QStringList FieldErrors(const MasterDataRecord& r, const QString& name, const Seen& seen)
{
    QStringList errors;
    if (r.longName.isEmpty())
        errors.append(
            u"Es fehlt der lange Mitarbeitername von %1 !\n\n( Mitarbeiter-Stammdaten  )"_s.arg(name));
    if (r.personnelNumber.isEmpty())
        errors.append(u"Es fehlt die Personalnummer von %1  "_s.arg(name));
    else if (!UsableInFileName(r.personnelNumber))
        errors.append(
            u"Die Personalnummer von %1 enthält unzulässige Zeichen !\n\n( Mitarbeiter-Stammdaten  )"_s.arg(
                name));
    else if (const QString other = seen.numbers.value(r.personnelNumber.toCaseFolded()); !other.isEmpty())
        errors.append(
            u"Die Personalnummer ist doppelt vorhanden : %1 = %2 !  \n\n( Mitarbeiter-Stammdaten )"_s.arg(
                name, other));
    if (r.password.isEmpty())
        errors.append(u"Es fehlt das Passwort von %1 !\n\n( Mitarbeiter-Stammdaten  )"_s.arg(name));
    else if (r.password.contains(u'='))
        // PELIN finds the employee by the text before the first "=" of a line.
        errors.append(u"Das Passwort von %1 enthält ein \"=\", mit dem keine Anmeldung möglich ist !\n\n"
                      u"( Mitarbeiter-Stammdaten  )"_s.arg(name));
    else if (const QString other = seen.passwords.value(r.password.toCaseFolded()); !other.isEmpty())
        errors.append(u"Das Passwort ist doppelt vorhanden : %1 = %2 !  \n\n( Mitarbeiter-Stammdaten )"_s.arg(
            name, other));
    if (r.degree.isEmpty())
        errors.append(u"Es fehlt der Beschäftigungsgrad von %1 !\n\n( Mitarbeiter-Stammdaten )"_s.arg(name));
    else if (const std::optional<QString> error = DegreeError(r.degree, name))
        errors.append(*error);
    return errors;
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

QStringList PelinEmployeeRecords(
    const QStringList& employees, const StringList& masterData, QStringList& problems)
{
    Seen seen;
    QStringList records;
    for (const QString& employee : employees) {
        const QString name = employee.left(10);
        if (!masterData.hasKey(employee)) {
            problems.append(u"Es fehlen die Stammdaten von %1 !\n\n( Mitarbeiter-Stammdaten  )"_s.arg(name));
            continue;
        }
        MasterDataRecord r = MasterDataRecord::FromValue(masterData.value(employee).left(64));
        r.degree.replace(u',', u'.');
        const QString record
            = PelinBaseFiles::EmployeeRecord(r.password, r.personnelNumber, r.longName, r.degree);
        QStringList errors = FieldErrors(r, name, seen);
        if (const std::optional<QString> error = CharacterError(record, name))
            errors.append(*error);
        problems += errors;
        if (!r.personnelNumber.isEmpty() && !seen.numbers.contains(r.personnelNumber.toCaseFolded()))
            seen.numbers.insert(r.personnelNumber.toCaseFolded(), name);
        if (!r.password.isEmpty() && !seen.passwords.contains(r.password.toCaseFolded()))
            seen.passwords.insert(r.password.toCaseFolded(), name);
        records.append(record);
    }
    return records;
}

QStringList RecordsOutsideTheList(const QStringList& employees, const StringList& masterData)
{
    QSet<QString> listed;
    for (const QString& employee : employees)
        listed.insert(employee.toCaseFolded());
    QStringList problems;
    for (const QString& line : masterData.lines()) {
        const QString key = StringList::KeyOf(line);
        if (!line.isEmpty() && !listed.contains(key.toCaseFolded()))
            problems.append(u"Die Stammdaten von %1 gehören zu keinem Mitarbeiter der Liste !\n\n"
                            u"( Mitarbeiter-Liste: %1 eintragen und mit den Stammdaten löschen )"_s.arg(key));
    }
    return problems;
}
