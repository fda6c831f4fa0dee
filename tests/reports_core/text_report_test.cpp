#include "korav/reports/core/text_report.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

TEST(TextReportTest, FileHoldsHeaderLinesAndFooterInUtf8WithCrLf)
{
    TempFolder folder;
    ScriptedMessenger messenger;
    const ReportSelection s { ReportForm::Employee, PeriodMode::Month, u"Jürgen Öz"_s, u"3"_s, u"2016"_s };
    const OutputMoment moment { QDate(2024, 3, 7), QTime(14, 2) };
    const StringList output = TextReportOutput(s, { u" ----"_s, QString(), u"  Pause   1:00"_s }, moment);
    const QString path = folder.path(u"report.txt"_s);

    ASSERT_TRUE(SaveTextReport(path, output, ReportForm::Employee, messenger));

    const QByteArray expected
        = "\xEF\xBB\xBF"
          "\r\n"
          " Monats\xC3\xBC"
          "bersicht Mitarbeiter J\xC3\xBCrgen \xC3\x96z   3/2016   Stand 07.03.2024 14:02\r\n"
          " ----\r\n"
          "\r\n"
          "  Pause   1:00\r\n"
          " KORAV 07.03.2024 14:02\r\n";
    EXPECT_EQ(folder.read(u"report.txt"_s), expected);
    EXPECT_EQ(
        messenger.messages, QStringList { u"Daten sind in Datei\n\n"_s + path + u"\n\ngespeichert."_s });
}

TEST(TextReportTest, FailedWriteKeepsTheOldFolderAndSaysNothingWasSaved)
{
    TempFolder folder;
    QDir(folder.path()).mkdir(u"busy.txt"_s);
    ScriptedMessenger messenger;
    const StringList output { { u"x"_s } };

    EXPECT_FALSE(SaveTextReport(folder.path(u"busy.txt"_s), output, ReportForm::Check, messenger));
    ASSERT_EQ(messenger.messages.size(), 1);
    EXPECT_FALSE(messenger.messages.first().contains(u"gespeichert"_s));
}

} // namespace
