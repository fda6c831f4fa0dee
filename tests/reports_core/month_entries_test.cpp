#include "korav/reports/core/month_entries.h"

#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QDate kToday(2024, 3, 7);

TEST(MonthEntriesTest, AddsAnEntryMadeToday)
{
    QStringList entries;
    EXPECT_EQ(AddMonthEntry(entries, u"P100"_s, u"8"_s, u"30"_s, kToday).refusal, EntryRefusal::None);
    EXPECT_EQ(
        AddMonthEntry(entries, u"ABCDEFGHIJKLMNOP"_s, u"100"_s, u"00"_s, kToday).refusal, EntryRefusal::None);
    EXPECT_EQ(entries,
        (QStringList { u"P100=2024030700830P100"_s, u"ABCDEFGHIJKLMN=2024030710000ABCDEFGHIJKLMN"_s }));
}

TEST(MonthEntriesTest, RefusesWhatCannotBeAnEntry)
{
    QStringList entries { u"P100=2024030700830P100"_s };
    struct Case {
        const char16_t* key;
        const char16_t* hours;
        const char16_t* minutes;
        EntryRefusal refusal;
    };
    const Case cases[] = {
        { u"S1", u"-1", u"00", EntryRefusal::Negative },
        { u"S1", u"1a", u"00", EntryRefusal::NotNumeric },
        { u"S1", u"0", u"00", EntryRefusal::Zero },
        { u"p100", u"1", u"00", EntryRefusal::Duplicate },
    };
    for (const Case& c : cases) {
        const AddEntryResult r = AddMonthEntry(entries, QString::fromUtf16(c.key),
            QString::fromUtf16(c.hours), QString::fromUtf16(c.minutes), kToday);
        EXPECT_EQ(r.refusal, c.refusal);
    }
    EXPECT_EQ(AddMonthEntry(entries, u"P100"_s, u"1"_s, u"00"_s, kToday).duplicateIndex, 0);
    EXPECT_EQ(entries.size(), 1);
    EXPECT_EQ(
        EntryRefusalMessage(EntryRefusal::Duplicate), u"Projekt ist bereits in Tabelle vorhanden !  "_s);
    EXPECT_EQ(EntryRefusalMessage(EntryRefusal::Zero), u"Die Projekt-Stunden müssen größer als 0 sein !  "_s);
}

TEST(MonthEntriesTest, TheTwentyFirstEntryIsRefused)
{
    QStringList entries;
    for (int i = 1; i <= 20; ++i)
        ASSERT_EQ(
            AddMonthEntry(entries, u"K%1"_s.arg(i), u"1"_s, u"00"_s, kToday).refusal, EntryRefusal::None);
    EXPECT_EQ(AddMonthEntry(entries, u"K21"_s, u"1"_s, u"00"_s, kToday).refusal, EntryRefusal::TooMany);
    EXPECT_EQ(EntryRefusalMessage(EntryRefusal::TooMany),
        u"Es können maximal 20 Projekte pro Monat erfasst werden !  "_s);
}

TEST(MonthEntriesTest, FieldsAndOpenTime)
{
    const EntryFields f = FieldsOfEntry(u"P100=2024030700830P100"_s);
    EXPECT_EQ(f.key, u"P100"_s);
    EXPECT_EQ(f.hours, u"8"_s);
    EXPECT_EQ(f.minutes, u"30"_s);

    const std::optional<EntryFields> open = OpenTimeFields(570);
    ASSERT_TRUE(open);
    EXPECT_EQ(open->hours, u"9"_s);
    EXPECT_EQ(open->minutes, u"30"_s);
    EXPECT_FALSE(OpenTimeFields(0));
    EXPECT_FALSE(OpenTimeFields(-5));
    EXPECT_FALSE(OpenTimeFields(60000));

    EXPECT_EQ(DurationOfFields(u"8"_s, u"30"_s), u"00830"_s);
    EXPECT_EQ(DurationOfFields(QString(), u"30"_s), u"00030"_s);
}

} // namespace
