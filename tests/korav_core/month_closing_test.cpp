#include "korav/core/month_closing.h"

#include "common/clock.h"
#include "korav/core/base_data_store.h"
#include "tests/korav_core/korav_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

constexpr auto kSystem = AdminPasswords::kSystemAdmin;
constexpr auto kData = AdminPasswords::kDataAdmin;

struct MonthClosingTest : ::testing::Test {
    KoravFixture f;
    FixedClock clock { QDateTime(QDate(2024, 5, 14), QTime(9, 7)) };
    MonthClosing closing { f.store, clock, QDate(2024, 5, 14) };

    void closeUpTo(int year, int month, AdminPasswords::Role role = kData)
    {
        ASSERT_TRUE(closing.CloseUpTo(ClosedMonths(year, month), role));
    }
};

TEST_F(MonthClosingTest, ClosingWritesRecordProvidedCopyAndLogAndMakesProvidingDue)
{
    f.write(u"uplstemp_pel.kvd"_s, kBom + "Zeitstempel für Upload\r\n");
    EXPECT_EQ(closing.CloseUpTo(ClosedMonths(2024, 3), kData), u"09:07 - Monate bis 03/2024 abgeschlossen"_s);

    EXPECT_EQ(f.read(u"zabschluss.kvd"_s), kBom + "abschluss=202403\r\n");
    EXPECT_EQ(f.read(u"dabschluss.kvd"_s), kBom + "abschluss=202403\r\n");
    EXPECT_EQ(f.read(u"abschluss.log"_s),
        kBom + " 14.05.2024 09:07 - Daten-Administrator - Abschluss keiner -> 03/2024\r\n");
    EXPECT_FALSE(f.tmp.exists(u"daten/uplstemp_pel.kvd"_s));
    EXPECT_EQ(closing.current(), ClosedMonths(2024, 3));
    EXPECT_TRUE(f.messenger.all.isEmpty());
}

TEST_F(MonthClosingTest, ReopeningIsForTheSystemAdministratorOnlyAndIsLoggedAfterTheEarlierLines)
{
    closeUpTo(2024, 3);

    EXPECT_FALSE(closing.CloseUpTo(ClosedMonths(2024, 1), kData));
    EXPECT_EQ(f.messenger.messages,
        QStringList { u"Abgeschlossene Monate kann nur der System-Administrator wieder öffnen !  "_s });
    EXPECT_EQ(closing.current(), ClosedMonths(2024, 3));

    f.messenger.answerNext(kAnswerYes);
    clock.set(QDateTime(QDate(2024, 5, 15), QTime(16, 30)));
    EXPECT_TRUE(closing.CloseUpTo(ClosedMonths(2024, 1), kSystem));
    EXPECT_EQ(f.messenger.questions,
        QStringList {
            u"Abgeschlossene Monate wieder öffnen ?\n\nAbschluss bisher: 03/2024\nAbschluss neu: 01/2024  "_s });
    EXPECT_EQ(closing.current(), ClosedMonths(2024, 1));
    EXPECT_EQ(f.read(u"abschluss.log"_s),
        kBom
            + " 14.05.2024 09:07 - Daten-Administrator - Abschluss keiner -> 03/2024\r\n"
              " 15.05.2024 16:30 - System-Administrator - Abschluss 03/2024 -> 01/2024\r\n");
}

TEST_F(MonthClosingTest, DeclinedOrClosedReopeningQuestionChangesNothing)
{
    closeUpTo(2024, 3);
    const QByteArray log = f.read(u"abschluss.log"_s);
    for (const int answer : { kAnswerNo, kAnswerClosed }) {
        f.messenger.answerNext(answer);
        EXPECT_FALSE(closing.CloseUpTo(ClosedMonths(2023, 12), kSystem));
    }
    EXPECT_EQ(closing.current(), ClosedMonths(2024, 3));
    EXPECT_EQ(f.read(u"abschluss.log"_s), log);
}

TEST_F(MonthClosingTest, Refusals)
{
    struct Case {
        ClosedMonths target;
        QString message;
    };
    closeUpTo(2024, 2);
    const Case cases[] = {
        { ClosedMonths(2024, 2), u"Die Monate bis 02/2024 sind bereits abgeschlossen !  "_s },
        { ClosedMonths(2024, 5),
            u"Der laufende Monat und spätere Monate können nicht abgeschlossen werden !  "_s },
        { ClosedMonths(2025, 1),
            u"Der laufende Monat und spätere Monate können nicht abgeschlossen werden !  "_s },
    };
    for (const Case& c : cases) {
        f.messenger.messages.clear();
        EXPECT_FALSE(closing.CloseUpTo(c.target, kSystem)) << c.message.toStdString();
        EXPECT_EQ(f.messenger.messages, QStringList { c.message });
    }
    EXPECT_EQ(closing.current(), ClosedMonths(2024, 2));
}

TEST_F(MonthClosingTest, BackupFolderIsNeverWritten)
{
    KoravFixture backup(u"terminbkp1"_s);
    MonthClosing inBackup(backup.store, clock, QDate(2024, 5, 14));
    EXPECT_FALSE(inBackup.CloseUpTo(ClosedMonths(2024, 3), kSystem));
    EXPECT_EQ(backup.messenger.messages,
        QStringList { u"In einen Sicherungsordner können keine Daten gespeichert werden!"_s });
    EXPECT_FALSE(backup.tmp.exists(u"terminbkp1/abschluss.log"_s));
    EXPECT_FALSE(backup.tmp.exists(u"terminbkp1/zabschluss.kvd"_s));
}

TEST_F(MonthClosingTest, UnreadableLogStopsTheChangeAndIsKept)
{
    closeUpTo(2024, 2);
    // A folder in the log's place can be neither read nor replaced.
    QFile::remove(f.path(u"abschluss.log"_s));
    f.write(u"abschluss.log/x"_s, "x");
    EXPECT_FALSE(closing.CloseUpTo(ClosedMonths(2024, 3), kData));
    EXPECT_EQ(f.messenger.messages.size(), 1);
    EXPECT_EQ(closing.current(), ClosedMonths(2024, 2));
}

TEST(ClosedMonths, ReadsOnlyAWellFormedMonth)
{
    struct Case {
        QString text;
        ClosedMonths expected;
    };
    const Case cases[] = {
        { u"abschluss=202403"_s, ClosedMonths(2024, 3) },
        { u"ABSCHLUSS=202312\r\nabschluss=202401"_s, ClosedMonths(2023, 12) },
        { u"abschluss=202413"_s, {} },
        { u"abschluss=2024"_s, {} },
        { u"abschluss=20240x"_s, {} },
        { u"abschluss="_s, {} },
        { QString(), {} },
    };
    for (const Case& c : cases)
        EXPECT_EQ(ClosedMonths::FromLines(StringList::FromText(c.text)), c.expected) << c.text.toStdString();
}

TEST(ClosedMonths, ClosesTheMonthAndEveryEarlierOne)
{
    const ClosedMonths closed(2024, 3);
    EXPECT_TRUE(closed.closes(2024, 3));
    EXPECT_TRUE(closed.closes(2023, 12));
    EXPECT_FALSE(closed.closes(2024, 4));
    EXPECT_FALSE(ClosedMonths().closes(1980, 1));
}

} // namespace
