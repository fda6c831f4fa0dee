// Any bytes as PELIN's configuration file "pelin.cfg": the start-up reads
// it, the log-in takes its settings from it and the calendar its holidays.

#include "common/data_file_codec.h"
#include "common/holiday_calendar.h"
#include "fuzz/fuzz_support.h"
#include "pelin/core/login_settings.h"
#include "pelin/core/pelin_startup.h"

using namespace Qt::StringLiterals;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Fuzz::SilentMessenger messenger;
    const QString folder = Fuzz::ScratchFolder();
    Fuzz::WriteFile(folder, u"pelin.cfg"_s, Fuzz::Bytes(data, size));
    DataFileCodec codec(CodecProgram::Pelin, messenger, Fuzz::NoWait());
    PelinStartup::ConfigurationText(folder, codec);

    StringList lines;
    codec.LoadDataFile(folder + u"/pelin.cfg"_s, lines);
    const PelinConfig config = ParsePelinConfig(lines);
    Fuzz::Require(config.holidaySwitches.size() <= 6, "the holiday switches have at most 6 characters");
    PelinVersionText(config.countryCode);
    const LoginSettings settings = LoginSettingsFrom(config, folder, false);
    Fuzz::Require(
        settings.folders.timeFolder == config.timeFolder, "the log-in uses the configured time folder");

    const HolidayCalendar calendar(HolidaySettings::FromConfig(lines), 2023);
    for (QDate day(2023, 1, 1); day.year() == 2023; day = day.addDays(1))
        calendar.holidayName(day);

    if (PelinStartup::LoadConfiguration(folder, codec, messenger))
        PelinStartup::ProgramFolderHint(config, folder, false);
    return 0;
}
