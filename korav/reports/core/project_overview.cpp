#include "korav/reports/core/project_overview.h"

#include "common/calendar_dates.h"
#include "common/fixed_width.h"
#include "common/key_index.h"
#include "common/month_list.h"
#include "common/working_time.h"
#include "korav/reports/core/export_lines.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/core/month_sums.h"
#include "korav/reports/core/month_target.h"

#include <QLocale>
#include <QMap>
#include <QSet>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

const QString kSeparator = u" "_s + QString(119, u'-');

QString HoursMinutes(int minutes, int hourWidth = 7)
{
    return u"%1:%2"_s.arg(minutes / 60, hourWidth).arg(minutes % 60, 2, 10, QChar(u'0'));
}
// Printed with two decimals and read back, as the amounts are kept.
double TwoDecimals(double value)
{
    return QString::number(value, 'f', 2).toDouble();
}

struct MonthRange {
    int first = 1;
    int last = 12;
};

MonthRange RangeOf(PeriodMode mode, const QString& periodText)
{
    if (mode == PeriodMode::Month)
        return { periodText.toInt(), periodText.toInt() };
    if (mode == PeriodMode::Year)
        return {};
    static const QMap<QString, MonthRange> quarters { { u"1"_s, { 1, 3 } }, { u"2"_s, { 4, 6 } },
        { u"3"_s, { 7, 9 } }, { u"4"_s, { 10, 12 } }, { u"1-2"_s, { 1, 6 } }, { u"1-3"_s, { 1, 9 } },
        { u"1-4"_s, { 1, 12 } } };
    return quarters.value(periodText, MonthRange {});
}

// Activity key, personnel number and the key's length in two digits, so
// that sorting orders by activity first.
QString EmployeeActivityKey(const QString& activity, const QString& number)
{
    return activity + number + u"%1"_s.arg(activity.size(), 2, 10, QChar(u'0'));
}
std::pair<QString, QString> SplitKey(const QString& key)
{
    const int length = key.right(2).toInt();
    return { key.left(length), key.mid(length, key.size() - length - 2) };
}

QString RateKey(int year, const QString& personnelNumber, bool forecast)
{
    return u"%1"_s.arg(year, 4, 10, QChar(u'0')) + (forecast ? u"PrognoseNr"_s : personnelNumber);
}

double RateOfValue(const QString& value)
{
    const QStringList words = value.split(u' ', Qt::SkipEmptyParts);
    if (words.isEmpty())
        return 0;
    QString word = words.first();
    return LeadingDecimal(word.replace(u',', u'.'));
}

class Builder {
public:
    Builder(const ProjectOverviewData& data, const ProjectOverviewInput& in)
        : data_(data), in_(in), projects_(data.projects), rates_(data.rates)
    {
        for (const QString& line : data.numbers.lines())
            names_.insert(StringList::ValueOf(line), StringList::KeyOf(line));
    }

    ProjectOverview run();

private:
    bool allActivities() const { return in_.activityKey == kAllActivitiesKey; }
    void collect(const QString& number, int month);
    void writeBlock(const QMap<QString, int>& employeeActivities, bool period);
    void closeActivity(const QString& key, int minutes, bool found, bool last, bool period);
    QString description(const QString& key) const;
    void writeUnbooked();
    void advance(int steps);
    double rate(const QString& number) const;
    QList<std::optional<QString>> employeeNumbers() const;

    const ProjectOverviewData& data_;
    const ProjectOverviewInput& in_;
    const KeyIndex projects_;
    const KeyIndex rates_;
    QMap<QString, QString> names_; // personnel number → name
    ProjectOverview out_;
    QMap<QString, int> monthEmployees_;
    QMap<QString, int> periodEmployees_;
    QSet<QString> listed_;
    int totalMinutes_ = 0;
    double totalMoney_ = 0;
    double activityMoney_ = 0;
    double activityHours_ = 0;
    int done_ = 0;
    int steps_ = 0;
};

