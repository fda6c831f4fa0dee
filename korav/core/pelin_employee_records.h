#pragma once

#include "common/string_list.h"

#include <QStringList>

// The employee records of "dama.kvd", one per employee of the list in its
// order. Every failing check of the master data is added to problems, which
// name the employee; the records are usable only while problems stay empty.
QStringList PelinEmployeeRecords(
    const QStringList& employees, const StringList& masterData, QStringList& problems);

// One problem per master-data record whose short name is no longer in the
// list (compared without regard to case, as every look-up).
QStringList RecordsOutsideTheList(const QStringList& employees, const StringList& masterData);
