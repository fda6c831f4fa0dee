#include "korav/core/local_time_converter.h"

#include <gtest/gtest.h>

#include <ctime>

namespace {

QDateTime Utc(int year, int month, int day, int hour, int minute, int second = 0, int ms = 0)
{
    return QDateTime(QDate(year, month, day), QTime(hour, minute, second, ms), Qt::UTC);
}

// The times jump back and forth across the changes to and from summer
// time, so that a kept offset is used outside its period if its bounds
// are wrong.
const QDateTime kTimes[] = {
    Utc(2025, 3, 30, 0, 59, 59, 999), // last millisecond of winter time in Berlin
    Utc(2025, 3, 30, 1, 0), // first of summer time
    Utc(2025, 1, 10, 12, 0),
    Utc(2025, 10, 26, 0, 59, 59, 999),
    Utc(2025, 10, 26, 1, 0),
    Utc(2025, 3, 30, 0, 59, 59, 999),
    Utc(2025, 10, 5, 15, 30), // Lord Howe moves by half an hour
    Utc(2025, 4, 5, 14, 59, 59),
    Utc(2025, 4, 5, 15, 0),
    Utc(2037, 7, 1, 12, 0, 0, 999), // beyond the listed transitions
    Utc(1999, 12, 31, 23, 0, 0, 500),
    Utc(2025, 11, 2, 5, 59, 59), // New York
    Utc(2025, 11, 2, 6, 0),
};

class LocalTimeConverterTest : public testing::TestWithParam<const char*> { };

TEST_P(LocalTimeConverterTest, GivesTheWallClockTimeOfTheCLibrary)
{
    qputenv("TZ", GetParam());
    tzset();
    LocalTimeConverter converter;
    for (const QDateTime& time : kTimes) {
        const QDateTime expected = time.toLocalTime();
        const QDateTime local = converter.toLocal(time);
        EXPECT_EQ(local.date(), expected.date()) << qPrintable(time.toString(Qt::ISODateWithMs));
        EXPECT_EQ(local.time(), expected.time()) << qPrintable(time.toString(Qt::ISODateWithMs));
    }
}

INSTANTIATE_TEST_SUITE_P(Zones, LocalTimeConverterTest,
    testing::Values("Europe/Berlin", "Australia/Lord_Howe", "America/New_York", "UTC"));

} // namespace