void Builder::advance(int steps)
{
    done_ += steps;
    if (in_.progress)
        in_.progress(done_, steps_);
}

void Builder::collect(const QString& number, int month)
{
    if (!in_.bookings)
        return;
    for (const ActivityBooking& booking : in_.bookings(number, in_.year, month)) {
        if (booking.key == data_.pauseKey || (!allActivities() && booking.key != in_.activityKey))
            continue;
        const QString key = EmployeeActivityKey(booking.key, number);
        monthEmployees_[key] += booking.minutes;
        periodEmployees_[key] += booking.minutes;
    }
}

QString Builder::description(const QString& key) const
{
    return projects_.value(key).value_or(u"???"_s);
}

double Builder::rate(const QString& number) const
{
    return RateOfValue(rates_.value(RateKey(in_.year, number, in_.forecastRate)).value_or(u"0.00"_s));
}

// The personnel number of each name of the list, looked up once for all
// months of the range.
QList<std::optional<QString>> Builder::employeeNumbers() const
{
    const KeyIndex numbers(data_.numbers);
    QList<std::optional<QString>> found;
    found.reserve(data_.names.size());
    for (const QString& name : data_.names)
        found.append(numbers.value(name));
    return found;
}

QString PeriodLabel(const ProjectOverviewInput& in)
{
    return in.mode == PeriodMode::Year ? u"Jahr %1 gesamt"_s.arg(in.year)
                                       : u"%1.Quartal %2"_s.arg(in.periodText).arg(in.year);
}

// The amount's decimal mark five places before the end becomes a comma.
QString CommaMark(QString row)
{
    if (row.size() >= 5 && row.at(row.size() - 5) == u'.')
        row[row.size() - 5] = u',';
    return row;
}

void Builder::closeActivity(const QString& key, int minutes, bool found, bool last, bool period)
{
    const QString time = found ? HoursMinutes(minutes) : (period ? u"      ---"_s : u"---"_s);
    totalMinutes_ += found ? minutes : 0;
    totalMoney_ += activityMoney_;
    QString line = FixedWidth::Left(QString(), 6) + u' ' + FixedWidth::Left(QString(), 14) + u' '
        + FixedWidth::Left(period ? PeriodLabel(in_) : u"Summe"_s, 30) + u' ' + FixedWidth::Right(time, 10)
        + u' ' + FixedWidth::Right(EuroAmount(activityMoney_), 16) + u" €"_s;
    out_.lines << QString() << (period ? CommaMark(line) : line);
    if (period && !key.isEmpty())
        out_.exportLines << ProjectTotalLine(key, in_.year, PeriodLabel(in_), activityHours_, activityMoney_);
    if (!last)
        out_.lines << FixedWidth::Left(QString(), 6) + u' ' + QString(75, u'-');
}

// A run of equal activity keys forms a group; its summary counts the run's
// own minutes, so that an activity whose rows are split by another key
// ("P1", "P10", "P1") is not counted twice in the grand total.
void Builder::writeBlock(const QMap<QString, int>& employeeActivities, bool period)
{
    QString current;
    int groupMinutes = 0;
    bool first = true;
    activityMoney_ = 0;
    activityHours_ = 0;
    for (auto it = employeeActivities.cbegin(); it != employeeActivities.cend(); ++it) {
        const auto [key, number] = SplitKey(it.key());
        if (first || key != current) {
            if (!first)
                closeActivity(current, groupMinutes, true, false, period);
            out_.lines << QString()
                       << FixedWidth::Left(QString(), 6) + u' ' + FixedWidth::Left(key, 14) + u' '
                    + description(key)
                       << QString();
            listed_.insert(key);
            current = key;
            groupMinutes = 0;
            activityMoney_ = 0;
            activityHours_ = 0;
            first = false;
        }
        const int minutes = it.value();
        const QString name = names_.value(number).left(30);
        const double rate = this->rate(number);
        const double hours = TwoDecimals(minutes / 60 + (minutes % 60) / 60.0);
        const double cost = TwoDecimals(hours * rate);
        groupMinutes += minutes;
        activityMoney_ += cost;
        activityHours_ += hours;
        const QString row = FixedWidth::Left(QString(), 6) + u' ' + FixedWidth::Left(QString(), 14) + u' '
            + FixedWidth::Left(name, 30) + u' ' + HoursMinutes(minutes) + u' '
            + FixedWidth::Right(EuroAmount(cost), 16) + u" €"_s;
        out_.lines << (period ? CommaMark(row) : row);
        if (period)
            out_.exportLines << ProjectEmployeeLine(key, in_.year, name, hours, cost, rate);
    }
    closeActivity(current, groupMinutes, !first, true, period);
}

