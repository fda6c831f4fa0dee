#include "common/employee_file_records.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using namespace EmployeeFile;
using Status = LoginRecord::Status;

TEST(EmployeeFileRecords, LoginRecordLineAndFields)
{
    EXPECT_EQ(LoginRecordLine(u"geheim"_s, u"4711"_s, u"Erika Muster"_s, u"62.5"_s),
        u"geheim=4711#Erika Muster#62.5#"_s);
    const LoginRecord record = ParseLoginRecord(u"4711#Erika Muster#62.5#");
    EXPECT_EQ(record.status, Status::Ok);
    EXPECT_EQ(record.personnelNumber, u"4711"_s);
    EXPECT_EQ(record.name, u"Erika Muster"_s);
    EXPECT_EQ(record.degree, u"62.5"_s);
}

TEST(EmployeeFileRecords, PersonnelNumberChecks)
{
    const struct {
        const char16_t* value;
        Status status;
    } cases[] = {
        { u"", Status::Empty },
        { u"123456789012#Name#100#", Status::Ok },
        { u"1234567890123#Name#100#", Status::NumberTooLong },
        { u"#Name#100#", Status::Malformed },
        { u"4711 ohne Trenner", Status::Malformed },
        { u"../x#Name#100#", Status::Malformed },
        { u"a/b#Name#100#", Status::Malformed },
        { u"a\\b#Name#100#", Status::Malformed },
        { u"a\tb#Name#100#", Status::Malformed },
        { u"4711#Nur Name", Status::Ok },
    };
    for (const auto& c : cases)
        EXPECT_EQ(ParseLoginRecord(QStringView(c.value)).status, c.status)
            << QStringView(c.value).toString().toStdString();
}

TEST(EmployeeFileRecords, CaseDifferingKeyBeforeExactOneRefuses)
{
    const StringList list({ u"Geheim=1#A#100#"_s, u"geheim=2#B#100#"_s, u"anders=3#C#100#"_s });
    EXPECT_EQ(FindLoginLine(list, u"geheim"), -1);
    EXPECT_EQ(FindLoginLine(list, u"Geheim"), 0);
    EXPECT_EQ(FindLoginLine(list, u"anders"), 2);
    EXPECT_EQ(FindLoginLine(list, u"fehlt"), -1);
}

namespace {

QString Unit(int month, int year, const char16_t* hhhmm)
{
    return u"%1%2"_s.arg(month, 2, 10, QChar(u'0')).arg(year, 4, 10, QChar(u'0'))
        + QStringView(hhhmm).toString();
}

QString Record(const char16_t* day, int firstMonth, int firstYear)
{
    QString value = QStringView(day).toString();
    QDate month(firstYear, firstMonth, 1);
    for (int i = 0; i < 14; ++i, month = month.addMonths(1))
        value += Unit(month.month(), month.year(), i == 0 ? u"16000" : i == 1 ? u"16800" : u"17000");
    return value;
}

} // namespace

TEST(EmployeeFileRecords, TargetRecord)
{
    const TargetTimes times = ParseTargetRecord(Record(u"10745", 12, 2022), QDate(2022, 12, 1));
    EXPECT_TRUE(times.freeMinutes);
    EXPECT_TRUE(times.dailyTargetDefined);
    EXPECT_EQ(times.dailyTarget, 7 * 60 + 45);
    EXPECT_EQ(times.previousMonthFullTime, 160 * 60);
    EXPECT_EQ(times.currentMonthFullTime, 168 * 60);

    const TargetTimes feb = ParseTargetRecord(Record(u"00800", 12, 2022), QDate(2023, 2, 1));
    EXPECT_FALSE(feb.freeMinutes);
    EXPECT_EQ(feb.previousMonthFullTime, 170 * 60);
    EXPECT_EQ(feb.currentMonthFullTime, 170 * 60);
}

TEST(EmployeeFileRecords, TargetRecordDefaultsAndMismatch)
{
    for (const QString& value : { QString(), u"10000"_s, u"1"_s }) {
        const TargetTimes times = ParseTargetRecord(value, QDate(2023, 2, 1));
        EXPECT_EQ(times.dailyTarget, 480);
        EXPECT_FALSE(times.dailyTargetDefined);
    }
    // Previous month December, units starting with January of the current year.
    const TargetTimes december = ParseTargetRecord(Record(u"10800", 1, 2023), QDate(2022, 12, 1));
    EXPECT_EQ(december.previousMonthFullTime, 0);
    EXPECT_EQ(december.currentMonthFullTime, 0);
}
