#include "common/clock.h"
#include "common/single_instance.h"
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
#include <cstring>

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

} // namespace

int main(int argc, char** argv)
{
    // Answered before the toolkit starts, so it works without a display.
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::printf("KORAV %s\n", kKoravVersionNumber);
        return 0;
    }
    if (IsKoravCommandLine(argc, argv))
        return RunKoravCommandLine(argc, argv);
    QApplication app(argc, argv);
    const QString title = QString::fromUtf16(kApplicationTitle);
    QApplication::setApplicationName(title);
    QApplication::setWindowIcon(KoravIcon());
    QApplication::setQuitOnLastWindowClosed(false);
    LoadGermanTranslations(app);
    DialogMessenger messenger(title);

    SingleInstance instance(title, QStandardPaths::writableLocation(QStandardPaths::RuntimeLocation));
    if (!instance.tryAcquire()) {
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
    mainForm.show();
    // ZE_SCREENSHOT=FILE saves the shown main window as a picture and ends;
    // scripts/screenshots.sh makes the README's pictures with it.
    if (const QString picture = qEnvironmentVariable("ZE_SCREENSHOT"); !picture.isEmpty())
        QTimer::singleShot(1500, &mainForm,
            [&mainForm, picture] { QApplication::exit(mainForm.grab().save(picture) ? 0 : 1); });
    return QApplication::exec();
}
