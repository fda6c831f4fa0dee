#include "korav/reports/core/law_report.h"

#include "common/month_file.h"
#include "korav/reports/core/csv_export.h"
#include "korav/reports/core/employee_overview.h"
#include "korav/reports/core/workbook_export.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kSeparator = u" "_s + QString(119, u'-');
const QString kHead = u"   Datum       Tag  Beginn  Ende    Arb.zeit   Pause  Ruhezeit  Befund"_s;
const QString kCounts
    = u"   Anzahl   §3 Höchstarbeitszeit:   1   §4 Ruhepausen:   1   §5 Ruhezeit:   1   §9 Sonn- und Feiertagsarbeit:   1"_s;

struct Recorded {
    int day;
    const char* come; // "0900"
    const char* go;
    QList<MonthFile::ActivityEntryText> entries;
};

// Erika (4711) worked late on 28 February 2023 and came early on 1 March;
// in March she worked over ten hours, on a Sunday, over six hours without a
// pause and took a holiday. January is a month completed in KORAV.
class LawReportTest : public ::testing::Test {
protected:
    LawReportTest()
    {
        writeMonth(2023, 2,
            { { 28, "1200", "2205", { entry(u"00920"_s, u"P100"_s), entry(u"00045"_s, u"Pause"_s) } } });
        writeMonth(2023, 3,
            { { 1, "0900", "1200", { entry(u"00300"_s, u"P100"_s) } },
                { 2, "0700", "1750", { entry(u"01005"_s, u"P100"_s), entry(u"00045"_s, u"Pause"_s) } },
                { 5, "1000", "1200", { entry(u"00200"_s, u"P100"_s) } },
                { 6, "0800", "1600", { entry(u"00800"_s, u"Urlaub"_s) } }, { 7, "0800", "1405", {} } });
        folder.write(u"auswtg/202301/az2023014711mon.kvd"_s, "");
        directory = ReadEmployeeDirectory(StringList({ u"Erika=Erika Sommer#4711#sommer#100#"_s }));
    }

    static MonthFile::ActivityEntryText entry(const QString& duration, const QString& activity)
    {
        return { u"20230302"_s, duration, activity };
    }

    void writeMonth(int year, int month, const QList<Recorded>& days)
    {
        QStringList lines;
        for (const Recorded& d : days) {
            const QDate date(year, month, d.day);
            const QString come = QString::fromLatin1(d.come);
            const QString go = QString::fromLatin1(d.go);
            lines << MonthFile::RecordLine(MonthFile::DayKey(date, u"4711"_s),
                MonthFile::FormatDayValue(
                    { u"20230310"_s, come.left(2), come.mid(2), go.left(2), go.mid(2), {} }));
            if (!d.entries.isEmpty())
                lines << MonthFile::RecordLine(
                    MonthFile::ActivityKey(date, u"4711"_s), MonthFile::FormatActivityValue(d.entries));
        }
        const QString yyyymm = QDate(year, month, 1).toString(u"yyyyMM"_s);
        folder.write(u"auswtg/"_s + yyyymm + u"/"_s + MonthFile::FileName(year, month, u"4711"_s),
            (lines.join(u"\r\n"_s) + u"\r\n"_s).toUtf8());
    }

    std::optional<LawReport> run(
        PeriodMode mode, const QString& period, const QString& employee = u"Erika Sommer"_s)
    {
        const LawReportContext context { folder.path() + u'/', directory,
            StringList({ u"P100=Messe"_s, u"Pause=Pause"_s, u"Urlaub=Urlaub"_s }), HolidaySettings {},
            messenger };
        return RunLawReport(
            context, { mode, EmployeeOverviewEntries(directory), employee, period, u"2023"_s });
    }

    TempFolder folder;
    ScriptedMessenger messenger;
    EmployeeDirectory directory;
};

} // namespace

