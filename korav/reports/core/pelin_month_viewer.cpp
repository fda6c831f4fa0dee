#include "korav/reports/core/pelin_month_viewer.h"

#include "common/calendar_dates.h"
#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/file_store.h"
#include "common/fixed_width.h"
#include "common/messenger.h"
#include "common/month_list.h"
#include "common/working_day.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/core/month_target.h"
#include "korav/reports/core/report_names.h"
#include "korav/reports/core/year_target_files.h"

#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

const QString kMissing = u"Eine PELIN-Monatsdatei ist für diesen Mitarbeiter nicht vorhanden !\n\n"_s;

// The viewer reads no more of a record than these; entries beyond them are
// not shown.
constexpr int kDayRecordLimit = 200;
constexpr int kActivityRecordLimit = 960;

MonthList::Day ViewedDay(const MonthList& month, int day)
{
    MonthList::Day result;
    const QString value = month.dayValue(day).left(kDayRecordLimit);
    if (!value.isEmpty())
        result.record = MonthFile::ParseDayValue(value);
    result.entries = MonthFile::ParseActivityValue(month.activityValue(day).left(kActivityRecordLimit));
    return result;
}

QString Stamp(QDate date, QTime time)
{
    return FixedWidth::TwoDigits(date.day()) + u'.' + FixedWidth::TwoDigits(date.month()) + u'.'
        + FixedWidth::FourDigits(date.year()) + u' ' + FixedWidth::TwoDigits(time.hour()) + u':'
        + FixedWidth::TwoDigits(time.minute());
}

} // namespace

PelinMonthViewer::PelinMonthViewer(
    QString dataRoot, Messenger& messenger, DataFileCodec& codec, const Clock& clock, QDate startDate)
    : dataRoot_(std::move(dataRoot)),
      messenger_(messenger),
      codec_(codec),
      clock_(clock),
      startDate_(startDate)
{
}

QStringList PelinMonthViewer::EmptyHead()
{
    MonthOverviewInput in;
    in.year = 2000;
    in.month = 1;
    QStringList head = BuildMonthOverview(in).head;
    head[1].clear();
    return head;
}

void PelinMonthViewer::Open()
{
    directory_ = LoadEmployeeDirectory(dataRoot_);
    descriptions_ = KoravMonthFile::LoadLines(dataRoot_ + u"dprojekte.kvd"_s);
    Clear();
}

void PelinMonthViewer::Clear()
{
    head_ = EmptyHead();
    body_.clear();
}

QString PelinMonthViewer::monthFolder() const
{
    return KoravMonthFile::CollectionFolder(dataRoot_, year_, month_);
}

bool PelinMonthViewer::Show(const QString& name, int month, int year)
{
    if (name.isEmpty() || month < 1 || month > 12 || year < 1) {
        messenger_.show(u"Wählen Sie einen Mitarbeiter und einen Zeitraum aus !  "_s);
        return false;
    }
    const std::optional<QString> number = directory_.personnelNumber(name);
    if (!number)
        return false;
    name_ = name;
    month_ = month;
    year_ = year;
    switch (Build(*number)) {
    case Result::Missing:
        messenger_.show(kMissing
            + (FileStore::Exists(monthFolder() + KoravMonthFile::FileName(year, month, *number))
                    ? u"Monatswerte sind jedoch ersatzweise erfasst."_s
                    : u"Eine ersatzweise Erfassung von Monatswerten liegt auch nicht vor."_s));
        return false;
    case Result::Empty:
        messenger_.show(u"Eine PELIN-Monatsdatei für diesen Mitarbeiter ist vorhanden,\n\n"
                        u"jedoch wurden noch keine Zeiten erfasst !"_s);
        return false;
    case Result::Built:
        break;
    }
    return !body_.isEmpty();
}

PelinMonthViewer::Result PelinMonthViewer::Build(const QString& personnelNumber)
{
    Clear();
    MonthList month(year_, month_, personnelNumber);
    if (month.load(monthFolder()) != MonthList::LoadResult::Loaded)
        return Result::Missing;
    if (month.lines().isEmpty())
        return Result::Empty;
    StringList employeeFile;
    codec_.LoadDataFile(dataRoot_ + u"dama.kvd"_s, employeeFile);
    const MonthTarget target = MonthTargetOf(employeeFile, personnelNumber, month_, year_,
        directory_.degree(name_), YearFileFullTime(dataRoot_, directory_.shortName(name_), year_, month_));
    MonthOverviewInput in;
    in.layout = OverviewLayout::Viewer;
    in.year = year_;
    in.month = month_;
    in.employeeName = name_;
    in.standText = FileStandText(monthFolder() + month.fileName());
    in.activities = descriptions_;
    in.degree = QString::number(target.hasRecord ? target.percentage : 0.0, 'f', 2);
    in.fullTimeTarget = target.fullTime;
    in.personalTarget = target.target;
    for (int day = 1; day <= DaysInMonth(year_, month_); ++day) {
        const MonthList::Day stored = ViewedDay(month, day);
        in.days.append({ WorkingDayOf(stored), stored.record ? stored.record->remark : QString() });
    }
    const MonthOverview overview = BuildMonthOverview(in);
    head_ = overview.head;
    body_ = overview.body;
    return Result::Built;
}

bool PelinMonthViewer::SaveText(const FileChooser& choose)
{
    if (name_.isEmpty() || body_.isEmpty())
        return false;
    const QString path = choose(
        u"Speichern als"_s, PelinViewFileName(name_, month_, year_, startDate_, clock_.now().time()));
    if (path.isEmpty())
        return false;
    QString error;
    if (!FileStore::WriteText(path, StringList(head_ + body_).toText(), TextEncoding::Utf8WithBom, &error)) {
        messenger_.show(path + u"\n\n"_s + error);
        return false;
    }
    messenger_.show(u"Monatsübersicht ist in Datei  \n\n"_s + path + u"  \n\ngespeichert."_s);
    return true;
}

QString PelinViewFileName(const QString& name, int month, int year, QDate startDate, QTime now)
{
    QString fileName = u"Monatsübersicht_Ma_"_s + name + u'_' + FixedWidth::TwoDigits(month) + u'_'
        + FixedWidth::FourDigits(year) + u"__"_s + FixedWidth::TwoDigits(startDate.day())
        + FixedWidth::TwoDigits(startDate.month()) + FixedWidth::FourDigits(startDate.year()) + u'_'
        + FixedWidth::TwoDigits(now.hour()) + u'h' + FixedWidth::TwoDigits(now.minute()) + u".txt"_s;
    return fileName.replace(u' ', u'_');
}

QString FileStandText(const QString& path)
{
    const QDateTime written = QFileInfo(path).lastModified().toLocalTime();
    if (!written.isValid())
        return u"n.vorh."_s;
    return Stamp(written.date(), written.time());
}
