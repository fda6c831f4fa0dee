#include "common/clock.h"
#include "common/data_file_codec.h"
#include "korav/core/base_data_staleness.h"
#include "korav/core/base_data_store.h"
#include "korav/core/connection_settings.h"
#include "korav/core/ftp_time_files.h"
#include "korav/core/month_closing.h"
#include "korav/core/pelin_base_builder.h"
#include "korav/core/pelin_provision.h"
#include "korav/core/time_file_collection.h"
#include "pelin/core/day_sheet.h"
#include "pelin/core/login_session.h"
#include "pelin/core/pelin_config.h"
#include "tests/end_to_end/firm_files.h"
#include "tests/support/ftp_server.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>
#include <memory>

using namespace Qt::StringLiterals;

namespace {

enum class Mode { Lan, Ftp };

const QDate kToday(2023, 3, 15);
const QDateTime kNow(kToday, QTime(17, 30));
const QString kMonthFile = u"az2023034711.kvd"_s;

// A firm set up in KORAV's data folder, the exchange folders, an FTP server
// in FTP mode, and an employee's documents folder for PELIN.
class EndToEnd : public ::testing::TestWithParam<Mode> {
protected:
    void SetUp() override
    {
        for (const auto* folder : { u"daten", u"prog", u"zeit", u"docs/pelin", u"desktop" })
            QDir(root.path()).mkpath(QString::fromUtf16(folder));
        store.setFolder(DataFolder(root.path(u"daten"_s)));
        root.write(u"daten/zama.kvd"_s, Lines({ u"Erika"_s }));
        root.write(u"daten/zamasta.kvd"_s, Lines({ u"Erika=Erika Sommer#4711#sommer#100#"_s }));
        root.write(u"daten/zmszsatz.kvd"_s, Lines({ TargetLine() }));
        root.write(u"daten/zprojekte.kvd"_s, Lines({ u"P100=Messe"_s }));
        root.write(u"daten/zsonstige.kvd"_s, Lines({ u"Pause=Pause"_s }));
        root.write(u"daten/"_s + KoravFile::PelinProgram(), "#!/bin/sh\n");
        root.write(u"daten/zconfig.kvd"_s,
            Lines({ u"progordner="_s + root.path(u"prog"_s), u"zeitordner="_s + root.path(u"zeit"_s),
                u"update_nummer=01.03.2023 08:00:00"_s }));
        // The PELIN installed on the employee's computer is of this update.
        root.write(u"docs/pelin/pelinlok.cfg"_s, "update_nummer=01.03.2023 08:00:00\r\n");
        connection.load();
        if (GetParam() == Mode::Ftp)
            chooseFtp();
    }

    void chooseFtp()
    {
        ftp = std::make_unique<FtpServer>();
        ASSERT_TRUE(ftp->isRunning());
        const FtpSettings s = ftp->settings();
        ConnectionFields& f = connection.fields();
        f.ftpActive = true;
        f.ftpServer = s.server + u':' + QString::number(s.port);
        f.ftpUser = s.user;
        f.ftpPassword = s.password;
        f.ftpFolder = s.folder;
        ASSERT_TRUE(connection.saveFields());
    }

    void buildAndProvide()
    {
        stale.check(store.folder(), connection.fields().programFolder);
        ASSERT_TRUE((PelinBaseBuild { store, koravCodec, clock, kToday, connection }.run(stale)));
        const PelinProvision provision(store, connection);
        ASSERT_TRUE(provision.provideBaseData(stale, kNow).complete());
        ASSERT_TRUE(koravMessenger.all.isEmpty()) << koravMessenger.all.join(u'|').toStdString();
    }

    // PELIN as started from the program folder: its configuration as KORAV
    // provided it.
    std::unique_ptr<LoginSession> startPelin()
    {
        StringList cfg;
        pelinCodec.LoadDataFile(root.path(u"prog/pelin.cfg"_s), cfg);
        const PelinConfig config = ParsePelinConfig(cfg);
        EXPECT_EQ(config.dbVersion, kRequiredDbVersion);
        EXPECT_EQ(config.lanMode, GetParam() == Mode::Lan);
        return std::make_unique<LoginSession>(LoginSettingsFrom(config, root.path(u"prog"_s), false),
            UserFolders { root.path(u"docs"_s), root.path(u"desktop"_s) }, pelinMessenger, kToday, pelinCodec,
            [](int) {});
    }

    std::optional<TimeFileCollection::Result> collect()
    {
        if (connection.fields().ftpActive) {
            EXPECT_TRUE(
                FetchFtpTimeFiles(connection.ftpSettings(), connection.fields().timeFolder, koravMessenger)
                    .isEmpty());
        }
        return TimeFileCollection(store, connection.fields().timeFolder).CollectTimeFiles(true, kNow);
    }

