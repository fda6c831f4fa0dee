#include "korav/core/korav_state.h"

#include "korav/core/base_data_store.h"

using namespace Qt::StringLiterals;

namespace KoravState {

QString CollectionText(const BaseDataStore& store)
{
    const StringList state = store.load(KoravFile::kKoravState);
    return state.hasKey(kCollectionText) ? state.value(kCollectionText) : u"noch keine Aktualisierung"_s;
}

bool SaveCollectionText(const BaseDataStore& store, const QString& text)
{
    StringList state = store.load(KoravFile::kKoravState);
    state.setValue(QString::fromUtf16(kCollectionText), text);
    return store.save(KoravFile::kKoravState, state);
}

} // namespace KoravState
