#pragma once

#include "korav/core/master_data_record.h"

#include <QList>

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
