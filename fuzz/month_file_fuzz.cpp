// Any bytes as an employee's month file: PELIN's month list and the reports'
// one-pass reader must find the same records, every record must parse, the
// monthly overview must build, and a save must give back the same lines.

#include "common/calendar_dates.h"
#include "common/file_store.h"
#include "common/month_file.h"
#include "common/month_list.h"
#include "common/month_overview.h"
#include "fuzz/fuzz_support.h"
#include "pelin/core/login_state.h"
#include "pelin/core/month_overview_input.h"
#include "pelin/core/pelin_dates.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

struct FileMonth {
    int year = 2023;
    int month = 3;
    QString personnelNumber = u"4711"_s;
};

// The month and personnel number of the file's first day key, so that a
// real month file is read as the month it is.
FileMonth MonthOf(const StringList& lines)
{
    for (const QString& line : lines.lines()) {
        const QString key = StringList::KeyOf(line);
        if (!key.startsWith(u"az") || key.size() <= 10)
            continue;
        bool yearOk = false;
        bool monthOk = false;
        const int year = key.mid(2, 4).toInt(&yearOk);
        const int month = key.mid(6, 2).toInt(&monthOk);
        if (!yearOk || !monthOk || year < 1900 || year > 2100 || month < 1 || month > 12)
            continue;
        return { year, month, key.mid(10, 12) };
    }
    return {};
}

void CheckDay(const MonthList& list, const MonthFile::MonthRecords& records, int day)
{
    const QString dayValue = list.dayValue(day);
    const QString activityValue = list.activityValue(day);
    Fuzz::Require(records.dayValue(day) == dayValue, "both readers find the same day record");
    Fuzz::Require(records.activityValue(day) == activityValue, "both readers find the same activity record");

    const MonthFile::DayRecordText record = MonthFile::ParseDayValue(dayValue);
    const MonthFile::DayClockViews clock = MonthFile::DayClockFields(dayValue);
    Fuzz::Require(clock.comeHour == record.comeHour && clock.goMinute == record.goMinute,
        "the clock fields are those of the parsed record");
    Fuzz::Require(record.remark.size() <= MonthFile::kRemarkWidth, "a remark has at most 60 characters");

    const QList<MonthFile::ActivityEntryText> entries = MonthFile::ParseActivityValue(activityValue);
    const auto views = MonthFile::ActivityEntryViews(activityValue);
    Fuzz::Require(entries.size() == views.size(), "both entry readers find the same entries");
    for (qsizetype i = 0; i < entries.size(); ++i) {
        Fuzz::Require(
            views[i].activity == entries.at(i).activity, "both entry readers find the same activity");
        Fuzz::Require(entries.at(i).activity.size() <= 14, "an activity number has at most 14 characters");
        entries.at(i).minutes();
    }
}

void CheckOverview(const MonthList& list, const FileMonth& month)
{
    LoginState state;
    state.loggedIn = true;
    state.personnelNumber = month.personnelNumber;
    state.name = u"Erika Muster"_s;
    state.degree = u"100"_s;
    state.activityList = StringList({ u"P100=Projekt"_s, u"S1=Pause"_s });
    state.fullTimeCurrentMonth = 160 * 60;
    state.personalTargetCurrentMonth = 160 * 60;
    state.currentMonth = list;
    const PelinDates dates = PelinDates::FromToday(QDate(month.year, month.month, 1));
    const MonthOverview overview = BuildMonthOverview(OverviewInputFor(state, dates, QTime(12, 0)));
    Fuzz::Require(!overview.head.isEmpty() && !overview.body.isEmpty(), "the overview has a head and a body");
    OverviewFileText(overview);
}

// A save writes the lines in the encoding they came in, or in UTF-8 when
// Windows-1252 cannot carry them; either way they read back the same.
void CheckSaveAndLoad(MonthList& list, const FileMonth& month)
{
    const QString folder = QDir(Fuzz::ScratchFolder()).filePath(u"gespeichert"_s);
    QDir().mkpath(folder);
    Fuzz::Require(list.save(folder), "a loaded month can be saved");
    MonthList again(month.year, month.month, month.personnelNumber);
    Fuzz::Require(again.load(folder) == MonthList::LoadResult::Loaded, "a saved month loads");
    Fuzz::Require(again.lines() == list.lines(), "a saved month loads back unchanged");
}

// Storing a day changes that day only.
void CheckStoreDay(MonthList& list, int days)
{
    const int day = 1 + int(list.lines().size() % days);
    const MonthList::Day other = list.readDay(day == 1 ? 2 : 1);
    const MonthFile::DayRecordText fields { {}, u"07"_s, u"30"_s, u"16"_s, u"15"_s, u"Messe"_s };
    const QList<MonthFile::ActivityEntryText> entries { { u"20230307"_s, u"00400"_s, u"P100"_s } };
    Fuzz::Require(list.storeDay(day, fields, entries, QDate(2023, 3, 7)), "a day with a come hour is stored");
    const MonthList::Day stored = list.readDay(day);
    Fuzz::Require(stored.record && stored.record->remark == fields.remark && stored.entries == entries,
        "a stored day reads back");
    const MonthList::Day otherAfter = list.readDay(day == 1 ? 2 : 1);
    Fuzz::Require(otherAfter.record == other.record && otherAfter.entries == other.entries,
        "storing a day leaves the other days alone");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QByteArray bytes = Fuzz::Bytes(data, size);
    const TextFile decoded = FileStore::DecodeText(bytes);
    const FileMonth month = MonthOf(StringList::FromText(decoded.text));
    MonthList list(month.year, month.month, month.personnelNumber);
    Fuzz::WriteFile(Fuzz::ScratchFolder(), list.fileName(), bytes);
    if (list.load(Fuzz::ScratchFolder()) != MonthList::LoadResult::Loaded)
        return 0; // a personnel number that names no file here

    const MonthFile::MonthRecords records(decoded.text, month.year, month.month, month.personnelNumber);
    const int days = DaysInMonth(month.year, month.month);
    for (int day = 1; day <= days; ++day)
        CheckDay(list, records, day);
    CheckOverview(list, month);
    CheckSaveAndLoad(list, month);
    CheckStoreDay(list, days);
    return 0;
}
