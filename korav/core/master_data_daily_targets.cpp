#include "korav/core/master_data_daily_targets.h"

#include "common/fixed_width.h"
#include "korav/core/base_data_store.h"

using namespace Qt::StringLiterals;

namespace DailyTargetsFile {

namespace {

constexpr int kValueWidth = 4;

bool AllDigits(const QString& text)
{
    for (const QChar c : text) {
        if (c < u'0' || c > u'9')
            return false;
    }
    return true;
}

} // namespace

StringList Load(const BaseDataStore& store)
{
    return store.load(kFileName);
}

bool Save(const BaseDataStore& store, const StringList& file)
{
    return store.save(kFileName, file);
}

std::optional<Target> Of(const StringList& file, QStringView shortName)
{
    const qsizetype i = file.indexOfKey(shortName);
    if (i < 0)
        return std::nullopt;
    const QString value = StringList::ValueOf(file.at(i));
    if (value.size() < kValueWidth || !AllDigits(value.left(kValueWidth)))
        return std::nullopt;
    return Target { value.left(2), value.mid(2, 2) };
}

Checked Check(const QString& hours, const QString& minutes, const QString& shortName)
{
    if (hours.isEmpty() && minutes.isEmpty())
        return {};
    if (!AllDigits(hours) || !AllDigits(minutes))
        return { {},
            u"Die tägliche Soll-Arbeitszeit von %1 ist nicht numerisch !\n\n( Mitarbeiter-Stammdaten  )"_s
                .arg(shortName) };
    // Longer texts than the entries hold count as too many, not as 0.
    const int h = hours.size() > 2 ? kMaxMinutes : hours.toInt();
    const int m = minutes.size() > 2 ? 60 : minutes.toInt();
    if (m > 55 || m % 5 != 0)
        return { {},
            u"Die Minuten der täglichen Soll-Arbeitszeit von %1 sind nur in 5-Minuten-Schritten bis 55 "
            u"möglich "
            u"!\n\n( Mitarbeiter-Stammdaten  )"_s.arg(shortName) };
    if (h * 60 + m > kMaxMinutes)
        return { {},
            u"Es können maximal 12 Stunden für die tägliche Soll-Arbeitszeit vorgegeben werden !  "_s };
    if (h * 60 + m == 0)
        return { {},
            u"Die tägliche Soll-Arbeitszeit von %1 muss größer 0 sein !\n\n( Mitarbeiter-Stammdaten  )"_s.arg(
                shortName) };
    return { FixedWidth::Digits(h, 2) + FixedWidth::Digits(m, 2), {} };
}

} // namespace DailyTargetsFile
