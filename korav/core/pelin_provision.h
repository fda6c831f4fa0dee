#pragma once

#include "common/wait.h"

#include <QDateTime>
#include <QString>
#include <QStringList>
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

    // What one providing did. Every failure has been shown as well; callers
    // decide by the result, never by what was shown.
    struct Result {
        // Nothing when providing stopped, was refused or was declined.
        std::optional<QString> statusText;
        // The files (or the folder) that could not be provided.
        QStringList failed;

        bool complete() const { return statusText.has_value() && failed.isEmpty(); }
    };

    PelinProvision(const BaseDataStore& store, const ConnectionSettings& connection, Wait wait = {});

    bool ProvideFile(const QString& name, Kind kind) const;
    // The program goes with the base data when it is stale; its failures
    // count among those of the base data.
    Result provideBaseData(BaseDataStaleness& stale, const QDateTime& now) const;
    // Without a status line when the program was current or nothing was provided.
    Result provideProgram(BaseDataStaleness& stale, const QDateTime& now) const;

private:
    // The files that did not reach the FTP folder.
    QStringList uploadToFtp() const;

    const BaseDataStore& store_;
    const ConnectionSettings& connection_;
    Wait wait_;
};
