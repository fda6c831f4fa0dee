// "korav demo" for the benchmark data while the korav program has no
// command line of its own; it lies beside korav, where PELIN's program file
// is found.
#include "common/clock.h"
#include "common/stream_messenger.h"
#include "korav/demo/demo_command.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    StreamMessenger messenger(stderr);
    return RunDemoCommand(app.arguments().mid(1), messenger, SystemClock());
}
