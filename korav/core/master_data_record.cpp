#include "korav/core/master_data_record.h"

#include <QStringList>

using namespace Qt::StringLiterals;

namespace {

constexpr int kScanLimit = 64;
constexpr int kMaxValue = 63;
constexpr int kMaxKey = 10;

QStringList SplitFields(QStringView value)
{
    QStringList fields(1);
    for (const QChar c : value.left(kScanLimit)) {
        if (c == u'#')
            fields.append(QString());
        else
            fields.last().append(c);
    }
    return fields;
}

} // namespace

MasterDataRecord MasterDataRecord::FromValue(QStringView value)
{
    const QStringList fields = SplitFields(value);
    const auto field
        = [&fields](int i, int width) { return i < fields.size() ? fields.at(i).left(width) : QString(); };
    return { field(0, kMaxLongName), field(1, kMaxPersonnelNumber), field(2, kMaxPassword),
        field(3, kMaxDegree) };
}

QString MasterDataRecord::toValue() const
{
    return longName.left(kMaxLongName) + u'#' + personnelNumber.left(kMaxPersonnelNumber) + u'#'
        + password.left(kMaxPassword) + u'#' + degree.left(kMaxDegree) + u'#';
}

bool MasterDataRecord::isEmpty() const
{
    return longName.isEmpty() && personnelNumber.isEmpty() && password.isEmpty() && degree.isEmpty();
}

QString MasterDataLine(QStringView shortName, QStringView value)
{
    return shortName.left(kMaxKey) + u'=' + value.left(kMaxValue);
}
