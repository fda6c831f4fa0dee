#pragma once

#include "common/clock.h"
#include "common/month_file.h"
#include "common/string_list.h"
#include "korav/cli/korav_command.h"
#include "korav/core/admin_passwords.h"
#include "korav/core/target_records_file.h"
#include "tests/support/byte_order_mark.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

// A small firm: two employees with targets, projects and other activities,
// the two exchange folders, administrator passwords "chef" (system) and
// "daten" (data), and a PELIN month of March 2023 for Erika in the time
// folder. The clock stands on 15 March 2023, 17:30.
class CliFixture : public ::testing::Test {
protected:
    static inline const QDateTime kNow { QDate(2023, 3, 15), QTime(17, 30) };
    static inline const QString kSystemPassword = QStringLiteral("chef");
    static inline const QString kDataPassword = QStringLiteral("daten");

    explicit CliFixture(const QString& dataName = QStringLiteral("daten")) : dataName_(dataName)
    {
        for (const QString& folder : { dataName_, QStringLiteral("prog"), QStringLiteral("zeit") })
            QDir(root.path()).mkpath(folder);
        writeData(QStringLiteral("zama.kvd"), { QStringLiteral("Erika"), QStringLiteral("Max") });
        writeData(QStringLiteral("zamasta.kvd"),
            { QStringLiteral("Erika=Erika Sommer#4711#sommer#100#"),
                QStringLiteral("Max=Max Winter#4712#winter#80#") });
        writeData(QStringLiteral("zmszsatz.kvd"),
            { TargetLine(QStringLiteral("4711")), TargetLine(QStringLiteral("4712")) });
        writeData(QStringLiteral("zprojekte.kvd"),
            { QStringLiteral("P100=Messe"), QStringLiteral("P200=Katalog") });
        writeData(QStringLiteral("zsonstige.kvd"),
            { QStringLiteral("Pause=Pause"), QStringLiteral("Krank=Krank") });
        writeData(QStringLiteral("zconfig.kvd"),
            { QStringLiteral("progordner=") + root.path(QStringLiteral("prog")),
                QStringLiteral("zeitordner=") + root.path(QStringLiteral("zeit")) });
        root.write(dataName_ + QStringLiteral("/pelin"), "#!/bin/sh\n");
        StringList passwords;
        AdminPasswords::Set(passwords, kSystemPassword, kDataPassword);
        writeData(QStringLiteral("zamino.kvd"), passwords.lines());
        root.write(QStringLiteral("zeit/az2023034711.kvd"), MarchOfErika());
    }

    QString dataFolder() const { return root.path(dataName_); }
    QString dataPath(const QString& name) const { return root.path(dataName_ + u'/' + name); }
    bool dataExists(const QString& name) const { return root.exists(dataName_ + u'/' + name); }

    // Runs a command on the data folder with the system administrator's
    // password unless the words name one.
    int run(QStringList words)
    {
        words << QStringLiteral("--data") << dataFolder();
        if (!words.contains(QStringLiteral("--password")))
            words << QStringLiteral("--password") << kSystemPassword;
        return RunKoravCommand(words, messenger, clock);
    }

    void writeData(const QString& name, const QStringList& lines) const
    {
        root.write(dataName_ + u'/' + name,
            kBom + (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8());
    }

    static QString TargetLine(const QString& number)
    {
        QList<TargetRecordsFile::MonthUnit> units;
        QDate month(2022, 12, 1);
        for (int i = 0; i < TargetRecordsFile::kMonthUnits; ++i, month = month.addMonths(1))
            units.append({ month.month(), month.year(), 168, 0, true });
        return TargetRecordsFile::Line(number, TargetRecordsFile::DayPart(true, u"08", u"00"), units);
    }

    // Two working days with a pause and two projects.
    static QByteArray MarchOfErika()
    {
        QStringList lines;
        for (int day : { 1, 2 }) {
            const QDate date(2023, 3, day);
            lines << MonthFile::RecordLine(MonthFile::DayKey(date, QStringLiteral("4711")),
                MonthFile::FormatDayValue(
                    { QStringLiteral("20230302"), QStringLiteral("08"), QStringLiteral("00"),
                        QStringLiteral("16"), QStringLiteral("30"), QStringLiteral("Messe") }));
            lines << MonthFile::RecordLine(MonthFile::ActivityKey(date, QStringLiteral("4711")),
                MonthFile::FormatActivityValue(
                    { { QStringLiteral("20230302"), QStringLiteral("00500"), QStringLiteral("P100") },
                        { QStringLiteral("20230302"), QStringLiteral("00030"), QStringLiteral("Pause") },
                        { QStringLiteral("20230302"), QStringLiteral("00300"), QStringLiteral("P200") } }));
        }
        return (lines.join(QStringLiteral("\r\n")) + QStringLiteral("\r\n")).toUtf8();
    }

    TempFolder root;
    ScriptedMessenger messenger;
    FixedClock clock { kNow };

private:
    QString dataName_;
};
