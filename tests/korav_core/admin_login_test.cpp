#include "korav/core/admin_login.h"
#include "korav/core/admin_password_change.h"
#include "tests/korav_core/korav_fixture.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;
using AdminPasswords::kDataAdmin;
using AdminPasswords::kNoRole;
using AdminPasswords::kSystemAdmin;

namespace {

QString Inverted(QString text)
{
    InvertPassword(text);
    return text;
}

QByteArray PasswordFile(const QString& system, const QString& data)
{
    return kBom + (u"orvan="_s + Inverted(system) + u"\r\npumol="_s + Inverted(data) + u"\r\n"_s).toUtf8();
}

} // namespace

TEST(InvertPassword, ComplementsEveryCodeUnitAndIsItsOwnInverse)
{
    QString text = u"nuvo"_s;
    InvertPassword(text);
    const QChar expected[] = { QChar(0xFF91), QChar(0xFF8A), QChar(0xFF89), QChar(0xFF90) };
    EXPECT_EQ(text, QString(expected, 4));
    InvertPassword(text);
    EXPECT_EQ(text, u"nuvo"_s);
}

TEST(AdminLogin, EmptyPasswordFileAcceptsTheDefaultAsSystemAdministrator)
{
    KoravFixture f;
    f.write(u"zamino.kvd"_s, {});
    EXPECT_EQ(LogIn(f.store, u"nuvo"_s).role, kSystemAdmin);
    EXPECT_EQ(LogIn(f.store, u"Nuvo"_s).role, kNoRole);
    EXPECT_EQ(LogIn(f.store, u"nuvo"_s).errorText, u""_s);
}

TEST(AdminLogin, EmptyOrWrongEntryGivesTheStatusText)
{
    KoravFixture f;
    EXPECT_EQ(LogIn(f.store, u""_s).errorText, u"Kein Administrator-Passwort eingegeben"_s);
    EXPECT_EQ(LogIn(f.store, u"falsch"_s).errorText, u"Administrator-Passwort ist nicht richtig"_s);
}

TEST(AdminLogin, SavedPairReplacesTheDefaultPassword)
{
    KoravFixture f;
    ASSERT_TRUE(AdminPasswords::Save(f.store, u"system1"_s, u"daten1"_s));
    EXPECT_EQ(f.read(u"zamino.kvd"_s), PasswordFile(u"system1"_s, u"daten1"_s));
    EXPECT_EQ(LogIn(f.store, u"nuvo"_s).role, kNoRole);
    EXPECT_EQ(LogIn(f.store, u"system1"_s).role, kSystemAdmin);
    EXPECT_EQ(LogIn(f.store, u"daten1"_s).role, kDataAdmin);
    EXPECT_EQ(LogIn(f.store, u"Daten1"_s).role, kNoRole);

    ASSERT_TRUE(AdminPasswords::Save(f.store, u"x"_s, u"nuvo"_s));
    EXPECT_EQ(LogIn(f.store, u"nuvo"_s).role, kDataAdmin);
}

TEST(AdminLogin, SamePasswordForBothRolesGivesTheSystemAdministrator)
{
    KoravFixture f;
    f.write(u"zamino.kvd"_s, PasswordFile(u"gleich"_s, u"gleich"_s));
    EXPECT_EQ(LogIn(f.store, u"gleich"_s).role, kSystemAdmin);
}

TEST(AdminLogin, StoredPasswordIsComparedOnItsFirstTenCharacters)
{
    KoravFixture f;
    f.write(u"zamino.kvd"_s, PasswordFile(u"abcdefghijk"_s, u"daten"_s));
    EXPECT_EQ(LogIn(f.store, u"abcdefghij"_s).role, kSystemAdmin);
    EXPECT_EQ(LogIn(f.store, u"abcdefghijk"_s).role, kSystemAdmin);
    EXPECT_EQ(LogIn(f.store, u"abcdefghi"_s).role, kNoRole);
}

TEST(AdminPasswords, SavingKeepsOtherLinesAndChangesInPlace)
{
    KoravFixture f;
    f.write(u"zamino.kvd"_s, kBom + "pumol=alt\r\nnotiz=1\r\n");
    ASSERT_TRUE(AdminPasswords::Save(f.store, u"s"_s, u"d"_s));
    EXPECT_EQ(f.read(u"zamino.kvd"_s),
        kBom
            + (u"pumol="_s + Inverted(u"d"_s) + u"\r\nnotiz=1\r\norvan="_s + Inverted(u"s"_s) + u"\r\n"_s)
                  .toUtf8());
}

struct ChangeCase {
    NewAdminPasswords entries;
    QString error;
    PasswordEntry focus;
    bool clearSystem;
    bool clearData;
};

class PasswordChange : public ::testing::TestWithParam<ChangeCase> { };

TEST_P(PasswordChange, ChecksInTheOrderTheUserMeetsThem)
{
    const PasswordCheck check = CheckNewAdminPasswords(GetParam().entries);
    EXPECT_EQ(check.errorText, GetParam().error);
    EXPECT_EQ(check.focus, GetParam().focus);
    EXPECT_EQ(check.clearSystem, GetParam().clearSystem);
    EXPECT_EQ(check.clearData, GetParam().clearData);
}

INSTANTIATE_TEST_SUITE_P(Cases, PasswordChange,
    ::testing::Values(ChangeCase { { u""_s, u""_s, u""_s, u""_s }, u"System-Admin : Eingabe Passwort fehlt"_s,
                          PasswordEntry::SystemRepeat, false, false },
        ChangeCase { { u"a"_s, u""_s, u""_s, u""_s }, u"System-Admin : Bestätigung Passwort fehlt"_s,
            PasswordEntry::SystemRepeat, false, false },
        ChangeCase { { u"a"_s, u"b"_s, u""_s, u""_s },
            u"System-Admin : Passwort und Bestätigung sind nicht gleich"_s, PasswordEntry::SystemNew, true,
            false },
        ChangeCase { { u"a"_s, u"a"_s, u""_s, u"x"_s }, u"Daten-Admin : Eingabe Passwort fehlt"_s,
            PasswordEntry::DataRepeat, false, false },
        ChangeCase { { u"a"_s, u"a"_s, u"d"_s, u""_s },
            u"Daten-Admin : Bestätigung neues Passwort Daten-Admin fehlt"_s, PasswordEntry::DataRepeat, false,
            false },
        ChangeCase { { u"a"_s, u"a"_s, u"d"_s, u"e"_s },
            u"Daten-Admin : Passwort und Bestätigung sind nicht gleich"_s, PasswordEntry::DataNew, false,
            true },
        ChangeCase { { u"a€"_s, u"a€"_s, u"d"_s, u"d"_s },
            u"System-Admin : Das Zeichen '€' kann im Passwort nicht verwendet werden"_s,
            PasswordEntry::SystemNew, true, false },
        ChangeCase { { u"a"_s, u"a"_s, u"d"_s, u"d"_s }, u""_s, PasswordEntry::None, false, false }));

TEST(AdminPasswords, EveryStorablePasswordLogsInAfterSaving)
{
    KoravFixture f;
    const QString system = u"Grüße ß#="_s;
    ASSERT_TRUE(CheckNewAdminPasswords({ system, system, u"äöü"_s, u"äöü"_s }).ok());
    ASSERT_TRUE(AdminPasswords::Save(f.store, system, u"äöü"_s));
    EXPECT_EQ(LogIn(f.store, system).role, kSystemAdmin);
    EXPECT_EQ(LogIn(f.store, u"äöü"_s).role, kDataAdmin);
}
