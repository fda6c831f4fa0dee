// One backup copy of a data folder into a target folder: the whole tree is
// examined and what is newer is copied, as every backup of the ring does.
#include "common/stream_messenger.h"
#include "korav/core/backup_copy.h"

#include <QCoreApplication>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    StreamMessenger messenger(stderr);
    QList<BackupFile> files;
    if (!OrdnerbaumKopieren(
            QString::fromLocal8Bit(argv[1]), QString::fromLocal8Bit(argv[2]), {}, {}, messenger, files))
        return 1;
    CopyTally tally;
    CopyNewer(files, tally, {});
    return tally.failed.isEmpty() ? 0 : 1;
}
