#pragma once

#include "common/string_list.h"

#include <QSet>
#include <QStringList>
#include <functional>

class BaseDataStore;

// How the target records of "zmszsatz.kvd" are made from the year files, the
// firm's daily part and the employees' own daily targets; the target-times
// dialog and the building of PELIN's base data share it.
namespace TargetRecordsBuilder {

// The firm's daily part as stored: the first record of an employee without
// a daily target of its own (among ownNumbers), else the first record; empty
// when there is none with a daily target.
QString FirmDayPart(const StringList& records, const QSet<QString>& ownNumbers);

// The personnel numbers of the employees of the map (name=number) that have
// a daily target of their own.
QSet<QString> OwnTargetNumbers(const StringList& numbers, const StringList& dailyTargets);

struct Sources {
    int startYear = 0;
    // Sorted short names, name=number map, "zmatagsoll.kvd".
    QStringList rows;
    StringList numbers;
    StringList dailyTargets;
    // "%1.1i%2.2s%2.2s" of the firm.
    QString firmDayPart;
};

// One line per row with a personnel number, in row order; the units come
// from the year files of the start year - 1 to + 1 on disk. A row without
// number gets no line and is passed to withoutNumber.
StringList Lines(const BaseDataStore& store, const Sources& sources,
    const std::function<void(const QString&)>& withoutNumber = {});

// False when a month unit of the line names another month than the one its
// place stands for in the start year's window (December before to January
// after); units without target name no month.
bool CoversWindow(const QString& line, int startYear);

// What the building of PELIN's base data takes as target records: the
// stored ones while they are current; rebuilt ones when they miss an
// employee, hold one no longer there, carry another daily target or cover
// another year.
struct Current {
    StringList lines;
    bool rebuilt = false; // to be written to "zmszsatz.kvd"
    QStringList problems; // each names its employee or year
};
Current CurrentRecords(const BaseDataStore& store, int startYear, const QStringList& employees);

} // namespace TargetRecordsBuilder
