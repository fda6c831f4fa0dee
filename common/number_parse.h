#pragma once

#include <QString>
#include <optional>

// Leading blanks are skipped, an optional sign and the digits up to the first
// other character are read; a text without digits gives 0. Values beyond the
// 32-bit range are clamped to it.
int ParseDecimalInt(QStringView text);

// Decimal input as typed by a user: "," or "." as the decimal separator.
// Returns the number in stored form (with "."), or nothing when the text is
// not a plain decimal number.
std::optional<QString> NormalizeDecimalInput(QStringView text);
