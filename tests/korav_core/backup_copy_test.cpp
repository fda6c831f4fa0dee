#include "korav/core/backup_copy.h"

#include "tests/support/temp_folder.h"

#include <QDateTime>
#include <QFile>
#include <ctime>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class BackupCopyTest : public ::testing::Test {
protected:
    QString fileAt(const QString& name, const QDateTime& written)
    {
        folder.write(name, "x");
        QFile file(folder.path(name));
        EXPECT_TRUE(file.open(QIODevice::ReadWrite));
        EXPECT_TRUE(file.setFileTime(written, QFileDevice::FileModificationTime));
        return folder.path(name);
    }

    TempFolder folder;
};

TEST_F(BackupCopyTest, StampsCompareWholeSecondsInTimeOrderAcrossTheEndOfSummerTime)
{
    qputenv("TZ", "Europe/Berlin");
    tzset();
    const QDateTime a(QDate(2024, 3, 5), QTime(9, 7, 41, 100), Qt::UTC);
    EXPECT_EQ(WriteSeconds(fileAt(u"a"_s, a)), WriteSeconds(fileAt(u"b"_s, a.addMSecs(800))));
    EXPECT_LT(WriteSeconds(fileAt(u"a"_s, a)), WriteSeconds(fileAt(u"c"_s, a.addSecs(1))));
    // 02:30 summer time comes before 02:10 winter time of 27 October 2024.
    const QString summer = fileAt(u"summer"_s, QDateTime(QDate(2024, 10, 27), QTime(0, 30), Qt::UTC));
    const QString winter = fileAt(u"winter"_s, QDateTime(QDate(2024, 10, 27), QTime(1, 10), Qt::UTC));
    EXPECT_LT(WriteSeconds(summer), WriteSeconds(winter));
    EXPECT_TRUE(CopyIsDue(WriteSeconds(winter), summer));
    EXPECT_FALSE(CopyIsDue(WriteSeconds(summer), winter));
    EXPECT_FALSE(CopyIsDue(WriteSeconds(summer), summer));
}

TEST_F(BackupCopyTest, AFolderOrNothingWhereTheCopyBelongsMakesTheCopyDue)
{
    const QString source = fileAt(u"quelle.kvd"_s, QDateTime(QDate(2024, 3, 5), QTime(9, 0), Qt::UTC));
    folder.write(u"ordner/inhalt"_s, "x");
    EXPECT_TRUE(CopyIsDue(WriteSeconds(source), folder.path(u"ordner"_s)));
    EXPECT_TRUE(CopyIsDue(WriteSeconds(source), folder.path(u"fehlt.kvd"_s)));
    EXPECT_EQ(WriteSeconds(folder.path(u"fehlt.kvd"_s)), std::nullopt);
}

} // namespace
