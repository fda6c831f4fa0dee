#include "common/ui/tab_order.h"

#include <QList>
#include <QWidget>

namespace {

// The controls inside `container` in their Tab order; they follow it in the
// focus chain as long as they were made after it.
QList<QWidget*> ControlsIn(QWidget* container)
{
    QList<QWidget*> controls;
    for (QWidget* w = container->nextInFocusChain(); w != container && container->isAncestorOf(w);
         w = w->nextInFocusChain())
        if (w->focusPolicy() != Qt::NoFocus)
            controls.append(w);
    return controls;
}

} // namespace

void SetTabOrder(std::initializer_list<QWidget*> controls)
{
    QWidget* previous = nullptr;
    for (QWidget* control : controls) {
        if (previous)
            QWidget::setTabOrder(previous, control);
        previous = control;
    }
}

void PlaceInTabOrderAfter(QWidget* earlier, QWidget* later)
{
    const QList<QWidget*> before = ControlsIn(earlier);
    if (before.isEmpty())
        return;
    QWidget* previous = before.last();
    for (QWidget* control : ControlsIn(later)) {
        QWidget::setTabOrder(previous, control);
        previous = control;
    }
}
