// Any bytes as a collected month: once as the employee's PELIN month file,
// once as the administration's own month file. The employee overview, the
// project overview, the month viewer, the working-time law report and the
// month completion read it.

#include "common/clock.h"
#include "common/data_file_codec.h"
#include "fuzz/fuzz_support.h"
#include "korav/reports/core/employee_month.h"
#include "korav/reports/core/employee_overview.h"
#include "korav/reports/core/korav_month_file.h"
#include "korav/reports/core/law_days.h"
#include "korav/reports/core/law_report.h"
#include "korav/reports/core/month_entries.h"
#include "korav/reports/core/month_sums.h"
#include "korav/reports/core/pelin_month_viewer.h"
#include "korav/reports/core/project_overview.h"

#include <QDir>
#include <algorithm>

using namespace Qt::StringLiterals;

namespace {

// The employee and the month the seed files were written for: the first
// employee of the demo firm and the last month of its data.
constexpr int kYear = 2023;
constexpr int kMonth = 3;
const QString kNumber = u"1001"_s;
const QString kName = u"Erika Muster"_s;
const QDate kStartDate(2023, 4, 3);

struct Firm {
    QString root; // with its trailing separator
    StringList projects;
};

// "msz" record of the employee file: 8:00 a day on the 5-minute raster, and
// 160 hours in each of the fourteen months around the start year.
QString TargetRecord()
{
    QString units;
    for (QDate month(kStartDate.year() - 1, 12, 1); units.size() < 14 * 11; month = month.addMonths(1))
        units += QString::asprintf("%2.2i%4.4i%3.3i%2.2i", month.month(), month.year(), 160, 0);
    return u"msz"_s + kNumber + u"=10800"_s + units;
}

// A data folder with one employee, her targets and a few activities; the
// reports only read it.
Firm MakeFirm(const QString& name, Fuzz::SilentMessenger& messenger)
{
    const QString root = QDir(Fuzz::ScratchFolder()).filePath(name) + u'/';
    const StringList projects({ u"P100=Messebau"_s, u"P200=Katalog"_s, u"S1=Pause"_s, u"V2=Verwaltung"_s });
    Fuzz::WriteFile(
        root, u"zamasta.kvd"_s, (u"Muster=Erika Muster#"_s + kNumber + u"#geheim#80#\r\n"_s).toUtf8());
    Fuzz::WriteFile(root, u"dprojekte.kvd"_s, projects.toText().toUtf8());
    Fuzz::WriteFile(root, u"zprojekte.kvd"_s, "P100=Messebau\r\nP200=Katalog\r\n");
    Fuzz::WriteFile(root, u"zsonstige.kvd"_s, "S1=Pause\r\nV2=Verwaltung\r\n");
    StringList employeeFile({ u"geheim="_s + kNumber + u"#Erika Muster#80#"_s, TargetRecord() });
    DataFileCodec codec(CodecProgram::Korav, messenger, Fuzz::NoWait());
    Fuzz::Require(codec.SaveDataFile(root + u"dama.kvd"_s, employeeFile), "the employee file is written");
    return { root, projects };
}

void RunOverviews(const Firm& firm, Fuzz::SilentMessenger& messenger)
{
    const FixedClock clock(QDateTime(kStartDate, QTime(10, 0)));
    DataFileCodec codec(CodecProgram::Korav, messenger, Fuzz::NoWait());
    const EmployeeDirectory directory = LoadEmployeeDirectory(firm.root);

    EmployeeMonthReader reader(firm.root, firm.projects);
    const EmployeeMonth month = reader.read(kNumber, kYear, kMonth, 160 * 60);
    month.activities.sorted();

    const EmployeeOverviewContext context { firm.root, directory, clock, kStartDate, codec, messenger, {} };
    RunEmployeeOverview(context,
        { PeriodMode::Month, EmployeeOverviewEntries(directory), kName, QString::number(kMonth),
            QString::number(kYear) });

    const ProjectOverviewData data = ProjectOverviewData::Load(firm.root, StringList());
    ProjectOverviewInput input;
    input.periodText = QString::number(kMonth);
    input.year = kYear;
    input.activityKey = kAllActivitiesKey.toString();
    input.activityLabel = u"Alle Tätigkeiten"_s;
    input.bookings = [&firm](const QString& number, int year, int month) {
        return CollectedBookings(firm.root, number, year, month);
    };
    BuildProjectOverview(data, input);

    const std::optional<QList<LawDay>> days = CollectedLawDays(firm.root, kNumber, kYear, kMonth);
    Fuzz::Require(!days || days->size() == QDate(kYear, kMonth, 1).daysInMonth(),
        "the working-time law checks see every day of the month");
    RunLawReport({ firm.root, directory, firm.projects, HolidaySettings {}, messenger },
        { PeriodMode::Month, EmployeeOverviewEntries(directory), kName, QString::number(kMonth),
            QString::number(kYear) });

    PelinMonthViewer viewer(firm.root, messenger, codec, clock, kStartDate);
    viewer.Open();
    viewer.Show(kName, kMonth, kYear);
}

// The month completion opens the file, shows its sums and entries, and
// stores the month back.
void CompleteMonth(const QString& path)
{
    StringList lines = KoravMonthFile::LoadLines(path);
    const KoravMonthTotals totals = KoravMonthSums(lines, kNumber, kYear, kMonth, 160 * 60);
    for (const QString& entry : totals.entries()) {
        const EntryFields fields = FieldsOfEntry(entry);
        EntryDurationText(entry.mid(fields.key.size() + 9, 5));
    }
    KoravMonthFile::StoreMonth(lines, kYear, kMonth, kNumber, kStartDate, totals.record);
    const KoravMonthFile::MonthRecord again = KoravMonthFile::ReadMonth(lines, kYear, kMonth, kNumber);
    // An entry whose activity key holds "=" is stored under the part behind
    // it, and a key holding "#" runs into the entry's end mark; only a
    // damaged file holds such a key.
    const auto damagedKey = [](const QString& entry) {
        return entry.count(u'=') > 1 || StringList::KeyOf(entry).contains(u'#');
    };
    const QStringList& entries = totals.entries();
    if (std::any_of(entries.begin(), entries.end(), damagedKey))
        return;
    const qsizetype stored = qMin(totals.record.entries.size(), qsizetype(KoravMonthFile::kMaxStoredEntries));
    Fuzz::Require(
        again.entries == totals.record.entries.first(stored), "a stored month reads back with its entries");
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Fuzz::SilentMessenger messenger;
    const QByteArray bytes = Fuzz::Bytes(data, size);

    static const Firm pelinFirm = MakeFirm(u"pelin"_s, messenger);
    static const Firm koravFirm = MakeFirm(u"korav"_s, messenger);
    Fuzz::WriteFile(KoravMonthFile::CollectionFolder(pelinFirm.root, kYear, kMonth),
        KoravMonthFile::PelinFileName(kYear, kMonth, kNumber), bytes);
    RunOverviews(pelinFirm, messenger);

    const QString folder = KoravMonthFile::CollectionFolder(koravFirm.root, kYear, kMonth);
    Fuzz::WriteFile(folder, KoravMonthFile::FileName(kYear, kMonth, kNumber), bytes);
    RunOverviews(koravFirm, messenger);
    CompleteMonth(QDir(folder).filePath(KoravMonthFile::FileName(kYear, kMonth, kNumber)));
    return 0;
}
