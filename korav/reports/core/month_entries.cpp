#include "korav/reports/core/month_entries.h"

#include "common/fixed_width.h"
#include "common/key_index.h"
#include "common/number_parse.h"
#include "common/string_list.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/core/month_sums.h"
#include "korav/reports/core/report_names.h"

using namespace Qt::StringLiterals;

namespace {

EntryRefusal CheckHours(const QString& hoursText)
{
    if (hoursText.startsWith(u'-'))
        return EntryRefusal::Negative;
    for (const QChar c : hoursText)
        if (!c.isDigit())
            return EntryRefusal::NotNumeric;
    return EntryRefusal::None;
}

} // namespace

AddEntryResult AddMonthEntry(QStringList& entries, const QString& key, const QString& hoursText,
    const QString& minutesText, QDate today)
{
    if (entries.size() >= KoravMonthFile::kMaxEntries)
        return { EntryRefusal::TooMany };
    if (const EntryRefusal hours = CheckHours(hoursText); hours != EntryRefusal::None)
        return { hours };
    if (ParseDecimalInt(hoursText) == 0 && ParseDecimalInt(minutesText) == 0)
        return { EntryRefusal::Zero };
    const QString shortKey = key.left(14);
    if (const qsizetype i = IndexOfEntryKey(entries, shortKey); i >= 0)
        return { EntryRefusal::Duplicate, i };
    entries.append(KoravMonthFile::NewEntry(shortKey, today, DurationOfFields(hoursText, minutesText)));
    return {};
}

QString EntryRefusalMessage(EntryRefusal refusal)
{
    switch (refusal) {
    case EntryRefusal::TooMany:
        return u"Es können maximal 20 Projekte pro Monat erfasst werden !  "_s;
    case EntryRefusal::Negative:
        return u"Die Projekt-Stunden dürfen nicht negativ sein !  "_s;
    case EntryRefusal::NotNumeric:
        return u"Die Projekt-Stunden sind nicht numerisch !  "_s;
    case EntryRefusal::Zero:
        return u"Die Projekt-Stunden müssen größer als 0 sein !  "_s;
    case EntryRefusal::Duplicate:
        return u"Projekt ist bereits in Tabelle vorhanden !  "_s;
    case EntryRefusal::None:
        break;
    }
    return {};
}

qsizetype IndexOfEntryKey(const QStringList& entries, QStringView key)
{
    for (qsizetype i = 0; i < entries.size(); ++i)
        if (SameKey(StringList::KeyOf(entries.at(i)), key))
            return i;
    return -1;
}

EntryFields FieldsOfEntry(const QString& entry)
{
    const QString value = StringList::ValueOf(entry);
    return { StringList::KeyOf(entry), QString::number(ParseDecimalInt(value.mid(8, 3))), value.mid(11, 2) };
}

std::optional<EntryFields> OpenTimeFields(int openMinutes)
{
    if (openMinutes <= 0 || openMinutes >= kMonthOpenLimit)
        return std::nullopt;
    return EntryFields { {}, QString::number(openMinutes / 60), FixedWidth::TwoDigits(openMinutes % 60) };
}

// Built from the numbers, so that an empty hours field counts as no hours
// rather than shifting the minutes into the hours' places.
QString DurationOfFields(const QString& hoursText, const QString& minutesText)
{
    return u"%1%2"_s.arg(ParseDecimalInt(hoursText), 3, 10, QChar(u'0'))
        .arg(ParseDecimalInt(minutesText), 2, 10, QChar(u'0'))
        .left(5);
}
