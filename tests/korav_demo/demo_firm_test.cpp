#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/file_store.h"
#include "common/holiday_calendar.h"
#include "common/month_list.h"
#include "common/provided_account.h"
#include "common/working_time.h"
#include "korav/core/data_folder.h"
#include "korav/demo/demo_firm.h"
#include "korav/reports/core/account_report.h"
#include "korav/reports/core/annual_check.h"
#include "korav/reports/core/employee_directory.h"
#include "korav/reports/core/employee_overview.h"
#include "korav/reports/core/korav_month_file.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QDirIterator>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Written on 10 March 2026: the data are those of January and February.
const QDateTime kNow(QDate(2026, 3, 10), QTime(9, 15));

class DemoFirmTest : public testing::Test {
protected:
    void SetUp() override { tmp.write(u"bin/pelin"_s, QByteArrayLiteral("#!/bin/sh\n")); }

    std::optional<DemoAccess> write(const QString& name, quint64 seed = kDefaultDemoSeed)
    {
        DemoFirmRequest request;
        request.folder = tmp.path(name);
        request.employees = 3;
        request.months = 2;
        request.seed = seed;
        request.programDirectory = tmp.path(u"bin"_s);
        return WriteDemoFirm(request, messenger, clock);
    }

    QString root(const QString& name) const { return DataFolder(tmp.path(name)).root(); }

    EmployeeDirectory directory(const QString& name) const
    {
        return ReadEmployeeDirectory(StringList::FromText(
            FileStore::ReadText(root(name) + QString::fromUtf16(KoravFile::kMasterData))->text));
    }

    // Every file below a folder, by its path relative to the folder.
    QMap<QString, QByteArray> filesOf(const QString& name) const
    {
        QMap<QString, QByteArray> files;
        const QDir base(tmp.path(name));
        QDirIterator it(base.path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString path = it.next();
            files.insert(base.relativeFilePath(path), *FileStore::ReadBytes(path));
        }
        return files;
    }

    TempFolder tmp;
    ScriptedMessenger messenger;
    FixedClock clock { kNow };
};

TEST_F(DemoFirmTest, WritesAFirmWhoseAnnualCheckMissesNoMonth)
{
    const std::optional<DemoAccess> access = write(u"firma"_s);
    ASSERT_TRUE(access) << messenger.all.join(u'|').toStdString();
    EXPECT_EQ(access->employees.size(), 3);
    EXPECT_TRUE(messenger.all.isEmpty()) << messenger.all.join(u'|').toStdString();
    const EmployeeDirectory names = directory(u"firma"_s);
    ASSERT_EQ(names.names.size(), 3);
    AnnualCheckRequest request { QStringList { u"00-Alle"_s } + names.names, u"00-Alle"_s, u"2026"_s, true };
    // Examined up to February: the demo's months.
    const std::optional<QStringList> lines
        = RunAnnualCheck(root(u"firma"_s), names, QDate(2026, 2, 1), request, messenger);
    ASSERT_TRUE(lines);
    int complete = 0;
    for (const QString& line : *lines) {
        EXPECT_FALSE(line.contains(u"Es fehlen die Monate"_s)) << line.toStdString();
        complete += line.contains(u"Es fehlen keine Monate im untersuchten Zeitraum"_s) ? 1 : 0;
    }
    EXPECT_EQ(complete, 3);
}

TEST_F(DemoFirmTest, EmployeeOverviewHasDataInEveryMonth)
{
    ASSERT_TRUE(write(u"firma"_s));
    DataFileCodec codec(CodecProgram::Korav, messenger);
    const EmployeeDirectory names = directory(u"firma"_s);
    const EmployeeOverviewContext context { root(u"firma"_s), names, clock, kNow.date(), codec, messenger,
        {} };
    const EmployeeOverviewRequest request { PeriodMode::Quarter, EmployeeOverviewEntries(names), u"00-Alle"_s,
        u"1-2"_s, u"2026"_s };
    const EmployeeOverviewReport report = RunEmployeeOverview(context, request);
    ASSERT_EQ(report.outcome, EmployeeOverviewReport::Outcome::Built);
    ASSERT_FALSE(report.lines.isEmpty());
    for (const QString& line : report.lines)
        EXPECT_FALSE(line.contains(u"keine Daten"_s)) << line.toStdString();
    EXPECT_TRUE(messenger.all.isEmpty()) << messenger.all.join(u'|').toStdString();
}

