#pragma once

#include <QDate>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <optional>

class BaseDataStore;

// Copies every month file of the time folder that is new or changed since
// the last collection into "auswtg/YYYYMM" of the data folder, and keeps the
// stamps in "landatum.kv2". A file whose copy failed keeps its previous stamp
// (or none), so that the next collection tries it again.
class TimeFileCollection {
public:
    struct Result {
        int found = 0;
        int updated = 0;
        QString statusText; // for ErrLabel, green
        QString collectionText; // for AzDatStandLabel and "azstand"
        // Files that could not be fetched, copied or recorded; each has been
        // shown, and the rest was collected.
        QStringList failed;
        // Collected files of closed months: uploaded after the closing.
        QStringList late;
    };

    TimeFileCollection(const BaseDataStore& store, QString timeFolder);

    // Nothing when the time folder is missing (the message has been shown).
    std::optional<Result> CollectTimeFiles(bool copy, const QDateTime& now) const;
    bool CollectTimeFile(const QString& name) const;

private:
    const BaseDataStore& store_;
    QString timeFolder_;
};
