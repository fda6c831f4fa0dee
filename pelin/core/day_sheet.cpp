#include "pelin/core/day_sheet.h"

#include "common/working_day.h"

#include "common/activity_description.h"
#include "common/calendar_dates.h"
#include "common/clock.h"
#include "common/fixed_width.h"
#include "common/messenger.h"
#include "common/number_parse.h"
#include "common/safe_question.h"
#include "common/working_time_law.h"

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

constexpr int kMaxHandEntries = 20;

QString NoAttendance()
{
    return u"Es ist keine Anwesenheit eingetragen (Kommen|Gehen)"_s;
}

QString DateWithYear(QDate date)
{
    return FixedWidth::TwoDigits(date.day()) + u'.' + FixedWidth::TwoDigits(date.month()) + u'.'
        + FixedWidth::FourDigits(date.year());
}

// HHHMM shown as HHH:MM, leading zeros of the hours as blanks.
QString DurationShown(const QString& hhhmm)
{
    QString hours = hhhmm.left(3).leftJustified(3, u' ');
    for (int i = 0; i < 2 && hours[i] == u'0'; ++i)
        hours[i] = u' ';
    return hours + u':' + hhhmm.mid(3, 2);
}

bool AllDigits(const QString& text)
{
    return std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
}

} // namespace

DaySheet::DaySheet(LoginState& state, PelinDates& dates, const Clock& clock, Messenger& messenger)
    : state_(state), dates_(dates), clock_(clock), messenger_(messenger)
{
}

MonthList& DaySheet::displayedMonth()
{
    return dates_.showsCurrentMonth() ? state_.currentMonth : state_.previousMonth;
}

int DaySheet::monthTarget() const
{
    return dates_.showsCurrentMonth() ? state_.personalTargetCurrentMonth
                                      : state_.personalTargetPreviousMonth;
}

QString DaySheet::descriptionOf(const QString& number) const
{
    return ListedDescription(state_.activityList, number).value_or(NotInListNote());
}

QList<DaySheetRow> DaySheet::rows() const
{
    QList<DaySheetRow> rows;
    for (const MonthFile::ActivityEntryText& entry : entries_)
        rows.append({ entry.activity, DurationShown(entry.duration), descriptionOf(entry.activity) });
    return rows;
}

void DaySheet::clear()
{
    fields_ = {};
    entries_.clear();
    changed_.reset();
    selected_ = -1;
    enterEnabled_ = false;
    values_ = {};
}

bool DaySheet::DayMayBeChanged()
{
    if (!state_.closedMonths.closes(dates_.displayedDay))
        return true;
    messenger_.show(u"Der Monat %1 ist abgeschlossen !\n\nSeine Tage können angesehen, aber nicht mehr "
                    "geändert werden."_s.arg(FixedWidth::TwoDigits(dates_.displayedDay.month()) + u'/'
                        + FixedWidth::FourDigits(dates_.displayedDay.year())));
    return false;
}

void DaySheet::LoadDisplayedDay()
{
    clear();
    const MonthList::Day day = displayedMonth().readDay(dates_.displayedDay.day());
    if (day.record) {
        fields_.comeHour = day.record->comeHour;
        fields_.comeMinute = day.record->comeMinute;
        fields_.goHour = day.record->goHour;
        fields_.goMinute = day.record->goMinute;
        fields_.remark = day.record->remark;
    }
    // Entries of a day without its day record are shown too, so that storing
    // the day once coming and going are entered keeps them.
    entries_ = day.entries;
    state_.changes.dayInMonthList();
    ComputeDayValues();
}

void DaySheet::StoreDisplayedDay()
{
    if (!state_.changes.dayPending())
        return;
    MonthFile::DayRecordText record;
    record.comeHour = fields_.comeHour;
    record.comeMinute = fields_.comeMinute;
    record.goHour = fields_.goHour;
    record.goMinute = fields_.goMinute;
    record.remark = fields_.remark.left(MonthFile::kRemarkWidth);
    displayedMonth().storeDay(dates_.displayedDay.day(), record, entriesToStore(), clock_.today());
    state_.changes.dayInMonthList();
}

