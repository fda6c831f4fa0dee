#include "korav/core/time_file_update.h"

#include "common/messenger.h"
#include "korav/core/base_data_store.h"
#include "korav/core/connection_settings.h"
#include "korav/core/ftp_time_files.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

std::optional<TimeFileCollection::Result> UpdateTimeFiles(
    const BaseDataStore& store, ConnectionSettings& connection, const QDateTime& now)
{
    if (store.isBackupFolder()) {
        store.messenger().show(u"In einen Sicherungsordner können keine Dateien aktualisiert werden!"_s);
        return std::nullopt;
    }
    connection.load();
    const ConnectionFields& fields = connection.fields();
    QStringList notFetched;
    if (fields.ftpActive && QFileInfo(fields.timeFolder).isDir())
        notFetched = FetchFtpTimeFiles(connection.ftpSettings(), fields.timeFolder, store.messenger());
    std::optional<TimeFileCollection::Result> result
        = TimeFileCollection(store, fields.timeFolder).CollectTimeFiles(true, now);
    if (result)
        result->failed = notFetched + result->failed;
    return result;
}