    TempFolder root;
    std::unique_ptr<FtpServer> ftp;
    ScriptedMessenger koravMessenger;
    ScriptedMessenger pelinMessenger;
    BaseDataStore store { koravMessenger };
    FixedClock clock { kNow };
    DataFileCodec koravCodec { CodecProgram::Korav, koravMessenger };
    DataFileCodec pelinCodec { CodecProgram::Pelin, pelinMessenger };
    ConnectionSettings connection { store };
    BaseDataStaleness stale;
};

TEST_P(EndToEnd, KoravProvidesPelinRecordsAndKoravCollectsTheSameBytes)
{
    buildAndProvide();
    if (ftp) {
        EXPECT_EQ(ftp->read(u"zeit/dama.kvd"_s), root.read(u"daten/dama.kvd"_s));
        EXPECT_EQ(ftp->read(u"zeit/dprojekte.kvd"_s), root.read(u"daten/dprojekte.kvd"_s));
    }

    std::unique_ptr<LoginSession> pelin = startPelin();
    ASSERT_TRUE(pelin->login(u"sommer"_s, {}).loggedIn) << pelinMessenger.all.join(u'|').toStdString();
    LoginState& state = pelin->state();
    EXPECT_EQ(state.personnelNumber, u"4711"_s);
    EXPECT_EQ(state.name, u"Erika Sommer"_s);
    EXPECT_EQ(state.activityList.lines(), (QStringList { u"P100=Messe"_s, u"Pause=Pause"_s }));
    state.currentMonth.storeDay(14, { {}, u"08"_s, u"00"_s, u"16"_s, u"30"_s, u"Messe"_s },
        { { u"20230315"_s, u"00800"_s, u"P100"_s } }, kToday);
    state.changes.dataChanged();
    pelinMessenger.answerNext(kAnswerYes);
    pelin->logout();
    EXPECT_TRUE(pelinMessenger.messages.isEmpty()) << pelinMessenger.messages.join(u'|').toStdString();

    const QByteArray recorded = root.read(u"docs/pelin/"_s + kMonthFile);
    ASSERT_TRUE(recorded.contains("Messe"));
    const std::optional<TimeFileCollection::Result> result = collect();
    ASSERT_TRUE(result);
    // PELIN saves the previous month too.
    EXPECT_EQ(result->updated, 2);
    EXPECT_EQ(root.read(u"daten/auswtg/202303/"_s + kMonthFile), recorded);
    EXPECT_EQ(
        root.read(u"daten/auswtg/202302/az2023024711.kvd"_s), root.read(u"docs/pelin/az2023024711.kvd"_s));
    EXPECT_TRUE(koravMessenger.all.isEmpty()) << koravMessenger.all.join(u'|').toStdString();

    // Nothing changed since: the second collection copies nothing.
    EXPECT_EQ(collect()->updated, 0);
}

// Account settings make KORAV provide Erika's balance up to February
// (January and February owed 168:00 each from 20:00) and her holiday;
// PELIN fetches them with the base data in both modes.
TEST_P(EndToEnd, ProvidedAccountsReachPelin)
{
    StringList settings(QStringList { u"2023Erika=20:00#30##"_s });
    ASSERT_TRUE(koravCodec.SaveDataFile(root.path(u"daten/zkonto.kvd"_s), settings));
    buildAndProvide();
    if (ftp) {
        EXPECT_EQ(ftp->read(u"zeit/dkonto.kvd"_s), root.read(u"daten/dkonto.kvd"_s));
    }

    std::unique_ptr<LoginSession> pelin = startPelin();
    ASSERT_TRUE(pelin->login(u"sommer"_s, {}).loggedIn) << pelinMessenger.all.join(u'|').toStdString();
    EXPECT_EQ(pelin->state().accountFile.lines(), QStringList { u"kto4711=202302#-18960#2023#60#0#0#"_s });
    EXPECT_TRUE(pelinMessenger.all.isEmpty()) << pelinMessenger.all.join(u'|').toStdString();
}

// KORAV closes February: PELIN learns it with the base data, refuses its
// days, and its save brings only March to the collection.
TEST_P(EndToEnd, ClosedMonthReachesPelinAndOnlyOpenMonthsComeBack)
{
    buildAndProvide();
    ASSERT_TRUE(
        MonthClosing(store, clock, kToday).CloseUpTo(ClosedMonths(2023, 2), AdminPasswords::kDataAdmin));
    koravMessenger.answerNext(kAnswerYes);
    ASSERT_TRUE(PelinProvision(store, connection).provideBaseData(stale, kNow).complete())
        << koravMessenger.all.join(u'|').toStdString();
    if (ftp) {
        EXPECT_EQ(ftp->read(u"zeit/dabschluss.kvd"_s), root.read(u"daten/dabschluss.kvd"_s));
    }

    std::unique_ptr<LoginSession> pelin = startPelin();
    ASSERT_TRUE(pelin->login(u"sommer"_s, {}).loggedIn) << pelinMessenger.all.join(u'|').toStdString();
    LoginState& state = pelin->state();
    EXPECT_EQ(state.closedMonths, ClosedMonths(2023, 2));
    PelinDates dates = PelinDates::FromToday(kToday);
    DaySheet sheet(state, dates, clock, pelinMessenger);
    dates.displayedDay = QDate(2023, 2, 27);
    sheet.LoadDisplayedDay();
    sheet.TimesPicked(u"08"_s, u"00"_s, u"16"_s, u"00"_s);
    EXPECT_EQ(pelinMessenger.messages.size(), 1);
    dates.displayedDay = QDate(2023, 3, 14);
    sheet.LoadDisplayedDay();
    sheet.TimesPicked(u"08"_s, u"00"_s, u"16"_s, u"00"_s);
    pelinMessenger.answerNext(kAnswerYes);
    ASSERT_TRUE(pelin->logout());

    const std::optional<TimeFileCollection::Result> result = collect();
    ASSERT_TRUE(result);
    EXPECT_EQ(result->updated, 1);
    EXPECT_TRUE(result->late.isEmpty());
    EXPECT_TRUE(root.exists(u"daten/auswtg/202303/"_s + kMonthFile));
    EXPECT_FALSE(root.exists(u"daten/auswtg/202302/az2023024711.kvd"_s));
}

INSTANTIATE_TEST_SUITE_P(BothModes, EndToEnd, ::testing::Values(Mode::Lan, Mode::Ftp),
    [](const auto& info) { return info.param == Mode::Lan ? "Lan" : "Ftp"; });

} // namespace
