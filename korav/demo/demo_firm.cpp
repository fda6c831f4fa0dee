#include "korav/demo/demo_firm.h"

#include "common/account_rules.h"
#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/file_store.h"
#include "common/fixed_width.h"
#include "common/holiday_calendar.h"
#include "common/provided_account.h"
#include "korav/core/account_provision.h"
#include "korav/core/account_settings_editor.h"
#include "korav/core/activity_list_file.h"
#include "korav/core/admin_passwords.h"
#include "korav/core/base_data_staleness.h"
#include "korav/core/base_data_store.h"
#include "korav/core/connection_settings.h"
#include "korav/core/data_folder_takeover.h"
#include "korav/core/employee_list_file.h"
#include "korav/core/holiday_settings_editor.h"
#include "korav/core/hourly_rates_editor.h"
#include "korav/core/korav_config.h"
#include "korav/core/korav_settings.h"
#include "korav/core/master_data_daily_targets.h"
#include "korav/core/master_data_record.h"
#include "korav/core/pelin_base_builder.h"
#include "korav/core/pelin_provision.h"
#include "korav/core/target_times_editor.h"
#include "korav/core/time_file_collection.h"
#include "korav/core/year_targets_file.h"
#include "korav/demo/demo_access.h"
#include "korav/demo/demo_activities.h"
#include "korav/demo/demo_month.h"
#include "korav/demo/demo_month_files.h"
#include "korav/demo/demo_random.h"
#include "korav/demo/demo_staff.h"
#include "korav/demo/step_messenger.h"
#include "korav/reports/core/account_settings_file.h"

#include <QDir>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

constexpr char16_t kSystemPassword[] = u"demochef";
constexpr char16_t kDataPassword[] = u"demodaten";
constexpr int kForecastRate = 85;

// The demo is written before KORAV has ever run on it: where KORAV would
// remember the data folder, the demo's caller decides.
class UnsavedSettings final : public KoravSettings {
public:
    bool readable() const override { return true; }
    std::optional<QString> read(QStringView) const override { return std::nullopt; }
    bool write(QStringView, const QString&) override { return true; }
    void remove(QStringView) override { }
};

class DemoFirmWriter {
public:
    DemoFirmWriter(const DemoFirmRequest& request, StepMessenger& messenger, const Clock& clock)
        : request_(request),
          messenger_(messenger),
          clock_(clock),
          store_(messenger),
          random_(request.seed),
          connection_(store_)
    {
    }

    bool prepareFolder();
    bool setUp();
    bool writeStaff();
    bool writeActivities();
    bool writeHolidays();
    bool writeTargets();
    bool writeRates();
    bool writeAccounts();
    bool buildAndProvide();
    bool writeMonths();
    bool collect();
    bool provideAccounts();
    bool writeAccessFile();

    DemoAccess access() const;

private:
    QStringList names() const;
    HolidayCalendar calendar(int year) const;

    const DemoFirmRequest& request_;
    StepMessenger& messenger_;
    const Clock& clock_;
    BaseDataStore store_;
    DemoRandom random_;
    ConnectionSettings connection_;
    QList<DemoEmployee> staff_;
};

bool DemoFirmWriter::prepareFolder()
{
    const QString folder = request_.folder;
    if (QFileInfo(folder).exists()
        && !QDir(folder).isEmpty(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden)) {
        messenger_.show(u"Der Ordner %1 ist nicht leer: die Demo-Firma wird nur in einen neuen oder leeren "
                        u"Ordner geschrieben.  "_s.arg(folder));
        return false;
    }
    if (!QDir().mkpath(folder)) {
        messenger_.show(u"Der Ordner %1 konnte nicht angelegt werden.  "_s.arg(folder));
        return false;
    }
    return true;
}

bool DemoFirmWriter::setUp()
{
    UnsavedSettings settings;
    const std::optional<DataFolder> folder = TakeOverDataFolder(
        request_.folder, { messenger_, settings, DataFolder(), request_.programDirectory });
    if (!folder)
        return false;
    store_.setFolder(*folder);
    return FileStore::Exists(folder->path(KoravFile::PelinProgram()))
        && AdminPasswords::Save(
            store_, QString::fromUtf16(kSystemPassword), QString::fromUtf16(kDataPassword));
}

