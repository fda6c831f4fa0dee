#pragma once

#include "common/ui/named_widgets.h"

#include <QString>

class KoravHelpOpener;
class QLabel;
class QPushButton;
class QToolButton;
class QWidget;

// The status line of a window: dark red for errors, green for completed actions.
void ShowError(QLabel* label, const QString& text);
void ShowDone(QLabel* label, const QString& text);
QLabel* MakeStatusLabel(QWidget* parent, const QString& objectName);

// The help picture of a window, opening the help at its topic.
QToolButton* MakeHelpImage(QWidget* parent, KoravHelpOpener& help, int topic);