void Builder::writeUnbooked()
{
    if (!allActivities() || listed_.isEmpty())
        return;
    out_.lines << QString() << FixedWidth::Left(QString(), 6) + u" Projekte/Tätigkeiten ohne Stunden :"_s;
    for (qsizetype i = 1; i < data_.projects.size(); ++i) {
        const QString key = StringList::KeyOf(data_.projects.at(i));
        if (key == data_.pauseKey || listed_.contains(key))
            continue;
        QString text = StringList::ValueOf(data_.projects.at(i));
        if (text.size() > 30)
            text = text.left(27) + u"..."_s;
        out_.lines << QString()
                   << FixedWidth::Left(QString(), 6) + u' ' + FixedWidth::Left(key, 14) + u' '
                + FixedWidth::Left(text, 30) + u' ' + FixedWidth::Right(u"---"_s, 10);
    }
    out_.lines << kSeparator << QString();
}

ProjectOverview Builder::run()
{
    const MonthRange range = RangeOf(in_.mode, in_.periodText);
    steps_ = std::max(0, range.last - range.first + 1) * int(data_.names.size());
    advance(0);
    out_.lines << kSeparator << QString();
    const QString all = allActivities() ? u"alle"_s : u"einzelne"_s;
    const QList<std::optional<QString>> numbers = employeeNumbers();
    for (int month = range.first; month <= range.last; ++month) {
        monthEmployees_.clear();
        for (qsizetype e = 0; e < data_.names.size(); ++e) {
            if (!numbers.at(e))
                out_.lines << u"Mitarbeiter "_s + FixedWidth::Left(data_.names.at(e), 30)
                        + u" : Es sind keine Stammdaten vorhanden"_s;
            else
                collect(*numbers.at(e), month);
            advance(1);
        }
        if (in_.mode != PeriodMode::Month)
            continue;
        out_.lines << u" Monatswerte %1/%2 für %3 Projekte (alle Mitarbeiter)"_s
                          .arg(month, 2, 10, QChar(u'0'))
                          .arg(in_.year, 4, 10, QChar(u'0'))
                          .arg(all)
                   << u" "_s + QString(19, u' ')
                + (in_.forecastRate ? u" mit Prognose-Stundensatz"_s : u" mit Mitarbeiter-Stundensätzen"_s);
        writeBlock(monthEmployees_, false);
        out_.lines << QString() << kSeparator;
    }
    if (in_.mode != PeriodMode::Month) {
        const QString rate = in_.forecastRate ? u"Prognose-StdSatz"_s : u"Mitarbeiter-StdSatz"_s;
        out_.lines << (in_.mode == PeriodMode::Year
                ? u" Jahreswerte %1 für %2 Projekte (alle Mitarbeiter, %3)"_s
                      .arg(in_.year, 4, 10, QChar(u'0'))
                      .arg(all, rate)
                : u" Quartalswerte %1/%2 für %3 Projekte (alle Mitarbeiter, %4)"_s.arg(in_.periodText)
                      .arg(in_.year, 4, 10, QChar(u'0'))
                      .arg(all, rate));
        if (periodEmployees_.isEmpty() && !allActivities())
            out_.lines << QString()
                       << FixedWidth::Left(QString(), 6) + u' ' + FixedWidth::Left(in_.activityKey, 14) + u' '
                    + in_.activityLabel
                       << QString();
        writeBlock(periodEmployees_, true);
        out_.lines << kSeparator << QString();
    }
    out_.lines << FixedWidth::Left(QString(), 6) + u' ' + FixedWidth::Left(QString(), 14) + u" Gesamtsumme"_s
               << FixedWidth::Left(QString(), 6) + u' ' + FixedWidth::Left(QString(), 14) + u' '
            + FixedWidth::Left(u"Gelistete Projekte"_s, 30) + u' '
            + FixedWidth::Right(HoursMinutes(totalMinutes_), 10) + u' '
            + FixedWidth::Right(EuroAmount(totalMoney_), 16) + u" €"_s
               << kSeparator << QString();
    writeUnbooked();
    return out_;
}

} // namespace

