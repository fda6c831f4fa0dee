#include "korav/core/employee_list_file.h"

#include "korav/core/base_data_store.h"

namespace EmployeeListFile {

QStringList Load(const BaseDataStore& store)
{
    return store.load(KoravFile::kEmployeeList).lines();
}

bool Save(const BaseDataStore& store, const QStringList& names)
{
    return store.save(KoravFile::kEmployeeList, StringList(names));
}

} // namespace EmployeeListFile
