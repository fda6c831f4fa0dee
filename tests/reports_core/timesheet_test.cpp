#include "korav/reports/core/timesheet.h"

#include "common/data_file_codec.h"
#include "korav/reports/core/page_layout.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// Anna Berg (4711, 80 %) recorded two days of March 2024 in PELIN; Otto
// Ohne's month was entered in KORAV.
class TimesheetTest : public ::testing::Test {
protected:
    TimesheetTest()
    {
        folder.write(u"zamasta.kvd"_s,
            "\xEF\xBB\xBF"
            "Berg=Anna Berg#4711#geheim#80#\r\n"
            "Ohne=Otto Ohne#4712#anders#100#\r\n"
            "Leer=Lea Leer#\r\n");
        folder.write(u"dprojekte.kvd"_s, "P100=Messebau\r\nP200=Planung\r\nS1=Pause\r\n");
        QString msz = u"msz4711=10800"_s + u"12202316000"_s;
        for (int month = 1; month <= 12; ++month)
            msz += QString::number(100 + month).mid(1) + u"202416800"_s;
        StringList dama({ u"geheim=4711#Anna Berg#80#"_s, msz });
        DataFileCodec writer(CodecProgram::Korav, messenger, [](int) {});
        writer.SaveDataFile(folder.path(u"dama.kvd"_s), dama);
        folder.write(u"auswtg/202403/az2024034711.kvd"_s,
            "az202403044711=2024030407301615----------------Messe\r\n"
            "pz202403044711=2024030400400P100####2024030400045S1####2024030400400P200####\r\n"
            "az202403054711=2024030508001200----------------\r\n");
        folder.write(u"auswtg/202403/az2024034712mon.kvd"_s,
            "\xEF\xBB\xBF"
            "az2024034712=2024040216000----------------\r\n"
            "pz2024034712=2024040216000P100####\r\n");
    }

    Timesheet read(const QString& name)
    {
        DataFileCodec codec(CodecProgram::Korav, messenger, [](int) {});
        const std::optional<Timesheet> sheet
            = ReadTimesheet(TimesheetSource::Load(folder.path() + u'/', codec), name, 2024, 3);
        EXPECT_TRUE(sheet);
        return sheet.value_or(Timesheet {});
    }

    TempFolder folder;
    ScriptedMessenger messenger;
};

TEST_F(TimesheetTest, DaysMonthValuesAndSignaturesFitOnOneLandscapePage)
{
    const Timesheet sheet = read(u"Anna Berg"_s);
    const QStringList lines = TimesheetLines(sheet);
    const QString rule = u' ' + QString(90, u'-');
    ASSERT_EQ(lines.size(), 2 + 31 + 1 + 1 + 4);
    EXPECT_EQ(lines[0], u" Tag       Kommen Gehen      Pause  Arbeitszeit   Tätigkeiten (Std:Min)"_s);
    EXPECT_EQ(lines[1], rule);
    EXPECT_EQ(lines[2], u" Fr 01.03."_s);
    EXPECT_EQ(lines[5], u" Mo 04.03.  07:30 16:15       0:45         8:00   P100 4:00, P200 4:00"_s);
    EXPECT_EQ(lines[6], u" Di 05.03.  08:00 12:00       0:00         4:00"_s);
    EXPECT_EQ(lines[32], u" So 31.03."_s);
    EXPECT_EQ(lines[33], rule);
    EXPECT_EQ(lines[34],
        u" Monatswerte   Arbeitszeit  12:00   Soll 134:24   Differenz -122:24   Tätigkeiten   8:00   Offene "
        "Zeit   4:00 "_s);
    EXPECT_EQ(lines[35], QString());
    EXPECT_EQ(lines[36],
        u" Datum: ______________   Unterschrift Mitarbeiter(in):  ________________________________"_s);
    EXPECT_EQ(lines[38],
        u" Datum: ______________   Unterschrift Vorgesetzte(r):   ________________________________"_s);
    EXPECT_EQ(PageGeometry::ForPage(4960, 7016).pageCount(lines.size()), 1);

    EXPECT_EQ(TimesheetTitle(sheet), u"Stundenzettel 03/2024   Mitarbeiter : Anna Berg"_s);
    EXPECT_EQ(TimesheetFileName(sheet), u"stundenzettel_Anna_Berg_2024_03.pdf"_s);
}

TEST_F(TimesheetTest, MonthEnteredInKoravHasItsValuesButNoDays)
{
    const Timesheet sheet = read(u"Otto Ohne"_s);
    EXPECT_TRUE(sheet.hasData());
    const QStringList lines = TimesheetLines(sheet);
    EXPECT_EQ(lines[5], u" Mo 04.03."_s);
    EXPECT_TRUE(lines[34].startsWith(u" Monatswerte   Arbeitszeit 160:00 "_s)) << lines[34].toStdString();
}

TEST_F(TimesheetTest, AccountLinesStandBetweenTheMonthValuesAndTheSignatures)
{
    Timesheet sheet = read(u"Anna Berg"_s);
    sheet.accountLines = { u" Arbeitszeitkonto   Vormonat 3:00   Monat -122:24"_s };
    const QStringList lines = TimesheetLines(sheet);
    EXPECT_EQ(lines[35], sheet.accountLines[0]);
    EXPECT_EQ(lines[36], QString());
}

// Anna's 2024 opens at 10:00 with 30 days and 2 carried over; January and
// February passed without data and owe their targets.
TEST_F(TimesheetTest, AccountSettingsBringTheBalanceAfterTheMonthAndTheHolidays)
{
    DataFileCodec codec(CodecProgram::Korav, messenger, [](int) {});
    EXPECT_TRUE(read(u"Anna Berg"_s).accountLines.isEmpty());
    StringList settings({ u"2024Berg=10:00#30#2#"_s });
    ASSERT_TRUE(codec.SaveDataFile(folder.path(u"zkonto.kvd"_s), settings));
    const std::optional<Timesheet> sheet = ReadTimesheet(
        TimesheetSource::Load(folder.path() + u'/', codec, QDate(2024, 4, 10)), u"Anna Berg"_s, 2024, 3);
    ASSERT_TRUE(sheet);
    // 10:00 - 134:24 - 134:24 - (134:24 - 12:00)
    EXPECT_EQ(sheet->accountLines,
        QStringList {
            u" Arbeitszeitkonto   Stand nach 03/2024 -381:12   Urlaub 2024: Anspruch 30  Übertrag 2  "
            u"genommen 0  Rest 32"_s });
}

TEST_F(TimesheetTest, NoSheetWithoutPersonnelNumberAndNoDataWithoutFile)
{
    DataFileCodec codec(CodecProgram::Korav, messenger, [](int) {});
    const TimesheetSource source = TimesheetSource::Load(folder.path() + u'/', codec);
    EXPECT_FALSE(ReadTimesheet(source, u"Lea Leer"_s, 2024, 3));
    EXPECT_FALSE(ReadTimesheet(source, u"Anna Berg"_s, 2024, 2)->hasData());
}

} // namespace
