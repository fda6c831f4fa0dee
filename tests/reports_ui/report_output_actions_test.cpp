#include "korav/reports/forms/report_output_actions.h"

#include "common/clock.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ReportOutputActionsTest : public ::testing::Test {
protected:
    ReportOutputActionsTest()
    {
        context.chooseFile = [this](const QString& title, const QString& proposed) {
            titles.append(title);
            proposals.append(proposed);
            return answer;
        };
        context.print = [this](const PrintoutContent& content) {
            printed.append(content);
            return true;
        };
    }

    TempFolder folder;
    ScriptedMessenger messenger;
    FixedClock clock { QDateTime(QDate(2024, 3, 8), QTime(16, 40)) };
    ReportOutputContext context { nullptr, messenger, clock, QDate(2024, 3, 7) };
    QString answer;
    QStringList titles;
    QStringList proposals;
    QList<PrintoutContent> printed;
    const ReportSelection selection { ReportForm::Employee, PeriodMode::Quarter, u"Anna Berg"_s, u"1-2"_s,
        u"2023"_s };
};

TEST_F(ReportOutputActionsTest, TextSaveProposesTheNameAndWritesTheChosenFile)
{
    answer = folder.path(u"report.txt"_s);
    ASSERT_TRUE(SaveReportAsText(context, selection, { u"line"_s }));
    EXPECT_EQ(titles, QStringList { u"Speichern als"_s });
    EXPECT_EQ(proposals, QStringList { u"quartalsuebersicht_ma_Anna_Berg_1-2q2023_07032024_16h40.txt"_s });
    EXPECT_EQ(folder.read(u"report.txt"_s),
        QByteArray("\xEF\xBB\xBF\r\n Quartals\xC3\xBC"
                   "bersicht Mitarbeiter Anna Berg   1-2Q/2023   Stand 07.03.2024 16:40\r\n"
                   "line\r\n KORAV 07.03.2024 16:40\r\n"));
}

TEST_F(ReportOutputActionsTest, CancelledDialogOrEmptySelectionWritesNothing)
{
    EXPECT_FALSE(SaveReportAsText(context, selection, { u"line"_s }));
    EXPECT_TRUE(messenger.all.isEmpty());
    ReportSelection none = selection;
    none.subject.clear();
    EXPECT_FALSE(SaveReportAsText(context, none, { u"line"_s }));
    EXPECT_FALSE(PrintReportLines(context, none, { u"line"_s }));
    EXPECT_EQ(titles.size(), 1);
    EXPECT_TRUE(printed.isEmpty());
}

TEST_F(ReportOutputActionsTest, PrintoutCarriesTitleJobNameAndNow)
{
    ASSERT_TRUE(PrintReportLines(context, selection, { u"a"_s, u"b"_s }));
    ASSERT_EQ(printed.size(), 1);
    EXPECT_EQ(printed[0].title, u"Quartalsübersicht 1-2/2023   Mitarbeiter : Anna Berg"_s);
    EXPECT_EQ(printed[0].jobTitle, u"quartalsuebersicht_ma_Anna_Berg_1-2q2023_07032024_16h40"_s);
    EXPECT_EQ(printed[0].now, QDateTime(QDate(2024, 3, 8), QTime(16, 40)));
    EXPECT_EQ(printed[0].lines, (QStringList { u"a"_s, u"b"_s }));
}

TEST_F(ReportOutputActionsTest, PdfAndWorkbookGoWhereChosen)
{
    answer = folder.path(u"report.pdf"_s);
    ASSERT_TRUE(SaveReportAsPdf(context, selection, { u"line"_s }));
    EXPECT_TRUE(folder.read(u"report.pdf"_s).startsWith("%PDF"));
    EXPECT_EQ(proposals.last(), u"quartalsuebersicht_ma_Anna_Berg_1-2q2023_07032024_16h40.pdf"_s);

    answer = folder.path(u"report.xlsx"_s);
    ASSERT_TRUE(SaveReportAsWorkbook(context, selection, {}, StringList()));
    EXPECT_EQ(titles.last(), u" Speichern als"_s);
    EXPECT_EQ(proposals.last(), u"korav_ma_quartue_1-2_2023_07032024_16h40.xlsx"_s);
    EXPECT_TRUE(folder.read(u"report.xlsx"_s).startsWith("PK"));
    EXPECT_EQ(messenger.messages.last(), u"Daten sind in Datei \n\n"_s + answer + u"  \n\ngespeichert.  "_s);
}

} // namespace
