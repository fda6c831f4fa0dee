#include "tests/support/temp_folder.h"

#include <QProcess>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// "korav demo" as the demo script calls it: the built program, which finds
// PELIN's program file beside itself.
class DemoProgram : public testing::Test {
protected:
    struct Finished {
        int exitCode = -1;
        QString out;
        QString err;
    };

    Finished korav(const QStringList& arguments) const
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert(u"XDG_CONFIG_HOME"_s, root.path(u"config"_s));
        environment.insert(u"HOME"_s, root.path());
        process.setProcessEnvironment(environment);
        process.start(QString::fromUtf8(KORAV_PROGRAM), QStringList { u"demo"_s } + arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()) };
    }

    TempFolder root;
};

TEST_F(DemoProgram, WritesTheFirmAndPrintsThePasswords)
{
    const QString firm = root.path(u"firma"_s);
    const Finished run
        = korav({ firm, u"--employees"_s, u"2"_s, u"--months"_s, u"1"_s, u"--until"_s, u"2025-11"_s });
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_EQ(run.err, u"Die Demo-Firma wurde in %1 geschrieben.\n"_s.arg(firm));
    EXPECT_TRUE(run.out.contains(u"Systemadministrator:  demochef\n"_s)) << run.out.toStdString();
    EXPECT_TRUE(run.out.contains(u"Datenadministrator:   demodaten\n"_s)) << run.out.toStdString();
    // As on 1 December 2025: November's files, the targets of 2024 to 2026.
    EXPECT_TRUE(root.exists(u"firma/auswtg/202511/az2025111001.kvd"_s));
    EXPECT_TRUE(root.exists(u"firma/auswtg/202511/az2025111002.kvd"_s));
    EXPECT_TRUE(root.exists(u"firma/zmonsoll2024.kvd"_s));
    EXPECT_TRUE(root.exists(u"firma/zmonsoll2026.kvd"_s));
    EXPECT_TRUE(root.exists(u"firma/prog/pelin"_s));
    EXPECT_EQ(root.read(u"firma/korav_cfg.kvd"_s),
        QByteArray("\xEF\xBB\xBF"
                   "azstand=zuletzt am Mo, 01.12.2025 07:30\r\n"));
}

TEST_F(DemoProgram, RefusesAFirmThatExistsAndWrongUsage)
{
    root.write(u"firma/zama.kvd"_s, QByteArrayLiteral("Meier\r\n"));
    const Finished existing = korav({ root.path(u"firma"_s) });
    EXPECT_EQ(existing.exitCode, 1);
    EXPECT_TRUE(existing.err.contains(u"ist nicht leer"_s)) << existing.err.toStdString();
    EXPECT_TRUE(existing.out.isEmpty());
    const Finished usage = korav({ root.path(u"neu"_s), u"--months"_s, u"null"_s });
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_TRUE(usage.err.startsWith(u"Aufruf: korav demo ORDNER"_s)) << usage.err.toStdString();
    EXPECT_FALSE(root.exists(u"neu"_s));
}

} // namespace
