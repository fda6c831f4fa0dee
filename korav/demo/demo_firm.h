#pragma once

#include <QList>
#include <QString>
#include <QtGlobal>

#include <optional>

class Clock;
class Messenger;

inline constexpr quint64 kDefaultDemoSeed = 20230306;

struct DemoFirmRequest {
    QString folder; // the data folder to create; must be new or empty
    int employees = 5;
    int months = 3; // whole months ending with the month before today
    quint64 seed = kDefaultDemoSeed;
    QString programDirectory; // the folder that holds the PELIN program
};

// Who may log in to the demo firm, and with which password.
struct DemoAccess {
    struct Employee {
        QString longName;
        QString personnelNumber;
        QString password;
    };
    QString systemPassword;
    QString dataPassword;
    QList<Employee> employees;
};

// Writes a complete firm through KORAV's own steps: set-up of the data
// folder, base data, targets, rates and holidays, built and provided base
// data for PELIN, PELIN month files in the time folder and their collection.
// Today and now come from the clock alone, and every random choice from the
// seed, so that the same request and clock give the same files. Nothing on
// failure, after the messages of the failing step.
std::optional<DemoAccess> WriteDemoFirm(
    const DemoFirmRequest& request, Messenger& messenger, const Clock& clock);
