#include "korav/core/password_check.h"

#include "common/number_parse.h"
#include "common/password_hash.h"
#include "common/string_list.h"
#include "korav/core/base_data_store.h"

using namespace Qt::StringLiterals;

namespace PasswordCheck {

namespace {

constexpr char16_t kKey[] = u"passwort_pruefwert";

} // namespace

bool IsOn(const BaseDataStore& store)
{
    return ParseDecimalInt(store.load(kFileName).value(kKey)) == 1;
}

bool Save(const BaseDataStore& store, bool on)
{
    StringList lines;
    lines.setValue(QString::fromUtf16(kKey), on ? u"1"_s : u"0"_s);
    return store.save(kFileName, lines);
}

// One salt per build: PELIN then derives a single hash at log-in however
// many employees the file holds, and an attacker still gains nothing from
// tables made in advance.
QStringList WithCheckValues(const QStringList& records, int iterations)
{
    const QByteArray salt = PasswordHash::NewSalt();
    QStringList lines;
    for (const QString& record : records) {
        const QString value = PasswordHash::Make(StringList::KeyOf(record), salt, iterations);
        if (value.isEmpty())
            return {};
        lines.append(value + u'=' + StringList::ValueOf(record));
    }
    return lines;
}

} // namespace PasswordCheck
