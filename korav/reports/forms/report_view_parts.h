#pragma once

#include <QStringList>

class QComboBox;
class QPlainTextEdit;

// Every entry of a selection list, in its order: what the reports are asked
// for when "00-Alle" is chosen.
QStringList ComboItems(const QComboBox& box);

// The report as shown, one line each; none when nothing is shown.
QStringList ShownLines(const QPlainTextEdit& view);
