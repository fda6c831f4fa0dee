#pragma once

#include "common/string_list.h"

#include <QString>
#include <optional>

// The description of an activity number in the activity list ("%.100s"),
// letter case of the number ignored; nothing when the number is not listed.
std::optional<QString> ListedDescription(const StringList& activities, const QString& number);

// What the day sheet and the overview show for a number missing from the list.
QString NotInListNote();
