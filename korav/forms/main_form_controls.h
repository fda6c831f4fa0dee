#pragma once

#include <QList>
#include <QString>

// One button of the main window with its menu item.
struct MainControl {
    const char16_t* button;
    const char16_t* caption;
    const char16_t* menuItem;
    const char16_t* menuCaption; // null when the menu item shows the button's caption
    int group;
};

enum MainGroup : int { kSetUpGroup, kAdministerGroup, kCheckGroup, kReportGroup };

// Every button and menu item that only an administrator may use.
const QList<MainControl>& MainControls();
// What the data administrator may not use.
const QList<QString>& DataAdminLockedNames();