QStringList DemoFirmWriter::names() const
{
    QStringList list;
    for (const DemoEmployee& employee : staff_)
        list.append(employee.shortName);
    return list;
}

bool DemoFirmWriter::writeStaff()
{
    DemoRandom random = random_.fork(1);
    staff_ = DemoStaff(request_.employees, random);
    StringList master;
    StringList dailyTargets;
    for (const DemoEmployee& employee : std::as_const(staff_)) {
        master.append(MasterDataLine(employee.shortName, employee.master.toValue()));
        if (const std::optional<int> own = DemoOwnDailyTarget(employee))
            dailyTargets.append(MasterDataLine(employee.shortName,
                QString(FixedWidth::Digits(*own / 60, 2) + FixedWidth::Digits(*own % 60, 2))));
    }
    return EmployeeListFile::Save(store_, names()) && store_.save(KoravFile::kMasterData, master)
        && (dailyTargets.isEmpty() || DailyTargetsFile::Save(store_, dailyTargets));
}

bool DemoFirmWriter::writeActivities()
{
    const auto save = [this](QStringView fileName, const QList<DemoActivities::Activity>& activities) {
        StringList list;
        for (const DemoActivities::Activity& activity : activities)
            ActivityListFile::Insert(list, ActivityListFile::Line(activity.number, activity.description));
        return ActivityListFile::Save(store_, fileName, list);
    };
    if (!save(KoravFile::kProjects, DemoActivities::Projects())
        || !save(KoravFile::kOtherActivities, DemoActivities::OtherActivities()))
        return false;
    StringList config = KoravConfig::Load(store_);
    config.setValue(QString::fromUtf16(KoravConfig::kMasterPrefixLength),
        QString::number(DemoActivities::kMasterPrefixLength));
    config.setValue(QString::fromUtf16(KoravConfig::kCaption4), u"Gleitfrei"_s);
    config.setValue(QString::fromUtf16(KoravConfig::kCaption5), u"Verwaltung"_s);
    return KoravConfig::Save(store_, config);
}

// Germany with Corpus Christi and All Saints, as in North Rhine-Westphalia.
bool DemoFirmWriter::writeHolidays()
{
    HolidaySettingsEditor editor(store_, {});
    editor.load();
    editor.country = HolidaySettingsEditor::kGermany;
    editor.switches = { false, true, false, false, true, false };
    editor.save();
    return KoravConfig::Load(store_).hasKey(KoravConfig::kRegionalHolidays);
}

HolidayCalendar DemoFirmWriter::calendar(int year) const
{
    return HolidayCalendar(HolidaySettings::FromConfig(KoravConfig::Load(store_)), year);
}

// The full-time target of a month is its working days at eight hours, in
// the three years PELIN's target records reach into.
bool DemoFirmWriter::writeTargets()
{
    const int year = clock_.today().year();
    for (int y = year - 1; y <= year + 1; ++y) {
        const HolidayCalendar holidays = calendar(y);
        StringList file;
        for (const DemoEmployee& employee : std::as_const(staff_)) {
            for (int month = 1; month <= 12; ++month)
                file.append(YearTargetsFile::Line(y, month, employee.shortName,
                    QString::number(WorkingDays(y, month, holidays).size() * kDemoFirmDailyTarget / 60)));
        }
        if (!YearTargetsFile::Save(store_, y, file))
            return false;
    }
    TargetTimesEditor editor(store_, year, {});
    if (!editor.open(names()))
        return false;
    editor.pickDaily(u"08"_s, u"00"_s);
    editor.setFiveMinuteRaster(true);
    return editor.BuildTargetRecords();
}

bool DemoFirmWriter::writeRates()
{
    const int year = clock_.today().year();
    for (int y = year - 1; y <= year; ++y) {
        DemoRandom random = random_.fork(quint64(y));
        HourlyRatesEditor editor(store_, y);
        editor.open(names());
        editor.editRate(0, QString::number(kForecastRate));
        for (int row = 1; row < editor.rows().size(); ++row)
            editor.editRate(
                row, u"%1.%2"_s.arg(random.between(55, 95)).arg(random.below(4) * 25, 2, 10, QChar(u'0')));
        if (!editor.SaveRates())
            return false;
    }
    return true;
}