// Opening balances, 30 days each and carry-over for some; the balances
// provided to PELIN reach up to February.
TEST_F(DemoFirmTest, ShowsBothAccounts)
{
    const std::optional<DemoAccess> access = write(u"firma"_s);
    ASSERT_TRUE(access);
    DataFileCodec codec(CodecProgram::Korav, messenger);
    const EmployeeDirectory names = directory(u"firma"_s);
    const AccountReport report
        = RunAccountReport({ root(u"firma"_s), clock, kNow.date(), codec, messenger, {} },
            { EmployeeOverviewEntries(names), u"00-Alle"_s, u"2026"_s });
    ASSERT_EQ(report.outcome, AccountReport::Outcome::Built);
    const QString lead = QString(20, u' ') + u" : "_s;
    EXPECT_EQ(report.lines.count(lead + u"Urlaubsanspruch          30"_s), 3);
    EXPECT_EQ(report.lines.filter(lead + u"Übertrag Vorjahr"_s).size(), 3);
    EXPECT_EQ(report.lines.count(lead + u"Übertrag Vorjahr          0"_s), 1); // the second employee's
    EXPECT_EQ(report.lines.filter(u"(D)"_s).size(), 6); // January and February of three employees

    StringList provided;
    codec.LoadDataFile(tmp.path(u"firma/zeit/dkonto.kvd"_s), provided);
    ASSERT_EQ(provided.size(), 3) << provided.toText().toStdString();
    for (const DemoAccess::Employee& employee : access->employees) {
        const std::optional<ProvidedAccount::Record> record
            = ProvidedAccount::Find(provided, employee.personnelNumber);
        ASSERT_TRUE(record);
        EXPECT_EQ(std::pair(record->year, record->month), std::pair(2026, 2));
        EXPECT_EQ(record->holidayYear, 2026);
    }
    EXPECT_TRUE(messenger.all.isEmpty()) << messenger.all.join(u'|').toStdString();
}

// Every recorded day is a working day (Corpus Christi and All Saints are
// the demo's regional holidays), on the 5-minute raster, and fully
// assigned to two to six different activities (the pause among them).
TEST_F(DemoFirmTest, MonthFilesHoldPlausibleWorkingDays)
{
    ASSERT_TRUE(write(u"firma"_s));
    const EmployeeDirectory names = directory(u"firma"_s);
    HolidaySettings settings;
    settings.germanSwitches = { false, true, false, false, true, false };
    const HolidayCalendar holidays(settings, 2026);
    const PauseActivities pauses(StringList { { u"900=Pause"_s } });
    for (const QString& name : names.names) {
        for (int month = 1; month <= 2; ++month) {
            MonthList list(2026, month, *names.personnelNumber(name));
            ASSERT_EQ(list.load(KoravMonthFile::CollectionFolder(root(u"firma"_s), 2026, month)),
                MonthList::LoadResult::Loaded);
            int recorded = 0;
            for (int day = 1; day <= QDate(2026, month, 1).daysInMonth(); ++day) {
                const MonthList::Day content = list.readDay(day);
                const QDate date(2026, month, day);
                const bool working = date.dayOfWeek() <= 5 && !holidays.isHoliday(date);
                ASSERT_EQ(content.record.has_value(), working) << date.toString().toStdString();
                if (!working)
                    continue;
                ++recorded;
                const MonthFile::DayRecordText& r = *content.record;
                EXPECT_EQ(r.writeDate, MonthFile::DateText(date));
                EXPECT_EQ(r.comeMinute.toInt() % 5, 0);
                EXPECT_EQ(r.goMinute.toInt() % 5, 0);
                DayWork values { DayTimes::FromFields(r.comeHour, r.comeMinute, r.goHour, r.goMinute), {} };
                QSet<QString> activities;
                for (const MonthFile::ActivityEntryText& entry : content.entries) {
                    values.entries.append({ entry.activity, entry.minutes() });
                    activities.insert(entry.activity);
                }
                EXPECT_EQ(activities.size(), content.entries.size());
                EXPECT_GE(content.entries.size(), 1);
                EXPECT_LE(content.entries.size(), 6);
                EXPECT_EQ(ComputeDayValues(values, pauses).open(), 0) << date.toString().toStdString();
            }
            EXPECT_GT(recorded, 15);
        }
    }
}

TEST_F(DemoFirmTest, ProvidesPelinWithItsBaseDataAndTellsThePasswords)
{
    const std::optional<DemoAccess> access = write(u"firma"_s);
    ASSERT_TRUE(access);
    for (const QString& file :
        { u"prog/pelin"_s, u"prog/pelin.cfg"_s, u"zeit/dama.kvd"_s, u"zeit/dprojekte.kvd"_s, u"pelin"_s,
            u"uplstemp_pel.kvd"_s, u"auswtg/202602/az2026021003.kvd"_s })
        EXPECT_TRUE(tmp.exists(u"firma/"_s + file)) << file.toStdString();
    const QString text = QString::fromUtf8(tmp.read(u"firma/demo-zugang.txt"_s));
    EXPECT_TRUE(text.contains(access->systemPassword + u"\r\n"_s));
    EXPECT_TRUE(text.contains(access->dataPassword + u"\r\n"_s));
    for (const DemoAccess::Employee& employee : access->employees)
        EXPECT_TRUE(text.contains(employee.password + u"\r\n"_s)) << employee.password.toStdString();
    EXPECT_EQ(text.count(u"\n"_s), text.count(u"\r\n"_s));
}

