#pragma once

#include <QString>

// One employee's line of "zamasta.kvd": "%.10s=%.63s" with the value
// "%.30s#%.12s#%.12s#%.5s#".
struct MasterDataRecord {
    QString longName;
    QString personnelNumber;
    QString password;
    QString degree;

    static constexpr int kMaxLongName = 30;
    static constexpr int kMaxPersonnelNumber = 12;
    static constexpr int kMaxPassword = 12;
    static constexpr int kMaxDegree = 5;

    // Scans at most 64 characters; fields missing at the end read as empty.
    static MasterDataRecord FromValue(QStringView value);
    QString toValue() const;
    bool isEmpty() const;

    bool operator==(const MasterDataRecord&) const = default;
};

QString MasterDataLine(QStringView shortName, QStringView value);
