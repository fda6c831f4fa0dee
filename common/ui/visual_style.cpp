#include "common/ui/visual_style.h"

#include <QApplication>
#include <QPalette>
#include <QStyle>
#include <QStyleFactory>

using namespace Qt::StringLiterals;

namespace {

// The palette the desktop gave before either look was applied: the system
// look returns to it, so a dark desktop theme stays dark.
const QPalette& DesktopPalette()
{
    static const QPalette desktop = QApplication::palette();
    return desktop;
}

QPalette GreyPalette()
{
    QPalette grey = QApplication::style()->standardPalette();
    grey.setColor(QPalette::Window, QColor(192, 192, 192));
    grey.setColor(QPalette::WindowText, Qt::black);
    grey.setColor(QPalette::Base, QColor(236, 236, 236));
    grey.setColor(QPalette::AlternateBase, QColor(214, 214, 214));
    grey.setColor(QPalette::Button, QColor(200, 200, 200));
    grey.setColor(QPalette::ButtonText, Qt::black);
    grey.setColor(QPalette::Text, Qt::black);
    grey.setColor(QPalette::Highlight, QColor(96, 96, 96));
    grey.setColor(QPalette::HighlightedText, Qt::white);
    // Disabled controls keep their shape but lose contrast, so they can be
    // told from the ones that answer.
    const QColor faded(128, 128, 128);
    grey.setColor(QPalette::Disabled, QPalette::WindowText, faded);
    grey.setColor(QPalette::Disabled, QPalette::ButtonText, faded);
    grey.setColor(QPalette::Disabled, QPalette::Text, faded);
    grey.setColor(QPalette::Disabled, QPalette::Base, QColor(208, 208, 208));
    grey.setColor(QPalette::Disabled, QPalette::Button, QColor(184, 184, 184));
    grey.setColor(QPalette::Disabled, QPalette::Highlight, QColor(160, 160, 160));
    return grey;
}

} // namespace

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
    if (QApplication::style()->name().compare(u"Fusion"_s, Qt::CaseInsensitive) != 0)
        QApplication::setStyle(QStyleFactory::create(u"Fusion"_s));
    const QPalette& desktop = DesktopPalette();
    QApplication::setPalette(style == VisualStyle::System ? desktop : GreyPalette());
}
