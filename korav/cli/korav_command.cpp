#include "korav/cli/korav_command.h"

#include "common/clock.h"
#include "common/stream_messenger.h"
#include "korav/cli/admin_session.h"
#include "korav/cli/backup_command.h"
#include "korav/cli/command_help.h"
#include "korav/cli/command_options.h"
#include "korav/cli/exit_codes.h"
#include "korav/cli/provision_commands.h"
#include "korav/cli/report_command.h"
#include "korav/cli/restore_command.h"
#include "korav/demo/demo_command.h"

#include <QApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

bool IsHelpWord(const QString& word)
{
    return word == u"--help" || word == u"-h";
}

QStringList WordsOf(int argc, char** argv)
{
    QStringList words;
    for (int i = 1; i < argc; ++i)
        words.append(QString::fromLocal8Bit(argv[i]));
    return words;
}

// Qt's own notes (a missing runtime folder and the like) would mix with the
// system's messages on standard error; only its severe ones stay.
void KeepSevereQtMessages(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (type == QtCriticalMsg || type == QtFatalMsg)
        std::fputs((qFormatLogMessage(type, context, text) + u'\n').toLocal8Bit().constData(), stderr);
}

int UsageError(const QString& text, Messenger& messenger)
{
    messenger.show(text);
    messenger.show(u"Aufruf siehe : korav --help"_s);
    return kExitUsage;
}

int RunWithSession(const CommandOptions& options, const AdminSession& session)
{
    if (options.command == u"build")
        return RunBuildCommand(session);
    if (options.command == u"provide")
        return RunProvideCommand(session);
    if (options.command == u"collect")
        return RunCollectCommand(session);
    if (options.command == u"backup")
        return RunBackupCommand(session, options.now);
    if (options.command == u"restore")
        return RunRestoreCommand(session, options.from, options.files);
    return RunReportCommand(session, options);
}

} // namespace

bool IsKoravCommand(const QStringList& arguments)
{
    return !AreWindowOptions(arguments);
}

int RunKoravCommand(const QStringList& arguments, Messenger& messenger, const Clock& clock)
{
    if (IsHelpWord(arguments.value(0)) || arguments.contains(u"--help"_s)) {
        std::fputs(CommandHelpText().toUtf8().constData(), stdout);
        return kExitSuccess;
    }
    if (arguments.value(0) == u"demo") {
        // The demo writes a new firm: there is nothing to log in to and no question to answer.
        QStringList words = arguments.mid(1);
        words.removeAll(u"--yes"_s);
        return RunDemoCommand(words, messenger, clock);
    }
    const ParsedCommand parsed = ParseCommandLine(arguments);
    if (!parsed.options)
        return UsageError(parsed.error, messenger);
    const CommandOptions& options = *parsed.options;
    if (options.command == u"report" && !CheckReportFormat(options, messenger))
        return kExitUsage;
    AdminSession session(messenger, clock);
    if (!session.open(options.dataFolder, options.password.value_or(qEnvironmentVariable("KORAV_PASSWORD"))))
        return kExitRefused;
    return RunWithSession(options, session);
}

bool IsKoravCommandLine(int argc, char** argv)
{
    return IsKoravCommand(WordsOf(argc, argv));
}

int RunKoravCommandLine(int argc, char** argv)
{
    // The printout draws on a printer object, which needs a GUI application
    // even when nothing is shown.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    const QStringList words = WordsOf(argc, argv);
    qInstallMessageHandler(KeepSevereQtMessages);
    QApplication app(argc, argv);
    StreamMessenger messenger(stderr, words.contains(u"--yes"_s));
    SystemClock clock;
    return RunKoravCommand(words, messenger, clock);
}
