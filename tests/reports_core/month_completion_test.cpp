#include "korav/reports/core/month_completion.h"

#include "common/clock.h"
#include "common/data_file_codec.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kNewFile = u"Eine KORAV-Monatsdatei wird neu angelegt."_s;

class MonthCompletionTest : public ::testing::Test {
protected:
    MonthCompletionTest()
    {
        folder.write(u"zamasta.kvd"_s,
            "\xEF\xBB\xBF"
            "Berg=Anna Berg#4711#geheim#80#\r\n"
            "Ohne=Otto Ohne#\r\n");
        folder.write(u"dprojekte.kvd"_s, "P100=Messebau\r\nS1=Pause\r\n");
        QString msz = u"msz4711=10800"_s + u"12202316000"_s;
        for (int month = 1; month <= 12; ++month)
            msz += QString::number(100 + month).mid(1) + (month == 3 ? u"202416800"_s : u"202416000"_s);
        StringList dama({ u"geheim=4711#Anna Berg#80#"_s, msz });
        DataFileCodec writer(CodecProgram::Korav, messenger, [](int) {});
        writer.SaveDataFile(folder.path(u"dama.kvd"_s), dama);
        completion.Open();
    }

    QString root() const { return folder.path() + u'/'; }
    QString monthFile() const { return u"auswtg/202403/az2024034711mon.kvd"_s; }
    void showMarch() { ASSERT_TRUE(completion.Show(u"Anna Berg"_s, 3, 2024, false)); }

    TempFolder folder;
    ScriptedMessenger messenger;
    DataFileCodec codec { CodecProgram::Korav, messenger, [](int) {} };
    FixedClock clock { QDateTime(QDate(2024, 4, 2), QTime(10, 15)) };
    MonthCompletion completion { root(), false, messenger, codec, clock, QDate(2024, 4, 2) };
};

TEST_F(MonthCompletionTest, DirectoryListsEveryNamedRecordButNumbersOnlyCompleteOnes)
{
    EXPECT_EQ(completion.directory().names, (QStringList { u"Anna Berg"_s, u"Otto Ohne"_s }));
    EXPECT_EQ(completion.directory().personnelNumber(u"Anna Berg"_s), u"4711"_s);
    EXPECT_FALSE(completion.directory().personnelNumber(u"Otto Ohne"_s));
    EXPECT_TRUE(completion.fiveMinutePrecision());
}

TEST_F(MonthCompletionTest, NewMonthShowsEmptyTotalsAndWritesNothingUntilSaved)
{
    showMarch();
    EXPECT_EQ(messenger.messages, QStringList { kNewFile });
    EXPECT_EQ(completion.headingText(), u" Anna Berg   03 / 2024"_s);
    EXPECT_EQ(completion.target().label, u"134:24 "_s);
    EXPECT_EQ(completion.target().hint, u" 80.00% von 168:00 "_s);
    const MonthSums sums = *completion.UpdateSums();
    EXPECT_EQ(sums.workingText, u"--- "_s);
    EXPECT_EQ(sums.assignedText, u"--- "_s);
    EXPECT_EQ(sums.openText, u"--- "_s);
    EXPECT_EQ(sums.differenceText, u"--- "_s);
    EXPECT_TRUE(completion.ConfirmClose(false));
    EXPECT_TRUE(messenger.questions.isEmpty());
    EXPECT_FALSE(folder.exists(monthFile()));
}

TEST_F(MonthCompletionTest, ClosingWithYesWritesOneLineWithoutEntriesAndTwoWithThem)
{
    showMarch();
    completion.SetWorkingTime(u"160"_s, u"00"_s);
    messenger.answerNext(kAnswerYes);
    ASSERT_TRUE(completion.ConfirmClose(false));
    EXPECT_EQ(messenger.questions, QStringList { u"Änderungen speichern ?  "_s });
    EXPECT_EQ(folder.read(monthFile()),
        QByteArray("\xEF\xBB\xBF"
                   "az2024034711=2024040216000----------------\r\n"));

    completion.AddEntry(u"P100"_s, u"150"_s, u"30"_s);
    messenger.answerNext(kAnswerYes);
    ASSERT_TRUE(completion.ConfirmClose(false));
    EXPECT_EQ(folder.read(monthFile()),
        QByteArray("\xEF\xBB\xBF"
                   "az2024034711=2024040216000----------------\r\n"
                   "pz2024034711=2024040215030P100####\r\n"));
    EXPECT_EQ(completion.UpdateSums()->openText, u"  9:30 "_s);
}

