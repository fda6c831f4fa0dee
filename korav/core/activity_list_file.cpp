#include "korav/core/activity_list_file.h"

#include "korav/core/base_data_store.h"

namespace ActivityListFile {

QString Line(QStringView number, QStringView description)
{
    return number.left(kMaxNumber) + u'=' + description.left(kMaxDescription);
}

StringList Load(const BaseDataStore& store, QStringView fileName)
{
    StringList file = store.load(fileName);
    file.setSorted(true);
    return file;
}

bool Save(const BaseDataStore& store, QStringView fileName, const StringList& file)
{
    return store.save(fileName, file);
}

} // namespace ActivityListFile
