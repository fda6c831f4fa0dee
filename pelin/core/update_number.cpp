#include "pelin/core/update_number.h"

using namespace Qt::StringLiterals;

namespace UpdateNumber {

QString Sortable(QStringView number)
{
    number = number.left(19);
    if (number.size() != 19)
        return {};
    return number.mid(6, 4) % number.mid(3, 2) % number.mid(0, 2) % u'-' % number.mid(11, 2)
        % number.mid(14, 2) % number.mid(17, 2);
}

QString SortableFrom(const StringList& list)
{
    return Sortable(list.value(u"update_nummer"));
}

bool IsNewer(const StringList& employeeFile, const StringList& localVersionFile)
{
    return SortableFrom(employeeFile) > SortableFrom(localVersionFile);
}

} // namespace UpdateNumber
