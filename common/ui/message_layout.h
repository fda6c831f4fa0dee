#pragma once

#include <QSize>
#include <QString>
#include <QStringList>
#include <functional>

// Size of the message dialog's label, worked out from the text so that
// messages of several lines fit without scrolling.
struct MessageLayout {
    QString text; // the message as shown (cut to 599 characters)
    int lines = 0; // lines counted for the height
    int labelWidth = 0;
    int labelHeight = 0;
};

inline constexpr int kMessageMaxChars = 599;
inline constexpr int kMessageMaxLineChars = 300;
inline constexpr int kMessageMaxWidth = 900;

// `lineWidth` gives the pixel width of a line in the label's font.
MessageLayout LayOutMessage(const QString& message, int pointSize, int dotsPerInch,
    const std::function<int(const QString&)>& lineWidth);
