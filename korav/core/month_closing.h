#pragma once

#include "common/closed_months.h"
#include "korav/core/admin_passwords.h"

#include <QDate>
#include <optional>

class BaseDataStore;
class Clock;

// Closes months for changes, or opens closed ones again. Either administrator
// may move the closing month forward; only the system administrator may move
// it back. Every change is appended to the closing log with its time and the
// administrator's role before the closing month is stored, so that no
// reopening goes unrecorded. The copy for PELIN is written at once; the
// upload marker goes, because the base data must be provided again.
class MonthClosing {
public:
    MonthClosing(const BaseDataStore& store, const Clock& clock, QDate startDate);

    ClosedMonths current() const;
    // The status line after a change; nothing when it was refused, declined
    // or failed (the message has been shown).
    std::optional<QString> CloseUpTo(const ClosedMonths& target, AdminPasswords::Role role) const;

    // " %2.2i.%2.2i.%4.4i %2.2i:%2.2i - %s - Abschluss %s -> %s"
    static QString LogLine(
        const QDateTime& time, AdminPasswords::Role role, const ClosedMonths& from, const ClosedMonths& to);

private:
    bool refused(const ClosedMonths& from, const ClosedMonths& target, AdminPasswords::Role role) const;
    bool appendLog(const QString& line) const;

    const BaseDataStore& store_;
    const Clock& clock_;
    QDate startDate_;
};
