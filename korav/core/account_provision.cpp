#include "korav/core/account_provision.h"

#include "common/data_file_codec.h"
#include "common/provided_account.h"
#include "korav/core/base_data_store.h"
#include "korav/reports/core/account_book.h"

#include <QFile>

namespace {

ProvidedAccount::Record RecordOf(const AccountYear& account, QDate startDate)
{
    const QDate last = startDate.addMonths(-1);
    const bool sameYear = last.year() == startDate.year();
    ProvidedAccount::Record record;
    record.year = last.year();
    record.month = last.month();
    // Into January the new year's opening balance is carried, which may be
    // set apart from the old year's closing balance.
    record.balance = sameYear ? account.balanceAfter(last.month()) : account.opening;
    record.holidayYear = startDate.year();
    record.remaining = account.remaining();
    record.takenInMonth = sameYear ? account.months[std::size_t(last.month() - 1)].holidayHalves : 0;
    record.takenInNextMonth = account.months[std::size_t(startDate.month() - 1)].holidayHalves;
    return record;
}

} // namespace

bool BuildAccountFile(const BaseDataStore& store, DataFileCodec& codec, QDate startDate)
{
    const QString path = store.folder().path(ProvidedAccount::kFileName);
    AccountBook book(store.folder().root(), codec, startDate);
    if (!book.hasSettings()) {
        QFile::remove(path);
        return true;
    }
    StringList file;
    for (const QString& name : book.directory().names) {
        if (!book.hasSettings(name, startDate.year()))
            continue;
        const std::optional<AccountYear> account = book.year(name, startDate.year());
        const std::optional<QString> number = book.directory().personnelNumber(name);
        if (account && number)
            file.append(ProvidedAccount::Line(*number, RecordOf(*account, startDate)));
    }
    return codec.SaveDataFile(path, file);
}