QList<MonthFile::ActivityEntryText> DaySheet::entriesToStore() const
{
    QList<MonthFile::ActivityEntryText> entries = entries_;
    if (changed_)
        entries.insert(std::min(changed_->index, entries.size()), changed_->entry);
    return entries;
}

void DaySheet::putBackChangedEntry()
{
    if (!changed_)
        return;
    entries_.insert(std::min(changed_->index, entries_.size()), changed_->entry);
    changed_.reset();
    fields_.projectNumber.clear();
    fields_.projectDescription.clear();
    fields_.hoursField.clear();
    fields_.minutesField.clear();
    modified();
    ComputeDayValues();
}

DayWork DaySheet::workingDay() const
{
    MonthFile::DayRecordText times;
    times.comeHour = fields_.comeHour;
    times.comeMinute = fields_.comeMinute;
    times.goHour = fields_.goHour;
    times.goMinute = fields_.goMinute;
    return WorkingDayOf(times, entries_);
}

void DaySheet::ComputeDayValues()
{
    StoreDisplayedDay();
    const PauseActivities pauses(state_.activityList);
    const DayValues day = ::ComputeDayValues(workingDay(), pauses);
    const QString previousOpen = values_.dayTexts.open;
    values_.day = day;
    values_.dayTexts = FormatDayValues(day);
    values_.dayColours = DayOpenColoursOf(day);
    values_.limitExceeded = ExceedsOpenTimeLimit(day);
    values_.lawHint = LawHintText(DayLawFindings(workingDay(), LawActivities(state_.activityList)));
    if (values_.limitExceeded) {
        values_.dayTexts.open = previousOpen;
        messenger_.show(OpenTimeLimitMessage());
        return;
    }
    MonthList& month = displayedMonth();
    QList<DayWork> days;
    const QDate shown = dates_.displayedDay;
    for (int d = 1; d <= DaysInMonth(shown.year(), shown.month()); ++d) {
        // The month list still holds an entry being changed; the shown day
        // counts without it, as its own values do.
        days.append(changed_ && d == shown.day() ? workingDay() : WorkingDayOf(month.readDay(d)));
    }
    values_.month = ComputeMonthValues(days, pauses, monthTarget());
    values_.monthTexts = FormatMonthValues(values_.month);
    values_.monthColour = MonthOpenColourOf(values_.month);
}

void DaySheet::modified()
{
    state_.changes.dayEdited();
}

void DaySheet::TimesPicked(const QString& ch, const QString& cm, const QString& gh, const QString& gm)
{
    if (!DayMayBeChanged())
        return;
    fields_.comeHour = ch;
    fields_.comeMinute = cm;
    fields_.goHour = gh;
    fields_.goMinute = gm;
    modified();
    ComputeDayValues();
}

bool DaySheet::RemarkMayBeEdited()
{
    if (!fields_.comeHour.isEmpty())
        return true;
    messenger_.show(u"Zeiten für Kommen und Gehen fehlen\n\nAuswahlfenster wird geöffnet"_s);
    return false;
}

void DaySheet::RemarkTaken(const QString& text)
{
    if (!DayMayBeChanged())
        return;
    fields_.remark = text;
    modified();
    StoreDisplayedDay();
}

bool DaySheet::AttendancePresent()
{
    if (values_.day.attendance != 0)
        return true;
    messenger_.show(NoAttendance());
    return false;
}

void DaySheet::ActivityChosen(const QString& number, const QString& description)
{
    selected_ = -1;
    fields_.projectNumber = number;
    fields_.projectDescription = description;
    enterEnabled_ = !fields_.projectNumber.isEmpty();
}

void DaySheet::HoursPicked(const QString& hours, const QString& minutes)
{
    fields_.hoursField = hours;
    fields_.minutesField = minutes;
}

void DaySheet::Select(qsizetype row)
{
    selected_ = row >= 0 && row < entries_.size() ? row : -1;
}

void DaySheet::OffeneZeitBtnClick()
{
    const int open = values_.day.open();
    if (open == 0 || open >= kOpenTimeLimit) {
        messenger_.show(u"Es liegt keine offene Zeit vor!"_s);
        return;
    }
    if (open < 0) {
        messenger_.show(u"Negative offene Zeiten können nicht eingefügt werden!"_s);
        return;
    }
    fields_.hoursField = QString::number(open / 60);
    fields_.minutesField = FixedWidth::TwoDigits(open % 60);
}

