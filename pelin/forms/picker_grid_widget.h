#pragma once

#include "pelin/core/time_picker_cells.h"

#include <QWidget>

#include <functional>
#include <optional>

// Paints the cells of a time picker and reports clicks on them; what a cell
// looks like and does is decided by the picker logic behind it. With the
// focus, the arrow keys move a framed cell and Enter or Space picks it.
class PickerGridWidget : public QWidget {
    Q_OBJECT

public:
    using LookFunction = std::function<CellLook(const PickerCell&)>;

    PickerGridWidget(PickerLayout layout, LookFunction look, QWidget* parent = nullptr);

    const PickerLayout& layout() const { return layout_; }
    QSize sizeHint() const override { return layout_.size; }
    // Frames the cell of the value, or else the first pickable cell of the
    // kind outside the grey hours; false when none of the kind is pickable.
    bool placeCursor(CellKind kind, std::optional<int> value);
    const PickerCell* cursorCell() const;

Q_SIGNALS:
    void cellClicked(const PickerCell& cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    const PickerCell* pickableCellAt(QPoint point) const;
    bool pickable(int index) const;
    void stepCursor(int key);

    PickerLayout layout_;
    LookFunction look_;
    int cursor_ = -1;
};
