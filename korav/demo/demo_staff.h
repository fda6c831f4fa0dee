#pragma once

#include "korav/core/master_data_record.h"

#include <QList>
#include <optional>

class DemoRandom;

// One employee of the demo firm: the short name of the employee list and
// the master data.
struct DemoEmployee {
    QString shortName;
    MasterDataRecord master;
};

// German names, personnel numbers from 1001 on, degrees from 50 to 100 and
// a PELIN password made of the first name and the personnel number, so that
// passwords are unique and easy to type.
QList<DemoEmployee> DemoStaff(int count, DemoRandom& random);

// The firm's daily target, which an absence of full-time staff fills.
inline constexpr int kDemoFirmDailyTarget = 8 * 60;
// Part-time staff get a daily target of their own after their degree, in
// whole 5 minutes; nothing for full-time staff.
std::optional<int> DemoOwnDailyTarget(const DemoEmployee& employee);
// The daily target an absence of the employee fills.
int DemoDailyTarget(const DemoEmployee& employee);
