#include "korav/demo/demo_command.h"

#include "common/clock.h"
#include "common/messenger.h"
#include "korav/demo/demo_access.h"
#include "korav/demo/demo_options.h"

#include <QCoreApplication>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

// The firm is written as on one fixed moment, so that no file carries the
// minute the command ran: the start of today, or with --until the first
// morning after that month.
FixedClock DemoClock(const DemoOptions& options, const Clock& clock)
{
    if (!options.until.isValid())
        return FixedClock(clock.today().startOfDay());
    return FixedClock(QDateTime(options.until.addMonths(1), QTime(7, 30)));
}

} // namespace

int RunDemoCommand(const QStringList& arguments, Messenger& messenger, const Clock& clock)
{
    std::optional<DemoOptions> options = ParseDemoOptions(arguments);
    if (!options) {
        messenger.show(DemoUsage());
        return 2;
    }
    // The command line is the program's entry: PELIN's program file lies
    // beside KORAV's, as the data-folder set-up expects.
    options->request.programDirectory = QCoreApplication::applicationDirPath();
    const FixedClock demoClock = DemoClock(*options, clock);
    const std::optional<DemoAccess> access = WriteDemoFirm(options->request, messenger, demoClock);
    if (!access)
        return 1;
    messenger.show(u"Die Demo-Firma wurde in %1 geschrieben.  "_s.arg(options->request.folder));
    std::fputs(DemoAccessText(*access).toLocal8Bit().constData(), stdout);
    std::fflush(stdout);
    return 0;
}
