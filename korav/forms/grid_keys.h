#pragma once

#include <QObject>

class QTableWidget;

// Spreadsheet keys for an editing grid: Delete empties the selected cells,
// Ctrl+V pastes a range copied from a spreadsheet (tab-separated lines) from
// the current cell on, and Tab moves between the cells that can be edited,
// passing over the row numbers and names; Return moves down a row, as in a
// spreadsheet, and never saves the dialog. Only editable cells are written;
// each write reaches the form through the grid's cellChanged signal.
class GridKeys : public QObject {
public:
    explicit GridKeys(QTableWidget* grid);

    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool editable(int row, int column) const;
    void setCell(int row, int column, const QString& text);
    void clearSelection();
    void paste(const QString& text);
    void moveToEditable(bool forward);
    void moveDown();

    QTableWidget* grid_;
};
