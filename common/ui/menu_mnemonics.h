#pragma once

class QAction;
class QMenu;
class QString;

// Alt letters for menu entries whose captions are shared with buttons and
// therefore carry none: each entry gets a letter of its caption that no
// other entry of its menu uses. Entries that bring their own keep it.
void AssignMenuMnemonics(QMenu* menu);
// A new caption for an entry of such a menu: it keeps its letter where the
// caption still holds it, so that the key a user learnt stays the same.
void SetMenuEntryCaption(QAction* entry, const QString& caption);
