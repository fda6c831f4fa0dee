#include "korav/reports/core/account_book.h"

#include "common/account_rules.h"
#include "common/data_file_codec.h"
#include "common/employee_file_records.h"
#include "korav/reports/core/account_settings_file.h"
#include "korav/reports/core/korav_month_file.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kTargetRead = 180;
// A chain of years with account settings reaches back this far at most.
constexpr int kMaxYearsBack = 30;

StringList EmployeeFileOf(const QString& dataRoot, DataFileCodec& codec)
{
    StringList file;
    codec.LoadDataFile(dataRoot + u"dama.kvd"_s, file);
    return file;
}

} // namespace

AccountBook::AccountBook(const QString& dataRoot, DataFileCodec& codec, QDate today)
    : dataRoot_(dataRoot),
      today_(today),
      directory_(LoadEmployeeDirectory(dataRoot)),
      numbers_(directory_.numbers),
      degrees_(directory_.degrees),
      shortNames_(directory_.shortNames),
      settings_(AccountSettingsFile::Load(dataRoot, codec)),
      targetRecords_(EmployeeFileOf(dataRoot, codec)),
      projects_(KoravMonthFile::LoadLines(dataRoot + u"dprojekte.kvd"_s)),
      reader_(dataRoot, projects_),
      yearTargets_(dataRoot),
      holidays_(
          HolidaySettings::FromConfig(KoravMonthFile::LoadLines(dataRoot + u"zconfig.kvd"_s)), today.year())
{
    reader_.countHolidays(AccountRules::HolidayActivities(projects_));
    for (const QString& line : directory_.shortNames.lines())
        namesByShortName_.insert(FoldedKey(StringList::ValueOf(line)), StringList::KeyOf(line));
}

std::optional<AccountYear> AccountBook::previousYear(const QString& shortName, int year)
{
    const auto name = namesByShortName_.constFind(FoldedKey(shortName));
    if (name == namesByShortName_.cend() || !AccountSettingsFile::Of(settings_, year - 1, shortName))
        return std::nullopt;
    const std::optional<QString> number = numbers_.value(name.value());
    if (!number)
        return std::nullopt;
    return compute(name.value(), *number, year - 1, false);
}

bool AccountBook::hasSettings(const QString& name, int year) const
{
    const std::optional<QString> shortName = shortNames_.value(name);
    return shortName
        && (AccountSettingsFile::Of(settings_, year, *shortName)
            || AccountSettingsFile::Of(settings_, year - 1, *shortName));
}

std::optional<AccountYear> AccountBook::year(const QString& name, int year)
{
    const std::optional<QString> number = numbers_.value(name);
    if (!number)
        return std::nullopt;
    return compute(name, *number, year, true);
}

AccountYear AccountBook::compute(const QString& name, const QString& number, int year, bool keepMonths)
{
    const std::optional<QString> shortName = shortNames_.value(name);
    const std::optional<AccountSettingsFile::Settings> settings
        = shortName ? AccountSettingsFile::Of(settings_, year, *shortName) : std::nullopt;
    std::optional<AccountYear> previous;
    if (shortName && AccountSettingsFile::Of(settings_, year - 1, *shortName)
        && year > today_.year() - kMaxYearsBack)
        previous = compute(name, number, year - 1, false);
    const QString record
        = targetRecords_.value(EmployeeFile::TargetRecordKey(number)).value_or(QString()).left(kTargetRead);
    const int dailyTarget = EmployeeFile::ParseTargetRecord(record, QDate()).dailyTarget;
    const QString degree = degrees_.value(name).value_or(u"100"_s);
    std::array<AccountMonthInput, 12> inputs {};
    for (int m = 1; m <= 12; ++m) {
        const std::optional<int> full = fullTime(record, shortName, year, m);
        EmployeeMonth month = reader_.read(number, year, m, PersonalTarget(degree, full.value_or(0)));
        AccountMonthInput& in = inputs[std::size_t(m - 1)];
        in.hasData = month.hasData;
        in.working = month.working();
        in.fullTimeTarget = full;
        in.holidayHalves = holidayHalves(month, year, m, dailyTarget);
        if (keepMonths)
            months_[std::size_t(m - 1)] = std::move(month);
    }
    return ComputeAccountYear(year, inputs, degree, settings, previous, today_);
}

std::optional<int> AccountBook::fullTime(
    const QString& record, const std::optional<QString>& shortName, int year, int month)
{
    return MonthFullTime(record, yearTargets_, shortName, year, month);
}

int AccountBook::holidayHalves(const EmployeeMonth& month, int year, int m, int dailyTarget)
{
    int halves = dailyTarget > 0 ? 2 * month.holidayMinutes[0] / dailyTarget : 0;
    holidays_.setYear(year);
    for (int day = 1; day < int(month.holidayMinutes.size()); ++day) {
        const int minutes = month.holidayMinutes[std::size_t(day)];
        if (minutes > 0 && AccountRules::IsWorkingDay(QDate(year, m, day), holidays_))
            halves += AccountRules::HolidayHalves(minutes, dailyTarget);
    }
    return halves;
}
