#include "pelin/core/pelin_config.h"

#include "common/holiday_calendar.h"
#include "common/number_parse.h"
#include "pelin/core/pelin_version.h"

using namespace Qt::StringLiterals;

namespace {

bool IsOne(const StringList& lines, QStringView key)
{
    return ParseDecimalInt(lines.value(key)) == 1;
}

} // namespace

PelinConfig ParsePelinConfig(const StringList& lines)
{
    PelinConfig config;
    if (lines.hasKey(u"dbversion"))
        config.dbVersion = ParseDecimalInt(lines.value(u"dbversion"));
    config.lanMode = !lines.hasKey(u"LAN_aktiv") || IsOne(lines, u"LAN_aktiv");
    config.programFolder = lines.value(u"progordner");
    config.timeFolder = lines.value(u"zeitordner");
    if (config.timeFolder.isEmpty())
        config.timeFolder = config.programFolder;
    config.ftpServer = lines.value(u"syftpserver").left(60);
    config.ftpUser = lines.value(u"syftpbenutzer").left(60);
    config.ftpPassword = lines.value(u"syftppw").left(20);
    config.ftpFolder = lines.value(u"syftpordner").left(60);
    config.directoryLogin = lines.hasKey(u"LDAP_aktiv")
        && (IsOne(lines, u"LDAP_aktiv") || IsOne(lines, u"ldap_cbox_aktiviert"));
    config.ldapServer = lines.value(u"ldapserver").left(60);
    config.ldapPort = lines.value(u"ldapport").left(10);
    config.ldapDn1 = lines.value(u"ldapdn1").left(40);
    config.ldapDn2 = lines.value(u"ldapdn2").left(10);
    config.ldapStartTls = IsOne(lines, u"ldap_starttls");
    if (lines.hasKey(u"feiertag"))
        config.holidaySwitches = lines.value(u"feiertag").left(6);
    config.countryCode = ParseDecimalInt(lines.value(u"landcode"));
    return config;
}

StringList ConfigLinesForDisplay(const StringList& lines)
{
    StringList shown = lines;
    const qsizetype i = shown.indexOfKey(u"syftppw");
    if (i >= 0 && !shown.value(u"syftppw").isEmpty())
        shown.setValue(StringList::KeyOf(shown.at(i)), u"********"_s);
    return shown;
}

QString PelinVersionText(int countryCode)
{
    const QString number
        = u"%1.%2.%3"_s.arg(kPelinVersionMajor).arg(kPelinVersionMinor).arg(kPelinVersionPatch);
    return u"Version "_s + number.left(8) + u" V"_s
        + CountryLetter(HolidaySettings::CountryFromLandcode(countryCode));
}
