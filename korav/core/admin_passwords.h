#pragma once

#include "common/string_list.h"

class BaseDataStore;

// "zamino.kvd": the two administrator passwords, stored inverted.
namespace AdminPasswords {

inline constexpr int kMaxPassword = 10;
inline constexpr char16_t kSystemKey[] = u"orvan";
inline constexpr char16_t kDataKey[] = u"pumol";
// Accepted only while neither password is stored.
inline constexpr char16_t kDefaultPassword[] = u"nuvo";

enum Role : int { kNoRole = 0, kSystemAdmin = 1, kDataAdmin = 2 };

struct Pair {
    QString system; // empty when not stored
    QString data;
};

// Cut to 10 characters and inverted back to clear text.
Pair Read(const StringList& file);
// The role an entry logs in with; the system password wins a tie.
Role RoleFor(const Pair& stored, QStringView entry);
// Sets both lines in place, appending them when missing.
void Set(StringList& file, const QString& system, const QString& data);
bool Save(const BaseDataStore& store, const QString& system, const QString& data);

} // namespace AdminPasswords

// Complements every UTF-16 code unit; its own inverse.
void InvertPassword(QString& text);
