#include "korav/cli/provision_commands.h"

#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/messenger.h"
#include "common/wait.h"
#include "korav/cli/admin_session.h"
#include "korav/cli/exit_codes.h"
#include "korav/core/base_data_staleness.h"
#include "korav/core/connection_settings.h"
#include "korav/core/pelin_base_builder.h"
#include "korav/core/pelin_provision.h"
#include "korav/core/time_file_update.h"

using namespace Qt::StringLiterals;

namespace {

// The staleness the main window computes at log-in, which decides whether
// the build and provide buttons can be pressed at all.
BaseDataStaleness StalenessAtLogin(const AdminSession& session, ConnectionSettings& connection)
{
    connection.load();
    BaseDataStaleness stale;
    stale.check(session.store().folder(), connection.fields().programFolder, session.startDate().year());
    return stale;
}

int ExitFor(bool done)
{
    return done ? kExitSuccess : kExitRefused;
}

} // namespace

int RunBuildCommand(const AdminSession& session)
{
    ConnectionSettings connection(session.store());
    BaseDataStaleness stale = StalenessAtLogin(session, connection);
    // In a backup folder the build runs into its own refusal.
    if (!stale.anyBaseData() && !session.store().isBackupFolder()) {
        session.messenger().show(u"PELIN-Basisdaten sind aktuell"_s);
        return kExitSuccess;
    }
    DataFileCodec codec(CodecProgram::Korav, session.messenger());
    const PelinBaseBuild build { session.store(), codec, session.clock(), session.startDate(), connection };
    if (!build.run(stale))
        return kExitRefused;
    session.messenger().show(u"PELIN-Basisdaten wurden erstellt"_s);
    return kExitSuccess;
}

int RunProvideCommand(const AdminSession& session)
{
    ConnectionSettings connection(session.store());
    BaseDataStaleness stale = StalenessAtLogin(session, connection);
    if (stale.anyBaseData() && !session.store().isBackupFolder()) {
        session.messenger().show(u"PELIN-Basisdaten erstellen ! ( korav build )"_s);
        return kExitRefused;
    }
    const PelinProvision provision(session.store(), connection, SleepMilliseconds);
    const PelinProvision::Result result = provision.provideBaseData(stale, session.clock().now());
    // PELIN away from the LAN reads the base data from the FTP folder; a
    // script's log should tell that they arrived there too.
    if (result.complete() && connection.fields().ftpActive)
        session.messenger().show(
            u"PELIN-Basisdaten wurden in den FTP-Ordner %1 hochgeladen"_s.arg(connection.fields().ftpFolder));
    // Providing the program may fail after the base data went out: the
    // status line is shown and the command still fails.
    if (result.statusText)
        session.messenger().show(*result.statusText);
    return ExitFor(result.complete());
}

int RunCollectCommand(const AdminSession& session)
{
    ConnectionSettings connection(session.store());
    const std::optional<TimeFileCollection::Result> result
        = UpdateTimeFiles(session.store(), connection, session.clock().now());
    if (!result)
        return kExitRefused;
    // A file that could not be fetched or copied has been shown and the rest
    // was collected.
    session.messenger().show(result->statusText);
    return ExitFor(result->failed.isEmpty());
}