void DaySheet::EinfgEintragBtnClick()
{
    if (!DayMayBeChanged())
        return;
    if (entries_.size() >= kMaxHandEntries) {
        messenger_.show(u"Es können maximal 20 Projekte pro Tag erfasst werden!"_s);
        return;
    }
    if (fields_.projectNumber.isEmpty())
        return;
    if (fields_.hoursField.isEmpty() || fields_.minutesField.isEmpty()) {
        messenger_.show(u"Es fehlt die Zeitangabe für das Projekt!"_s);
        return;
    }
    if (fields_.hoursField.startsWith(u'-')) {
        messenger_.show(u"Die Projekt-Stunden dürfen nicht negativ sein!"_s);
        return;
    }
    if (!AllDigits(fields_.hoursField)) {
        messenger_.show(u"Die Projekt-Stunden sind nicht numerisch!"_s);
        return;
    }
    if (ParseDecimalInt(fields_.hoursField) == 0 && ParseDecimalInt(fields_.minutesField) == 0) {
        messenger_.show(u"Die Projekt-Stunden müssen größer als 0 sein!"_s);
        return;
    }
    const QString number = fields_.projectNumber.left(MonthFile::kActivityWidth);
    const auto same = std::find_if(entries_.cbegin(), entries_.cend(),
        [&](const MonthFile::ActivityEntryText& e) { return e.activity == number; });
    if (same != entries_.cend()) {
        selected_ = same - entries_.cbegin();
        messenger_.show(u"Projekt ist bereits in Tabelle vorhanden!"_s);
        return;
    }
    entries_.append({ MonthFile::DateText(clock_.today()),
        MonthFile::DurationText(fields_.hoursField, fields_.minutesField), number });
    changed_.reset();
    modified();
    fields_.hoursField.clear();
    fields_.minutesField.clear();
    fields_.projectNumber.clear();
    fields_.projectDescription.clear();
    selected_ = -1;
    enterEnabled_ = false;
    ComputeDayValues();
}

bool DaySheet::entryFieldsEmpty() const
{
    return fields_.projectNumber.isEmpty() && fields_.hoursField.isEmpty() && fields_.minutesField.isEmpty()
        && fields_.projectDescription.isEmpty();
}

qsizetype DaySheet::entryIndexOfSelection()
{
    // The rows show the entries in their order, so the selected row is the
    // entry.
    return selected_ >= 0 && selected_ < entries_.size() ? selected_ : -1;
}

void DaySheet::ChgEintragBtnClick()
{
    if (!DayMayBeChanged())
        return;
    if (!entryFieldsEmpty() || changed_) {
        const QString held
            = fields_.projectNumber.isEmpty() && changed_ ? changed_->entry.activity : fields_.projectNumber;
        // Only a clear "Ja" discards: a closed dialog keeps the entry.
        if (messenger_.ask(u"Ausgewählte Tätigkeit %1 verwerfen?"_s.arg(held)) != kAnswerYes)
            return;
    }
    if (selected_ < 0) {
        messenger_.show(u"Markieren Sie eine Tätigkeit in der Tagesliste"_s);
        return;
    }
    const qsizetype index = entryIndexOfSelection();
    if (index < 0) {
        messenger_.show(u"Projekt nicht gefunden"_s);
        return;
    }
    const MonthFile::ActivityEntryText entry = entries_.takeAt(index);
    changed_ = ChangedEntry { entry, index };
    fields_.projectNumber = entry.activity;
    fields_.hoursField = QString::number(ParseDecimalInt(entry.duration.left(3)));
    fields_.minutesField = entry.duration.mid(3, 2);
    const qsizetype listed = state_.activityList.indexOfKey(entry.activity);
    fields_.projectDescription
        = listed < 0 ? QString() : StringList::ValueOf(state_.activityList.at(listed)).left(100);
    modified();
    ComputeDayValues();
    enterEnabled_ = true;
    selected_ = -1;
}

