#include "korav/reports/core/annual_check.h"

#include "common/fixed_width.h"
#include "common/key_index.h"
#include "common/messenger.h"
#include "korav/reports/core/employee_overview.h"
#include "korav/reports/core/korav_month_file.h"

#include <QDir>
#include <QSet>

using namespace Qt::StringLiterals;
using namespace FixedWidth;

namespace {

const QString kSeparator = u' ' + QString(119, u'-');

struct MonthMarkers {
    QChar pelin = u'-';
    QChar korav = u'-';
    bool missing() const { return pelin == u'-' && korav == u'-'; }
};

// The names in each collection folder of the year, listed once for all
// employees instead of asking for two files per employee and month.
QList<QSet<QString>> CollectedNames(const QString& dataRoot, int year)
{
    QList<QSet<QString>> months;
    for (int m = 1; m <= 12; ++m) {
        const QStringList names = QDir(KoravMonthFile::CollectionFolder(dataRoot, year, m))
                                      .entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        months.append(QSet<QString>(names.begin(), names.end()));
    }
    return months;
}

MonthMarkers MarkersOf(const QSet<QString>& names, int year, int month, const QString& number)
{
    MonthMarkers markers;
    if (names.contains(KoravMonthFile::PelinFileName(year, month, number)))
        markers.pelin = u'D';
    if (names.contains(KoravMonthFile::FileName(year, month, number)))
        markers.korav = u'Z';
    return markers;
}

// Months examined for missing files: none in a year not yet begun, up to
// the start month in the start year, all twelve before.
int ExaminedMonths(int year, QDate startDate)
{
    if (year > startDate.year())
        return 0;
    return year == startDate.year() ? startDate.month() : 12;
}

QString MarkerLine(const QString& name, const QList<MonthMarkers>& months)
{
    QString line = u' ' + Left(name, 30);
    for (const MonthMarkers& m : months)
        line += u"   "_s + m.pelin + m.korav;
    return line;
}

QString MissingLine(const QString& name, const QList<MonthMarkers>& months, int examined)
{
    QString missing;
    for (int m = 1; m <= examined; ++m) {
        if (months.at(m - 1).missing())
            missing += m == 12 ? u"12"_s : QString::number(m) + u", "_s;
    }
    if (missing.isEmpty())
        return u' ' + Left(name, 30) + u"  Es fehlen keine Monate im untersuchten Zeitraum"_s;
    return u' ' + Left(name, 30) + u"  Es fehlen die Monate "_s + missing;
}

void AddHeading(QStringList& lines, const AnnualCheckRequest& request, int examined)
{
    if (!request.onlyMissing) {
        lines << u' ' + Left(request.year + u" / Monat"_s, 30)
                + u"   1    2    3    4    5    6    7    8    9    10   11   12"_s
              << kSeparator << QString();
    } else if (examined == 0) {
        lines << u' ' + Left(QString(), 30)
                + u"  Für nicht begonnene Jahre werden keine fehlenden Daten ermittelt"_s;
    } else {
        lines << u' ' + Left(QString(), 30) + u"  Gesucht wird nach Daten von Monat 01 - "_s
                + Int(examined, 2, 2) + u" / "_s + request.year.left(4).rightJustified(4, u' ')
              << QString();
    }
}

} // namespace

QStringList AnnualCheckYears(QDate startDate)
{
    return { QString::number(startDate.year() - 2), QString::number(startDate.year() - 1),
        QString::number(startDate.year()) };
}

std::optional<QStringList> RunAnnualCheck(const QString& dataRoot, const EmployeeDirectory& directory,
    QDate startDate, const AnnualCheckRequest& request, Messenger& messenger)
{
    if (request.employee.isEmpty() || request.year.isEmpty()) {
        messenger.show(u"Wählen Sie einen Mitarbeiter und einen Zeitraum !  "_s);
        return std::nullopt;
    }
    const int year = request.year.toInt();
    const int examined = ExaminedMonths(year, startDate);
    const QStringList range
        = request.employee == kAllEmployees ? request.employees.mid(1) : QStringList { request.employee };
    QStringList lines { kSeparator, QString() };
    AddHeading(lines, request, examined);
    const KeyIndex numbers(directory.numbers);
    const QList<QSet<QString>> collected = CollectedNames(dataRoot, year);
    for (const QString& name : range) {
        const std::optional<QString> number = numbers.value(name);
        if (!number)
            continue;
        QList<MonthMarkers> months;
        for (int m = 1; m <= 12; ++m)
            months.append(MarkersOf(collected.at(m - 1), year, m, *number));
        lines << (request.onlyMissing ? MissingLine(name, months, examined) : MarkerLine(name, months));
    }
    lines << QString() << kSeparator << QString();
    return lines;
}
