#include "common/ui/return_key.h"

#include <QKeyEvent>
#include <QLineEdit>

namespace {

class ReturnKey : public QObject {
public:
    ReturnKey(QLineEdit* field, std::function<void()> action) : QObject(field), action_(std::move(action))
    {
        field->installEventFilter(this);
    }

    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const int key = static_cast<QKeyEvent*>(event)->key();
        if (key != Qt::Key_Return && key != Qt::Key_Enter)
            return false;
        action_();
        return true;
    }

private:
    std::function<void()> action_;
};

} // namespace

void OnReturnKey(QLineEdit* field, std::function<void()> action)
{
    new ReturnKey(field, std::move(action));
}
