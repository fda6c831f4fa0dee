#include "pelin/core/personal_settings.h"
#include "pelin/core/update_number.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(PersonalSettings, FileName)
{
    EXPECT_EQ(PersonalSettings::FileName(u"4711"_s), u"d4711.kvd"_s);
}

TEST(UpdateNumber, SortableFormAndComparison)
{
    EXPECT_EQ(UpdateNumber::Sortable(u"07.03.2023 14:05:09"), u"20230307-140509"_s);
    EXPECT_EQ(UpdateNumber::Sortable(u"07.03.2023 14:05"), QString());
    const StringList central({ u"update_nummer=01.02.2024 08:00:00"_s });
    EXPECT_TRUE(UpdateNumber::IsNewer(central, StringList()));
    EXPECT_TRUE(UpdateNumber::IsNewer(central, StringList({ u"update_nummer=31.12.2023 23:59:59"_s })));
    EXPECT_FALSE(UpdateNumber::IsNewer(central, StringList({ u"update_nummer=01.02.2024 08:00:00"_s })));
    EXPECT_FALSE(UpdateNumber::IsNewer(StringList(), StringList()));
}
