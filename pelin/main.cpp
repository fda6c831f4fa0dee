#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/single_instance.h"
#include "common/ui/dialog_messenger.h"
#include "common/ui/german_translations.h"
#include "common/ui/program_icons.h"
#include "common/ui/visual_style.h"
#include "pelin/core/pelin_version.h"
#include "pelin/core/style_setting.h"
#include "pelin/forms/main_form.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>
#include <cstring>

using namespace Qt::StringLiterals;

int main(int argc, char** argv)
{
    // Answered before the toolkit starts, so it works without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("PELIN %s\n", kPelinFileVersion);
        return 0;
    }
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"PELIN"_s);
    QApplication::setWindowIcon(PelinIcon());
    LoadGermanTranslations(app);
    DialogMessenger messenger(u"PELIN"_s);

    SingleInstance instance(u"PELIN"_s, QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (!instance.tryAcquire()) {
        messenger.systemMessage(u" PELIN läuft bereits "_s);
        return 0;
    }

    QSettings settings(u"ruvo"_s, u"pelin"_s);
    const QString greyName = QString::fromUtf16(StyleSetting::kGreyName);
    const VisualStyle style = VisualStyleFromName(StyleSetting::Read(settings, messenger), greyName)
                                  .value_or(VisualStyle::System);
    ApplyVisualStyle(style);

    SystemClock clock;
    DataFileCodec codec(CodecProgram::Pelin, messenger);
    PelinEnvironment environment { messenger, codec, clock, settings, QCoreApplication::applicationDirPath(),
        QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QStandardPaths::writableLocation(QStandardPaths::DesktopLocation), QCoreApplication::arguments() };
    TMainForm mainForm(environment, style);
    QObject::connect(&mainForm, &TMainForm::programEnd, &app, &QApplication::quit, Qt::QueuedConnection);
    mainForm.show();
    // ZE_SCREENSHOT=FILE saves the shown main window as a picture and ends;
    // scripts/screenshots.sh makes the README's pictures with it.
    if (const QString picture = qEnvironmentVariable("ZE_SCREENSHOT"); !picture.isEmpty())
        QTimer::singleShot(1500, &mainForm,
            [&mainForm, picture] { QApplication::exit(mainForm.grab().save(picture) ? 0 : 1); });
    return QApplication::exec();
}
