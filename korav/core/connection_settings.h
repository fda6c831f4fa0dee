#pragma once

#include "common/string_list.h"
#include "common/transfer_settings.h"

class BaseDataStore;

// What the connection dialog edits: the two exchange folders, the FTP
// server with the choice of FTP for the exchange, and the directory server.
struct ConnectionFields {
    QString programFolder;
    QString timeFolder;
    QString ftpServer = QStringLiteral(" ");
    QString ftpUser;
    QString ftpPassword;
    QString ftpFolder;
    bool ftpActive = false;
    QString ldapServer;
    QString ldapPort;
    QString ldapDn1;
    QString ldapDn2;
    bool ldapActive = false;
    bool ldapStartTls = false;
    // The certificate trusted for both servers: the copy in the program
    // folder, or a file just chosen; empty for the system's CA store.
    QString certificate;
    bool passwordCheckValues = false;

    bool operator==(const ConnectionFields&) const = default;
};

// The lines of "zconfig.kvd" as the connection settings hold them for the
// whole run, with their loader and writer. Every other writer's lines
// survive a save.
class ConnectionSettings {
public:
    static constexpr char16_t kFtpServer[] = u"syftpserver";
    static constexpr char16_t kFtpUser[] = u"syftpbenutzer";
    static constexpr char16_t kFtpPassword[] = u"syftppw";
    static constexpr char16_t kFtpFolder[] = u"syftpordner";
    static constexpr char16_t kLanActive[] = u"LAN_aktiv";
    static constexpr char16_t kLdapServer[] = u"ldapserver";
    static constexpr char16_t kLdapPort[] = u"ldapport";
    static constexpr char16_t kLdapDn1[] = u"ldapdn1";
    static constexpr char16_t kLdapDn2[] = u"ldapdn2";
    static constexpr char16_t kLdapActive[] = u"ldap_cbox_aktiviert";
    static constexpr char16_t kLdapStartTls[] = u"ldap_starttls";

    explicit ConnectionSettings(const BaseDataStore& store) : store_(store) { }

    const StringList& lines() const { return lines_; }
    ConnectionFields& fields() { return fields_; }
    const ConnectionFields& fields() const { return fields_; }
    bool isLoaded() const { return loaded_; }

    // Reloads the lines and the fields. A missing folder line gets the "prog"
    // or "zeit" subfolder of the data folder, created when missing; then
    // the settings are saved and true is returned, so that the caller
    // rechecks the base data.
    bool load();
    // Writes the fields into the lines and saves "zconfig.kvd".
    bool saveFields();
    // Sets "update_nummer" and saves.
    bool saveUpdateNumber(const QString& number);

    // The FTP server of the fields; "host:port" reaches a server off port 21.
    FtpSettings ftpSettings() const;
    // Copies a newly chosen certificate into the program folder and the data
    // folder, or removes the copies when the field was emptied; the field
    // then names the copy in the program folder.
    bool saveCertificate();
    DirectorySettings directorySettings() const;

private:
    void fieldsFromLines();
    QString defaultFolder(QStringView name, const QString& failure) const;
    void setOrRemove(QStringView key, const QString& value);
    bool copyCertificate();

    const BaseDataStore& store_;
    StringList lines_;
    ConnectionFields fields_;
    bool loaded_ = false;
};

// The server settings of fields that may not be saved yet.
FtpSettings FtpSettingsOf(const ConnectionFields& fields);
DirectorySettings DirectorySettingsOf(const ConnectionFields& fields);