TEST_F(MonthCompletionTest, PendingEntryLineCanKeepTheDialogOpen)
{
    showMarch();
    completion.SetWorkingTime(u"8"_s, u"00"_s);
    messenger.answerNext(kAnswerYes);
    messenger.answerNext(kAnswerNo);
    EXPECT_FALSE(completion.ConfirmClose(true));
    EXPECT_EQ(messenger.questions.last(), u"Soll der Inhalt der Erfassungszeile verworfen werden ?  "_s);
    EXPECT_FALSE(folder.exists(monthFile()));
    EXPECT_TRUE(completion.isModified());
}

TEST_F(MonthCompletionTest, PelinMonthFileBlocksTheMonthAndStaysUntouched)
{
    folder.write(u"auswtg/202403/az2024034711.kvd"_s, "az202403014711=x\r\n");
    EXPECT_FALSE(completion.Show(u"Anna Berg"_s, 3, 2024, false));
    EXPECT_EQ(messenger.messages.last(),
        u"Für diesen Mitarbeiter und Monat gibt es bereits eine PELIN-Monatsdatei !\n\n"
        u"Eine zusätzliche KORAV-Monatsdatei kann nicht erstellt werden !  "_s);
    EXPECT_FALSE(completion.isShown());
    completion.SetWorkingTime(u"1"_s, u"00"_s);
    EXPECT_FALSE(completion.Save());
    completion.AddEntry(u"P100"_s, u"1"_s, u"00"_s);
    EXPECT_TRUE(completion.record().entries.isEmpty());
    EXPECT_EQ(messenger.messages.last(), kChooseMonthMessage.toString());
    EXPECT_FALSE(folder.exists(monthFile()));
    EXPECT_EQ(folder.read(u"auswtg/202403/az2024034711.kvd"_s), QByteArray("az202403014711=x\r\n"));
}

TEST_F(MonthCompletionTest, RefusalsWhenShowing)
{
    EXPECT_FALSE(completion.Show(QString(), 3, 2024, false));
    EXPECT_EQ(messenger.messages.last(), kChooseMonthMessage.toString());
    EXPECT_FALSE(completion.Show(u"Otto Ohne"_s, 3, 2024, false));
    EXPECT_EQ(
        messenger.messages.last(), u"Für den gewählten Mitarbeiter ist keine Personalnummer vorhanden !  "_s);
    showMarch();
    EXPECT_FALSE(completion.Show(u"Anna Berg"_s, 3, 2024, false));
    EXPECT_EQ(messenger.messages.last(),
        u"Die KORAV - Monatswerte von\n\nAnna Berg\n\nwerden bereits angezeigt !"_s);
    // After a refused choice the same month can be shown again.
    EXPECT_FALSE(completion.Show(u"Otto Ohne"_s, 3, 2024, false));
    EXPECT_TRUE(completion.Show(u"Anna Berg"_s, 3, 2024, false));
}

TEST_F(MonthCompletionTest, SwitchingMonthsOffersToSaveAndForeignLinesSurvive)
{
    folder.write(monthFile(),
        "\xEF\xBB\xBF"
        "note=keep me\r\n"
        "az2024034711=20240301  800----------------alt\r\n"
        "other=too\r\n"
        "pz2024034711=2024030100800P100####\r\n");
    showMarch();
    EXPECT_EQ(completion.record().hoursText, u"  8"_s);
    EXPECT_EQ(completion.record().remark, u"alt"_s);
    ASSERT_TRUE(completion.RemoveEntry(u"P100"_s));
    messenger.answerNext(kAnswerYes);
    ASSERT_TRUE(completion.Show(u"Anna Berg"_s, 4, 2024, false));
    EXPECT_EQ(folder.read(monthFile()),
        QByteArray("\xEF\xBB\xBF"
                   "note=keep me\r\n"
                   "az2024034711=20240402  800----------------alt\r\n"
                   "other=too\r\n"));
    messenger.answerNext(kAnswerNo);
    ASSERT_TRUE(completion.Show(u"Anna Berg"_s, 3, 2024, false));
    EXPECT_TRUE(completion.record().entries.isEmpty());
}

