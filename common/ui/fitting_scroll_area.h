#pragma once

#include <QScrollArea>

// Holds content that may not fit a small screen (1280x800, or 1920x1080 at
// scale 2): the window opens as large as the content asks, yet may shrink
// below it, and the content then scrolls.
class FittingScrollArea : public QScrollArea {
public:
    FittingScrollArea(QWidget* content, QWidget* parent);

    QSize sizeHint() const override;
};
