#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <functional>

// Result codes of CreateArchive: 0 for success, else the code of the first
// failure; the 200s are the codes of the step messages.
enum ZipCode : int {
    kZipOk = 0,
    kZipOpenArchiveFailed = 100,
    kZipOpenEntryFailed = 101,
    kZipOpenSourceFailed = 102,
    kZipReadFailed = 103,
    kZipWriteFailed = 104,
    kZipCloseEntryFailed = 105,
    kZipCloseArchiveFailed = 106,
    kZipAddingFile = 200,
    kZipOpeningArchive = 201,
    kZipDone = 202,
};

// Packs files into one ZIP archive (deflate, or stored at level 0) and tells
// its caller every step, every failure and the progress through its hooks.
class TZipObj {
public:
    TZipObj();

    std::function<void(const QString& text, int code)> OnZipMessage;
    std::function<void(int percent)> OnFileProgress;
    std::function<void(int percent)> OnArchiveProgress;

    // The text of a message with its placeholders filled in order.
    QString messageText(int code, const QStringList& args) const;

    // Files that do not exist and the archive itself are removed from the
    // list. Entry names are relative to the common folder of all files.
    int CreateArchive(QStringList& files, const QString& archive, int level);

private:
    QMap<int, QString> messages_;
};
