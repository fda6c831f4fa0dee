#include "common/ui/chooser_keys.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QTreeWidget>

namespace {

bool IsEnter(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

} // namespace

ChooserKeys::ChooserKeys(QLineEdit* search, QTreeWidget* list, Take take)
    : QObject(search), search_(search), list_(list), take_(std::move(take))
{
    search_->installEventFilter(this);
    list_->installEventFilter(this);
}

bool ChooserKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() != QEvent::KeyPress)
        return QObject::eventFilter(watched, event);
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (watched == search_)
        return keyInSearch(key);
    if (watched == list_)
        return keyInList(key);
    return false;
}

bool ChooserKeys::keyInSearch(int key)
{
    if (key == Qt::Key_Down) {
        if (list_->topLevelItemCount() == 0)
            return true;
        QTreeWidgetItem* row = list_->currentItem() ? list_->currentItem() : list_->topLevelItem(0);
        list_->setFocus(Qt::TabFocusReason);
        list_->setCurrentItem(row);
        row->setSelected(true);
        return true;
    }
    if (!IsEnter(key))
        return false;
    // Enter never falls through to a button: it would take a row the user
    // did not point at.
    if (list_->topLevelItemCount() == 1) {
        list_->setCurrentItem(list_->topLevelItem(0));
        list_->topLevelItem(0)->setSelected(true);
    }
    if (list_->currentItem() && list_->currentItem()->isSelected())
        take_();
    return true;
}

bool ChooserKeys::keyInList(int key)
{
    if (!IsEnter(key))
        return false;
    if (list_->currentItem()) {
        list_->currentItem()->setSelected(true);
        take_();
    }
    return true;
}
