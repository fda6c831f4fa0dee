#include "common/clock.h"
#include "common/data_file_codec.h"
#include "common/single_instance.h"
#include "common/start_checks.h"
#include "common/ui/dialog_messenger.h"
#include "common/ui/german_translations.h"
#include "common/ui/program_icons.h"
#include "common/ui/visual_style.h"
#include "common/ui/window_geometry.h"
#include "pelin/core/pelin_version.h"
#include "pelin/core/style_setting.h"
#include "pelin/forms/main_form.h"

#include <QApplication>
#include <QSettings>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

QStringList ArgumentsOf(int argc, char** argv)
{
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments.append(QString::fromLocal8Bit(argv[i]));
    return arguments;
}

QString Usage()
{
    return u"Aufruf: pelin [--help | --version]\n"
           u"  Zeiterfassung für Mitarbeiter; ohne Angaben öffnet sich das Programmfenster.\n"
           u"  --help     diese Hilfe anzeigen\n"
           u"  --version  die Programmversion anzeigen\n"_s;
}

// Answers "--help" and "--version", or refuses a start without display;
// nothing when the window is to open.
std::optional<int> EndBeforeWindow(int argc, char** argv)
{
    const QString version = u"PELIN "_s + QString::fromLatin1(kPelinFileVersion) + u'\n';
    if (const auto answer = StartChecks::AnswerOnly(ArgumentsOf(argc, argv), Usage(), version)) {
        std::fputs(answer->toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (StartChecks::DisplayAvailable())
        return std::nullopt;
    std::fputs((StartChecks::NoDisplayText(u"PELIN"_s) + u'\n').toLocal8Bit().constData(), stderr);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (const std::optional<int> code = EndBeforeWindow(argc, argv))
        return *code;
    QApplication app(argc, argv);
    QApplication::setApplicationName(u"PELIN"_s);
    QApplication::setWindowIcon(PelinIcon());
    LoadGermanTranslations(app);
    DialogMessenger messenger(u"PELIN"_s);

    SingleInstance instance(u"PELIN"_s, QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (!instance.tryAcquire()) {
        if (!instance.callRunning())
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
    QObject::connect(
        &instance, &SingleInstance::startedAgain, &mainForm, [&mainForm] { BringToFront(mainForm); });
    RestoreWindowGeometry(&mainForm, u"PELIN"_s);
    mainForm.show();
    // ZE_SCREENSHOT=FILE saves the shown main window as a picture and ends;
    // scripts/screenshots.sh makes the README's pictures with it.
    if (const QString picture = qEnvironmentVariable("ZE_SCREENSHOT"); !picture.isEmpty())
        QTimer::singleShot(1500, &mainForm,
            [&mainForm, picture] { QApplication::exit(mainForm.grab().save(picture) ? 0 : 1); });
    const int code = QApplication::exec();
    SaveWindowGeometry(&mainForm, u"PELIN"_s);
    return code;
}
