#pragma once

#include <QString>

class DataFolder;

// Whether PELIN's base data and program must be built or provided again. A
// base-data flag that is set stays set until its file has been built; the
// program flag is recomputed at every check.
class BaseDataStaleness {
public:
    bool employeeFile = false;
    bool activityList = false;
    bool config = false;
    bool program = false;

    // The data folder holds a newer program file than the program folder,
    // or the program folder has none.
    void checkProgram(const DataFolder& data, const QString& programFolder);
    // The program first, then every built file against its sources. With a
    // start year the employee file is also stale while the target records
    // cover another year.
    void check(const DataFolder& data, const QString& programFolder, int startYear = 0);
    bool anyBaseData() const { return employeeFile || activityList || config; }
};