TEST_F(MonthCompletionTest, EntriesAreTakenBackAndRemoved)
{
    showMarch();
    completion.SetWorkingTime(u"160"_s, u"00"_s);
    completion.AddEntry(u"P100"_s, u"8"_s, u"30"_s);
    EXPECT_EQ(completion.AddEntry(u"p100"_s, u"1"_s, u"00"_s).refusal, EntryRefusal::Duplicate);
    EXPECT_EQ(messenger.messages.last(), u"Projekt ist bereits in Tabelle vorhanden !  "_s);
    EXPECT_FALSE(completion.RemoveEntry(u"X1"_s));
    EXPECT_EQ(messenger.messages.last(), u"Projekt nicht vorhanden  "_s);

    messenger.answerNext(kAnswerNo);
    EXPECT_FALSE(completion.TakeEntryBack(u"P100          "_s, true));
    const std::optional<EntryFields> back = completion.TakeEntryBack(u"P100          "_s, false);
    ASSERT_TRUE(back);
    EXPECT_EQ(back->hours, u"8"_s);
    EXPECT_EQ(back->minutes, u"30"_s);
    EXPECT_TRUE(completion.record().entries.isEmpty());

    const std::optional<EntryFields> open = completion.OpenTime();
    ASSERT_TRUE(open);
    EXPECT_EQ(open->hours, u"160"_s);
    EXPECT_EQ(open->minutes, u"00"_s);
}

TEST_F(MonthCompletionTest, ActivitiesNeedTheWorkingTimeAndShowAsRows)
{
    showMarch();
    messenger.messages.clear();
    EXPECT_FALSE(completion.RequireWorkingTime());
    EXPECT_EQ(messenger.messages, QStringList { u"Es ist keine Monats-Arbeitszeit eingetragen  "_s });
    completion.SetWorkingTime(u"160"_s, u"00"_s);
    EXPECT_TRUE(completion.RequireWorkingTime());
    EXPECT_EQ(messenger.messages.size(), 1);

    completion.AddEntry(u"P100"_s, u"8"_s, u"30"_s);
    completion.AddEntry(u"X9"_s, u"120"_s, u"05"_s);
    const QList<MonthCompletionRow> rows = completion.rows();
    ASSERT_EQ(rows.size(), 2);
    EXPECT_EQ(rows[0].key, u"P100"_s);
    EXPECT_EQ(rows[0].duration, u"  8:30"_s);
    EXPECT_EQ(rows[0].description, u"Messebau"_s);
    EXPECT_EQ(rows[1].duration, u"120:05"_s);
    EXPECT_EQ(rows[1].description, QString()) << "a key missing from the activities has no description";
}

TEST_F(MonthCompletionTest, OpenTimeLimitIsReported)
{
    showMarch();
    completion.SetWorkingTime(u"999"_s, u"59"_s);
    EXPECT_FALSE(completion.UpdateSums()->openLimitExceeded);
    completion.SetWorkingTime(u"1000"_s, u"00"_s);
    EXPECT_TRUE(completion.UpdateSums()->openLimitExceeded);
    EXPECT_EQ(messenger.messages.last(), kMonthOpenLimitMessage.toString());
}

TEST_F(MonthCompletionTest, BackupFolderIsNeverWritten)
{
    MonthCompletion backup(root(), true, messenger, codec, clock, QDate(2024, 4, 2));
    backup.Open();
    ASSERT_TRUE(backup.Show(u"Anna Berg"_s, 3, 2024, false));
    backup.SetWorkingTime(u"8"_s, u"00"_s);
    EXPECT_FALSE(backup.Save());
    EXPECT_TRUE(backup.ConfirmClose(false));
    EXPECT_EQ(messenger.messages.last(), kBackupFolderMessage.toString());
    EXPECT_TRUE(messenger.questions.isEmpty());
    EXPECT_FALSE(folder.exists(monthFile()));
}

