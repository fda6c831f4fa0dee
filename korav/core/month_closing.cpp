#include "korav/core/month_closing.h"

#include "common/clock.h"
#include "common/file_store.h"
#include "common/fixed_width.h"
#include "common/messenger.h"
#include "common/safe_question.h"
#include "korav/core/base_data_store.h"

#include <QFile>

using namespace Qt::StringLiterals;

namespace {

QString RoleText(AdminPasswords::Role role)
{
    return role == AdminPasswords::kSystemAdmin ? u"System-Administrator"_s : u"Daten-Administrator"_s;
}

QString MonthOrNone(const ClosedMonths& months)
{
    return months.any() ? months.text() : u"keiner"_s;
}

} // namespace

MonthClosing::MonthClosing(const BaseDataStore& store, const Clock& clock, QDate startDate)
    : store_(store), clock_(clock), startDate_(startDate)
{
}

ClosedMonths MonthClosing::current() const
{
    return ClosedMonths::FromLines(store_.load(ClosedMonthsFile::kRecord));
}

QString MonthClosing::LogLine(
    const QDateTime& time, AdminPasswords::Role role, const ClosedMonths& from, const ClosedMonths& to)
{
    const QDate day = time.date();
    return u" %1.%2.%3 %4 - %5 - Abschluss %6 -> %7"_s.arg(FixedWidth::TwoDigits(day.day()),
        FixedWidth::TwoDigits(day.month()), FixedWidth::FourDigits(day.year()),
        FixedWidth::TimeOfDay(time.time()), RoleText(role), MonthOrNone(from), MonthOrNone(to));
}

bool MonthClosing::refused(
    const ClosedMonths& from, const ClosedMonths& target, AdminPasswords::Role role) const
{
    Messenger& messenger = store_.messenger();
    if (store_.isBackupFolder()) {
        messenger.show(QString::fromUtf16(kBackupFolderRefusal));
        return true;
    }
    if (role != AdminPasswords::kSystemAdmin && role != AdminPasswords::kDataAdmin)
        return true;
    if (target == from) {
        messenger.show(from.any() ? u"Die Monate bis %1 sind bereits abgeschlossen !  "_s.arg(from.text())
                                  : u"Es sind keine Monate abgeschlossen !  "_s);
        return true;
    }
    // The running month is still being recorded: closing it would lock the
    // employees out of their current days.
    if (!(target < ClosedMonths(startDate_.year(), startDate_.month()))) {
        messenger.show(u"Der laufende Monat und spätere Monate können nicht abgeschlossen werden !  "_s);
        return true;
    }
    if (target < from && role != AdminPasswords::kSystemAdmin) {
        messenger.show(u"Abgeschlossene Monate kann nur der System-Administrator wieder öffnen !  "_s);
        return true;
    }
    return false;
}

std::optional<QString> MonthClosing::CloseUpTo(const ClosedMonths& target, AdminPasswords::Role role) const
{
    const ClosedMonths from = current();
    if (refused(from, target, role))
        return std::nullopt;
    Messenger& messenger = store_.messenger();
    if (target < from
        && AskDefaultNo(messenger,
               u"Abgeschlossene Monate wieder öffnen ?\n\nAbschluss bisher: %1\nAbschluss neu: %2  "_s.arg(
                   from.text(), MonthOrNone(target)))
            != kAnswerYes)
        return std::nullopt;
    const QDateTime now = clock_.now();
    if (!appendLog(LogLine(now, role, from, target)))
        return std::nullopt;
    if (!store_.save(ClosedMonthsFile::kRecord, target.toLines())
        || !store_.save(ClosedMonthsFile::kProvided, target.toLines()))
        return std::nullopt;
    QFile::remove(store_.folder().path(KoravFile::kUploadMarker));
    return target.any()
        ? u"%1 - Monate bis %2 abgeschlossen"_s.arg(FixedWidth::TimeOfDay(now.time()), target.text())
        : u"%1 - keine Monate abgeschlossen"_s.arg(FixedWidth::TimeOfDay(now.time()));
}

// The log is rewritten whole with the new line at its end, so that a failed
// write leaves the earlier lines as they were; a log that exists but cannot
// be read is never replaced.
bool MonthClosing::appendLog(const QString& line) const
{
    const QString path = store_.folder().path(ClosedMonthsFile::kLog);
    QString text;
    QString error;
    if (FileStore::Exists(path)) {
        const std::optional<TextFile> file = FileStore::ReadText(path, &error);
        if (!file) {
            store_.messenger().show(
                u"Das Protokoll %1 konnte nicht gelesen werden.\n\n%2  "_s.arg(path, error));
            return false;
        }
        text = StringList::FromText(file->text).toText();
    }
    if (FileStore::WriteText(path, text + line + u"\r\n"_s, TextEncoding::Utf8WithBom, &error))
        return true;
    store_.messenger().show(u"Datei %1 konnte nicht gespeichert werden.\n\n%2  "_s.arg(path, error));
    return false;
}
