#include "common/wait.h"

#include <QThread>

void SleepMilliseconds(int milliseconds)
{
    QThread::msleep(static_cast<unsigned long>(milliseconds));
}

bool TryTimes(int attempts, int pauseMs, const Wait& wait, const std::function<bool()>& attempt)
{
    for (int i = 1; i <= attempts; ++i) {
        if (attempt())
            return true;
        if (i < attempts && wait)
            wait(pauseMs);
    }
    return false;
}
