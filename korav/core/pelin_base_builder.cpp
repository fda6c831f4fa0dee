#include "korav/core/pelin_base_builder.h"

#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/messenger.h"
#include "korav/core/account_provision.h"
#include "korav/core/base_data_staleness.h"
#include "korav/core/base_data_store.h"
#include "korav/core/connection_settings.h"
#include "korav/core/employee_list_file.h"
#include "korav/core/password_check.h"
#include "korav/core/pelin_base_files.h"
#include "korav/core/pelin_employee_records.h"
#include "korav/core/target_records_builder.h"
#include "korav/core/target_records_file.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

// One problem as it stands; several one line each, so that the list shows
// every employee to mend at once.
QString AllProblems(const QStringList& problems)
{
    if (problems.size() == 1)
        return problems.first();
    QStringList lines;
    for (QString problem : problems)
        lines.append(problem.replace(u"\n\n"_s, u" "_s));
    return lines.join(u'\n');
}

} // namespace

bool PelinBaseBuild::run(BaseDataStaleness& stale) const
{
    if (!checkPreconditions() || !buildEmployeeFile(stale) || !buildActivityList(stale) || !buildConfig(stale)
        || !BuildAccountFile(store, codec, startDate))
        return false;
    stale.check(store.folder(), connection.fields().programFolder, startDate.year());
    QFile::remove(store.folder().path(KoravFile::kUploadMarker));
    return true;
}

bool PelinBaseBuild::checkPreconditions() const
{
    Messenger& messenger = store.messenger();
    if (store.isBackupFolder()) {
        messenger.show(u"In einen Sicherungsordner können keine Daten erstellt werden!"_s);
        return false;
    }
    if (clock.today() != startDate) {
        messenger.show(u"Zeitfehler: Starten Sie das Programm neu !  "_s);
        return false;
    }
    if (connection.fields().programFolder.isEmpty() || connection.fields().timeFolder.isEmpty()) {
        messenger.show(u"Programm- und/oder Zeitdaten-Ordner sind nicht ausgewählt !  \n\n"
                       u"( siehe Verbindungs-Einstellungen )"_s);
        return false;
    }
    if (!store.exists(KoravFile::kEmployeeList)) {
        messenger.show(u"Keine Mitarbeiter-Datei vorhanden"_s);
        return false;
    }
    return true;
}

bool PelinBaseBuild::buildEmployeeFile(BaseDataStaleness& stale) const
{
    Messenger& messenger = store.messenger();
    const QStringList employees = EmployeeListFile::Load(store);
    if (employees.isEmpty()) {
        messenger.show(u"Mitarbeiter-Liste ist leer  "_s);
        return false;
    }
    const StringList masterData = store.load(KoravFile::kMasterData);
    QStringList problems = RecordsOutsideTheList(employees, masterData);
    const QStringList records = PelinEmployeeRecords(employees, masterData, problems);
    // The target records follow the personnel numbers: judged once the
    // master data are sound.
    const TargetRecordsBuilder::Current targets = problems.isEmpty()
        ? TargetRecordsBuilder::CurrentRecords(store, startDate.year(), employees)
        : TargetRecordsBuilder::Current {};
    problems += targets.problems;
    if (!problems.isEmpty()) {
        messenger.show(AllProblems(problems));
        return false;
    }
    if (targets.rebuilt && !TargetRecordsFile::Save(store, targets.lines))
        return false;
    QStringList logins = records;
    if (PasswordCheck::IsOn(store)) {
        logins = PasswordCheck::WithCheckValues(records, checkValueIterations);
        if (logins.isEmpty()) {
            messenger.show(u"Die Prüfwerte der Passwörter konnten nicht berechnet werden !  "_s);
            return false;
        }
    }
    const StringList config = store.load(KoravFile::kConfig);
    StringList file(logins + targets.lines.lines() + PelinBaseFiles::ConfigLinesForPelin(config));
    if (!codec.SaveDataFile(store.folder().path(KoravFile::kPelinEmployees), file))
        return false;
    stale.employeeFile = false;
    return true;
}

bool PelinBaseBuild::buildActivityList(BaseDataStaleness& stale) const
{
    Messenger& messenger = store.messenger();
    if (!store.exists(KoravFile::kProjects)) {
        messenger.show(u"Es ist keine Projektliste vorhanden !  \n\n[ Projekt-Liste ]"_s);
        return false;
    }
    if (!store.exists(KoravFile::kOtherActivities)) {
        messenger.show(
            u"Es ist keine Sonstige Tätigkeiten-Liste vorhanden !  \n\n[ Sonstige Tätigkeiten-Liste ]"_s);
        return false;
    }
    if (!stale.activityList)
        return true;
    const StringList list = PelinBaseFiles::ActivityList(
        store.load(KoravFile::kProjects), store.load(KoravFile::kOtherActivities));
    if (list.isEmpty())
        messenger.show(u"Es sind keine Projekte und Sonstige Tätigkeiten vorhanden !  "_s);
    else if (!SavePlainFile(store.folder().path(KoravFile::kPelinActivities), list, messenger))
        return false;
    stale.activityList = false;
    return true;
}

bool PelinBaseBuild::buildConfig(BaseDataStaleness& stale) const
{
    if (!stale.config)
        return true;
    Messenger& messenger = store.messenger();
    const StringList config = store.load(KoravFile::kConfig);
    if (!config.hasKey(u"progordner")) {
        messenger.show(u"Programm-Ordner nicht vorhanden !  \n\nsiehe Verbindungs-Einstellungen  "_s);
        return false;
    }
    if (!config.hasKey(u"zeitordner")) {
        messenger.show(u"Zeitdaten-Ordner nicht vorhanden !  \n\nsiehe Verbindungs-Einstellungen  "_s);
        return false;
    }
    StringList file = PelinBaseFiles::PelinConfig(config);
    if (!codec.SaveDataFile(store.folder().path(KoravFile::kPelinConfig), file))
        return false;
    stale.config = false;
    return true;
}
