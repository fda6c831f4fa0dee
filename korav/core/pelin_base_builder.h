#pragma once

#include "common/password_hash.h"

#include <QDate>
#include <QString>

class BaseDataStaleness;
class BaseDataStore;
class Clock;
class ConnectionSettings;
class DataFileCodec;

// Builds "dama.kvd", and where stale "dprojekte.kvd" and "pelin.cfg", in the
// data folder. The checks of the employees are shown together, each naming
// its employee, record or year; any other failing step is shown and stops.
// Files written before stay written. The target records are rebuilt first
// when they no longer match the employees or the start year. Returns whether
// everything was built.
struct PelinBaseBuild {
    const BaseDataStore& store;
    DataFileCodec& codec;
    const Clock& clock;
    QDate startDate;
    const ConnectionSettings& connection;
    // Of the check values that replace the passwords where the setting is on.
    int checkValueIterations = PasswordHash::kIterations;

    bool run(BaseDataStaleness& stale) const;

private:
    bool checkPreconditions() const;
    bool buildEmployeeFile(BaseDataStaleness& stale) const;
    bool buildActivityList(BaseDataStaleness& stale) const;
    bool buildConfig(BaseDataStaleness& stale) const;
};
