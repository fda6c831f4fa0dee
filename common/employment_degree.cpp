#include "common/employment_degree.h"

int PersonalTarget(QStringView degreeText, int fullTimeMinutes)
{
    qsizetype i = 0;
    while (i < degreeText.size() && degreeText[i] == u' ')
        ++i;
    qint64 digits = 0;
    qint64 scale = 100;
    bool afterPoint = false;
    for (; i < degreeText.size(); ++i) {
        const QChar c = degreeText[i];
        if (c == u'.' && !afterPoint) {
            afterPoint = true;
            continue;
        }
        if (!c.isDigit() || digits > 1'000'000'000)
            break;
        digits = digits * 10 + c.digitValue();
        if (afterPoint)
            scale *= 10;
    }
    return int(digits * fullTimeMinutes / scale);
}