ProjectOverview BuildProjectOverview(const ProjectOverviewData& data, const ProjectOverviewInput& input)
{
    return Builder(data, input).run();
}

ProjectOverviewData ProjectOverviewData::Load(const QString& dataRoot, const StringList& rateFile)
{
    ProjectOverviewData data;
    data.projects = KoravMonthFile::LoadLines(dataRoot + u"dprojekte.kvd"_s);
    for (const QString& line : data.projects.lines()) {
        if (StringList::ValueOf(line) == u"Pause"_s) {
            data.pauseKey = StringList::KeyOf(line).left(14);
            break;
        }
    }
    if (!data.projects.isEmpty())
        data.projects.insert(0, u"00-Alle=Alle Tätigkeiten"_s);
    const StringList master = KoravMonthFile::LoadLines(dataRoot + u"zamasta.kvd"_s);
    QSet<QString> listed;
    for (const QString& line : master.lines()) {
        const QStringList fields = StringList::ValueOf(line).split(u'#');
        if (fields.size() < 3 || listed.contains(FoldedKey(fields.at(0).left(30))))
            continue;
        listed.insert(FoldedKey(fields.at(0).left(30)));
        data.names << fields.at(0).left(30);
        data.numbers.append(fields.at(0).left(30) + u'=' + fields.at(1).left(12));
    }
    std::sort(data.names.begin(), data.names.end(),
        [](const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    data.rates = rateFile;
    return data;
}

QList<ActivityBooking> CollectedBookings(
    const QString& dataRoot, const QString& personnelNumber, int year, int month)
{
    const QString folder = KoravMonthFile::CollectionFolder(dataRoot, year, month);
    QList<ActivityBooking> bookings;
    MonthList pelin(year, month, personnelNumber);
    if (pelin.load(folder) == MonthList::LoadResult::Loaded) {
        for (int day = 1; day <= DaysInMonth(year, month); ++day) {
            for (const MonthFile::ActivityEntryText& entry : pelin.readDay(day).entries)
                bookings.append({ entry.activity, entry.minutes() });
        }
        return bookings;
    }
    const QString koravPath = folder + KoravMonthFile::FileName(year, month, personnelNumber);
    const StringList lines = KoravMonthFile::LoadLines(koravPath);
    const KoravMonthTotals sums = KoravMonthSums(lines, personnelNumber, year, month, 0);
    for (const QString& entry : sums.entries())
        bookings.append(
            { StringList::KeyOf(entry).left(14), DurationTextMinutes(KoravMonthFile::EntryDuration(entry)) });
    return bookings;
}

double HourlyRate(const StringList& rates, int year, const QString& personnelNumber, bool forecast)
{
    return RateOfValue(rates.value(RateKey(year, personnelNumber, forecast), u"0.00"_s));
}

QString EuroAmount(double amount)
{
    return QLocale(QLocale::German, QLocale::Germany).toString(amount, 'f', 2);
}
