#pragma once

#include <QList>
#include <QPointer>
#include <QWidget>

#include <initializer_list>

class QProgressBar;

// The length of one piece of long work in a window: the controls that could
// start it again answer no click, and the progress bar shows only meanwhile.
// Clicks that arrived during the work (the second half of a double click)
// meet the controls still disabled and are dropped before they answer again.
// Disabling moves the keyboard focus away from a clicked control; it comes
// back afterwards unless the work put it elsewhere.
class LongWork {
public:
    LongWork(std::initializer_list<QWidget*> controls, QProgressBar* progress = nullptr);
    ~LongWork();
    LongWork(const LongWork&) = delete;
    LongWork& operator=(const LongWork&) = delete;

private:
    QList<QPointer<QWidget>> disabled_;
    QPointer<QProgressBar> progress_;
    QPointer<QWidget> focused_;
    QPointer<QWidget> focusMoved_;
};

// Runs `work` as the long work of `control` and returns its result. The
// caller sets the state the work leaves on the control afterwards, so that
// the guard's re-enabling does not undo it.
template <typename Work> auto AsLongWork(QWidget* control, Work&& work)
{
    const LongWork running { control };
    return work();
}
