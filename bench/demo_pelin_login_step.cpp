// PELIN from the demo firm's program folder: reads "pelin.cfg", logs the
// employee in (fetching the base data and the month files) and computes the
// values of the shown month, which the first day shown needs.
#include "common/data_file_codec.h"
#include "common/stream_messenger.h"
#include "common/working_time.h"
#include "pelin/core/login_session.h"
#include "pelin/core/pelin_config.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    if (argc != 4)
        return 2;
    const QString programFolder = QString::fromLocal8Bit(argv[1]);
    StreamMessenger messenger(stderr);
    DataFileCodec codec(CodecProgram::Pelin, messenger);
    StringList cfg;
    codec.LoadDataFile(QDir(programFolder).filePath(QStringLiteral("pelin.cfg")), cfg);
    const QString documents = QString::fromLocal8Bit(argv[3]);
    LoginSession session(LoginSettingsFrom(ParsePelinConfig(cfg), programFolder, false),
        UserFolders { documents, documents }, messenger, QDate::currentDate(), codec, [](int) {});
    if (!session.login(QString::fromLocal8Bit(argv[2]), {}).loggedIn)
        return 1;
    QList<DayWork> days;
    const MonthList& month = session.state().previousMonth;
    for (int day = 1; day <= 31; ++day) {
        const MonthList::Day content = month.readDay(day);
        DayWork record;
        if (content.record)
            record.times = DayTimes::FromFields(content.record->comeHour, content.record->comeMinute,
                content.record->goHour, content.record->goMinute);
        for (const MonthFile::ActivityEntryText& entry : content.entries)
            record.entries.append({ entry.activity, entry.minutes() });
        days.append(record);
    }
    const MonthValues values = ComputeMonthValues(days, PauseActivities(session.state().activityList), 0);
    return values.attendance > 0 ? 0 : 1;
}
