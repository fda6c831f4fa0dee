#include "korav/core/zip_entry_info.h"

#include <QDateTime>

namespace {

// "Made by" Unix, ZIP format version 2.0: readers then take the upper half
// of the external attributes as the file mode.
constexpr unsigned long kMadeByUnix = (3UL << 8) | 20UL;
constexpr unsigned long kRegularFile = 0100000;
constexpr unsigned long kDosReadOnly = 0x01;

unsigned long UnixMode(QFileDevice::Permissions permissions)
{
    static constexpr std::pair<QFileDevice::Permission, unsigned long> kBits[] = {
        { QFileDevice::ReadOwner, 0400 },
        { QFileDevice::WriteOwner, 0200 },
        { QFileDevice::ExeOwner, 0100 },
        { QFileDevice::ReadGroup, 040 },
        { QFileDevice::WriteGroup, 020 },
        { QFileDevice::ExeGroup, 010 },
        { QFileDevice::ReadOther, 04 },
        { QFileDevice::WriteOther, 02 },
        { QFileDevice::ExeOther, 01 },
    };
    unsigned long mode = kRegularFile;
    for (const auto& [permission, bit] : kBits) {
        if (permissions.testFlag(permission))
            mode |= bit;
    }
    return mode;
}

} // namespace

ZipEntryInfo ZipEntryInfoOf(const QFileInfo& file)
{
    ZipEntryInfo entry;
    const QDateTime time = file.lastModified().toLocalTime();
    entry.info.tmz_date.tm_year = unsigned(time.date().year());
    entry.info.tmz_date.tm_mon = unsigned(time.date().month() - 1);
    entry.info.tmz_date.tm_mday = unsigned(time.date().day());
    entry.info.tmz_date.tm_hour = unsigned(time.time().hour());
    entry.info.tmz_date.tm_min = unsigned(time.time().minute());
    entry.info.tmz_date.tm_sec = unsigned(time.time().second() & ~1);
    const QFileDevice::Permissions permissions = file.permissions();
    const bool writable
        = permissions & (QFileDevice::WriteOwner | QFileDevice::WriteGroup | QFileDevice::WriteOther);
    entry.info.external_fa = (UnixMode(permissions) << 16) | (writable ? 0 : kDosReadOnly);
    entry.versionMadeBy = kMadeByUnix;
    entry.zip64 = file.size() >= 0xffffffffLL ? 1 : 0;
    return entry;
}
