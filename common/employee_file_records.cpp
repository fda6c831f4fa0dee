#include "common/employee_file_records.h"

#include "common/number_parse.h"
#include "common/working_time.h"

using namespace Qt::StringLiterals;

namespace EmployeeFile {

namespace {

constexpr int kLoginValueWidth = 120;
constexpr int kNameWidth = 30;
constexpr int kDegreeWidth = 5;
constexpr int kTargetValueWidth = 180;
constexpr int kUnitWidth = 11;
constexpr int kLastUnitStart = 149;

bool IsSafeFileNamePart(QStringView text)
{
    if (text.contains(u"..") || text.contains(u'/') || text.contains(u'\\'))
        return false;
    return std::none_of(
        text.begin(), text.end(), [](QChar c) { return c.category() == QChar::Other_Control; });
}

} // namespace

QString LoginRecordLine(
    const QString& loginText, const QString& personnelNumber, const QString& name, const QString& degree)
{
    return loginText.left(12) % u'=' % personnelNumber.left(kMaxPersonnelNumber) % u'#'
        % name.left(kNameWidth) % u'#' % degree.left(kDegreeWidth) % u'#';
}

LoginRecord ParseLoginRecord(QStringView value)
{
    value = value.left(kLoginValueWidth);
    LoginRecord record;
    if (value.isEmpty())
        return record;
    const qsizetype numberEnd = value.indexOf(u'#');
    if (numberEnd > kMaxPersonnelNumber) {
        record.status = LoginRecord::Status::NumberTooLong;
        return record;
    }
    const QStringView number = value.left(qMax(numberEnd, qsizetype(0)));
    if (numberEnd <= 0 || !IsSafeFileNamePart(number)) {
        record.status = LoginRecord::Status::Malformed;
        return record;
    }
    const QStringView rest = value.sliced(numberEnd + 1);
    const qsizetype nameEnd = rest.indexOf(u'#');
    const QStringView name = nameEnd < 0 ? rest : rest.left(nameEnd);
    const QStringView afterName = nameEnd < 0 ? QStringView() : rest.sliced(nameEnd + 1);
    record.status = LoginRecord::Status::Ok;
    record.personnelNumber = number.toString();
    record.name = name.left(kNameWidth).toString();
    record.degree = afterName.left(afterName.indexOf(u'#')).left(kDegreeWidth).toString();
    return record;
}

qsizetype FindLoginLine(const StringList& list, QStringView loginText)
{
    const qsizetype index = list.indexOfKey(loginText);
    if (index < 0 || StringList::KeyOf(list.at(index)) != loginText)
        return -1;
    return index;
}

QString TargetRecordKey(const QString& personnelNumber)
{
    return u"msz"_s % personnelNumber.left(kMaxPersonnelNumber);
}

TargetTimes ParseTargetRecord(QStringView value, QDate previousMonth)
{
    value = value.left(kTargetValueWidth);
    TargetTimes times;
    if (value.isEmpty())
        return times;
    times.freeMinutes = value.front() != u'0';
    // HHMM reads like a duration without its hundreds of hours.
    times.dailyTarget = DurationTextMinutes(value.mid(1, 4));
    times.dailyTargetDefined = times.dailyTarget > 0;
    if (!times.dailyTargetDefined)
        times.dailyTarget = kDefaultDailyTarget;

    for (qsizetype start = 5; start < kLastUnitStart && start < value.size(); start += kUnitWidth) {
        const QStringView unit = value.mid(start, kUnitWidth);
        if (ParseDecimalInt(unit.mid(0, 2)) != previousMonth.month()
            || ParseDecimalInt(unit.mid(2, 4)) != previousMonth.year())
            continue;
        times.previousMonthFullTime = DurationTextMinutes(unit.mid(6, 5));
        times.currentMonthFullTime = DurationTextMinutes(value.mid(start + kUnitWidth, kUnitWidth).mid(6, 5));
        break;
    }
    return times;
}

} // namespace EmployeeFile
