#include "korav/reports/core/report_names.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const OutputMoment kMoment { QDate(2024, 3, 7), QTime(9, 5) };

ReportSelection Selection(ReportForm form, PeriodMode mode, const QString& subject, const QString& period)
{
    return { form, mode, subject, period, u"2016"_s };
}

struct NameCase {
    ReportSelection selection;
    const char16_t* fileName;
    const char16_t* header;
    const char16_t* title;
};

TEST(ReportNamesTest, TextFileHeaderAndPrintTitleOfEveryForm)
{
    const NameCase cases[] = {
        { Selection(ReportForm::Employee, PeriodMode::Month, u"Anna Berg"_s, u"3"_s),
            u"monatsuebersicht_ma_Anna_Berg_3_2016_07032024_09h05.txt",
            u" Monatsübersicht Mitarbeiter Anna Berg   3/2016   Stand 07.03.2024 09:05",
            u"Monatsübersicht 3/2016   Mitarbeiter : Anna Berg" },
        { Selection(ReportForm::Employee, PeriodMode::Quarter, u"00-Alle"_s, u"1-3"_s),
            u"quartalsuebersicht_ma_00-Alle_1-3q2016_07032024_09h05.txt",
            u" Quartalsübersicht Mitarbeiter 00-Alle   1-3Q/2016   Stand 07.03.2024 09:05",
            u"Quartalsübersicht 1-3/2016   Mitarbeiter : 00-Alle" },
        { Selection(ReportForm::Employee, PeriodMode::Year, u"00-Alle"_s, {}),
            u"jahresuebersicht_ma_00-Alle_2016_07032024_09h05.txt",
            u" Jahresübersicht Mitarbeiter 00-Alle   2016   Stand 07.03.2024 09:05",
            u"Jahresübersicht 2016   Mitarbeiter : 00-Alle" },
        { Selection(ReportForm::Project, PeriodMode::Month, u"P100"_s, u"12"_s),
            u"monatsuebersicht_proj_P100_12_2016_07032024_09h05.txt",
            u" Monatsübersicht Projekte P100   12/2016   Stand 07.03.2024 09:05",
            u"Monatsübersicht 12/2016   Projekte : P100" },
        { Selection(ReportForm::Project, PeriodMode::Quarter, u"P100"_s, u"2"_s),
            u"quartalsuebersicht_proj_P100_2q2016_07032024_09h05.txt",
            u" Quartalsübersicht Projekte P100   2Q/2016   Stand 07.03.2024 09:05",
            u"Quartalsübersicht 2/2016   Projekte : P100" },
        { Selection(ReportForm::Project, PeriodMode::Year, u"00-Alle"_s, {}),
            u"jahresuebersicht_proj_00-Alle_2016_07032024_09h05.txt",
            u" Jahresübersicht Projekte 00-Alle   2016   Stand 07.03.2024 09:05",
            u"Jahresübersicht 2016   Projekte : 00-Alle" },
        { Selection(ReportForm::Check, PeriodMode::Year, u"Berg"_s, {}),
            u"vollstaendigkeit_ma_Berg_2016_07032024_09h05.txt",
            u" Vollstaendigkeit Arbeitszeiten Berg   2016   Stand 07.03.2024 09:05",
            u"Arbeitszeiten 2016 auf Vollständigkeit prüfen, Mitarbeiter : Berg" },
        { Selection(ReportForm::Account, PeriodMode::Year, u"Anna Berg"_s, {}),
            u"arbeitszeitkonto_ma_Anna_Berg_2016_07032024_09h05.txt",
            u" Arbeitszeitkonto Mitarbeiter Anna Berg   2016   Stand 07.03.2024 09:05",
            u"Arbeitszeitkonto 2016   Mitarbeiter : Anna Berg" },
    };
    for (const NameCase& c : cases) {
        EXPECT_EQ(TextFileName(c.selection, kMoment), QString::fromUtf16(c.fileName));
        EXPECT_EQ(TextHeaderLine(c.selection, kMoment), QString::fromUtf16(c.header));
        EXPECT_EQ(PrintTitle(c.selection), QString::fromUtf16(c.title));
    }
}

TEST(ReportNamesTest, EveryBlankOfALongNameBecomesAnUnderscore)
{
    const ReportSelection s
        = Selection(ReportForm::Employee, PeriodMode::Year, u"Maria Anna  von der Heide zu Berg"_s, {});
    EXPECT_EQ(TextFileName(s, kMoment),
        u"jahresuebersicht_ma_Maria_Anna__von_der_Heide_zu_Berg_2016_07032024_09h05.txt"_s);
}

TEST(ReportNamesTest, PrintJobTitleDiffersByForm)
{
    const ReportSelection employee = Selection(ReportForm::Employee, PeriodMode::Month, u"A B"_s, u"3"_s);
    const ReportSelection project = Selection(ReportForm::Project, PeriodMode::Year, u"P1"_s, {});
    const ReportSelection check = Selection(ReportForm::Check, PeriodMode::Year, u"A"_s, {});
    EXPECT_EQ(PrintJobTitle(employee, kMoment), u"monatsuebersicht_ma_A_B_3_2016_07032024_09h05"_s);
    EXPECT_EQ(PrintJobTitle(project, kMoment), u"jahresuebersicht_proj_P1_2016_07032024_09h05.txt"_s);
    EXPECT_EQ(PrintJobTitle(check, kMoment), u"korav"_s);
}

TEST(ReportNamesTest, WorkbookNamesCarryTheSelectedYearAndTodaysDate)
{
    const ReportSelection quarter
        = Selection(ReportForm::Employee, PeriodMode::Quarter, u"00-Alle"_s, u"1-2"_s);
    const ReportSelection year = Selection(ReportForm::Project, PeriodMode::Year, u"00-Alle"_s, {});
    EXPECT_EQ(WorkbookFileName(quarter, kMoment), u"korav_ma_quartue_1-2_2016_07032024_09h05.xlsx"_s);
    EXPECT_EQ(WorksheetName(quarter), u"Quartalsübersicht_1-2_2016"_s);
    EXPECT_EQ(WorkbookTitle(quarter), u"Quartalsübersicht Arbeitsstunden 1-2/2016"_s);
    EXPECT_EQ(WorkbookFileName(year, kMoment), u"korav_proj_jahresue_2016_07032024_09h05.xlsx"_s);
    EXPECT_EQ(WorksheetName(year), u"Jahresübersicht_2016"_s);
    EXPECT_EQ(WorkbookTitle(year), u"Jahresübersicht Projektstunden 2016"_s);
    EXPECT_EQ(WorkbookStandText(kMoment), u"Stand: 07.03.2024 09:05"_s);
}

TEST(ReportNamesTest, ConfirmationsKeepTheirBlanks)
{
    EXPECT_EQ(TextSavedMessage(ReportForm::Employee, u"/x/a.txt"_s),
        u"Daten sind in Datei\n\n/x/a.txt\n\ngespeichert."_s);
    EXPECT_EQ(TextSavedMessage(ReportForm::Check, u"/x/a.txt"_s),
        u"Daten sind in Datei  \n\n/x/a.txt  \n\ngespeichert.  "_s);
    EXPECT_EQ(WorkbookSavedMessage(ReportForm::Employee, u"/x/a.xlsx"_s),
        u"Daten sind in Datei \n\n/x/a.xlsx  \n\ngespeichert.  "_s);
    EXPECT_EQ(WorkbookSavedMessage(ReportForm::Project, u"/x/a.xlsx"_s),
        u"Daten sind in Datei  \n\n/x/a.xlsx  \n\ngespeichert.  "_s);
}

} // namespace