TEST_F(LawReportTest, ListsEveryDayWithAFindingAndCountsPerRule)
{
    const std::optional<LawReport> report = run(PeriodMode::Month, u"3"_s);
    ASSERT_TRUE(report);
    const QStringList expected = {
        kSeparator,
        QString(),
        u" Arbeitszeitgesetz 03/2023"_s,
        QString(),
        u" Erika Sommer                  "_s,
        QString(),
        kHead,
        u"   01.03.2023  Mi   09:00   12:00       3:00    0:00     10:55  Ruhezeit unter 11 Stunden (ArbZG §5)"_s,
        u"   02.03.2023  Do   07:00   17:50      10:05    0:45            Arbeitszeit über 10 Stunden (ArbZG §3)"_s,
        u"   05.03.2023  So   10:00   12:00       2:00    0:00            Arbeit am Sonntag (ArbZG §9)"_s,
        u"   07.03.2023  Di   08:00   14:05       6:05    0:00            "
        u"Pause unter 30 Minuten bei mehr als 6 Stunden Arbeitszeit (ArbZG §4)"_s,
        QString(),
        kCounts,
        kSeparator,
        QString(),
        QString(20, u' ') + u"   Gesamtsumme"_s,
        QString(20, u' ') + u"   Gelistete Mitarbeiter"_s,
        kCounts,
        QString(),
        kSeparator,
        QString(),
    };
    EXPECT_EQ(report->lines, expected);
    EXPECT_TRUE(messenger.messages.isEmpty());
}

TEST_F(LawReportTest, MonthsCompletedInKoravAreNamedAsNotChecked)
{
    const std::optional<LawReport> report = run(PeriodMode::Quarter, u"1"_s, u"00-Alle"_s);
    ASSERT_TRUE(report);
    EXPECT_TRUE(
        report->lines.contains(u"   Ersatzweise erfasste Monate ohne Tageszeiten, nicht geprüft: 1"_s));
    EXPECT_TRUE(report->lines.contains(u" Arbeitszeitgesetz 1Q/2023"_s));
    EXPECT_TRUE(report->lines.contains(kCounts));
}

TEST_F(LawReportTest, WithoutPeriodOrEmployeeNothingIsReported)
{
    for (const auto& [mode, period, employee] : { std::tuple { PeriodMode::Month, u""_s, u"Erika Sommer"_s },
             std::tuple { PeriodMode::Quarter, u"5"_s, u"Erika Sommer"_s },
             std::tuple { PeriodMode::Year, u""_s, u""_s } }) {
        messenger.messages.clear();
        EXPECT_FALSE(run(mode, period, employee));
        EXPECT_EQ(
            messenger.messages, QStringList { u"Wählen Sie einen Mitarbeiter und einen Zeitraum !  "_s });
    }
}

TEST_F(LawReportTest, SheetAndCsvCarryTheFindingsAndTheCounts)
{
    const std::optional<LawReport> report = run(PeriodMode::Month, u"3"_s);
    ASSERT_TRUE(report);
    const ReportSelection selection { ReportForm::Law, PeriodMode::Month, u"Erika Sommer"_s, u"3"_s,
        u"2023"_s };
    const OutputMoment moment { QDate(2023, 3, 15), QTime(17, 30) };
    const SheetModel sheet = BuildReportSheet(selection, report->exportLines, {}, moment);
    EXPECT_EQ(sheet.name(), u"Arbeitszeitgesetz_3_2023"_s);
    EXPECT_EQ(CsvText(sheet),
        u"Art;Mitarbeiter;Datum;Wochentag;Beginn;Ende;Arbeitszeit;Pause;Ruhezeit;Regel;Anzahl;Befund\r\n"
        u"Tag;Erika Sommer;01.03.2023;Mi;09:00;12:00;3:00;0:00;10:55;§5;;Ruhezeit unter 11 Stunden (ArbZG "
        u"§5)\r\n"
        u"Tag;Erika Sommer;02.03.2023;Do;07:00;17:50;10:05;0:45;;§3;;Arbeitszeit über 10 Stunden (ArbZG "
        u"§3)\r\n"
        u"Tag;Erika Sommer;05.03.2023;So;10:00;12:00;2:00;0:00;;§9;;Arbeit am Sonntag (ArbZG §9)\r\n"
        u"Tag;Erika Sommer;07.03.2023;Di;08:00;14:05;6:05;0:00;;§4;;"
        u"Pause unter 30 Minuten bei mehr als 6 Stunden Arbeitszeit (ArbZG §4)\r\n"
        u"Summe;Erika Sommer;03/2023;;;;;;;§3;1;Höchstarbeitszeit\r\n"
        u"Summe;Erika Sommer;03/2023;;;;;;;§4;1;Ruhepausen\r\n"
        u"Summe;Erika Sommer;03/2023;;;;;;;§5;1;Ruhezeit\r\n"
        u"Summe;Erika Sommer;03/2023;;;;;;;§9;1;Sonn- und Feiertagsarbeit\r\n"_s);
    ScriptedMessenger messages;
    EXPECT_TRUE(
        ExportWorkbook(folder.path(u"arbzg.xlsx"_s), selection, report->exportLines, {}, moment, messages));
}
