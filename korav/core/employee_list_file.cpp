#include "korav/core/employee_list_file.h"

#include "common/messenger.h"
#include "korav/core/base_data_store.h"

namespace EmployeeListFile {

// An empty line is no short name; a hand-edited file may end with one.
QStringList Load(const BaseDataStore& store)
{
    QStringList names = store.load(KoravFile::kEmployeeList).lines();
    names.removeAll(QString());
    return names;
}

bool Save(const BaseDataStore& store, const QStringList& names)
{
    return store.save(KoravFile::kEmployeeList, StringList(names));
}

std::optional<QStringList> LoadForEditing(const BaseDataStore& store, const QString& missingText)
{
    if (!store.exists(KoravFile::kEmployeeList)) {
        store.messenger().show(missingText);
        return std::nullopt;
    }
    QStringList employees = Load(store);
    if (employees.isEmpty()) {
        store.messenger().show(QStringLiteral("Mitarbeiter-Liste ist leer  "));
        return std::nullopt;
    }
    return employees;
}

} // namespace EmployeeListFile
