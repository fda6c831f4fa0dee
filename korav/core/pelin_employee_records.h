#pragma once

#include "common/string_list.h"

#include <QStringList>
#include <optional>

class Messenger;

// The employee records of "dama.kvd", one per employee of the list in its
// order, after every check of the master data. The first failing check is
// shown and gives nothing.
std::optional<QStringList> PelinEmployeeRecords(
    const QStringList& employees, const StringList& masterData, Messenger& messenger);
