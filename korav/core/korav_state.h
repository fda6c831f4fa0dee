#pragma once

#include <QString>

class BaseDataStore;

// "korav_cfg.kvd": KORAV's own state.
namespace KoravState {

inline constexpr char16_t kCollectionText[] = u"azstand";

// The text of the last collection of time files, or the note that there was none.
QString CollectionText(const BaseDataStore& store);
bool SaveCollectionText(const BaseDataStore& store, const QString& text);

} // namespace KoravState