// Every employee starts the year with a balance between -10:00 and +25:00
// and 30 days of holiday; every other one carries days over.
bool DemoFirmWriter::writeAccounts()
{
    DemoRandom random = random_.fork(2);
    AccountSettingsEditor editor(store_, clock_.today());
    editor.open(names());
    for (int row = 0; row < editor.names().size(); ++row) {
        editor.edit(
            row, AccountSettingsEditor::Opening, AccountRules::BalanceText(random.between(-40, 100) * 15));
        editor.edit(row, AccountSettingsEditor::Entitlement, u"30"_s);
        if (row % 2 == 0)
            editor.edit(row, AccountSettingsEditor::Carried, AccountRules::DaysText(random.between(1, 10)));
    }
    return editor.save() == DialogOutcome::Close && store_.exists(AccountSettingsFile::kFileName);
}

bool DemoFirmWriter::buildAndProvide()
{
    connection_.load();
    DataFileCodec codec(CodecProgram::Korav, messenger_);
    BaseDataStaleness stale;
    stale.check(store_.folder(), connection_.fields().programFolder, clock_.today().year());
    const PelinBaseBuild build { store_, codec, clock_, clock_.today(), connection_ };
    if (!build.run(stale))
        return false;
    const PelinProvision provision(store_, connection_);
    return provision.provideBaseData(stale, clock_.now()).complete()
        && FileStore::Exists(connection_.fields().programFolder + u'/' + KoravFile::PelinProgram());
}

bool DemoFirmWriter::writeMonths()
{
    return WriteDemoMonthFiles(staff_, connection_.fields().timeFolder, clock_.today(), request_.months,
        HolidaySettings::FromConfig(KoravConfig::Load(store_)), random_, messenger_);
}

bool DemoFirmWriter::collect()
{
    const TimeFileCollection collection(store_, connection_.fields().timeFolder);
    const std::optional<TimeFileCollection::Result> result = collection.CollectTimeFiles(true, clock_.now());
    return result && result->failed.isEmpty();
}

// The balances reach up to the months just collected.
bool DemoFirmWriter::provideAccounts()
{
    DataFileCodec codec(CodecProgram::Korav, messenger_);
    return BuildAccountFile(store_, codec, clock_.today())
        && PelinProvision(store_, connection_)
               .ProvideFile(QString::fromUtf16(ProvidedAccount::kFileName), PelinProvision::Kind::TimeFolder);
}

DemoAccess DemoFirmWriter::access() const
{
    DemoAccess access { QString::fromUtf16(kSystemPassword), QString::fromUtf16(kDataPassword), {} };
    for (const DemoEmployee& employee : staff_)
        access.employees.append(
            { employee.master.longName, employee.master.personnelNumber, employee.master.password });
    return access;
}

bool DemoFirmWriter::writeAccessFile()
{
    QString error;
    const QString text = DemoAccessText(access()).replace(u'\n', u"\r\n"_s);
    if (FileStore::WriteText(store_.folder().path(kDemoAccessFile), text, TextEncoding::Utf8WithBom, &error))
        return true;
    messenger_.show(error);
    return false;
}

} // namespace

std::optional<DemoAccess> WriteDemoFirm(
    const DemoFirmRequest& request, Messenger& messenger, const Clock& clock)
{
    DemoFirmRequest absolute = request;
    absolute.folder = QFileInfo(request.folder).absoluteFilePath();
    StepMessenger steps(messenger);
    DemoFirmWriter writer(absolute, steps, clock);
    using Step = bool (DemoFirmWriter::*)();
    constexpr Step kSteps[] = { &DemoFirmWriter::prepareFolder, &DemoFirmWriter::setUp,
        &DemoFirmWriter::writeStaff, &DemoFirmWriter::writeActivities, &DemoFirmWriter::writeHolidays,
        &DemoFirmWriter::writeTargets, &DemoFirmWriter::writeRates, &DemoFirmWriter::writeAccounts,
        &DemoFirmWriter::buildAndProvide, &DemoFirmWriter::writeMonths, &DemoFirmWriter::collect,
        &DemoFirmWriter::provideAccounts, &DemoFirmWriter::writeAccessFile };
    for (const Step step : kSteps) {
        if (!(writer.*step)()) {
            steps.passOn();
            messenger.show(u"Die Demo-Firma konnte nicht geschrieben werden.  "_s);
            return std::nullopt;
        }
        steps.forget();
    }
    return writer.access();
}
