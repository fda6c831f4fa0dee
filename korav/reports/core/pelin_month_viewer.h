#pragma once

#include "common/month_overview.h"
#include "common/string_list.h"
#include "korav/reports/core/employee_directory.h"

#include <QDate>
#include <QString>
#include <QStringList>

#include <functional>

class Clock;
class DataFileCodec;
class Messenger;

// An employee's collected PELIN month shown as the employee sees it in
// PELIN's monthly overview. The collected file is only read.
class PelinMonthViewer {
public:
    enum class Result { Missing, Empty, Built };
    using FileChooser = std::function<QString(const QString& title, const QString& proposedName)>;

    PelinMonthViewer(
        QString dataRoot, Messenger& messenger, DataFileCodec& codec, const Clock& clock, QDate startDate);

    void Open();
    const EmployeeDirectory& directory() const { return directory_; }

    // Nothing chosen gives a message and false, a name without personnel
    // number just false. A missing or empty month leaves the report empty.
    bool Show(const QString& name, int month, int year);
    void Clear();
    const QStringList& head() const { return head_; }
    const QStringList& body() const { return body_; }

    bool SaveText(const FileChooser& choose);

    static QStringList EmptyHead();

private:
    Result Build(const QString& personnelNumber);
    QString monthFolder() const;

    QString dataRoot_;
    Messenger& messenger_;
    DataFileCodec& codec_;
    const Clock& clock_;
    QDate startDate_;
    EmployeeDirectory directory_;
    StringList descriptions_;
    QString name_;
    int month_ = 0;
    int year_ = 0;
    QStringList head_;
    QStringList body_;
};

// "Monatsübersicht_Ma_%s_%2.2i_%4.4i__%2.2i%2.2i%4.4i_%2.2ih%2.2i.txt",
// every blank turned into "_".
QString PelinViewFileName(const QString& name, int month, int year, QDate startDate, QTime now);
// "%2.2d.%2.2d.%4.4d %2.2d:%2.2d" of the file's last write in local time,
// "n.vorh." when that cannot be read.
QString FileStandText(const QString& path);
