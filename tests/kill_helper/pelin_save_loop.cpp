// Logs in as one employee of a provided firm and saves the month in a loop,
// changing one day each time, until it is killed: the PELIN side of the
// kill test. Arguments: program folder, documents folder, desktop folder,
// log-in name.
#include "common/data_file_codec.h"
#include "common/stream_messenger.h"
#include "pelin/core/login_session.h"
#include "pelin/core/pelin_config.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>

#include <cstdio>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() != 5)
        return 2;
    StreamMessenger messenger(stderr);
    DataFileCodec codec(CodecProgram::Pelin, messenger);
    StringList cfg;
    codec.LoadDataFile(QDir(args.at(1)).filePath(u"pelin.cfg"_s), cfg);
    const QDate today(2023, 3, 15);
    LoginSession session(LoginSettingsFrom(ParsePelinConfig(cfg), args.at(1), false),
        UserFolders { args.at(2), args.at(3) }, messenger, today, codec, [](int) {});
    if (!session.login(args.at(4), {}).loggedIn)
        return 1;
    std::fputs("angemeldet\n", stdout);
    std::fflush(stdout);
    for (int run = 0;; ++run) {
        LoginState& state = session.state();
        state.currentMonth.storeDay(14, { {}, u"08"_s, u"00"_s, u"16"_s, u"30"_s, u"Lauf%1"_s.arg(run) },
            { { u"20230315"_s, u"00800"_s, u"P100"_s } }, today);
        state.changes.dataChanged();
        if (!session.saveAndUpload())
            return 1;
    }
}
