// One collection of a demo firm's time folder, as the button runs it; the
// time is taken by bench/run around the whole program, as for rsync.
#include "common/stream_messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/connection_settings.h"
#include "korav/core/time_file_collection.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    StreamMessenger messenger(stderr);
    BaseDataStore store(messenger);
    store.setFolder(DataFolder(QString::fromLocal8Bit(argv[1])));
    ConnectionSettings connection(store);
    connection.load();
    const TimeFileCollection collection(store, connection.fields().timeFolder);
    const QDateTime now = QDateTime::currentDateTime();
    return collection.CollectTimeFiles(true, now.date(), now) ? 0 : 1;
}
