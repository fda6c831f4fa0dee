// The year overview of "00-Alle" over a demo firm, as the report runs it.
#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/file_store.h"
#include "common/stream_messenger.h"
#include "korav/core/data_folder.h"
#include "korav/reports/core/employee_overview.h"

#include <QCoreApplication>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 3)
        return 2;
    const DataFolder folder(QString::fromLocal8Bit(argv[1]));
    StreamMessenger messenger(stderr);
    DataFileCodec codec(CodecProgram::Korav, messenger);
    const SystemClock clock;
    const std::optional<TextFile> master = FileStore::ReadText(folder.path(KoravFile::kMasterData));
    const EmployeeDirectory directory
        = ReadEmployeeDirectory(StringList::FromText(master ? master->text : QString()));
    const EmployeeOverviewContext context { folder.root(), directory, clock, clock.today(), codec, messenger,
        {} };
    const EmployeeOverviewRequest request { PeriodMode::Year, EmployeeOverviewEntries(directory),
        kAllEmployees.toString(), QString(), QString::fromLocal8Bit(argv[2]) };
    const EmployeeOverviewReport report = RunEmployeeOverview(context, request);
    return report.outcome == EmployeeOverviewReport::Outcome::Built && !report.lines.isEmpty() ? 0 : 1;
}
