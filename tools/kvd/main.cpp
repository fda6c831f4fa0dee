#include "tools/kvd/kvd_command.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    return RunKvd(QCoreApplication::arguments(), stdout, stderr);
}
