// Any bytes as the account settings "zkonto.kvd" of the data folder and as
// the accounts "dkonto.kvd" KORAV provides to PELIN: every line read back
// from its own writing gives the same values, and PELIN's month values
// take whatever the provided file holds.

#include "common/data_file_codec.h"
#include "common/holiday_calendar.h"
#include "common/key_index.h"
#include "common/provided_account.h"
#include "fuzz/fuzz_support.h"
#include "korav/reports/core/account_settings_file.h"
#include "pelin/core/account_display.h"
#include "pelin/core/login_state.h"

using namespace Qt::StringLiterals;

namespace {

void CheckSettings(const StringList& lines)
{
    const KeyIndex index(lines);
    for (const QString& line : lines.lines()) {
        const QString key = StringList::KeyOf(line);
        const int year = key.left(4).toInt();
        const QString shortName = key.mid(4);
        const std::optional<AccountSettingsFile::Settings> settings
            = AccountSettingsFile::Of(index, year, shortName);
        if (!settings || year < 1 || year > 9999 || settings->entitlement < 0)
            continue;
        const KeyIndex written(StringList({ AccountSettingsFile::Line(year, shortName, *settings) }));
        Fuzz::Require(AccountSettingsFile::Of(written, year, shortName) == settings,
            "saved account settings read back the same");
    }
}

void CheckProvided(const StringList& lines)
{
    for (const QString& line : lines.lines()) {
        const QString key = StringList::KeyOf(line);
        if (!key.startsWith(u"kto"_s))
            continue;
        const QString number = key.mid(3);
        const std::optional<ProvidedAccount::Record> record = ProvidedAccount::Find(lines, number);
        if (!record || record->year < 0 || record->year > 9999 || record->holidayYear < 0
            || record->holidayYear > 9999 || number.size() > 12)
            continue;
        Fuzz::Require(
            ProvidedAccount::Find(StringList({ ProvidedAccount::Line(number, *record) }), number) == record,
            "a provided account reads back the same");
        LoginState state;
        state.loggedIn = true;
        state.personnelNumber = number;
        state.accountFile = lines;
        state.previousMonth = MonthList(2023, 2, number);
        state.currentMonth = MonthList(2023, 3, number);
        AccountDisplayOf(state, QDate(2023, 3, 15), HolidayCalendar(HolidaySettings {}, 2023));
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    static Fuzz::SilentMessenger messenger;
    const QString path = Fuzz::WriteFile(Fuzz::ScratchFolder(), u"konto.kvd"_s, Fuzz::Bytes(data, size));
    DataFileCodec codec(CodecProgram::Korav, messenger, Fuzz::NoWait());
    StringList lines;
    codec.LoadDataFile(path, lines);
    CheckSettings(lines);
    CheckProvided(lines);
    return 0;
}
