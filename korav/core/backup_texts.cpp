#include "korav/core/backup_texts.h"

#include "common/fixed_width.h"
#include "common/number_parse.h"

using namespace Qt::StringLiterals;

namespace {

QString CountsAndFolder(const QDateTime& at, int copied, int examined, int folderIndex)
{
    return u" - "_s + FixedWidth::TwoDigits(at.time().hour()) + u':'
        + FixedWidth::TwoDigits(at.time().minute()) + u" - kop."_s + u"%1"_s.arg(copied, 4) + u" / ges."_s
        + u"%1"_s.arg(examined, 4) + u" Dateien - in Ordner  ..\\terminbkp"_s + QString::number(folderIndex);
}

int Field(const QString& text, qsizetype from, qsizetype length)
{
    return ParseDecimalInt(QStringView(text).mid(from, length));
}

} // namespace

QString LastBackupText(const QDateTime& at, int copied, int examined, int folderIndex)
{
    const QDate day = at.date();
    return u' ' + FixedWidth::TwoDigits(day.day()) + u'.' + FixedWidth::TwoDigits(day.month()) + u'.'
        + FixedWidth::FourDigits(day.year()) + CountsAndFolder(at, copied, examined, folderIndex);
}

QString BackupLogLine(const QDateTime& at, int copied, int examined, int folderIndex)
{
    const QDate day = at.date();
    return u' ' + FixedWidth::FourDigits(day.year()) + u'.' + FixedWidth::TwoDigits(day.month()) + u'.'
        + FixedWidth::TwoDigits(day.day()) + CountsAndFolder(at, copied, examined, folderIndex);
}

QString BackupListLine(const QString& logLine)
{
    if (logLine.size() < 11)
        return logLine;
    const QStringView date = QStringView(logLine).mid(1, 10);
    return logLine.left(1) + date.mid(8, 2) + u'.' + date.mid(5, 2) + u'.' + date.mid(0, 4) + logLine.mid(11);
}

QString BeforeRestoreLogLine(int sourceIndex)
{
    return u"vor Wiederherstellung aus terminbkp%1"_s.arg(sourceIndex);
}

bool IsBeforeRestoreLogLine(const QString& line)
{
    return line.startsWith(u"vor Wiederherstellung"_s);
}

LastBackup ParseLastBackup(const QString& text, int folderCount)
{
    LastBackup last;
    if (text.isEmpty()) {
        last.folderIndex = folderCount;
        return last;
    }
    last.date = Field(text, 7, 4) * 10000 + Field(text, 4, 2) * 100 + Field(text, 1, 2);
    last.hour = Field(text, 14, 2);
    last.minute = Field(text, 17, 2);
    last.folderIndex = Field(text, text.size() - 1, 1);
    return last;
}

int NextFolderIndex(int lastIndex, int folderCount)
{
    return lastIndex < folderCount ? lastIndex + 1 : 1;
}
