#include "common/ui/long_work.h"

#include "common/ui/progress_display.h"

#include <QCoreApplication>
#include <QProgressBar>

LongWork::LongWork(std::initializer_list<QWidget*> controls, QProgressBar* progress) : progress_(progress)
{
    for (QWidget* control : controls) {
        if (!control->isEnabled())
            continue;
        control->setEnabled(false);
        disabled_.append(control);
    }
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
}
