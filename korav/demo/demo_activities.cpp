#include "korav/demo/demo_activities.h"

using namespace Qt::StringLiterals;

namespace DemoActivities {

QList<Activity> Projects()
{
    return {
        { u"10001"_s, u"Rathaus Lindenau - Entwurf"_s },
        { u"10002"_s, u"Rathaus Lindenau - Bauleitung"_s },
        { u"20001"_s, u"Grundschule am Weiher - Planung"_s },
        { u"20002"_s, u"Grundschule am Weiher - Ausschreibung"_s },
        { u"30001"_s, u"Wohnanlage Birkenhof"_s },
        { u"40001"_s, u"Messestand Hannover"_s },
        { u"50001"_s, u"Sanierung Stadtbücherei Südstadt"_s },
        { u"60001"_s, u"Bürogebäude Hafenstraße"_s },
    };
}

QList<Activity> OtherActivities()
{
    return {
        { PauseNumber(), u"Pause"_s },
        { SickNumber(), u"Krank"_s },
        { HolidayNumber(), u"Urlaub"_s },
        { FlexiDayNumber(), u"Gleitfrei"_s },
        { u"940"_s, u"Verwaltung"_s },
        { u"950"_s, u"Fortbildung"_s },
        { u"960"_s, u"Akquise"_s },
    };
}

QString PauseNumber()
{
    return u"900"_s;
}
QString SickNumber()
{
    return u"910"_s;
}
QString HolidayNumber()
{
    return u"920"_s;
}
QString FlexiDayNumber()
{
    return u"930"_s;
}
QStringList OfficeNumbers()
{
    return { u"940"_s, u"950"_s, u"960"_s };
}

} // namespace DemoActivities
