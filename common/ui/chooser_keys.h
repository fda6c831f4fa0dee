#pragma once

#include <QObject>

#include <functional>

class QLineEdit;
class QTreeWidget;

// Keyboard use of a chooser made of a search field above a list: Down in the
// search goes into the list, Enter takes the current row, or in the search
// the only row left. The take function receives the row taken.
class ChooserKeys : public QObject {
    Q_OBJECT
public:
    using Take = std::function<void()>;

    ChooserKeys(QLineEdit* search, QTreeWidget* list, Take take);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool keyInSearch(int key);
    bool keyInList(int key);

    QLineEdit* search_;
    QTreeWidget* list_;
    Take take_;
};
