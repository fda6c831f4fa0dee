#include "korav/reports/core/month_export.h"

#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

const OutputMoment kMoment { QDate(2024, 3, 7), QTime(9, 5) };

TEST(MonthExportTest, FileNameTurnsEveryBlankIntoAnUnderscore)
{
    EXPECT_EQ(MonthExportFileName(u"Anna Maria  von der Heide zu Berg"_s, u"3"_s, u"2024"_s, kMoment),
        u"korav_monwerte_Anna_Maria__von_der_Heide_zu_Berg_32024_07032024_09h05.txt"_s);
}

TEST(MonthExportTest, TextListsTheMonthItsEntriesAndTheTotals)
{
    MonthExportInput in;
    in.name = u"Berg"_s;
    in.monthText = u"3"_s;
    in.yearText = u"2024"_s;
    in.hoursText = u"160"_s;
    in.minutesText = u"00"_s;
    in.remark = u"Messe"_s;
    in.entries = { u"P100=2024030515030P100"_s, u"X9=2024030500100X9"_s };
    in.descriptions = StringList({ u"P100=Messebau"_s });
    in.workingLabel = u"160:00 "_s;
    in.targetLabel = u"134:24 "_s;
    in.targetHint = u" 80.00% von 168:00 "_s;
    in.differenceLabel = u"  25:36 "_s;
    in.workingLabel2 = u"160:00 "_s;
    in.assignedLabel = u"151:30 "_s;
    in.openLabel = u"  8:30 "_s;

    const QString rule = u"   "_s + QString(84, u'-');
    const QStringList expected {
        u""_s,
        u"   Monatswerte 3/2024 von Mitarbeiter Berg "_s,
        u"   ersatzweise in KORAV erfasst"_s,
        rule,
        u""_s,
        u"   Arbeitszeit              160:00   Messe"_s,
        u""_s,
        u"   Monatsliste Tätigkeiten"_s,
        u""_s,
        u"   Schlüssel-Nr.             Dauer   Beschreibung        "_s,
        rule,
        u"   P100                     150:30   Messebau"_s + QString(92, u' '),
        u"   X9                         1:00   "_s + QString(100, u' '),
        rule,
        u"   Summe                    151:30 "_s,
        u""_s,
        u"   Gesamtwerte Monat 3/2024"_s,
        u""_s,
        u"   Arbeitszeit              160:00 "_s,
        u"   Sollzeit                 134:24  ( 80.00% von 168:00 )"_s,
        u"   Differenz                 25:36 "_s,
        u""_s,
        u"   Arbeitszeit              160:00 "_s,
        u"   Zugeordnete Zeit         151:30 "_s,
        u"   Offene Zeit                8:30 "_s,
        u""_s,
        rule,
        u"  KORAV 07.03.2024 09:05"_s,
    };
    EXPECT_EQ(MonthExportLines(in, kMoment).lines(), expected);
}

TEST(MonthExportTest, SavedAsUtf8WithMarkAndNamed)
{
    TempFolder folder;
    ScriptedMessenger messenger;
    const QString path = folder.path(u"m.txt"_s);
    ASSERT_TRUE(SaveMonthExport(path, StringList({ u"ä"_s }), messenger));
    EXPECT_EQ(folder.read(u"m.txt"_s), QByteArray("\xEF\xBB\xBF\xC3\xA4\r\n"));
    EXPECT_EQ(messenger.messages,
        QStringList { u"Monatswerte sind in Datei\n\n"_s + path + u"\n\ngespeichert."_s });
}

} // namespace
