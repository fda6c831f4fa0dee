#include "korav/reports/core/account_report.h"

#include "common/clock.h"
#include "common/data_file_codec.h"
#include "korav/reports/core/employee_overview.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

QString B(int blanks)
{
    return QString(blanks, u' ');
}

const QString kSeparator = u" "_s + QString(119, u'-');
const QString kLead = B(20) + u" : "_s;

// Anna works at 50 % of 160:00 with a daily target of her own of 4:00; the
// report runs on 15 March 2016. December 2015 and January 2016 come from
// collected PELIN files, February has none, March was completed in KORAV.
// Her 2015 account starts at 0; 2016 takes its opening balance and the
// carry-over from there.
class AccountReportTest : public ::testing::Test {
protected:
    AccountReportTest()
    {
        folder.write(u"zamasta.kvd"_s,
            "Berg=Anna Berg#4711#x#50#\r\n"
            "Cord=Carl Cord#4712#y#100#\r\n");
        folder.write(u"dprojekte.kvd"_s, "P100=Messebau\r\nS1=Pause\r\nU1=Urlaub\r\n");
        QString msz = u"msz4711=10400"_s + u"12201516000"_s;
        for (int month = 1; month <= 12; ++month)
            msz += QString::number(100 + month).mid(1) + u"201616000"_s;
        msz += u"01201716000"_s;
        save(u"dama.kvd"_s, StringList({ u"x=4711#Anna Berg#50#"_s, msz }));
        save(u"zkonto.kvd"_s, StringList({ u"2015Berg=#30#0#"_s, u"2016Berg=#30##"_s }));
        folder.write(u"auswtg/201512/az2015124711.kvd"_s,
            "az201512144711=2015121408001200\r\npz201512144711=2015121400400U1####\r\n");
        folder.write(u"auswtg/201601/az2016014711.kvd"_s,
            // a working day, a whole and a half holiday, a holiday booked on a Saturday
            "az201601044711=2016010408001600\r\npz201601044711=2016010400800P100####\r\n"
            "az201601054711=2016010508001200\r\npz201601054711=2016010500400U1####\r\n"
            "az201601064711=2016010608001000\r\npz201601064711=2016010600200U1####\r\n"
            "az201601094711=2016010908001200\r\npz201601094711=2016010900400U1####\r\n");
        folder.write(u"auswtg/201603/az2016034711mon.kvd"_s,
            "az2016034711=20160315 4000----------------\r\n"
            "pz2016034711=2016031500800U1####2016031503200P100####\r\n");
    }

    void save(const QString& name, StringList lines)
    {
        DataFileCodec writer(CodecProgram::Korav, messenger, [](int) {});
        ASSERT_TRUE(writer.SaveDataFile(folder.path(name), lines));
    }

    AccountReport run(const QString& employee, const QString& year = u"2016"_s)
    {
        const QStringList entries { u"00-Alle"_s, u"Anna Berg"_s, u"Carl Cord"_s };
        return RunAccountReport(
            { folder.path() + u'/', clock, start, codec, messenger, {} }, { entries, employee, year });
    }

    TempFolder folder;
    ScriptedMessenger messenger;
    DataFileCodec codec { CodecProgram::Korav, messenger, [](int) {} };
    QDate start { 2016, 3, 15 };
    FixedClock clock { QDateTime(start, QTime(10, 0)) };
};

QString Future(int month)
{
    return kLead + u"%1/2016   "_s.arg(month, 2, 10, QChar(u'0'))
        + u"       ---      80:00        ---        ---"_s + u"        0  (-)"_s;
}

} // namespace

TEST_F(AccountReportTest, YearOfOneEmployee)
{
    QStringList expected {
        kSeparator,
        u""_s,
        u" Anna Berg"_s + B(21) + u"    Arb.zeit   Sollzeit      Diff. Kontostand   Urlaub"_s,
        u""_s,
        kLead + u"Übertrag  "_s + B(32) + u"    -76:00"_s,
        kLead + u"01/2016        18:00      80:00     -62:00    -138:00      1,5  (D)"_s,
        kLead + u"02/2016          ---      80:00     -80:00    -218:00        0  (-)"_s,
        kLead + u"03/2016        40:00      80:00     -40:00    -258:00        2  (Z)"_s,
    };
    for (int month = 4; month <= 12; ++month)
        expected.append(Future(month));
    expected += QStringList {
        u""_s,
        kLead + u"2016ges        58:00     240:00    -182:00    -258:00      3,5"_s,
        u""_s,
        kLead + u"Urlaubsanspruch          30"_s,
        kLead + u"Übertrag Vorjahr         29"_s,
        kLead + u"Genommen                3,5"_s,
        kLead + u"Resturlaub             55,5"_s,
        u""_s,
        kSeparator,
        u""_s,
    };
    const AccountReport report = run(u"Anna Berg"_s);
    EXPECT_EQ(report.outcome, AccountReport::Outcome::Built);
    EXPECT_EQ(report.lines, expected);
    EXPECT_TRUE(messenger.messages.isEmpty());
}

TEST_F(AccountReportTest, ExportLinesCarryTheFiguresInDecimalHours)
{
    const AccountReport report = run(u"Anna Berg"_s);
    ASSERT_EQ(report.exportLines.size(), 14);
    const QString name = u"Anna Berg"_s + B(21);
    EXPECT_EQ(report.exportLines.at(0),
        u"Konto "_s + name + u" 2016 Übertrag  "_s + u"       ---"_s
            + u"        ---        ---     -76.00        ---"_s);
    EXPECT_EQ(report.exportLines.at(2),
        u"Konto "_s + name + u" 2016 02       "_s
            + u"        ---      80.00     -80.00    -218.00       0.00  (-)"_s);
    EXPECT_EQ(report.exportLines.at(13),
        u"Konto "_s + name + u" 2016 ges      "_s
            + u"      58.00     240.00    -182.00    -258.00       3.50"_s);
}

TEST_F(AccountReportTest, AllEmployeesAndEmployeesWithoutAccount)
{
    const AccountReport report = run(u"00-Alle"_s);
    ASSERT_EQ(report.outcome, AccountReport::Outcome::Built);
    EXPECT_EQ(report.lines.count(kSeparator), 3);
    // Carl has no settings and no target: the months before March count with
    // nothing owed, his account starts at 0.
    const qsizetype carl = report.lines.indexOf(
        u" Carl Cord"_s + B(21) + u"    Arb.zeit   Sollzeit      Diff. Kontostand   Urlaub"_s);
    ASSERT_GT(carl, 0);
    EXPECT_EQ(report.lines.at(carl + 2), kLead + u"Übertrag  "_s + B(32) + u"      0:00"_s);
    EXPECT_EQ(report.lines.at(carl + 4),
        kLead + u"02/2016          ---       0:00       0:00       0:00        0  (-)"_s);
    EXPECT_EQ(report.lines.at(carl + 5),
        kLead + u"03/2016          ---       0:00        ---        ---        0  (-)"_s);
}

TEST_F(AccountReportTest, RefusesWithoutSelectionOrAfterADateChange)
{
    EXPECT_EQ(run(QString()).outcome, AccountReport::Outcome::Incomplete);
    EXPECT_EQ(messenger.messages.value(0), u"Wählen Sie einen Mitarbeiter und einen Zeitraum !  "_s);
    clock.set(QDateTime(start.addDays(1), QTime(0, 1)));
    EXPECT_EQ(run(u"Anna Berg"_s).outcome, AccountReport::Outcome::DateChanged);
    EXPECT_EQ(messenger.messages.value(1), u"Zeitfehler: Starten Sie das Programm neu !  "_s);
}
