#include "korav/reports/core/month_export.h"

#include "common/file_store.h"
#include "common/fixed_width.h"
#include "common/messenger.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/core/month_sums.h"
#include "korav/reports/core/report_names.h"

using namespace Qt::StringLiterals;
using namespace FixedWidth;

namespace {

QString Rule()
{
    return u"   "_s + QString(84, u'-');
}

QString LabelLine(const QString& caption, const QString& label)
{
    return u"   "_s + Left(caption, 20) + u' ' + Right(label, 11);
}

QString WorkingTimeText(const MonthExportInput& in)
{
    if (in.hoursText.isEmpty() && in.minutesText.isEmpty())
        return u"---"_s;
    return Right(in.hoursText, 3) + u':' + Right(in.minutesText, 2);
}

QString Description(const StringList& descriptions, const QString& key)
{
    return descriptions.value(key).left(100);
}

void AppendEntries(StringList& lines, const MonthExportInput& in)
{
    for (const QString& entry : in.entries.mid(0, KoravMonthFile::kMaxStoredEntries)) {
        const QString key = StringList::KeyOf(entry);
        const QString duration = EntryDurationText(KoravMonthFile::EntryDuration(entry));
        lines.append(u"   "_s + Left(key, 20) + u' ' + Right(duration, 10) + u"   "_s
            + Left(Description(in.descriptions, key), 100));
    }
}

} // namespace

QString MonthExportFileName(
    const QString& name, const QString& monthText, const QString& yearText, const OutputMoment& moment)
{
    const QDate& d = moment.startDate;
    QString file = u"korav_monwerte_"_s + name + u'_' + monthText + yearText + u'_'
        + FixedWidth::TwoDigits(d.day()) + FixedWidth::TwoDigits(d.month()) + FixedWidth::FourDigits(d.year())
        + u'_' + FixedWidth::TwoDigits(moment.now.hour()) + u'h' + FixedWidth::TwoDigits(moment.now.minute())
        + u".txt"_s;
    return file.replace(u' ', u'_');
}

StringList MonthExportLines(const MonthExportInput& in, const OutputMoment& moment)
{
    StringList lines;
    lines.append(QString());
    lines.append(
        u"   Monatswerte "_s + in.monthText + u'/' + in.yearText + u" von Mitarbeiter "_s + in.name + u' ');
    lines.append(u"   ersatzweise in KORAV erfasst"_s);
    lines.append(Rule());
    lines.append(QString());
    lines.append(
        u"   "_s + Left(u"Arbeitszeit"_s, 20) + u' ' + Right(WorkingTimeText(in), 10) + u"   "_s + in.remark);
    lines.append(QString());
    lines.append(u"   Monatsliste Tätigkeiten"_s);
    lines.append(QString());
    lines.append(u"   "_s + Left(u"Schlüssel-Nr."_s, 20) + u' ' + Right(u"Dauer"_s, 10) + u"   "_s
        + Left(u"Beschreibung"_s, 20));
    lines.append(Rule());
    AppendEntries(lines, in);
    lines.append(Rule());
    lines.append(LabelLine(u"Summe"_s, in.assignedLabel));
    lines.append(QString());
    lines.append(u"   Gesamtwerte Monat "_s + in.monthText + u'/' + in.yearText);
    lines.append(QString());
    lines.append(LabelLine(u"Arbeitszeit"_s, in.workingLabel));
    lines.append(LabelLine(u"Sollzeit"_s, in.targetLabel) + u" ("_s + in.targetHint + u')');
    lines.append(LabelLine(u"Differenz"_s, in.differenceLabel));
    lines.append(QString());
    lines.append(LabelLine(u"Arbeitszeit"_s, in.workingLabel2));
    lines.append(LabelLine(u"Zugeordnete Zeit"_s, in.assignedLabel));
    lines.append(LabelLine(u"Offene Zeit"_s, in.openLabel));
    lines.append(QString());
    lines.append(Rule());
    lines.append(u"  "_s + TextFooterLine(moment).mid(1));
    return lines;
}

bool SaveMonthExport(const QString& path, const StringList& lines, Messenger& messenger)
{
    QString error;
    if (!FileStore::WriteText(path, lines.toText(), TextEncoding::Utf8WithBom, &error)) {
        messenger.show(path + u"\n\n"_s + error);
        return false;
    }
    messenger.show(u"Monatswerte sind in Datei\n\n"_s + path + u"\n\ngespeichert."_s);
    return true;
}
