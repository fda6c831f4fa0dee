#include "common/password_hash.h"
#include "tests/support/qt_printers.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

// RFC 7914, section 11: PBKDF2-HMAC-SHA256 of "passwd" with salt "salt" and
// one iteration, first 32 bytes.
TEST(PasswordHash, MatchesThePublishedVector)
{
    EXPECT_EQ(PasswordHash::Make(u"passwd"_s, "salt", 1),
        u"pbkdf2-sha256$1$73616c74$55ac046e56e3089fec1691c22544b605f94185216dde0465e68b9d57c20dacbc"_s);
}

TEST(PasswordHash, FindsTheLineOfTheRightPasswordOnly)
{
    const QByteArray salt = PasswordHash::NewSalt();
    ASSERT_EQ(salt.size(), 16);
    EXPECT_NE(PasswordHash::NewSalt(), salt);
    const QString erika = PasswordHash::Make(u"sommer"_s, salt, 1000);
    const QString max = PasswordHash::Make(u"winter"_s, salt, 1000);
    const StringList list({ u"msz4711=0"_s, erika + u"=4711#Erika#100#"_s, max + u"=4712#Max#50#"_s });
    EXPECT_EQ(PasswordHash::FindLine(list, u"sommer"_s), 1);
    EXPECT_EQ(PasswordHash::FindLine(list, u"winter"_s), 2);
    EXPECT_EQ(PasswordHash::FindLine(list, u"Sommer"_s), -1);
    EXPECT_EQ(PasswordHash::FindLine(list, u"msz4711"_s), -1);
    EXPECT_EQ(PasswordHash::FindLine(list, QString()), -1);
}

// A damaged or crafted key is no check value, so it matches nothing and
// cannot make the log-in compute for hours.
TEST(PasswordHash, MalformedCheckValuesAreRefused)
{
    const QString salt = u"00112233445566778899aabbccddeeff"_s;
    const QString hash = QString(64, u'a');
    const QString cases[] = {
        QString(),
        QString(u"pbkdf2-sha256$$"_s + salt + u'$' + hash),
        QString(u"pbkdf2-sha256$0$"_s + salt + u'$' + hash),
        QString(u"pbkdf2-sha256$2000001$"_s + salt + u'$' + hash),
        QString(u"pbkdf2-sha256$-5$"_s + salt + u'$' + hash),
        QString(u"pbkdf2-sha256$1000$"_s + salt.left(30) + u'$' + hash),
        QString(u"pbkdf2-sha256$1000$"_s + salt.toUpper() + u'$' + hash),
        QString(u"pbkdf2-sha256$1000$"_s + salt + u'$' + hash + u"$x"_s),
        QString(u"pbkdf2-sha256$1000$"_s + salt + u'$' + hash.left(63) + u'g'),
    };
    for (const QString& text : cases)
        EXPECT_FALSE(PasswordHash::Parse(text).has_value()) << text.toStdString();
    EXPECT_TRUE(PasswordHash::Parse(QString(u"pbkdf2-sha256$1000$"_s + salt + u'$' + hash)));
}

} // namespace
