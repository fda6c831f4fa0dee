#include "common/ui/progress_display.h"

#include <QProgressBar>

void ShowProgressIdle(QProgressBar* bar)
{
    QSizePolicy policy = bar->sizePolicy();
    policy.setRetainSizeWhenHidden(true);
    bar->setSizePolicy(policy);
    bar->setValue(bar->minimum());
    bar->hide();
}

void ShowProgressRunning(QProgressBar* bar)
{
    bar->show();
}
