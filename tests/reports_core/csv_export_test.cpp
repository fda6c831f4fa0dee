#include "korav/reports/core/csv_export.h"

#include "korav/reports/core/workbook_export.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const OutputMoment kMoment { QDate(2024, 3, 7), QTime(9, 5) };
const ReportSelection kProjectYear { ReportForm::Project, PeriodMode::Year, u"00-Alle"_s, QString(),
    u"2016"_s };

StringList Projects()
{
    return StringList({ u"P100=Messebau; Halle \"3\""_s, u"S1=Pause"_s });
}

ExportBuffer ProjectBuffer()
{
    return {
        ProjectEmployeeLine(u"P100"_s, 2016, u"Berg; \"Anna\""_s, 12.5, 1234.5, 98.76),
        ProjectEmployeeLine(u"P100"_s, 2016, u"=HYPERLINK(1)"_s, 1, -50, 0),
        ProjectTotalLine(u"P100"_s, 2016, u"Gesamt"_s, 13.5, 1184.5),
        ProjectEmployeeLine(u"0815"_s, 2016, u"-Alt"_s, 2, 0, 0),
    };
}

} // namespace

TEST(CsvExport, WorkbookColumnsWithQuotesDecimalCommasAndNoFormulas)
{
    const SheetModel sheet = BuildReportSheet(kProjectYear, ProjectBuffer(), Projects(), kMoment);
    EXPECT_EQ(CsvText(sheet),
        u"Tätigkeits-Nr;Jahr;Mitarbeiter;Dauer;Kosten;Beschreibung Projekt / Sonstige Tätigk.\r\n"
        u"P100;2016;\"Berg; \"\"Anna\"\"\";12,50;1234,50;\"Messebau; Halle \"\"3\"\"\"\r\n"
        u"P100;2016;'=HYPERLINK(1);1,00;-50,00;\"Messebau; Halle \"\"3\"\"\"\r\n"
        u"P100;2016;Gesamt;13,50;1184,50;\"Messebau; Halle \"\"3\"\"\"\r\n"
        u"0815;2016;'-Alt;2,00;0,00;???\r\n"_s);
}

TEST(CsvExport, FileIsUtf8WithByteOrderMarkAndTheWorkbookName)
{
    TempFolder folder;
    ScriptedMessenger messenger;
    const QString path = folder.path(u"liste.csv"_s);
    ASSERT_TRUE(ExportCsv(path, kProjectYear, ProjectBuffer(), Projects(), kMoment, messenger));
    const QByteArray bytes = folder.read(u"liste.csv"_s);
    EXPECT_TRUE(bytes.startsWith("\xEF\xBB\xBFT\xC3\xA4tigkeits-Nr;"))
        << bytes.left(20).toHex().toStdString();
    EXPECT_EQ(messenger.messages,
        QStringList { u"Daten sind in Datei  \n\n"_s + path + u"  \n\ngespeichert.  "_s });
    EXPECT_EQ(CsvFileName(kProjectYear, kMoment), u"korav_proj_jahresue_2016_07032024_09h05.csv"_s);

    messenger.messages.clear();
    EXPECT_FALSE(ExportCsv(
        folder.path(u"fehlt/liste.csv"_s), kProjectYear, ProjectBuffer(), Projects(), kMoment, messenger));
    ASSERT_EQ(messenger.messages.size(), 1);
    EXPECT_TRUE(messenger.messages.first().startsWith(folder.path(u"fehlt/liste.csv"_s)));
}
