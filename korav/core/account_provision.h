#pragma once

#include <QDate>

class BaseDataStore;
class DataFileCodec;

// Writes "dkonto.kvd" into the data folder: for every employee with account
// settings the balance up to the end of the month before `startDate`'s and
// the holiday account of `startDate`'s year, from the collected months.
// Without account settings nothing is written and an earlier file is
// removed. Returns false when the file could not be written (shown).
bool BuildAccountFile(const BaseDataStore& store, DataFileCodec& codec, QDate startDate);
