#include "korav/reports/core/project_overview_start.h"

#include "common/clock.h"
#include "common/messenger.h"

using namespace Qt::StringLiterals;

ProjectOverviewStart CheckProjectOverviewStart(
    bool activityChosen, bool periodChosen, const Clock& clock, QDate startDate, Messenger& messenger)
{
    if (clock.today() != startDate) {
        messenger.show(u"Zeitfehler: Starten Sie das Programm neu !  "_s);
        return ProjectOverviewStart::DateChanged;
    }
    if (!activityChosen || !periodChosen) {
        messenger.show(u"Wählen Sie ein Projekt und einen Zeitraum !  "_s);
        return ProjectOverviewStart::Incomplete;
    }
    return ProjectOverviewStart::Ready;
}
