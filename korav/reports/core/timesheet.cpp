#include "korav/reports/core/timesheet.h"

#include "common/account_rules.h"
#include "common/calendar_dates.h"
#include "common/calendar_names.h"
#include "common/data_file_codec.h"
#include "common/fixed_width.h"
#include "common/month_list.h"
#include "common/time_format.h"
#include "common/working_day.h"
#include "korav/reports/core/account_book.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/core/month_target.h"
#include "korav/reports/core/year_target_files.h"

using namespace Qt::StringLiterals;

namespace {

constexpr int kTimeWidth = 6;
constexpr int kPauseWidth = 11;
constexpr int kWorkingWidth = 13;

QString ClockText(const QString& hour, const QString& minute)
{
    return hour + u':' + minute;
}

// "%3i:%2.2i" without the trailing blank of the screen texts.
QString Duration(int minutes)
{
    return FormatHoursMinutes(minutes).trimmed();
}

TimesheetDay ReadDay(const MonthList& month, int day, const PauseActivities& pauses)
{
    TimesheetDay result;
    result.date = QDate(month.year(), month.month(), day);
    const MonthList::Day stored = month.readDay(day);
    if (!stored.record)
        return result;
    result.recorded = true;
    result.come = ClockText(stored.record->comeHour, stored.record->comeMinute);
    result.go = ClockText(stored.record->goHour, stored.record->goMinute);
    const DayValues values = ComputeDayValues(WorkingDayOf(stored), pauses);
    result.pause = values.pause;
    result.working = values.working();
    ActivityMinutes activities;
    for (const MonthFile::ActivityEntryText& entry : stored.entries) {
        if (!pauses.contains(entry.activity))
            activities.add(entry.activity, entry.minutes());
    }
    result.activities = activities.items();
    return result;
}

QString DayLine(const TimesheetDay& day)
{
    QString line = u' ' + WeekdayHeading(day.date.dayOfWeek()) + u' ' + FixedWidth::TwoDigits(day.date.day())
        + u'.' + FixedWidth::TwoDigits(day.date.month()) + u'.';
    if (!day.recorded)
        return line;
    QStringList activities;
    for (const ActivityMinutes::Item& item : day.activities)
        activities.append(item.key + u' ' + Duration(item.minutes));
    line += u' ' + day.come.rightJustified(kTimeWidth) + day.go.rightJustified(kTimeWidth)
        + Duration(day.pause).rightJustified(kPauseWidth)
        + Duration(day.working).rightJustified(kWorkingWidth);
    if (!activities.isEmpty())
        line += u"   "_s + activities.join(u", "_s);
    return line;
}

QString HeadLine()
{
    return u" Tag       "_s + u"Kommen"_s.rightJustified(kTimeWidth) + u"Gehen"_s.rightJustified(kTimeWidth)
        + u"Pause"_s.rightJustified(kPauseWidth) + u"Arbeitszeit"_s.rightJustified(kWorkingWidth)
        + u"   Tätigkeiten (Std:Min)"_s;
}

QString Rule()
{
    return u' ' + QString(90, u'-');
}

// The balance after the month and the holiday account of its year.
QStringList AccountLines(const AccountYear& account, int month)
{
    const AccountMonth& values = account.months[std::size_t(month - 1)];
    const QString balance = values.counts ? FixedWidth::PeriodSigned(values.balance).trimmed() : u"---"_s;
    return {
        u" Arbeitszeitkonto   Stand nach %1/%2 %3   Urlaub %4: Anspruch %5  Übertrag %6  genommen %7  Rest %8"_s
            .arg(FixedWidth::TwoDigits(month), QString::number(account.year), balance,
                QString::number(account.year), AccountRules::DaysText(account.entitlement),
                AccountRules::DaysText(account.carried), AccountRules::DaysText(account.taken()),
                AccountRules::DaysText(account.remaining()))
    };
}

} // namespace

TimesheetSource TimesheetSource::Load(const QString& dataRoot, DataFileCodec& codec, QDate today)
{
    TimesheetSource source;
    source.dataRoot = dataRoot;
    source.directory = LoadEmployeeDirectory(dataRoot);
    codec.LoadDataFile(dataRoot + u"dama.kvd"_s, source.employeeFile);
    source.activities = KoravMonthFile::LoadLines(dataRoot + u"dprojekte.kvd"_s);
    if (today.isValid()) {
        auto accounts = std::make_shared<AccountBook>(dataRoot, codec, today);
        if (accounts->hasSettings())
            source.accounts = std::move(accounts);
    }
    return source;
}

std::optional<Timesheet> ReadTimesheet(
    const TimesheetSource& source, const QString& name, int year, int month)
{
    const std::optional<QString> number = source.directory.personnelNumber(name);
    if (!number || number->isEmpty())
        return std::nullopt;
    Timesheet sheet;
    sheet.name = name;
    sheet.personnelNumber = *number;
    sheet.year = year;
    sheet.month = month;
    sheet.target = MonthTargetOf(source.employeeFile, *number, month, year, source.directory.degree(name),
        YearFileFullTime(source.dataRoot, source.directory.shortName(name), year, month))
                       .target;
    EmployeeMonthReader reader(source.dataRoot, source.activities);
    sheet.totals = reader.read(*number, year, month, sheet.target);
    MonthList days(year, month, *number);
    days.load(KoravMonthFile::CollectionFolder(source.dataRoot, year, month));
    const PauseActivities pauses(source.activities);
    for (int day = 1; day <= DaysInMonth(year, month); ++day)
        sheet.days.append(ReadDay(days, day, pauses));
    if (source.accounts && source.accounts->hasSettings(name, year))
        if (const std::optional<AccountYear> account = source.accounts->year(name, year))
            sheet.accountLines = AccountLines(*account, month);
    return sheet;
}

QStringList TimesheetLines(const Timesheet& sheet)
{
    QStringList lines { HeadLine(), Rule() };
    for (const TimesheetDay& day : sheet.days)
        lines.append(DayLine(day));
    lines.append(Rule());
    MonthValues values;
    values.attendance = sheet.totals.attendance;
    values.pause = sheet.totals.pause;
    values.assigned = sheet.totals.assigned();
    values.target = sheet.target;
    const MonthTexts texts = FormatMonthValues(values);
    lines.append(
        u" Monatswerte   Arbeitszeit %1  Soll %2  Differenz %3  Tätigkeiten %4  Offene Zeit %5"_s.arg(
            texts.actual, texts.target, texts.difference, texts.assigned, texts.open));
    lines.append(sheet.accountLines);
    lines.append(QString());
    lines.append(
        u" Datum: ______________   Unterschrift Mitarbeiter(in):  ________________________________"_s);
    lines.append(QString());
    lines.append(
        u" Datum: ______________   Unterschrift Vorgesetzte(r):   ________________________________"_s);
    return lines;
}

QString TimesheetTitle(const Timesheet& sheet)
{
    return u"Stundenzettel %1/%2   Mitarbeiter : %3"_s.arg(
        FixedWidth::TwoDigits(sheet.month), FixedWidth::FourDigits(sheet.year), sheet.name);
}

QString TimesheetFileName(const Timesheet& sheet)
{
    QString name = sheet.name;
    for (QChar& c : name) {
        if (c == u' ' || c == u'/' || c == u'\\')
            c = u'_';
    }
    return u"stundenzettel_%1_%2_%3.pdf"_s.arg(
        name, FixedWidth::FourDigits(sheet.year), FixedWidth::TwoDigits(sheet.month));
}
