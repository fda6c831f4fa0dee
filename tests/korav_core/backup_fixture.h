#pragma once

#include "common/clock.h"
#include "korav/core/backup_ring.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QDateTime>
#include <QStringList>
#include <memory>

// A data folder in a temporary folder, with data files, files a backup must
// leave alone, and a collected month in "auswtg".
class BackupFixture {
public:
    BackupFixture();

    QString data(const QString& name = {}) const { return folder.path(QStringLiteral("data/") + name); }
    void put(const QString& name, const QByteArray& bytes, const QDateTime& time) const;
    static void setTime(const QString& path, const QDateTime& time);
    QByteArray read(const QString& path) const;
    bool exists(const QString& path) const;
    // Relative paths of every file below a folder, sorted.
    static QStringList FilesBelow(const QString& folder);
    // The data files and the "auswtg" subtree, as a backup folder should hold them.
    QStringList backedUpFiles() const;
    QString lastBackup() const;

    TempFolder folder;
    ScriptedMessenger messenger;
    FixedClock clock;
    std::unique_ptr<BackupRing> ring;
};
