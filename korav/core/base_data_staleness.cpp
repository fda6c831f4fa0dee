#include "korav/core/base_data_staleness.h"

#include "korav/core/base_data_store.h"
#include "korav/core/data_folder.h"
#include "korav/core/file_stamp.h"
#include "korav/core/master_data_daily_targets.h"
#include "korav/core/password_check.h"
#include "korav/core/target_records_builder.h"
#include "korav/reports/core/account_settings_file.h"

#include <QDir>
#include <QFileInfo>
#include <initializer_list>

namespace {

// Missing or of unreadable time: stale. Otherwise stale when any source is
// newer than the built file.
bool Stale(const DataFolder& data, QStringView built, std::initializer_list<const char16_t*> sources)
{
    const std::optional<QString> stamp = FileStamp::Of(data.path(built));
    if (!stamp)
        return true;
    for (const char16_t* source : sources) {
        if (FileStamp::IsFileNewer(data.path(QStringView(source)), *stamp))
            return true;
    }
    return false;
}

// After a year change nothing was edited, yet the records PELIN has end
// with January of the start year.
bool CoverTheYear(const DataFolder& data, int startYear)
{
    const StringList records = LoadPlainFile(data.path(KoravFile::kTargetRecords));
    for (const QString& line : records.lines()) {
        if (!TargetRecordsBuilder::CoversWindow(line, startYear))
            return false;
    }
    return true;
}

} // namespace

void BaseDataStaleness::checkProgram(const DataFolder& data, const QString& programFolder)
{
    const QString provided = QDir(programFolder).filePath(KoravFile::PelinProgram());
    if (programFolder.isEmpty() || !QFileInfo::exists(provided)) {
        program = true;
        return;
    }
    const std::optional<QString> stamp = FileStamp::Of(provided);
    program = stamp && FileStamp::IsFileNewer(data.path(KoravFile::PelinProgram()), *stamp);
}

void BaseDataStaleness::check(const DataFolder& data, const QString& programFolder, int startYear)
{
    using namespace KoravFile;
    checkProgram(data, programFolder);
    if (!employeeFile)
        employeeFile = Stale(data, kPelinEmployees,
            { kEmployeeList, kMasterData, kTargetRecords, kConfig, DailyTargetsFile::kFileName,
                PasswordCheck::kFileName, AccountSettingsFile::kFileName });
    if (!employeeFile && startYear > 0)
        employeeFile = !CoverTheYear(data, startYear);
    if (!activityList)
        activityList = Stale(data, kPelinActivities, { kProjects, kOtherActivities, kEmployeeList });
    if (!config)
        config = Stale(data, kPelinConfig, { kConfig });
}
