#pragma once

#include "common/wait.h"

#include <QDateTime>
#include <QString>
#include <functional>
#include <optional>

class BaseDataStaleness;
class BaseDataStore;
class ConnectionSettings;

// Copies the built base data and the program into the exchange folders
// (and, when the exchange runs over FTP, the employee file and the activity
// list into the FTP folder). Copies are atomic: PELIN may read at any time.
class PelinProvision {
public:
    enum class Kind { TimeFolder = 1, ProgramFolder = 2 };

    PelinProvision(const BaseDataStore& store, const ConnectionSettings& connection, Wait wait = {});

    bool ProvideFile(const QString& name, Kind kind) const;
    // The status line, or nothing when providing stopped (or was declined).
    std::optional<QString> provideBaseData(BaseDataStaleness& stale, const QDateTime& now) const;
    // The status line, or nothing when nothing was provided.
    std::optional<QString> provideProgram(BaseDataStaleness& stale, const QDateTime& now) const;

private:
    bool uploadToFtp() const;

    const BaseDataStore& store_;
    const ConnectionSettings& connection_;
    Wait wait_;
};
