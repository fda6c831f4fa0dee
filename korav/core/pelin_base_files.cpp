#include "korav/core/pelin_base_files.h"

#include "common/fixed_width.h"
#include "korav/core/korav_config.h"

using namespace Qt::StringLiterals;

namespace PelinBaseFiles {

namespace {

// The line of a key, whole, or nothing.
QString WholeLine(const StringList& config, QStringView key)
{
    const qsizetype i = config.indexOfKey(key);
    return i < 0 ? QString() : config.at(i);
}

QString LineOrDefault(const StringList& config, QStringView key, const QString& fallback)
{
    const QString line = WholeLine(config, key);
    return line.isEmpty() ? key + u'=' + fallback : line;
}

} // namespace

QString EmployeeRecord(
    QStringView password, QStringView personnelNumber, QStringView longName, QStringView degree)
{
    return password.left(12) + u'=' + personnelNumber.left(12) + u'#' + longName.left(30) + u'#'
        + degree.left(5) + u'#';
}

QStringList ConfigLinesForPelin(const StringList& config)
{
    using namespace KoravConfig;
    QStringList lines;
    for (QStringView key :
        { QStringView(kMasterPrefixLength), QStringView(kVersionNumber), QStringView(kUpdateUrl),
            QStringView(kUpdateNumber), QStringView(kCaption4), QStringView(kCaption5) }) {
        const QString line = WholeLine(config, key);
        if (!line.isEmpty())
            lines.append(line);
    }
    return lines;
}

StringList ActivityList(const StringList& projects, const StringList& others)
{
    return StringList(projects.lines() + others.lines());
}

namespace {

bool Switch(const StringList& config, QStringView key, QStringView on)
{
    return config.hasKey(key) && config.value(key).trimmed() == on;
}

// The FTP keys when the exchange runs over FTP, the directory keys when the
// directory log-in is on; each only when set.
QStringList ExchangeLines(const StringList& config, bool ftp, bool directory)
{
    static const QStringList kFtpKeys
        = { u"syftpserver"_s, u"syftpbenutzer"_s, u"syftppw"_s, u"syftpordner"_s };
    static const QStringList kDirectoryKeys = { u"ldapserver"_s, u"ldapport"_s, u"ldapdn1"_s, u"ldapdn2"_s,
        u"ldap_cbox_aktiviert"_s, u"ldap_starttls"_s };
    QStringList lines;
    const auto take = [&](const QStringList& keys) {
        for (const QString& key : keys) {
            if (!config.value(key).isEmpty())
                lines.append(key + u'=' + config.value(key));
        }
    };
    if (ftp)
        take(kFtpKeys);
    if (directory)
        take(kDirectoryKeys);
    return lines;
}

} // namespace

StringList PelinConfig(const StringList& config)
{
    const QString programFolder = WholeLine(config, KoravConfig::kProgramFolder);
    const QString timeFolder = WholeLine(config, KoravConfig::kTimeFolder);
    if (programFolder.isEmpty() || timeFolder.isEmpty())
        return {};
    const bool ftp = Switch(config, u"LAN_aktiv", u"0");
    const bool directory = Switch(config, u"ldap_cbox_aktiviert", u"1");
    return StringList(
        QStringList { ftp ? u"LAN_aktiv=0"_s : u"LAN_aktiv=1"_s, programFolder, timeFolder,
            directory ? u"LDAP_aktiv=1"_s : u"LDAP_aktiv=0"_s,
            LineOrDefault(config, KoravConfig::kCountryCode, u"0"_s),
            LineOrDefault(config, KoravConfig::kRegionalHolidays, u"000000"_s), u"dbversion=161020"_s }
        + ExchangeLines(config, ftp, directory));
}

StringList UploadMarker()
{
    return StringList({ u"Zeitstempel für Upload"_s });
}

QString CollectionStampLine(QStringView fileName, const QDateTime& lastWrite)
{
    const QDate d = lastWrite.date();
    const QTime t = lastWrite.time();
    const QString stamp = FixedWidth::Digits(d.year(), 4) + u'_' + FixedWidth::Digits(d.month(), 2) + u'_'
        + FixedWidth::Digits(d.day(), 2) + u'_' + FixedWidth::Digits(t.hour(), 2) + u'_'
        + FixedWidth::Digits(t.minute(), 2) + u'_' + FixedWidth::Digits(t.second(), 2);
    return fileName.left(175) + u'=' + stamp.left(24);
}

QString CollectionText(const QDateTime& time)
{
    static const QString kWeekdays[]
        = { u"Mo,"_s, u"Di,"_s, u"Mi,"_s, u"Do,"_s, u"Fr,"_s, u"Sa,"_s, u"So,"_s };
    const QDate d = time.date();
    const QTime t = time.time();
    return u"zuletzt am "_s + kWeekdays[d.dayOfWeek() - 1] + u' ' + FixedWidth::Digits(d.day(), 2) + u'.'
        + FixedWidth::Digits(d.month(), 2) + u'.' + FixedWidth::Digits(d.year(), 4) + u' '
        + FixedWidth::Digits(t.hour(), 2) + u':' + FixedWidth::Digits(t.minute(), 2);
}

} // namespace PelinBaseFiles
