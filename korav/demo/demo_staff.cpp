#include "korav/demo/demo_staff.h"

#include "common/working_time.h"
#include "korav/core/employee_list_file.h"
#include "korav/demo/demo_random.h"

#include <QSet>

using namespace Qt::StringLiterals;

namespace {

// First names without umlauts, because they are part of the passwords.
const QStringList kFirstNames = { u"Anna"_s, u"Lukas"_s, u"Marie"_s, u"Jonas"_s, u"Sophie"_s, u"Felix"_s,
    u"Laura"_s, u"Paul"_s, u"Julia"_s, u"Maximilian"_s, u"Lena"_s, u"Tobias"_s, u"Hannah"_s, u"Stefan"_s,
    u"Katharina"_s, u"Michael"_s, u"Sabine"_s, u"Thomas"_s, u"Petra"_s, u"Andreas"_s, u"Claudia"_s,
    u"Markus"_s, u"Birgit"_s, u"Florian"_s, u"Nina"_s, u"Sebastian"_s, u"Heike"_s, u"Matthias"_s };

const QStringList kLastNames = { u"Müller"_s, u"Schmidt"_s, u"Schneider"_s, u"Fischer"_s, u"Weber"_s,
    u"Meyer"_s, u"Wagner"_s, u"Becker"_s, u"Schulz"_s, u"Hoffmann"_s, u"Schäfer"_s, u"Koch"_s, u"Bauer"_s,
    u"Richter"_s, u"Klein"_s, u"Wolf"_s, u"Schröder"_s, u"Neumann"_s, u"Schwarz"_s, u"Zimmermann"_s,
    u"Braun"_s, u"Krüger"_s, u"Hofmann"_s, u"Hartmann"_s, u"Lange"_s, u"Köhler"_s, u"Groß"_s, u"Lehmann"_s,
    u"Krause"_s, u"Weiß"_s };

// Most staff work full time.
const QStringList kDegrees
    = { u"100"_s, u"100"_s, u"100"_s, u"100"_s, u"100"_s, u"90"_s, u"80"_s, u"75"_s, u"62.5"_s, u"50"_s };

constexpr int kFirstPersonnelNumber = 1001;
constexpr int kPasswordNamePart = 6;

// The last name, or when that is taken already, its beginning with the
// personnel number, so that every short name stays within ten characters.
QString UniqueShortName(const QString& lastName, const QString& number, QSet<QString>& used)
{
    QString name = lastName.left(EmployeeListFile::kMaxShortName);
    if (used.contains(name.toLower()))
        name = lastName.left(EmployeeListFile::kMaxShortName - number.size()) + number;
    used.insert(name.toLower());
    return name;
}

} // namespace

QList<DemoEmployee> DemoStaff(int count, DemoRandom& random)
{
    QList<DemoEmployee> staff;
    QSet<QString> used;
    for (int i = 0; i < count; ++i) {
        const QString first = kFirstNames.at(random.below(int(kFirstNames.size())));
        const QString last = kLastNames.at(random.below(int(kLastNames.size())));
        const QString number = QString::number(kFirstPersonnelNumber + i);
        DemoEmployee employee;
        employee.shortName = UniqueShortName(last, number, used);
        employee.master.longName = first + u' ' + last;
        employee.master.personnelNumber = number;
        employee.master.password = first.left(kPasswordNamePart).toLower() + number;
        employee.master.degree = kDegrees.at(random.below(int(kDegrees.size())));
        staff.append(employee);
    }
    return staff;
}

std::optional<int> DemoOwnDailyTarget(const DemoEmployee& employee)
{
    const int own = PersonalTarget(employee.master.degree, kDemoFirmDailyTarget) / 5 * 5;
    if (own >= kDemoFirmDailyTarget)
        return std::nullopt;
    return own;
}

int DemoDailyTarget(const DemoEmployee& employee)
{
    return DemoOwnDailyTarget(employee).value_or(kDemoFirmDailyTarget);
}
