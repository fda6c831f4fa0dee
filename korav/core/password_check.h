#pragma once

#include <QStringList>

class BaseDataStore;

// The setting "Passwörter nur als Prüfwert weitergeben": the employee file
// then carries a check value of each log-in password instead of the
// password. It lives in a file of its own, which exists only once the
// setting was changed, so that every other file stays as it was.
namespace PasswordCheck {

inline constexpr char16_t kFileName[] = u"zpruefwert.kvd";

bool IsOn(const BaseDataStore& store);
bool Save(const BaseDataStore& store, bool on);

// The employee records with each key, the log-in text, replaced by its
// check value; all share one new salt. Empty when a value could not be made.
QStringList WithCheckValues(const QStringList& records, int iterations);

} // namespace PasswordCheck
