#pragma once

#include <QDate>
#include <QString>

class BaseDataStaleness;
class BaseDataStore;
class Clock;
class ConnectionSettings;
class DataFileCodec;

// Builds "dama.kvd", and where stale "dprojekte.kvd" and "pelin.cfg", in the
// data folder. The first failing check is shown and stops; files written
// before stay written. Returns whether everything was built.
struct PelinBaseBuild {
    const BaseDataStore& store;
    DataFileCodec& codec;
    const Clock& clock;
    QDate startDate;
    const ConnectionSettings& connection;

    bool run(BaseDataStaleness& stale) const;

private:
    bool checkPreconditions() const;
    bool buildEmployeeFile(BaseDataStaleness& stale) const;
    bool buildActivityList(BaseDataStaleness& stale) const;
    bool buildConfig(BaseDataStaleness& stale) const;
};
