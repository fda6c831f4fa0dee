#pragma once

#include "pelin/core/time_picker_cells.h"

#include <QWidget>

#include <functional>

// Paints the cells of a time picker and reports clicks on them; what a cell
// looks like and does is decided by the picker logic behind it.
class PickerGridWidget : public QWidget {
    Q_OBJECT

public:
    using LookFunction = std::function<CellLook(const PickerCell&)>;

    PickerGridWidget(PickerLayout layout, LookFunction look, QWidget* parent = nullptr);

    const PickerLayout& layout() const { return layout_; }
    QSize sizeHint() const override { return layout_.size; }

Q_SIGNALS:
    void cellClicked(const PickerCell& cell);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    const PickerCell* pickableCellAt(QPoint point) const;

    PickerLayout layout_;
    LookFunction look_;
};
