#pragma once

#include <QAbstractButton>
#include <QCoreApplication>
#include <QMouseEvent>

// A double click whose second half waits in the event queue while the work
// of the first click runs, as it does when the work blocks the window.
inline void DoubleClickDuringWork(QAbstractButton* button)
{
    const QPointF centre = QRectF(button->rect()).center();
    for (const QEvent::Type type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease })
        QCoreApplication::postEvent(button,
            new QMouseEvent(type, centre, button->mapToGlobal(centre), Qt::LeftButton,
                type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier));
    button->click();
    QCoreApplication::processEvents();
}
