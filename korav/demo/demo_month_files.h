#pragma once

#include "korav/demo/demo_staff.h"

#include <QDate>

class DemoRandom;
class Messenger;
struct HolidaySettings;

// PELIN's month files of every employee for the whole months before
// `today`, written into the time folder as PELIN leaves them there. Every
// employee draws from a generator of their own, so that one more employee
// leaves the others' months as they were. False after the message.
bool WriteDemoMonthFiles(const QList<DemoEmployee>& staff, const QString& timeFolder, QDate today, int months,
    const HolidaySettings& holidays, const DemoRandom& random, Messenger& messenger);
