#include "common/ui/message_layout.h"

MessageLayout LayOutMessage(const QString& message, int pointSize, int dotsPerInch,
    const std::function<int(const QString&)>& lineWidth)
{
    MessageLayout layout;
    layout.text = message.left(kMessageMaxChars);
    const QStringList lines = layout.text.split(u'\n');
    layout.lines = int(lines.size()) + 1;
    int widest = 0;
    for (const QString& line : lines) {
        const int width = lineWidth(line.left(kMessageMaxLineChars));
        if (width > kMessageMaxWidth)
            ++layout.lines;
        widest = qMax(widest, width);
    }
    const int width = widest + 16 <= kMessageMaxWidth ? widest + 16 : kMessageMaxWidth;
    layout.labelWidth = width < 100 ? 108 : width + 8;
    layout.labelHeight = (pointSize * dotsPerInch / 72) * (layout.lines + 2);
    return layout;
}
