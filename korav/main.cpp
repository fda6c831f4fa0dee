#include "common/clock.h"
#include "common/single_instance.h"
#include "common/start_checks.h"
#include "common/ui/dialog_messenger.h"
#include "common/ui/german_translations.h"
#include "common/ui/program_icons.h"
#include "common/ui/visual_style.h"
#include "common/ui/window_geometry.h"
#include "korav/cli/korav_command.h"
#include "korav/core/base_data_store.h"
#include "korav/core/korav_settings.h"
#include "korav/core/korav_start.h"
#include "korav/core/korav_version.h"
#include "korav/forms/help_window.h"
#include "korav/forms/korav_environment.h"
#include "korav/forms/main_form.h"

#include <QApplication>
#include <QStandardPaths>
#include <QTimer>

#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

VisualStyle StartStyle(const KoravSettings& settings, Messenger& messenger)
{
    if (!settings.readable()) {
        messenger.show(u"Registrierung kann nicht gelesen werden !  "_s);
        return VisualStyle::System;
    }
    const std::optional<QString> name = RememberedStyle(settings);
    const QString greyName = QString::fromUtf16(kGreyStyle);
    return name ? VisualStyleFromName(*name, greyName).value_or(VisualStyle::System) : VisualStyle::System;
}

bool AsksForVersion(int argc, char** argv)
{
    return argc == 2 && QString::fromLocal8Bit(argv[1]) == u"--version";
}

// The window needs a display, and says so in German where there is none.
bool DisplayMissing()
{
    if (StartChecks::DisplayAvailable())
        return false;
    std::fputs((StartChecks::NoDisplayText(u"KORAV"_s) + u'\n').toLocal8Bit().constData(), stderr);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Answered before the toolkit starts, so that none of these needs a display.
    if (AsksForVersion(argc, argv)) {
        std::fputs((u"KORAV "_s + QString::fromLatin1(kKoravVersionNumber) + u'\n').toLocal8Bit().constData(),
            stdout);
        return 0;
    }
    if (IsKoravCommandLine(argc, argv))
        return RunKoravCommandLine(argc, argv);
    if (DisplayMissing())
        return 1;
    QApplication app(argc, argv);
    const QString title = QString::fromUtf16(kApplicationTitle);
    QApplication::setApplicationName(title);
    QApplication::setWindowIcon(KoravIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    LoadGermanTranslations(app);
    DialogMessenger messenger(title);

    SingleInstance instance(title, QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (!instance.tryAcquire()) {
        if (!instance.callRunning())
            messenger.systemMessage(u" KORAV läuft bereits  "_s);
        return 0;
    }

    QtKoravSettings settings;
    const VisualStyle style = StartStyle(settings, messenger);
    ApplyVisualStyle(style);

    SystemClock clock;
    BaseDataStore store(messenger);
    KoravHelpOpener help(store, QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation),
        QCoreApplication::applicationDirPath());
    KoravEnvironment environment { messenger, settings, store, clock, help,
        QCoreApplication::applicationDirPath() };
    TMainForm mainForm(environment, style);
    RestoreWindowGeometry(&mainForm, title);
    QObject::connect(&mainForm, &TMainForm::programEnd, &app,
        [&mainForm, title] { SaveWindowGeometry(&mainForm, title); });
    QObject::connect(&mainForm, &TMainForm::programEnd, &app, &QApplication::quit, Qt::QueuedConnection);
    QObject::connect(
        &instance, &SingleInstance::startedAgain, &mainForm, [&mainForm] { BringToFront(mainForm); });
    mainForm.show();
    // ZE_SCREENSHOT=FILE saves the shown main window as a picture and ends;
    // scripts/screenshots.sh makes the README's pictures with it.
    if (const QString picture = qEnvironmentVariable("ZE_SCREENSHOT"); !picture.isEmpty())
        QTimer::singleShot(1500, &mainForm,
            [&mainForm, picture] { QApplication::exit(mainForm.grab().save(picture) ? 0 : 1); });
    return QApplication::exec();
}
