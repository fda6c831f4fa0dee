#include "common/clock.h"
#include "common/single_instance.h"
#include "common/start_checks.h"
#include "common/ui/dialog_messenger.h"
#include "common/ui/german_translations.h"
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

// "--version" needs no display; the window needs one, and says so in German.
std::optional<int> EndBeforeWindow(int argc, char** argv)
{
    if (argc == 2 && QString::fromLocal8Bit(argv[1]) == u"--version") {
        std::fputs((u"KORAV "_s + QString::fromLatin1(kKoravVersionNumber) + u'\n').toLocal8Bit().constData(),
            stdout);
        return 0;
    }
    if (StartChecks::DisplayAvailable())
        return std::nullopt;
    std::fputs((StartChecks::NoDisplayText(u"KORAV"_s) + u'\n').toLocal8Bit().constData(), stderr);
    return 1;
}

} // namespace

int main(int argc, char** argv)
{
    if (IsKoravCommandLine(argc, argv))
        return RunKoravCommandLine(argc, argv);
    if (const std::optional<int> code = EndBeforeWindow(argc, argv))
        return *code;
    QApplication app(argc, argv);
    const QString title = QString::fromUtf16(kApplicationTitle);
    QApplication::setApplicationName(title);
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
    QObject::connect(&mainForm, &TMainForm::programEnd, &app, &QApplication::quit, Qt::QueuedConnection);
    QObject::connect(
        &instance, &SingleInstance::startedAgain, &mainForm, [&mainForm] { BringToFront(mainForm); });
    mainForm.show();
    return QApplication::exec();
}
