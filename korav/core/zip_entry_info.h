#pragma once

#include <QFileInfo>
#include <minizip/zip.h>

// What the archive records of a file besides its data.
struct ZipEntryInfo {
    zip_fileinfo info {}; // DOS date and time in local time, attributes
    unsigned long versionMadeBy = 0;
    int zip64 = 0;
};

// The last-write time in local time (seconds rounded down to even) and the
// file's attributes: the Unix mode in the upper half, so that unpacking
// restores the execute bit of the installer, and the read-only bit below.
ZipEntryInfo ZipEntryInfoOf(const QFileInfo& file);
