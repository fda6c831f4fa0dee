#include "korav/forms/grid_keys.h"

#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QStyledItemDelegate>
#include <QTableWidget>

#include <functional>

using namespace Qt::StringLiterals;

namespace {

bool IsReturn(int key)
{
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

// Tab in an open cell editor takes the text and moves on like Tab outside
// it, so that the row numbers are passed over there too. Return takes the
// text and stays in the grid instead of pressing the dialog's default button.
class TabDelegate : public QStyledItemDelegate {
public:
    TabDelegate(QObject* parent, std::function<void(bool)> move)
        : QStyledItemDelegate(parent), move_(std::move(move))
    {
    }

    bool eventFilter(QObject* object, QEvent* event) override
    {
        auto* editor = qobject_cast<QWidget*>(object);
        if (!editor || event->type() != QEvent::KeyPress)
            return QStyledItemDelegate::eventFilter(object, event);
        const int key = static_cast<QKeyEvent*>(event)->key();
        const bool tab = key == Qt::Key_Tab || key == Qt::Key_Backtab;
        if (!tab && !IsReturn(key))
            return QStyledItemDelegate::eventFilter(object, event);
        Q_EMIT commitData(editor);
        Q_EMIT closeEditor(editor, NoHint);
        if (tab)
            move_(key == Qt::Key_Tab);
        return true;
    }

private:
    std::function<void(bool)> move_;
};

} // namespace

GridKeys::GridKeys(QTableWidget* grid) : QObject(grid), grid_(grid)
{
    grid->installEventFilter(this);
    grid->setItemDelegate(new TabDelegate(this, [this](bool forward) { moveToEditable(forward); }));
}

bool GridKeys::eventFilter(QObject* watched, QEvent* event)
{
    if (watched != grid_ || event->type() != QEvent::KeyPress)
        return false;
    const auto* key = static_cast<QKeyEvent*>(event);
    if (key->matches(QKeySequence::Delete) || key->key() == Qt::Key_Backspace) {
        clearSelection();
        return true;
    }
    if (key->matches(QKeySequence::Paste)) {
        paste(QApplication::clipboard()->text());
        return true;
    }
    if (key->key() == Qt::Key_Tab || key->key() == Qt::Key_Backtab) {
        moveToEditable(key->key() == Qt::Key_Tab);
        return true;
    }
    if (IsReturn(key->key())) {
        moveDown();
        return true;
    }
    return false;
}

bool GridKeys::editable(int row, int column) const
{
    const QTableWidgetItem* item = grid_->item(row, column);
    return item && (item->flags() & Qt::ItemIsEditable) && (item->flags() & Qt::ItemIsEnabled);
}

void GridKeys::setCell(int row, int column, const QString& text)
{
    if (editable(row, column) && grid_->item(row, column)->text() != text)
        grid_->item(row, column)->setText(text);
}

void GridKeys::clearSelection()
{
    for (const QTableWidgetSelectionRange& range : grid_->selectedRanges())
        for (int row = range.topRow(); row <= range.bottomRow(); ++row)
            for (int column = range.leftColumn(); column <= range.rightColumn(); ++column)
                setCell(row, column, {});
}

void GridKeys::paste(const QString& text)
{
    QStringList lines = text.split(u'\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    const int top = grid_->currentRow();
    const int left = grid_->currentColumn();
    if (top < 0 || left < 0)
        return;
    for (int i = 0; i < lines.size() && top + i < grid_->rowCount(); ++i) {
        QString line = lines.at(i);
        if (line.endsWith(u'\r'))
            line.chop(1);
        const QStringList cells = line.split(u'\t');
        for (int j = 0; j < cells.size() && left + j < grid_->columnCount(); ++j)
            setCell(top + i, left + j, cells.at(j).trimmed());
    }
}

void GridKeys::moveToEditable(bool forward)
{
    const int columns = grid_->columnCount();
    const int cells = grid_->rowCount() * columns;
    const int step = forward ? 1 : -1;
    int index = std::max(grid_->currentRow(), 0) * columns + std::max(grid_->currentColumn(), 0);
    for (int tried = 0; tried < cells; ++tried) {
        index = (index + step + cells) % cells;
        if (editable(index / columns, index % columns)) {
            grid_->setCurrentCell(index / columns, index % columns);
            return;
        }
    }
}

void GridKeys::moveDown()
{
    const int row = grid_->currentRow();
    if (row >= 0 && row + 1 < grid_->rowCount())
        grid_->setCurrentCell(row + 1, grid_->currentColumn());
}