TEST_F(DemoFirmTest, SameSeedGivesTheSameFiles)
{
    ASSERT_TRUE(write(u"firma"_s));
    ASSERT_TRUE(QDir().rename(tmp.path(u"firma"_s), tmp.path(u"erster"_s)));
    ASSERT_TRUE(write(u"firma"_s));
    const QMap<QString, QByteArray> first = filesOf(u"erster"_s);
    const QMap<QString, QByteArray> second = filesOf(u"firma"_s);
    EXPECT_GT(first.size(), 20);
    EXPECT_EQ(first.keys(), second.keys());
    for (auto it = first.cbegin(); it != first.cend(); ++it)
        EXPECT_EQ(it.value(), second.value(it.key())) << it.key().toStdString();
}

TEST_F(DemoFirmTest, AnotherSeedGivesOtherMonths)
{
    ASSERT_TRUE(write(u"eins"_s, 1));
    ASSERT_TRUE(write(u"zwei"_s, 2));
    const QString file = u"/auswtg/202601/az2026011001.kvd"_s;
    EXPECT_NE(tmp.read(u"eins"_s + file), tmp.read(u"zwei"_s + file));
}

TEST_F(DemoFirmTest, RefusesAFolderThatHoldsFiles)
{
    tmp.write(u"firma/zama.kvd"_s, QByteArrayLiteral("\xEF\xBB\xBFMeier\r\n"));
    EXPECT_FALSE(write(u"firma"_s));
    ASSERT_EQ(messenger.messages.size(), 2);
    EXPECT_TRUE(messenger.messages.at(0).contains(u"ist nicht leer"_s));
    EXPECT_EQ(messenger.messages.at(1), u"Die Demo-Firma konnte nicht geschrieben werden.  "_s);
    EXPECT_EQ(tmp.read(u"firma/zama.kvd"_s), QByteArrayLiteral("\xEF\xBB\xBFMeier\r\n"));
}

TEST_F(DemoFirmTest, StopsWithoutThePelinProgram)
{
    QFile::remove(tmp.path(u"bin/pelin"_s));
    EXPECT_FALSE(write(u"firma"_s));
    EXPECT_TRUE(messenger.messages.contains(
        u"Datei 'pelin' in aktuellem Ordner nicht gefunden! (kein Kopieren möglich)  "_s));
    EXPECT_EQ(messenger.messages.last(), u"Die Demo-Firma konnte nicht geschrieben werden.  "_s);
    EXPECT_FALSE(tmp.exists(u"firma/zeit/dama.kvd"_s));
}

} // namespace

namespace {

// The daily part of the employee's target record in the built "dama.kvd".
QString DayPartOf(const StringList& dama, const QString& personnelNumber)
{
    return dama.value(QString(u"msz"_s + personnelNumber)).left(5);
}

} // namespace

TEST_F(DemoFirmTest, PartTimeStaffGetTheirOwnDailyTarget)
{
    DemoFirmRequest request;
    request.folder = tmp.path(u"firma"_s);
    request.employees = 10;
    request.months = 1;
    request.programDirectory = tmp.path(u"bin"_s);
    ASSERT_TRUE(WriteDemoFirm(request, messenger, clock));
    DataFileCodec codec(CodecProgram::Korav, messenger);
    StringList dama;
    codec.LoadDataFile(root(u"firma"_s) + u"dama.kvd"_s, dama);
    ASSERT_FALSE(dama.isEmpty());
    const StringList master = StringList::FromText(
        FileStore::ReadText(root(u"firma"_s) + QString::fromUtf16(KoravFile::kMasterData))->text);
    int partTime = 0;
    for (const QString& line : master.lines()) {
        const QStringList fields = StringList::ValueOf(line).split(u'#');
        const int own = PersonalTarget(fields.at(3), 480) / 5 * 5;
        const QString expected
            = u"1%1%2"_s.arg(own / 60, 2, 10, QChar(u'0')).arg(own % 60, 2, 10, QChar(u'0'));
        EXPECT_EQ(DayPartOf(dama, fields.at(1)), expected) << line.toStdString();
        partTime += own < 480 ? 1 : 0;
    }
    EXPECT_GT(partTime, 0) << "the seed gives part-time staff";
    EXPECT_TRUE(tmp.exists(u"firma/zmatagsoll.kvd"_s));
}
