#include "korav/core/connection_settings.h"

#include "common/file_store.h"
#include "common/ftp_address.h"
#include "common/messenger.h"
#include "common/trusted_certificate.h"
#include "korav/core/base_data_store.h"
#include "korav/core/korav_config.h"
#include "korav/core/password_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using namespace Qt::StringLiterals;

namespace {

QString Key(const char16_t* key)
{
    return QString::fromUtf16(key);
}

bool IsOne(const StringList& lines, QStringView key)
{
    return lines.value(key).trimmed() == u"1"_s;
}

} // namespace

FtpSettings FtpSettingsOf(const ConnectionFields& f)
{
    FtpSettings ftp = FtpSettingsFor(f.ftpServer, f.ftpUser, f.ftpPassword, f.ftpFolder);
    ftp.caFile = f.certificate;
    return ftp;
}

DirectorySettings DirectorySettingsOf(const ConnectionFields& f)
{
    return { f.ldapServer, f.ldapPort, f.ldapDn1, f.ldapDn2, f.ldapStartTls, f.certificate };
}

bool ConnectionSettings::load()
{
    lines_ = store_.load(KoravFile::kConfig);
    loaded_ = true;
    fieldsFromLines();
    // A backup folder is shown, never written to.
    if (store_.isBackupFolder())
        return false;
    bool defaults = false;
    if (fields_.programFolder.isEmpty()) {
        fields_.programFolder
            = defaultFolder(u"prog", u"Ordner für Programm-Datei konnte nicht erstellt werden!"_s);
        defaults = true;
    }
    if (fields_.timeFolder.isEmpty()) {
        fields_.timeFolder
            = defaultFolder(u"zeit", u"Ordner für Arbeitszeit-Dateien konnte nicht erstellt werden!"_s);
        defaults = true;
    }
    if (defaults)
        saveFields();
    return defaults;
}

void ConnectionSettings::fieldsFromLines()
{
    ConnectionFields& f = fields_;
    f.programFolder = lines_.value(KoravConfig::kProgramFolder);
    f.timeFolder = lines_.value(KoravConfig::kTimeFolder);
    if (lines_.hasKey(kFtpServer))
        f.ftpServer = lines_.value(kFtpServer).left(60);
    f.ftpUser = lines_.value(kFtpUser).left(60);
    f.ftpPassword = lines_.value(kFtpPassword).left(20);
    f.ftpFolder = lines_.value(kFtpFolder).left(60);
    f.ftpActive = lines_.hasKey(kLanActive) && lines_.value(kLanActive).trimmed() == u"0"_s;
    f.ldapServer = lines_.value(kLdapServer).left(60);
    f.ldapPort = lines_.value(kLdapPort).left(60);
    f.ldapDn1 = lines_.value(kLdapDn1).left(40);
    f.ldapDn2 = lines_.value(kLdapDn2).left(10);
    f.ldapActive = IsOne(lines_, kLdapActive);
    f.ldapStartTls = IsOne(lines_, kLdapStartTls);
    f.certificate = TrustedCertificate::FoundIn({ f.programFolder });
    f.passwordCheckValues = PasswordCheck::IsOn(store_);
}

// "%sprog" and "%szeit": one level below the data folder.
QString ConnectionSettings::defaultFolder(QStringView name, const QString& failure) const
{
    const DataFolder& data = store_.folder();
    if (!data.isSet())
        return {};
    const QString folder = data.path(name);
    if (QFileInfo(folder).isDir() || QDir().mkdir(folder))
        return folder;
    store_.messenger().show(failure);
    return {};
}

void ConnectionSettings::setOrRemove(QStringView key, const QString& value)
{
    const qsizetype i = lines_.indexOfKey(key);
    const bool empty = value.trimmed().isEmpty();
    if (i >= 0 && empty)
        lines_.removeAt(i);
    else if (!empty)
        lines_.setValue(key.toString(), value);
}

bool ConnectionSettings::saveFields()
{
    const ConnectionFields& f = fields_;
    setOrRemove(KoravConfig::kProgramFolder, f.programFolder);
    setOrRemove(KoravConfig::kTimeFolder, f.timeFolder);
    setOrRemove(kFtpServer, f.ftpServer);
    setOrRemove(kFtpUser, f.ftpUser);
    setOrRemove(kFtpPassword, f.ftpPassword);
    setOrRemove(kFtpFolder, f.ftpFolder);
    setOrRemove(kLanActive, f.ftpActive ? u"0"_s : QString());
    setOrRemove(kLdapServer, f.ldapServer);
    setOrRemove(kLdapPort, f.ldapPort);
    setOrRemove(kLdapDn1, f.ldapDn1);
    setOrRemove(kLdapDn2, f.ldapDn2);
    setOrRemove(kLdapActive, f.ldapActive ? u"1"_s : QString());
    setOrRemove(kLdapStartTls, f.ldapStartTls ? u"1"_s : QString());
    return store_.save(KoravFile::kConfig, lines_);
}

bool ConnectionSettings::saveUpdateNumber(const QString& number)
{
    if (!number.isEmpty())
        lines_.setValue(Key(KoravConfig::kUpdateNumber), number);
    return store_.save(KoravFile::kConfig, lines_);
}

FtpSettings ConnectionSettings::ftpSettings() const
{
    return FtpSettingsOf(fields_);
}

DirectorySettings ConnectionSettings::directorySettings() const
{
    return DirectorySettingsOf(fields_);
}

// The copy in the data folder goes into the update package, for PELINs
// installed away from the program folder.
bool ConnectionSettings::saveCertificate()
{
    if (!copyCertificate())
        return false;
    const QString packed = store_.folder().path(TrustedCertificate::kFileName);
    const bool saved = fields_.certificate.isEmpty() ? !QFileInfo::exists(packed) || QFile::remove(packed)
                                                     : FileStore::CopyFile(fields_.certificate, packed);
    if (!saved)
        store_.messenger().show(u"Die Zertifikatsdatei konnte im KORAV-Ordner nicht gespeichert werden!"_s);
    return saved;
}

bool ConnectionSettings::copyCertificate()
{
    const QString copy = TrustedCertificate::PathIn(fields_.programFolder);
    if (fields_.certificate == copy || fields_.programFolder.isEmpty())
        return true;
    // A relocation of the program folder has moved the copy along.
    const bool moved = !QFileInfo::exists(fields_.certificate) && QFileInfo::exists(copy);
    if (fields_.certificate.isEmpty()) {
        if (!QFileInfo::exists(copy) || QFile::remove(copy))
            return true;
    } else if (moved || FileStore::CopyFile(fields_.certificate, copy)) {
        fields_.certificate = copy;
        return true;
    }
    store_.messenger().show(u"Die Zertifikatsdatei konnte im Programm-Ordner nicht gespeichert werden!"_s);
    return false;
}
