#pragma once

#include "common/month_list.h"

#include <QString>

class Messenger;
class Transfer;

// How a month of the session stands towards its central copy.
struct MonthLink {
    // False when the central copy could not be read and compared in this
    // session: the month's changes then stay in the personal folder.
    bool uploadAllowed = true;
    // Fingerprint of the central copy the local copy builds on.
    QString base;
};

// Keeps the local copies of the month files and their central copies in
// step without ever replacing one side's records unseen: a local copy with
// changes not yet uploaded is marked, never overwritten by a download, and
// uploaded first at the next log-in, after taking in what others saved
// centrally in the meantime.
class MonthSync {
public:
    MonthSync(Transfer& transfer, Messenger& messenger, QString folder);

    // At log-in, before the month is loaded from the personal folder.
    MonthLink fetch(const MonthList& month);
    // Before the uploads of a save: what fails from here on is uploaded by
    // a later session.
    bool markPending(const MonthList& month, const MonthLink& link);
    // The month's upload; the mark goes only when it arrived.
    bool upload(const MonthList& month, MonthLink& link);
    // Tells the user that a month the session could not compare with its
    // central copy was saved in the personal folder only.
    void reportKeptLocally(const MonthList& month);

    static QString CentralCopyName(const QString& fileName, const QString& stamp);

private:
    MonthLink adopt(const MonthList& month, const QString& incoming, bool arrived);
    MonthLink uploadPending(const MonthList& month, const QString& centralPrint);
    MonthLink merge(const MonthList& month, const QString& incoming, const QByteArray& central,
        const QString& centralPrint);
    MonthLink keepBoth(const MonthList& month, const QString& incoming, const QString& centralPrint);
    QString keptCentralCopy(const QString& fileName, const QString& incoming, const QString& centralPrint);
    MonthLink unavailable(const MonthList& month, const QString& base);
    QString path(const QString& fileName) const;

    Transfer& transfer_;
    Messenger& messenger_;
    QString folder_;
};
