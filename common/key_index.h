#pragma once

#include "common/string_list.h"

#include <QHash>
#include <QString>

#include <optional>

// The one key rule of every key=value list: letter case is ignored (two
// keys are the same when their case-folded texts are equal) and the first
// line of a key is the one that counts. A line without "=" holds no key.

bool IsAscii(QStringView text);
// The text under which equal keys are equal.
QString FoldedKey(QStringView key);
bool SameKey(QStringView a, QStringView b);

// The first line of every key of a list, for lists asked many times: one
// pass builds it, each question is a hash look-up.
class KeyIndex {
public:
    explicit KeyIndex(StringList list = {});

    qsizetype indexOf(QStringView key) const;
    std::optional<QString> value(QStringView key) const;
    const StringList& list() const { return list_; }
    // Folded key → index of its first line.
    const QHash<QString, qsizetype>& firstLines() const { return first_; }

private:
    StringList list_;
    QHash<QString, qsizetype> first_;
};
