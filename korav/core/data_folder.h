#pragma once

#include <QString>

// The names of the data folder's files, in one place.
namespace KoravFile {
inline constexpr char16_t kEmployeeList[] = u"zama.kvd";
inline constexpr char16_t kMasterData[] = u"zamasta.kvd";
inline constexpr char16_t kTargetRecords[] = u"zmszsatz.kvd";
inline constexpr char16_t kProjects[] = u"zprojekte.kvd";
inline constexpr char16_t kOtherActivities[] = u"zsonstige.kvd";
inline constexpr char16_t kHourlyRates[] = u"zmasatz.kvd";
inline constexpr char16_t kConfig[] = u"zconfig.kvd";
inline constexpr char16_t kPasswords[] = u"zamino.kvd";
inline constexpr char16_t kKoravState[] = u"korav_cfg.kvd";
inline constexpr char16_t kBackupSettings[] = u"zbackup.kvd";
inline constexpr char16_t kBackupLock[] = u"~zbackup.kvd";
inline constexpr char16_t kPelinEmployees[] = u"dama.kvd";
inline constexpr char16_t kPelinActivities[] = u"dprojekte.kvd";
inline constexpr char16_t kPelinConfig[] = u"pelin.cfg";
inline constexpr char16_t kUploadMarker[] = u"uplstemp_pel.kvd";
inline constexpr char16_t kCollectionStamps[] = u"landatum.kv2";
inline constexpr char16_t kHelp[] = u"pelin_help.zip";
// The employee program as the platform names it.
QString PelinProgram();
// The installer of the update package, beside the program.
QString PelinInstaller();
// "zmonsoll" + four-digit year + ".kvd"
QString YearTargets(int year);
} // namespace KoravFile

// KORAV's data folder, held with a trailing separator; every path of its
// files is built here.
class DataFolder {
public:
    DataFolder() = default;
    // Accepts the folder with or without a trailing separator.
    explicit DataFolder(const QString& folder);

    bool isSet() const { return !root_.isEmpty(); }
    // With the trailing separator, or empty when no folder is chosen.
    const QString& root() const { return root_; }
    // Without the trailing separator.
    QString folder() const;
    QString path(QStringView fileName) const { return root_ + fileName; }
    // A backup copy of a data folder is shown but never written to.
    bool isBackupFolder() const;

private:
    QString root_;
};

// The last path component is "terminbkp" followed by exactly one character.
bool IsBackupFolderPath(QStringView folder);
QString WithoutTrailingSeparator(QString folder);
