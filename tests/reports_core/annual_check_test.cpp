#include "korav/reports/core/annual_check.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const QString kSeparator = u" "_s + QString(119, u'-');
const QString kAnna = u"Anna Berg"_s + QString(21, u' ');
const QString kBert = u"Bert Cramer"_s + QString(19, u' ');
const QString kBlank30 = QString(30, u' ');

// The program started on 2024-03-20. Anna has PELIN files for January and
// February 2024 and a KORAV month for February; in 2023 she lacks November
// and December. Bert has nothing at all; Otto has no master data.
class AnnualCheckTest : public ::testing::Test {
protected:
    AnnualCheckTest()
    {
        folder.write(u"zamasta.kvd"_s,
            "Berg=Anna Berg#4711#x#100#\r\nCramer=Bert Cramer#4712#x#100#\r\nOhne=Otto Ohne#\r\n");
        folder.write(u"auswtg/202401/az2024014711.kvd"_s, "");
        folder.write(u"auswtg/202402/az2024024711.kvd"_s, "");
        folder.write(u"auswtg/202402/az2024024711mon.kvd"_s, "");
        for (int m = 1; m <= 10; ++m) {
            const QString month = u"%1"_s.arg(m, 2, 10, QChar(u'0'));
            folder.write(u"auswtg/2023"_s + month + u"/az2023"_s + month + u"4711mon.kvd"_s, "");
        }
        directory
            = ReadEmployeeDirectory(StringList::FromText(QString::fromUtf8(folder.read(u"zamasta.kvd"_s))));
    }

    std::optional<QStringList> run(
        const QString& year, bool onlyMissing, const QString& employee = u"00-Alle"_s)
    {
        const QStringList entries { u"00-Alle"_s, u"Anna Berg"_s, u"Bert Cramer"_s, u"Otto Ohne"_s };
        return RunAnnualCheck(folder.path() + u'/', directory, QDate(2024, 3, 20),
            { entries, employee, year, onlyMissing }, messenger);
    }

    TempFolder folder;
    ScriptedMessenger messenger;
    EmployeeDirectory directory;
};

TEST_F(AnnualCheckTest, MarkersOfEveryMonth)
{
    const QString none = u"   --"_s;
    EXPECT_EQ(run(u"2024"_s, false),
        (QStringList { kSeparator, u""_s,
            u" 2024 / Monat"_s + QString(18, u' ')
                + u"   1    2    3    4    5    6    7    8    9    10   11   12"_s,
            kSeparator, u""_s, u" "_s + kAnna + u"   D-   DZ"_s + none.repeated(10),
            u" "_s + kBert + none.repeated(12), u""_s, kSeparator, u""_s }));
}

TEST_F(AnnualCheckTest, MissingMonthsOfTheStartYearUpToItsMonth)
{
    EXPECT_EQ(run(u"2024"_s, true),
        (QStringList { kSeparator, u""_s,
            u" "_s + kBlank30 + u"  Gesucht wird nach Daten von Monat 01 - 03 / 2024"_s, u""_s,
            u" "_s + kAnna + u"  Es fehlen die Monate 3, "_s,
            u" "_s + kBert + u"  Es fehlen die Monate 1, 2, 3, "_s, u""_s, kSeparator, u""_s }));
}

TEST_F(AnnualCheckTest, MissingDecemberHasNoSeparator)
{
    const std::optional<QStringList> lines = run(u"2023"_s, true, u"Anna Berg"_s);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->at(2), u" "_s + kBlank30 + u"  Gesucht wird nach Daten von Monat 01 - 12 / 2023"_s);
    EXPECT_EQ(lines->at(4), u" "_s + kAnna + u"  Es fehlen die Monate 11, 12"_s);
}

TEST_F(AnnualCheckTest, YearNotBegunFindsNothingMissing)
{
    const std::optional<QStringList> lines = run(u"2025"_s, true);
    ASSERT_TRUE(lines);
    EXPECT_EQ(lines->at(2),
        u" "_s + kBlank30 + u"  Für nicht begonnene Jahre werden keine fehlenden Daten ermittelt"_s);
    EXPECT_EQ(lines->at(3), u" "_s + kAnna + u"  Es fehlen keine Monate im untersuchten Zeitraum"_s);
}

TEST_F(AnnualCheckTest, IncompleteSelectionWritesNothing)
{
    EXPECT_FALSE(run(u"2024"_s, false, QString()));
    EXPECT_EQ(messenger.messages, QStringList { u"Wählen Sie einen Mitarbeiter und einen Zeitraum !  "_s });
    EXPECT_EQ(AnnualCheckYears(QDate(2024, 3, 20)), (QStringList { u"2022"_s, u"2023"_s, u"2024"_s }));
}

} // namespace
