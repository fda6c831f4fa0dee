#pragma once

#include <QString>

class QPushButton;
class QWidget;

// Every control carries its object name: the tests and the style sheets find
// it by that name.
template <typename W> W* Named(W* widget, const QString& objectName)
{
    widget->setObjectName(objectName);
    return widget;
}

QPushButton* MakeButton(QWidget* parent, const QString& objectName, const QString& caption);
