#pragma once

#include <QByteArray>
#include <QString>

// Files from Windows computers without a byte-order mark are Windows-1252.
// The five unassigned bytes map to the C1 controls of the same value, so that
// every byte sequence survives a round trip.
QString DecodeWindows1252(QByteArrayView bytes);
bool CanEncodeWindows1252(QStringView text);
// Characters Windows-1252 cannot carry become "?"; check first where that
// matters.
QByteArray EncodeWindows1252(QStringView text);
