#include "common/ui/visual_style.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

using namespace Qt::StringLiterals;

std::optional<VisualStyle> VisualStyleFromName(const QString& name, const QString& greyName)
{
    if (name.compare(u"Windows"_s, Qt::CaseInsensitive) == 0)
        return VisualStyle::System;
    if (name.compare(greyName, Qt::CaseInsensitive) == 0)
        return VisualStyle::Grey;
    return std::nullopt;
}

QString VisualStyleName(VisualStyle style, const QString& greyName)
{
    return style == VisualStyle::System ? u"Windows"_s : greyName;
}

void ApplyVisualStyle(VisualStyle style)
{
    QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
    if (style == VisualStyle::System) {
        QApplication::setPalette(QApplication::style()->standardPalette());
        return;
    }
    QPalette grey;
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    grey.setColor(QPalette::WindowText, Qt::black);
    grey.setColor(QPalette::Base, QColor(236, 236, 236));
    grey.setColor(QPalette::AlternateBase, QColor(214, 214, 214));
    grey.setColor(QPalette::Button, QColor(200, 200, 200));
    grey.setColor(QPalette::ButtonText, Qt::black);
    grey.setColor(QPalette::Highlight, QColor(96, 96, 96));
    grey.setColor(QPalette::HighlightedText, Qt::white);
    QApplication::setPalette(grey);
}
