#pragma once

#include "common/clock.h"
#include "korav/core/base_data_store.h"
#include "korav/core/korav_settings.h"
#include "korav/forms/help_window.h"
#include "korav/forms/korav_environment.h"
#include "korav/forms/main_form.h"
#include "tests/support/byte_order_mark.h"
#include "tests/support/qt_printers.h"
#include "tests/support/scripted_messenger.h"
#include "tests/support/temp_folder.h"

#include <QAction>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <gtest/gtest.h>
#include <memory>

// KORAV's main window on a temporary data folder; modal dialogs are not
// shown but handed to `onModal`, which plays the user.
struct KoravWindow : ::testing::Test {
    TempFolder tmp;
    ScriptedMessenger messenger;
    QtKoravSettings settings { tmp.path(QStringLiteral("settings.ini")) };
    BaseDataStore store { messenger };
    FixedClock clock { QDate(2024, 3, 1) };
    KoravHelpOpener help { store, tmp.path(QStringLiteral("appdata")), tmp.path(QStringLiteral("programm")) };
    KoravEnvironment environment { messenger, settings, store, clock, help,
        tmp.path(QStringLiteral("programm")) };
    std::function<void(QDialog&)> onModal;
    QStringList modals;
    std::unique_ptr<TMainForm> form;

    KoravWindow()
    {
        tmp.write(QStringLiteral("programm/.keep"), {});
        environment.runModal = [this](QDialog& dialog) {
            modals.append(dialog.objectName());
            if (onModal)
                onModal(dialog);
            return int(dialog.result());
        };
    }

    // A data folder with an employee list, remembered in the settings.
    QString makeDataFolder(const QString& name = QStringLiteral("daten"))
    {
        tmp.write(name + QStringLiteral("/zama.kvd"), kBom);
        settings.write(KoravSettings::kDirectory, tmp.path(name));
        return tmp.path(name);
    }

    void start(VisualStyle style = VisualStyle::System)
    {
        form = std::make_unique<TMainForm>(environment, style);
        form->FormShow();
    }

    void logIn(const QString& password)
    {
        edit(u"AdminPassMEdit")->setText(password);
        form->AnmeldenBtnClick();
    }

    // Controls of the main window itself, not of its dialogs.
    template <typename T> T* child(QStringView name) const
    {
        return form->centralWidget()->findChild<T*>(name.toString());
    }
    QPushButton* button(QStringView name) const { return child<QPushButton>(name); }
    QAction* action(QStringView name) const { return form->findChild<QAction*>(name.toString()); }
    // A menu entry's caption as shown, without the marker of its Alt letter.
    QString menuCaption(QStringView name) const
    {
        const QString text = action(name)->text();
        QString shown;
        for (qsizetype i = 0; i < text.size(); ++i) {
            if (text.at(i) == u'&' && i + 1 < text.size())
                ++i;
            shown.append(text.at(i));
        }
        return shown;
    }
    QLineEdit* edit(QStringView name) const { return child<QLineEdit>(name); }
    QLabel* label(QStringView name) const { return child<QLabel>(name); }
};
