#include "korav/demo/demo_access.h"

using namespace Qt::StringLiterals;

QString DemoAccessText(const DemoAccess& access)
{
    QString text = u"Zugang zur Demo-Firma\n\n"
                   u"KORAV (Administrator-Passwort):\n"
                   u"  Systemadministrator:  %1\n"
                   u"  Datenadministrator:   %2\n\n"
                   u"PELIN (Mitarbeiter-Passwort):\n"_s.arg(access.systemPassword, access.dataPassword);
    for (const DemoAccess::Employee& employee : access.employees)
        text += u"  %1 %2  %3\n"_s.arg(employee.personnelNumber, -6)
                    .arg(employee.longName, -30)
                    .arg(employee.password);
    return text;
}
