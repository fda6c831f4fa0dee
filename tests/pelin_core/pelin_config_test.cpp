#include "pelin/core/pelin_config.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(PelinConfig, MissingKeysTakeTheirDefaults)
{
    const PelinConfig config = ParsePelinConfig(StringList());
    EXPECT_EQ(config.dbVersion, 200101);
    EXPECT_TRUE(config.lanMode);
    EXPECT_FALSE(config.directoryLogin);
    EXPECT_FALSE(config.ldapStartTls);
    EXPECT_EQ(config.holidaySwitches, u"000000"_s);
    EXPECT_EQ(config.countryCode, 0);
}

TEST(PelinConfig, ValuesAreCutToTheirWidths)
{
    const PelinConfig config = ParsePelinConfig(StringList({
        u"DBVERSION=161020"_s,
        u"LAN_aktiv=0"_s,
        u"syftpserver="_s + QString(70, u's'),
        u"syftppw="_s + QString(25, u'p'),
        u"ldapport=389389389389"_s,
        u"ldapdn1="_s + QString(45, u'd'),
        u"ldapdn2=abcdefghijkl"_s,
        u"feiertag=1010101"_s,
        u"landcode=2"_s,
    }));
    EXPECT_EQ(config.dbVersion, 161020) << "keys ignore letter case";
    EXPECT_FALSE(config.lanMode);
    EXPECT_EQ(config.ftpServer.size(), 60);
    EXPECT_EQ(config.ftpPassword.size(), 20);
    EXPECT_EQ(config.ldapPort, u"3893893893"_s);
    EXPECT_EQ(config.ldapDn1.size(), 40);
    EXPECT_EQ(config.ldapDn2, u"abcdefghij"_s);
    EXPECT_EQ(config.holidaySwitches, u"101010"_s);
    EXPECT_EQ(config.countryCode, 2);
}

TEST(PelinConfig, EmptyTimeFolderFallsBackToTheProgramFolder)
{
    for (const StringList& lines : { StringList({ u"progordner=/srv/prog"_s }),
             StringList({ u"progordner=/srv/prog"_s, u"zeitordner="_s }) })
        EXPECT_EQ(ParsePelinConfig(lines).timeFolder, u"/srv/prog"_s);
    EXPECT_EQ(ParsePelinConfig(StringList({ u"progordner=/p"_s, u"zeitordner=/z"_s })).timeFolder, u"/z"_s);
}

TEST(PelinConfig, DirectoryLoginNeedsTheKeyAndOneOfTheTwoFlags)
{
    const std::pair<QStringList, bool> cases[] = {
        { {}, false },
        { { u"ldap_cbox_aktiviert=1"_s }, false },
        { { u"LDAP_aktiv=0"_s }, false },
        { { u"LDAP_aktiv=1"_s }, true },
        { { u"LDAP_aktiv=0"_s, u"ldap_cbox_aktiviert=1"_s }, true },
    };
    for (const auto& [lines, expected] : cases)
        EXPECT_EQ(ParsePelinConfig(StringList(lines)).directoryLogin, expected)
            << lines.join(u' ').toStdString();
    EXPECT_TRUE(ParsePelinConfig(StringList({ u"LDAP_aktiv=1"_s, u"ldap_starttls=1"_s })).ldapStartTls);
}

TEST(PelinConfig, VersionTextCarriesTheCountryLetter)
{
    EXPECT_EQ(PelinVersionText(0), u"Version 23.1.1 VD"_s);
    EXPECT_EQ(PelinVersionText(1), u"Version 23.1.1 VÖ"_s);
    EXPECT_EQ(PelinVersionText(2), u"Version 23.1.1 VS"_s);
    EXPECT_EQ(PelinVersionText(99), u"Version 23.1.1 V-"_s);
}
