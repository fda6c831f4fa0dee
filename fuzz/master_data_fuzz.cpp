// Any bytes as the master data "zamasta.kvd": the administration's dialog
// reads every record and writes it back unchanged, and the reports build
// their employee directory and the targets' degrees from the same lines.

#include "common/file_store.h"
#include "fuzz/fuzz_support.h"
#include "korav/core/master_data_record.h"
#include "korav/reports/core/employee_directory.h"
#include "korav/reports/core/employee_overview.h"
#include "korav/reports/core/month_target.h"

namespace {

void CheckRecord(const QString& line)
{
    const MasterDataRecord record = MasterDataRecord::FromValue(StringList::ValueOf(line));
    Fuzz::Require(record.longName.size() <= MasterDataRecord::kMaxLongName
            && record.personnelNumber.size() <= MasterDataRecord::kMaxPersonnelNumber
            && record.password.size() <= MasterDataRecord::kMaxPassword
            && record.degree.size() <= MasterDataRecord::kMaxDegree,
        "every field is cut to its width");
    Fuzz::Require(
        MasterDataRecord::FromValue(record.toValue()) == record, "a written record reads back unchanged");
    const QString written = MasterDataLine(StringList::KeyOf(line), record.toValue());
    Fuzz::Require(MasterDataRecord::FromValue(StringList::ValueOf(written)) == record,
        "a written line reads back unchanged");
}

void CheckDirectory(const StringList& lines)
{
    const EmployeeDirectory directory = ReadEmployeeDirectory(lines);
    EmployeeOverviewEntries(directory);
    for (const QString& name : directory.names) {
        const std::optional<QString> number = directory.personnelNumber(name);
        const std::optional<QString> degree = directory.degree(name);
        if (degree)
            LeadingDecimal(*degree);
        if (number)
            MonthTargetOf(lines, *number, 3, 2023, degree);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const StringList lines = StringList::FromText(FileStore::DecodeText(Fuzz::Bytes(data, size)).text);
    for (const QString& line : lines.lines())
        CheckRecord(line);
    CheckDirectory(lines);
    return 0;
}
