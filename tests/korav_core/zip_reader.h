#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QList>
#include <QString>

// An archive read back through minizip's reader, entry by entry.
struct ZipEntry {
    QString name;
    QByteArray data;
    int method = -1;
    QDateTime dosTime;
    unsigned long externalAttributes = 0;
    unsigned long versionMadeBy = 0;
    quint64 uncompressedSize = 0;
    bool hasExtraOrComment = false;
};

struct ZipContent {
    bool opened = false;
    bool hasComment = false;
    QList<ZipEntry> entries;
    QStringList names() const;
};

ZipContent ReadZip(const QString& path);

// Runs `unzip` with the arguments; returns its exit code and output.
int RunUnzip(const QStringList& arguments, QString* output = nullptr);
