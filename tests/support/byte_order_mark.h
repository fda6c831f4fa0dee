#pragma once

#include <QByteArray>

// The UTF-8 byte-order mark at the start of the files written in UTF-8.
inline const QByteArray kBom("\xEF\xBB\xBF");
