#include "common/key_index.h"

#include <algorithm>

namespace {

char16_t AsciiLower(char16_t c)
{
    return c >= u'A' && c <= u'Z' ? char16_t(c + (u'a' - u'A')) : c;
}

} // namespace

bool IsAscii(QStringView text)
{
    return std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 0x80; });
}

QString FoldedKey(QStringView key)
{
    return key.toString().toCaseFolded();
}

// Plain ASCII keys, nearly all of them, are compared without a folded copy;
// only where either key holds another character are both folded whole, as
// such a character may fold to a letter of the other.
bool SameKey(QStringView a, QStringView b)
{
    const qsizetype common = std::min(a.size(), b.size());
    for (qsizetype i = 0; i < common; ++i) {
        const char16_t x = a[i].unicode();
        const char16_t y = b[i].unicode();
        if (x >= 0x80 || y >= 0x80)
            return FoldedKey(a) == FoldedKey(b);
        if (AsciiLower(x) != AsciiLower(y))
            return false;
    }
    if (a.size() == b.size())
        return true;
    return !IsAscii(a.size() > b.size() ? a.sliced(common) : b.sliced(common))
        && FoldedKey(a) == FoldedKey(b);
}

KeyIndex::KeyIndex(StringList list) : list_(std::move(list))
{
    first_.reserve(list_.size());
    // From the end, so that the first line of a key is the one left.
    for (qsizetype i = list_.size() - 1; i >= 0; --i) {
        const QStringView line = list_.at(i);
        const qsizetype eq = line.indexOf(u'=');
        if (eq >= 0)
            first_.insert(FoldedKey(line.first(eq)), i);
    }
}

qsizetype KeyIndex::indexOf(QStringView key) const
{
    return first_.value(FoldedKey(key), -1);
}

std::optional<QString> KeyIndex::value(QStringView key) const
{
    const qsizetype i = indexOf(key);
    return i < 0 ? std::nullopt : std::optional(StringList::ValueOf(list_.at(i)));
}
