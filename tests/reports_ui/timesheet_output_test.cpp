#include "korav/reports/forms/timesheet_output.h"

#include "common/clock.h"
#include "common/data_file_codec.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// The text of a PDF, pages ended by form feeds, as pdftotext reads it.
QString PdfText(const QString& path)
{
    QProcess pdftotext;
    pdftotext.start(u"pdftotext"_s, { u"-layout"_s, path, u"-"_s });
    pdftotext.waitForFinished(30000);
    return QString::fromUtf8(pdftotext.readAllStandardOutput());
}

QString Squeezed(QString text)
{
    return text.replace(QRegularExpression(u"[ \\t]+"_s), u" "_s);
}

// Anna Berg recorded two long days in PELIN, Bernd Bach none; the month
// has 31 days.
class TimesheetOutputTest : public ::testing::Test {
protected:
    TimesheetOutputTest()
    {
        folder.write(u"daten/zamasta.kvd"_s,
            "\xEF\xBB\xBF"
            "Berg=Anna Berg#4711#geheim#80#\r\n"
            "Bach=Bernd Bach#4712#anders#100#\r\n");
        folder.write(u"daten/dprojekte.kvd"_s, "P100=Messebau\r\nP200=Planung\r\nS1=Pause\r\n");
        folder.write(u"daten/auswtg/202403/az2024034711.kvd"_s,
            "az202403044711=2024030407301615----------------\r\n"
            "pz202403044711=2024030400400P100####2024030400045S1####2024030400400P200####\r\n"
            "az202403294711=2024032906002000----------------\r\n"
            "pz202403294711=2024032901300P100####\r\n");
        QDir().mkpath(folder.path(u"out"_s));
        DataFileCodec codec(CodecProgram::Korav, messenger, [](int) {});
        source = TimesheetSource::Load(folder.path(u"daten/"_s), codec);
        context.chooseFile
            = [this](const QString&, const QString& proposed) { return folder.path(u"out/"_s + proposed); };
    }

    TempFolder folder;
    ScriptedMessenger messenger;
    FixedClock clock { QDateTime(QDate(2024, 4, 2), QTime(10, 15)) };
    ReportOutputContext context { nullptr, messenger, clock, QDate(2024, 4, 2) };
    TimesheetSource source;
};

TEST_F(TimesheetOutputTest, OneEmployeesMonthIsOnePageWithDaysValuesAndSignatures)
{
    const std::optional<Timesheet> sheet = ReadTimesheet(source, u"Anna Berg"_s, 2024, 3);
    ASSERT_TRUE(sheet);
    ASSERT_TRUE(SaveTimesheetAsPdf(context, *sheet));
    const QString path = folder.path(u"out/stundenzettel_Anna_Berg_2024_03.pdf"_s);
    EXPECT_EQ(
        messenger.messages, QStringList { u"Stundenzettel ist in Datei\n\n%1\n\ngespeichert."_s.arg(path) });

    const QString text = PdfText(path);
    EXPECT_EQ(text.count(u'\f'), 1) << "one page";
    const QString squeezed = Squeezed(text);
    for (const QString& expected : {
             u"Stundenzettel 03/2024 Mitarbeiter : Anna Berg"_s,
             u"Tag Kommen Gehen Pause Arbeitszeit Tätigkeiten (Std:Min)"_s,
             u"Mo 04.03. 07:30 16:15 0:45 8:00 P100 4:00, P200 4:00"_s,
             u"Fr 29.03. 06:00 20:00 0:00 14:00 P100 13:00"_s,
             u"So 31.03."_s,
             u"Monatswerte Arbeitszeit 22:00 Soll --- Differenz"_s,
             u"Datum: ______________ Unterschrift Mitarbeiter(in): ________________________________"_s,
             u"Datum: ______________ Unterschrift Vorgesetzte(r): ________________________________"_s,
             u"Programm KORAV"_s,
         })
        EXPECT_TRUE(squeezed.contains(expected)) << expected.toStdString() << "\n" << squeezed.toStdString();
}

TEST_F(TimesheetOutputTest, AllEmployeesGoIntoOneFolderAndEmployeesWithoutDataAreLeftOut)
{
    const TimesheetFolderResult result
        = SaveTimesheetsToFolder(context, source, 2024, 3, folder.path(u"out"_s));
    EXPECT_EQ(result.written, 1);
    EXPECT_TRUE(result.failed.isEmpty());
    EXPECT_EQ(QDir(folder.path(u"out"_s)).entryList(QDir::Files),
        QStringList { u"stundenzettel_Anna_Berg_2024_03.pdf"_s });
    EXPECT_EQ(messenger.messages.last(),
        u"1 Stundenzettel sind im Ordner\n\n%1\n\ngespeichert."_s.arg(
            QDir::toNativeSeparators(folder.path(u"out"_s))));

    messenger.messages.clear();
    EXPECT_EQ(SaveTimesheetsToFolder(context, source, 2024, 2, folder.path(u"out"_s)).written, 0);
    EXPECT_EQ(messenger.messages,
        QStringList { u"Für alle Mitarbeiter sind im Monat 02/2024 keine Arbeitszeiten vorhanden !  "_s });
}

TEST_F(TimesheetOutputTest, UnwritableFileIsReportedAndNotCountedAsWritten)
{
    QDir().mkpath(folder.path(u"out/stundenzettel_Anna_Berg_2024_03.pdf/x"_s));
    const TimesheetFolderResult result
        = SaveTimesheetsToFolder(context, source, 2024, 3, folder.path(u"out"_s));
    EXPECT_EQ(result.written, 0);
    EXPECT_EQ(result.failed, QStringList { u"stundenzettel_Anna_Berg_2024_03.pdf"_s });
    EXPECT_EQ(messenger.messages.size(), 1);
}

} // namespace
