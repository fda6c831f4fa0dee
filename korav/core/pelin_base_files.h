#pragma once

#include "common/string_list.h"

#include <QDateTime>

// The files KORAV builds for PELIN and the bookkeeping of provisioning and
// collection.
namespace PelinBaseFiles {

// One employee record of "dama.kvd": "%.12s=%.12s#%.30s#%.5s#" with the
// password as key.
QString EmployeeRecord(
    QStringView password, QStringView personnelNumber, QStringView longName, QStringView degree);
// The lines of "zconfig.kvd" that "dama.kvd" carries at its end, in order,
// each whole and only when present.
QStringList ConfigLinesForPelin(const StringList& config);
// "dprojekte.kvd": the projects, then the other activities.
StringList ActivityList(const StringList& projects, const StringList& others);
// "pelin.cfg", built from "zconfig.kvd"; empty when a required folder line
// is missing.
StringList PelinConfig(const StringList& config);
// "uplstemp_pel.kvd"
StringList UploadMarker();
// One line of "landatum.kv2": "%.175s=%.24s" with the time
// "%04u_%02u_%02u_%02u_%02u_%02u".
QString CollectionStampLine(QStringView fileName, const QDateTime& lastWrite);
// "azstand" of "korav_cfg.kvd": "zuletzt am %s %2.2i.%2.2i.%4.4i %2.2i:%2.2i".
QString CollectionText(const QDateTime& time);

} // namespace PelinBaseFiles