TEST_F(MonthCompletionTest, ClosedMonthIsShownButNeverSavedAndCanStillBeLeft)
{
    const QByteArray saved("\xEF\xBB\xBF"
                           "az2024034711=2024032016000----------------alt\r\n");
    folder.write(monthFile(), saved);
    folder.write(u"zabschluss.kvd"_s,
        "\xEF\xBB\xBF"
        "abschluss=202403\r\n");
    const QString refusal
        = u"Der Monat 03/2024 ist abgeschlossen !\n\nÄnderungen können nicht mehr gespeichert werden.  "_s;
    showMarch();
    EXPECT_EQ(completion.record().remark, u"alt"_s);

    completion.SetWorkingTime(u"170"_s, u"00"_s);
    EXPECT_FALSE(completion.Save());
    EXPECT_EQ(messenger.messages, QStringList { refusal });
    messenger.messages.clear();
    EXPECT_TRUE(completion.ConfirmClose(false)) << "the dialog must not hold the user in a closed month";
    EXPECT_TRUE(completion.Show(u"Anna Berg"_s, 2, 2024, false));
    EXPECT_EQ(messenger.messages.first(), refusal);
    EXPECT_TRUE(messenger.questions.isEmpty());
    EXPECT_EQ(folder.read(monthFile()), saved);

    // The month after the closed ones is saved as before.
    folder.write(u"zabschluss.kvd"_s,
        "\xEF\xBB\xBF"
        "abschluss=202402\r\n");
    EXPECT_TRUE(completion.Show(u"Anna Berg"_s, 3, 2024, false));
    completion.SetWorkingTime(u"170"_s, u"00"_s);
    EXPECT_TRUE(completion.Save());
    EXPECT_NE(folder.read(monthFile()), saved);
}

TEST_F(MonthCompletionTest, ExportOfAClosedMonthLeavesItsFileAlone)
{
    const QByteArray saved("\xEF\xBB\xBF"
                           "az2024034711=2024032016000----------------alt\r\n");
    folder.write(monthFile(), saved);
    folder.write(u"zabschluss.kvd"_s,
        "\xEF\xBB\xBF"
        "abschluss=202403\r\n");
    showMarch();
    messenger.messages.clear();
    ASSERT_TRUE(
        completion.ExportText([&](const QString&, const QString&) { return folder.path(u"e.txt"_s); }));
    EXPECT_TRUE(
        messenger.messages.size() == 1 && messenger.messages[0].startsWith(u"Monatswerte sind in Datei"_s))
        << messenger.messages.join(u'|').toStdString();
    EXPECT_EQ(folder.read(monthFile()), saved);
}

TEST_F(MonthCompletionTest, ExportSavesFirstAndProposesTheName)
{
    EXPECT_FALSE(completion.ExportText([](const QString&, const QString&) { return QString(); }));
    EXPECT_EQ(messenger.messages.last(), u"Es werden keine Monatswerte angezeigt !"_s);
    showMarch();
    completion.SetWorkingTime(u"160"_s, u"00"_s);
    QString proposed;
    const QString path = folder.path(u"export.txt"_s);
    ASSERT_TRUE(completion.ExportText([&](const QString& title, const QString& name) {
        EXPECT_EQ(title, u"Speichern als"_s);
        proposed = name;
        return path;
    }));
    EXPECT_EQ(proposed, u"korav_monwerte_Anna_Berg_32024_02042024_10h15.txt"_s);
    EXPECT_TRUE(folder.exists(monthFile()));
    const QString text = QString::fromUtf8(folder.read(u"export.txt"_s));
    EXPECT_TRUE(text.contains(u"   Sollzeit                 134:24  ( 80.00% von 168:00 )\r\n"_s));
    EXPECT_TRUE(text.endsWith(u"  KORAV 02.04.2024 10:15\r\n"_s));
}

} // namespace
