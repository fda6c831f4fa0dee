#include "korav/core/data_folder.h"
#include "korav/core/version_line.h"

#include "tests/support/qt_printers.h"

#include <QSysInfo>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

struct BackupCase {
    QString folder;
    bool backup;
};

class BackupFolderName : public ::testing::TestWithParam<BackupCase> { };

TEST_P(BackupFolderName, OnlyTerminbkpWithOneCharacterIsABackupFolder)
{
    EXPECT_EQ(DataFolder(GetParam().folder).isBackupFolder(), GetParam().backup)
        << GetParam().folder.toStdString();
}

INSTANTIATE_TEST_SUITE_P(Cases, BackupFolderName,
    ::testing::Values(BackupCase { u"/daten/terminbkp3"_s, true },
        BackupCase { u"/daten/terminbkp3/"_s, true }, BackupCase { u"/daten/terminbkpX"_s, true },
        BackupCase { u"/daten/terminbkp12"_s, false }, BackupCase { u"/daten/terminbkp"_s, false },
        BackupCase { u"/daten/korav"_s, false }, BackupCase { u"/terminbkp1/daten"_s, false }));

TEST(DataFolder, HoldsTheFolderWithOneTrailingSeparator)
{
    EXPECT_EQ(DataFolder(u"/a/b"_s).root(), u"/a/b/"_s);
    EXPECT_EQ(DataFolder(u"/a/b/"_s).root(), u"/a/b/"_s);
    EXPECT_EQ(DataFolder(u"/a/b/"_s).folder(), u"/a/b"_s);
    EXPECT_EQ(DataFolder(u"/a/b"_s).path(u"zama.kvd"), u"/a/b/zama.kvd"_s);
    EXPECT_FALSE(DataFolder(u""_s).isSet());
}

TEST(DataFolder, YearTargetFileCarriesFourDigits)
{
    EXPECT_EQ(KoravFile::YearTargets(2023), u"zmonsoll2023.kvd"_s);
    EXPECT_EQ(KoravFile::YearTargets(999), u"zmonsoll0999.kvd"_s);
}

TEST(VersionLine, ProgramVersionAndWordSize)
{
    EXPECT_EQ(KoravVersionLine(), u"Version 23.1.1 %1Bit"_s.arg(QSysInfo::WordSize));
}
