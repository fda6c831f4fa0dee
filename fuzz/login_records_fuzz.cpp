// Any bytes as the employee file "dama.kvd" in the time folder: PELIN logs
// in with the file's first log-in text and reads the employee, the targets
// and the configuration lines from it.

#include "common/data_file_codec.h"
#include "common/employee_file_records.h"
#include "fuzz/fuzz_support.h"
#include "pelin/core/login_session.h"
#include "pelin/core/month_overview_input.h"
#include "pelin/core/pelin_dates.h"
#include "pelin/core/update_number.h"

#include <QDir>

using namespace Qt::StringLiterals;

namespace {

const QDate kStartDate(2023, 3, 15);

void CheckRecords(const StringList& lines)
{
    for (const QString& line : lines.lines()) {
        const QString value = StringList::ValueOf(line);
        const EmployeeFile::LoginRecord record = EmployeeFile::ParseLoginRecord(value);
        if (record.status == EmployeeFile::LoginRecord::Status::Ok) {
            Fuzz::Require(!record.personnelNumber.isEmpty()
                    && record.personnelNumber.size() <= EmployeeFile::kMaxPersonnelNumber,
                "an accepted personnel number has 1 to 12 characters");
            Fuzz::Require(!record.personnelNumber.contains(u'/') && !record.personnelNumber.contains(u".."),
                "an accepted personnel number stays inside its folder");
        }
        const EmployeeFile::TargetTimes times
            = EmployeeFile::ParseTargetRecord(value, kStartDate.addMonths(-1));
        Fuzz::Require(times.dailyTarget > 0, "a daily target is always there");
    }
    UpdateNumber::IsNewer(lines, lines);
}

void LogIn(const QByteArray& bytes, const QString& loginText, Fuzz::SilentMessenger& messenger)
{
    const QString root = Fuzz::ScratchFolder();
    const QString timeFolder = QDir(root).filePath(u"zeit"_s);
    const QString documents = QDir(root).filePath(u"dokumente"_s);
    // Each log-in starts from an empty personal folder, so that no input
    // reads what an earlier one left.
    QDir(documents).removeRecursively();
    Fuzz::WriteFile(timeFolder, u"dama.kvd"_s, bytes);

    LoginSettings settings;
    settings.folders.timeFolder = timeFolder;
    settings.folders.programFolder = timeFolder;
    settings.folders.executableFolder = timeFolder;
    DataFileCodec codec(CodecProgram::Pelin, messenger, Fuzz::NoWait());
    LoginSession session(settings, { documents, documents }, messenger, kStartDate, codec, Fuzz::NoWait());
    const LoginSession::Result result = session.login(loginText, {});
    if (!result.loggedIn)
        return;
    const LoginState& state = session.state();
    Fuzz::Require(state.masterNumberLength >= 1 && state.masterNumberLength <= 14,
        "the master-number length lies between 1 and 14");
    OverviewInputFor(state, PelinDates::FromToday(kStartDate), QTime(12, 0));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Fuzz::SilentMessenger messenger;
    const QByteArray bytes = Fuzz::Bytes(data, size);
    const QString path = Fuzz::WriteFile(Fuzz::ScratchFolder(), u"dama.kvd"_s, bytes);
    DataFileCodec codec(CodecProgram::Pelin, messenger, Fuzz::NoWait());
    StringList lines;
    codec.LoadDataFile(path, lines);
    CheckRecords(lines);

    const QString loginText = lines.isEmpty() ? u"geheim"_s : StringList::KeyOf(lines.at(0));
    LogIn(bytes, loginText, messenger);
    return 0;
}
