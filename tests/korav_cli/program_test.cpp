#include "tests/korav_cli/cli_fixture.h"

#include <QProcess>
#include <QProcessEnvironment>

using namespace Qt::StringLiterals;

namespace {

struct Finished {
    int exitCode = -1;
    QString out;
    QString err;
};

// The real program, as a script or an administrator's shell calls it.
class Program : public CliFixture {
protected:
    Finished korav(const QStringList& arguments, const QString& password = {})
    {
        QProcess process;
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.remove(u"QT_QPA_PLATFORM"_s);
        environment.remove(u"DISPLAY"_s);
        environment.remove(u"KORAV_PASSWORD"_s);
        if (!password.isEmpty())
            environment.insert(u"KORAV_PASSWORD"_s, password);
        environment.insert(u"HOME"_s, root.path());
        process.setProcessEnvironment(environment);
        process.start(QString::fromUtf8(KORAV_PROGRAM), arguments);
        EXPECT_TRUE(process.waitForFinished(60000));
        return { process.exitCode(), QString::fromUtf8(process.readAllStandardOutput()),
            QString::fromUtf8(process.readAllStandardError()) };
    }
};

TEST_F(Program, HelpListsEveryCommandOnStandardOutput)
{
    const Finished help = korav({ u"--help"_s });
    EXPECT_EQ(help.exitCode, 0);
    EXPECT_TRUE(help.err.isEmpty()) << help.err.toStdString();
    for (const QString& word : { u"korav build"_s, u"korav provide"_s, u"korav collect"_s, u"korav backup"_s,
             u"korav restore"_s, u"korav report employee|project|check|viewer"_s, u"KORAV_PASSWORD"_s })
        EXPECT_TRUE(help.out.contains(word)) << word.toStdString();
    EXPECT_EQ(korav({ u"-h"_s }).out, help.out);
}

TEST_F(Program, RefusalsAreOneLineEachOnStandardErrorWithTheirExitCode)
{
    const Finished wrong = korav({ u"collect"_s, u"--data"_s, dataFolder() }, u"falsch"_s);
    EXPECT_EQ(wrong.exitCode, 1);
    EXPECT_EQ(wrong.err, u"Administrator-Passwort ist nicht richtig\n"_s);

    const Finished usage = korav({ u"collect"_s });
    EXPECT_EQ(usage.exitCode, 2);
    EXPECT_EQ(usage.err, u"Es fehlt der KORAV-Ordner ( --data ORDNER )\nAufruf siehe : korav --help\n"_s);
}

TEST_F(Program, UnknownWordsEndWithTheUsageMessageInsteadOfAWindow)
{
    for (const QStringList& words : { QStringList { u"frobnicate"_s }, QStringList { u"BUILD"_s },
             QStringList { u"--data"_s, dataFolder(), u"build"_s } }) {
        const Finished unknown = korav(words);
        EXPECT_EQ(unknown.exitCode, 2) << words.join(u' ').toStdString();
        EXPECT_EQ(
            unknown.err, u"Unbekannter Befehl : %1\nAufruf siehe : korav --help\n"_s.arg(words.first()));
    }
}

TEST_F(Program, QuestionsAreAnsweredYesOnlyWhenAskedTo)
{
    // The real program runs on today's date: the build brings the 2023
    // records into this year, whose targets must exist.
    writeData(u"zmonsoll%1.kvd"_s.arg(QDate::currentDate().year()), {});
    ASSERT_EQ(korav({ u"build"_s, u"--data"_s, dataFolder() }, kSystemPassword).exitCode, 0);
    ASSERT_EQ(
        korav({ u"provide"_s, u"--data"_s, dataFolder(), u"--password"_s, kSystemPassword }).exitCode, 0);

    const Finished no = korav({ u"provide"_s, u"--data"_s, dataFolder() }, kSystemPassword);
    EXPECT_EQ(no.exitCode, 1);
    EXPECT_EQ(no.err, u"PELIN-Basisdaten sind aktuell ! Erneut Bereitstellen ? Nein\n"_s);

    const Finished yes = korav({ u"provide"_s, u"--data"_s, dataFolder(), u"--yes"_s }, kSystemPassword);
    EXPECT_EQ(yes.exitCode, 0);
    const QStringList lines = yes.err.split(u'\n');
    ASSERT_EQ(lines.size(), 3) << yes.err.toStdString();
    EXPECT_EQ(lines.at(0), u"PELIN-Basisdaten sind aktuell ! Erneut Bereitstellen ? Ja"_s);
    EXPECT_TRUE(lines.at(1).endsWith(u" - PELIN - Basisdaten bereitgestellt (3)"_s));
}

TEST_F(Program, RestoresAFileFromTheRingAndEndsAsFailureWhenOneIsMissing)
{
    ASSERT_EQ(korav({ u"backup"_s, u"--data"_s, dataFolder(), u"--now"_s }, kSystemPassword).exitCode, 0);
    writeData(u"zama.kvd"_s, { u"Erika"_s });
    const QByteArray changed = root.read(u"daten/zama.kvd"_s);

    const Finished missing = korav({ u"restore"_s, u"--data"_s, dataFolder(), u"--from"_s, u"terminbkp1"_s,
                                       u"zama.kvd"_s, u"fehlt.kvd"_s },
        kSystemPassword);
    EXPECT_EQ(missing.exitCode, 1);
    EXPECT_EQ(missing.err, u"Datei fehlt.kvd ist im Sicherungsordner terminbkp1 nicht vorhanden !\n"_s);
    EXPECT_EQ(root.read(u"daten/zama.kvd"_s), changed);

    const Finished restored
        = korav({ u"restore"_s, u"--data"_s, dataFolder(), u"--from"_s, u"terminbkp1"_s, u"zama.kvd"_s },
            kSystemPassword);
    EXPECT_EQ(restored.exitCode, 0) << restored.err.toStdString();
    EXPECT_EQ(restored.err,
        u"1 Dateien aus terminbkp1 wiederhergestellt\nDer Stand vor der Wiederherstellung liegt in "_s
            + dataPath(u"terminbkp2/\n"_s));
    EXPECT_EQ(root.read(u"daten/zama.kvd"_s), root.read(u"daten/terminbkp1/zama.kvd"_s));
    EXPECT_EQ(root.read(u"daten/terminbkp2/zama.kvd"_s), changed);
}

TEST_F(Program, WritesAReportWithoutADisplay)
{
    const Finished pdf = korav({ u"report"_s, u"check"_s, u"--data"_s, dataFolder(), u"--year"_s, u"2023"_s,
                                   u"--format"_s, u"pdf"_s, u"--out"_s, root.path(u"pruefung.pdf"_s) },
        kSystemPassword);
    EXPECT_EQ(pdf.exitCode, 0) << pdf.err.toStdString();
    EXPECT_TRUE(root.read(u"pruefung.pdf"_s).startsWith("%PDF"));
    EXPECT_EQ(pdf.err.count(u'\n'), 1) << pdf.err.toStdString();
}

} // namespace
