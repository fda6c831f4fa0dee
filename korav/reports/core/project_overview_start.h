#pragma once

#include <QDate>

class Clock;
class Messenger;

// The checks of the project overview's "Anzeigen" before anything is built:
// first the program's start date, then a chosen activity and period. Each
// refusal shows its message.
enum class ProjectOverviewStart { DateChanged, Incomplete, Ready };

ProjectOverviewStart CheckProjectOverviewStart(
    bool activityChosen, bool periodChosen, const Clock& clock, QDate startDate, Messenger& messenger);