void DaySheet::DelEintragBtnClick()
{
    if (!DayMayBeChanged())
        return;
    const qsizetype index = entryIndexOfSelection();
    if (index < 0) {
        messenger_.show(u"Projekt nicht gefunden"_s);
        return;
    }
    entries_.removeAt(index);
    modified();
    ComputeDayValues();
    selected_ = -1;
    if (entryFieldsEmpty())
        enterEnabled_ = false;
}

void DaySheet::QuickEntry(const QString& caption)
{
    if (!DayMayBeChanged())
        return;
    // The quick entry fills the entry fields: an entry being changed goes
    // back into the list first instead of being overwritten.
    putBackChangedEntry();
    selected_ = -1;
    const auto line = std::find_if(state_.activityList.lines().cbegin(), state_.activityList.lines().cend(),
        [&](const QString& l) { return l.contains(u'=') && StringList::ValueOf(l) == caption; });
    if (line == state_.activityList.lines().cend()) {
        messenger_.show(u"'%1' ist in der Tätigkeiten-Liste nicht enthalten"_s.arg(caption));
    } else {
        if (fields_.comeHour.isEmpty() && fields_.comeMinute.isEmpty()) {
            const int go = 8 * 60 + state_.dailyTarget;
            fields_.comeHour = u"08"_s;
            fields_.comeMinute = u"00"_s;
            fields_.goHour = FixedWidth::TwoDigits(go / 60);
            fields_.goMinute = FixedWidth::TwoDigits(go % 60);
        }
        modified();
        ComputeDayValues();
        const int open = values_.day.open();
        if (open != 0 && open < kOpenTimeLimit) {
            fields_.projectNumber = StringList::KeyOf(*line);
            fields_.projectDescription = StringList::ValueOf(*line);
            OffeneZeitBtnClick();
            EinfgEintragBtnClick();
        } else {
            messenger_.show(u"Es liegt keine offene Zeit vor"_s);
        }
    }
    enterEnabled_ = !fields_.projectNumber.isEmpty();
}

void DaySheet::CopyTagBtnClick()
{
    MonthList& month = displayedMonth();
    const int day = dates_.displayedDay.day();
    const QString dayValue = month.dayValue(day);
    if (dayValue.isEmpty()) {
        const bool current = dates_.showsCurrentMonth();
        messenger_.show((current ? u"Am %1 sind keine Arbeitszeiten vorhanden"_s
                                 : u"Für den %1 sind keine Arbeitszeiten vorhanden"_s)
                            .arg(DateWithYear(dates_.displayedDay)));
        return;
    }
    clipboard_ = { dayValue };
    const QString activityValue = month.activityValue(day);
    if (!activityValue.isEmpty())
        clipboard_.append(activityValue);
    pasteHint_ = u"Inhalt Zwischenablage: %1 "_s.arg(DateWithYear(dates_.displayedDay));
}

void DaySheet::EinfgBtnClick()
{
    if (!DayMayBeChanged())
        return;
    MonthList& month = displayedMonth();
    const QDate shown = dates_.displayedDay;
    if (!month.dayValue(shown.day()).isEmpty()) {
        messenger_.show(u"Am %1.%2. sind bereits Arbeitszeiten eingetragen"_s.arg(
            FixedWidth::TwoDigits(shown.day()), FixedWidth::TwoDigits(shown.month())));
        return;
    }
    if (clipboard_.isEmpty())
        return;
    month.pasteDay(shown.day(), clipboard_.at(0), clipboard_.value(1));
    LoadDisplayedDay();
    state_.changes.dataChanged();
}

void DaySheet::ResetTagBtnClick()
{
    if (!DayMayBeChanged())
        return;
    MonthList& month = displayedMonth();
    const int day = dates_.displayedDay.day();
    // An entry taken out for changing still belongs to the day.
    if ((!entries_.isEmpty() || changed_)
        && AskDefaultNo(messenger_, u"Tag mit allen Tätigkeiten löschen?"_s) != kAnswerYes)
        return;
    if (month.dayValue(day).isEmpty())
        messenger_.show(u"Es sind keine Tagesdaten vorhanden"_s);
    month.deleteDay(day);
    clear();
    modified();
    ComputeDayValues();
}
