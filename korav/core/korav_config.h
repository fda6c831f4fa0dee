#pragma once

#include "common/string_list.h"

class BaseDataStore;

// "zconfig.kvd", shared with PELIN. Writers load the whole file, change their
// own keys and save it whole, so lines nobody here knows survive.
namespace KoravConfig {

inline constexpr char16_t kProgramFolder[] = u"progordner";
inline constexpr char16_t kTimeFolder[] = u"zeitordner";
inline constexpr char16_t kCountryCode[] = u"landcode";
inline constexpr char16_t kRegionalHolidays[] = u"feiertag";
inline constexpr char16_t kMasterPrefixLength[] = u"key_laestamm";
inline constexpr char16_t kCaption4[] = u"bezeichnung4";
inline constexpr char16_t kCaption5[] = u"bezeichnung5";
inline constexpr char16_t kUpdateNumber[] = u"update_nummer";
inline constexpr char16_t kVersionNumber[] = u"vers_nummer";
inline constexpr char16_t kUpdateUrl[] = u"url_update";

// The value of a key, or the value that counts when the line is missing.
QString Value(const StringList& config, QStringView key);

StringList Load(const BaseDataStore& store);
bool Save(const BaseDataStore& store, const StringList& config);

} // namespace KoravConfig
