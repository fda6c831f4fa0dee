#include "common/ui/long_work.h"

#include "common/ui/progress_display.h"

#include <QApplication>
#include <QProgressBar>

LongWork::LongWork(std::initializer_list<QWidget*> controls, QProgressBar* progress)
    : progress_(progress), focused_(QApplication::focusWidget())
{
    for (QWidget* control : controls) {
        if (!control->isEnabled())
            continue;
        control->setEnabled(false);
        disabled_.append(control);
    }
    focusMoved_ = QApplication::focusWidget();
    if (progress)
        ShowProgressRunning(progress);
}

LongWork::~LongWork()
{
    QCoreApplication::processEvents();
    if (progress_)
        ShowProgressIdle(progress_);
    for (const QPointer<QWidget>& control : disabled_)
        if (control)
            control->setEnabled(true);
    if (focused_ && focused_ != focusMoved_ && QApplication::focusWidget() == focusMoved_
        && disabled_.contains(focused_))
        focused_->setFocus();
}
