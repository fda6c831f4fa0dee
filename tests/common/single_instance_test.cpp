#include "common/single_instance.h"
#include "tests/support/temp_folder.h"

#include <QDir>
#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(SingleInstance, SecondHolderIsRefusedUntilTheFirstEnds)
{
    TempFolder runtime;
    {
        SingleInstance first(u"PELIN"_s, runtime.path());
        ASSERT_TRUE(first.tryAcquire());
        SingleInstance second(u"PELIN"_s, runtime.path());
        EXPECT_FALSE(second.tryAcquire());
        SingleInstance other(u"KORAV"_s, runtime.path());
        EXPECT_TRUE(other.tryAcquire()) << "each program has a lock of its own";
    }
    SingleInstance later(u"PELIN"_s, runtime.path());
    EXPECT_TRUE(later.tryAcquire());
}
